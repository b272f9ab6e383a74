// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned button's look: the render into the off-screen cache at the device resolution of
// the button's screen (background, border and window shape, caption, the parts a subclass adds,
// the disabled mix) and the copy of that cache, or of a fade frame, to the screen.
#include "TsButtonControl.h"

#include "PixelEffects.h"
#include "TsBorderMasks.h"
#include "TsGradient.h"
#include "VectorState.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <climits>
#include <cmath>
#include <vector>

namespace {

// A logical coordinate at a device pixel ratio: the first device pixel of that logical pixel.
int toDevice(int logical, double ratio)
{
    return static_cast<int>(std::floor(logical * ratio + 0.5));
}

// A device-sized image wrapped, not copied, for QPainter: it draws straight into the pixels.
QImage wrap(BgrImage &image, double ratio)
{
    QImage view(image.bits(), image.width(), image.height(), image.stride(),
                QImage::Format_BGR888);
    view.setDevicePixelRatio(ratio);
    return view;
}

} // namespace

double TsButtonControl::renderRatio() const
{
    // The ratio of the screen the button's window is on (before it is shown, the primary
    // screen's); Qt's backing store has this many device pixels per logical one.
    return devicePixelRatioF();
}

bool TsButtonControl::cacheFitsDevice() const
{
    const double r = renderRatio();
    const BgrImage &cache = m_style.RenderCache();
    return cache.width() == qRound(width() * r) && cache.height() == qRound(height() * r);
}

int TsButtonControl::wholeRatio() const
{
    return std::max(1, static_cast<int>(std::lround(renderRatio())));
}

TsRect TsButtonControl::deviceFrame(const TsRect &logical) const
{
    const double r = renderRatio();
    const int shift = isDown() ? wholeRatio() : 0;
    return TsRect{toDevice(logical.left, r) + shift, toDevice(logical.top, r) + shift,
                  toDevice(logical.right + 1, r) - 1 + shift,
                  toDevice(logical.bottom + 1, r) - 1 + shift};
}

void TsButtonControl::Render()
{
    // The cache has the size of the button's pixels on the screen, rounded as Qt rounds its
    // backing store; a new ratio also asks for a new window shape.
    const double r = renderRatio();
    if (r != m_shapeRatio) {
        m_shapeStale = true;
    }
    // Whatever Qt drew last (another button's caption, a paint) may have left the vector
    // registers in a state that slows the pixel work below.
    ClearUpperVectorState();
    m_style.RenderCache().resize(qRound(width() * r), qRound(height() * r));
    renderLook();
    if (!isEnabled()) {
        BgrImage &image = m_style.RenderCache();
        if (m_disabledKind & dkGrayed) {
            GrayImage(image);
        }
        if (m_disabledKind & dkBlended) {
            BlendDisabled(image, ParentColor());
        }
    }
}

void TsButtonControl::renderLook()
{
    BgrImage &image = m_style.RenderCache();
    if (image.isEmpty()) {
        return;
    }
    const bool hot = IsHot();
    drawBackground(image, hot);
    drawBorder(image, hot);
    const TsRect caption = captionRectUp();
    if (m_showCaption) {
        drawCaption(image, caption);
    }
    drawAfterCaption(image, caption);
}

void TsButtonControl::drawBackground(BgrImage &image, bool hot)
{
    // The gradient bands are laid over the device rows, so they keep their shares of the height
    // at every ratio.
    const int w = image.width();
    const int h = image.height();
    if (!hot) {
        const TsBackground *bg = m_style.Background();
        ComposeBackground(image, {0, 0, w, h}, bg->Gradient()->Stops(), bg->Gradient()->Percent(),
                          bg->Image()->Percent(), PaintingColor());
        return;
    }
    const TsHotBackground *bg = m_style.HotStyle()->HotBackground();
    TsRect rect{0, 0, w, h};
    if (isDown()) {
        // The pressed look shifts the gradient right and down. The top rows and left columns
        // it leaves are first given the unshifted gradient, so they never keep pixels of an
        // earlier render; where the gradient paints nothing (no stops, or a direction other
        // than vertical or horizontal) they hold the hot painting colour.
        FillRect(image, rect, HotPaintingColor());
        PaintGradient(image, rect, bg->Gradient()->Stops());
        const int s = wholeRatio();
        rect = TsRect{s, s, w + s, h + s};
    }
    ComposeBackground(image, rect, bg->Gradient()->Stops(), bg->Gradient()->Percent(),
                      bg->Image()->Percent(), HotPaintingColor());
}

void TsButtonControl::drawBorder(BgrImage &image, bool hot)
{
    const TsMaskedBorders *borders = m_style.BtnEffects()->MaskedBorders();
    if (!borders->Enabled()) {
        drawBevelBorder(image, hot);
        return;
    }
    const BorderState state =
        isDown() ? BorderState::Pressed : (hot ? BorderState::Hot : BorderState::Normal);
    const BgrImage &mask = TsBorderMasks::maskFor(*borders, renderRatio());
    if (!m_shapeStale) {
        DrawBorderMask(image, mask, state, borders->TransparentColor());
        return;
    }
    std::vector<HolePixel> holes;
    DrawBorderMask(image, mask, state, borders->TransparentColor(), &holes);
    setShapeFromHoles(holes, image);
}

