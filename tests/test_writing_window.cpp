// SPDX-License-Identifier: GPL-3.0-or-later
// The writing exercise window as the pupil first sees it and as it is built: the frame, every
// control at its place in its size, colour, bevel and font, the keyboard order, and the
// rendered pixels where the look is what matters.
#include "Announcer.h"
#include "ButtonFixture.h"
#include "PanelPixels.h"
#include "TsButtonProbe.h"
#include "test_writing_window_fixture.h"

#include "BevelPanel.h"
#include "Pictures.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <tuple>

namespace writingwindow {
namespace {

const QColor kWindowColour(227, 227, 227);
const QColor kTooltipYellow(255, 255, 225);
const QColor kPaleYellow(255, 255, 174);
const QColor kSkyBlue(166, 210, 255);
const QColor kApricot(255, 162, 117);
const QColor kBlack(0, 0, 0);

const int kWordLeft[20] = {82, 98, 80, 72, 53, 72, 74, 80, 52, 99,
                           73, 74, 62, 80, 55, 39, 45, 89, 72, 63};

// A text control's font: the size and weight asked for, and the installed stand-in for
// Verdana and MS Sans Serif, so that a missing font package fails here.
void expectFont(const QWidget *w, int pixelSize)
{
    EXPECT_EQ(w->font().pixelSize(), pixelSize) << w->objectName().toStdString();
    EXPECT_TRUE(QFontInfo(w->font()).bold()) << w->objectName().toStdString();
    EXPECT_EQ(QFontInfo(w->font()).family(), "DejaVu Sans") << w->objectName().toStdString();
}

class WritingLook : public WritingWindowTest
{
protected:
    // Every control shown at once at the wide width, as no state shows them, to look at each
    // in its place.
    void showEverything()
    {
        for (QWidget *w : form->findChildren<QWidget *>()) {
            w->show();
        }
        form->resize(598, form->height());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    }
};

TEST_F(WritingLook, OpensNarrowCentredWithTheWordListOnlyAndNoFocus)
{
    EXPECT_FALSE(form->isVisible()) << "created hidden";
    open();
    shot(QStringLiteral("01-revealing-first-showing"));
    EXPECT_EQ(form->windowTitle(), "Н и НН в прилагательных");
    EXPECT_EQ(form->accessibleName(), form->windowTitle());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint && flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->size(), QSize(327 - 8, 579 - 34));
    EXPECT_EQ(form->pos(), centredFor(form, classicFrame(form)));
    EXPECT_EQ(form->palette().color(QPalette::Window), kWindowColour);
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "no edit box is shown to take the focus";

    const QImage shown = grabbed(form);
    // Right of the word list only the window's own ground: the check area lies beyond the edge.
    EXPECT_EQ(shown.pixelColor(form->width() - 3, 300), kWindowColour);
    EXPECT_EQ(shown.pixelColor(100, 2), kWindowColour);
    EXPECT_EQ(shown.pixelColor(20, 300), kTooltipYellow);
    for (int word = 1; word <= 20; ++word) {
        EXPECT_TRUE(wordLabel(word)->isVisible()) << word;
        EXPECT_FALSE(edit(word)->isVisible()) << word;
    }
    EXPECT_TRUE(label("Label1")->isVisible());
    for (const char *name : {"Label2", "Panel1", "Panel2", "Panel4", "Panel5"}) {
        EXPECT_FALSE(named(name)->isVisible()) << name;
    }
}

TEST_F(WritingLook, PanelsWithTheirBevelsAndColoursAndTheCheckPanelOnTop)
{
    using B = BevelPanel::Bevel;
    for (auto [name, geometry, colour, outer, inner, width] :
         {std::tuple{"Panel3", QRect(9, 8, 298, 528), kTooltipYellow, B::Raised, B::Lowered, 3},
          std::tuple{"Panel2", QRect(319, 226, 221, 310), kApricot, B::Raised, B::Lowered, 3},
          std::tuple{"Panel4", QRect(356, 448, 153, 73), kPaleYellow, B::Lowered, B::Raised, 2},
          std::tuple{"Panel1", QRect(319, 159, 221, 56), kSkyBlue, B::Lowered, B::Raised, 3},
          std::tuple{"Panel5", QRect(320, 90, 221, 56), kSkyBlue, B::Lowered, B::Raised, 2}}) {
        SCOPED_TRACE(name);
        auto *panel = named<BevelPanel>(name);
        EXPECT_EQ(panel->parentWidget(), form);
        EXPECT_EQ(panel->geometry(), geometry);
        EXPECT_EQ(panel->palette().color(QPalette::Window), colour);
        expectBevelledPixels(panel, outer, inner, width, colour);
        EXPECT_FALSE(panel->accessibleName().isEmpty());
    }
    // The check panel lies over the lower part of the picture panel, and shows so.
    showEverything();
    const QImage shown = grabbed(form);
    EXPECT_EQ(shown.pixelColor(366, 454), kPaleYellow);
    EXPECT_EQ(shown.pixelColor(350, 454), kApricot);
    EXPECT_EQ(shown.pixelColor(366, 528), kApricot);
}

TEST_F(WritingLook, WordListLabelsAtTheirPlacesInTheirLook)
{
    const QFontMetrics metrics(wordLabel(1)->font());
    for (int word = 1; word <= 20; ++word) {
        SCOPED_TRACE(word);
        QLabel *l = wordLabel(word);
        EXPECT_EQ(l->parentWidget()->objectName(), "Panel3");
        EXPECT_EQ(l->text(), caption(word));
        // Named for a reader with its gap said as a word.
        EXPECT_EQ(l->accessibleName(), QString(caption(word)).replace("_", ", пропуск, "));
        EXPECT_EQ(l->geometry(), QRect(kWordLeft[word - 1], 41 + 24 * (word - 1),
                                       metrics.horizontalAdvance(caption(word)), 16));
        // Fitted to the text, every word ends short of its edit box.
        EXPECT_LT(l->geometry().right(), 162);
        expectFont(l, 13);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), kBlack);
        EXPECT_EQ(l->cursor().shape(), Qt::PointingHandCursor);
    }
    for (auto [name, text, at, colour] :
         {std::tuple{"Label1", "Щёлкни по слову.", QPoint(14, 16), QColor(0, 128, 0)},
          std::tuple{"Label2", "Напиши его.", QPoint(164, 16), QColor(255, 0, 255)}}) {
        QLabel *l = label(name);
        EXPECT_EQ(l->parentWidget()->objectName(), "Panel3");
        EXPECT_EQ(l->text(), QString::fromUtf8(text));
        EXPECT_EQ(l->pos(), at);
        expectFont(l, 13);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), colour);
    }
}

