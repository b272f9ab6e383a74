// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsButton.h"

#include "PixelEffects.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

// Enter and Escape that the focused control leaves unconsumed travel up to its window; there
// they are offered to every TsButton of that window, the way dialog keys reach the default and
// cancel buttons. Each window with buttons has one, made by its first button.
class DialogKeyFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    static void watch(QWidget *window)
    {
        if (!window->findChild<DialogKeyFilter *>(QString(), Qt::FindDirectChildrenOnly)) {
            window->installEventFilter(new DialogKeyFilter(window));
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        auto *window = qobject_cast<QWidget *>(watched);
        if (!window || watched != parent() || !window->isWindow()) {
            return false;
        }
        auto *key = static_cast<QKeyEvent *>(event);
        const int code = key->key();
        if (code != Qt::Key_Return && code != Qt::Key_Enter && code != Qt::Key_Escape) {
            return false;
        }
        const auto buttons = window->findChildren<TsButton *>();
        for (TsButton *button : buttons) {
            if (button->window() == window &&
                button->offerDialogKey(code, key->modifiers(), key->isAutoRepeat())) {
                return true;
            }
        }
        return false;
    }
};

} // namespace

TsButton::TsButton(QWidget *parent) : TsButtonControl(parent)
{
    m_keyClickTimer.setSingleShot(true);
    m_keyClickTimer.setInterval(0);
    connect(&m_keyClickTimer, &QTimer::timeout, this, &TsButton::keyClickDue);
    DialogKeyFilter::watch(window());
    if (qApp) {
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget *, QWidget *now) { focusMoved(now); });
    }
}

TsButton::~TsButton()
{
    // A focused button loses the focus in ~QWidget, which reports the change to the whole
    // application; by then this object is only a QWidget, so it must not hear of it. The
    // connection itself would only go in ~QObject.
    if (qApp) {
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    }
}

void TsButton::setDefault(bool on)
{
    m_default = on;
    // Whether it acts as the default depends on where the window's focus is now: not while
    // another TsButton holds it.
    m_actsAsDefault = actsAsDefaultWith(window()->focusWidget());
    update();
}

bool TsButton::actsAsDefaultWith(const QWidget *focused) const
{
    if (focused == this) {
        return true;
    }
    if (qobject_cast<const TsButton *>(focused)) {
        return false;
    }
    return m_default;
}

void TsButton::focusMoved(QWidget *now)
{
    if (!now || now->window() != window()) {
        return;
    }
    // The focus in the button's window: a button moved into another window since it was made
    // is watched there from now on.
    DialogKeyFilter::watch(window());
    const bool acts = actsAsDefaultWith(now);
    if (acts != m_actsAsDefault) {
        m_actsAsDefault = acts;
        update();
    }
}

bool TsButton::IsHot() const
{
    // A disabled button is never hot, not even a default one that acts as the default: the
    // disabled rule is checked before the default rule.
    if (isBeingDestroyed() || !isEnabled()) {
        return false;
    }
    if (m_default && m_actsAsDefault) {
        return true;
    }
    return TsButtonControl::IsHot();
}

bool TsButton::canTakeFocus() const
{
    return isEnabled() && isVisible() && window()->isVisible();
}

void TsButton::keyClick()
{
    // The click itself waits for the timer, so the pressed look reaches the screen first
    // without running the event loop inside a key handler. Each key stroke is one click: two
    // strokes before the timer fires make two clicks.
    ++m_keyClicksDue;
    setDownState(true);
    if (!m_keyClickTimer.isActive()) {
        m_keyClickTimer.start();
    }
}

void TsButton::dropKeyClicks()
{
    // A button hidden or disabled after the key does not click, even when it is back by the
    // time the click would run.
    if (m_keyClicksDue > 0) {
        m_keyClicksDue = 0;
        m_keyClickTimer.stop();
        setDownState(false);
    }
}

void TsButton::keyClickDue()
{
    --m_keyClicksDue;
    QPointer<TsButton> self(this);
    Click();
    if (!self) {
        return; // OnClick destroyed the button
    }
    if (m_keyClicksDue > 0) {
        m_keyClickTimer.start(); // still pressed for the next one
        return;
    }
    // Up again, unless Space has gone down once more meanwhile.
    setDownState(m_spaceHeld);
}

bool TsButton::offerDialogKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (!canTakeFocus()) {
        return false;
    }
    // Enter and Escape alike only without Shift, Ctrl or Alt.
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!m_actsAsDefault) {
            return false;
        }
    } else if (key != Qt::Key_Escape || !m_cancel) {
        return false;
    }
    // A held key repeats faster than clicks may take: a repeat while a click is still due is
    // taken (nothing else gets it) but adds no click.
    if (!autoRepeat || m_keyClicksDue == 0) {
        keyClick();
    }
    return true;
}

void TsButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space) {
        if (!event->isAutoRepeat()) {
            m_spaceHeld = true;
            setDownState(true);
        }
        event->accept();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) &&
        offerDialogKey(key, event->modifiers(), event->isAutoRepeat())) {
        event->accept();
        return;
    }
    // Everything else (Escape on a button that is not Cancel included) goes on to the window.
    event->ignore();
}

void TsButton::keyReleaseEvent(QKeyEvent *event)
{
    // Held keys repeat as release and press pairs on some desktops; only the real release
    // counts. A button that lost its pressed look since the press (the focus left and came
    // back, or it was disabled) does not click.
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !m_spaceHeld) {
        event->ignore();
        return;
    }
    event->accept();
    m_spaceHeld = false;
    if (isDown()) {
        keyClick();
    }
}

void TsButton::focusOutEvent(QFocusEvent *event)
{
    // Space released elsewhere is no click here.
    m_spaceHeld = false;
    TsButtonControl::focusOutEvent(event);
}

void TsButton::hideEvent(QHideEvent *event)
{
    dropKeyClicks();
    TsButtonControl::hideEvent(event);
}

void TsButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        dropKeyClicks();
    }
    TsButtonControl::changeEvent(event);
}

void TsButton::drawAfterCaption(BgrImage &image, const TsRect &caption)
{
    if (!hasFocus() || !ShowFocus()) {
        return;
    }
    const int m = FocusMargin();
    DrawFocusDots(image,
                  deviceFrame(TsRect{caption.left - m, caption.top - m, caption.right + m,
                                     caption.bottom + m}),
                  renderRatio());
}

#include "TsButton.moc"
