// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

#include <memory>

class DropPicture;
class OverrideCursor;

// One gapped word of the sorting window's list («лу_ый»), with everything it does itself.
//
// Dragging: a press of the left button on the shown word starts dragging it at once (no
// movement threshold; each press of a double click too). While it is dragged the word holds the
// mouse and the keyboard, the pointer is the drag cursor over a picture of its own window that
// takes words and the no-drop cursor everywhere else, and nothing follows the pointer. Releasing
// the button over such a picture hands the word to that picture; a release anywhere else, Esc,
// the window losing the activation or the mouse going to another control ends the drag with no
// effect. A drag that ends where it began, on the word itself, is a click, which picks the word.
//
// Its look: black on the list's colour, or inverted (the list's colour on navy) while it is
// picked. Assistive technology sees it as text named as it is said, with the action "Pick".
class SortingWordLabel : public QLabel
{
    Q_OBJECT
public:
    // The cursors while dragging: over a picture that takes the word, and everywhere else.
    static constexpr Qt::CursorShape kDragCursor = Qt::DragMoveCursor;
    static constexpr Qt::CursorShape kNoDropCursor = Qt::ForbiddenCursor;

    // Word `number` (1 to 20) of the list, showing `caption`, whose picture is the one with
    // `answerCode` ("n" or "nn"), on a list of colour `listColor`.
    SortingWordLabel(int number, const QString &caption, const QString &answerCode,
                     const QColor &listColor, QWidget *list);
    ~SortingWordLabel() override;

    int number() const { return m_number; }
    // The code of the picture the word belongs on. It is never shown.
    const QString &answerCode() const { return m_answerCode; }

    // Asks for the word to be picked (a click, or a screen reader's action).
    void pick();

    // Shown inverted while picked.
    void setPicked(bool picked);
    bool isPicked() const { return m_picked; }
    // Whether the keyboard is on this word (the list paints the mark; a screen reader reads it
    // as the focus).
    void setKeyboardMark(bool marked) { m_keyboardMark = marked; }
    bool hasKeyboardMark() const { return m_keyboardMark; }

    bool isDragging() const { return m_cursor != nullptr; }
    // Ends a drag in progress with no effect.
    void cancelDrag();

Q_SIGNALS:
    // The word is to be picked.
    void pickRequested(int number);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(QMouseEvent *event);
    void startDrag(const QPoint &globalPos);
    void release(const QPoint &globalPos);
    // A picture of this window that takes words, on top at `globalPos`.
    DropPicture *pictureAt(const QPoint &globalPos) const;

    const int m_number;
    const QString m_answerCode;
    const QColor m_listColor;
    bool m_picked = false;
    bool m_keyboardMark = false;
    // Set while the word is dragged; takes the override cursor off whichever way the drag ends.
    std::unique_ptr<OverrideCursor> m_cursor;
};
