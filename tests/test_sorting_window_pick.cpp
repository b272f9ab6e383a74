// SPDX-License-Identifier: GPL-3.0-or-later
// Moving words without a drag, in the real window with real input: a click picks a word and a
// click on a picture drops it; the keyboard reaches the word list as its last stop and does the
// whole exercise; a finger does what the mouse does; assistive technology picks and drops
// through the controls' actions and hears every outcome. The marks are read from the window's
// pixels, and none of them shows to a pupil who only uses the mouse.
#include "Grab.h"
#include "test_sorting_window_fixture.h"

#include "Announcer.h"
#include "SortingAccessible.h"

#include <QAccessible>
#include <QPointingDevice>

#include <vector>

using namespace sorting_test;

namespace {

const QColor kNavy(0, 0, 128);

class SortingPick : public SortingWindowTest
{
protected:
    // How many pixels of `color` the window shows inside `box` (window coordinates).
    int pixelsOf(const QColor &color, const QRect &box)
    {
        const QImage shot = grabbed(form);
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                count += shot.pixelColor(x, y) == color;
            }
        }
        return count;
    }
    QRect inWindow(const QWidget *w, int margin) const
    {
        return QRect(w->mapTo(form, QPoint(0, 0)), w->size()).adjusted(-margin, -margin, margin,
                                                                      margin);
    }
    // The navy of the marks round word k (its dotted frame, or its inverted background).
    int navyAtWord(int k) { return pixelsOf(kNavy, inWindow(word(k), 2)); }
    int navyAtPicture(const char *name) { return pixelsOf(kNavy, inWindow(picture(name), 4)); }
    bool picked(int k) const
    {
        return word(k)->palette().color(QPalette::Window) == kNavy;
    }
    void clickAt(QPoint global)
    {
        pressAt(global);
        releaseAt(global);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(form->windowHandle(), k, mods);
    }
    QString spoken() const { return form->findChild<Announcer *>()->lastMessage(); }
    QString errorsAfterCheck()
    {
        click("sButton5");
        return named<QLabel>("Label2")->isVisible() ? named<QLabel>("Label2")->text()
                                                    : QStringLiteral("passed");
    }
};

TEST_F(SortingPick, AClickPicksAClickOnAPictureDropsAndAClickElsewhereLetsGo)
{
    const int plainNavy = navyAtWord(2);
    clickAt(centre(word(2)));
    EXPECT_TRUE(picked(2));
    EXPECT_GT(navyAtWord(2), plainNavy + 40) << "the picked word is shown inverted";
    EXPECT_EQ(spoken(), "Взято слово лу, пропуск, ый.");

    // Another click picks another word; the first one is let go.
    clickAt(centre(word(4)));
    EXPECT_FALSE(picked(2));
    EXPECT_EQ(navyAtWord(2), plainNavy);
    EXPECT_TRUE(picked(4));
    clickAt(centre(picture("Image2"))); // ветре_ый: н, not нн
    EXPECT_TRUE(word(4)->isVisible());
    EXPECT_FALSE(picked(4)) << "a drop ends the pick, right or wrong";
    EXPECT_EQ(spoken(), "ветре, пропуск, ый. Осталось в списке.");

    clickAt(centre(word(2)));
    clickAt(centre(picture("Image2")));
    EXPECT_FALSE(word(2)->isVisible());
    EXPECT_EQ(spoken(), "лу, пропуск, ый. Убрано из списка.");

    // Let go by a click on the list's background, by Esc, and by the window hiding.
    clickAt(centre(word(1)));
    clickAt(named("Panel3")->mapToGlobal(QPoint(160, 440)));
    EXPECT_FALSE(picked(1));
    clickAt(centre(picture("Image1")));
    EXPECT_TRUE(word(1)->isVisible()) << "nothing picked, nothing dropped";
    clickAt(centre(word(1)));
    key(Qt::Key_Escape);
    EXPECT_FALSE(picked(1));
    clickAt(centre(word(1)));
    form->close();
    showWindow(form);
    EXPECT_FALSE(picked(1));

    // A press on a picture released elsewhere is no click.
    clickAt(centre(word(1)));
    pressAt(centre(picture("Image1")));
    releaseAt(centre(picture("Image2")));
    EXPECT_TRUE(word(1)->isVisible());
    EXPECT_EQ(errorsAfterCheck(), "1");
}

