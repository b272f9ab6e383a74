// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsButtonControl.h"

#include "PixelEffects.h"

#include <QDialog>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QResizeEvent>

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
    // They set isDown() themselves before they signal, so the look is refreshed here.
    // Click() emits clicked as well, after running the click itself: this slot, the first to
    // hear that emission, takes it as done. Any other clicked, also one that a handler sets off
    // in the middle of a click, is a click of its own.
    connect(this, &QAbstractButton::pressed, this, [this] { lookChanged(); });
    connect(this, &QAbstractButton::released, this, [this] { lookChanged(); });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_ownClickSignal) {
            m_ownClickSignal = false;
            return;
        }
        clickBody();
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
    if (isDown() || hasFocus()) {
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
    if (!clickBody(false)) {
        return;
    }
    m_ownClickSignal = true;
    Q_EMIT clicked(false);
    if (self) {
        // Still set only where nothing heard the signal (signals blocked).
        m_ownClickSignal = false;
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
    if (isDown() != down) {
        setDown(down);
        lookChanged();
    }
}

void TsButtonControl::lookChanged()
{
    // A paint during a fade copies the fade's target without rendering; that target was drawn
    // for the state the fade started in. Render it again for the state now, so the frames that
    // follow and the end of the fade lead to it.
    if (m_fade.running() && m_fadeTimer->isActive() && cacheFitsDevice()) {
        renderLook();
    }
    update();
}

void TsButtonControl::stopFadeForInput()
{
    if (!fadingOn()) {
        return;
    }
    m_fade.interrupt(m_style.BtnEffects()->Fading()->Iterations());
    m_fadeTimer->stop();
}

void TsButtonControl::mousePressEvent(QMouseEvent *event)
{
    stopFadeForInput();
    if (event->button() == Qt::LeftButton && isEnabled() && !isDown()) {
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
    setDown(false);
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
    if (hasFocus()) {
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
    if (hasFocus()) {
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
    QWidget::focusInEvent(event);
    lookChanged();
}

void TsButtonControl::focusOutEvent(QFocusEvent *event)
{
    setDown(false);
    QWidget::focusOutEvent(event);
    lookChanged();
}

bool TsButtonControl::event(QEvent *event)
{
    // On another screen, or when the screen's scale changes, the look is drawn again at the new
    // device pixel ratio and the shape rebuilt from the border at that ratio. A fade under way
    // mixes images of the old ratio: it ends, and the button shows its look at once.
    const bool ratioMayChange = event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
                                || event->type() == QEvent::DevicePixelRatioChange
#endif
        ;
    if (ratioMayChange) {
        if (m_fade.running()) {
            m_fade.cancel();
            m_fadeTimer->stop();
        }
        m_shapeStale = true;
        update();
    }
    return QAbstractButton::event(event);
}

void TsButtonControl::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        applyCursor();
        if (!isEnabled()) {
            // A disabled button takes no part in pointer tracking and never looks hot.
            m_mouseOver = false;
            setDown(false);
            if (m_fade.running()) {
                m_fade.cancel();
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
