// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TeacherVariants.h"

#include <QObject>

#include <array>
#include <memory>

class QWidget;
class BoardWindow;
class SortingWindow;
class WritingWindow;
class HelpWindow;

// The window set: the board, the sorting exercise, the writing exercise and the help window,
// created once, in that order, hidden, and destroyed together at the end. A close request on the
// board ends the program; a close request on any other window only hides it.
//
// A teacher's word lists, when there are any, make the board's other slots live: list k gives
// «Вариант k» a sorting and «Вариант k-1» a writing window of its own, each made the first time
// its button is pressed and kept from then on like the others. A fault in the teacher's file is
// shown once over the board.
class WindowSet : public QObject
{
    Q_OBJECT
public:
    // Creates the board; `teacher` holds the teacher's word lists found at start-up, if any.
    explicit WindowSet(TeacherVariants teacher = {});
    ~WindowSet() override;

    // Shows the board, centred on the screen. The first time, once the board's first frame is
    // on the screen, it creates the other three windows, hidden; no mouse or keyboard input is
    // handled before they exist.
    void start();

    // The four windows, each from the moment it is made until the window set goes (the last
    // three are null until start() has made them).
    BoardWindow *board() const { return m_board.get(); }
    SortingWindow *sorting() const { return m_sorting.get(); }
    WritingWindow *writing() const { return m_writing.get(); }
    HelpWindow *help() const { return m_help.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void name(QWidget *window);
    void createHiddenWindows();
    void offerTeacherVariants();
    void reportTeacherProblems();
    QWidget *teacherSortingWindow(const TeacherVariant &variant);
    QWidget *teacherWritingWindow(const TeacherVariant &variant);
    // An exercise window shows the shared help window and reports its pass to the board.
    template <class ExerciseWindow> void joinExercise(ExerciseWindow *window);
    // The window of a teacher's variant in `windows`, made (for the board's `slot`, named
    // `name` with the list's number) the first time it is asked for.
    template <class ExerciseWindow>
    QWidget *teacherWindow(std::array<std::unique_ptr<ExerciseWindow>, 3> &windows,
                           const TeacherVariant &variant, int slot, const char *name);

    int m_count = 0;
    std::unique_ptr<BoardWindow> m_board;
    std::unique_ptr<SortingWindow> m_sorting;
    std::unique_ptr<WritingWindow> m_writing;
    std::unique_ptr<HelpWindow> m_help;
    TeacherVariants m_teacher;
    // The teacher's variants' windows, by list number 2 to 4 (index number - 2), once made.
    std::array<std::unique_ptr<SortingWindow>, 3> m_teacherSorting;
    std::array<std::unique_ptr<WritingWindow>, 3> m_teacherWriting;
};