TEST_F(SortingPick, ADragStillDropsAndADragOfThePickedWordDropsThatWord)
{
    clickAt(centre(word(3)));
    ASSERT_TRUE(picked(3));
    pressWord(3);
    EXPECT_EQ(overrideShape(), kNoDropCursor) << "the drag starts at the press";
    moveTo(centre(picture("Image1")));
    EXPECT_EQ(overrideShape(), kDragCursor);
    releaseAt(centre(picture("Image1")));
    EXPECT_FALSE(word(3)->isVisible());
    // A click on a picture after that drops nothing: the pick went with the drop.
    clickAt(centre(picture("Image1")));
    EXPECT_EQ(wordsShown(), 19);
    EXPECT_EQ(errorsAfterCheck(), "0");
}

TEST_F(SortingPick, TheMouseAloneShowsNoFocusMark)
{
    const QRect list = inWindow(named("Panel3"), -3);
    const int before = pixelsOf(kNavy, list);
    EXPECT_EQ(before, 0) << "the word list is black on yellow";
    clickAt(centre(word(5)));
    clickAt(named("Panel3")->mapToGlobal(QPoint(160, 440)));
    click("sButton5");
    click("sButton1");
    EXPECT_EQ(pixelsOf(kNavy, list), 0);
    EXPECT_NE(QApplication::focusWidget(), named("Panel3"));
}

TEST_F(SortingPick, TheKeyboardMovesPicksChoosesAndDrops)
{
    // Проверить first; the list is the next stop.
    ASSERT_EQ(QApplication::focusWidget(), button("sButton5"));
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), named("Panel3"));
    EXPECT_GT(navyAtWord(1), 10) << "a dotted frame round the first word";
    // The frame stands two pixels off the word on all four sides.
    const QRect frame = inWindow(word(1), 2);
    for (const QRect &side : {QRect(frame.topLeft(), QSize(frame.width(), 1)),
                              QRect(frame.bottomLeft(), QSize(frame.width(), 1)),
                              QRect(frame.topLeft(), QSize(1, frame.height())),
                              QRect(frame.topRight(), QSize(1, frame.height()))}) {
        EXPECT_GE(pixelsOf(kNavy, side), side.width() * side.height() / 2 - 1);
    }
    key(Qt::Key_Down);
    EXPECT_EQ(navyAtWord(1), 0);
    EXPECT_GT(navyAtWord(2), 10);
    key(Qt::Key_End);
    EXPECT_GT(navyAtWord(20), 10);
    key(Qt::Key_Home);
    EXPECT_GT(navyAtWord(1), 10);
    key(Qt::Key_Up);
    EXPECT_GT(navyAtWord(1), 10) << "the cursor stops at the top";

    // ледя_ой: Space picks, Right chooses НН, Left Н, Space drops there.
    key(Qt::Key_Space);
    EXPECT_TRUE(picked(1));
    EXPECT_EQ(navyAtPicture("Image2"), 0);
    key(Qt::Key_Right);
    EXPECT_GT(navyAtPicture("Image2"), 300) << "a band round the chosen picture";
    key(Qt::Key_Left);
    EXPECT_EQ(navyAtPicture("Image2"), 0);
    EXPECT_GT(navyAtPicture("Image1"), 300);
    key(Qt::Key_Space);
    EXPECT_FALSE(word(1)->isVisible());
    EXPECT_EQ(navyAtPicture("Image1"), 0);
    EXPECT_GT(navyAtWord(2), 10) << "the cursor goes on to the next word";

    // Tab chooses while a word is picked; Esc lets go and Tab leaves the list again.
    key(Qt::Key_Return);
    EXPECT_TRUE(picked(2));
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), named("Panel3"));
    EXPECT_GT(navyAtPicture("Image2"), 300);
    key(Qt::Key_Escape);
    EXPECT_FALSE(picked(2));
    EXPECT_EQ(navyAtPicture("Image2"), 0);
    EXPECT_TRUE(word(2)->isVisible());

}

