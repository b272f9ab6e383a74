#include "TsButtonControl.h"

#include "PixelEffects.h"
#include "TsBorderMasks.h"
#include "TsBorderMask.h"
#include "TsGradient.h"

#include <QDialog>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QRegion>

#include <climits>
#include <vector>

TFadeTimer::TFadeTimer(TsButtonControl *button) : m_button(button)
{
    connect(this, &QTimer::timeout, this, [this] { m_button->FadeStep(); });
}

TsButtonControl::TsButtonControl(QWidget *parent)
    : QAbstractButton(parent), m_style([this](TsStyleChange change) { styleChanged(change); }),
      m_fadeTimer(std::make_unique<TFadeTimer>(this))
{
    m_style.setSkinSection("TsButton");
    m_lastShown = &m_style.RenderCache();
    // The button paints every pixel itself: no background erase, no system background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    resize(75, 25);
    // QAbstractButton's own ways of clicking (click(), animateClick(), a mnemonic shortcut, the
    // accessibility "Press" action) press, release and click through its signals; they end in
    // the same click as the mouse and the keys, and animateClick shows the pressed look while
    // it holds the button down. Connected first, so these run before anyone else's slots.
    connect(this, &QAbstractButton::pressed, this, [this] { setDownState(true); });
    connect(this, &QAbstractButton::released, this, [this] { setDownState(false); });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_clicking) {
            clickBody();
        }
    });
}

TsButtonControl::~TsButtonControl()
{
    // The fade timer goes first, so no tick can reach a half-destroyed button; then the
    // fade images; the style tree and the rest follow with the members.
    m_destroying = true;
    m_fadeTimer->stop();
    m_fadeTimer.reset();
    m_fadeFrom = BgrImage();
    m_frame = BgrImage();
}

void TsButtonControl::setCaption(const QString &caption)
{
    setText(caption);
    setAccessibleName(caption);
    update();
}

void TsButtonControl::setFontColor(const QColor &color)
{
    if (m_fontColor != color) {
        m_fontColor = color;
        update();
    }
}

void TsButtonControl::setShowCaption(bool on)
{
    m_showCaption = on;
    update();
}

void TsButtonControl::setShowFocus(bool on)
{
    m_showFocus = on;
    update();
}

void TsButtonControl::setFocusMargin(int pixels)
{
    m_focusMargin = pixels;
    update();
}

void TsButtonControl::setMargin(int pixels)
{
    m_margin = pixels;
    update();
}

void TsButtonControl::setBevelWidth(int pixels)
{
    m_bevelWidth = pixels;
    update();
}

void TsButtonControl::setDisabledKind(unsigned kinds)
{
    m_disabledKind = kinds;
    update();
}

