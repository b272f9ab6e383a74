// SPDX-License-Identifier: GPL-3.0-or-later
#include "SmilingFace.h"

#include "FaceParts.h"

#include <QTransform>

#include <algorithm>

using namespace FaceParts;

namespace {

constexpr int kWidth = 190;
constexpr int kHeight = 181;

constexpr Colour kHatBlue{38, 98, 214};
constexpr Colour kHatLight{104, 162, 246};
constexpr Colour kHatDark{22, 52, 146};

// The head's centre and radii.
constexpr double kCx = 95;
constexpr double kCy = 116;
constexpr double kRx = 50;
constexpr double kRy = 54;

// Locks of hair that stick out under the brim on both sides of the head.
void sideHair(Canvas &canvas)
{
    for (int side : {-1, 1}) {
        auto p = [side](double dx, double y) { return QPointF(kCx + side * dx, y); };
        const QPainterPath lock = Polygon({p(36, 66), p(62, 82), p(49, 86), p(63, 98), p(49, 97),
                                           p(55, 110), p(40, 102), p(38, 88), p(30, 72)});
        Outlined(canvas, lock, kHair);
    }
}

// The fringe over the forehead: yellow points hanging from under the brim.
void fringe(Canvas &canvas)
{
    const QPainterPath hair = Polygon({{52, 72},
                                       {56, 92},
                                       {64, 85},
                                       {70, 96},
                                       {78, 86},
                                       {86, 97},
                                       {94, 87},
                                       {102, 96},
                                       {110, 86},
                                       {118, 95},
                                       {125, 85},
                                       {134, 93},
                                       {138, 72}});
    Outlined(canvas, hair, [](double, double y) {
        return Mix(kHairShade, kHair, std::min(1.0, (y - 72) / 16.0));
    });
    // A few strands drawn into the fringe.
    for (double x : {66.0, 82.0, 98.0, 114.0, 128.0}) {
        QPainterPath strand;
        strand.moveTo(x - 1, 80);
        strand.quadTo(x + 1, 86, x + 2, 92);
        canvas.stroke(strand, 1.4, kHairShade);
    }
}

// The hat, slightly tilted: a wide brim, the crown with a dark band, and a tuft on top.
void hat(Canvas &canvas)
{
    QTransform tilt;
    tilt.translate(95, 70);
    tilt.rotate(-6);
    tilt.translate(-95, -70);

    const QPainterPath brim = tilt.map(Ellipse(95, 70, 88, 14));
    Outlined(canvas, brim, [](double x, double y) {
        return Mix(kHatLight, kHatBlue, std::clamp((y - 58) / 20.0 + (x - 95) / 300.0, 0.0, 1.0));
    });

    QPainterPath crown;
    crown.moveTo(52, 70);
    crown.cubicTo(50, 34, 70, 18, 95, 18);
    crown.cubicTo(120, 18, 140, 34, 138, 70);
    crown.quadTo(95, 80, 52, 70);
    crown = tilt.map(crown);

    QPainterPath tuft;
    for (const QPointF &tip : {QPointF(84, 4), QPointF(95, 1), QPointF(106, 5)}) {
        const QPointF base(95, 20);
        const QPointF side = QPointF(tip.y() - base.y(), base.x() - tip.x()) * 0.22;
        const QPointF mid = (base + tip) / 2;
        tuft.moveTo(base);
        tuft.quadTo(mid + side, tip);
        tuft.quadTo(mid - side, base);
        tuft.closeSubpath();
    }
    Outlined(canvas, tilt.map(tuft), kHatDark, 2.2);

    Outlined(canvas, crown, [](double x, double y) {
        // Lit from the upper left.
        const double t = std::clamp((x - 60) / 90.0 * 0.7 + (y - 20) / 60.0 * 0.5, 0.0, 1.0);
        return Mix(kHatLight, kHatBlue, t);
    });
    // A shine on the crown.
    QPainterPath shine;
    shine.moveTo(64, 56);
    shine.cubicTo(62, 40, 72, 28, 86, 25);
    canvas.stroke(tilt.map(shine), 3.0, kWhite, 0.45);

    QPainterPath band;
    band.moveTo(51, 58);
    band.quadTo(95, 68, 139, 58);
    band.lineTo(139, 72);
    band.quadTo(95, 82, 51, 72);
    band.closeSubpath();
    const Coverage bandArea =
        canvas.coverage(tilt.map(band)).intersected(canvas.coverage(crown));
    canvas.fill(bandArea, kHatDark);
    canvas.stroke(crown, kOutlineWidth, kOutline);
}

// The laughing mouth: wide open, upper teeth showing, the tongue at the bottom.
void mouth(Canvas &canvas)
{
    QPainterPath shape;
    shape.moveTo(70, 138);
    shape.quadTo(95, 147, 120, 138);
    shape.cubicTo(118, 166, 72, 166, 70, 138);
    shape.closeSubpath();
    const Coverage inside = canvas.coverage(shape);
    canvas.fill(inside, kMouth);
    canvas.fill(inside.intersected(canvas.coverage(Ellipse(95, 162, 17, 9))),
                kTongue);
    canvas.fill(inside.minus(inside.shifted(0, 6)), kWhite);
    canvas.stroke(shape, kOutlineWidth, kOutline);
    // Dimples at the corners of the mouth.
    for (int side : {-1, 1}) {
        QPainterPath dimple;
        dimple.moveTo(kCx + side * 29, 133);
        dimple.quadTo(kCx + side * 23, 136, kCx + side * 26, 142);
        canvas.stroke(dimple, 2.0, kOutline);
    }
}

} // namespace

IndexedImage DrawSmilingFace(int scale)
{
    Canvas canvas(kWidth, kHeight, kWhite, scale);

    sideHair(canvas);
    Ear(canvas, kCx - kRx + 2, 120, -1);
    Ear(canvas, kCx + kRx - 2, 120, 1);
    Outlined(canvas, Head(kCx, kCy, kRx, kRy), SkinPaint(kCx, kCy, kRx, kRy));

    CheeksAndFreckles(canvas, kCx, 131);
    Eyebrow(canvas, {62, 106}, {73, 98}, {85, 103});
    Eyebrow(canvas, {105, 103}, {117, 98}, {128, 106});
    ClosedEye(canvas, 74, 115, 20, 9);
    ClosedEye(canvas, 116, 115, 20, 9);
    Nose(canvas, kCx, 126);
    mouth(canvas);

    fringe(canvas);
    hat(canvas);
    return Quantise(canvas.toBgr());
}
