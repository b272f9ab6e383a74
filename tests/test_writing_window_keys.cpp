// The writing exercise done with the keyboard alone and through assistive technology: the words
// as stops of the keyboard order, Enter and Space on a word as its click (the twentieth one
// widening the window), the focus mark that only the keyboard brings, the words' press action,
// and the results reaching assistive technology as they appear.
#include "test_writing_window_fixture.h"

#include "Announcer.h"
#include "FocusMark.h"

#include <QAccessible>
#include <QKeyEvent>

namespace writingwindow {
namespace {

class WritingKeys : public WritingWindowTest
{
protected:
    QWindow *window() const { return form->windowHandle(); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(window(), k, mods); }

    // Opens the window from the board and lets the activation finish.
    void openWindow()
    {
        open();
        QCoreApplication::processEvents();
    }

    // The control the focus frame is drawn round, as the pupil sees it: the one word or edit
    // box with the frame just outside it and no frame colour anywhere else in the word list;
    // nullptr with no frame colour at all, the window itself for anything else.
    QWidget *markedControl() const
    {
        const QWidget *panel = named(QStringLiteral("Panel3"));
        const QImage shown = grabbed(form);
        QWidget *marked = nullptr;
        for (int k = 1; k <= 20; ++k) {
            for (QWidget *control :
                 {static_cast<QWidget *>(wordLabel(k)), static_cast<QWidget *>(edit(k))}) {
                if (control->isVisible() && framedIn(shown, control)) {
                    if (marked) {
                        return form;
                    }
                    marked = control;
                }
            }
        }
        const int out = FocusMark::kWidth + FocusMark::kGap;
        const QRect ring = marked ? QRect(marked->mapTo(form, QPoint(0, 0)), marked->size())
                                        .adjusted(-out, -out, out, out)
                                  : QRect();
        const QRect list(panel->mapTo(form, QPoint(0, 0)), panel->size());
        for (int y = list.top(); y <= list.bottom(); ++y) {
            for (int x = list.left(); x <= list.right(); ++x) {
                if (shown.pixelColor(x, y) == FocusMark::kColor && !ring.contains(x, y)) {
                    return form;
                }
            }
        }
        return marked;
    }

    // Whether the focus frame's colour is drawn on the window in a band just outside `control`:
    // the pixels 1 to 3 outside its left edge, at its middle height.
    bool framed(QWidget *control) const { return framedIn(grabbed(form), control); }
    bool framedIn(const QImage &shown, QWidget *control) const
    {
        const QPoint left = control->mapTo(form, QPoint(-2, control->height() / 2));
        const QPoint above = control->mapTo(form, QPoint(control->width() / 2, -3));
        return shown.pixelColor(left) == FocusMark::kColor &&
               shown.pixelColor(above) == FocusMark::kColor;
    }
    // Whether the frame's colour is anywhere in the word list.
    bool anyFrame() const
    {
        const QWidget *panel = named(QStringLiteral("Panel3"));
        const QImage shown =
            grabbed(form).copy(QRect(panel->mapTo(form, QPoint(0, 0)), panel->size()));
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixelColor(x, y) == FocusMark::kColor) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(WritingKeys, TabReachesEachWordBeforeItsBoxAndEnterOrSpaceIsItsClick)
{
    openWindow();
    ASSERT_EQ(QApplication::focusWidget(), nullptr) << "opening gives the focus to nothing";
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1)) << "the first stop is the first word";
    EXPECT_FALSE(edit(1)->isVisible()) << "reaching a word is not clicking it";
    EXPECT_EQ(form->exercise().revealCount(), 0);

    key(Qt::Key_Return);
    EXPECT_EQ(form->exercise().revealCount(), 1);
    EXPECT_TRUE(edit(1)->isVisible());
    EXPECT_TRUE(label(QStringLiteral("Label2"))->isVisible()) << "the prompt";
    ASSERT_EQ(QApplication::focusWidget(), edit(1));
    type(QStringLiteral("ледяной"));

