// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

Colour Mix(const Colour &a, const Colour &b, double t)
{
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Coverage::Coverage(int width, int height, int scale)
    : m_width(width), m_height(height), m_scale(scale),
      m_values(static_cast<std::size_t>(width) * height, 0.0)
{
}

Coverage Coverage::Of(const QPainterPath &shape, int logicalWidth, int logicalHeight, int scale)
{
    const int width = logicalWidth * scale;
    const int height = logicalHeight * scale;
    // Opaque white on transparent: the alpha channel of the result is the coverage. Only the
    // rasteriser's antialiasing is used, never its colour blending.
    QImage mask(width, height, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path = scale == 1 ? shape : QTransform::fromScale(scale, scale).map(shape);
        path.setFillRule(Qt::WindingFill);
        painter.fillPath(path, Qt::white);
    }
    Coverage coverage(width, height, scale);
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            coverage.set(x, y, qAlpha(line[x]) / 255.0);
        }
    }
    return coverage;
}

Coverage Coverage::OfStroke(const QPainterPath &path, double lineWidth, int width, int height,
                            int scale)
{
    QPainterPathStroker stroker;
    stroker.setWidth(lineWidth);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return Of(stroker.createStroke(path), width, height, scale);
}

double Coverage::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return 0;
    }
    return m_values[static_cast<std::size_t>(y) * m_width + x];
}

void Coverage::set(int x, int y, double value)
{
    m_values[static_cast<std::size_t>(y) * m_width + x] = value;
}

Coverage Coverage::shifted(int dx, int dy) const
{
    return shiftedPixels(dx * m_scale, dy * m_scale);
}

Coverage Coverage::shiftedPixels(int dx, int dy) const
{
    Coverage out(m_width, m_height, m_scale);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            out.set(x, y, at(x - dx, y - dy));
        }
    }
    return out;
}

Coverage Coverage::blurred(int radius) const
{
    return blurredPixels(radius * m_scale);
}

Coverage Coverage::blurredPixels(int radius) const
{
    const double n = 2 * radius + 1;
    Coverage across(m_width, m_height, m_scale);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            double sum = 0;
            for (int i = -radius; i <= radius; ++i) {
                sum += at(x + i, y);
            }
            across.set(x, y, sum / n);
        }
    }
    Coverage out(m_width, m_height, m_scale);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            double sum = 0;
            for (int i = -radius; i <= radius; ++i) {
                sum += across.at(x, y + i);
            }
            out.set(x, y, sum / n);
        }
    }
    return out;
}

Coverage Coverage::eroded() const
{
    // One 1× pixel is `scale` of this coverage's pixels: shrink by one of them that many times.
    Coverage out = *this;
    for (int i = 0; i < m_scale; ++i) {
        out = out.intersected(out.shiftedPixels(1, 0))
                  .intersected(out.shiftedPixels(-1, 0))
                  .intersected(out.shiftedPixels(0, 1))
                  .intersected(out.shiftedPixels(0, -1));
    }
    return out;
}

Coverage Coverage::minus(const Coverage &other) const
{
    Coverage out(m_width, m_height, m_scale);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            out.set(x, y, at(x, y) * (1 - other.at(x, y)));
        }
    }
    return out;
}

Coverage Coverage::intersected(const Coverage &other) const
{
    Coverage out(m_width, m_height, m_scale);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            out.set(x, y, at(x, y) * other.at(x, y));
        }
    }
    return out;
}

Canvas::Canvas(int width, int height, int scale)
    : m_width(width * scale), m_height(height * scale), m_scale(scale),
      m_pixels(static_cast<std::size_t>(m_width) * m_height * 4, 0.0)
{
}

Canvas::Canvas(int width, int height, Colour ground, int scale) : Canvas(width, height, scale)
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            setPixel(x, y, ground);
        }
    }
}

Coverage Canvas::coverage(const QPainterPath &shape) const
{
    return Coverage::Of(shape, width(), height(), m_scale);
}

Colour Canvas::colour(int x, int y) const
{
    const double *p = &m_pixels[(static_cast<std::size_t>(y) * m_width + x) * 4];
    return Colour{p[0], p[1], p[2]};
}

double Canvas::opacity(int x, int y) const
{
    return m_pixels[(static_cast<std::size_t>(y) * m_width + x) * 4 + 3];
}

void Canvas::setPixel(int x, int y, Colour c)
{
    double *p = &m_pixels[(static_cast<std::size_t>(y) * m_width + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = 1;
}

void Canvas::blend(int x, int y, Colour c, double alpha)
{
    if (alpha <= 0 || x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    alpha = std::min(alpha, 1.0);
    double *p = &m_pixels[(static_cast<std::size_t>(y) * m_width + x) * 4];
    const double keep = 1 - alpha;
    p[0] = c.r * alpha + p[0] * keep;
    p[1] = c.g * alpha + p[1] * keep;
    p[2] = c.b * alpha + p[2] * keep;
    p[3] = alpha + p[3] * keep;
}

void Canvas::fill(const Coverage &coverage, Colour c, double alpha)
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            blend(x, y, c, coverage.at(x, y) * alpha);
        }
    }
}

void Canvas::fill(const Coverage &coverage, const Paint &paint, double alpha)
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const double a = coverage.at(x, y) * alpha;
            if (a > 0) {
                blend(x, y, paint((x + 0.5) / m_scale, (y + 0.5) / m_scale), a);
            }
        }
    }
}

void Canvas::fill(const QPainterPath &shape, Colour c, double alpha)
{
    fill(coverage(shape), c, alpha);
}

void Canvas::fill(const QPainterPath &shape, const Paint &paint, double alpha)
{
    fill(coverage(shape), paint, alpha);
}

void Canvas::stroke(const QPainterPath &path, double width, Colour c, double alpha)
{
    fill(Coverage::OfStroke(path, width, this->width(), height(), m_scale), c, alpha);
}

void Canvas::fillRect(int x, int y, int w, int h, Colour c)
{
    x *= m_scale;
    y *= m_scale;
    w *= m_scale;
    h *= m_scale;
    for (int py = std::max(y, 0); py < std::min(y + h, m_height); ++py) {
        for (int px = std::max(x, 0); px < std::min(x + w, m_width); ++px) {
            setPixel(px, py, c);
        }
    }
}

namespace {

std::uint8_t channel(double value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

BgrImage Canvas::toBgr() const
{
    BgrImage image(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (opacity(x, y) < 1 - 1e-9) {
                throw std::logic_error("a 24-bit picture must be opaque everywhere");
            }
            const Colour c = colour(x, y);
            image.setPixel(x, y, Rgb{channel(c.r), channel(c.g), channel(c.b)});
        }
    }
    return image;
}

QImage Canvas::toQImage() const
{
    QImage image(m_width, m_height, QImage::Format_ARGB32);
    for (int y = 0; y < m_height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < m_width; ++x) {
            const double a = opacity(x, y);
            const Colour c = colour(x, y);
            // Stored colours are not premultiplied: divide the opacity out again.
            const double k = a > 0 ? 1 / a : 0;
            line[x] = qRgba(channel(c.r * k), channel(c.g * k), channel(c.b * k), channel(a * 255));
        }
    }
    return image;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}
