// The writing exercise window driven as the pupil drives it: clicks on words reveal and focus
// the edit boxes, typed text lands where the focus is, the twentieth click widens and centres
// the window, and a whole run goes through every state with every control checked after every
// step, the help window and the board included.
#include "test_writing_window_fixture.h"

#include "TsButtonProbe.h"

#include <QCursor>
#include <QEvent>
#include <QPointer>

#include <functional>
#include <set>
#include <vector>

namespace writingwindow {
namespace {

const QColor kWindowColour(227, 227, 227);

// The controls right of the word list. What a state shows of them is listed below; the rest is
// unseen (hidden, or inside a hidden panel).
const char *const kCheckArea[] = {"Panel4",   "sButton1", "Label24", "sButton3", "Label23",
                                  "sButton2", "Panel2",   "Image1",  "Image2",   "Panel1",
                                  "sButton4", "Panel5",   "Label25"};
const QStringList kReady{"Panel4", "sButton1"};
const QStringList kFailed{"Panel4", "Label24", "sButton3", "Panel2", "Image2"};
const QStringList kRetrying{"Panel4", "sButton1", "Panel2", "Image2",
                            "Panel1", "sButton4", "Panel5", "Label25"};
const QStringList kHelped{"Panel4", "sButton1", "Panel2", "Image2"};
const QStringList kPassed{"Panel4", "Label23", "sButton2", "Panel2", "Image1"};

// Notes one thing about the world each time a watched object gets an event of a type.
class Witness : public QObject
{
    Q_OBJECT
public:
    Witness(QEvent::Type type, std::function<QString()> note) : m_type(type), m_note(note) {}
    QStringList notes;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type) {
            notes << m_note();
        }
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<QString()> m_note;
};

class WritingInput : public WritingWindowTest
{
protected:
    // Every control of the check area as a state shows it, the prompt, the edit boxes of the
    // words clicked so far, and the window's width.
    void expectState(const char *state, const QStringList &shown, const std::set<int> &boxes,
                     int outerWidth, int outerHeight = 579)
    {
        SCOPED_TRACE(state);
        for (const char *name : kCheckArea) {
            EXPECT_EQ(named(name)->isVisibleTo(form), shown.contains(QLatin1String(name))) << name;
        }
        EXPECT_EQ(label("Label2")->isVisibleTo(form), !boxes.empty());
        for (int word = 1; word <= 20; ++word) {
            EXPECT_EQ(edit(word)->isVisibleTo(form), boxes.count(word) == 1) << "Edit" << word;
            EXPECT_TRUE(wordLabel(word)->isVisibleTo(form));
        }
        EXPECT_EQ(form->width() + 8, outerWidth);
        EXPECT_EQ(form->height() + 34, outerHeight);
    }

    // Clicks the words in turn, typing each one's answer (or the given wrong one).
    void writeAll(const std::vector<int> &order, int wrongWord = 0, const QString &wrong = {})
    {
        for (int word : order) {
            write(word, word == wrongWord ? wrong : answer(word));
        }
    }

    static std::vector<int> inOrder(int from, int to)
    {
        std::vector<int> words;
        for (int w = from; w <= to; ++w) {
            words.push_back(w);
        }
        return words;
    }

    static std::set<int> allWords()
    {
        const std::vector<int> words = inOrder(1, 20);
        return std::set<int>(words.begin(), words.end());
    }

