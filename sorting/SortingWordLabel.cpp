// SPDX-License-Identifier: GPL-3.0-or-later
#include "SortingWordLabel.h"

#include "DesktopLook.h"
#include "DropPicture.h"
#include "FocusMark.h"
#include "FormFrame.h"
#include "OverrideCursor.h"
#include "SortingAccessible.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int kWordHeight = 16;
} // namespace

SortingWordLabel::SortingWordLabel(int number, const QString &caption, const QString &answerCode,
                                   const QColor &listColor, QWidget *list)
    : QLabel(list), m_number(number), m_answerCode(answerCode), m_listColor(listColor)
{
    // Known to assistive technology by its own interface from its first moment: before its name
    // and text are set.
    sorting_accessible::registerClasses();
    setUpLabel(this, QStringLiteral("Label%1").arg(number + 2), caption, 0, 0, verdanaBold(13),
               Qt::black, listColor);
    resize(QFontMetrics(font()).horizontalAdvance(caption), kWordHeight);
    setCursor(Qt::PointingHandCursor);
}

// Never leaves the application with the word's cursor, grab or filter.
SortingWordLabel::~SortingWordLabel()
{
    cancelDrag();
}

void SortingWordLabel::pick()
{
    Q_EMIT pickRequested(m_number);
}

void SortingWordLabel::setPicked(bool picked)
{
    if (picked == m_picked) {
        return;
    }
    m_picked = picked;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, picked ? m_listColor : QColor(Qt::black));
    pal.setColor(QPalette::Window, picked ? FocusMark::kColor : m_listColor);
    setPalette(pal);
}

void SortingWordLabel::mousePressEvent(QMouseEvent *event)
{
    press(event);
}

void SortingWordLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click starts a drag as every press does.
    press(event);
}

void SortingWordLabel::press(QMouseEvent *event)
{
    if (isDragging()) {
        // Other buttons pressed during the drag do nothing.
        event->accept();
        return;
    }
    // A hidden word can still be sent a press: while another button is held since a press on
    // it, Qt hands every press to it, even once its window has been closed.
    if (event->button() != Qt::LeftButton || !isVisible()) {
        event->ignore();
        return;
    }
    event->accept();
    startDrag(event->globalPosition().toPoint());
}

void SortingWordLabel::startDrag(const QPoint &globalPos)
{
    m_cursor = std::make_unique<OverrideCursor>(kNoDropCursor);
    // The word holds the pointer and the keys until the drag is over, in whichever window they
    // arrive. Another control may still take the mouse (a popup, a grab of its own): the
    // application's mouse events are watched for the time of the drag to see that happen, as
    // the toolkit's own drag does.
    qApp->installEventFilter(this);
    grabMouse();
    grabKeyboard();
    // Moves without the button come here too: the button may have come up where the word did
    // not see it.
    setMouseTracking(true);
    m_cursor->setShape(pictureAt(globalPos) ? kDragCursor : kNoDropCursor);
}

void SortingWordLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (!isDragging()) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    event->accept();
    if (!(event->buttons() & Qt::LeftButton)) {
        // The button came up where the word did not see it.
        cancelDrag();
        return;
    }
    m_cursor->setShape(pictureAt(event->globalPosition().toPoint()) ? kDragCursor : kNoDropCursor);
}

void SortingWordLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isDragging()) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton) {
        release(event->globalPosition().toPoint());
    }
}

void SortingWordLabel::release(const QPoint &globalPos)
{
    // The picture is looked up again at the release itself: the last move seen may have been
    // somewhere else, as fast moves come merged.
    DropPicture *const picture = pictureAt(globalPos);
    const bool onItself = !picture && QApplication::widgetAt(globalPos) == this;
    // The drag is over before the drop runs, so what the drop does meets the application as it
    // is without a drag: its own cursor, no grab.
    cancelDrag();
    if (picture) {
        picture->takeWord(m_number);
    } else if (onItself) {
        pick();
    }
}

bool SortingWordLabel::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        // The window lost the activation (another window, another program): the grab goes with
        // it. The window hands its deactivation on to every shown control.
        cancelDrag();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        if (isDragging()) {
            // A drag is one gesture of the mouse: no key reaches a control until it is over,
            // Tab and Shift+Tab neither (here, before the widget would move the focus with
            // them). Esc goes on to the window, which lets go of whatever the pupil holds.
            const auto *key = static_cast<QKeyEvent *>(event);
            if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Escape) {
                event->ignore();
                return false;
            }
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void SortingWordLabel::hideEvent(QHideEvent *event)
{
    // The word or its window went away.
    cancelDrag();
    QLabel::hideEvent(event);
}

bool SortingWordLabel::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ApplicationStateChange:
        // Another program took the desktop: where no window manager moved the activation
        // between the program's windows, this is all that tells of it.
        if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
            cancelDrag();
        }
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        // A window's own copy comes first, before it picks the widget that gets it; a widget
        // other than the word getting the mouse means the grab is lost.
        if (isDragging() && watched->isWidgetType() && watched != this) {
            cancelDrag();
        }
        return false;
    default:
        return false;
    }
}

void SortingWordLabel::cancelDrag()
{
    if (!isDragging()) {
        return;
    }
    if (qApp) {
        qApp->removeEventFilter(this);
    }
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
    if (QWidget::keyboardGrabber() == this) {
        releaseKeyboard();
    }
    setMouseTracking(false);
    m_cursor.reset();
}

DropPicture *SortingWordLabel::pictureAt(const QPoint &globalPos) const
{
    // The widget on top at that point of the screen: a picture counts only where it is shown,
    // nothing lies over it, and it is one of this window's.
    auto *picture = qobject_cast<DropPicture *>(QApplication::widgetAt(globalPos));
    return picture && picture->window() == window() && picture->takesWords() ? picture : nullptr;
}
