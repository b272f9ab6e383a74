// SPDX-License-Identifier: GPL-3.0-or-later
#include "WritingEditBox.h"

#include <QFocusEvent>

#include <limits>

WritingEditBox::WritingEditBox(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    // A pupil's word is never cut short, however long it gets.
    setMaxLength(std::numeric_limits<int>::max());
    // What assistive technology says of the box besides its name: its keys.
    setAccessibleDescription(QStringLiteral(
        "Напиши слово полностью. Shift+Tab — назад к слову, Tab — к следующему слову."));
}

void WritingEditBox::takeFocusSelectingAll()
{
    // The focus that arrives now selects all (focusInEvent); a box that has the window's focus
    // already, or gets it only when the window is next activated, is selected here.
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void WritingEditBox::takeFocusKeepingText()
{
    m_keepCaret = true;
    setFocus(Qt::OtherFocusReason);
    m_keepCaret = false;
    // A selection kept from before (the window was left with it) would be replaced as well.
    deselect();
}

void WritingEditBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (m_keepCaret) {
        return;
    }
    switch (event->reason()) {
    case Qt::MouseFocusReason:        // the press itself places the caret
    case Qt::ActiveWindowFocusReason: // back in the window: as the pupil left it
    case Qt::PopupFocusReason:        // back from the context menu: as it was
        break;
    default:
        selectAll();
        break;
    }
}
