// SPDX-License-Identifier: GPL-3.0-or-later
// The four windows as assistive technology sees them: the accessibility tree of each window is
// walked from the window down, and every button, label, edit box and picture must be in it with
// its role and the name a screen reader speaks (the words of its text, or what the picture
// shows), each name written out here as the pupil must hear it.
#include "DesktopLook.h"
#include "QtPrinting.h"
#include "TsButton.h"
#include "BoardWindow.h"
#include "SortingWindow.h"
#include "WritingWindow.h"
#include "HelpWindow.h"
#include "VariantOneWords.h"
#include "WindowRules.h"
#include "WindowSet.h"
#include "WritingEditBox.h"

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

const QString kMainTitle = QStringLiteral("Н и НН в прилагательных");

// A gapped word as a reader says it, the gap named where it is: "лу_ый" is "лу, пропуск, ый".
QString gapNamed(const char *caption)
{
    return QString::fromUtf8(caption).replace(QLatin1Char('_'), QStringLiteral(", пропуск, "));
}

// The twenty words of the list as a reader says them, for the controls named <prefix><k + shift>.
void addWords(QMap<QString, QString> &names, const char *prefix, int shift)
{
    for (int k = 1; k <= 20; ++k) {
        names.insert(QString::fromLatin1(prefix) + QString::number(k + shift),
                     gapNamed(kVariantOneWords.at(std::size_t(k - 1)).caption));
    }
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
    // with its role and the name `names` gives for its object name, and no control that
    // `names` lacks. Hidden controls are in the tree too, marked invisible.
    void checkWindow(QWidget *window, const QString &title, const QMap<QString, QString> &names)
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
        EXPECT_EQ(tree[window].name, title);
        QAccessibleInterface *app = QAccessible::queryAccessibleInterface(qApp);
        ASSERT_TRUE(app);
        EXPECT_EQ(app->role(), QAccessible::Application);
        bool listed = false;
        for (int i = 0; i < app->childCount(); ++i) {
            QAccessibleInterface *top = app->child(i);
            listed =
                listed || (top && top->object() == window && top->text(QAccessible::Name) == title);
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
            ASSERT_TRUE(names.contains(what)) << "a control not expected: " << whatText;
            EXPECT_EQ(node.name, names[what]) << whatText;
            if (isButton) {
                ++buttons;
                EXPECT_EQ(node.role, QAccessible::Button)
                    << whatText << " role " << roleName(node.role).toStdString();
            } else if (isEdit) {
                ++boxes;
                EXPECT_EQ(node.role, QAccessible::EditableText) << whatText;
            } else if (!label->pixmap().isNull()) {
                ++images;
                EXPECT_EQ(node.role, QAccessible::Graphic) << whatText;
            } else {
                ++labels;
                EXPECT_EQ(node.role, QAccessible::StaticText) << whatText;
            }
        }
        EXPECT_EQ(buttons + labels + boxes + images, names.size());
        EXPECT_GT(buttons + labels + images, 0);
    }

    std::unique_ptr<WindowSet> windows;
};

// The board with every variant passed, variant i with i calls for help: its button, its mark,
// "Подсказок:" read with the count, and the count.
QMap<QString, QString> passedBoardNames()
{
    const char *const captions[8] = {"Вариант 1",   "Вариант 2",   "Вариант 3",   "Вариант 4",
                                     "Вариант 1-1", "Вариант 2-1", "Вариант 3-1", "Вариант 4-1"};
    const char *const buttons[8] = {"sButton1", "sButton2", "sButton3", "sButton4",
                                    "sButton5", "sButton6", "sButton7", "sButton9"};
    QMap<QString, QString> names{{QStringLiteral("sButton8"), QStringLiteral("Закрыть")}};
    for (int i = 0; i < 8; ++i) {
        const QString count = QString::number(i + 1);
        names.insert(QString::fromLatin1(buttons[i]), QString::fromUtf8(captions[i]));
        names.insert(QStringLiteral("Image%1").arg(i + 1),
                     QStringLiteral("Выполнено: ") + QString::fromUtf8(captions[i]));
        names.insert(QStringLiteral("Label%1").arg(2 * i + 1),
                     QStringLiteral("Подсказок: ") + count);
        names.insert(QStringLiteral("Label%1").arg(2 * i + 2), count);
    }
    return names;
}

