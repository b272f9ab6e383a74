// SPDX-License-Identifier: GPL-3.0-or-later
// The variant board: every control against its designed place, text, font and colour, docking on
// resize and keyboard order.
#include "test_board_fixture.h"

#include "BevelPanel.h"
#include "Ink.h"
#include "PanelPixels.h"

#include <QFontInfo>
#include <QMenuBar>

using namespace board_test;

namespace {

TEST_F(Board, FrameMenuBarAndPanelsAsDesigned)
{
    showActive();
    EXPECT_EQ(board->objectName(), "Form1");
    EXPECT_EQ(board->windowTitle(), "Н и НН в прилагательных");
    const Qt::WindowFlags flags = board->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint && flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(board->windowIcon().isNull());
    EXPECT_EQ(board->palette().color(QPalette::Window), QColor(240, 225, 255));
    // The client area lies below the menu bar at its designed size.
    EXPECT_EQ(board->centralWidget()->geometry(), QRect(0, board->menuBar()->height(), 439, 351));
    EXPECT_EQ(board->menuBar()->objectName(), "MainMenu1");
    EXPECT_EQ(board->grab().toImage().pixelColor(5, 5), QColor(240, 240, 240))
        << "the menu bar in the desktop's colour, not the window's";

    auto *panel1 = named<BevelPanel>("Panel1");
    EXPECT_EQ(panel1->geometry(), QRect(19, 16, 401, 270));
    EXPECT_EQ(panel1->palette().color(QPalette::Window), kPanelYellow);
    expectBevelledPixels(panel1, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 3,
                         kPanelYellow);
    auto *panel2 = named<BevelPanel>("Panel2");
    EXPECT_EQ(panel2->geometry(), QRect(0, 298, 439, 53));
    expectBevelledPixels(panel2, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 2,
                         QColor(64, 0, 128));
    for (QWidget *w : board->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && name != "ClientArea" && !name.startsWith("qt_")) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << name.toStdString();
        }
    }
}

TEST_F(Board, EverySlotAtItsPlaceInItsLookAndOnlyTwoLiveAtStart)
{
    showActive();
    // At rest, every button shows its normal look: none keeps the focus.
    QApplication::focusWidget()->clearFocus();
    for (const SlotRow &s : kSlots) {
        SCOPED_TRACE(s.button);
        expectOpen(s);
        TsButton *b = button(s.button);
        EXPECT_EQ(b->parentWidget()->objectName(), "Panel1");
        EXPECT_EQ(b->geometry(), QRect(s.buttonAt, QSize(111, 25)));
        EXPECT_EQ(b->Caption(), QString::fromUtf8(s.caption));
        EXPECT_EQ(b->font().pixelSize(), 11);
        EXPECT_TRUE(b->font().bold());
        EXPECT_EQ(QFontInfo(b->font()).family(), "DejaVu Sans") << "Verdana's stand-in";
        EXPECT_EQ(b->FontColor(), QColor(0, 0, 0));
        EXPECT_EQ(probe(b).PaintingColor(), kPanelRgb);
        EXPECT_EQ(probe(b).HotPaintingColor(), (Rgb{143, 183, 207}));
        fixture::expectNormalLook(b, kPanelRgb, s.live ? nullptr : &kPanelRgb);
        EXPECT_EQ(b->cursor().shape(), s.live ? Qt::PointingHandCursor : Qt::ArrowCursor);

        auto *image = label(s.image);
        EXPECT_EQ(image->geometry(), QRect(s.markAt, QSize(35, 35)));
        // Unpassed, the mark has no picture yet: it is decoded when a variant is first passed.
        EXPECT_TRUE(image->pixmap().isNull());
        EXPECT_FALSE(image->hasScaledContents());

        auto *hint = label(s.hint);
        EXPECT_EQ(hint->pos(), s.hintAt);
        // Sized to its text: the ink fills the label from edge to edge and stays inside it.
        const QRect ink = inkBounds(hint, kPanelYellow);
        EXPECT_TRUE(hint->rect().contains(ink)) << ink.x() << "," << ink.width();
        EXPECT_LE(ink.left(), 2);
        EXPECT_GE(ink.right(), hint->width() - 3);
        EXPECT_EQ(ink.size(), inkOfText(hint->font(), "Подсказок:").size()) << "nothing cut off";
        EXPECT_EQ(hint->text(), "Подсказок:");
        auto *count = label(s.count);
        EXPECT_EQ(count->pos(), s.countAt);
        EXPECT_EQ(QFontInfo(count->font()).family(), "Liberation Serif") << "Times' stand-in";
        for (auto [l, px, colour] :
             {std::tuple{hint, 13, QColor(0, 0, 0)}, std::tuple{count, 21, QColor(255, 0, 0)}}) {
            EXPECT_EQ(l->font().pixelSize(), px);
            EXPECT_TRUE(QFontInfo(l->font()).bold());
            EXPECT_EQ(l->palette().color(QPalette::WindowText), colour);
            EXPECT_TRUE(l->autoFillBackground());
            EXPECT_EQ(l->palette().color(QPalette::Window), kPanelYellow);
        }
    }
}

TEST_F(Board, CloseButtonAsDesignedAndStaysInTheDockedPanelOnResize)
{
    showActive();
    TsButton *close = button("sButton8");
    EXPECT_EQ(close->parentWidget()->objectName(), "Panel2");
    EXPECT_EQ(close->Caption(), "З а к р ы т ь");
    EXPECT_EQ(close->font().pixelSize(), 13);
    EXPECT_TRUE(close->font().bold());
    EXPECT_EQ(close->FontColor(), QColor(255, 0, 255));
    EXPECT_EQ(probe(close).PaintingColor(), (Rgb{240, 225, 255}));
    EXPECT_EQ(probe(close).HotPaintingColor(), (Rgb{240, 225, 255}));
    fixture::expectNormalLook(close, Rgb{240, 225, 255});
    EXPECT_EQ(close->cursor().shape(), Qt::PointingHandCursor);
    for (QSize size : {QSize(700, 520), QSize(300, 200), QSize(439, 351)}) {
        board->resize(size.width(), size.height() + board->menuBar()->height());
        QApplication::processEvents();
        EXPECT_EQ(named("Panel2")->geometry(), QRect(0, size.height() - 53, size.width(), 53));
        EXPECT_EQ(close->geometry(), QRect(19, 14, 401, 25));
        EXPECT_EQ(named("Panel1")->geometry(), QRect(19, 16, 401, 270));
    }
}

TEST_F(Board, FocusStartsOnVariantOneAndTabSkipsDisabledButtons)
{
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), button("sButton1"));
    for (const char *next : {"sButton5", "sButton8", "sButton1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), button(next));
    }
    // With every button enabled the whole order shows: the columns, then the close button.
    QStringList order;
    for (QWidget *w = button("sButton1"); order.size() < 9; w = w->nextInFocusChain()) {
        if (qobject_cast<TsButton *>(w)) {
            order << w->objectName();
        }
    }
    EXPECT_EQ(order.join(' '), "sButton1 sButton2 sButton3 sButton4 sButton5 sButton6 sButton7 "
                               "sButton9 sButton8");
}

} // namespace
