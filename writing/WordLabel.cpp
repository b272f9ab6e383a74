// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordLabel.h"

#include "AccessibleFactory.h"
#include "WritingEditBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace {

// The word as assistive technology sees it: a label, named by its gapped caption, whose press
// action is the click that opens its edit box. Its description tells the keys.
class WordLabelAccessible : public QAccessibleWidget
{
public:
    explicit WordLabelAccessible(WordLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    QString localizedActionDescription(const QString &action) const override
    {
        if (action == pressAction()) {
            return QStringLiteral("Написать слово полностью");
        }
        return QAccessibleWidget::localizedActionDescription(action);
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            // Only a word the pupil could click: a screen reader may still hold a word of a
            // closed window.
            if (widget()->isVisible() && widget()->isEnabled()) {
                static_cast<WordLabel *>(object())->activate();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *makeWordLabel(QObject *object)
{
    return new WordLabelAccessible(static_cast<WordLabel *>(object));
}

} // namespace

WordLabel::WordLabel(const QString &text, QWidget *parent) : QLabel(parent)
{
    // Known to the accessibility factory before the text is set: setting it may make the word's
    // interface.
    accessible_factory::addClass("WordLabel", makeWordLabel);
    // The text is set before the word takes the keyboard focus: Qt gives a label that takes the
    // focus a whole text document for every text set after that, which a word never needs.
    setTextFormat(Qt::PlainText);
    setText(text);
    setCursor(Qt::PointingHandCursor);
    // What assistive technology says of the word besides its name: its keys.
    setAccessibleDescription(
        QStringLiteral("Слово с пропуском. Enter или пробел — написать его "
                       "полностью в поле справа. Tab — дальше, Shift+Tab — назад."));
    // The keyboard order reaches the word; a click on it gives the focus to its edit box, never
    // to the word itself.
    setFocusPolicy(Qt::TabFocus);
}

void WordLabel::activate()
{
    Q_EMIT clicked();
}

void WordLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
    }
    event->accept();
}

void WordLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click arrives as this event alone. It starts no click, so
    // the release that follows ends nothing.
    event->accept();
}

void WordLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        activate();
    }
}

bool WordLabel::typeIntoEditBox(QKeyEvent *event)
{
    // Printable text without Ctrl, Alt or Meta (Shift and AltGr make letters too); Space is the
    // word's own key.
    const QString text = event->text();
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const bool printable =
        !text.isEmpty() && text != QLatin1String(" ") &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
    if (!printable || (event->modifiers() & commands) || !m_editBox || !m_editBox->isVisible() ||
        !m_editBox->isEnabled()) {
        return false;
    }
    m_editBox->takeFocusKeepingText();
    QCoreApplication::sendEvent(m_editBox, event);
    event->accept();
    return true;
}

void WordLabel::keyPressEvent(QKeyEvent *event)
{
    if (typeIntoEditBox(event)) {
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // One click per press: a key held down does not click again and again.
        event->accept();
        if (!event->isAutoRepeat()) {
            activate();
        }
        return;
    case Qt::Key_Space:
        // Space clicks when it is released, as on a push button; its press only arms it.
        event->accept();
        if (!event->isAutoRepeat()) {
            m_spacePressed = true;
        }
        return;
    default:
        QLabel::keyPressEvent(event);
        return;
    }
}

void WordLabel::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spacePressed) {
        m_spacePressed = false;
        event->accept();
        activate();
        return;
    }
    QLabel::keyReleaseEvent(event);
}

void WordLabel::focusOutEvent(QFocusEvent *event)
{
    // A Space pressed here and released elsewhere clicks nothing.
    m_spacePressed = false;
    QLabel::focusOutEvent(event);
}