TEST_F(SortingPick, TheKeyboardAloneDoesTheWholeExercise)
{
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), named("Panel3"));
    // All with "1" and "2", one wrong on the way.
    key(Qt::Key_2); // ледя_ой is н
    EXPECT_TRUE(word(1)->isVisible());
    EXPECT_GT(navyAtWord(1), 10) << "the cursor stays on a word that stays";
    for (int k = 1; k <= 20; ++k) {
        key(std::string(kWords[k - 1].code) == "n" ? Qt::Key_1 : Qt::Key_2);
    }
    EXPECT_EQ(wordsShown(), 0);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton5"));
    key(Qt::Key_Space);
    // A key's click runs after the key handler.
    ASSERT_TRUE(QTest::qWaitFor([&] { return named<QLabel>("Label2")->isVisible(); }));
    EXPECT_EQ(named<QLabel>("Label2")->text(), "1");
    EXPECT_EQ(spoken(), "Ошибок, 1.");

    // Заново from the keyboard, and a clean attempt.
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton1"));
    key(Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return wordsShown() == 20; }));
    EXPECT_EQ(spoken(), "Все слова снова в списке.");
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), named("Panel3"));
    key(Qt::Key_Home);
    for (int k = 1; k <= 20; ++k) {
        key(std::string(kWords[k - 1].code) == "n" ? Qt::Key_1 : Qt::Key_2);
    }
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton5"));
    key(Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return named("Label36")->isVisible(); }));
    EXPECT_EQ(spoken(), "Ура!");
}

TEST_F(SortingPick, AFingerTapsAndDragsAsTheMouseDoes)
{
    // Ours to delete, once its last event is through.
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice *finger = device.get();
    auto tap = [&](QPoint global) {
        QTest::touchEvent(form->windowHandle(), finger).press(0, local(global));
        QTest::touchEvent(form->windowHandle(), finger).release(0, local(global));
    };
    tap(centre(word(2)));
    EXPECT_TRUE(picked(2));
    tap(centre(picture("Image2")));
    EXPECT_FALSE(word(2)->isVisible());

    // A finger drag: the word follows the finger's grab onto its picture.
    QTest::touchEvent(form->windowHandle(), finger).press(0, local(centre(word(3))));
    EXPECT_EQ(overrideShape(), kNoDropCursor);
    QTest::touchEvent(form->windowHandle(), finger).move(0, local(centre(picture("Image1"))));
    EXPECT_EQ(overrideShape(), kDragCursor);
    QTest::touchEvent(form->windowHandle(), finger).release(0, local(centre(picture("Image1"))));
    EXPECT_FALSE(word(3)->isVisible());
    EXPECT_EQ(overrideShape(), kNoOverride);
    // And one that ends elsewhere changes nothing.
    QTest::touchEvent(form->windowHandle(), finger).press(0, local(centre(word(4))));
    QTest::touchEvent(form->windowHandle(), finger).move(0, local(centre(word(10))));
    QTest::touchEvent(form->windowHandle(), finger).release(0, local(centre(word(10))));
    EXPECT_TRUE(word(4)->isVisible());
    EXPECT_EQ(errorsAfterCheck(), "0");
}

