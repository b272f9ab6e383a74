// SPDX-License-Identifier: GPL-3.0-or-later
#include "SortingAccessible.h"

#include "AccessibleFactory.h"
#include "DropPicture.h"
#include "SortingWordLabel.h"
#include "SpokenText.h"
#include "WordPicker.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace sorting_accessible {
namespace {

class WordListAccessible : public QAccessibleWidget
{
public:
    explicit WordListAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::List) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            return WordPicker::wordListKeys();
        }
        return QAccessibleWidget::text(t);
    }
};

// What a word and a picture share: one action of their own in place of the widget's.
// QAccessibleWidget is its own action interface.
class OneActionAccessible : public QAccessibleWidget
{
public:
    OneActionAccessible(QWidget *w, QAccessible::Role role, const char *action, const QString &name,
                        const QString &description)
        : QAccessibleWidget(w, role), m_action(QString::fromLatin1(action)), m_name(name),
          m_description(description)
    {
    }

    QStringList actionNames() const override { return {m_action}; }
    QString localizedActionName(const QString &name) const override
    {
        return name == m_action ? m_name : QAccessibleWidget::localizedActionName(name);
    }
    QString localizedActionDescription(const QString &name) const override
    {
        return name == m_action ? m_description
                                : QAccessibleWidget::localizedActionDescription(name);
    }
    void doAction(const QString &name) override
    {
        // Only on a control the pupil could reach: a screen reader may still hold one of a
        // closed window.
        if (name == m_action && widget()->isVisible()) {
            act();
        }
    }

protected:
    virtual void act() = 0;

private:
    QString m_action;
    QString m_name;
    QString m_description;
};

class WordAccessible : public OneActionAccessible
{
public:
    explicit WordAccessible(SortingWordLabel *word)
        : OneActionAccessible(word, QAccessible::StaticText, kPickAction,
                              QStringLiteral("Взять слово"),
                              QStringLiteral("Взять это слово, чтобы положить его на картинку"))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            return WordPicker::wordKeys();
        }
        if (t == QAccessible::Name) {
            return spoken::gappedWord(word()->text());
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.selectable = true;
        s.focused = word()->hasKeyboardMark();
        s.selected = word()->isPicked();
        return s;
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        return name == QLatin1String(kPickAction) ? QStringList{QStringLiteral("Space")}
                                                  : QStringList{};
    }

private:
    void act() override { word()->pick(); }
    SortingWordLabel *word() const { return static_cast<SortingWordLabel *>(widget()); }
};

class PictureAccessible : public OneActionAccessible
{
public:
    explicit PictureAccessible(DropPicture *picture)
        : OneActionAccessible(picture, QAccessible::Graphic, kDropAction,
                              QStringLiteral("Положить слово сюда"),
                              QStringLiteral("Положить взятое слово на эту картинку"))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            return WordPicker::pictureKeys();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // A picture is where the keyboard is while it is the chosen one.
        s.focused = picture()->hasKeyboardChoice();
        return s;
    }

private:
    void act() override { picture()->requestDrop(); }
    DropPicture *picture() const { return static_cast<DropPicture *>(widget()); }
};

QAccessibleInterface *makeList(QObject *object)
{
    return new WordListAccessible(static_cast<QWidget *>(object));
}

QAccessibleInterface *makeWord(QObject *object)
{
    return new WordAccessible(static_cast<SortingWordLabel *>(object));
}

QAccessibleInterface *makePicture(QObject *object)
{
    return new PictureAccessible(static_cast<DropPicture *>(object));
}

} // namespace

void registerClasses()
{
    static const bool registered = [] {
        accessible_factory::addClass(WordPicker::staticMetaObject.className(), makeList);
        accessible_factory::addClass(SortingWordLabel::staticMetaObject.className(), makeWord);
        accessible_factory::addClass(DropPicture::staticMetaObject.className(), makePicture);
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace sorting_accessible
