#pragma once

#include <QWidget>

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

private:
    void FormCreate();
};
