// SPDX-License-Identifier: GPL-3.0-or-later
// The looks of a program button, pixel by pixel: background rows, border cross-sections, the
// pressed shift of gradient and caption, the disabled mix and the cut corners.
#include "test_button_look_ink.h"

#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QRegion>

#include <optional>

using namespace fixture;

namespace {

// Cross-sections of the built-in border mask along the left and right edges, outermost first;
// the values beyond the list are picture 128 and opacity 255.
struct Section
{
    std::vector<int> picture;
    std::vector<int> opacity;
};

const Section kNormalLeft{{255, 209}, {102, 186, 241, 254}};
const Section kNormalRight{{53, 113}, {103, 186, 241, 254}};
const Section kHotLeft{{217, 217, 212, 199, 179}, {57, 60, 96, 148, 204, 245, 253}};
const Section kHotRight{{51, 51, 68, 101, 138, 163}, {55, 48, 62, 97, 148, 204, 244, 253}};
const Section kPressedLeft{{54, 117}, {31, 30}};
const Section kPressedRight{{232, 192}, {32, 30}};

int at(const std::vector<int> &v, std::size_t i, int beyond)
{
    return i < v.size() ? v[i] : beyond;
}

// Checks row 12 (the middle of the side edges) from both edges inwards against the background
// colour of that row mixed with the mask's cross-section.
// The pressed look's column 0 lies outside its shifted gradient and has its own background.
void expectSides(const BgrImage &img, Rgb background, const Section &left, const Section &right,
                 std::optional<Rgb> column0 = std::nullopt)
{
    const int w = img.width();
    for (std::size_t i = 0; i < 10; ++i) {
        const int x = static_cast<int>(i);
        const Rgb under = (x == 0 && column0) ? *column0 : background;
        EXPECT_EQ(img.pixel(x, 12),
                  masked(under, at(left.picture, i, 128), at(left.opacity, i, 255)))
            << "left edge, " << i << " pixels in";
        EXPECT_EQ(img.pixel(w - 1 - x, 12),
                  masked(background, at(right.picture, i, 128), at(right.opacity, i, 255)))
            << "right edge, " << i << " pixels in";
    }
}

} // namespace

TEST_F(ProgramButton, FontsResolveToInstalledFaces)
{
    // The fixture asks for Verdana itself, which fontconfig maps to DejaVu Sans where it is
    // missing; a missing font package shows here.
    const QFontInfo info(button->font());
    EXPECT_EQ(info.pixelSize(), 11);
    EXPECT_TRUE(info.bold());
    EXPECT_TRUE(info.family().contains(QStringLiteral("DejaVu")) ||
                info.family().contains(QStringLiteral("Verdana")))
        << info.family().toStdString();
}

TEST_F(ProgramButton, NormalLook)
{
    probe(button).Render();
    EXPECT_FALSE(button->IsHot());
    // Inside the border the centre tile (picture 128, opacity 255) lies over the composed rows.
    for (int y : {0 + 10, 12, 14}) {
        EXPECT_EQ(cache(15, y), masked(composed(kNormalGrey[y], kPainting), 128, 255)) << y;
    }
    expectSides(probe(button).RenderCache(), composed(kNormalGrey[12], kPainting), kNormalLeft,
                kNormalRight);
    // Top edge at x = 12: the light line over row 0 and 1 of the gradient.
    EXPECT_EQ(cache(12, 0), masked(composed(kNormalGrey[0], kPainting), 255, 102));
    EXPECT_EQ(cache(12, 1), masked(composed(kNormalGrey[1], kPainting), 209, 186));
    // The bottom row of the normal picture is faintly purple: RGB(72, 52, 72) at opacity 103.
    const Rgb bottom = composed(kNormalGrey[24], kPainting);
    const Rgb expected{static_cast<std::uint8_t>((bottom.r * 103 + 72 * 153) / 256),
                       static_cast<std::uint8_t>((bottom.g * 103 + 52 * 153) / 256),
                       static_cast<std::uint8_t>((bottom.b * 103 + 72 * 153) / 256)};
    EXPECT_EQ(cache(12, 24), expected);
}

TEST_F(ProgramButton, HotLookWhilePointerIsOver)
{
    button->sStyle()->BtnEffects()->Fading()->setEnabled(false);
    showActive();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(25, 25));
    QApplication::sendEvent(button, &enter);
    ASSERT_TRUE(probe(button).MouseOver());
    ASSERT_TRUE(button->IsHot());
    probe(button).Render();
    for (int y : {10, 12, 14}) {
        EXPECT_EQ(cache(15, y), masked(composed(kHotGrey[y], kHotPainting), 128, 255)) << y;
    }
    expectSides(probe(button).RenderCache(), composed(kHotGrey[12], kHotPainting), kHotLeft,
                kHotRight);
    // The composed rows of the worked example, under the mask's centre.
    EXPECT_EQ(composed(kHotGrey[0], kHotPainting), (Rgb{132, 144, 152}));
    EXPECT_EQ(composed(kHotGrey[24], kHotPainting), (Rgb{190, 202, 209}));
}

