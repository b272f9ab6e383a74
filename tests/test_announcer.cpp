// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is given: the announcer's notification and the spoken forms of decorated
// captions.
#include "Announcer.h"
#include "SpokenText.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(SpokenText, AGappedWordIsSaidWithItsGapNamedWhereItIs)
{
    const std::pair<const char *, const char *> cases[] = {
        {"лу_ый", "лу, пропуск, ый"}, {"ледя_ой", "ледя, пропуск, ой"}, {"_ый", "пропуск, ый"},
        {"лу_", "лу, пропуск"},       {"  лу_ый ", "лу, пропуск, ый"},  {"лунный", "лунный"},
    };
    for (const auto &[caption, said] : cases) {
        EXPECT_EQ(spoken::gappedWord(QString::fromUtf8(caption)), QString::fromUtf8(said))
            << caption;
    }
}

// Records each showing and hiding of a widget with the accessible name it has at that moment:
// what a reader that speaks a notification as it becomes showing would say.
class Heard : public QObject
{
    Q_OBJECT
public:
    explicit Heard(QWidget *widget) { widget->installEventFilter(this); }
    std::vector<std::string> changes;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            changes.push_back((event->type() == QEvent::Show ? "show:" : "hide:") +
                              static_cast<QWidget *>(watched)->accessibleName().toStdString());
        }
        return false;
    }
};

TEST(Announcer, EachMessageIsANotificationBecomingShowingWithItsNameAlreadySet)
{
    QWidget window;
    window.resize(100, 100);
    auto *announcer = new Announcer(&window);
    window.show();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(announcer);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::Notification);
    EXPECT_TRUE(iface->state().invisible) << "nothing to read before the first message";

    Heard heard(announcer);
    announcer->say(QStringLiteral("Ошибок, 1."));
    announcer->say(QStringLiteral("Ошибок, 1."));
    announcer->say(QStringLiteral("Ура!"));
    // The same words again are shown again; a name never changes while showing.
    const std::vector<std::string> expected{"show:Ошибок, 1.", "hide:Ошибок, 1.", "show:Ошибок, 1.",
                                            "hide:Ошибок, 1.", "show:Ура!"};
    EXPECT_EQ(heard.changes, expected);
    EXPECT_EQ(iface->text(QAccessible::Name), "Ура!");
    EXPECT_FALSE(iface->state().invisible);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(announcer), iface) << "one interface for life";
}

} // namespace

#include "test_announcer.moc"
