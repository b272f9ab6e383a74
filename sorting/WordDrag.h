#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class OverrideCursor;
class QPoint;

// The drag of a word from the word list onto a picture, done by tracking the mouse rather than
// with the platform's drag and drop: nothing follows the pointer but the cursor, and every step
// can be driven and checked off-screen.
//
// A press of the left button on a shown word starts the drag at once (no movement threshold;
// each press of a double click too) and grabs the mouse. While the word is dragged the override
// cursor is the drag cursor over a picture that takes words and the no-drop cursor everywhere
// else. Releasing the button over such a picture hands the word to the picture's drop handler;
// a release anywhere else, Esc, or the loss of the mouse grab ends the drag with no effect. The
// cursor and the grab are given back in every case.
class WordDrag : public QObject
{
    Q_OBJECT
public:
    // The cursors while dragging: over a picture that takes the word, and everywhere else.
    static constexpr Qt::CursorShape kDragCursor = Qt::DragMoveCursor;
    static constexpr Qt::CursorShape kNoDropCursor = Qt::ForbiddenCursor;

    explicit WordDrag(QObject *parent = nullptr);
    ~WordDrag() override;

    // A left press on `label` starts dragging word `word`.
    void addWord(QWidget *label, int word);
    // A picture that takes every word; a release over it calls `drop` with the dragged word.
    void addTarget(QWidget *picture, std::function<void(int word)> drop);

    bool isDragging() const { return m_word != 0; }

    // Ends a drag in progress with no effect.
    void cancel();

Q_SIGNALS:
    // A drag ended where it began, on its own word: a click on the word. It comes after the
    // drag is over.
    void clicked(int word);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Target
    {
        QPointer<QWidget> picture;
        std::function<void(int)> drop;
    };

    void start(QWidget *label, int word, const QPoint &globalPos);
    bool handleDuringDrag(QObject *watched, QEvent *event);
    void follow(const QPoint &globalPos);
    void release(const QPoint &globalPos);
    void end();
    const Target *targetAt(const QPoint &globalPos) const;

    QHash<QObject *, int> m_words;
    std::vector<Target> m_targets;
    QPointer<QWidget> m_source;
    int m_word = 0;
    std::unique_ptr<OverrideCursor> m_cursor;
};
