// The four windows as assistive technology sees them: the accessibility tree of each window is
// walked from the window down, and every button, label, edit box and picture must be in it with
// its role and a name a screen reader can speak (its text, or what the picture shows).
#include "BoardWindow.h"
#include "DesktopLook.h"
#include "HelpWindow.h"
#include "QtPrinting.h"
#include "SortingWindow.h"
#include "TsButton.h"
#include "WindowRules.h"
#include "WindowSet.h"
#include "WritingEditBox.h"
#include "WritingWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

struct Node
{
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
};

// Every object the tree reaches from `iface` down, with its role and name.
void walk(QAccessibleInterface *iface, QMap<QObject *, Node> &seen, int depth = 0)
{
    ASSERT_LT(depth, 64) << "the accessibility tree loops";
    if (QObject *object = iface->object()) {
        seen.insert(object, Node{iface->role(), iface->text(QAccessible::Name)});
    }
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        ASSERT_NE(child, nullptr) << "child " << i << " of "
                                  << iface->text(QAccessible::Name).toStdString();
        EXPECT_EQ(child->parent() ? child->parent()->object() : nullptr, iface->object())
            << "a child that does not know its parent: "
            << child->text(QAccessible::Name).toStdString();
        walk(child, seen, depth + 1);
    }
}

QMap<QObject *, Node> treeOf(QWidget *window)
{
    QMap<QObject *, Node> seen;
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    EXPECT_NE(root, nullptr);
    if (root) {
        walk(root, seen);
    }
    return seen;
}

// The name a reader is given for a caption decorated for the eye: the spaced and drawn-out words
// as words, a gapped word with its gap named where it is.
QString spokenAs(const QString &caption)
{
    static const QMap<QString, QString> decorated{
        {QStringLiteral("З а к р ы т ь"), QStringLiteral("Закрыть")},
        {QStringLiteral("Ура-а-а !"), QStringLiteral("Ура!")},
    };
    QString text = caption.simplified();
    return decorated.value(text, text.replace(QLatin1Char('_'), QStringLiteral(", пропуск, ")));
}

QString roleName(QAccessible::Role role)
{
    return QString::number(static_cast<int>(role), 16);
}

class Accessibility : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        applyDesktopLook(*qApp);
        // What a screen reader's bridge does first: the interfaces then follow every change.
        QAccessible::setActive(true);
    }

    void SetUp() override
    {
        windows = std::make_unique<WindowSet>();
        windows->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(windows->board()));
    }

    // Finds every button, label, edit box and picture of `window` in the tree walked from it,
    // with its role and name. Hidden controls are in the tree too, marked invisible.
    void checkWindow(QWidget *window, const QMap<QString, QString> &pictures,
                     const QMap<QString, QString> &editBoxes = {})
    {
        SCOPED_TRACE(window->objectName().toStdString());
        // On screen, as the pupil meets it: the application lists its shown windows.
        showWindow(window);
        const QMap<QObject *, Node> tree = treeOf(window);

        ASSERT_TRUE(tree.contains(window));
        // Qt reports a main window as a window and any other top-level widget as a client
        // area; either way the application lists it among its windows, under its title.
        EXPECT_TRUE(tree[window].role == QAccessible::Window ||
                    tree[window].role == QAccessible::Client)
            << roleName(tree[window].role).toStdString();
        EXPECT_EQ(tree[window].name, window->windowTitle());
        QAccessibleInterface *app = QAccessible::queryAccessibleInterface(qApp);
        ASSERT_TRUE(app);
        EXPECT_EQ(app->role(), QAccessible::Application);
        bool listed = false;
        for (int i = 0; i < app->childCount(); ++i) {
            QAccessibleInterface *top = app->child(i);
            listed = listed || (top && top->object() == window &&
                                top->text(QAccessible::Name) == window->windowTitle());
        }
        EXPECT_TRUE(listed) << "the application does not list the window";

        int buttons = 0;
        int labels = 0;
        int boxes = 0;
        int images = 0;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const QString what = control->objectName();
            const std::string whatText = what.toStdString();
            const bool isButton = qobject_cast<QAbstractButton *>(control) != nullptr;
            const bool isEdit = qobject_cast<QLineEdit *>(control) != nullptr;
            const auto *label = qobject_cast<QLabel *>(control);
            // Qt's own helpers inside a control (the menu bar's overflow button) are the
            // control's business.
            if ((!isButton && !isEdit && !label) || what.startsWith(QLatin1String("qt_"))) {
                continue;
            }
            ASSERT_TRUE(tree.contains(control)) << whatText << " is not in the accessibility tree";
            const Node &node = tree[control];
            EXPECT_FALSE(node.name.trimmed().isEmpty()) << whatText << " has no accessible name";
            if (isButton) {
                ++buttons;
                EXPECT_EQ(node.role, QAccessible::Button)
                    << whatText << " role " << roleName(node.role).toStdString();
                EXPECT_EQ(node.name, spokenAs(static_cast<QAbstractButton *>(control)->text()))
                    << whatText;
            } else if (isEdit) {
                ++boxes;
                EXPECT_EQ(node.role, QAccessible::EditableText) << whatText;
                ASSERT_TRUE(editBoxes.contains(what)) << "an edit box not expected: " << whatText;
                EXPECT_EQ(node.name, editBoxes[what]) << whatText;
            } else if (!label->pixmap().isNull()) {
                ++images;
                EXPECT_EQ(node.role, QAccessible::Graphic) << whatText;
                ASSERT_TRUE(pictures.contains(what)) << "a picture not expected: " << whatText;
                EXPECT_EQ(node.name, pictures[what]) << whatText;
            } else {
                ++labels;
                EXPECT_EQ(node.role, QAccessible::StaticText) << whatText;
                // A label's name is its text as read aloud: runs of blanks that only steer the
                // line breaks are read as one; a passed variant's "Подсказок:" goes on with its
                // count.
                const bool hintWithCount = label->text() == QStringLiteral("Подсказок:") &&
                                           node.name.startsWith(QStringLiteral("Подсказок: "));
                EXPECT_TRUE(node.name == spokenAs(label->text()) || hintWithCount)
                    << whatText << ": " << node.name.toStdString();
            }
        }
        EXPECT_EQ(images, pictures.size());
        EXPECT_EQ(boxes, editBoxes.size());
        EXPECT_GT(buttons + labels + images, 0);
    }

    std::unique_ptr<WindowSet> windows;
};

