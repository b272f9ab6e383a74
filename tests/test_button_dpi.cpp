// SPDX-License-Identifier: GPL-3.0-or-later
// A program button on a screen of any density: its look is drawn at the device resolution
// (gradient rows, border, caption, focus dots, disabled mix), lands on the screen pixel for
// pixel, and its window shape follows the holes of the border drawn at that size. The same
// binary runs at 1× and, with QT_SCALE_FACTOR, at 2× and 1.5×; at 1× the looks are exactly
// the plain 1× drawing, pixel for pixel.
#include "test_button_dpi_fixture.h"

#include "TsGradient.h"

#include <QRegion>

#include <cmath>
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
