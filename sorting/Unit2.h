#pragma once

#include <QWidget>

// The window of the sorting exercise, "Вариант 1": created hidden at start-up, shown by the
// board, hidden (never destroyed) when closed.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

private:
    void FormCreate();
};
