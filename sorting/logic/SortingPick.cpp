// SPDX-License-Identifier: GPL-3.0-or-later
#include "SortingPick.h"

#include "WordList.h"

namespace {

// The nearest shown word from `from` in steps of `step` (+1 down the list, -1 up it),
// `from` itself included; 0 when there is none that way.
int shownFrom(const SortingView &view, int from, int step)
{
    for (int n = from; n >= 1 && n <= kSortingWordCount; n += step) {
        if (view.isWordVisible(n)) {
            return n;
        }
    }
    return 0;
}

} // namespace

void SortingPick::settle(const SortingView &view)
{
    const int from = m_focused < 1 ? 1 : m_focused;
    int n = shownFrom(view, from, +1);
    if (n == 0) {
        n = shownFrom(view, from, -1);
    }
    // An empty list keeps the place, so that the words coming back find the cursor where it was.
    if (n != 0) {
        m_focused = n;
    }
}

bool SortingPick::moveFocus(const SortingView &view, Move move)
{
    settle(view);
    int n = 0;
    switch (move) {
    case Move::Previous:
        n = shownFrom(view, m_focused - 1, -1);
        break;
    case Move::Next:
        n = shownFrom(view, m_focused + 1, +1);
        break;
    case Move::First:
        n = shownFrom(view, 1, +1);
        break;
    case Move::Last:
        n = shownFrom(view, kSortingWordCount, -1);
        break;
    }
    if (n == 0 || n == m_focused) {
        return false;
    }
    m_focused = n;
    m_chosen = Picture::None;
    return true;
}

bool SortingPick::pick(const SortingView &view, int n)
{
    if (!view.isWordVisible(n)) {
        return false;
    }
    m_picked = n;
    m_chosen = Picture::None;
    return true;
}

bool SortingPick::choose(const SortingView &view, Move move)
{
    if (m_picked == 0 || !view.targetPanelVisible) {
        return false;
    }
    const bool forward = move == Move::Next || move == Move::First;
    switch (m_chosen) {
    case Picture::None:
        m_chosen = forward ? Picture::DoubleN : Picture::SingleN;
        break;
    case Picture::DoubleN:
    case Picture::SingleN:
        // Two pictures: either way round leads to the other one.
        m_chosen = m_chosen == Picture::DoubleN ? Picture::SingleN : Picture::DoubleN;
        break;
    }
    return true;
}

std::optional<SortingPick::Drop> SortingPick::dropOnChosen(const SortingView &view)
{
    if (m_chosen == Picture::None) {
        return std::nullopt;
    }
    return dropPickedOn(view, codeOf(m_chosen));
}

std::optional<SortingPick::Drop> SortingPick::dropPickedOn(const SortingView &view,
                                                           std::string_view code)
{
    return dropOf(view, m_picked, code);
}

std::optional<SortingPick::Drop> SortingPick::dropFocusedOn(const SortingView &view,
                                                            std::string_view code)
{
    settle(view);
    return dropOf(view, m_focused, code);
}

std::optional<SortingPick::Drop> SortingPick::dropOf(const SortingView &view, int word,
                                                     std::string_view code)
{
    // Only a shown word onto a shown picture: the same words a drag can carry and the same
    // places it can end.
    if (!view.isWordVisible(word) || !view.targetPanelVisible ||
        (code != kSingleNCode && code != kDoubleNCode)) {
        return std::nullopt;
    }
    cancel();
    return Drop{word, code};
}

void SortingPick::cancel()
{
    m_picked = 0;
    m_chosen = Picture::None;
}

void SortingPick::dropped(const SortingView &view)
{
    cancel();
    settle(view);
}

void SortingPick::viewChanged(const SortingView &view)
{
    if (!view.isWordVisible(m_picked) || !view.targetPanelVisible) {
        cancel();
    }
    settle(view);
}

std::string_view SortingPick::codeOf(Picture picture)
{
    switch (picture) {
    case Picture::DoubleN:
        return kDoubleNCode;
    case Picture::SingleN:
        return kSingleNCode;
    case Picture::None:
        break;
    }
    return {};
}
