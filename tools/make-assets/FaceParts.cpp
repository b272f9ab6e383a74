// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceParts.h"

#include <algorithm>

namespace FaceParts {

void Outlined(Canvas &canvas, const QPainterPath &shape, Colour fill, double width)
{
    canvas.fill(shape, fill);
    canvas.stroke(shape, width, kOutline);
}

void Outlined(Canvas &canvas, const QPainterPath &shape, const Paint &fill, double width)
{
    canvas.fill(shape, fill);
    canvas.stroke(shape, width, kOutline);
}

QPainterPath Head(double cx, double cy, double rx, double ry)
{
    // Four curves: round at the top and the cheeks, narrowing slightly to the chin.
    QPainterPath path;
    path.moveTo(cx, cy - ry);
    path.cubicTo(cx + rx * 0.56, cy - ry, cx + rx, cy - ry * 0.56, cx + rx, cy);
    path.cubicTo(cx + rx, cy + ry * 0.62, cx + rx * 0.5, cy + ry, cx, cy + ry);
    path.cubicTo(cx - rx * 0.5, cy + ry, cx - rx, cy + ry * 0.62, cx - rx, cy);
    path.cubicTo(cx - rx, cy - ry * 0.56, cx - rx * 0.56, cy - ry, cx, cy - ry);
    path.closeSubpath();
    return path;
}

void Ear(Canvas &canvas, double cx, double cy, int side)
{
    Outlined(canvas, Ellipse(cx, cy, 10, 13), kSkin);
    QPainterPath curl;
    curl.moveTo(cx + side * 3, cy - 7);
    curl.quadTo(cx - side * 5, cy - 2, cx + side * 2, cy + 6);
    canvas.stroke(curl, 2.0, kSkinShade);
}

Paint SkinPaint(double cx, double cy, double rx, double ry)
{
    return [=](double x, double y) {
        // 0 at the upper left of the head, 1 at its lower right rim.
        const double u = std::clamp(((x - cx) / rx * 0.5 + (y - cy) / ry * 0.8 + 0.3), 0.0, 1.0);
        return Mix(kSkin, kSkinShade, u * u * 0.8);
    };
}

void CheeksAndFreckles(Canvas &canvas, double cx, double cy)
{
    for (int side : {-1, 1}) {
        const Coverage cheek =
            canvas.coverage(Ellipse(cx + side * 32, cy, 12, 8)).blurred(2);
        canvas.fill(cheek, kBlush, 0.5);
        // Freckles in a loose triangle on each cheek.
        const QPointF freckles[] = {{18, -6}, {25, -2}, {17, 1}, {31, -7}, {23, 5}};
        for (const QPointF &f : freckles) {
            canvas.fill(Ellipse(cx + side * f.x(), cy + f.y(), 1.4, 1.3), kFreckle, 0.9);
        }
    }
}

void Nose(Canvas &canvas, double cx, double cy)
{
    // A button nose a shade darker than the face, outlined only underneath, with a shine.
    canvas.fill(Ellipse(cx + 1.5, cy + 2.5, 7, 4.5), kSkinShade, 0.7);
    canvas.fill(Ellipse(cx, cy, 7, 6), Mix(kSkin, kSkinShade, 0.55));
    QPainterPath outline;
    outline.moveTo(cx - 6.5, cy + 1);
    outline.cubicTo(cx - 6, cy + 7, cx + 5, cy + 7.5, cx + 7, cy + 1.5);
    canvas.stroke(outline, 2.0, kOutline);
    canvas.fill(Ellipse(cx - 2.5, cy - 2, 2.2, 1.6), kWhite, 0.8);
}

void ClosedEye(Canvas &canvas, double cx, double cy, double width, double height)
{
    QPainterPath arc;
    arc.moveTo(cx - width / 2, cy + height / 2);
    arc.cubicTo(cx - width / 3, cy - height / 2, cx + width / 3, cy - height / 2, cx + width / 2,
                cy + height / 2);
    canvas.stroke(arc, 3.4, kOutline);
}

void Eyebrow(Canvas &canvas, QPointF from, QPointF control, QPointF to)
{
    QPainterPath brow;
    brow.moveTo(from);
    brow.quadTo(control, to);
    canvas.stroke(brow, 3.6, kHairShade);
    canvas.stroke(brow, 1.2, kOutline, 0.35);
}

} // namespace FaceParts