QMap<QString, QString> boardMarks()
{
    const char *const captions[8] = {"Вариант 1",   "Вариант 2",   "Вариант 3",   "Вариант 4",
                                     "Вариант 1-1", "Вариант 2-1", "Вариант 3-1", "Вариант 4-1"};
    QMap<QString, QString> marks;
    for (int i = 0; i < 8; ++i) {
        marks.insert(QStringLiteral("Image%1").arg(i + 1),
                     QStringLiteral("Выполнено: ") + QString::fromUtf8(captions[i]));
    }
    return marks;
}

TEST_F(Accessibility, BoardControlsHaveTheirNamesAndRoles)
{
    // A mark carries its picture once its variant is passed; then it is read as a picture.
    for (int slot = 1; slot <= 8; ++slot) {
        windows->board()->markVariantPassed(slot, slot);
    }
    checkWindow(windows->board(), boardMarks());
    const QMap<QObject *, Node> tree = treeOf(windows->board());
    auto *close = windows->board()->findChild<TsButton *>(QStringLiteral("sButton8"));
    ASSERT_TRUE(close);
    // Said as the word; the spaced caption stays on screen.
    EXPECT_EQ(tree[close].name, QStringLiteral("Закрыть"));
    EXPECT_EQ(close->text(), QStringLiteral("З а к р ы т ь"));
    EXPECT_EQ(tree[close].role, QAccessible::Button);
}

TEST_F(Accessibility, SortingWindowControlsHaveTheirNamesAndRoles)
{
    checkWindow(windows->sorting(),
                {{QStringLiteral("Image1"), QStringLiteral("Буква Н")},
                 {QStringLiteral("Image2"), QStringLiteral("Буквы НН")},
                 {QStringLiteral("Image3"), QStringLiteral("Полоса от жёлтого к розовому")}});
}

TEST_F(Accessibility, WritingWindowControlsHaveTheirNamesAndRoles)
{
    // An edit box is named by the word it is for; its value is what the pupil typed.
    QMap<QString, QString> boxes;
    for (int word = 1; word <= 20; ++word) {
        const auto caption = kWritingWords[std::size_t(word - 1)].caption;
        boxes.insert(QStringLiteral("Edit%1").arg(word),
                     spokenAs(QString::fromUtf8(caption.data(), qsizetype(caption.size()))));
    }
    checkWindow(windows->writing(),
                {{QStringLiteral("Image1"), QStringLiteral("Мальчик смеётся")},
                 {QStringLiteral("Image2"), QStringLiteral("Мальчик дразнится")}},
                boxes);
}