    QLabel *boardLabel(const char *name) { return windows->board()->findChild<QLabel *>(name); }
};

TEST_F(WritingInput, AWholeRunThroughEveryStateWithTheBoardAndTheHelpWindow)
{
    open();
    std::set<int> boxes;
    expectState("Revealing, at first", {}, boxes, 327);

    // Word 1, typed wrong: a capital letter.
    write(1, QStringLiteral("Ледяной"));
    boxes.insert(1);
    EXPECT_EQ(edit(1)->text(), "Ледяной");
    expectState("Revealing, one word", {}, boxes, 327);
    shot(QStringLiteral("02-revealing-one-word"));
    for (int word = 2; word <= 19; ++word) {
        write(word, answer(word));
        boxes.insert(word);
        expectState("Revealing", {}, boxes, 327);
    }
    EXPECT_EQ(form->pos(), centredFor(form, classicFrame(form))) << "nineteen clicks move nothing";
    shot(QStringLiteral("03-revealing-nineteen-words"));

    // The twentieth click is on the last word: 560 wide, centred again, the check offered.
    form->move(10, 20);
    write(20, QStringLiteral("деревянный"));
    boxes.insert(20);
    expectState("Ready", kReady, boxes, 560);
    EXPECT_EQ(form->pos(), centredFor(form, realFrame(form)));
    EXPECT_EQ(QApplication::focusWidget(), edit(20)) << "the box keeps the focus";
    shot(QStringLiteral("04-ready"));

    // The help window, opened from the other exercise, goes away with the check.
    showWindow(windows->help());
    ASSERT_TRUE(windows->help()->isVisible());
    activate();
    click(button("sButton1"));
    expectState("Failed", kFailed, boxes, 560);
    EXPECT_FALSE(windows->help()->isVisible());
    // The pressed button took the focus with it to the window; the window, active again once
    // the help window went, may give it to its first stop, the first box, which keeps its caret.
    EXPECT_TRUE(QApplication::focusWidget() == nullptr || QApplication::focusWidget() == edit(1));
    EXPECT_FALSE(edit(1)->hasSelectedText()) << "nothing a keystroke would replace";
    for (int word = 1; word <= 20; ++word) {
        EXPECT_EQ(edit(word)->text(), word == 1 ? QStringLiteral("Ледяной") : answer(word))
            << "the check changes no text";
    }
    shot(QStringLiteral("05-failed"));

    click(button("sButton3"));
    expectState("Retrying", kRetrying, boxes, 560);
    EXPECT_EQ(form->exercise().retryCount(), 1);
    shot(QStringLiteral("06-retrying"));

    click(button("sButton4"));
    expectState("Helped", kHelped, boxes, 560);
    EXPECT_TRUE(windows->help()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), windows->help());
    EXPECT_EQ(form->exercise().helpCount(), 1);
    shot(QStringLiteral("07-helped"));

    // Back in the window, a click on the wrong word selects it, and the right one replaces it.
    activate();
    clickWord(1);
    EXPECT_EQ(QApplication::focusWidget(), edit(1));
    EXPECT_EQ(edit(1)->selectedText(), "Ледяной");
    type(QStringLiteral("ледяной"));
    EXPECT_EQ(edit(1)->text(), "ледяной");
    expectState("Helped, still", kHelped, boxes, 560);
    EXPECT_EQ(form->exercise().revealCount(), 21);

    click(button("sButton1"));
    expectState("Passed", kPassed, boxes, 560);
    EXPECT_FALSE(windows->help()->isVisible()) << "a passing check closes the help window too";
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    shot(QStringLiteral("08-passed"));

    // Closed with its close box and opened again from the board: all as it was left.
    const QPoint place = form->pos();
    ASSERT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    expectState("Passed, closed", kPassed, boxes, 560);
    EXPECT_FALSE(boardLabel("Label9")->isVisible()) << "closing reports nothing";
    open();
    EXPECT_EQ(form->pos(), place);
    expectState("Passed, reopened", kPassed, boxes, 560);
    for (int word = 1; word <= 20; ++word) {
        EXPECT_EQ(edit(word)->text(), answer(word));
    }

    // "Дальше": the window closes, then the board marks "Вариант 1-1" with one request for help.
    Witness marked(QEvent::Show, [this] {
        return QStringLiteral("mark shown, window %1")
            .arg(form->isVisible() ? "visible" : "hidden");
    });
    boardLabel("Image5")->installEventFilter(&marked);
    click(button("sButton2"));
    EXPECT_EQ(marked.notes, QStringList{"mark shown, window hidden"});
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boardLabel("Image5")->isVisible());
    EXPECT_TRUE(boardLabel("Label9")->isVisible());
    EXPECT_EQ(boardLabel("Label10")->text(), "1");
    EXPECT_FALSE(windows->board()->findChild<TsButton *>("sButton5")->isEnabled());
    EXPECT_TRUE(windows->board()->findChild<TsButton *>("sButton1")->isEnabled());
    EXPECT_FALSE(boardLabel("Image1")->isVisible());
}

