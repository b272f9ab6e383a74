// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusMark.h"

#include "DesktopLook.h"

#include <QApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {

// Watches every input event of the application for the kind of the last one. Installed once,
// it lives as long as the application.
class InputKindWatch : public QObject
{
    Q_OBJECT
public:
    bool keyboard = false;

    static InputKindWatch &instance()
    {
        static InputKindWatch *const watch = [] {
            auto *w = new InputKindWatch;
            w->setParent(qApp);
            qApp->installEventFilter(w);
            return w;
        }();
        return *watch;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            keyboard = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            keyboard = false;
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

const QColor FocusMark::kColor = toQColor(clNavy);

QRect FocusMark::frameAround(const QRect &control)
{
    const int out = kWidth + kGap;
    return control.adjusted(-out, -out, out, out);
}

void FocusMark::paint(QPainter &painter, const QRect &control)
{
    const QRect r = frameAround(control);
    // Four bands; the control and the gap around it stay as they are.
    painter.fillRect(QRect(r.left(), r.top(), r.width(), kWidth), kColor);
    painter.fillRect(QRect(r.left(), r.bottom() - kWidth + 1, r.width(), kWidth), kColor);
    painter.fillRect(QRect(r.left(), r.top(), kWidth, r.height()), kColor);
    painter.fillRect(QRect(r.right() - kWidth + 1, r.top(), kWidth, r.height()), kColor);
}

FocusMark::FocusMark(QWidget *parent) : QObject(parent), m_parent(parent)
{
    setObjectName(QStringLiteral("FocusMark"));
    InputKindWatch::instance();
    parent->installEventFilter(this);
}

bool FocusMark::lastInputWasKeyboard()
{
    return InputKindWatch::instance().keyboard;
}

void FocusMark::track(QWidget *control)
{
    if (m_controls.empty()) {
        connect(qApp, &QApplication::focusChanged, this, &FocusMark::onFocusChanged);
    }
    m_controls.emplace_back(control);
    // A control that moves, changes size or goes away takes its mark along.
    control->installEventFilter(this);
}

void FocusMark::mark(QWidget *control)
{
    if (control != m_target) {
        setShown(false);
        setTarget(control);
    }
    setShown(control != nullptr);
}

void FocusMark::setTarget(QWidget *control)
{
    if (m_target && std::none_of(m_controls.begin(), m_controls.end(),
                                 [this](const QPointer<QWidget> &c) { return c == m_target; })) {
        m_target->removeEventFilter(this);
    }
    m_target = control;
    if (control) {
        control->installEventFilter(this);
    }
}

void FocusMark::onFocusChanged(QWidget *old, QWidget *now)
{
    const bool tracked =
        now && std::any_of(m_controls.begin(), m_controls.end(),
                           [now](const QPointer<QWidget> &c) { return c.data() == now; });
    if (!tracked) {
        // Another control of the window: the mark goes. The window lost the keyboard (now is
        // nobody or another window's): the mark hides until it has it back, then shows as it was.
        if (now && now->window() == m_parent->window()) {
            setTarget(nullptr);
            m_keyboardFocus = false;
        }
        setShown(false);
        return;
    }
    // Back in the window after another one had the keyboard: as the pupil left it.
    const bool comingBack = (!old || old->window() != m_parent->window()) && now == m_target;
    if (!comingBack) {
        setShown(false);
        setTarget(now);
        m_keyboardFocus = lastInputWasKeyboard();
    }
    setShown(m_keyboardFocus);
}

QRect FocusMark::frameRect() const
{
    if (!m_shown || !m_target || !m_target->isVisible()) {
        return {};
    }
    return frameAround(m_target->geometry());
}

void FocusMark::setShown(bool shown)
{
    m_shown = shown;
    const QRect now = frameRect();
    if (now != m_painted) {
        m_parent->update(m_painted);
        m_parent->update(now);
    }
}

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parent && event->type() == QEvent::Paint && !m_inPaint) {
        // The parent paints itself first, then the frame goes over it; the controls, painted
        // after their parent, leave it alone, for it lies outside them.
        m_inPaint = true;
        QCoreApplication::sendEvent(m_parent, event);
        m_inPaint = false;
        m_painted = frameRect();
        if (!m_painted.isEmpty()) {
            QPainter painter(m_parent);
            paint(painter, m_target->geometry());
        }
        return true;
    }
    if (watched == m_target.data()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            setShown(m_shown);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

#include "FocusMark.moc"