TEST_F(SortingPick, AssistiveTechnologyPicksDropsAndHearsEveryOutcome)
{
    auto action = [](QWidget *w, const char *name) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        EXPECT_TRUE(iface && iface->actionInterface());
        if (iface && iface->actionInterface()) {
            EXPECT_EQ(iface->actionInterface()->actionNames(),
                      QStringList{QString::fromLatin1(name)});
            iface->actionInterface()->doAction(QString::fromLatin1(name));
        }
    };
    QAccessibleInterface *wordIface = QAccessible::queryAccessibleInterface(word(1));
    ASSERT_TRUE(wordIface);
    EXPECT_EQ(wordIface->role(), QAccessible::StaticText);
    EXPECT_EQ(wordIface->text(QAccessible::Name), "ледя, пропуск, ой");
    EXPECT_TRUE(wordIface->text(QAccessible::Description).contains("Пробел или Enter — взять"));
    EXPECT_EQ(wordIface->actionInterface()->localizedActionName("Pick"), "Взять слово");
    QAccessibleInterface *pictureIface = QAccessible::queryAccessibleInterface(picture("Image2"));
    EXPECT_EQ(pictureIface->role(), QAccessible::Graphic);
    EXPECT_EQ(pictureIface->actionInterface()->localizedActionName("Drop"),
              "Положить слово сюда");

    // A drop with nothing picked does nothing.
    action(picture("Image1"), sorting_accessible::kDropAction);
    EXPECT_EQ(wordsShown(), 20);
    action(word(1), sorting_accessible::kPickAction);
    EXPECT_EQ(spoken(), "Взято слово ледя, пропуск, ой.");
    EXPECT_TRUE(wordIface->state().selected);
    EXPECT_TRUE(picked(1)) << "the same mark as a click's";
    action(picture("Image1"), sorting_accessible::kDropAction);
    EXPECT_FALSE(word(1)->isVisible());
    EXPECT_EQ(spoken(), "ледя, пропуск, ой. Убрано из списка.");
    // A hidden word offers nothing.
    action(word(1), sorting_accessible::kPickAction);
    EXPECT_FALSE(wordIface->state().selected);

    for (int k = 2; k <= 20; ++k) {
        action(word(k), sorting_accessible::kPickAction);
        action(picture(std::string(kWords[k - 1].code) == "n" ? "Image1" : "Image2"),
               sorting_accessible::kDropAction);
    }
    EXPECT_EQ(wordsShown(), 0);
    QAccessibleInterface *check = QAccessible::queryAccessibleInterface(button("sButton5"));
    check->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // A button pressed through its action animates the press first.
    EXPECT_TRUE(QTest::qWaitFor([&] { return named("Label36")->isVisible(); }, 2000));
    EXPECT_EQ(spoken(), "Ура!");
    auto *status = form->findChild<Announcer *>();
    EXPECT_TRUE(status->isVisible());
    QAccessibleInterface *statusIface = QAccessible::queryAccessibleInterface(status);
    EXPECT_EQ(statusIface->role(), QAccessible::Notification);
    EXPECT_EQ(statusIface->text(QAccessible::Name), "Ура!");
    EXPECT_EQ(named<QLabel>("Label36")->text(), "Ура-а-а !") << "the caption on screen";
    // Drawn nowhere: the window's corner pixel is the window's background.
    EXPECT_EQ(grabbed(form).pixelColor(0, 0), QColor(227, 227, 227));
}

TEST_F(SortingPick, TheKeyboardsWordIsFocusedForAScreenReader)
{
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(named("Panel3"));
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), "Слова");
    EXPECT_TRUE(list->text(QAccessible::Description).contains("Esc"));
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(word(1))->state().focused)
        << "the list has no focus yet";
    key(Qt::Key_Tab);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(word(1))->state().focused);
    key(Qt::Key_Down);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(word(2))->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(word(1))->state().focused);
    // The marks say nothing of their own: the list holds its twenty words and nothing else,
    // while the focus frame is drawn inside it.
    ASSERT_EQ(list->childCount(), 20);
    for (int i = 0; i < list->childCount(); ++i) {
        EXPECT_EQ(list->child(i)->role(), QAccessible::StaticText);
    }
    key(Qt::Key_Space);
    key(Qt::Key_Right);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(picture("Image2"))->state().focused);
    QAccessibleInterface *target = QAccessible::queryAccessibleInterface(named("Panel1"));
    EXPECT_EQ(target->childCount(), 2) << "the two pictures, not the band round one";
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(picture("Image1"))->state().focused);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(picture("Image1"))->state().focused);
    key(Qt::Key_Escape);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(word(2))->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(picture("Image1"))->state().focused);
}

} // namespace