TEST_F(Accessibility, HelpWindowTextsAndPicturesHaveTheirNames)
{
    checkWindow(windows->help(), {{QStringLiteral("Image1"), QStringLiteral("Буква Н")},
                                  {QStringLiteral("Image2"), QStringLiteral("Буквы НН")}});
}

TEST_F(Accessibility, EveryControlIsFoundByNameAndRole)
{
    // What a screen reader user asks for: "the button Проверить", "the picture Буква Н". Each
    // window's tree answers for its own controls.
    struct Wanted
    {
        QWidget *window;
        QAccessible::Role role;
        const char *name;
    };
    const Wanted wanted[] = {
        {windows->board(), QAccessible::Button, "Вариант 1"},
        {windows->board(), QAccessible::Button, "Вариант 1-1"},
        {windows->board(), QAccessible::Button, "Вариант 4-1"},
        {windows->board(), QAccessible::Button, "Закрыть"},
        {windows->board(), QAccessible::StaticText, "Подсказок:"},
        {windows->sorting(), QAccessible::Button, "Проверить"},
        {windows->sorting(), QAccessible::Button, "Заново"},
        {windows->sorting(), QAccessible::Button, "Дальше"},
        {windows->sorting(), QAccessible::Button, "Помогите!"},
        {windows->sorting(), QAccessible::StaticText, "лу, пропуск, ый"},
        {windows->sorting(), QAccessible::StaticText, "Ура!"},
        {windows->sorting(), QAccessible::StaticText, "Перетащи слова."},
        {windows->sorting(), QAccessible::Graphic, "Буква Н"},
        {windows->sorting(), QAccessible::Graphic, "Буквы НН"},
        {windows->writing(), QAccessible::Button, "Проверить"},
        {windows->writing(), QAccessible::Button, "Буду искать"},
        {windows->writing(), QAccessible::Button, "Дальше"},
        {windows->writing(), QAccessible::Button, "Помогите!"},
        {windows->writing(), QAccessible::StaticText, "Щёлкни по слову."},
        {windows->writing(), QAccessible::StaticText, "деревя, пропуск, ый"},
        {windows->writing(), QAccessible::EditableText, "деревя, пропуск, ый"},
        {windows->writing(), QAccessible::Graphic, "Мальчик дразнится"},
        {windows->help(), QAccessible::StaticText, "стеклянный, деревянный, оловянный."},
        {windows->help(), QAccessible::Graphic, "Буквы НН"},
    };
    for (const Wanted &w : wanted) {
        // Asked of a window on screen, the only kind a screen reader presents.
        showWindow(w.window);
        const QMap<QObject *, Node> tree = treeOf(w.window);
        bool found = false;
        for (const Node &node : tree) {
            found = found || (node.role == w.role && node.name == QString::fromUtf8(w.name));
        }
        EXPECT_TRUE(found) << w.window->objectName().toStdString() << ": no " << w.name
                           << " with role " << roleName(w.role).toStdString();
    }
}

TEST_F(Accessibility, NamesFollowTextsThatChange)
{
    // A passed variant: the help count the board shows is read out as shown.
    windows->board()->markVariantPassed(5, 12);
    const QMap<QObject *, Node> tree = treeOf(windows->board());
    auto *count = windows->board()->findChild<QLabel *>(QStringLiteral("Label10"));
    ASSERT_TRUE(count);
    EXPECT_EQ(count->text(), QStringLiteral("12"));
    EXPECT_EQ(tree[count].name, QStringLiteral("12"));
    EXPECT_EQ(tree[count].role, QAccessible::StaticText);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(count);
    ASSERT_TRUE(iface);
    EXPECT_FALSE(iface->state().invisible);
    // A typed word is the box's value; its name stays the word it is for.
    auto *box = windows->writing()->findChild<WritingEditBox *>(QStringLiteral("Edit2"));
    ASSERT_TRUE(box);
    box->setText(QStringLiteral("лунный"));
    QAccessibleInterface *boxIface = QAccessible::queryAccessibleInterface(box);
    ASSERT_TRUE(boxIface);
    EXPECT_EQ(boxIface->text(QAccessible::Name), QStringLiteral("лу, пропуск, ый"));
    EXPECT_EQ(boxIface->text(QAccessible::Value), QStringLiteral("лунный"));
}

} // namespace
