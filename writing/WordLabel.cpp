#include "WordLabel.h"

#include <QMouseEvent>

WordLabel::WordLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void WordLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
    }
    event->accept();
}

void WordLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click arrives as this event alone. It starts no click, so
    // the release that follows ends nothing.
    event->accept();
}

void WordLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        Q_EMIT clicked();
    }
}