void TsButtonControl::drawBevelBorder(BgrImage &image, bool hot)
{
    // Without a mask the border is a plain bevel, lowered while pressed, its rings as wide in
    // logical pixels at every ratio.
    const TsHotPainting *hotPainting = m_style.HotStyle()->HotPainting();
    const TsControlBevel bevel = hot ? hotPainting->Bevel() : m_style.Painting()->Bevel();
    const int bevelWidth = hot ? hotPainting->BevelWidth() : m_bevelWidth;
    DrawBevel(image, isDown() ? TsControlBevel::cbLoweredSoft : bevel,
              bevelWidth * wholeRatio());
    if (!m_shapeStale) {
        return;
    }
    m_shapeStale = false;
    m_shapeSize = size();
    m_shapeRatio = renderRatio();
    if (!m_style.SoftControl() || width() <= 2 || height() <= 2) {
        clearMask();
        return;
    }
    QRegion shape(rect());
    for (const QPoint &p : {QPoint(0, 0), QPoint(width() - 1, 0), QPoint(0, height() - 1),
                            QPoint(width() - 1, height() - 1)}) {
        shape -= QRegion(p.x(), p.y(), 1, 1);
    }
    setMask(shape);
}

void TsButtonControl::setShapeFromHoles(const std::vector<HolePixel> &deviceHoles,
                                        const BgrImage &image)
{
    // The holes are device pixels; the shape is given in logical ones.
    const double r = renderRatio();
    m_shapeStale = false;
    m_shapeSize = size();
    m_shapeRatio = r;
    const std::vector<HolePixel> holes =
        LogicalHoles(deviceHoles, image.width(), image.height(), r);
    if (holes.empty()) {
        clearMask();
        return;
    }
    // The holes come in row order: each run of them along a row is one rectangle, and the
    // runs together are a region in the banded order QRegion keeps, cut out at once.
    std::vector<QRect> runs;
    for (const HolePixel &hole : holes) {
        QRect *last = runs.empty() ? nullptr : &runs.back();
        if (last && last->top() == hole.y && last->right() + 1 == hole.x) {
            last->setRight(hole.x);
        } else {
            runs.emplace_back(hole.x, hole.y, 1, 1);
        }
    }
    QRegion cut;
    cut.setRects(runs.data(), static_cast<int>(runs.size()));
    setMask(QRegion(0, 0, width(), height()).subtracted(cut));
}

QSize TsButtonControl::captionSize() const
{
    // Text layout is the costly part of a render; it only changes with the caption, the font,
    // the width and the margin, so the measured size is kept for those.
    const int w = width();
    CaptionLayout &c = m_captionLayout;
    if (c.valid && c.text == text() && c.font == font() && c.width == w && c.margin == m_margin) {
        return c.size;
    }
    const QFontMetrics fm(font());
    const QString caption = text();
    QSize size;
    if (!caption.isEmpty()) {
        constexpr int kHuge = INT_MAX / 4;
        const int oneLine = fm.boundingRect(QRect(0, 0, kHuge, kHuge),
                                            Qt::TextSingleLine | Qt::TextExpandTabs, caption)
                                .width();
        const int box = std::max(std::min(oneLine, w - 2 * m_margin), 0);
        size = fm.boundingRect(QRect(0, 0, box, kHuge), Qt::TextWordWrap | Qt::TextExpandTabs,
                               caption)
                   .size();
    }
    c = CaptionLayout{true, caption, font(), w, m_margin, size, fm.height()};
    return size;
}

TsRect TsButtonControl::captionRectUp() const
{
    const int w = width();
    const int h = height();
    const QSize text = captionSize();
    // Centred, with the odd widening of one pixel on the left and two on the right.
    const int o = (w - text.width()) / 2;
    const int t = (h - text.height()) / 2;
    return TsRect{o - 1, t, w - o + 2, h - t};
}

TsRect TsButtonControl::CaptionRect() const
{
    TsRect r = captionRectUp();
    if (isDown()) {
        r.left += 1;
        r.right += 1;
        r.top += 1;
        r.bottom += 1;
    }
    return r;
}

void TsButtonControl::drawCaption(BgrImage &image, const TsRect &caption)
{
    if (text().isEmpty()) {
        return;
    }
    // The caption is laid out in logical pixels and drawn at the device resolution: scaled by
    // the ratio, then moved by whole device pixels when pressed. The move is added after the
    // scale, so it stays exact at a fractional ratio.
    const double r = renderRatio();
    QImage view = wrap(image, 1.0);
    QPainter painter(&view);
    const int shift = isDown() ? wholeRatio() : 0;
    painter.setTransform(QTransform(r, 0, 0, r, shift, shift));
    painter.setFont(font());
    painter.setPen(m_fontColor);
    const QRect box(caption.left, caption.top, caption.right - caption.left,
                    caption.bottom - caption.top);
    // A caption of several lines has its lines centred; a single line starts at the left of
    // its (already centred) rectangle.
    captionSize();
    const bool severalLines = box.height() > m_captionLayout.lineHeight + 6;
    const int align = severalLines ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(box, align | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs, text());
    painter.end();
    ClearUpperVectorState();
}

void TsButtonControl::drawAfterCaption(BgrImage &, const TsRect &) {}

void TsButtonControl::paintEvent(QPaintEvent *)
{
    const BgrImage *source = &m_style.RenderCache();
    if (m_frameReady) {
        // A fade tick asked for this frame.
        source = &m_frame;
        m_frameReady = false;
    } else if (!m_fadeTimer->isActive()) {
        Render();
    }
    // While a fade runs, a paint shows the target look without rendering; the next tick draws
    // over it.
    m_lastShown = source;
    if (source->isEmpty()) {
        return;
    }
    // Handed over with its device pixel ratio, the image lands pixel for pixel on the screen.
    // The image is only read; it is wrapped writable so that setting its ratio does not copy it.
    const QImage view = wrap(const_cast<BgrImage &>(*source), renderRatio());
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), view);
}
