// SPDX-License-Identifier: GPL-3.0-or-later
// The sorting window as the pupil sees it: every control at its place in its look, the pictures
// as drawn and the keyboard order.
#include "ButtonFixture.h"
#include "Grab.h"
#include "Ink.h"
#include "PanelPixels.h"
#include "test_sorting_window_look.h"

#include "DropPicture.h"
#include "Pictures.h"
#include "SortingWordLabel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QTextLayout>

#include <cstdlib>

using namespace sorting_test;

namespace {

bool near(QColor a, QColor b, int tolerance = 3)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The lines a label's text takes when wrapped at its width, as the label lays them out.
QStringList wrappedLines(const QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->width());
        lines << label->text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

void expectFont(const QWidget *w, int pixelSize)
{
    const QFontInfo info(w->font());
    EXPECT_EQ(info.family(), "DejaVu Sans") << w->objectName().toStdString();
    EXPECT_TRUE(info.bold()) << w->objectName().toStdString();
    EXPECT_EQ(w->font().pixelSize(), pixelSize) << w->objectName().toStdString();
}

TEST_F(SortingWindowLook, FrameAndPanelsAsDesigned)
{
    EXPECT_EQ(form->windowTitle(), "Н и НН в прилагательных");
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint && flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form->size(), QSize(397, 487));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(227, 227, 227));
    EXPECT_EQ(form->font().pixelSize(), 11);

    struct PanelRow
    {
        const char *name;
        QRect geometry;
        QColor color;
        BevelPanel::Bevel outer, inner;
        int width;
    };
    using B = BevelPanel::Bevel;
    const PanelRow panels[] = {
        {"Panel3", {24, 16, 172, 449}, kWordListYellow, B::Raised, B::Lowered, 3},
        {"Panel2", {208, 387, 162, 78}, kCheckViolet, B::Raised, B::Lowered, 2},
        {"Panel1", {208, 127, 162, 232}, kTargetPink, B::Lowered, B::Raised, 3},
        {"Panel4", {208, 16, 162, 61}, QColor(240, 240, 240), B::Raised, B::Lowered, 3},
        {"Panel5", {208, 325, 162, 56}, kHelpBlue, B::Lowered, B::Raised, 3},
        {"Panel6", {208, 16, 162, 59}, kHelpBlue, B::Lowered, B::Raised, 2},
    };
    // Children in creation order: a later panel lies above an earlier one.
    QStringList order;
    for (QObject *child : form->children()) {
        if (qobject_cast<BevelPanel *>(child)) {
            order << child->objectName();
        }
    }
    EXPECT_EQ(order, (QStringList{"Panel3", "Panel2", "Panel1", "Panel4", "Panel5", "Panel6"}));
    for (const PanelRow &p : panels) {
        auto *panel = named<BevelPanel>(p.name);
        EXPECT_EQ(panel->geometry(), p.geometry) << p.name;
        EXPECT_EQ(panel->palette().color(QPalette::Window), p.color) << p.name;
        SCOPED_TRACE(p.name);
        expectBevelledPixels(panel, p.outer, p.inner, p.width, p.color);
    }
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            EXPECT_TRUE(w->toolTip().isEmpty()) << "no control shows a hint";
        }
    }
}

TEST_F(SortingWindowLook, TwentyWordsInTheirPlacesWithTheHandPointerAndTheirCodes)
{
    int singles = 0;
    for (int k = 1; k <= 20; ++k) {
        QLabel *w = word(k);
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->parentWidget()->objectName(), "Panel3");
        EXPECT_EQ(w->text(), QString::fromUtf8(kWords[k - 1].caption));
        EXPECT_EQ(w->accessibleName(), w->text());
        const int width = QFontMetrics(w->font()).horizontalAdvance(w->text());
        EXPECT_EQ(w->geometry(), QRect(34, 16 + 21 * (k - 1), width, 16));
        expectFont(w, 13);
        EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        EXPECT_EQ(w->palette().color(QPalette::Window), kWordListYellow);
        EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(qobject_cast<SortingWordLabel *>(w)->answerCode(), kWords[k - 1].code);
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
        singles += qobject_cast<SortingWordLabel *>(w)->answerCode() == "n";
    }
    EXPECT_EQ(singles, 9);
}

