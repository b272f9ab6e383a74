// SPDX-License-Identifier: GPL-3.0-or-later
// A program button's window shape at the device density: the holes of the border drawn at that
// size, a screen change ending a fade and rebuilding the shape, and the 1× looks as the
// committed border laid over the background around the caption.
#include "test_button_dpi_fixture.h"

#include "BmpFile.h"
#include "Ink.h"
#include "TsBorderMask.h"

#include <QRegion>

#include <functional>
#include <set>

using namespace fixture;

namespace {

// A 1× look of a 111 × 25 button without its caption at (x, y): the background `under` with
// the committed BORD1's tile of `state` (0 normal, 1 hot, 2 pressed) that covers that pixel laid
// over it, corners at the corners, edges repeated between them, the centre tile inside; a hole of
// a corner or edge leaves the background.
Rgb borderOver(Rgb under, int x, int y, int state)
{
    static const BgrImage bord1 = ReadBmpFile(NN_ASSETS_DIR "/BORD1.bmp");
    const auto inTile = [](int v, int size) {
        return v < 10 ? v : v >= size - 10 ? 20 + v - (size - 10) : 10 + (v - 10) % 10;
    };
    const int sx = 30 * state + inTile(x, 111);
    const int sy = inTile(y, 25);
    const Rgb m = bord1.pixel(sx, sy);
    const bool centre = x >= 10 && x < 101 && y >= 10 && y < 15;
    if (!centre && m == Rgb{255, 0, 255}) {
        return under;
    }
    const Rgb s = bord1.pixel(sx, 30 + sy);
    const auto mix = [](int o, int p, int a) {
        return static_cast<std::uint8_t>((o * a + p * (256 - a)) / 256);
    };
    return Rgb{mix(under.r, m.r, s.r), mix(under.g, m.g, s.g), mix(under.b, m.b, s.b)};
}

} // namespace

TEST_F(ButtonAtDeviceRatio, TheWindowShapeHasTheHolesOfTheBorderAtTheDeviceSize)
{
    button->repaint();
    BgrImage drawn(w, h);
    std::vector<HolePixel> deviceHoles;
    const TsMaskedBorders &borders = *button->sStyle()->BtnEffects()->MaskedBorders();
    DrawBorderMask(drawn, TsBorderMasks::maskFor(borders, r), BorderState::Normal,
                   borders.TransparentColor(), &deviceHoles);
    ASSERT_FALSE(deviceHoles.empty());
    QRegion expected(0, 0, 111, 25);
    for (const HolePixel &p : LogicalHoles(deviceHoles, w, h, r)) {
        expected -= QRegion(p.x, p.y, 1, 1);
    }
    EXPECT_EQ(button->mask(), expected);

    // Only the corners are cut, and the panel shows through there.
    const QImage shot = panel->grab().toImage();
    int missing[4] = {0, 0, 0, 0};
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 111; ++x) {
            if (button->mask().contains(QPoint(x, y))) {
                continue;
            }
            // The corners reach five pixels of the mask in, at the mask's own scale.
            const int reach = static_cast<int>(std::ceil(5 * maskScale / r));
            ASSERT_TRUE((x < reach || x >= 111 - reach) && (y < reach || y >= 25 - reach))
                << "hole inside " << x << "," << y;
            ++missing[(y > 12 ? 2 : 0) + (x > 55 ? 1 : 0)];
            const QPoint centre(static_cast<int>((20 + x + 0.5) * r),
                                static_cast<int>((20 + y + 0.5) * r));
            EXPECT_EQ(toRgb(shot.pixel(centre)), kPanel) << x << "," << y;
        }
    }
    if (r == 1 || r == 2) {
        // BORD1 at 2× is BORD1 with every pixel doubled at the holes: the same cut as at 1×.
        EXPECT_EQ(missing[0], 5);
        EXPECT_EQ(missing[1], 6);
        EXPECT_EQ(missing[2], 6);
        EXPECT_EQ(missing[3], 5);
    }
    for (int n : missing) {
        EXPECT_GT(n, 0);
    }
}

