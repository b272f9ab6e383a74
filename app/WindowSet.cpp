#include "WindowSet.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "WindowRules.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
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

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TForm3 *Form3 = nullptr;
TForm4 *Form4 = nullptr;

WindowSet::WindowSet()
{
    m_form1 = std::make_unique<TForm1>();
    Form1 = m_form1.get();
    name(Form1);
    Form1->installEventFilter(this);
    qApp->installEventFilter(new ClosedWindowMouseFilter(this));
}

WindowSet::~WindowSet()
{
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
}

void WindowSet::name(QWidget *window)
{
    // Each window is known by the name of its program-wide reference.
    window->setObjectName(QStringLiteral("Form%1").arg(++m_count));
}

void WindowSet::start()
{
    showWindow(Form1);
    if (m_form2) {
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
    const QWindow *board = Form1->windowHandle();
    while (board && !board->isExposed() && Form1->isVisible() && giveUp.isActive()) {
        // An exposed board has painted its first frame: Qt paints and flushes a widget window
        // while it handles the expose.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
    createHiddenWindows();
    if (!Form1->isVisible()) {
        // The board was closed while it waited, before the event loop ran: end the program as
        // soon as it does.
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
}

void WindowSet::createHiddenWindows()
{
    m_form2 = std::make_unique<TForm2>();
    Form2 = m_form2.get();
    name(Form2);
    m_form3 = std::make_unique<TForm3>();
    Form3 = m_form3.get();
    name(Form3);
    m_form4 = std::make_unique<TForm4>();
    Form4 = m_form4.get();
    name(Form4);

    // Only now, with all four made, do the windows learn of one another: the board shows the
    // exercises, the exercises show the help window and report a pass to the board.
    Form1->setExerciseWindows(Form2, Form3);
    Form2->setHelpWindow(Form4);
    Form3->setHelpWindow(Form4);
    connect(Form2, &TForm2::variantPassed, Form1, &TForm1::markVariantPassed);
    connect(Form3, &TForm3::variantPassed, Form1, &TForm1::markVariantPassed);
}

bool WindowSet::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the board ends the program at once, whatever else is open. The other windows need
    // nothing: a close request only hides a window that is not deleted on close.
    if (watched == Form1 && event->type() == QEvent::Close) {
        QCoreApplication::quit();
    }
    return QObject::eventFilter(watched, event);
}

#include "WindowSet.moc"
