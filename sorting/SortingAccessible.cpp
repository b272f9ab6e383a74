#include "SortingAccessible.h"

#include "WordPicker.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace sorting_accessible {
namespace {

// What a control is to assistive technology, kept on the control itself: the accessibility
// factory below is a plain function and finds it there.
constexpr const char *kKindProperty = "nnAccessibleKind";
constexpr const char *kWordProperty = "nnAccessibleWord";
constexpr const char *kPickerProperty = "nnAccessiblePicker";

enum Kind { List = 1, Word, Picture };

WordPicker *pickerOf(const QWidget *w)
{
    return qobject_cast<WordPicker *>(w->property(kPickerProperty).value<QObject *>());
}

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

// A word or a picture: its own role and name, the keys in its description, and one action.
// QAccessibleWidget is its own action interface; its actions are replaced by the one here.
class ActionAccessible : public QAccessibleWidget
{
public:
    ActionAccessible(QWidget *w, QAccessible::Role role, Kind kind)
        : QAccessibleWidget(w, role), m_kind(kind)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            return m_kind == Word ? WordPicker::wordKeys() : WordPicker::pictureKeys();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (m_kind == Word) {
            const int n = widget()->property(kWordProperty).toInt();
            WordPicker *picker = pickerOf(widget());
            s.focusable = true;
            s.selectable = true;
            s.focused = picker && picker->isFocusOn(n);
            s.selected = picker && picker->pickedWord() == n;
        } else {
            // A picture is where the keyboard is while it is the chosen one.
            WordPicker *picker = pickerOf(widget());
            s.focused = picker && picker->isChosenWithFocus(widget());
        }
        return s;
    }

    QStringList actionNames() const override
    {
        return {QString::fromLatin1(m_kind == Word ? kPickAction : kDropAction)};
    }
    QString localizedActionName(const QString &name) const override
    {
        if (name == QLatin1String(kPickAction)) {
            return QStringLiteral("Взять слово");
        }
        if (name == QLatin1String(kDropAction)) {
            return QStringLiteral("Положить слово сюда");
        }
        return QAccessibleWidget::localizedActionName(name);
    }
    QString localizedActionDescription(const QString &name) const override
    {
        if (name == QLatin1String(kPickAction)) {
            return QStringLiteral("Взять это слово, чтобы положить его на картинку");
        }
        if (name == QLatin1String(kDropAction)) {
            return QStringLiteral("Положить взятое слово на эту картинку");
        }
        return QAccessibleWidget::localizedActionDescription(name);
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name == QLatin1String(kPickAction)) {
            return {QStringLiteral("Space")};
        }
        return {};
    }
    void doAction(const QString &name) override
    {
        WordPicker *picker = pickerOf(widget());
        if (!picker || !widget()->isVisible()) {
            return;
        }
        if (m_kind == Word && name == QLatin1String(kPickAction)) {
            picker->pick(widget()->property(kWordProperty).toInt());
        } else if (m_kind == Picture && name == QLatin1String(kDropAction)) {
            picker->dropOn(static_cast<QLabel *>(widget()));
        }
    }

private:
    Kind m_kind;
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    auto *w = static_cast<QWidget *>(object);
    switch (w->property(kKindProperty).toInt()) {
    case List:
        return new WordListAccessible(w);
    case Word:
        return new ActionAccessible(w, QAccessible::StaticText, Word);
    case Picture:
        return new ActionAccessible(w, QAccessible::Graphic, Picture);
    default:
        return nullptr;
    }
}

void mark(QWidget *w, Kind kind, WordPicker *picker)
{
    // Installed once, after Qt's own factories: the last installed is asked first.
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    w->setProperty(kKindProperty, int(kind));
    w->setProperty(kPickerProperty, QVariant::fromValue<QObject *>(picker));
    // Qt makes and keeps an interface for a control as soon as the control announces a change,
    // even while it is being made; that one is Qt's plain one and goes, so that the next
    // question finds ours.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    if (iface && !dynamic_cast<WordListAccessible *>(iface) &&
        !dynamic_cast<ActionAccessible *>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

} // namespace

void describeWordList(QWidget *list, WordPicker *picker)
{
    mark(list, List, picker);
}

void describeWord(QLabel *word, int n, WordPicker *picker)
{
    word->setProperty(kWordProperty, n);
    mark(word, Word, picker);
}

void describePicture(QLabel *picture, WordPicker *picker)
{
    mark(picture, Picture, picker);
}

} // namespace sorting_accessible
