// SPDX-License-Identifier: GPL-3.0-or-later
// The variant board's slots after each pass, the credits menu and what the buttons do to the
// other windows.
#include "test_board_fixture.h"

#include "Credits.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include <climits>
#include <tuple>
#include <utility>

using namespace board_test;

namespace {

// Records what the board hands to the desktop instead of opening it.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

TEST_F(Board, PassingVariantsMarksExactlyTheirSlotsInOneStep)
{
    showActive();
    auto expectNoFiveShown = [this] {
        for (const QLabel *l : board->findChildren<QLabel *>()) {
            EXPECT_FALSE(l->isVisible() && l->text() == "5") << "the design text is never shown";
        }
    };
    expectNoFiveShown();
    EventCounter paints(QEvent::Paint);
    for (const char *n : {"Image1", "Label1", "Label2", "sButton1"}) {
        named(n)->installEventFilter(&paints);
    }
    board->markVariantPassed(1, 0);
    EXPECT_EQ(paints.count, 0) << "nothing is painted while the slot changes";
    expectPassed(kSlots[0], "0");
    board->markVariantPassed(5, 3);
    expectPassed(kSlots[4], "3");
    expectPassed(kSlots[0], "0");
    expectNoFiveShown();
    for (int i : {1, 2, 3, 5, 6, 7}) {
        expectOpen(kSlots[i]);
    }
    for (int slot : {0, 9, -1, INT_MIN}) {
        board->markVariantPassed(slot, 8); // ignored: no such slot
    }
    for (int i : {1, 2, 3, 5, 6, 7}) {
        expectOpen(kSlots[i]);
    }
    // Decimal without grouping whatever the locale, a minus sign only when negative.
    QLocale::setDefault(QLocale(QLocale::German));
    for (auto [count, text] : std::initializer_list<std::pair<int, const char *>>{
             {-7, "-7"}, {INT_MIN, "-2147483648"}, {1234567, "1234567"}}) {
        board->markVariantPassed(3, count);
        expectPassed(kSlots[2], text);
    }
    QLocale::setDefault(QLocale::c());
    QApplication::processEvents();
    // The mark is the picture, unscaled, where the pupil sees it.
    const QImage shown = board->grab().toImage();
    const QPoint at = named("Image1")->mapTo(board.get(), QPoint(0, 0));
    EXPECT_EQ(shown.copy(QRect(at, QSize(35, 35))).convertToFormat(QImage::Format_RGB888),
              loadPicture(":/assets/CompletionMark.jpg"));
}

// The count label's box starts on the button's bottom row (48 = 24 + 25 - 1); the button, a
// windowed control, lies above it, so its edge stays whole where the label meets it.
TEST_F(Board, APassedButtonsBottomRowIsWholeUnderItsCountLabel)
{
    showActive();
    board->markVariantPassed(1, 0);
    board->markVariantPassed(5, 12);
    QApplication::processEvents();
    const QImage shown = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const SlotRow &s : {kSlots[0], kSlots[4]}) {
        SCOPED_TRACE(s.button);
        TsButton *b = button(s.button);
        const QImage look = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRegion shape = b->mask().isEmpty() ? QRegion(b->rect()) : b->mask();
        const int y = b->height() - 1;
        ASSERT_EQ(b->mapTo(named("Panel1"), QPoint(0, y)).y(), s.countAt.y());
        int covered = 0;
        for (int x = 0; x < b->width(); ++x) {
            if (!shape.contains(QPoint(x, y))) {
                continue; // a corner cut out of the button: the panel shows there
            }
            const QPoint on = b->mapTo(board.get(), QPoint(x, y));
            EXPECT_EQ(QColor(shown.pixel(on)), QColor(look.pixel(x, y))) << "x " << x;
            covered += x + s.buttonAt.x() >= s.countAt.x();
        }
        EXPECT_GT(covered, 5) << "the count label's box reaches under the button";
    }
}