// A move to a screen of another density draws the look again; a fade under way, mixed from
// looks of the old density, ends at once.
TEST_F(ButtonAtDeviceRatio, AScreenChangeEndsAFadeAndRebuildsTheShape)
{
    button->sStyle()->BtnEffects()->Fading()->setEnabled(true);
    button->sStyle()->BtnEffects()->Fading()->setIntervalIn(100);
    button->repaint();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(25, 25));
    QApplication::sendEvent(button, &enter);
    ASSERT_EQ(probe(button).FadeMode(), TsFadeMode::In);
    QEvent change(QEvent::ScreenChangeInternal);
    QApplication::sendEvent(button, &change);
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::None);
    EXPECT_FALSE(probe(button).FadeTimer()->isActive());
    EXPECT_TRUE(probe(button).ShapeStale());
    button->repaint();
    EXPECT_FALSE(probe(button).ShapeStale());
    EXPECT_EQ(&probe(button).LastShown(), &probe(button).RenderCache());
    EXPECT_EQ(probe(button).RenderCache().width(), w);
}

// At 1× every pixel of every look outside its caption is the composed gradient under BORD1, and
// the caption's ink is the size of its text drawn alone, in the same place in each look.
TEST_F(ButtonAtDeviceRatio, OneTimesLooksAreBackgroundAndBorderAroundTheirCaption)
{
    if (r != 1) {
        GTEST_SKIP() << "the border rule is checked against BORD1 at 1×";
    }
    // The caption's rectangle, centred with its odd widening; the focus frame lies around it.
    const QFontMetrics fm(button->font());
    const int o = (111 - fm.horizontalAdvance(button->Caption())) / 2;
    const int t = (25 - fm.height()) / 2;
    const QRect caption(QPoint(o - 1, t), QPoint(111 - o + 2, 25 - t));
    const QSize text = inkOfText(button->font(), button->Caption()).size();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(25, 25));
    QEvent leave(QEvent::Leave);
    struct Look
    {
        const char *name;
        std::function<void()> reach;
        const int *grey;
        Rgb colour;
        int state;
        int shift;     // the pressed look's gradient and caption, one pixel right and down
        bool framed;   // a focus frame around the caption
        bool disabled; // mixed with the panel
    };
    const Look looks[] = {
        {"normal", [] {}, kNormalGrey, kPainting, 0, 0, false, false},
        {"hot", [&] { QApplication::sendEvent(button, &enter); }, kHotGrey, kHotPainting, 1, 0,
         false, false},
        {"pressed", [&] { QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12)); },
         kPressedGrey, kHotPainting, 2, 1, true, false},
        {"focused", [&] { QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 12)); },
         kHotGrey, kHotPainting, 1, 0, true, false},
        {"disabled",
         [&] {
             QApplication::sendEvent(button, &leave);
             edit->setFocus();
             button->setEnabled(false);
         },
         kNormalGrey, kPainting, 0, 0, false, true},
    };
    QRect normalInk;
    for (const Look &look : looks) {
        SCOPED_TRACE(look.name);
        look.reach();
        const BgrImage &img = render();
        const int around = look.framed ? 2 : 0;
        const QRect textArea =
            caption.translated(look.shift, look.shift).adjusted(-around, -around, around, around);
        QRect ink;
        int wrong = 0;
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 111; ++x) {
                // Column 0 of the pressed look lies left of its shifted gradient.
                const int grey = look.shift && x == 0 ? kHotGrey[y] : look.grey[y];
                Rgb expected = borderOver(composed(grey, look.colour), x, y, look.state);
                expected = look.disabled ? disabled(expected, kPanel) : expected;
                if (textArea.contains(x, y)) {
                    ink |= img.pixel(x, y) == expected ? QRect() : QRect(x, y, 1, 1);
                } else if (img.pixel(x, y) != expected && ++wrong <= 5) {
                    ADD_FAILURE() << "pixel " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
        if (!look.framed) {
            EXPECT_NEAR(ink.width(), text.width(), 1) << "the caption's ink, cut or stretched";
            EXPECT_NEAR(ink.height(), text.height(), 1) << "the caption's ink, cut or stretched";
            EXPECT_EQ(ink, normalInk.isValid() ? normalInk : ink) << "the caption moved";
            normalInk = ink;
        }
    }
}
