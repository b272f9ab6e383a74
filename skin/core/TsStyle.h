// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"
#include "TsBackground.h"
#include "TsColor.h"

#include <functional>
#include <string>

// The style tree of a skinned button: every setting that decides its look. The tree knows no
// widget; each setter that changes the look reports it through the callback the button gives.

enum class TsControlBevel { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };
enum class TsPredefinedBorders { pdBorder1, pdBorder2, pdBorder3, pdBorder4, pdBorder5,
                                 pdBorder6, pdCustom };

// What a change touches: the look only, or also the window shape (the border mask).
enum class TsStyleChange { Look, Shape };

using TsStyleNotify = std::function<void(TsStyleChange)>;

// Font styles as a small set.
enum TsFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Painting of the normal state.
class TsPainting
{
public:
    explicit TsPainting(const TsStyleNotify &notify) : m_notify(notify) {}

    TColor Color() const { return m_color; }
    // An explicit colour stops following the parent.
    void setColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void setParentColor(bool on);
    // Kept as a published property of the style; the button's render does not read it.
    int Transparency() const { return m_transparency; }
    void setTransparency(int percent);
    // The bevel drawn when the border mask is switched off.
    TsControlBevel Bevel() const { return m_bevel; }
    void setBevel(TsControlBevel bevel);

private:
    const TsStyleNotify &m_notify;
    TColor m_color = ColorFromRgb(183, 194, 202);
    bool m_parentColor = true;
    int m_transparency = 0;
    TsControlBevel m_bevel = TsControlBevel::cbRaisedSoft;
};

// Painting of the hot state.
class TsHotPainting
{
public:
    explicit TsHotPainting(const TsStyleNotify &notify) : m_notify(notify) {}

    TColor Color() const { return m_color; }
    void setColor(TColor color);
    // Transparency, FontColor and FontStyle are kept as published properties of the style: a
    // loaded skin would use them; the button's render does not read them (its caption keeps its
    // colour).
    int Transparency() const { return m_transparency; }
    void setTransparency(int percent);
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor color);
    unsigned FontStyle() const { return m_fontStyle; }
    void setFontStyle(unsigned styles);
    TsControlBevel Bevel() const { return m_bevel; }
    void setBevel(TsControlBevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);

private:
    const TsStyleNotify &m_notify;
    TColor m_color = ColorFromRgb(143, 183, 207);
    int m_transparency = 0;
    TColor m_fontColor = 0;
    unsigned m_fontStyle = 0;
    TsControlBevel m_bevel = TsControlBevel::cbRaisedSoft;
    int m_bevelWidth = 5;
};

// The hot state: its painting and background.
class TsHotStyle
{
public:
    explicit TsHotStyle(const TsStyleNotify &notify);

    TsHotPainting *HotPainting() { return &m_hotPainting; }
    const TsHotPainting *HotPainting() const { return &m_hotPainting; }
    TsHotBackground *HotBackground() { return &m_hotBackground; }
    const TsHotBackground *HotBackground() const { return &m_hotBackground; }

private:
    TsHotPainting m_hotPainting;
    TsHotBackground m_hotBackground;
};

// The hover cross-fade between the normal and the hot look.
class TsFading
{
public:
    explicit TsFading(const TsStyleNotify &notify) : m_notify(notify) {}

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool on);
    int Iterations() const { return m_iterations; }
    void setIterations(int steps);
    int IntervalIn() const { return m_intervalIn; }
    void setIntervalIn(int ms);
    int IntervalOut() const { return m_intervalOut; }
    void setIntervalOut(int ms);

private:
    const TsStyleNotify &m_notify;
    bool m_enabled = true;
    int m_iterations = 5;
    int m_intervalIn = 5;
    int m_intervalOut = 5;
};

// The translucent border drawn from a border mask; its holes shape the button's window.
class TsMaskedBorders
{
public:
    explicit TsMaskedBorders(const TsStyleNotify &notify) : m_notify(notify) {}

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool on);
    TsPredefinedBorders Predefined() const { return m_predefined; }
    void setPredefined(TsPredefinedBorders which);
    TColor TransparentColor() const { return m_transparentColor; }
    void setTransparentColor(TColor color);
    const BgrImage &Mask() const { return m_mask; }
    void setMask(const BgrImage &mask);