TEST_F(Board, VariantButtonsShowTheirExerciseOnceAndCloseAsksTheBoardToClose)
{
    QWidget sorting;
    QWidget writing;
    button("sButton1")->click(); // before the window set is complete: nothing happens
    board->setVariantWindow(1, [&sorting] { return &sorting; });
    board->setVariantWindow(5, [&writing] { return &writing; });
    showActive();
    QTest::mouseClick(button("sButton1"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sorting));
    EXPECT_FALSE(writing.isVisible());
    sorting.move(40, 50);
    showActive();
    QTest::mouseClick(button("sButton1"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), board.get()) << "a visible window is not raised";
    EXPECT_EQ(sorting.pos(), QPoint(40, 50));
    button("sButton5")->setFocus();
    QTest::keyClick(button("sButton5"), Qt::Key_Space);
    // A key click runs from the button's timer, after the key handler.
    EXPECT_TRUE(QTest::qWaitFor([&] { return writing.isVisible(); }));

    EventCounter closes(QEvent::Close);
    board->installEventFilter(&closes);
    QTest::mouseClick(button("sButton8"), Qt::LeftButton);
    EXPECT_EQ(closes.count, 1);
}

TEST_F(Board, CreditsMenuInOrderAndItsTwoActiveItemsGoToTheDesktop)
{
    const QList<QAction *> titles = board->menuBar()->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->menu()->objectName(), "N1");
    EXPECT_EQ(titles[0]->text(), "Сценарий и программирование");
    EXPECT_EQ(titles[1]->menu()->objectName(), "N3");
    EXPECT_EQ(titles[1]->text(), "Приглашение");
    auto captions = [](QMenu *menu) {
        QStringList out;
        for (QAction *a : menu->actions()) {
            out << a->objectName() + "=" + a->text();
        }
        return out;
    };
    const QString mail = QString::fromUtf8(credits::kAuthorMail);
    const QString link = QString::fromUtf8(credits::kCourseSignUp);
    EXPECT_EQ(captions(titles[0]->menu()),
              QStringList({"N2=" + QString::fromUtf8(credits::kAuthor), "mailMenuItem=" + mail}));
    EXPECT_EQ(
        captions(titles[1]->menu()),
        QStringList({"N4=на курсы ",
                     "courseTitleMenuItem=\"" + QString::fromUtf8(credits::kCourseTitle) + "\".",
                     "N5=Авторы курса:", "N6=" + QString::fromUtf8(credits::kCourseAuthors),
                     "N7=Записаться здесь:", "courseLinkMenuItem=" + link}));
    EXPECT_TRUE(mail.endsWith("@example.org"));
    EXPECT_EQ(QUrl(link).host(), "example.org");

    UrlCatcher catcher;
    for (const char *scheme : {"mailto", "https", "http"}) {
        QDesktopServices::setUrlHandler(scheme, &catcher, "open");
    }
    for (const char *idle : {"N2", "N4", "courseTitleMenuItem", "N5", "N6", "N7"}) {
        named<QAction>(idle)->trigger();
    }
    // Chosen with the mouse, an idle item closes its drop-down and nothing else.
    showActive();
    QMenuBar *bar = board->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(titles[1]).center());
    QMenu *courseMenu = titles[1]->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(courseMenu));
    QTest::mouseClick(courseMenu, Qt::LeftButton, {},
                      courseMenu->actionGeometry(named<QAction>("N5")).center());
    EXPECT_FALSE(courseMenu->isVisible());
    EXPECT_TRUE(catcher.opened.isEmpty()) << "these items only close the menu";
    QElapsedTimer clock;
    clock.start();
    named<QAction>("mailMenuItem")->trigger();
    named<QAction>("courseLinkMenuItem")->trigger();
    EXPECT_LT(clock.elapsed(), 1000) << "handed over, not waited for";
    EXPECT_EQ(catcher.opened, QList<QUrl>({QUrl("mailto:" + mail), QUrl(link)}));
    EXPECT_EQ(catcher.opened.value(1).toString(), link) << "the same text the item shows";
    for (const char *scheme : {"mailto", "https", "http"}) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
}

} // namespace

#include "test_board_slots.moc"
