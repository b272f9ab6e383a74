// A program button on a screen of any density: its look is drawn at the device resolution
// (gradient rows, border, caption, focus dots, disabled mix), lands on the screen pixel for
// pixel, and its window shape follows the holes of the border drawn at that size. The same
// binary runs at 1× and, with QT_SCALE_FACTOR, at 2× and 1.5×; at 1× the looks are exactly
// the plain 1× drawing, pixel for pixel.
#include "ButtonFixture.h"

#include "BmpFile.h"
#include "Ink.h"
#include "TsBorderMask.h"
#include "TsGradient.h"

#include <QLineEdit>
#include <QRegion>

#include <cmath>
#include <functional>
#include <set>
#include <span>
#include <vector>

using namespace fixture;

namespace {

// One band of a vertical grey gradient: from one grey to another over `percent` of the height.
struct Band
{
    int from;
    int to;
    int percent;
};
const Band kNormalBands[] = {{128, 255, 99}, {255, 255, 0}};
const Band kHotBands[] = {
    {128, 128, 10}, {128, 255, 43}, {255, 162, 28}, {162, 210, 18}, {210, 210, 0}};

// The grey of each row of an image `height` rows high when the bands are painted over rows
// top..bottom-1: band after band, each percent · (bottom − top) / 100 rows on from where the last
// ended (the shared row taken by the later band), the last one to the bottom, the grey advanced
// by a constant step per row and rounded half to even; -1 where nothing is painted.
std::vector<int> bandGreys(std::span<const Band> bands, int top, int bottom, int height)
{
    std::vector<int> grey(static_cast<std::size_t>(height), -1);
    int end = top;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const bool last = i + 1 == bands.size();
        const int start = end;
        end = last ? height - 1 : start + bands[i].percent * (bottom - top) / 100;
        if (end - start <= 0) {
            continue;
        }
        if (last || end > height - 1) {
            end = std::min(bottom - 1, height - 1);
            if (end == start) {
                break;
            }
        }
        double value = bands[i].from;
        const double step = static_cast<double>(bands[i].to - bands[i].from) / (end - start);
        for (int y = start; y <= end; ++y, value += step) {
            grey[static_cast<std::size_t>(y)] = static_cast<int>(std::nearbyint(value));
        }
    }
    return grey;
}

class ButtonAtDeviceRatio : public ProgramButton
{
protected:
    void SetUp() override
    {
        ProgramButton::SetUp();
        edit = addFocusHolder();
        edit->setFocus();
        button->sStyle()->BtnEffects()->Fading()->setEnabled(false);
        showActive();
        r = button->devicePixelRatioF();
        w = qRound(111 * r);
        h = qRound(25 * r);
        s = std::max(1, static_cast<int>(std::lround(r)));
        maskScale = BorderMaskScale(r);
    }

    const BgrImage &render()
    {
        probe(button).Render();
        return probe(button).RenderCache();
    }

    // The look of a device row between the border's edges: the row's grey composed with the
    // painting colour, under the border's centre (picture 128, opacity 255).
    static Rgb expectedRow(const std::vector<int> &greys, int y, Rgb colour)
    {
        return masked(composed(greys[y], colour), 128, 255);
    }

    // Rows clear of the border's edges, which are drawn five logical pixels deep at most.
    int edgeDepth() const { return 5 * maskScale; }

