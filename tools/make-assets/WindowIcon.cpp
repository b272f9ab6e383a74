// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowIcon.h"

#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr Colour kOutline{52, 56, 68};
constexpr Colour kCase{206, 208, 214};
constexpr Colour kCaseLight{236, 238, 242};
constexpr Colour kCaseShade{160, 164, 174};
constexpr Colour kScreenTop{96, 164, 248};
constexpr Colour kScreenBottom{24, 72, 196};
constexpr Colour kRed{232, 24, 24};
constexpr Colour kSlot{96, 100, 110};
constexpr Colour kLed{40, 210, 60};

// A rectangle of whole pixels: x, y, width, height.
struct Box
{
    int x;
    int y;
    int w;
    int h;
};

// Where everything lies at one size, in pixels.
struct Layout
{
    Box monitor;   // the outline of the monitor's casing
    Box screen;    // the blue screen inside it
    Box neck;      // the foot's stem
    Box foot;      // the foot
    Box unit;      // the outline of the system unit
    Box drives[2]; // its drive slots
    Box led;       // its power light
    // The check mark: a line through three points, antialiased, or where there is too little
    // room for that, whole pixels.
    QPointF check[3];
    double checkWidth;
    std::vector<QPoint> checkPixels;
};

const Layout kSmall = {
    {0, 2, 11, 9},
    {2, 4, 7, 5},
    {4, 11, 3, 1},
    {2, 12, 7, 2},
    {12, 1, 4, 14},
    {{13, 3, 2, 1}, {13, 5, 2, 1}},
    {13, 12, 1, 1},
    {},
    0,
    // Two pixels thick: down from the left to the bottom row, then up to the top right corner.
    // clang-format off
    {{2, 6}, {3, 6}, {3, 7}, {4, 7}, {4, 8}, {5, 7}, {5, 8}, {6, 6}, {6, 7}, {7, 5}, {7, 6},
     {8, 4}, {8, 5}},
    // clang-format on
};

const Layout kLarge = {
    {0, 3, 23, 19},
    {2, 5, 19, 14},
    {9, 22, 5, 3},
    {5, 25, 13, 3},
    {24, 4, 8, 26},
    {{26, 8, 4, 1}, {26, 11, 4, 1}},
    {27, 25, 2, 2},
    {{5.5, 11.0}, {9.5, 15.0}, {17.5, 7.0}},
    3.2,
    {},
};

// A box with a one-pixel outline whose corner pixels are only faintly drawn (a rounded look), a
// fill, and a lighter top-left and darker bottom-right edge inside the outline where there is
// room for them.
void casing(Canvas &canvas, const Box &b)
{
    const int right = b.x + b.w - 1;
    const int bottom = b.y + b.h - 1;
    canvas.fillRect(b.x + 1, b.y, b.w - 2, b.h, kOutline);
    canvas.fillRect(b.x, b.y + 1, 1, b.h - 2, kOutline);
    canvas.fillRect(right, b.y + 1, 1, b.h - 2, kOutline);
    for (const QPoint &corner :
         {QPoint(b.x, b.y), QPoint(right, b.y), QPoint(b.x, bottom), QPoint(right, bottom)}) {
        canvas.blend(corner.x(), corner.y(), kOutline, 0.4);
    }
    canvas.fillRect(b.x + 1, b.y + 1, b.w - 2, b.h - 2, kCase);
    if (b.w > 4 && b.h > 4) {
        canvas.fillRect(b.x + 1, b.y + 1, b.w - 2, 1, kCaseLight);
        canvas.fillRect(b.x + 1, b.y + 1, 1, b.h - 2, kCaseLight);
        canvas.fillRect(b.x + 1, bottom - 1, b.w - 2, 1, kCaseShade);
        canvas.fillRect(right - 1, b.y + 1, 1, b.h - 2, kCaseShade);
    }
}

// The icon at 16 or 32 pixels, every edge on its own pixel grid.
QImage drawOnPixelGrid(int size)
{
    const Layout &l = size == 16 ? kSmall : kLarge;
    Canvas canvas(size, size);

    casing(canvas, l.unit);
    for (const Box &drive : l.drives) {
        canvas.fillRect(drive.x, drive.y, drive.w, drive.h, kSlot);
    }
    canvas.fillRect(l.led.x, l.led.y, l.led.w, l.led.h, kLed);

    canvas.fillRect(l.neck.x, l.neck.y, l.neck.w, l.neck.h, kCaseShade);
    casing(canvas, l.foot);
    casing(canvas, l.monitor);
    const Box &s = l.screen;
    for (int y = s.y; y < s.y + s.h; ++y) {
        const Colour c = Mix(kScreenTop, kScreenBottom, (y - s.y) / double(s.h - 1));
        canvas.fillRect(s.x, y, s.w, 1, c);
    }

    if (!l.checkPixels.empty()) {
        for (const QPoint &p : l.checkPixels) {
            canvas.setPixel(p.x(), p.y(), kRed);
        }
    } else {
        QPainterPath check;
        check.moveTo(l.check[0]);
        check.lineTo(l.check[1]);
        check.lineTo(l.check[2]);
        const Coverage mark = Coverage::OfStroke(check, l.checkWidth, size, size);
        canvas.fill(mark.shifted(1, 1), kScreenBottom, 0.6); // a shadow on the screen
        canvas.fill(mark, kRed);
    }
    return canvas.toQImage();
}