private:
    const TsStyleNotify &m_notify;
    bool m_enabled = true;
    TsPredefinedBorders m_predefined = TsPredefinedBorders::pdBorder1;
    TColor m_transparentColor = ColorFromRgb(255, 0, 255);
    BgrImage m_mask;
};

class TsActiveEffects
{
public:
    explicit TsActiveEffects(const TsStyleNotify &notify) : m_fading(notify), m_maskedBorders(notify)
    {
    }

    TsFading *Fading() { return &m_fading; }
    const TsFading *Fading() const { return &m_fading; }
    TsMaskedBorders *MaskedBorders() { return &m_maskedBorders; }
    const TsMaskedBorders *MaskedBorders() const { return &m_maskedBorders; }

private:
    TsFading m_fading;
    TsMaskedBorders m_maskedBorders;
};

// Shadow settings; buttons never draw a shadow, the settings are kept as part of the style's
// published properties.
class TsShadow
{
public:
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }
    int Distance() const { return m_distance; }
    void setDistance(int d) { m_distance = d; }
    int Transparency() const { return m_transparency; }
    void setTransparency(int t) { m_transparency = t; }

private:
    bool m_enabled = false;
    int m_distance = 4;
    int m_transparency = 60;
};

class TsEffects
{
public:
    TsShadow *Shadow() { return &m_shadow; }
    const TsShadow *Shadow() const { return &m_shadow; }

private:
    TsShadow m_shadow;
};

// The general part: the skin section names and the render cache.
class TsGenStyle
{
public:
    explicit TsGenStyle(TsStyleNotify notify) : m_notify(std::move(notify)) {}
    TsGenStyle(const TsGenStyle &) = delete;
    TsGenStyle &operator=(const TsGenStyle &) = delete;
    virtual ~TsGenStyle() = default;

    // SkinSection and GroupIndex name a section of a loaded skin and group controls for it;
    // no skin is ever loaded, so they are kept as published properties of the style only.
    const std::string &SkinSection() const { return m_skinSection; }
    void setSkinSection(std::string section) { m_skinSection = std::move(section); }
    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index) { m_groupIndex = index; }
    bool SoftControl() const { return m_softControl; }
    void setSoftControl(bool on);

    TsEffects *Effects() { return &m_effects; }

    // The last rendered look of the button.
    BgrImage &RenderCache() { return m_renderCache; }
    const BgrImage &RenderCache() const { return m_renderCache; }

protected:
    // Declared first so the sub-objects below can keep a reference to it.
    TsStyleNotify m_notify;

private:
    std::string m_skinSection;
    int m_groupIndex = 0;
    bool m_softControl = true;
    TsEffects m_effects;
    BgrImage m_renderCache;
};

class TsPaintStyle : public TsGenStyle
{
public:
    explicit TsPaintStyle(TsStyleNotify notify) : TsGenStyle(std::move(notify)) {}
    TsPainting *Painting() { return &m_painting; }
    const TsPainting *Painting() const { return &m_painting; }

private:
    TsPainting m_painting{m_notify};
};

class TsPassiveBGStyle : public TsPaintStyle
{
public:
    explicit TsPassiveBGStyle(TsStyleNotify notify);
    TsBackground *Background() { return &m_background; }
    const TsBackground *Background() const { return &m_background; }

private:
    TsBackground m_background;
};

// The style of a button: normal painting and background, hot style and effects.
class TsActiveBGStyle : public TsPassiveBGStyle
{
public:
    explicit TsActiveBGStyle(TsStyleNotify notify);
    TsHotStyle *HotStyle() { return &m_hotStyle; }
    const TsHotStyle *HotStyle() const { return &m_hotStyle; }
    TsActiveEffects *BtnEffects() { return &m_btnEffects; }
    const TsActiveEffects *BtnEffects() const { return &m_btnEffects; }

private:
    TsHotStyle m_hotStyle{m_notify};
    TsActiveEffects m_btnEffects{m_notify};
};
