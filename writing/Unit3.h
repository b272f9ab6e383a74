#pragma once

#include <QPointer>
#include <QWidget>

class TForm1;

// The window of the writing exercise, "Вариант 1-1": created hidden at start-up, shown by the
// board, hidden (never destroyed) when closed. It starts narrow and widens when all twenty
// words have been revealed.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    // The outer width the window starts with.
    static constexpr int kNarrowWidth = 327;

    // The board (marked when the pupil leaves a passed exercise) and the shared help window. The
    // window set hands them over once all four windows exist.
    void setPeers(TForm1 *board, QWidget *help);

private:
    void FormCreate();

    QPointer<TForm1> m_board;
    QPointer<QWidget> m_help;
};
