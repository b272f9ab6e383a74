// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropPicture.h"

#include "FocusMark.h"
#include "SortingAccessible.h"

#include <QMouseEvent>

DropPicture::DropPicture(const QString &answerCode, QWidget *parent)
    : QLabel(parent), m_answerCode(answerCode)
{
    // Known to assistive technology by its own interface before its name is set.
    sorting_accessible::registerClasses();
    // The frame is drawn on the panel the picture stands on, just outside the picture.
    m_chosenMark = new FocusMark(parent);
}

void DropPicture::takeWord(int word)
{
    if (takesWords()) {
        Q_EMIT wordDropped(word);
    }
}

void DropPicture::requestDrop()
{
    if (takesWords()) {
        Q_EMIT dropRequested();
    }
}

void DropPicture::setChosen(bool chosen, bool keyboardHere)
{
    m_keyboardHere = keyboardHere;
    if (chosen == m_chosen) {
        return;
    }
    m_chosen = chosen;
    m_chosenMark->mark(chosen ? this : nullptr);
}

void DropPicture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void DropPicture::mouseReleaseEvent(QMouseEvent *event)
{
    // A click: the left button pressed and released on the picture.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
    }
    event->accept();
    if (click) {
        requestDrop();
    }
}
