// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Canvas.h"

// The parts the two cartoon faces share: one boy, drawn with dark outlines and flat colours
// with a little shading, on white.
namespace FaceParts {

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kOutline{62, 36, 26};
constexpr Colour kSkin{255, 218, 180};
constexpr Colour kSkinShade{240, 180, 142};
constexpr Colour kBlush{255, 140, 130};
constexpr Colour kFreckle{192, 112, 64};
constexpr Colour kHair{255, 212, 38};
constexpr Colour kHairShade{226, 160, 16};
constexpr Colour kPupil{34, 30, 52};
constexpr Colour kMouth{118, 22, 34};
constexpr Colour kTongue{226, 52, 62};

constexpr double kOutlineWidth = 2.6;

// Fills a shape and draws its outline.
void Outlined(Canvas &canvas, const QPainterPath &shape, Colour fill, double width = kOutlineWidth);
void Outlined(Canvas &canvas, const QPainterPath &shape, const Paint &fill,
              double width = kOutlineWidth);

// The head: an oval a little narrower at the chin, centred on (cx, cy).
QPainterPath Head(double cx, double cy, double rx, double ry);

// An ear on the left (side -1) or right (side 1) of a head, with the curl inside.
void Ear(Canvas &canvas, double cx, double cy, int side);

// Skin shaded a little darker towards the lower right of the head.
Paint SkinPaint(double cx, double cy, double rx, double ry);

// Pink cheeks and a few freckles across them, mirrored about x = cx.
void CheeksAndFreckles(Canvas &canvas, double cx, double cy);

// A small round nose with its shadow, centred on (cx, cy).
void Nose(Canvas &canvas, double cx, double cy);

// A closed eye, an arc that bends upwards (a laugh or a wink), centred on (cx, cy).
void ClosedEye(Canvas &canvas, double cx, double cy, double width, double height);

// An eyebrow: a thick curved stroke from `from` to `to`, bending towards `control`.
void Eyebrow(Canvas &canvas, QPointF from, QPointF control, QPointF to);

} // namespace FaceParts