    // The box around every nearly black device pixel (the core of the caption's strokes, whose
    // smoothed edges depend on the background) inside the border.
    QRect inkBox(const BgrImage &img) const
    {
        QRect box;
        for (int y = edgeDepth(); y < h - edgeDepth(); ++y) {
            for (int x = 12 * maskScale; x < w - 12 * maskScale; ++x) {
                const Rgb p = img.pixel(x, y);
                if (p.r < 40 && p.g < 40 && p.b < 40) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    }

    QLineEdit *edit = nullptr;
    double r = 1;
    int w = 0;
    int h = 0;
    int s = 1;
    int maskScale = 1;
};

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

TEST_F(ButtonAtDeviceRatio, RunsAtTheRatioItWasStartedWith)
{
    const double asked = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    EXPECT_DOUBLE_EQ(r, asked);
    EXPECT_DOUBLE_EQ(probe(button).RenderRatio(), asked);
}

TEST_F(ButtonAtDeviceRatio, TheLookHasTheDeviceSizeAndLandsPixelForPixel)
{
    button->repaint();
    const BgrImage &cache = probe(button).RenderCache();
    ASSERT_EQ(cache.width(), w);
    ASSERT_EQ(cache.height(), h);
    EXPECT_EQ(&probe(button).LastShown(), &cache);

    const QImage shot = panel->grab().toImage();
    ASSERT_DOUBLE_EQ(shot.devicePixelRatio(), r);
    const QRegion shape = button->mask();
    const int x0 = qRound(20 * r);
    int compared = 0;
    // A device pixel is compared where every logical pixel it touches belongs to the shape: at a
    // fractional ratio a device pixel can straddle a cut-out logical one, and the last device
    // column and row can fall outside the widget's clip.
    auto inShape = [&](int x, int y) {
        const int x1 = static_cast<int>(std::floor(x / r));
        const int x2 = static_cast<int>(std::floor((x + 1) / r - 1e-9));
        const int y1 = static_cast<int>(std::floor(y / r));
        const int y2 = static_cast<int>(std::floor((y + 1) / r - 1e-9));
        return shape.contains(QPoint(x1, y1)) && shape.contains(QPoint(x2, y1)) &&
               shape.contains(QPoint(x1, y2)) && shape.contains(QPoint(x2, y2));
    };
    for (int y = 0; y < h - 1; ++y) {
        for (int x = 0; x < w - 1; ++x) {
            if (!inShape(x, y)) {
                continue;
            }
            ASSERT_EQ(toRgb(shot.pixel(x0 + x, x0 + y)), cache.pixel(x, y)) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, (w - 1) * (h - 1) * 9 / 10);
}

TEST_F(ButtonAtDeviceRatio, GradientRowsFollowTheAlgorithmAtTheDeviceHeight)
{
    // The band walk gives the worked rows of a 25-pixel button.
    const std::vector<int> normal25 = bandGreys(kNormalBands, 0, 25, 25);
    const std::vector<int> hot25 = bandGreys(kHotBands, 0, 25, 25);
    const std::vector<int> pressed25 = bandGreys(kHotBands, 1, 25, 25);
    for (int y = 0; y < 25; ++y) {
        ASSERT_EQ(normal25[y], kNormalGrey[y]) << "row " << y;
        ASSERT_EQ(hot25[y], kHotGrey[y]) << "row " << y;
        ASSERT_EQ(pressed25[y], y == 0 ? -1 : kPressedGrey[y]) << "row " << y;
    }

    // A column left of the caption, clear of the left edge of the border.
    const int mid = qRound(15 * r);
    const BgrImage normal = render();
    const std::vector<int> greys = bandGreys(kNormalBands, 0, h, h);
    std::set<int> levels;
    for (int y = edgeDepth(); y < h - edgeDepth(); ++y) {
        EXPECT_EQ(normal.pixel(mid, y), expectedRow(greys, y, kPainting)) << "row " << y;
        levels.insert(normal.pixel(mid, y).r);
    }
    // Drawn at the device height, not a 1× look shown larger: more levels than logical rows.
    if (r > 1) {
        EXPECT_GT(static_cast<double>(levels.size()), (h - 2 * edgeDepth()) / r);
    }

    // Pressed: the hot gradient shifted right and down by the ratio in whole device pixels, its
    // rectangle cut at the button's bottom.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
    const BgrImage &pressed = render();
    const std::vector<int> shifted = bandGreys(kHotBands, s, h, h);
    for (int y = edgeDepth(); y < h - edgeDepth(); ++y) {
        EXPECT_EQ(pressed.pixel(mid, y), expectedRow(shifted, y, kHotPainting)) << "row " << y;
    }
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 12));
}

TEST_F(ButtonAtDeviceRatio, TheCaptionMovesByWholeDevicePixelsWhenPressed)
{
    // One plain colour for every look, so that only the caption and the border differ.
    button->setShowFocus(false); // the press takes the focus; only the caption counts
    button->sStyle()->Background()->Gradient()->setData("");
    button->sStyle()->HotStyle()->HotBackground()->Gradient()->setData("");
    button->sStyle()->HotStyle()->HotPainting()->setColor(16765606);
    const BgrImage up = render();
    const QRect ink = inkBox(up);
    ASSERT_TRUE(ink.isValid());
    // The ink is the caption's height at the device resolution, not a 1× caption enlarged.
    const QFontMetrics fm(button->font());
    EXPECT_LE(ink.height(), qRound(fm.height() * r));
    EXPECT_GE(ink.height(), qRound(fm.ascent() * r) - 2 * s);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
    const BgrImage &pressed = render();
    const QRect around = ink.adjusted(-s, -s, s, s);
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            ASSERT_EQ(pressed.pixel(x + s, y + s), up.pixel(x, y)) << x << "," << y;
        }
    }
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 12));
}

TEST_F(ButtonAtDeviceRatio, FocusDotsAreDrawnAtTheDeviceResolution)
{
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const BgrImage &img = render();
    const TsRect c = probe(button).CaptionRect();
    auto dev = [&](int v) { return static_cast<int>(std::floor(v * r + 0.5)); };
    const int left = dev(c.left - 1);
    const int top = dev(c.top - 1);
    const int right = dev(c.right + 2) - 1;
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    int dots = 0;
    for (int k = 0;; ++k) {
        const int x = left + static_cast<int>(std::nearbyint(3 * k * r));
        if (x > right - s + 1) {
            break;
        }
        // A dot of s × s device pixels, its white companion one dot up and to the left, and
        // the hot background in the gap before the next dot.
        for (int j = 0; j < s; ++j) {
            for (int i = 0; i < s; ++i) {
                EXPECT_EQ(img.pixel(x + i, top + j), black) << "dot " << k;
                EXPECT_EQ(img.pixel(x - s + i, top - s + j), white) << "dot " << k;
            }
        }
        if (x + s < right - s + 1) {
            EXPECT_NE(img.pixel(x + s, top), black) << "gap after dot " << k;
        }
        ++dots;
    }
    // As many dots along the top as at 1×: the rhythm is kept in logical pixels.
    EXPECT_EQ(dots, (c.right - c.left + 2) / 3 + 1);
}

TEST_F(ButtonAtDeviceRatio, DisabledMixCoversEveryDevicePixel)
{
    const BgrImage normal = render();
    button->setEnabled(false);
    const BgrImage &img = render();
    ASSERT_EQ(img.width(), w);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(img.pixel(x, y), disabled(normal.pixel(x, y), kPanel)) << x << "," << y;
        }
    }
}

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