TEST_F(WritingInput, TwentiethClickOnAnotherWordWidensTo606KeepingTheHeightAndNeverAgain)
{
    open();
    form->resize(form->width(), 530); // the pupil makes it a little lower first
    // Twenty clicks on one word: only its box is shown, yet the check is offered.
    for (int n = 1; n <= 19; ++n) {
        clickWord(20);
    }
    expectState("Revealing", {}, {20}, 327, 564);
    clickWord(7);
    expectState("Ready", kReady, {7, 20}, 606, 564);
    shot(QStringLiteral("10-ready-606-wide"));
    EXPECT_EQ(form->pos(), centredFor(form, realFrame(form)));
    EXPECT_EQ(form->exercise().revealCount(), 20);

    // The pupil moves and widens it; later clicks (the last word's included) change neither.
    form->move(33, 44);
    form->resize(640, 530);
    for (int word : {20, 1, 2}) {
        clickWord(word);
    }
    EXPECT_EQ(form->pos(), QPoint(33, 44));
    EXPECT_EQ(form->size(), QSize(640, 530));
    EXPECT_EQ(QApplication::focusWidget(), edit(2));

    // The check fails: nineteen boxes are empty, or never shown.
    click(button("sButton1"));
    expectState("Failed", kFailed, {1, 2, 7, 20}, 648, 564);
}

TEST_F(WritingInput, RightHandAreaStaysUnseenWhenThePupilWidensTheNarrowWindow)
{
    open();
    write(1, QStringLiteral("ледяной"));
    form->resize(700, form->height());
    QApplication::processEvents();
    shot(QStringLiteral("09-revealing-widened-by-hand"));
    expectState("Revealing, widened", {}, {1}, 708);
    const QImage shown = grabbed(form);
    for (QPoint p : {QPoint(400, 120), QPoint(430, 190), QPoint(430, 300), QPoint(430, 480),
                     QPoint(690, 540)}) {
        EXPECT_EQ(shown.pixelColor(p), kWindowColour) << p.x() << "," << p.y();
    }
}

TEST_F(WritingInput, WordClickSelectsTheTextButAClickInTheBoxPlacesTheCaret)
{
    open();
    write(4, QStringLiteral("ветреный"));
    write(6, QStringLiteral("пустынный"));
    EXPECT_EQ(edit(4)->text(), "ветреный");
    EXPECT_FALSE(edit(4)->hasSelectedText());

    // A word click gives the focus and selects all; typing replaces the word.
    clickWord(4);
    EXPECT_EQ(QApplication::focusWidget(), edit(4));
    EXPECT_EQ(edit(4)->selectedText(), "ветреный");
    type(QStringLiteral("ветренный"));
    EXPECT_EQ(edit(4)->text(), "ветренный");

    // A press inside another box: the caret where it was pressed, nothing selected.
    click(edit(6), QPoint(2, 9));
    EXPECT_EQ(QApplication::focusWidget(), edit(6));
    EXPECT_FALSE(edit(6)->hasSelectedText());
    EXPECT_EQ(edit(6)->cursorPosition(), 0);
    type(QStringLiteral("о"));
    EXPECT_EQ(edit(6)->text(), "опустынный") << "inserted, nothing replaced";

    // A click on the word of the box that has the focus selects its whole text all the same.
    click(edit(6), QPoint(120, 9));
    clickWord(6);
    EXPECT_EQ(edit(6)->selectedText(), "опустынный");
    EXPECT_EQ(form->exercise().revealCount(), 4) << "yet it counts";

    // Tab to a box selects it as well; Shift+Tab back too. Shift+Tab from a box goes to its
    // word first, then to the word before, whose box is hidden and skipped, then to box 4.
    QTest::keyClick(form->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(6)) << "back to its word";
    QTest::keyClick(form->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(5));
    QTest::keyClick(form->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), edit(4)) << "hidden boxes are skipped";
    EXPECT_EQ(edit(4)->selectedText(), "ветренный");

    // Leaving the window and coming back restores the caret, so no keystroke replaces the word.
    click(edit(4), QPoint(2, 9));
    showWindow(windows->help());
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(4));
    EXPECT_FALSE(edit(4)->hasSelectedText());
    type(QStringLiteral("Н"));
    EXPECT_EQ(edit(4)->text(), "Нветренный");

    // A word clicked in the window while another is active: the press arrives before the
    // desktop activates the window, and the word is selected all the same.
    windows->help()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    clickWord(6);
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(6));
    EXPECT_EQ(edit(6)->selectedText(), "опустынный");
    // The word of the box the window's focus is in selects its text too, as when active.
    click(edit(6), QPoint(2, 9));
    windows->help()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    clickWord(6);
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(6));
    EXPECT_EQ(edit(6)->selectedText(), "опустынный");
}

