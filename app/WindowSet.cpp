// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSet.h"

#include "BoardWindow.h"
#include "HelpWindow.h"
#include "SortingWindow.h"
#include "WindowRules.h"
#include "WritingWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace {

constexpr int kFirstFrameWaitMs = 1000;

// Keeps the mouse away from the controls of a closed window. Qt hands every mouse event to the
// control a button went down on until all buttons are up again, even after that control's
// window was closed: a word clicked, a menu opened or text pasted in a window nobody can see.
class ClosedWindowMouseFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::ContextMenu:
        case QEvent::Wheel:
            return watched->isWidgetType() && !static_cast<QWidget *>(watched)->isVisible();
        default:
            return false;
        }
    }
};

} // namespace

WindowSet::WindowSet(TeacherVariants teacher) : m_teacher(std::move(teacher))
{
    m_board = std::make_unique<BoardWindow>();
    name(m_board.get());
    m_board->installEventFilter(this);
    qApp->installEventFilter(new ClosedWindowMouseFilter(this));
}

// The members go in the reverse of their order: the teacher's windows before their words, the
// help window they were handed and the board they report to.
WindowSet::~WindowSet() = default;

void WindowSet::name(QWidget *window)
{
    // Form1 to Form4 in the order of creation: tests and accessibility tools find a window by it.
    window->setObjectName(QStringLiteral("Form%1").arg(++m_count));
}

void WindowSet::start()
{
    showWindow(m_board.get());
    if (m_sorting) {
        return;
    }
    // The board's first frame goes to the screen before the three hidden windows are made, so
    // the pupil sees the program sooner. Mouse and keyboard input waits meanwhile: nothing the
    // pupil does reaches a window before all four exist. A window system that never shows the
    // board (or shows it late) delays the rest at most a second; the running timer also wakes
    // the wait below when nothing else comes.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    giveUp.start(kFirstFrameWaitMs);
    const QWindow *board = m_board->windowHandle();
    while (board && !board->isExposed() && m_board->isVisible() && giveUp.isActive()) {
        // An exposed board has painted its first frame: Qt paints and flushes a widget window
        // while it handles the expose.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
    createHiddenWindows();
    offerTeacherVariants();
    reportTeacherProblems();
    if (!m_board->isVisible()) {
        // The board was closed while it waited, before the event loop ran: end the program as
        // soon as it does.
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
}

void WindowSet::createHiddenWindows()
{
    m_sorting = std::make_unique<SortingWindow>();
    name(m_sorting.get());
    m_writing = std::make_unique<WritingWindow>();
    name(m_writing.get());
    m_help = std::make_unique<HelpWindow>();
    name(m_help.get());

    // Only now, with all four made, do the windows learn of one another: the board shows the
    // exercises, the exercises show the help window and report a pass to the board.
    m_board->setVariantWindow(kSortingVariantSlot, [this] { return m_sorting.get(); });
    m_board->setVariantWindow(WritingExercise::kVariantSlot, [this] { return m_writing.get(); });
    joinExercise(m_sorting.get());
    joinExercise(m_writing.get());
}

template <class ExerciseWindow> void WindowSet::joinExercise(ExerciseWindow *window)
{
    window->setHelpWindow(m_help.get());
    connect(window, &ExerciseWindow::variantPassed, m_board.get(), &BoardWindow::markVariantPassed);
}

void WindowSet::offerTeacherVariants()
{
    for (const auto &variant : m_teacher.variants) {
        const TeacherVariant *const list = variant.get();
        m_board->setVariantWindow(list->number(),
                                  [this, list] { return teacherSortingWindow(*list); });
        m_board->setVariantWindow(list->number() + 4,
                                  [this, list] { return teacherWritingWindow(*list); });
    }
}

QWidget *WindowSet::teacherSortingWindow(const TeacherVariant &variant)
{
    return teacherWindow(m_teacherSorting, variant, variant.number(), "Form2_%1");
}

QWidget *WindowSet::teacherWritingWindow(const TeacherVariant &variant)
{
    return teacherWindow(m_teacherWriting, variant, variant.number() + 4, "Form3_%1");
}

template <class ExerciseWindow>
QWidget *WindowSet::teacherWindow(std::array<std::unique_ptr<ExerciseWindow>, 3> &windows,
                                  const TeacherVariant &variant, int slot, const char *name)
{
    std::unique_ptr<ExerciseWindow> &window =
        windows.at(static_cast<std::size_t>(variant.number() - 2));
    if (!window) {
        window = std::make_unique<ExerciseWindow>(variant.words(), slot);
        window->setObjectName(QString::fromLatin1(name).arg(variant.number()));
        joinExercise(window.get());
    }
    return window.get();
}

void WindowSet::reportTeacherProblems()
{
    if (m_teacher.problems.isEmpty()) {
        return;
    }
    // Once, over the board; once it is closed the board works with the lists that loaded.
    auto *box = new QMessageBox(
        QMessageBox::Warning, m_board->windowTitle(),
        QStringLiteral("В файле со списками слов есть ошибки. Списки с ошибками не загружены, "
                       "их варианты остаются недоступны; остальные работают.\n\n%1")
            .arg(m_teacher.problems.join(QLatin1Char('\n'))),
        QMessageBox::Ok, m_board.get());
    box->setObjectName(QStringLiteral("teacherListProblems"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool WindowSet::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the board ends the program at once, whatever else is open. The other windows need
    // nothing: a close request only hides a window that is not deleted on close.
    if (watched == m_board.get() && event->type() == QEvent::Close) {
        QCoreApplication::quit();
    }
    return QObject::eventFilter(watched, event);
}

#include "WindowSet.moc"
