#include "WordPicker.h"

#include "Announcer.h"
#include "OutlineMark.h"
#include "SpokenText.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace {

// The marks in the window's own colours: the navy of its instruction text on the pale yellow of
// the word list.
const QColor kMarkNavy(0, 0, 128);
const QColor kListYellow(255, 255, 202);

// The dotted frame stands two pixels off the word: words lie five pixels apart.
constexpr int kFocusMargin = 2;
// The band stands two pixels off the picture, inside the nine pixels between the pictures.
constexpr int kPictureMargin = 2 + 3;

} // namespace

WordPicker::WordPicker(QWidget *wordList, const std::array<QLabel *, kSortingWordCount> &words,
                       QLabel *doubleN, QLabel *singleN, Announcer *announcer, View view,
                       DropHandler drop)
    : QObject(wordList), m_list(wordList), m_words(words), m_doubleN(doubleN), m_singleN(singleN),
      m_announcer(announcer), m_view(std::move(view)), m_drop(std::move(drop))
{
    // One stop of the keyboard order, reached by Tab only: a click on a word leaves the focus
    // where it was, as it always did.
    m_list->setFocusPolicy(Qt::TabFocus);
    m_list->installEventFilter(this);
    m_list->window()->installEventFilter(this);
    m_focusMark = new OutlineMark(m_list, OutlineMark::Line::Dotted, kMarkNavy, kFocusMargin);
    m_pictureMark =
        new OutlineMark(m_doubleN->parentWidget(), OutlineMark::Line::Band, kMarkNavy, 0);
    m_pick.settle(m_view());
}

QLabel *WordPicker::label(int n) const
{
    return n >= 1 && n <= kSortingWordCount ? m_words[static_cast<std::size_t>(n - 1)] : nullptr;
}

QLabel *WordPicker::pictureOf(SortingPick::Picture picture) const
{
    switch (picture) {
    case SortingPick::Picture::DoubleN:
        return m_doubleN;
    case SortingPick::Picture::SingleN:
        return m_singleN;
    case SortingPick::Picture::None:
        break;
    }
    return nullptr;
}

QString WordPicker::captionOf(int n) const
{
    const QLabel *word = label(n);
    return word ? word->text() : QString();
}

bool WordPicker::isFocusOn(int n) const
{
    return m_list->hasFocus() && m_pick.focusedWord() == n && m_view().isWordVisible(n);
}

bool WordPicker::isChosenWithFocus(const QWidget *picture) const
{
    return m_list->hasFocus() && picture && picture == pictureOf(m_pick.chosenPicture()) &&
           m_view().targetPanelVisible;
}

void WordPicker::wordClicked(int n)
{
    pick(n);
}

bool WordPicker::pick(int n)
{
    if (!m_pick.pick(m_view(), n)) {
        return false;
    }
    updateMarks();
    m_announcer->say(QStringLiteral("Взято слово %1.").arg(spoken::gappedWord(captionOf(n))));
    return true;
}

bool WordPicker::dropOn(const QLabel *picture)
{
    const std::string_view code =
        picture == m_doubleN ? kDoubleNCode : (picture == m_singleN ? kSingleNCode : "");
    const std::optional<SortingPick::Drop> drop = m_pick.dropPickedOn(m_view(), code);
    dropFrom(drop);
    return drop.has_value();
}

void WordPicker::dropFrom(const std::optional<SortingPick::Drop> &drop)
{
    if (!drop) {
        return;
    }
    m_drop(drop->code == kDoubleNCode ? m_doubleN : m_singleN, drop->word);
}

void WordPicker::dropped()
{
    m_pick.dropped(m_view());
    updateMarks();
    // Back from the picture to the word the keyboard is on, the next one after a right drop.
    announceFocus();
}

void WordPicker::viewChanged()
{
    m_pick.viewChanged(m_view());
    updateMarks();
}

void WordPicker::cancel()
{
    if (m_pick.pickedWord() == 0) {
        return;
    }
    m_pick.cancel();
    updateMarks();
    m_announcer->say(QStringLiteral("Слово отпущено."));
    announceFocus();
}

bool WordPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return handleKey(static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn:
            m_pick.settle(m_view());
            updateMarks();
            // After Qt has told of the list's own focus, which follows this event: the word
            // is what the pupil is on.
            QMetaObject::invokeMethod(this, &WordPicker::announceFocus, Qt::QueuedConnection);
            return false;
        case QEvent::FocusOut:
            updateMarks();
            return false;
        default:
            // A click on the list's background is a click elsewhere.
            return watchClicks(watched, event);
        }
    }
    if (watched == m_list->window() && event->type() == QEvent::Hide) {
        // The pick lasts no longer than the window is shown.
        m_pick.cancel();
        updateMarks();
        return false;
    }
    return watchClicks(watched, event);
}

bool WordPicker::handleKey(const QKeyEvent *key)
{
    const SortingView &view = m_view();
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    std::optional<SortingPick::Move> move;
    switch (key->key()) {
    case Qt::Key_Up:
        move = SortingPick::Move::Previous;
        break;
    case Qt::Key_Down:
        move = SortingPick::Move::Next;
        break;
    case Qt::Key_Home:
        move = SortingPick::Move::First;
        break;
    case Qt::Key_End:
        move = SortingPick::Move::Last;
        break;
    case Qt::Key_1:
        dropFrom(m_pick.dropFocusedOn(view, kSingleNCode));
        return true;
    case Qt::Key_2:
        dropFrom(m_pick.dropFocusedOn(view, kDoubleNCode));
        return true;
    default:
        return handlePickKey(key);
    }
    if (m_pick.moveFocus(view, *move)) {
        updateMarks();
        announceFocus();
    }
    return true;
}