    // Shift+Tab from a box: back to its word; Space there is a click, which selects the word.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1));
    QTest::keyPress(window(), Qt::Key_Space);
    EXPECT_EQ(form->exercise().revealCount(), 1) << "Space clicks when released";
    QTest::keyRelease(window(), Qt::Key_Space);
    EXPECT_EQ(form->exercise().revealCount(), 2);
    ASSERT_EQ(QApplication::focusWidget(), edit(1));
    EXPECT_EQ(edit(1)->selectedText(), "ледяной") << "typing replaces it, as after a click";

    // On: box 1, word 2 (its box hidden, skipped), word 3; Enter on the keypad counts too.
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(2));
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(3));
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), edit(3));
    EXPECT_EQ(form->exercise().revealCount(), 3);
}

TEST_F(WritingKeys, OnlyAPlainKeyStrokeClicksAWord)
{
    openWindow();
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1));
    // Held down: the repeats of a key are not more clicks.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(wordLabel(1), &repeat);
    key(Qt::Key_Return, Qt::ControlModifier);
    key(Qt::Key_Space, Qt::AltModifier);
    key(Qt::Key_A);
    EXPECT_EQ(form->exercise().revealCount(), 0);
    EXPECT_FALSE(edit(1)->isVisible());
    // Space pressed on the word and released after the focus left it clicks nothing.
    QTest::keyPress(window(), Qt::Key_Space);
    key(Qt::Key_Tab);
    QTest::keyRelease(window(), Qt::Key_Space);
    EXPECT_EQ(form->exercise().revealCount(), 0);
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(2));
}

// Letters typed on a word go to its box once it is open (no click), else nowhere.
TEST_F(WritingKeys, LettersTypedOnAWordArriveInItsOpenBox)
{
    openWindow();
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    type(QStringLiteral("Ж"));
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(2)) << "its box is not open";
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    type(QStringLiteral("Ледяной"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("Ледяной"));
    // Back on the word with a word in its box: a letter goes on after it, never in its place.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1));
    type(QStringLiteral("Ж"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("ЛедянойЖ"));
    EXPECT_EQ(form->exercise().revealCount(), 1) << "no click counted";
}

TEST_F(WritingKeys, TheWholeExerciseWithTheKeyboardAlone)
{
    openWindow();
    // Word by word: Tab to the word, Enter, type, Tab on to the next word. Word 20 is typed wrong.
    key(Qt::Key_Tab);
    for (int word = 1; word <= 20; ++word) {
        ASSERT_EQ(QApplication::focusWidget(), wordLabel(word)) << word;
        EXPECT_EQ(form->width(), 327 - 8) << "narrow until the twentieth click";
        key(word % 2 ? Qt::Key_Return : Qt::Key_Space);
        ASSERT_EQ(QApplication::focusWidget(), edit(word)) << word;
        type(word == 20 ? QStringLiteral("деревяный") : answer(word));
        key(Qt::Key_Tab);
    }
    // The twentieth click, on the last word, widened the window to 560 and offered the check;
    // Tab from the last box went on to "Проверить".
    EXPECT_EQ(form->width(), 560 - 8);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton1")));
    // A button's key click runs after the key handler.
    key(Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label(QStringLiteral("Label24"))->isVisible(); }))
        << "Есть ошибки.";
    // "Проверить" went and took the focus to the window; Shift+Tab reaches the last shown stop,
    // "Буду искать".
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton3")));
    key(Qt::Key_Space); // "Буду искать"
    ASSERT_TRUE(QTest::qWaitFor([&] { return !button(QStringLiteral("sButton3"))->isVisible(); }));
    ASSERT_EQ(QApplication::focusWidget(), nullptr);

    // Back to word 20 with Shift+Tab: "Помогите!" (offered now), "Проверить", the box, then the
    // word itself; Enter selects the wrong word, which the right one replaces.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton4")));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton1")));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), edit(20));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(20));
    key(Qt::Key_Return);
    EXPECT_EQ(form->width(), 560 - 8) << "the twenty-first click widens nothing";
    type(answer(20));
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton1")));
    key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label(QStringLiteral("Label23"))->isVisible(); }))
        << "Отлично!";
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton2")));
    key(Qt::Key_Space); // "Дальше"
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_FALSE(windows->board()->findChild<TsButton *>(QStringLiteral("sButton5"))->isEnabled());
    EXPECT_EQ(windows->board()->findChild<QLabel *>(QStringLiteral("Label10"))->text(), "0");
}

