// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeasingFace.h"

#include "FaceParts.h"

#include <algorithm>
#include <cmath>

using namespace FaceParts;

namespace {

constexpr int kWidth = 190;
constexpr int kHeight = 195;

constexpr Colour kDiscLight{134, 190, 252};
constexpr Colour kDisc{52, 124, 226};
constexpr Colour kDiscRim{30, 78, 184};

// The head's centre and radii.
constexpr double kCx = 95;
constexpr double kCy = 118;
constexpr double kRx = 50;
constexpr double kRy = 56;

void disc(Canvas &canvas)
{
    constexpr double cx = 95;
    constexpr double cy = 97;
    constexpr double r = 90;
    canvas.fill(Ellipse(cx, cy, r, r), [](double x, double y) {
        // Lighter towards a point above and left of the centre, like a lit ball.
        const double d = std::hypot(x - (cx - 20), y - (cy - 24)) / (r + 30);
        return Mix(kDiscLight, kDisc, std::min(1.0, d * 1.4));
    });
    canvas.stroke(Ellipse(cx, cy, r - 1.5, r - 1.5), 3.0, kDiscRim);
}

// The hair: spikes all round the top of the head, and a jagged fringe over the forehead.
void hair(Canvas &canvas)
{
    const QPainterPath shape = Polygon({
        {46, 116}, {26, 100},  {44, 94},  {22, 74},   {48, 74},  {36, 46},   {62, 58},
        {60, 30},  {80, 50},   {86, 18},  {98, 46},   {112, 20}, {116, 50},  {134, 28},
        {136, 58}, {158, 42},  {152, 72}, {172, 70},  {152, 92}, {168, 100}, {144, 114},
        {140, 98}, {132, 104}, {128, 90}, {118, 101}, {111, 88}, {102, 99},  {94, 87},
        {85, 98},  {77, 87},   {68, 98},  {61, 88},   {54, 102},
    });
    Outlined(canvas, shape, [](double x, double y) {
        // Darker towards the tips and the back, bright over the crown.
        const double d = std::hypot(x - 90, y - 70) / 70.0;
        return Mix(kHair, kHairShade, std::clamp(d - 0.25, 0.0, 1.0));
    });
    // Lines that part the spikes.
    const QPointF strands[][2] = {{{60, 78}, {50, 66}},   {{76, 72}, {68, 52}},
                                  {{94, 68}, {92, 42}},   {{112, 70}, {116, 50}},
                                  {{128, 78}, {138, 62}}, {{140, 88}, {152, 78}}};
    for (const auto &s : strands) {
        QPainterPath strand;
        strand.moveTo(s[0]);
        strand.lineTo(s[1]);
        canvas.stroke(strand, 1.6, kHairShade);
    }
}

// The open eye, looking at the pupil, with a shine.
void openEye(Canvas &canvas, double cx, double cy)
{
    Outlined(canvas, Ellipse(cx, cy, 9.5, 12), kWhite, 2.4);
    canvas.fill(Ellipse(cx + 2.5, cy + 2, 5.5, 6.5), kPupil);
    canvas.fill(Ellipse(cx + 4.5, cy - 1, 2, 2), kWhite);
}

// A cheeky grin with the tongue stuck out over the lower lip.
void mouthAndTongue(Canvas &canvas)
{
    QPainterPath open;
    open.moveTo(72, 142);
    open.quadTo(96, 154, 120, 139);
    open.quadTo(98, 162, 72, 142);
    open.closeSubpath();
    canvas.fill(open, kMouth);

    QPainterPath tongue;
    tongue.moveTo(88, 147);
    tongue.cubicTo(86, 162, 90, 171, 100, 171);
    tongue.cubicTo(110, 171, 114, 162, 111, 145);
    tongue.closeSubpath();
    Outlined(canvas, tongue, [](double, double y) {
        return Mix(kTongue, Colour{196, 24, 40}, std::clamp((y - 150) / 22.0, 0.0, 1.0));
    });
    QPainterPath groove;
    groove.moveTo(99.5, 152);
    groove.quadTo(100, 159, 100.5, 164);
    canvas.stroke(groove, 1.8, Colour{150, 18, 34});
    canvas.fill(Ellipse(94, 156, 2.2, 3.0), kWhite, 0.5);

    // The upper lip goes over the root of the tongue; the lower lip stops at its sides.
    QPainterPath upper;
    upper.moveTo(72, 142);
    upper.quadTo(96, 154, 120, 139);
    canvas.stroke(upper, kOutlineWidth, kOutline);
    QPainterPath lowerLeft;
    lowerLeft.moveTo(72, 142);
    lowerLeft.quadTo(79, 149, 88, 150);
    canvas.stroke(lowerLeft, 2.2, kOutline);
    QPainterPath lowerRight;
    lowerRight.moveTo(111, 148);
    lowerRight.quadTo(117, 145, 120, 139);
    canvas.stroke(lowerRight, 2.2, kOutline);
}

} // namespace

IndexedImage DrawTeasingFace(int scale)
{
    Canvas canvas(kWidth, kHeight, kWhite, scale);
    disc(canvas);

    Ear(canvas, kCx - kRx + 2, 124, -1);
    Ear(canvas, kCx + kRx - 2, 124, 1);
    Outlined(canvas, Head(kCx, kCy, kRx, kRy), SkinPaint(kCx, kCy, kRx, kRy));

    CheeksAndFreckles(canvas, kCx, 136);
    // One eyebrow raised high over the open eye, the other pulled down over the wink.
    Eyebrow(canvas, {63, 106}, {74, 99}, {86, 105});
    Eyebrow(canvas, {104, 113}, {116, 110}, {128, 106});
    openEye(canvas, 75, 121);
    ClosedEye(canvas, 116, 123, 20, 8);
    Nose(canvas, kCx, 132);
    mouthAndTongue(canvas);

    hair(canvas);
    return Quantise(canvas.toBgr());
}
