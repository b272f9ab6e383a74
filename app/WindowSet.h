#pragma once

#include <QObject>

#include <memory>

class QWidget;
class TForm1;
class TForm2;
class TForm3;
class TForm4;

// The program-wide references to the four windows, valid from the moment each is created until
// the program ends.
extern TForm1 *Form1;
extern TForm2 *Form2;
extern TForm3 *Form3;
extern TForm4 *Form4;

// The window set: the board, the sorting exercise, the writing exercise and the help window,
// created once, in that order, hidden, and destroyed together at the end. A close request on the
// board ends the program; a close request on any other window only hides it.
class WindowSet : public QObject
{
    Q_OBJECT
public:
    // Creates the board.
    WindowSet();
    ~WindowSet() override;

    // Shows the board, centred on the screen. The first time, once the board's first frame is
    // on the screen, it creates the other three windows, hidden; no mouse or keyboard input is
    // handled before they exist.
    void start();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void name(QWidget *window);
    void createHiddenWindows();

    int m_count = 0;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
};
