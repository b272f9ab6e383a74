// SPDX-License-Identifier: GPL-3.0-or-later
// The writing exercise through assistive technology: the words' press action, and the results
// reaching assistive technology as they appear.
#include "test_writing_window_keys_fixture.h"

#include "Announcer.h"

#include <QAccessible>

namespace writingwindow {
namespace {

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
