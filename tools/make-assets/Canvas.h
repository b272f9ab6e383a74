// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

#include <QImage>
#include <QPainterPath>

#include <functional>
#include <vector>

// A colour with channels from 0 to 255, kept in doubles so that layers blend without rounding
// until the picture is stored.
struct Colour
{
    double r = 0;
    double g = 0;
    double b = 0;
};

// The colour a fraction t (0 to 1) of the way from a to b.
Colour Mix(const Colour &a, const Colour &b, double t);

// A colour that depends on the place, for gradients: (x, y) is the pixel's centre.
using Paint = std::function<Colour(double x, double y)>;

// How much of each pixel a shape covers, from 0 to 1. The edges are antialiased by QPainter; the
// colours are blended by our own code, so the result depends on nothing but the shape.
//
// A coverage has a scale: shapes, sizes and distances are given in the picture's own (1×)
// pixels, and a coverage of scale 2 holds twice as many pixels each way, for the picture drawn
// for screens of twice the density. `at` and `set` address those finer pixels.
class Coverage
{
public:
    Coverage(int width, int height, int scale = 1);

    // The shape rasterised with antialiasing; overlapping parts of the path count once. Width
    // and height are the picture's 1× size.
    static Coverage Of(const QPainterPath &shape, int width, int height, int scale = 1);
    // A line of the given width along the path, with round joins and caps.
    static Coverage OfStroke(const QPainterPath &path, double lineWidth, int width, int height,
                             int scale = 1);

    // The size in pixels of the coverage (the 1× size times the scale).
    int width() const { return m_width; }
    int height() const { return m_height; }
    int scale() const { return m_scale; }
    double at(int x, int y) const;
    void set(int x, int y, double value);

    // Moved by whole 1× pixels; what moves in from outside is 0.
    Coverage shifted(int dx, int dy) const;
    // Softened by a box average over (2 * radius + 1) 1× pixels each way, for soft shadows (at
    // scale 2 over 4 * radius + 1 of its own pixels).
    Coverage blurred(int radius) const;
    // Shrunk by one 1× pixel all round: what remains where the four neighbours are covered too.
    Coverage eroded() const;
    // The parts of this shape that `other` does not cover.
    Coverage minus(const Coverage &other) const;
    // The parts that both cover.
    Coverage intersected(const Coverage &other) const;

private:
    Coverage shiftedPixels(int dx, int dy) const;
    Coverage blurredPixels(int radius) const;

    int m_width;
    int m_height;
    int m_scale;
    std::vector<double> m_values;
};

// The picture being drawn: premultiplied colour and opacity per pixel, in doubles. Starts fully
// transparent or filled with one ground colour.
//
// A canvas of scale 2 draws the same picture for screens of twice the density: every shape,
// place and size is still given in the picture's 1× pixels (width() and height() are the 1×
// size) and is rasterised over twice as many pixels each way, so the edges and curves get the
// finer detail. Paints are asked for the colour at 1× coordinates. The pixel-level calls
// (colour, opacity, setPixel, blend) and the finished picture address the finer pixels.
class Canvas
{
public:
    Canvas(int width, int height, int scale = 1);
    Canvas(int width, int height, Colour ground, int scale = 1);

    // The 1× size.
    int width() const { return m_width / m_scale; }
    int height() const { return m_height / m_scale; }
    int scale() const { return m_scale; }
    // The size in pixels (the 1× size times the scale).
    int pixelWidth() const { return m_width; }
    int pixelHeight() const { return m_height; }

    // The shape rasterised at this canvas's size and scale.
    Coverage coverage(const QPainterPath &shape) const;

    // The colour of a pixel as it stands (over black where it is not opaque) and its opacity.
    Colour colour(int x, int y) const;
    double opacity(int x, int y) const;
    // Replaces one pixel with an opaque colour.
    void setPixel(int x, int y, Colour c);
    // Lays a colour over one pixel with the given opacity (0 to 1).
    void blend(int x, int y, Colour c, double alpha);

    // Lays a colour (or a paint) over the covered pixels; `alpha` scales the coverage, which
    // must have the canvas's scale.
    void fill(const Coverage &coverage, Colour c, double alpha = 1);
    void fill(const Coverage &coverage, const Paint &paint, double alpha = 1);
    void fill(const QPainterPath &shape, Colour c, double alpha = 1);
    void fill(const QPainterPath &shape, const Paint &paint, double alpha = 1);
    // A line of the given width along the path.
    void stroke(const QPainterPath &path, double width, Colour c, double alpha = 1);
    // Fills a rectangle of whole 1× pixels.
    void fillRect(int x, int y, int w, int h, Colour c);

    // The picture rounded to 8 bits per channel; it must be opaque.
    BgrImage toBgr() const;
    // The picture rounded to 8 bits per channel, with its opacity (QImage::Format_ARGB32).
    QImage toQImage() const;

private:
    int m_width;
    int m_height;
    int m_scale;
    // Premultiplied red, green, blue and opacity of each pixel.
    std::vector<double> m_pixels;
};

// A closed polygon through the given points.
QPainterPath Polygon(std::initializer_list<QPointF> points);
// An ellipse given by its centre and radii.
QPainterPath Ellipse(double cx, double cy, double rx, double ry);