TEST_F(WritingKeys, TheTwentiethClickByKeyOnAnotherWordWidensTo606)
{
    openWindow();
    key(Qt::Key_Tab);
    for (int i = 1; i <= 19; ++i) {
        key(Qt::Key_Return);
        key(Qt::Key_Backtab, Qt::ShiftModifier);
    }
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1));
    EXPECT_EQ(form->width(), 327 - 8);
    key(Qt::Key_Space);
    EXPECT_EQ(form->exercise().revealCount(), 20);
    EXPECT_EQ(form->width(), 606 - 8);
    EXPECT_TRUE(button(QStringLiteral("sButton1"))->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), edit(1));
}

TEST_F(WritingKeys, TheFocusMarkShowsOnlyWhenTheKeyboardBroughtTheFocus)
{
    openWindow();
    clickWord(2);
    type(QStringLiteral("лунный"));
    EXPECT_EQ(markedControl(), nullptr);
    EXPECT_FALSE(anyFrame()) << "a mouse user sees no mark";

    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(2));
    EXPECT_EQ(markedControl(), wordLabel(2));
    EXPECT_TRUE(framed(wordLabel(2)));
    shot(QStringLiteral("keys-01-mark-on-word"));

    key(Qt::Key_Return);
    EXPECT_EQ(markedControl(), edit(2)) << "a key moved the focus to the box";
    EXPECT_TRUE(framed(edit(2)));
    EXPECT_FALSE(framed(wordLabel(2))) << "one mark at a time";
    shot(QStringLiteral("keys-02-mark-on-box"));

    // Away to the help window and back: the mark is as it was left.
    showWindow(windows->help());
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    activate();
    EXPECT_EQ(markedControl(), edit(2));
    // Away to the board, where the focus is on a button and the mouse clicks, and back.
    windows->board()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->board()));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    click(windows->board()->findChild<QWidget *>(QStringLiteral("Panel1")), QPoint(4, 4));
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(2));
    EXPECT_EQ(markedControl(), edit(2)) << "coming back is not a new focus";

    // A click on a word: its box has the focus, without a mark, even after keys typed in it.
    clickWord(3);
    type(QStringLiteral("орлиный"));
    EXPECT_EQ(markedControl(), nullptr);
    EXPECT_FALSE(anyFrame());
    // A press inside a box the keyboard had marked takes the mark away.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(markedControl(), wordLabel(3));
    click(edit(2), QPoint(5, 9));
    EXPECT_EQ(QApplication::focusWidget(), edit(2));
    EXPECT_FALSE(anyFrame());
}

// Assistive technology is active from the start, as with a screen reader running: the windows
// are made under it. (The events themselves reach the accessibility bus only through a platform
// bridge, which the off-screen platform has not; the end-to-end test listens to them there.)
class WritingSpoken : public WritingKeys
{
protected:
    void SetUp() override
    {
        QAccessible::setActive(true);
        WritingKeys::SetUp();
    }
};

// The text a label has at the moment it is shown.
class TextWhenShown : public QObject
{
public:
    explicit TextWhenShown(QLabel *label) : m_label(label) { label->installEventFilter(this); }
    QString text;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_label && event->type() == QEvent::Show) {
            text = QAccessible::queryAccessibleInterface(m_label)->text(QAccessible::Name);
        }
        return false;
    }

private:
    QLabel *m_label;
};

