// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsStyle.h"

#include <algorithm>

namespace {
// Stores a new value and reports the change; the same value again reports nothing.
template <typename T>
void assign(T &field, T value, const TsStyleNotify &notify,
            TsStyleChange change = TsStyleChange::Look)
{
    if (field == value) {
        return;
    }
    field = value;
    if (notify) {
        notify(change);
    }
}

int percent(int value)
{
    return std::clamp(value, 0, 100);
}
} // namespace

void TsPainting::setColor(TColor color)
{
    // An explicit colour also stops following the parent, which may change the look by itself.
    const bool changed = m_color != color || m_parentColor;
    m_color = color;
    m_parentColor = false;
    if (changed && m_notify) {
        m_notify(TsStyleChange::Look);
    }
}

void TsPainting::setParentColor(bool on)
{
    assign(m_parentColor, on, m_notify);
}

void TsPainting::setTransparency(int value)
{
    assign(m_transparency, percent(value), m_notify);
}

void TsPainting::setBevel(TsControlBevel bevel)
{
    assign(m_bevel, bevel, m_notify);
}

void TsHotPainting::setColor(TColor color)
{
    assign(m_color, color, m_notify);
}

void TsHotPainting::setTransparency(int value)
{
    assign(m_transparency, percent(value), m_notify);
}

void TsHotPainting::setFontColor(TColor color)
{
    assign(m_fontColor, color, m_notify);
}

void TsHotPainting::setFontStyle(unsigned styles)
{
    assign(m_fontStyle, styles, m_notify);
}

void TsHotPainting::setBevel(TsControlBevel bevel)
{
    assign(m_bevel, bevel, m_notify);
}

void TsHotPainting::setBevelWidth(int width)
{
    assign(m_bevelWidth, std::max(width, 0), m_notify);
}

TsHotStyle::TsHotStyle(const TsStyleNotify &notify)
    : m_hotPainting(notify), m_hotBackground([&notify] {
          if (notify) {
              notify(TsStyleChange::Look);
          }
      })
{
}

void TsFading::setEnabled(bool on)
{
    assign(m_enabled, on, m_notify);
}

void TsFading::setIterations(int steps)
{
    assign(m_iterations, percent(steps), m_notify);
}

void TsFading::setIntervalIn(int ms)
{
    assign(m_intervalIn, percent(ms), m_notify);
}

void TsFading::setIntervalOut(int ms)
{
    assign(m_intervalOut, percent(ms), m_notify);
}

void TsMaskedBorders::setEnabled(bool on)
{
    assign(m_enabled, on, m_notify, TsStyleChange::Shape);
}

void TsMaskedBorders::setPredefined(TsPredefinedBorders which)
{
    assign(m_predefined, which, m_notify, TsStyleChange::Shape);
}

void TsMaskedBorders::setTransparentColor(TColor color)
{
    assign(m_transparentColor, color, m_notify, TsStyleChange::Shape);
}

void TsMaskedBorders::setMask(const BgrImage &mask)
{
    m_mask = mask;
    if (m_notify) {
        m_notify(TsStyleChange::Shape);
    }
}

void TsGenStyle::setSoftControl(bool on)
{
    assign(m_softControl, on, m_notify, TsStyleChange::Shape);
}

TsPassiveBGStyle::TsPassiveBGStyle(TsStyleNotify notify)
    : TsPaintStyle(std::move(notify)), m_background([this] {
          if (m_notify) {
              m_notify(TsStyleChange::Look);
          }
      })
{
}

TsActiveBGStyle::TsActiveBGStyle(TsStyleNotify notify) : TsPassiveBGStyle(std::move(notify)) {}
