// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordPicker.h"

#include "Announcer.h"
#include "DropPicture.h"
#include "FocusMark.h"
#include "SortingAccessible.h"
#include "SortingWordLabel.h"
#include "SpokenText.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

WordPicker::WordPicker(QWidget *parent) : BevelPanel(parent)
{
    // Known to assistive technology as a list from its first moment.
    sorting_accessible::registerClasses();
    // One stop of the keyboard order, reached by Tab only: a click on a word leaves the focus
    // where it was.
    setFocusPolicy(Qt::TabFocus);
}

void WordPicker::setWord(int n, SortingWordLabel *word)
{
    m_words[static_cast<std::size_t>(n - 1)] = word;
    connect(word, &SortingWordLabel::pickRequested, this, &WordPicker::pick);
}

void WordPicker::setPictures(DropPicture *doubleN, DropPicture *singleN, Announcer *announcer)
{
    m_doubleN = doubleN;
    m_singleN = singleN;
    m_announcer = announcer;
    for (DropPicture *picture : {doubleN, singleN}) {
        connect(picture, &DropPicture::dropRequested, this, [this, picture] { dropOn(picture); });
    }
}

SortingWordLabel *WordPicker::word(int n) const
{
    return n >= 1 && n <= kSortingWordCount ? m_words[static_cast<std::size_t>(n - 1)] : nullptr;
}

DropPicture *WordPicker::pictureOf(SortingPick::Picture picture) const
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

bool WordPicker::pick(int n)
{
    if (!m_pick.pick(m_view, n)) {
        return false;
    }
    updateMarks();
    m_announcer->say(QStringLiteral("Взято слово %1.").arg(spoken::gappedWord(word(n)->text())));
    return true;
}

void WordPicker::dropOn(DropPicture *picture)
{
    const std::string code = picture->answerCode().toStdString();
    dropFrom(m_pick.dropPickedOn(m_view, code));
}

void WordPicker::dropFrom(const std::optional<SortingPick::Drop> &drop)
{
    if (!drop) {
        return;
    }
    // The pick is over: the marks show so before the drop goes on, and nothing here runs after
    // it.
    updateMarks();
    // The picture whose answer code the drop carries.
    for (DropPicture *picture : {m_doubleN, m_singleN}) {
        if (picture->answerCode().toStdString() == drop->code) {
            Q_EMIT dropRequested(drop->word, picture);
            return;
        }
    }
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

void WordPicker::letGo()
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
    const SortingWordLabel *focused = word(m_pick.focusedWord());
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
    default:
        // Esc is the window's: it lets go of whatever the pupil holds, wherever the focus is.
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

void WordPicker::updateMarks()
{
    // The picked word inverted.
    const int picked = m_pick.pickedWord();
    if (picked != m_markedPick) {
        if (SortingWordLabel *was = word(m_markedPick)) {
            was->setPicked(false);
        }
        if (SortingWordLabel *now = word(picked)) {
            now->setPicked(true);
        }
        m_markedPick = picked;
    }

    // The keyboard's mark on its word, painted by the list itself.
    if (const QRect frame = focusFrame(); frame != m_focusFrame) {
        update(FocusMark::frameAround(m_focusFrame));
        update(FocusMark::frameAround(frame));
        m_focusFrame = frame;
    }
    for (int n = 1; n <= kSortingWordCount; ++n) {
        if (SortingWordLabel *w = word(n)) {
            w->setKeyboardMark(hasFocus() && m_pick.focusedWord() == n && m_view.isWordVisible(n));
        }
    }

    // The chosen picture framed while the pictures are shown.
    const DropPicture *chosen =
        m_view.targetPanelVisible ? pictureOf(m_pick.chosenPicture()) : nullptr;
    for (DropPicture *picture : {m_doubleN, m_singleN}) {
        if (picture) {
            picture->setChosen(picture == chosen, hasFocus());
        }
    }
}

void WordPicker::announceFocus()
{
    if (!hasFocus()) {
        return;
    }
    const int n = m_pick.focusedWord();
    if (SortingWordLabel *focused = word(n); focused && m_view.isWordVisible(n)) {
        QAccessibleEvent focus(focused, QAccessible::Focus);
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