TEST_F(WritingInput, ADoubleClickIsOneClickAndAMissedReleaseIsNone)
{
    open();
    QWindow *window = form->windowHandle();
    const QPoint at = wordLabel(5)->mapTo(form, wordLabel(5)->rect().center());
    QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    EXPECT_EQ(form->exercise().revealCount(), 1);
    EXPECT_TRUE(edit(5)->isVisible());

    // Pressed on a word, released off it: no click.
    QTest::mousePress(window, Qt::LeftButton, {}, wordLabel(8)->mapTo(form, QPoint(3, 8)));
    QTest::mouseRelease(window, Qt::LeftButton, {}, wordLabel(8)->mapTo(form, QPoint(3, 30)));
    EXPECT_EQ(form->exercise().revealCount(), 1);
    EXPECT_FALSE(edit(8)->isVisible());
    // The right button reveals nothing.
    QTest::mouseClick(window, Qt::RightButton, {}, wordLabel(8)->mapTo(form, QPoint(3, 8)));
    EXPECT_EQ(form->exercise().revealCount(), 1);
}

TEST_F(WritingInput, KeyboardAloneCanCheckRetryAndAskForHelp)
{
    open();
    writeAll(inOrder(1, 20), 20, QStringLiteral("деревяный"));
    expectState("Ready", kReady, allWords(), 560);
    QWindow *window = form->windowHandle();
    QTest::keyClick(window, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton1"));
    // A key's click runs after the key handler.
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button("sButton3")->isVisible(); }))
        << "failed: word 20 has one н";
    // The pressed button took the focus with it to the window; Shift+Tab reaches the last stop.
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton3"));
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return named("Panel1")->isVisible(); }));
    ASSERT_EQ(QApplication::focusWidget(), nullptr) << "\"Буду искать\" went";
    QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton4"));
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows->help()->isVisible(); }));
    activate();
    // Back in the window with no control focused, the first stop the activation may give the
    // focus to is the first edit box; it keeps its caret, so a keystroke replaces nothing.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit(1); }));
    EXPECT_FALSE(edit(1)->hasSelectedText());
    // From the last button the order wraps round to the first word, then its box, which
    // selects its word.
    QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(1));
    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit(1));
    EXPECT_EQ(edit(1)->selectedText(), "ледяной");
    EXPECT_EQ(form->exercise().helpCount(), 1);
}

