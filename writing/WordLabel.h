#pragma once

#include <QLabel>

// A word of the word list that the pupil clicks: a label with the hand pointer that reports a
// click of the left button, a press and a release both inside it. The second press of a double
// click is a double click, not another click, as with the desktop's own controls.
class WordLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WordLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