TEST_F(WritingSpoken, AWordOffersItsClickAsThePressActionAndTellsItsKeys)
{
    openWindow();
    QAccessibleInterface *word = QAccessible::queryAccessibleInterface(wordLabel(4));
    ASSERT_TRUE(word);
    EXPECT_EQ(word->role(), QAccessible::StaticText);
    EXPECT_EQ(word->text(QAccessible::Name), "ветре, пропуск, ый");
    EXPECT_TRUE(word->text(QAccessible::Description).contains(QStringLiteral("Enter")));
    EXPECT_TRUE(word->state().focusable);
    QAccessibleActionInterface *actions = word->actionInterface();
    ASSERT_TRUE(actions);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->exercise().revealCount(), 1);
    EXPECT_EQ(QApplication::focusWidget(), edit(4));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(edit(4))
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral("Shift+Tab")));
    // Twenty presses through the action widen the window, as twenty clicks do.
    for (int i = 2; i <= 20; ++i) {
        actions->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_EQ(form->width(), 606 - 8);
}

// A screen reader may still hold a word of a window the pupil has closed: its press is no click.
TEST_F(WritingSpoken, AWordOfAClosedWindowCannotBePressed)
{
    openWindow();
    QAccessibleInterface *word = QAccessible::queryAccessibleInterface(wordLabel(5));
    ASSERT_TRUE(word && word->actionInterface());
    form->close();
    word->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    openWindow();
    EXPECT_FALSE(edit(5)->isVisible());
}

TEST_F(WritingSpoken, ResultsAreAnnouncedOnceByTheWindowsNotification)
{
    openWindow();
    QLabel *errors = label(QStringLiteral("Label24"));
    QLabel *praise = label(QStringLiteral("Label23"));
    auto *announcer = form->findChild<Announcer *>();
    ASSERT_TRUE(announcer);
    QAccessibleInterface *voice = QAccessible::queryAccessibleInterface(announcer);
    EXPECT_EQ(voice->role(), QAccessible::Notification);
    // The result labels are plain text: their appearing is not spoken a second time.
    for (QLabel *result : {errors, praise}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(result)->role(), QAccessible::StaticText);
    }
    for (int word = 1; word <= 20; ++word) {
        write(word, word == 7 ? QStringLiteral("глинянный") : answer(word));
    }
    click(button(QStringLiteral("sButton1")));
    EXPECT_TRUE(errors->isVisible() && !praise->isVisible());
    EXPECT_FALSE(voice->state().invisible);
    EXPECT_EQ(voice->text(QAccessible::Name), "Есть ошибки.");
    click(button(QStringLiteral("sButton3")));
    write(7, answer(7));
    click(button(QStringLiteral("sButton1")));
    EXPECT_EQ(voice->text(QAccessible::Name), "Отлично!");

    // The board: its count is in the label when the label is shown (and announced), never the
    // design text "5".
    QLabel *count = windows->board()->findChild<QLabel *>(QStringLiteral("Label10"));
    ASSERT_TRUE(count);
    TextWhenShown whenShown(count);
    click(button(QStringLiteral("sButton2")));
    EXPECT_EQ(whenShown.text, "0");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(count)->text(QAccessible::Description),
              "Подсказок: 0");
    // The board's notification tells of the pass with the count; its "Подсказок:" reads with it.
    QAccessibleInterface *boardVoice =
        QAccessible::queryAccessibleInterface(windows->board()->findChild<Announcer *>());
    EXPECT_EQ(boardVoice->role(), QAccessible::Notification);
    EXPECT_EQ(boardVoice->text(QAccessible::Name), "Вариант выполнен. Подсказок, 0.");
    QLabel *hint = windows->board()->findChild<QLabel *>(QStringLiteral("Label9"));
    ASSERT_TRUE(hint && hint->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(hint)->text(QAccessible::Name), "Подсказок: 0");
    EXPECT_EQ(hint->text(), "Подсказок:") << "the caption on screen";
}

} // namespace
} // namespace writingwindow