TEST_F(WritingInput, HelpIsOfferedAfterEveryRetryAndEveryPressCounts)
{
    open();
    writeAll(inOrder(1, 20), 9, QStringLiteral("журавлинный"));
    const std::set<int> all = allWords();
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        click(button("sButton1"));
        expectState("Failed", kFailed, all, 560);
        click(button("sButton3"));
        expectState("Retrying", kRetrying, all, 560);
        if (round == 2) {
            showWindow(
                windows->help()); // already open, from the other exercise: the press still counts
        }
        if (round < 3) {
            click(button("sButton4"));
            expectState("Helped", kHelped, all, 560);
            activate();
        }
    }
    EXPECT_EQ(form->exercise().helpCount(), 2);
    EXPECT_EQ(form->exercise().retryCount(), 3);
    // Closed while the help window is open: the help window stays, the count stays.
    showWindow(windows->help());
    ASSERT_TRUE(form->close());
    EXPECT_TRUE(windows->help()->isVisible());
    open();
    expectState("Retrying, reopened", kRetrying, all, 560);
    write(9, QStringLiteral("журавлиный"));
    click(button("sButton1"));
    expectState("Passed", kPassed, all, 560);
    click(button("sButton2"));
    EXPECT_EQ(windows->board()->findChild<QLabel *>("Label10")->text(), "2");
}

TEST_F(WritingInput, EffectsComeInTheirOrder)
{
    open();
    // Widening: the window has its new size before the check area appears.
    Witness resized(QEvent::Resize, [this] {
        return QStringLiteral("resized, check panel %1")
            .arg(named("Panel4")->isVisibleTo(form) ? "shown" : "hidden");
    });
    form->installEventFilter(&resized);
    writeAll(inOrder(1, 20), 2, QStringLiteral("луный"));
    EXPECT_EQ(resized.notes, QStringList{"resized, check panel hidden"});
    form->removeEventFilter(&resized);

    // The check hides the help window before it shows its result.
    showWindow(windows->help());
    activate();
    Witness hidden(QEvent::Hide, [this] {
        return QStringLiteral("help hidden, picture panel %1")
            .arg(named("Panel2")->isVisibleTo(form) ? "shown" : "hidden");
    });
    windows->help()->installEventFilter(&hidden);
    click(button("sButton1"));
    EXPECT_EQ(hidden.notes, QStringList{"help hidden, picture panel hidden"});

    // "Помогите!" counts, then shows the help window, then withdraws the offer.
    click(button("sButton3"));
    Witness shown(QEvent::Show, [this] {
        return QStringLiteral("help shown, count %1, offer %2")
            .arg(form->exercise().helpCount())
            .arg(named("Panel1")->isVisibleTo(form) ? "shown" : "hidden");
    });
    windows->help()->installEventFilter(&shown);
    click(button("sButton4"));
    EXPECT_EQ(shown.notes, QStringList{"help shown, count 1, offer shown"});
    EXPECT_FALSE(named("Panel1")->isVisible());
}

} // namespace
} // namespace writingwindow

namespace writingwindow {
namespace {

// The check panel's buttons as the pupil meets them: with the pointer resting where the pressed
// button was, and with the focus handed over whatever window is active.
class CheckPanelFocus : public WritingWindowTest
{
protected:
    // Twenty words, the first one wrong, and the pointer resting on "Проверить".
    void readyWithOneWrong()
    {
        open();
        write(1, QStringLiteral("ледянной"));
        for (int word = 2; word <= 20; ++word) {
            write(word, answer(word));
        }
        ASSERT_TRUE(button("sButton1")->isVisible());
    }

    // The pointer moved onto the widget's centre, left to rest there, then a press and release
    // there. The pointer is moved through the platform, so a control that appears under it
    // later is entered as on the desktop.
    static void pressWhereItRests(QWidget *widget)
    {
        QWidget *window = widget->window();
        const QPoint at = widget->mapTo(window, widget->rect().center());
        QCursor::setPos(window->mapToGlobal(at));
        // The hover fade into the hot look runs out.
        if (auto *button = qobject_cast<TsButton *>(widget)) {
            EXPECT_TRUE(
                QTest::qWaitFor([button] { return probe(button).FadeMode() == TsFadeMode::None; }));
        }
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    }

