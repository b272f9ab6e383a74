// The variant board: every control against its designed place, text, font and colour, the state
// of the slots after each pass, docking on resize, keyboard order, the credits menu and what the
// buttons do to the other windows.
#include "BevelPanel.h"
#include "BoardWindow.h"
#include "ButtonFixture.h"
#include "Credits.h"
#include "DesktopLook.h"
#include "Ink.h"
#include "PanelPixels.h"
#include "Pictures.h"
#include "QtPrinting.h"
#include "TsButton.h"
#include "TsButtonProbe.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace {

struct SlotRow
{
    const char *button, *caption, *image, *hint, *count;
    bool live;
    QPoint buttonAt, markAt, hintAt, countAt;
};

// clang-format off
const SlotRow kSlots[8] = {
    {"sButton1", "Вариант 1",   "Image1", "Label1",  "Label2",  true,  {54, 24},   {17, 21},   {60, 54},   {150, 48}},
    {"sButton2", "Вариант 2",   "Image2", "Label3",  "Label4",  false, {54, 86},   {17, 83},   {60, 117},  {150, 111}},
    {"sButton3", "Вариант 3",   "Image3", "Label5",  "Label6",  false, {54, 148},  {17, 145},  {60, 178},  {150, 172}},
    {"sButton4", "Вариант 4",   "Image4", "Label7",  "Label8",  false, {54, 210},  {17, 207},  {60, 240},  {150, 234}},
    {"sButton5", "Вариант 1-1", "Image5", "Label9",  "Label10", true,  {240, 24},  {200, 21},  {247, 54},  {337, 48}},
    {"sButton6", "Вариант 2-1", "Image6", "Label11", "Label12", false, {240, 86},  {200, 83},  {247, 117}, {337, 111}},
    {"sButton7", "Вариант 3-1", "Image7", "Label13", "Label14", false, {240, 148}, {200, 145}, {247, 178}, {337, 172}},
    {"sButton9", "Вариант 4-1", "Image8", "Label15", "Label16", false, {240, 210}, {200, 207}, {247, 240}, {337, 234}},
};
// clang-format on

const QColor kPanelYellow(255, 255, 225);
const Rgb kPanelRgb{255, 255, 225};

// Records what the board hands to the desktop instead of opening it.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

// Counts the events of one type that reach the objects it watches.
class EventCounter : public QObject
{
    Q_OBJECT
public:
    explicit EventCounter(QEvent::Type type) : m_type(type) {}
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == m_type;
        return false;
    }

private:
    QEvent::Type m_type;
};

class Board : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        applyDesktopLook(*qApp);
    }

    template <class T = QWidget> T *named(const char *name) const
    {
        if (T *found = board->findChild<T *>(QString::fromLatin1(name))) {
            return found;
        }
        throw std::runtime_error(std::string("the board has no ") + name);
    }
    TsButton *button(const char *name) const { return named<TsButton>(name); }
    QLabel *label(const char *name) const { return named<QLabel>(name); }

    void showActive()
    {
        board->show();
        board->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(board.get()));
    }

    // The designed state of a slot that was never passed.
    void expectOpen(const SlotRow &s) const
    {
        EXPECT_EQ(button(s.button)->isEnabled(), s.live) << s.button;
        EXPECT_TRUE(named(s.image)->isHidden()) << s.image;
        EXPECT_TRUE(label(s.hint)->isHidden()) << s.hint;
        EXPECT_TRUE(label(s.count)->isHidden()) << s.count;
    }
    void expectPassed(const SlotRow &s, const QString &count) const
    {
        EXPECT_FALSE(button(s.button)->isEnabled()) << s.button;
        EXPECT_TRUE(named(s.image)->isVisible()) << s.image;
        EXPECT_TRUE(label(s.hint)->isVisible()) << s.hint;
        EXPECT_TRUE(label(s.count)->isVisible()) << s.count;
        EXPECT_EQ(label(s.count)->text(), count);
        EXPECT_EQ(label(s.image)->pixmap().toImage(),
                  QPixmap::fromImage(loadPicture(":/assets/CompletionMark.jpg")).toImage())
            << s.image;
        const QFontMetrics fm(label(s.count)->font());
        EXPECT_EQ(label(s.count)->size(), QSize(fm.horizontalAdvance(count), fm.height()))
            << "the count label sizes itself to its text";
        EXPECT_EQ(button(s.button)->cursor().shape(), Qt::ArrowCursor);
    }

    std::unique_ptr<BoardWindow> board = std::make_unique<BoardWindow>();
};

TEST_F(Board, FrameMenuBarAndPanelsAsDesigned)
{
    showActive();
    EXPECT_EQ(board->objectName(), "Form1");
    EXPECT_EQ(board->windowTitle(), "Н и НН в прилагательных");
    const Qt::WindowFlags flags = board->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint && flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(board->windowIcon().isNull());
    EXPECT_EQ(board->palette().color(QPalette::Window), QColor(240, 225, 255));
    // The client area lies below the menu bar at its designed size.
    EXPECT_EQ(board->centralWidget()->geometry(), QRect(0, board->menuBar()->height(), 439, 351));
    EXPECT_EQ(board->menuBar()->objectName(), "MainMenu1");
    EXPECT_EQ(board->grab().toImage().pixelColor(5, 5), QColor(240, 240, 240))
        << "the menu bar in the desktop's colour, not the window's";

    auto *panel1 = named<BevelPanel>("Panel1");
    EXPECT_EQ(panel1->geometry(), QRect(19, 16, 401, 270));
    EXPECT_EQ(panel1->palette().color(QPalette::Window), kPanelYellow);
    expectBevelledPixels(panel1, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 3,
                         kPanelYellow);
    auto *panel2 = named<BevelPanel>("Panel2");
    EXPECT_EQ(panel2->geometry(), QRect(0, 298, 439, 53));
    expectBevelledPixels(panel2, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 2,
                         QColor(64, 0, 128));
    for (QWidget *w : board->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && name != "ClientArea" && !name.startsWith("qt_")) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << name.toStdString();
        }
    }
}