TEST_F(WritingLook, EditBoxesBorderlessInAlternatingColoursWithoutLengthLimit)
{
    for (int word = 1; word <= 20; ++word) {
        SCOPED_TRACE(word);
        WritingEditBox *box = edit(word);
        EXPECT_EQ(box->parentWidget()->objectName(), "Panel3");
        EXPECT_EQ(box->geometry(), QRect(162, 41 + 24 * (word - 1), 121, 18));
        EXPECT_FALSE(box->hasFrame());
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(box->palette().color(QPalette::Text), kBlack);
        expectFont(box, 13);
        EXPECT_EQ(box->accessibleName(), QString(caption(word)).replace("_", ", пропуск, "));
    }
    // A long text is never cut short, typed or pasted.
    edit(3)->insert(QString(40000, QChar(u'н')));
    edit(3)->insert(QStringLiteral("ый"));
    EXPECT_EQ(edit(3)->text().size(), 40002);
    edit(3)->clear();

    // On screen each box is its colour right to its edge: no border.
    showEverything();
    const QImage shown = grabbed(form);
    for (int word = 1; word <= 20; ++word) {
        const QColor colour = word % 2 ? QColor(255, 217, 198) : QColor(255, 240, 255);
        for (QPoint p : {QPoint(110, 9), QPoint(120, 0), QPoint(0, 17)}) {
            EXPECT_EQ(shown.pixelColor(edit(word)->mapTo(form, p)), colour) << word;
        }
    }
}

TEST_F(WritingLook, CheckPanelTextsAndTheFourButtonsInTheirLook)
{
    for (auto [name, text, at, colour, filled] :
         {std::tuple{"Label24", "Есть ошибки.", QPoint(27, 11), QColor(255, 0, 0), false},
          std::tuple{"Label23", "Отлично!", QPoint(42, 11), QColor(128, 0, 128), true}}) {
        QLabel *l = label(name);
        EXPECT_EQ(l->parentWidget()->objectName(), "Panel4");
        EXPECT_EQ(l->text(), QString::fromUtf8(text));
        EXPECT_EQ(l->pos(), at);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), colour);
        EXPECT_EQ(l->autoFillBackground(), filled) << name << ": the errors label is transparent";
        expectFont(l, 13);
    }
    const Rgb tooltip{255, 255, 225};
    const Rgb skyBlue{166, 210, 255};
    for (auto [name, text, panel, at, painting] :
         {std::tuple{"sButton1", "Проверить", "Panel4", QPoint(27, 24), tooltip},
          std::tuple{"sButton3", "Буду искать", "Panel4", QPoint(27, 34), tooltip},
          std::tuple{"sButton2", "Дальше", "Panel4", QPoint(26, 34), tooltip},
          std::tuple{"sButton4", "Помогите!", "Panel1", QPoint(64, 16), skyBlue}}) {
        SCOPED_TRACE(name);
        TsButton *b = button(name);
        EXPECT_EQ(b->parentWidget()->objectName(), panel);
        EXPECT_EQ(b->geometry(), QRect(at, QSize(100, 25)));
        EXPECT_EQ(b->Caption(), QString::fromUtf8(text));
        EXPECT_EQ(b->accessibleName(), b->Caption());
        expectFont(b, 11);
        EXPECT_EQ(b->FontColor(), kBlack);
        EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(b->sStyle()->SkinSection(), "TsButton");
        EXPECT_EQ(b->sStyle()->GroupIndex(), 0);
        EXPECT_EQ(probe(b).PaintingColor(), painting) << "its own colour, not the panel's";
        fixture::expectNormalLook(b, painting);
        EXPECT_EQ(b->sStyle()->HotStyle()->HotPainting()->Transparency(), 0);
    }
}

