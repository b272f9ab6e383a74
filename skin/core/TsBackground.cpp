// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsBackground.h"

#include <algorithm>

std::string_view CutToCharacters(std::string_view text, std::size_t count)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Every byte that is not a UTF-8 continuation byte starts a character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == count) {
                return text.substr(0, i);
            }
            ++chars;
        }
    }
    return text;
}

void TsBGGradient::setData(std::string_view text)
{
    text = CutToCharacters(text, kMaxGradientDataLength);
    if (text == m_data) {
        return;
    }
    // Parse first: a bad word throws before anything is stored.
    TsGradArray stops = ParseGradient(text);
    m_data.assign(text);
    m_stops = std::move(stops);
    m_owner.notify();
}

void TsBGGradient::setPercent(int percent)
{
    m_owner.setShare(m_percent, m_owner.m_image.m_percent, percent);
}

void TsBGImage::setPercent(int percent)
{
    m_owner.setShare(m_percent, m_owner.m_gradient.m_percent, percent);
}

TsHotBackground::TsHotBackground(std::function<void()> changed) : m_changed(std::move(changed)) {}

void TsHotBackground::setShare(int &own, int &other, int value)
{
    own = std::clamp(value, 0, 100);
    if (own + other > 100) {
        other = 100 - own;
    }
    notify();
}

void TsHotBackground::notify()
{
    if (m_changed) {
        m_changed();
    }
}