TEST_F(Board, EverySlotAtItsPlaceInItsLookAndOnlyTwoLiveAtStart)
{
    showActive();
    // At rest, every button shows its normal look: none keeps the focus.
    QApplication::focusWidget()->clearFocus();
    for (const SlotRow &s : kSlots) {
        SCOPED_TRACE(s.button);
        expectOpen(s);
        TsButton *b = button(s.button);
        EXPECT_EQ(b->parentWidget()->objectName(), "Panel1");
        EXPECT_EQ(b->geometry(), QRect(s.buttonAt, QSize(111, 25)));
        EXPECT_EQ(b->Caption(), QString::fromUtf8(s.caption));
        EXPECT_EQ(b->font().pixelSize(), 11);
        EXPECT_TRUE(b->font().bold());
        EXPECT_EQ(QFontInfo(b->font()).family(), "DejaVu Sans") << "Verdana's stand-in";
        EXPECT_EQ(b->FontColor(), QColor(0, 0, 0));
        EXPECT_EQ(probe(b).PaintingColor(), kPanelRgb);
        EXPECT_EQ(probe(b).HotPaintingColor(), (Rgb{143, 183, 207}));
        fixture::expectNormalLook(b, kPanelRgb, s.live ? nullptr : &kPanelRgb);
        EXPECT_EQ(b->cursor().shape(), s.live ? Qt::PointingHandCursor : Qt::ArrowCursor);

        auto *image = label(s.image);
        EXPECT_EQ(image->geometry(), QRect(s.markAt, QSize(35, 35)));
        // Unpassed, the mark has no picture yet: it is decoded when a variant is first passed.
        EXPECT_TRUE(image->pixmap().isNull());
        EXPECT_FALSE(image->hasScaledContents());

        auto *hint = label(s.hint);
        EXPECT_EQ(hint->pos(), s.hintAt);
        // Sized to its text: the ink fills the label from edge to edge and stays inside it.
        const QRect ink = inkBounds(hint, kPanelYellow);
        EXPECT_TRUE(hint->rect().contains(ink)) << ink.x() << "," << ink.width();
        EXPECT_LE(ink.left(), 2);
        EXPECT_GE(ink.right(), hint->width() - 3);
        EXPECT_EQ(ink.size(), inkOfText(hint->font(), "Подсказок:").size()) << "nothing cut off";
        EXPECT_EQ(hint->text(), "Подсказок:");
        auto *count = label(s.count);
        EXPECT_EQ(count->pos(), s.countAt);
        EXPECT_EQ(QFontInfo(count->font()).family(), "Liberation Serif") << "Times' stand-in";
        for (auto [l, px, colour] :
             {std::tuple{hint, 13, QColor(0, 0, 0)}, std::tuple{count, 21, QColor(255, 0, 0)}}) {
            EXPECT_EQ(l->font().pixelSize(), px);
            EXPECT_TRUE(QFontInfo(l->font()).bold());
            EXPECT_EQ(l->palette().color(QPalette::WindowText), colour);
            EXPECT_TRUE(l->autoFillBackground());
            EXPECT_EQ(l->palette().color(QPalette::Window), kPanelYellow);
        }
    }
}

TEST_F(Board, CloseButtonAsDesignedAndStaysInTheDockedPanelOnResize)
{
    showActive();
    TsButton *close = button("sButton8");
    EXPECT_EQ(close->parentWidget()->objectName(), "Panel2");
    EXPECT_EQ(close->Caption(), "З а к р ы т ь");
    EXPECT_EQ(close->font().pixelSize(), 13);
    EXPECT_TRUE(close->font().bold());
    EXPECT_EQ(close->FontColor(), QColor(255, 0, 255));
    EXPECT_EQ(probe(close).PaintingColor(), (Rgb{240, 225, 255}));
    EXPECT_EQ(probe(close).HotPaintingColor(), (Rgb{240, 225, 255}));
    fixture::expectNormalLook(close, Rgb{240, 225, 255});
    EXPECT_EQ(close->cursor().shape(), Qt::PointingHandCursor);
    for (QSize size : {QSize(700, 520), QSize(300, 200), QSize(439, 351)}) {
        board->resize(size.width(), size.height() + board->menuBar()->height());
        QApplication::processEvents();
        EXPECT_EQ(named("Panel2")->geometry(), QRect(0, size.height() - 53, size.width(), 53));
        EXPECT_EQ(close->geometry(), QRect(19, 14, 401, 25));
        EXPECT_EQ(named("Panel1")->geometry(), QRect(19, 16, 401, 270));
    }
}

TEST_F(Board, FocusStartsOnVariantOneAndTabSkipsDisabledButtons)
{
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), button("sButton1"));
    for (const char *next : {"sButton5", "sButton8", "sButton1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), button(next));
    }
    // With every button enabled the whole order shows: the columns, then the close button.
    QStringList order;
    for (QWidget *w = button("sButton1"); order.size() < 9; w = w->nextInFocusChain()) {
        if (qobject_cast<TsButton *>(w)) {
            order << w->objectName();
        }
    }
    EXPECT_EQ(order.join(' '), "sButton1 sButton2 sButton3 sButton4 sButton5 sButton6 sButton7 "
                               "sButton9 sButton8");
}

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

#include "test_board.moc"
