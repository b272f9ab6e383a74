// SPDX-License-Identifier: GPL-3.0-or-later
// The looks of a program button around its caption: the focus frame, the caption centred or
// wrapped, the colours it takes from its parent or has of its own, a look left alone by an open
// menu, and a button made on its own.
#include "test_button_look_ink.h"

#include <QLineEdit>
#include <QMenu>

using namespace fixture;

TEST_F(ProgramButton, FocusedButtonIsHotWithDottedFrame)
{
    showActive();
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->IsHot()) << "focused without the pointer over it";
    probe(button).Render();
    const TsRect c = probe(button).CaptionRect();
    const TsRect frame{c.left - 1, c.top - 1, c.right + 1, c.bottom + 1};
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    for (int k = 0; k <= (frame.right - frame.left) / 3; ++k) {
        const int x = frame.left + 3 * k;
        EXPECT_EQ(cache(x, frame.top), black) << x;
        EXPECT_EQ(cache(x, frame.bottom), black) << x;
        EXPECT_EQ(cache(x - 1, frame.top - 1), white) << x;
    }
    for (int k = 0; k <= (frame.bottom - frame.top) / 3; ++k) {
        EXPECT_EQ(cache(frame.left, frame.top + 3 * k), black);
        EXPECT_EQ(cache(frame.right, frame.top + 3 * k), black);
    }
    // Between the dots the hot background shows.
    EXPECT_NE(cache(frame.left + 1, frame.top), black);

    // Without ShowFocus the frame goes, the hot look stays.
    button->setShowFocus(false);
    probe(button).Render();
    EXPECT_NE(cache(frame.left, frame.top), black);
    EXPECT_EQ(cache(15, 12), masked(composed(kHotGrey[12], kHotPainting), 128, 255));
}

TEST_F(ProgramButton, CaptionIsCentredWithTheOddWidening)
{
    const QFontMetrics fm(button->font());
    const int tw = fm.horizontalAdvance(button->Caption());
    const int o = (111 - tw) / 2;
    const int t = (25 - fm.height()) / 2;
    const TsRect c = probe(button).CaptionRect();
    EXPECT_EQ(c.left, o - 1);
    EXPECT_EQ(c.right, 111 - o + 2);
    EXPECT_EQ(c.top, t);
    EXPECT_EQ(c.bottom, 25 - t);

    // The ink is centred within a pixel or two (the rectangle is one pixel wider on the left
    // and two on the right, the text starts at its left).
    probe(button).Render();
    const QRect ink = inkBox(probe(button).RenderCache());
    ASSERT_TRUE(ink.isValid());
    EXPECT_NEAR(ink.left() - 0, 111 - 1 - ink.right(), 4);
}

TEST_F(ProgramButton, WideCaptionWrapsAndCentresItsLines)
{
    button->resize(75, 40);
    button->setCaption(QStringLiteral("Очень длинная надпись"));
    const TsRect c = probe(button).CaptionRect();
    const QFontMetrics fm(button->font());
    EXPECT_GT(c.bottom - c.top, fm.height() + 6) << "several lines";
    EXPECT_GE(c.left, -1);
    probe(button).Render();
    // Each line is centred: the ink of every line is balanced about the middle.
    const BgrImage &img = probe(button).RenderCache();
    std::vector<std::pair<int, int>> lines; // first and last ink column of each line
    bool inLine = false;
    for (int y = 0; y < img.height(); ++y) {
        int first = -1;
        int last = -1;
        for (int x = 3; x < img.width() - 3; ++x) {
            const Rgb p = img.pixel(x, y);
            if (p.r < 90 && p.g < 90 && p.b < 90) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        if (first >= 0) {
            if (!inLine) {
                lines.emplace_back(first, last);
            }
            lines.back().first = std::min(lines.back().first, first);
            lines.back().second = std::max(lines.back().second, last);
        }
        inLine = first >= 0;
    }
    ASSERT_GE(lines.size(), 2u);
    for (const auto &[first, last] : lines) {
        EXPECT_NEAR((first + last) / 2.0, img.width() / 2.0, 3.0) << first << ".." << last;
    }
}

TEST_F(ProgramButton, ParentColourIsFollowedOnlyWhileAsked)
{
    auto *plain = new TsButton(panel.get());
    plain->resize(75, 25);
    EXPECT_TRUE(plain->sStyle()->Painting()->ParentColor());
    EXPECT_EQ(probe(plain).PaintingColor(), kPanel);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(10, 20, 30));
    panel->setPalette(pal);
    EXPECT_EQ(probe(plain).PaintingColor(), (Rgb{10, 20, 30}));
    // No gradient: the plain painting colour under the mask's centre.
    probe(plain).Render();
    EXPECT_EQ(probe(plain).RenderCache().pixel(12, 12), masked(Rgb{10, 20, 30}, 128, 255));
    plain->sStyle()->Painting()->setColor(clInfoBk);
    EXPECT_EQ(probe(plain).PaintingColor(), kPanel);
    EXPECT_EQ(probe(button).PaintingColor(), kPainting) << "an explicit colour ignores the panel";
}

TEST_F(ProgramButton, CloseButtonOwnColours)
{
    auto *close = new TsButton(panel.get());
    close->setGeometry(0, 50, 200, 25);
    configureAsProgram(close, QStringLiteral("З а к р ы т ь"), 16769520);
    close->sStyle()->HotStyle()->HotPainting()->setColor(16769520);
    close->setFocus();
    showActive();
    close->setFocus();
    probe(close).Render();
    const Rgb own{240, 225, 255};
    EXPECT_EQ(probe(close).RenderCache().pixel(15, 12),
              masked(composed(kHotGrey[12], own), 128, 255));
}

// A menu opened over the window sends the focused button a focus-out, yet the keyboard focus
// stays where it was (QApplication::focusWidget() is still the button), as on the desktops where
// an open menu does not move the focus: the button keeps its hot look and its dotted frame.
TEST_F(ProgramButton, AnOpenMenuLeavesTheFocusedButtonsLookAsItWas)
{
    showActive();
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    probe(button).Render();
    const BgrImage before = probe(button).RenderCache();

    struct PopupFocusOuts : QObject
    {
        int count = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::FocusOut &&
                static_cast<QFocusEvent *>(e)->reason() == Qt::PopupFocusReason) {
                ++count;
            }
            return false;
        }
    } seen;
    button->installEventFilter(&seen);
    QMenu menu(panel.get());
    menu.addAction(QStringLiteral("Пункт"));
    menu.popup(panel->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    ASSERT_EQ(seen.count, 1) << "the menu's focus-out reached the button";
    probe(button).Render();
    EXPECT_TRUE(probe(button).RenderCache() == before) << "hot, with its dotted frame";
    menu.close();
    button->removeEventFilter(&seen);
}

// A button made on its own, outside any window of the program, finds its border mask itself.
TEST(LoneButton, PaintsItsBorder)
{
    TsButton button;
    button.sStyle()->Painting()->setColor(ColorFromRgb(200, 210, 220));
    EXPECT_EQ(toRgb(grabbed(&button).pixel(12, 0)), masked(Rgb{200, 210, 220}, 255, 102));
    EXPECT_FALSE(button.mask().isEmpty() || button.mask().contains(QPoint(0, 0))) << "corner cut";
}