TEST_F(ProgramButton, PressedLookShiftsGradientAndCaption)
{
    showActive();
    probe(button).Render();
    const QRect normalInk = inkBox(probe(button).RenderCache());
    ASSERT_TRUE(normalInk.isValid());

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
    ASSERT_TRUE(button->isDown());
    probe(button).Render();
    const BgrImage &img = probe(button).RenderCache();
    // Row y holds the hot gradient's row y - 1.
    for (int y : {11, 13, 14}) {
        EXPECT_EQ(img.pixel(15, y), masked(composed(kPressedGrey[y], kHotPainting), 128, 255)) << y;
    }
    // Column 0 keeps the unshifted gradient's row.
    expectSides(img, composed(kPressedGrey[12], kHotPainting), kPressedLeft, kPressedRight,
                composed(kHotGrey[12], kHotPainting));
    EXPECT_EQ(img.pixel(15, 0), masked(composed(kHotGrey[0], kHotPainting), 54, 31))
        << "row 0 too, under the pressed picture's top edge";
    // A two-pixel dark frame at the top and left, a light one at the right and bottom.
    EXPECT_LT(img.pixel(0, 12).r, 80);
    EXPECT_LT(img.pixel(12, 1).r, 130);
    EXPECT_GT(img.pixel(110, 12).r, 200);
    EXPECT_GT(img.pixel(12, 24).r, 200);

    // The caption moves one pixel right and down.
    const QRect pressedInk = inkBox(img);
    EXPECT_EQ(pressedInk, normalInk.translated(1, 1));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 12));
}

// The pressed look's top row and left column lie outside the shifted gradient. With a hot
// description that paints nothing (no stops, or a direction that is neither 0 nor 1) they get
// the hot painting colour, whatever the render before left there.
TEST_F(ProgramButton, PressedLookWithoutAPaintableHotGradientKeepsNoStalePixels)
{
    showActive();
    for (const char *hot : {"", "8421504;16777215;99;7;0"}) {
        SCOPED_TRACE(hot);
        button->sStyle()->HotStyle()->HotBackground()->Gradient()->setData(hot);
        auto pressedAfter = [this](bool focusedBefore) {
            if (focusedBefore) {
                button->setFocus();
            } else {
                button->clearFocus();
            }
            probe(button).Render(); // the look before the press, left in the render cache
            QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
            probe(button).Render();
            const BgrImage pressed = probe(button).RenderCache();
            QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 12));
            return pressed;
        };
        const BgrImage afterNormal = pressedAfter(false);
        const BgrImage afterHot = pressedAfter(true);
        EXPECT_TRUE(afterNormal == afterHot) << "the pressed look depends on the look before";
        EXPECT_EQ(afterNormal.pixel(15, 0), masked(kHotPainting, 54, 31)) << "row 0";
        EXPECT_EQ(afterNormal.pixel(0, 12), afterHot.pixel(0, 12)) << "column 0";
    }
}

TEST_F(ProgramButton, DisabledLookIsNormalMixedWithThePanel)
{
    probe(button).Render();
    const BgrImage normal = probe(button).RenderCache();
    button->setEnabled(false);
    button->setFocus();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(25, 25));
    QApplication::sendEvent(button, &enter);
    EXPECT_FALSE(button->IsHot());
    EXPECT_FALSE(probe(button).MouseOver())
        << "a disabled button takes no part in pointer tracking";
    probe(button).Render();
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 111; ++x) {
            ASSERT_EQ(cache(x, y), disabled(normal.pixel(x, y), kPanel)) << x << "," << y;
        }
    }
    EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor) << "no hand over a disabled button";
    button->setEnabled(true);
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ProgramButton, CutCornersShowTheParent)
{
    // The shape comes from the look drawn when it was rebuilt: here the normal one, as the
    // focus is on an edit box.
    auto *edit = new QLineEdit(panel.get());
    edit->setGeometry(20, 60, 80, 20);
    edit->setFocus();
    showActive();
    ASSERT_FALSE(button->IsHot());
    const QImage shot = panel->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    auto screen = [&](int x, int y) {
        return toRgb(
            shot.pixel(static_cast<int>((20 + x) * dpr), static_cast<int>((20 + y) * dpr)));
    };
    // The holes of the mask: three along the outer row and further pixels next to them.
    const QRegion shape = button->mask();
    ASSERT_FALSE(shape.isEmpty());
    int missing[4] = {0, 0, 0, 0};
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 111; ++x) {
            if (!shape.contains(QPoint(x, y))) {
                ASSERT_TRUE((x < 10 || x > 100) && (y < 10 || y > 14)) << "hole inside " << x;
                ++missing[(y > 12 ? 2 : 0) + (x > 55 ? 1 : 0)];
                EXPECT_EQ(screen(x, y), kPanel) << "the panel shows at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(missing[0], 5);
    EXPECT_EQ(missing[1], 6);
    EXPECT_EQ(missing[2], 6);
    EXPECT_EQ(missing[3], 5);
    // Just inside the corners the button itself is on screen.
    EXPECT_EQ(screen(3, 3), probe(button).RenderCache().pixel(3, 3));
    EXPECT_EQ(screen(15, 12), probe(button).RenderCache().pixel(15, 12));
    EXPECT_FALSE(probe(button).ShapeStale());

    // A new size rebuilds the shape at the next render, from the look drawn then: the focused
    // button is hot, and the hot look has five holes at every corner.
    button->setFocus();
    button->resize(100, 25);
    EXPECT_TRUE(probe(button).ShapeStale());
    probe(button).Render();
    EXPECT_FALSE(probe(button).ShapeStale());
    const QRegion hotShape = button->mask();
    EXPECT_EQ(QRegion(0, 0, 100, 25).subtracted(hotShape).rectCount() > 0, true);
    int holes = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 100; ++x) {
            holes += hotShape.contains(QPoint(x, y)) ? 0 : 1;
        }
    }
    EXPECT_EQ(holes, 20);
    EXPECT_FALSE(hotShape.contains(QPoint(99, 0)));
    EXPECT_TRUE(hotShape.contains(QPoint(99, 12)));
}
