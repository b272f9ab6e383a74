#include "WordPicker.h"

#include "Announcer.h"
#include "DesktopLook.h"
#include "FocusMark.h"
#include "SpokenText.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

WordPicker::WordPicker(QWidget *parent) : BevelPanel(parent)
{
    // One stop of the keyboard order, reached by Tab only: a click on a word leaves the focus
    // where it was.
    setFocusPolicy(Qt::TabFocus);
}

void WordPicker::setWord(int n, QLabel *word)
{
    m_words[static_cast<std::size_t>(n - 1)] = word;
}

void WordPicker::setTargets(QLabel *doubleN, QLabel *singleN, Announcer *announcer,
                            DropHandler drop)
{
    m_doubleN = doubleN;
    m_singleN = singleN;
    m_announcer = announcer;
    m_drop = std::move(drop);
    m_pictureMark = new FocusMark(doubleN->parentWidget());
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
    return hasFocus() && m_pick.focusedWord() == n && m_view.isWordVisible(n);
}

bool WordPicker::isChosenWithFocus(const QWidget *picture) const
{
    return hasFocus() && picture && picture == pictureOf(m_pick.chosenPicture()) &&
           m_view.targetPanelVisible;
}

void WordPicker::wordClicked(int n)
{
    pick(n);
}