// The larger sizes, which the desktop shows in its menus and launchers, scale the 32-pixel layout
// up. Every box edge still falls on a whole pixel, so the straight edges stay sharp; what the
// 32-pixel grid could only hint at is drawn out: rounded corners, bevels as wide as the outline,
// a smooth screen gradient.

// A box of the 32-pixel layout, scaled, its place and its size each rounded to whole pixels (so
// that boxes of one size, such as the two drive slots, stay alike at 48 pixels).
QRectF scaledBox(const Box &b, double scale)
{
    return QRectF(std::round(b.x * scale), std::round(b.y * scale), std::round(b.w * scale),
                  std::round(b.h * scale));
}

QPainterPath roundedBox(const QRectF &r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The casing of `casing` above at a larger size: a rounded outline `line` pixels wide, and inside
// it a light band along the top and left and a dark one along the bottom and right, as wide as the
// outline, following the corners.
void roundedCasing(Canvas &canvas, const QRectF &box, double radius, int line)
{
    canvas.fill(roundedBox(box, radius), kOutline);
    const QRectF inner = box.adjusted(line, line, -line, -line);
    const Coverage face = Coverage::Of(roundedBox(inner, std::max(radius - line, 0.0)),
                                       canvas.width(), canvas.height());
    canvas.fill(face, kCaseShade);
    const Coverage lit = face.intersected(face.shifted(-line, -line)); // all but the dark band
    canvas.fill(lit, kCaseLight);
    canvas.fill(lit.intersected(face.shifted(line, line)), kCase);
}

QImage drawScaled(int size)
{
    const Layout &l = kLarge;
    const double scale = size / 32.0;
    const int line = static_cast<int>(scale); // the outline: 1 pixel at 32, widening with the size
    const double radius = 1.5 * scale;
    Canvas canvas(size, size);

    roundedCasing(canvas, scaledBox(l.unit, scale), radius, line);
    for (const Box &drive : l.drives) {
        const QRectF slot = scaledBox(drive, scale);
        canvas.fill(roundedBox(slot, slot.height() / 4), kSlot);
    }
    const QRectF led = scaledBox(l.led, scale);
    canvas.fill(roundedBox(led, led.height() / 4), kLed);

    QPainterPath neck;
    neck.addRect(scaledBox(l.neck, scale));
    canvas.fill(neck, kCaseShade);
    roundedCasing(canvas, scaledBox(l.foot, scale), radius, line);
    roundedCasing(canvas, scaledBox(l.monitor, scale), radius, line);
    const QRectF s = scaledBox(l.screen, scale);
    QPainterPath screen;
    screen.addRect(s);
    canvas.fill(screen, [s](double, double y) {
        // From the centre of the first row to the centre of the last, as at 32 pixels.
        const double t = (y - 0.5 - s.top()) / (s.height() - 1);
        return Mix(kScreenTop, kScreenBottom, std::clamp(t, 0.0, 1.0));
    });

    QPainterPath check;
    check.moveTo(l.check[0] * scale);
    check.lineTo(l.check[1] * scale);
    check.lineTo(l.check[2] * scale);
    const Coverage mark = Coverage::OfStroke(check, l.checkWidth * scale, size, size);
    const int drop = static_cast<int>(std::lround(scale));
    canvas.fill(mark.shifted(drop, drop), kScreenBottom, 0.6);
    canvas.fill(mark, kRed);
    return canvas.toQImage();
}

} // namespace

QImage DrawWindowIcon(int size)
{
    switch (size) {
    case 16:
    case 32:
        return drawOnPixelGrid(size);
    case 48:
    case 64:
    case 128:
    case 256:
        return drawScaled(size);
    default:
        throw std::invalid_argument("the window icon is drawn at 16, 32, 48, 64, 128 and 256 "
                                    "pixels, not " +
                                    std::to_string(size));
    }
}