bool WordPicker::handlePickKey(const QKeyEvent *key)
{
    const SortingView &view = m_view();
    const bool picked = m_pick.pickedWord() != 0;
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (picked && m_pick.chosenPicture() != SortingPick::Picture::None) {
            dropFrom(m_pick.dropOnChosen(view));
        } else if (m_pick.focusedWord() != m_pick.pickedWord()) {
            pick(m_pick.focusedWord());
        }
        return true;
    case Qt::Key_Right:
    case Qt::Key_Left:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool forward = key->key() == Qt::Key_Right || (key->key() == Qt::Key_Tab &&
                                                             !(key->modifiers() & Qt::ShiftModifier));
        if (!picked) {
            // Tab goes on to the next control as everywhere; the arrows have nothing to do.
            return key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
        }
        if (m_pick.choose(view, forward ? SortingPick::Move::Next : SortingPick::Move::Previous)) {
            updateMarks();
            QLabel *chosen = pictureOf(m_pick.chosenPicture());
            QAccessibleEvent focus(chosen, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return true;
    }
    case Qt::Key_Escape:
        if (picked) {
            cancel();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool WordPicker::watchClicks(QObject *watched, QEvent *event)
{
    // Only while a word is picked: a click on a picture drops it there, a click anywhere else
    // in the window or Esc lets it go. Presses on words are the drag's: a click on one picks it anew.
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && m_pick.pickedWord() != 0 && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == m_list->window() &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        // Esc lets the word go wherever the keyboard is in the window.
        cancel();
        return true;
    }
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) ||
        !watched->isWidgetType()) {
        return false;
    }
    auto *widget = static_cast<QWidget *>(watched);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    // The control under the pointer first; a press it leaves goes on to its parents, and is
    // the same click.
    if (widget->window() != m_list->window() || mouse->button() != Qt::LeftButton ||
        QApplication::widgetAt(global) != widget) {
        return false;
    }
    const bool onPicture = widget == m_doubleN || widget == m_singleN;
    if (type == QEvent::MouseButtonPress) {
        m_pressedPicture = onPicture ? widget : nullptr;
        const bool onWord = std::find(m_words.begin(), m_words.end(), widget) != m_words.end();
        if (!onPicture && !onWord) {
            cancel();
        }
        return false;
    }
    QWidget *pressed = m_pressedPicture;
    m_pressedPicture = nullptr;
    if (pressed && pressed == widget) {
        dropOn(static_cast<QLabel *>(pressed));
    }
    return false;
}

void WordPicker::updateClickWatch()
{
    const bool watch = m_pick.pickedWord() != 0;
    if (watch == m_watchingClicks) {
        return;
    }
    m_watchingClicks = watch;
    if (watch) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
        m_pressedPicture = nullptr;
    }
}

void WordPicker::updateMarks()
{
    const SortingView &view = m_view();
    // The picked word inverted: the list's yellow on navy.
    const int picked = m_pick.pickedWord();
    if (picked != m_markedPick) {
        if (QLabel *was = label(m_markedPick)) {
            QPalette palette = was->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            palette.setColor(QPalette::Window, kListYellow);
            was->setPalette(palette);
        }
        if (QLabel *now = label(picked)) {
            QPalette palette = now->palette();
            palette.setColor(QPalette::WindowText, kListYellow);
            palette.setColor(QPalette::Window, kMarkNavy);
            now->setPalette(palette);
        }
        m_markedPick = picked;
    }

    // The keyboard's dotted frame: on its word while the list has the focus, round the whole
    // list when no word is left.
    if (m_list->hasFocus()) {
        const QLabel *focused = label(m_pick.focusedWord());
        if (focused && view.isWordVisible(m_pick.focusedWord())) {
            m_focusMark->frame(focused->geometry());
        } else {
            m_focusMark->frame(m_list->rect().adjusted(6, 6, -6, -6));
        }
    } else {
        m_focusMark->clear();
    }

    QLabel *chosen = pictureOf(m_pick.chosenPicture());
    if (chosen && view.targetPanelVisible) {
        m_pictureMark->frame(chosen->geometry().adjusted(-kPictureMargin, -kPictureMargin,
                                                         kPictureMargin, kPictureMargin));
    } else {
        m_pictureMark->clear();
    }
    updateClickWatch();
}

void WordPicker::announceFocus()
{
    if (!m_list->hasFocus()) {
        return;
    }
    const int n = m_pick.focusedWord();
    if (QLabel *word = label(n); word && m_view().isWordVisible(n)) {
        QAccessibleEvent focus(word, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

// The keys as a reader says them: each key by the name printed on it, a dash between a key and
// what it does, sentences between groups (a reader spells out ":" and ";").
QString WordPicker::wordListKeys()
{
    return QStringLiteral(
        "Стрелки вверх и вниз, Home и End — по словам. Пробел или Enter — взять слово. "
        "Затем стрелки влево и вправо или Tab — выбрать картинку, пробел или Enter — положить. "
        "1 — сразу на картинку Н, 2 — на картинку НН. Esc — отпустить слово.");
}

QString WordPicker::wordKeys()
{
    return QStringLiteral("Пробел или Enter — взять, 1 — на картинку Н, 2 — на картинку НН.");
}

QString WordPicker::pictureKeys()
{
    return QStringLiteral("Сюда кладут взятое слово щелчком по картинке, пробелом или Enter, "
                          "когда картинка выбрана стрелками или Tab.");
}