TEST_F(WritingLook, AdviceShowsOnTwoLinesTheSecondSayingBezPomoshchi)
{
    QLabel *advice = label("Label25");
    EXPECT_EQ(advice->parentWidget()->objectName(), "Panel5");
    EXPECT_EQ(advice->text(), QString::fromUtf8(" Старайся обойтись          без помощи."));
    EXPECT_EQ(advice->text().size(), 39);
    EXPECT_EQ(advice->geometry(), QRect(36, 12, 152, 32));
    EXPECT_EQ(advice->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    expectFont(advice, 13);

    // As shown: blue ink on the label's own pale yellow in two 16-pixel lines, the second as
    // wide as "без помощи." from the left edge.
    showEverything();
    const QImage shown = grabbed(named("Panel5"));
    EXPECT_EQ(shown.pixelColor(20, 28), kSkyBlue);
    EXPECT_EQ(shown.pixelColor(37, 13), kPaleYellow);
    int right[2] = {-1, -1};
    int left[2] = {1000, 1000};
    for (int y = 12; y < 44; ++y) {
        for (int x = 36; x < 188; ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 120) {
                const int line = (y - 12) / 16;
                right[line] = std::max(right[line], x - 36);
                left[line] = std::min(left[line], x - 36);
            }
        }
    }
    const int secondLine = QFontMetrics(advice->font()).horizontalAdvance("без помощи.");
    EXPECT_LE(left[1], 2);
    EXPECT_NEAR(right[1], secondLine, 3);
    EXPECT_GT(right[0], right[1]) << "the first line holds the longer \"Старайся обойтись\"";
}

TEST_F(WritingLook, FacesAtTheirNaturalSizeFromTheirBoxesTopLeft)
{
    const QImage smiling =
        loadPicture(":/assets/SmilingFace.bmp").convertToFormat(QImage::Format_RGB32);
    const QImage teasing =
        loadPicture(":/assets/TeasingFace.bmp").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(smiling.size(), QSize(190, 181));
    EXPECT_EQ(teasing.size(), QSize(190, 195));
    EXPECT_EQ(label("Image1")->geometry(), QRect(16, 23, 190, 182));
    EXPECT_EQ(label("Image2")->geometry(), QRect(16, 16, 190, 195));
    showEverything();
    // One at a time, as the checks show them. The smiling picture's box is a row taller than
    // the picture; that row shows the panel.
    label("Image2")->hide();
    QImage shown = grabbed(named("Panel2"));
    EXPECT_EQ(shown.copy(16, 23, 190, 181), smiling);
    EXPECT_EQ(shown.pixelColor(100, 23 + 181), kApricot);
    label("Image1")->hide();
    label("Image2")->show();
    shown = grabbed(named("Panel2"));
    EXPECT_EQ(shown.copy(16, 16, 190, 195), teasing);
    for (const char *name : {"Image1", "Image2"}) {
        EXPECT_FALSE(label(name)->hasScaledContents());
        EXPECT_FALSE(label(name)->accessibleName().isEmpty());
    }
}

TEST_F(WritingLook, EveryControlNamedAndTheKeyboardOrderDownTheWordsAndBoxesThenTheButtons)
{
    int named = 0;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        // The announcer is named by each message it says, and by nothing before the first.
        if (!w->objectName().startsWith(QLatin1String("qt_")) && !qobject_cast<Announcer *>(w)) {
            ++named;
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(named, 5 + 25 + 20 + 2 + 4) << "panels, labels, edit boxes, pictures, buttons";

    // Each word right before its edit box, then the buttons.
    QStringList order;
    for (QWidget *w = wordLabel(1); order.size() < 44; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) {
            order << w->objectName();
        }
    }
    QStringList expected;
    for (int n = 1; n <= 20; ++n) {
        expected << QStringLiteral("Label%1").arg(n + 2) << QStringLiteral("Edit%1").arg(n);
    }
    expected.append({"sButton1", "sButton3", "sButton2", "sButton4"});
    EXPECT_EQ(order, expected);
    // The keyboard reaches a word; the mouse never gives it the focus.
    EXPECT_EQ(wordLabel(1)->focusPolicy(), Qt::TabFocus);
}

} // namespace
} // namespace writingwindow