void TsButtonControl::setTabStop(bool on)
{
    m_tabStop = on;
    // A button out of the tab order still takes the focus when it is pressed.
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void TsButtonControl::setCursorShape(Qt::CursorShape shape)
{
    m_cursor = shape;
    applyCursor();
}

void TsButtonControl::applyCursor()
{
    if (isEnabled()) {
        setCursor(m_cursor);
    } else {
        unsetCursor();
    }
}

void TsButtonControl::styleChanged(TsStyleChange change)
{
    if (change == TsStyleChange::Shape) {
        m_shapeStale = true;
    }
    update();
}

bool TsButtonControl::IsHot() const
{
    if (m_destroying || !isEnabled()) {
        return false;
    }
    if (m_down || m_hasFocus || hasFocus()) {
        return true;
    }
    return m_mouseOver;
}

bool TsButtonControl::fadingOn() const
{
    const TsFading *f = m_style.BtnEffects()->Fading();
    return FadeActive(f->Enabled(), f->Iterations());
}

Rgb TsButtonControl::ParentColor() const
{
    const QWidget *parent = parentWidget();
    const QColor c = parent ? parent->palette().color(parent->backgroundRole())
                            : palette().color(QPalette::Window);
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

Rgb TsButtonControl::PaintingColor() const
{
    const TsPainting *painting = m_style.Painting();
    return painting->ParentColor() ? ParentColor() : ResolveColor(painting->Color());
}

Rgb TsButtonControl::HotPaintingColor() const
{
    return ResolveColor(m_style.HotStyle()->HotPainting()->Color());
}

void TsButtonControl::Click()
{
    QPointer<TsButtonControl> self(this);
    m_clicking = true;
    const bool alive = clickBody(false);
    if (alive && self) {
        Q_EMIT clicked(false);
    }
    if (self) {
        m_clicking = false;
        closeModalDialog();
    }
}

bool TsButtonControl::clickBody(bool closeDialog)
{
    QPointer<TsButtonControl> self(this);
    if (QWidget *win = window()) {
        win->setProperty("ModalResult", m_modalResult);
    }
    if (m_onClick) {
        m_onClick();
    }
    if (!self) {
        return false;
    }
    if (closeDialog) {
        closeModalDialog();
    }
    return true;
}

void TsButtonControl::closeModalDialog()
{
    // A modal result ends a modal dialog, once the click's handlers have run; any other
    // window only keeps the result.
    auto *dialog = qobject_cast<QDialog *>(window());
    if (dialog && dialog->isModal() && dialog->isVisible() && m_modalResult != 0) {
        dialog->done(m_modalResult);
    }
}

void TsButtonControl::Render()
{
    m_style.RenderCache().resize(width(), height());
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
    const TsRect caption = CaptionRect();
    if (m_showCaption) {
        drawCaption(image, caption);
    }
    drawAfterCaption(image, caption);
}

void TsButtonControl::drawBackground(BgrImage &image, bool hot)
{
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
    if (m_down) {
        // The pressed look shifts the gradient one pixel right and down. The top row and left
        // column it leaves are first given the unshifted gradient, so they never keep pixels
        // of an earlier render; where the gradient paints nothing (no stops, or a direction
        // other than vertical or horizontal) they hold the hot painting colour.
        FillRect(image, rect, HotPaintingColor());
        PaintGradient(image, rect, bg->Gradient()->Stops());
        rect = TsRect{1, 1, w + 1, h + 1};
    }
    ComposeBackground(image, rect, bg->Gradient()->Stops(), bg->Gradient()->Percent(),
                      bg->Image()->Percent(), HotPaintingColor());
}

void TsButtonControl::drawBorder(BgrImage &image, bool hot)
{
    const TsMaskedBorders *borders = m_style.BtnEffects()->MaskedBorders();
    if (!borders->Enabled()) {
        // Without a mask the border is a plain bevel, lowered while pressed.
        const TsControlBevel bevel =
            hot ? m_style.HotStyle()->HotPainting()->Bevel() : m_style.Painting()->Bevel();
        const int bevelWidth = hot ? m_style.HotStyle()->HotPainting()->BevelWidth() : m_bevelWidth;
        DrawBevel(image, m_down ? TsControlBevel::cbLoweredSoft : bevel, bevelWidth);
        if (m_shapeStale) {
            m_shapeStale = false;
            m_shapeSize = size();
            if (m_style.SoftControl() && width() > 2 && height() > 2) {
                QRegion shape(rect());
                for (const QPoint &p : {QPoint(0, 0), QPoint(width() - 1, 0),
                                        QPoint(0, height() - 1),
                                        QPoint(width() - 1, height() - 1)}) {
                    shape -= QRegion(p.x(), p.y(), 1, 1);
                }
                setMask(shape);
            } else {
                clearMask();
            }
        }
        return;
    }
    const BorderState state =
        m_down ? BorderState::Pressed : (hot ? BorderState::Hot : BorderState::Normal);
    const BgrImage &mask = TsBorderMasks::maskFor(*borders);
    if (!m_shapeStale) {
        DrawBorderMask(image, mask, state, borders->TransparentColor());
        return;
    }
    std::vector<HolePixel> holes;
    DrawBorderMask(image, mask, state, borders->TransparentColor(), &holes);
    m_shapeStale = false;
    m_shapeSize = size();
    if (holes.empty()) {
        clearMask();
        return;
    }
    QRegion shape(0, 0, image.width(), image.height());
    for (const HolePixel &hole : holes) {
        shape -= QRegion(hole.x, hole.y, 1, 1);
    }
    setMask(shape);
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

TsRect TsButtonControl::CaptionRect() const
{
    const int w = width();
    const int h = height();
    const QSize text = captionSize();
    // Centred, with the odd widening of one pixel on the left and two on the right.
    const int o = (w - text.width()) / 2;
    const int t = (h - text.height()) / 2;
    TsRect r{o - 1, t, w - o + 2, h - t};
    if (m_down) {
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
    // The render cache is wrapped, not copied: Qt draws the text straight into its pixels.
    QImage view(image.bits(), image.width(), image.height(), image.stride(),
                QImage::Format_BGR888);
    QPainter painter(&view);
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
    const QImage view(source->bits(), source->width(), source->height(), source->stride(),
                      QImage::Format_BGR888);
    QPainter painter(this);
    painter.drawImage(0, 0, view);
}

void TsButtonControl::resizeEvent(QResizeEvent *event)
{
    if (event->size() != m_shapeSize) {
        m_shapeStale = true;
    }
    QAbstractButton::resizeEvent(event);
    update();
}

void TsButtonControl::setDownState(bool down)
{
    if (m_down != down) {
        m_down = down;
        lookChanged();
    }
}

void TsButtonControl::lookChanged()
{
    // A paint during a fade copies the fade's target without rendering; that target was drawn
    // for the state the fade started in. Render it again for the state now, so the frames that
    // follow and the end of the fade lead to it.
    if (m_fadeMode != TsFadeMode::None && m_fadeTimer->isActive() &&
        m_style.RenderCache().width() == width() && m_style.RenderCache().height() == height()) {
        renderLook();
    }
    update();
}

void TsButtonControl::stopFadeForInput()
{
    if (!fadingOn()) {
        return;
    }
    m_fadeMode = TsFadeMode::None;
    m_fadeTimer->stop();
    m_fadePosition = m_style.BtnEffects()->Fading()->Iterations() - 1;
}

void TsButtonControl::mousePressEvent(QMouseEvent *event)
{
    stopFadeForInput();
    if (event->button() == Qt::LeftButton && isEnabled() && !m_down) {
        setDownState(true);
    }
    // Any press, whatever the mouse button, takes the keyboard focus.
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void TsButtonControl::mouseReleaseEvent(QMouseEvent *event)
{
    stopFadeForInput();
    event->accept();
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        return;
    }
    QPointer<TsButtonControl> self(this);
    const bool inside = rect().contains(event->position().toPoint());
    m_down = false;
    if (inside) {
        Click();
    }
    if (self) {
        update();
    }
}

void TsButtonControl::mouseMoveEvent(QMouseEvent *event)
{
    // The button stays down while the mouse button is held, inside or outside.
    event->accept();
}

void TsButtonControl::enterEvent(QEnterEvent *)
{
    if (!isEnabled()) {
        return;
    }
    m_mouseOver = true;
    if (m_onMouseEnter) {
        m_onMouseEnter();
    }
    if (m_hasFocus) {
        return; // a focused button is hot already and stays so
    }
    if (fadingOn()) {
        StartFadeIn();
    } else {
        update();
    }
}

void TsButtonControl::leaveEvent(QEvent *)
{
    if (!isEnabled()) {
        return;
    }
    m_mouseOver = false;
    if (m_onMouseLeave) {
        m_onMouseLeave();
    }
    if (m_hasFocus) {
        return;
    }
    if (fadingOn()) {
        StartFadeOut();
    } else {
        update();
    }
}

void TsButtonControl::focusInEvent(QFocusEvent *event)
{
    m_hasFocus = true;
    QWidget::focusInEvent(event);
    lookChanged();
}

void TsButtonControl::focusOutEvent(QFocusEvent *event)
{
    m_hasFocus = false;
    m_down = false;
    QWidget::focusOutEvent(event);
    lookChanged();
}

void TsButtonControl::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        applyCursor();
        if (!isEnabled()) {
            // A disabled button takes no part in pointer tracking and never looks hot.
            m_mouseOver = false;
            m_down = false;
            if (m_fadeMode != TsFadeMode::None) {
                m_fadeMode = TsFadeMode::None;
                m_fadeTimer->stop();
            }
        }
        update();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
        update();
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(event);
}