TEST_F(SortingWindowLook, CheckPanelLabelsAndTheFourSkinnedButtons)
{
    struct LabelRow
    {
        const char *name, *text;
        QPoint at;
        QColor color;
    };
    const LabelRow labels[] = {{"Label1", "Ошибок:", {41, 48}, QColor(0, 255, 255)},
                               {"Label2", "--", {108, 48}, QColor(255, 255, 0)},
                               {"Label36", "Ура-а-а !", {46, 16}, QColor(255, 255, 0)}};
    for (const LabelRow &l : labels) {
        auto *label = named<QLabel>(l.name);
        EXPECT_EQ(label->parentWidget()->objectName(), "Panel2");
        EXPECT_EQ(label->text(), l.text);
        EXPECT_EQ(label->pos(), l.at) << l.name;
        EXPECT_EQ(label->width(), QFontMetrics(label->font()).horizontalAdvance(l.text));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), l.color) << l.name;
        EXPECT_EQ(label->palette().color(QPalette::Window), kCheckViolet) << l.name;
        expectFont(label, 13);
    }

    struct ButtonRow
    {
        const char *name, *caption, *panel;
        QRect geometry;
        int fontSize;
        Qt::CursorShape cursor;
        TColor painting;
    };
    // clang-format off
    const ButtonRow buttons[] = {
        {"sButton5", "Проверить", "Panel2", {31, 26, 100, 25}, 11, Qt::PointingHandCursor, 8388672},
        {"sButton1", "Заново", "Panel2", {31, 18, 100, 25}, 11, Qt::ArrowCursor, 8388672},
        {"sButton2", "Дальше", "Panel2", {31, 38, 100, 25}, 11, Qt::ArrowCursor, 8388672},
        {"sButton3", "Помогите!", "Panel5", {31, 16, 100, 25}, 11, Qt::PointingHandCursor, 16765606},
    };
    // clang-format on
    // At rest, every button shows its normal look: none keeps the focus.
    if (QWidget *focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    for (const ButtonRow &b : buttons) {
        TsButton *btn = button(b.name);
        SCOPED_TRACE(b.name);
        EXPECT_EQ(btn->parentWidget()->objectName(), b.panel);
        EXPECT_EQ(btn->Caption(), b.caption);
        EXPECT_EQ(btn->accessibleName(), b.caption);
        EXPECT_EQ(btn->geometry(), b.geometry);
        expectFont(btn, b.fontSize);
        EXPECT_EQ(btn->FontColor(), QColor(0, 0, 0));
        EXPECT_EQ(btn->Cursor(), b.cursor);
        const TsActiveBGStyle *style = btn->sStyle();
        EXPECT_EQ(style->SkinSection(), "TsButton");
        EXPECT_EQ(style->GroupIndex(), 0);
        fixture::expectNormalLook(btn, ColorToRgb(b.painting));
        EXPECT_EQ(style->HotStyle()->HotPainting()->Transparency(), 0);
        EXPECT_EQ(style->Painting()->Color(), b.painting);
    }
}

TEST_F(SortingWindowLook, LetterPicturesUnscaledAndCutTheStripStretched)
{
    const QImage shot = grabbed(form);
    struct PictureRow
    {
        const char *name, *file, *code;
        QRect box;
    };
    const PictureRow pictures[] = {
        {"Image2", ":/assets/PictureNN.bmp", "nn", {29, 24, 102, 87}},
        {"Image1", ":/assets/PictureN.bmp", "n", {29, 120, 102, 88}},
    };
    for (const PictureRow &p : pictures) {
        SCOPED_TRACE(p.name);
        QLabel *pic = picture(p.name);
        EXPECT_EQ(pic->parentWidget()->objectName(), "Panel1");
        EXPECT_EQ(pic->geometry(), p.box);
        EXPECT_EQ(qobject_cast<DropPicture *>(pic)->answerCode(), p.code);
        const QImage drawn = loadPicture(p.file).convertToFormat(QImage::Format_RGB32);
        const QPoint at = pic->mapTo(form, QPoint(0, 0));
        int differing = 0;
        for (int y = 0; y < p.box.height(); ++y) {
            for (int x = 0; x < p.box.width(); ++x) {
                differing += shot.pixel(at.x() + x, at.y() + y) != drawn.pixel(x, y);
            }
        }
        EXPECT_EQ(differing, 0) << "drawn at its natural size from the top-left corner";
        // Beyond the box the panel shows: the НН picture's last column is cut off.
        EXPECT_EQ(shot.pixelColor(at.x() + p.box.width(), at.y() + 10), kTargetPink);
    }
    EXPECT_EQ(loadPicture(":/assets/PictureNN.bmp").width(), 103);

    QLabel *strip = picture("Image3");
    EXPECT_EQ(strip->geometry(), QRect(7, 6, 148, 49));
    EXPECT_TRUE(strip->hasScaledContents());
    const QPoint s = strip->mapTo(form, QPoint(0, 0));
    // The label's text lies in the middle; the edges show the strip from yellow to pink, the same
    // from its top row to its bottom row.
    for (int y : {0, 24, 48}) {
        EXPECT_TRUE(near(shot.pixelColor(s.x(), s.y() + y), QColor(255, 255, 154)));
        EXPECT_TRUE(near(shot.pixelColor(s.x() + 147, s.y() + y), QColor(255, 204, 255)));
    }
}

TEST_F(SortingWindowLook, InstructionAndAdviceWrapIntoTwoLines)
{
    auto *instruction = named<QLabel>("Label35");
    EXPECT_EQ(instruction->geometry(), QRect(41, 15, 80, 32));
    EXPECT_EQ(instruction->text(), "Перетащи      слова.");
    EXPECT_FALSE(instruction->autoFillBackground()) << "transparent over the strip";
    EXPECT_EQ(instruction->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    expectFont(instruction, 13);
    EXPECT_EQ(wrappedLines(instruction), (QStringList{"Перетащи", "слова."}));

    auto *advice = named<QLabel>("Label37");
    EXPECT_EQ(advice->geometry(), QRect(11, 15, 137, 28));
    EXPECT_EQ(advice->text(), " Старайся обойтись         без помощи.");
    EXPECT_EQ(advice->text().size(), 38);
    EXPECT_EQ(advice->palette().color(QPalette::Window), QColor(255, 255, 174));
    EXPECT_EQ(advice->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    expectFont(advice, 12);
    EXPECT_EQ(wrappedLines(advice), (QStringList{"Старайся обойтись", "без помощи."}));
}

TEST_F(SortingWindowLook, FocusStartsOnCheckAndFollowsTheButtonsOrder)
{
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "sButton5");
    // Only one button is shown at the start: Tab goes from it to the word list, the last stop,
    // and from there back to it.
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Panel3");
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "sButton5");

    click("sButton5");
    // The pressed button went away and took the focus with it; the window keeps it.
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "sButton1");
    QTest::keyClick(form->windowHandle(), Qt::Key_Space);
    // The key's click runs after the key handler: "Проверить" comes back with it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return button("sButton5")->isVisible(); }));
    // Help offered: "Проверить" first, then "Помогите!".
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "sButton5");
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "sButton3");
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Panel3");
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "sButton5");
}

} // namespace