TEST_F(Accessibility, BoardControlsHaveTheirNamesAndRoles)
{
    // A mark carries its picture once its variant is passed; then it is read as a picture.
    for (int slot = 1; slot <= 8; ++slot) {
        windows->board()->markVariantPassed(slot, slot);
    }
    checkWindow(windows->board(), kMainTitle, passedBoardNames());
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
    // The blanks that steer a label's line breaks are read as one; the drawn-out "Ура-а-а !" as
    // the word.
    QMap<QString, QString> names{
        {QStringLiteral("Image1"), QStringLiteral("Буква Н")},
        {QStringLiteral("Image2"), QStringLiteral("Буквы НН")},
        {QStringLiteral("Image3"), QStringLiteral("Полоса от жёлтого к розовому")},
        {QStringLiteral("Label1"), QStringLiteral("Ошибок:")},
        {QStringLiteral("Label2"), QStringLiteral("--")},
        {QStringLiteral("Label35"), QStringLiteral("Перетащи слова.")},
        {QStringLiteral("Label36"), QStringLiteral("Ура!")},
        {QStringLiteral("Label37"), QStringLiteral("Старайся обойтись без помощи.")},
        {QStringLiteral("sButton1"), QStringLiteral("Заново")},
        {QStringLiteral("sButton2"), QStringLiteral("Дальше")},
        {QStringLiteral("sButton3"), QStringLiteral("Помогите!")},
        {QStringLiteral("sButton5"), QStringLiteral("Проверить")}};
    addWords(names, "Label", 2);
    checkWindow(windows->sorting(), kMainTitle, names);
}

TEST_F(Accessibility, WritingWindowControlsHaveTheirNamesAndRoles)
{
    QMap<QString, QString> names{
        {QStringLiteral("Image1"), QStringLiteral("Мальчик смеётся")},
        {QStringLiteral("Image2"), QStringLiteral("Мальчик дразнится")},
        {QStringLiteral("Label1"), QStringLiteral("Щёлкни по слову.")},
        {QStringLiteral("Label2"), QStringLiteral("Напиши его.")},
        {QStringLiteral("Label23"), QStringLiteral("Отлично!")},
        {QStringLiteral("Label24"), QStringLiteral("Есть ошибки.")},
        {QStringLiteral("Label25"), QStringLiteral("Старайся обойтись без помощи.")},
        {QStringLiteral("sButton1"), QStringLiteral("Проверить")},
        {QStringLiteral("sButton2"), QStringLiteral("Дальше")},
        {QStringLiteral("sButton3"), QStringLiteral("Буду искать")},
        {QStringLiteral("sButton4"), QStringLiteral("Помогите!")}};
    addWords(names, "Label", 2);
    // An edit box is named by the word it is for; its value is what the pupil typed.
    addWords(names, "Edit", 0);
    checkWindow(windows->writing(), kMainTitle, names);
}

TEST_F(Accessibility, HelpWindowTextsAndPicturesHaveTheirNames)
{
    checkWindow(
        windows->help(), QStringLiteral("Помощь"),
        {{QStringLiteral("Image1"), QStringLiteral("Буква Н")},
         {QStringLiteral("Image2"), QStringLiteral("Буквы НН")},
         {QStringLiteral("Label1"), QStringLiteral("Если:")},
         {QStringLiteral("Label2"), QStringLiteral("2. суффиксы -ин- , -ан-, -ян-;")},
         {QStringLiteral("Label3"), QStringLiteral("1. нет суффикса;")},
         {QStringLiteral("Label4"), QStringLiteral("стеклянный, деревянный, оловянный.")},
         {QStringLiteral("Label5"), QStringLiteral("Если:")},
         {QStringLiteral("Label6"), QStringLiteral("1. основа заканчивается на Н и суффикс -Н-;")},
         {QStringLiteral("Label7"), QStringLiteral("2. суффиксы -енн- , -онн-;")},
         {QStringLiteral("Label8"), QStringLiteral("исключение:")},
         {QStringLiteral("Label9"), QStringLiteral("ветреный.")},
         {QStringLiteral("Label10"), QStringLiteral("исключение:")}});
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
