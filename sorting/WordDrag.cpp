#include "WordDrag.h"

#include "OverrideCursor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

WordDrag::WordDrag(QObject *parent) : QObject(parent)
{
}

WordDrag::~WordDrag()
{
    // Never leave the application with our cursor, our filter or our grab.
    end();
}

void WordDrag::addWord(QWidget *label, int word)
{
    m_words.insert(label, word);
    label->installEventFilter(this);
}

void WordDrag::addTarget(QWidget *picture, std::function<void(int)> drop)
{
    m_targets.push_back(Target{picture, std::move(drop)});
}

void WordDrag::cancel()
{
    end();
}

bool WordDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (isDragging()) {
        return handleDuringDrag(watched, event);
    }
    // Every press starts a drag, the second press of a double click too, but only on a word
    // that is shown. A hidden word can still be sent a press: while another button is held
    // since a press on it, Qt hands every press to it, in whatever window, even once its own
    // window has been closed.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) {
        return false;
    }
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const auto word = m_words.constFind(watched);
    if (word == m_words.constEnd() || mouse->button() != Qt::LeftButton ||
        !static_cast<QWidget *>(watched)->isVisible()) {
        return false;
    }
    start(static_cast<QWidget *>(watched), *word, mouse->globalPosition().toPoint());
    return true;
}

void WordDrag::start(QWidget *label, int word, const QPoint &globalPos)
{
    m_source = label;
    m_word = word;
    m_cursor = std::make_unique<OverrideCursor>(kNoDropCursor);
    // While the word is dragged, every event of the application passes here first: the mouse
    // for the cursor and the drop, the keyboard for Esc, the windows for a lost grab.
    qApp->installEventFilter(this);
    label->grabMouse();
    follow(globalPos);
}

bool WordDrag::handleDuringDrag(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        if (!watched->isWidgetType()) {
            // The window's own copy, before it picks the widget that gets it.
            return false;
        }
        if (watched != m_source || QWidget::mouseGrabber() != m_source) {
            // The mouse goes to someone else now: the grab is lost.
            end();
            return false;
        }
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint globalPos = mouse->globalPosition().toPoint();
        if (event->type() == QEvent::MouseMove) {
            if (!(mouse->buttons() & Qt::LeftButton)) {
                // The button came up where we did not see it.
                end();
            } else {
                follow(globalPos);
            }
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   mouse->button() == Qt::LeftButton) {
            release(globalPos);
        }
        // Other buttons pressed or released meanwhile do nothing.
        return true;
    }
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            end();
        }
        // A drag is one gesture of the mouse: no key reaches a control until it is over.
        return true;
    case QEvent::KeyRelease:
        return true;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        // The window lost the activation, or the word or its window went away: the grab goes
        // with them.
        if (m_source && (watched == m_source || watched == m_source->window())) {
            end();
        }
        return false;
    case QEvent::ApplicationStateChange:
        if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
            end();
        }
        return false;
    default:
        return false;
    }
}

void WordDrag::follow(const QPoint &globalPos)
{
    m_cursor->setShape(targetAt(globalPos) ? kDragCursor : kNoDropCursor);
}

void WordDrag::release(const QPoint &globalPos)
{
    // The target is looked up again at the release itself: the last move seen may have been
    // somewhere else, as fast moves come merged.
    const Target *target = targetAt(globalPos);
    const std::function<void(int)> drop = target ? target->drop : nullptr;
    const int word = m_word;
    const bool onItself = !target && QApplication::widgetAt(globalPos) == m_source;
    // The drag is over before the drop runs, so the handler sees the application as it is
    // without a drag: its own cursor, no grab.
    end();
    if (drop) {
        drop(word);
    } else if (onItself) {
        Q_EMIT clicked(word);
    }
}

void WordDrag::end()
{
    if (!isDragging()) {
        return;
    }
    if (qApp) {
        qApp->removeEventFilter(this);
    }
    if (m_source && QWidget::mouseGrabber() == m_source) {
        m_source->releaseMouse();
    }
    m_cursor.reset();
    m_source.clear();
    m_word = 0;
}

const WordDrag::Target *WordDrag::targetAt(const QPoint &globalPos) const
{
    // The widget on top at that point on the screen, in whichever window: a picture counts only
    // where it is shown and nothing lies over it.
    const QWidget *under = QApplication::widgetAt(globalPos);
    if (!under) {
        return nullptr;
    }
    for (const Target &target : m_targets) {
        if (target.picture == under && target.picture->isVisible()) {
            return &target;
        }
    }
    return nullptr;
}