    // What the pupil sees of the button once every fade has run out: the hot look of the
    // pointer resting on it, rendered for its state now, without the dotted focus frame, since
    // the focus went with the pressed button to the window.
    static void expectHotWithoutFocusFrame(TsButton *b)
    {
        ASSERT_TRUE(QTest::qWaitFor([b] { return probe(b).FadeMode() == TsFadeMode::None; }))
            << "a fade still runs";
        ASSERT_EQ(b->window()->focusWidget(), nullptr);
        ASSERT_TRUE(b->underMouse()) << "the pointer rests on the button";
        const BgrImage shown = probe(b).LastShown();
        const TsRect caption = probe(b).CaptionRect();
        const int m = b->FocusMargin();
        EXPECT_NE(shown.pixel(caption.left - m, caption.top - m), (Rgb{0, 0, 0}))
            << "no focus frame's first dot";
        probe(b).Render();
        EXPECT_TRUE(shown == probe(b).RenderCache()) << "a stale look is on screen";
    }
};

TEST_F(CheckPanelFocus, TheButtonThatAppearsUnderTheRestingPointerIsHotWithoutAFocusFrame)
{
    readyWithOneWrong();
    pressWhereItRests(button("sButton1"));
    ASSERT_TRUE(button("sButton3")->isVisible()) << "failed: word 1 has one н too many";
    expectHotWithoutFocusFrame(button("sButton3"));

    pressWhereItRests(button("sButton3"));
    ASSERT_TRUE(button("sButton1")->isVisible());
    expectHotWithoutFocusFrame(button("sButton1"));

    clickWord(1);
    type(answer(1));
    pressWhereItRests(button("sButton1"));
    ASSERT_TRUE(button("sButton2")->isVisible()) << "passed";
    expectHotWithoutFocusFrame(button("sButton2"));
}

// "Проверить" pressed while the help window is the active one (the press reaches the writing
// window before the desktop activates it): the focus goes with it to the window all the same,
// and the window's activation then gives it to its first stop, an edit box that keeps its caret.
TEST_F(CheckPanelFocus, APressedButtonThatGoesTakesTheFocusToTheWindowWhicheverIsActive)
{
    readyWithOneWrong();
    click(button("sButton1"));
    EXPECT_EQ(form->focusWidget(), nullptr) << "the active window's case";
    click(button("sButton3"));
    EXPECT_EQ(form->focusWidget(), nullptr);
    click(button("sButton4"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    EXPECT_EQ(form->focusWidget(), nullptr) << "\"Помогите!\" went away";

    // The help window is active; "Проверить" is pressed in the writing window.
    click(button("sButton1"));
    ASSERT_TRUE(button("sButton3")->isVisible());
    EXPECT_FALSE(windows->help()->isVisible());
    EXPECT_EQ(form->focusWidget(), nullptr) << "the inactive window's case";
    activate();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit(1); }));
    EXPECT_FALSE(edit(1)->hasSelectedText());
}

// Whichever control had the focus, a word click leaves the word's box focused with its whole
// text selected, so what the pupil types next replaces the word.
TEST_F(CheckPanelFocus, AWordClickAlwaysSelectsTheWholeWord)
{
    open();
    write(3, QStringLiteral("орлиный"));
    // The box itself has the focus, the caret placed by a click inside it.
    click(edit(3), QPoint(2, 9));
    ASSERT_FALSE(edit(3)->hasSelectedText());
    clickWord(3);
    EXPECT_EQ(QApplication::focusWidget(), edit(3));
    EXPECT_EQ(edit(3)->selectedText(), "орлиный");
    type(QStringLiteral("орлинный"));
    EXPECT_EQ(edit(3)->text(), "орлинный") << "typing replaces the word";

    // The same while the help window is active, the box being the window's focus.
    click(edit(3), QPoint(2, 9));
    showWindow(windows->help());
    windows->help()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    clickWord(3);
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(3));
    EXPECT_EQ(edit(3)->selectedText(), "орлинный");
}

} // namespace
} // namespace writingwindow

#include "test_writing_window_input.moc"
