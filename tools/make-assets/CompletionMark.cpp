// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompletionMark.h"

#include "Canvas.h"

#include <cmath>

namespace {

constexpr int kSize = 35;
constexpr Colour kGround{255, 255, 225};
constexpr Colour kShadow{120, 120, 120};
constexpr Colour kLightRed{255, 92, 80};
constexpr Colour kRed{222, 16, 16};
constexpr Colour kDarkRed{150, 0, 8};
constexpr Colour kEdge{110, 0, 0};
constexpr Colour kWhite{255, 255, 255};

// The centre line of the mark: the short arm from its end down to the bend, the long arm from
// the bend up to its tip; and the stroke's width at each of the three points.
const QPointF kShortEnd(5.5, 16.5);
const QPointF kBend(13.5, 26.0);
const QPointF kTip(29.5, 6.0);
constexpr double kShortWidth = 7.0;
constexpr double kBendWidth = 8.0;
constexpr double kTipWidth = 5.0;

QPointF normal(const QPointF &from, const QPointF &to)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    return QPointF(-d.y() / length, d.x() / length);
}

// Where the line through a along da meets the line through b along db.
QPointF intersection(const QPointF &a, const QPointF &da, const QPointF &b, const QPointF &db)
{
    const double cross = da.x() * db.y() - da.y() * db.x();
    const QPointF ab = b - a;
    const double t = (ab.x() * db.y() - ab.y() * db.x()) / cross;
    return a + da * t;
}

// The mark as one outline: each arm is a band whose edges run straight from end to end, cut
// square at its free end, narrowing from the bend towards the tip; the edges of the two arms
// meet in a sharp inner corner and a sharp point at the bottom.
QPainterPath checkMark()
{
    // Both normals point to the lower side of their arm.
    const QPointF n1 = normal(kShortEnd, kBend);
    const QPointF n2 = normal(kBend, kTip);
    const QPointF shortUpper0 = kShortEnd - n1 * (kShortWidth / 2);
    const QPointF shortUpper1 = kBend - n1 * (kBendWidth / 2);
    const QPointF shortLower0 = kShortEnd + n1 * (kShortWidth / 2);
    const QPointF shortLower1 = kBend + n1 * (kBendWidth / 2);
    const QPointF longUpper0 = kBend - n2 * (kBendWidth / 2);
    const QPointF longUpper1 = kTip - n2 * (kTipWidth / 2);
    const QPointF longLower0 = kBend + n2 * (kBendWidth / 2);
    const QPointF longLower1 = kTip + n2 * (kTipWidth / 2);
    const QPointF inner =
        intersection(shortUpper0, shortUpper1 - shortUpper0, longUpper0, longUpper1 - longUpper0);
    const QPointF point =
        intersection(shortLower0, shortLower1 - shortLower0, longLower0, longLower1 - longLower0);
    return Polygon({shortUpper0, inner, longUpper1, longLower1, point, shortLower0});
}

} // namespace

BgrImage DrawCompletionMark(int scale)
{
    Canvas canvas(kSize, kSize, kGround, scale);
    const Coverage mark = canvas.coverage(checkMark());
    const Coverage inner = mark.eroded();

    // A soft shadow, cast down and to the right.
    canvas.fill(mark.shifted(2, 2).blurred(1), kShadow, 0.55);

    // The body: light red at the top through red to dark red at the bottom of the mark.
    canvas.fill(mark, [](double, double y) {
        const double t = (y - 3) / 27.0;
        return t < 0.5 ? Mix(kLightRed, kRed, t / 0.5) : Mix(kRed, kDarkRed, (t - 0.5) / 0.5);
    });
    // A darker rim, so the mark stands out from the pale ground.
    canvas.fill(mark.minus(inner), kEdge, 0.45);
    // The gloss: a bright band along the upper side of both arms, inside the rim.
    canvas.fill(inner.minus(inner.shifted(0, 2)), kWhite, 0.6);
    return canvas.toBgr();
}
