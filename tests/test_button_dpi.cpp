// A program button on a screen of any density: its look is drawn at the device resolution
// (gradient rows, border, caption, focus dots, disabled mix), lands on the screen pixel for
// pixel, and its window shape follows the holes of the border drawn at that size. The same
// binary runs at 1× and, with QT_SCALE_FACTOR, at 2× and 1.5×; at 1× the looks are exactly
// the plain 1× drawing, pixel for pixel.
#include "ButtonFixture.h"

#include "TsBorderMask.h"
#include "TsBorderMasks.h"
#include "TsGradient.h"

#include <QLineEdit>
#include <QRegion>

#include <cmath>
#include <set>

using namespace fixture;

namespace {

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

    // The background the algorithm gives over the device rows, as the border's centre (picture
    // 128, opacity 255) leaves it.
    BgrImage expectedBackground(const char *gradient, Rgb colour, TsRect rect) const
    {
        BgrImage img(w, h);
        img.fill(Rgb{1, 2, 3});
        ComposeBackground(img, rect, ParseGradient(gradient), 70, 0, colour);
        return img;
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

std::uint64_t fnv1a(const BgrImage &img)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const Rgb p = img.pixel(x, y);
            for (std::uint8_t c : {p.r, p.g, p.b}) {
                hash = (hash ^ c) * 1099511628211ull;
            }
        }
    }
    return hash;
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
    // A column left of the caption, clear of the left edge of the border.
    const int mid = qRound(15 * r);
    const BgrImage normal = render();
    const BgrImage expected = expectedBackground(programlook::kNormalGradient, kPainting,
                                                 TsRect{0, 0, w, h});
    std::set<int> levels;
    for (int y = edgeDepth(); y < h - edgeDepth(); ++y) {
        EXPECT_EQ(normal.pixel(mid, y), masked(expected.pixel(mid, y), 128, 255)) << "row " << y;
        levels.insert(normal.pixel(mid, y).r);
    }
    // Drawn at the device height, not a 1× look shown larger: more levels than logical rows.
    if (r > 1) {
        EXPECT_GT(static_cast<double>(levels.size()), (h - 2 * edgeDepth()) / r);
    }

    // Pressed: the hot gradient shifted right and down by the ratio in whole device pixels.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
    const BgrImage &pressed = render();
    const BgrImage shifted = expectedBackground(programlook::kHotGradient, kHotPainting,
                                                TsRect{s, s, w + s, h + s});
    for (int y = edgeDepth(); y < h - edgeDepth(); ++y) {
        EXPECT_EQ(pressed.pixel(mid, y), masked(shifted.pixel(mid, y), 128, 255)) << "row " << y;
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

// At 1× the looks are byte for byte those the button drew before it learnt device ratios
// (recorded from that build; the caption is DejaVu Sans Bold at 11 pixels).
TEST_F(ButtonAtDeviceRatio, OneTimesLooksAreTheLooksOfBefore)
{
    if (r != 1) {
        GTEST_SKIP() << "the recorded looks are the 1× ones";
    }
    EXPECT_EQ(fnv1a(render()), 0x0ddbebf32b6f4397ull) << "normal";
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(25, 25));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(fnv1a(render()), 0x79d6f40d31f72c1eull) << "hot";
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
    EXPECT_EQ(fnv1a(render()), 0xc637cadd4e26337full) << "pressed";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 12));
    EXPECT_EQ(fnv1a(render()), 0xc24252d3f19d2e85ull) << "focused";
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    edit->setFocus();
    button->setEnabled(false);
    EXPECT_EQ(fnv1a(render()), 0xb23b50e49dc496d0ull) << "disabled";
}
