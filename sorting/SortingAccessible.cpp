#include "SortingAccessible.h"

#include "AccessibleFactory.h"
#include "SpokenText.h"
#include "WordPicker.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace sorting_accessible {
namespace {

// The picker and the word's number, kept on the control itself: the interfaces read them when
// asked.
constexpr const char *kWordProperty = "nnAccessibleWord";
constexpr const char *kPickerProperty = "nnAccessiblePicker";

enum Kind { Word, Picture };

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
        if (t == QAccessible::Name && m_kind == Word) {
            return spoken::gappedWord(static_cast<const QLabel *>(widget())->text());
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

QAccessibleInterface *makeList(QObject *object)
{
    return new WordListAccessible(static_cast<QWidget *>(object));
}

QAccessibleInterface *makeWord(QObject *object)
{
    return new ActionAccessible(static_cast<QWidget *>(object), QAccessible::StaticText, Word);
}

QAccessibleInterface *makePicture(QObject *object)
{
    return new ActionAccessible(static_cast<QWidget *>(object), QAccessible::Graphic, Picture);
}

void tie(QWidget *w, WordPicker *picker)
{
    w->setProperty(kPickerProperty, QVariant::fromValue<QObject *>(picker));
}

} // namespace

void registerControls()
{
    static const bool registered = [] {
        // The described names: the list "Panel3", its words "Label3" to "Label22", the pictures
        // "Image1" (Н) and "Image2" (НН).
        constexpr const char *window = "SortingWindow";
        accessible_factory::addControl(window, QStringLiteral("Panel3"), makeList);
        for (int k = 1; k <= kSortingWordCount; ++k) {
            accessible_factory::addControl(window, QStringLiteral("Label%1").arg(k + 2), makeWord);
        }
        accessible_factory::addControl(window, QStringLiteral("Image1"), makePicture);
        accessible_factory::addControl(window, QStringLiteral("Image2"), makePicture);
        return true;
    }();
    Q_UNUSED(registered);
}

void describeWordList(QWidget *list, WordPicker *picker)
{
    tie(list, picker);
}

void describeWord(QLabel *word, int n, WordPicker *picker)
{
    word->setProperty(kWordProperty, n);
    tie(word, picker);
}

void describePicture(QLabel *picture, WordPicker *picker)
{
    tie(picture, picker);
}

} // namespace sorting_accessible