bool WordPicker::pick(int n)
{
    if (!m_pick.pick(m_view, n)) {
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
    const std::optional<SortingPick::Drop> drop = m_pick.dropPickedOn(m_view, code);
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

void WordPicker::dropped(const SortingView &view)
{
    m_view = view;
    m_pick.dropped(m_view);
    updateMarks();
    // Back from the picture to the word the keyboard is on, the next one after a right drop.
    announceFocus();
}

void WordPicker::viewChanged(const SortingView &view)
{
    m_view = view;
    m_pick.viewChanged(m_view);
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

void WordPicker::focusInEvent(QFocusEvent *event)
{
    BevelPanel::focusInEvent(event);
    m_pick.settle(m_view);
    updateMarks();
    // After Qt has told of the list's own focus, which follows this event: the word is what
    // the pupil is on.
    QMetaObject::invokeMethod(this, &WordPicker::announceFocus, Qt::QueuedConnection);
}

void WordPicker::focusOutEvent(QFocusEvent *event)
{
    BevelPanel::focusOutEvent(event);
    updateMarks();
}

void WordPicker::hideEvent(QHideEvent *event)
{
    BevelPanel::hideEvent(event);
    // The list hides with its window: the pick lasts no longer than the window is shown.
    m_pick.cancel();
    updateMarks();
}

void WordPicker::paintEvent(QPaintEvent *event)
{
    BevelPanel::paintEvent(event);
    m_focusFrame = focusFrame();
    if (!m_focusFrame.isEmpty()) {
        QPainter painter(this);
        FocusMark::paint(painter, m_focusFrame);
    }
}

QRect WordPicker::focusFrame() const
{
    if (!hasFocus()) {
        return {};
    }
    const QLabel *focused = label(m_pick.focusedWord());
    if (focused && m_view.isWordVisible(m_pick.focusedWord())) {
        return focused->geometry();
    }
    // No word left: the frame lies just inside the list's bevels.
    const int inset = 6 + FocusMark::kWidth + FocusMark::kGap;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void WordPicker::keyPressEvent(QKeyEvent *key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        key->ignore();
        return;
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
        dropFrom(m_pick.dropFocusedOn(m_view, kSingleNCode));
        return;
    case Qt::Key_2:
        dropFrom(m_pick.dropFocusedOn(m_view, kDoubleNCode));
        return;
    default:
        key->setAccepted(handlePickKey(key));
        return;
    }
    if (m_pick.moveFocus(m_view, *move)) {
        updateMarks();
        announceFocus();
    }
}

bool WordPicker::handlePickKey(const QKeyEvent *key)
{
    const bool picked = m_pick.pickedWord() != 0;
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (picked && m_pick.chosenPicture() != SortingPick::Picture::None) {
            dropFrom(m_pick.dropOnChosen(m_view));
        } else if (m_pick.focusedWord() != m_pick.pickedWord()) {
            pick(m_pick.focusedWord());
        }
        return true;
    case Qt::Key_Right:
    case Qt::Key_Left:
        // Without a picked word the arrows have nothing to choose.
        choosePicture(key->key() == Qt::Key_Right);
        return true;
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

bool WordPicker::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab choose a picture while a word is picked, and go on to the next control
    // otherwise, as everywhere.
    return choosePicture(next) || BevelPanel::focusNextPrevChild(next);
}

bool WordPicker::choosePicture(bool forward)
{
    if (m_pick.pickedWord() == 0) {
        return false;
    }
    if (m_pick.choose(m_view, forward ? SortingPick::Move::Next : SortingPick::Move::Previous)) {
        updateMarks();
        QAccessibleEvent focus(pictureOf(m_pick.chosenPicture()), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    return true;
}

bool WordPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && m_pick.pickedWord() != 0) {
        return watchClicks(event);
    }
    return BevelPanel::eventFilter(watched, event);
}

bool WordPicker::watchClicks(QEvent *event)
{
    // A click on a picture drops the picked word there, a click anywhere else in the window or
    // Esc lets it go. Presses on words are the drag's: a click on one picks it anew.
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        // Esc lets the word go wherever the keyboard is in the window.
        cancel();
        return true;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto *mouse = static_cast<QMouseEvent *>(event);
    QWidget *under = QApplication::widgetAt(mouse->globalPosition().toPoint());
    if (mouse->button() != Qt::LeftButton || !under || under->window() != window()) {
        return false;
    }
    const bool onPicture = under == m_doubleN || under == m_singleN;
    if (type == QEvent::MouseButtonPress) {
        m_pressedPicture = onPicture ? under : nullptr;
        const bool onWord = std::find(m_words.begin(), m_words.end(), under) != m_words.end();
        if (!onPicture && !onWord) {
            cancel();
        }
        return false;
    }
    QWidget *pressed = m_pressedPicture;
    m_pressedPicture = nullptr;
    if (pressed && pressed == under) {
        dropOn(static_cast<QLabel *>(pressed));
    }
    return false;
}

void WordPicker::updateClickWatch()
{
    // The window's own events, before any of its controls has them: only this window's clicks
    // count, and only while a word is picked.
    QWindow *const watch = m_pick.pickedWord() != 0 ? window()->windowHandle() : nullptr;
    if (watch == m_watchedWindow) {
        return;
    }
    if (m_watchedWindow) {
        m_watchedWindow->removeEventFilter(this);
    }
    m_watchedWindow = watch;
    m_pressedPicture = nullptr;
    if (watch) {
        watch->installEventFilter(this);
    }
}

void WordPicker::updateMarks()
{
    // The picked word inverted: the list's colour on navy.
    const int picked = m_pick.pickedWord();
    if (picked != m_markedPick) {
        const QColor listColor = toQColor(color());
        if (QLabel *was = label(m_markedPick)) {
            QPalette palette = was->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            palette.setColor(QPalette::Window, listColor);
            was->setPalette(palette);
        }
        if (QLabel *now = label(picked)) {
            QPalette palette = now->palette();
            palette.setColor(QPalette::WindowText, listColor);
            palette.setColor(QPalette::Window, FocusMark::kColor);
            now->setPalette(palette);
        }
        m_markedPick = picked;
    }

    // The keyboard's mark on its word, painted by the list itself.
    if (const QRect frame = focusFrame(); frame != m_focusFrame) {
        update(FocusMark::frameAround(m_focusFrame));
        update(FocusMark::frameAround(frame));
        m_focusFrame = frame;
    }

    if (m_pictureMark) {
        QLabel *chosen = pictureOf(m_pick.chosenPicture());
        m_pictureMark->mark(chosen && m_view.targetPanelVisible ? chosen : nullptr);
    }
    updateClickWatch();
}

void WordPicker::announceFocus()
{
    if (!hasFocus()) {
        return;
    }
    const int n = m_pick.focusedWord();
    if (QLabel *word = label(n); word && m_view.isWordVisible(n)) {
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
