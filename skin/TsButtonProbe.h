// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TsButtonControl.h"

// A look inside a skinned button for tests and measurements: its render cache, the image its
// last paint showed, the fade's state and the shape's staleness. Windows never need any of it;
// they use the button's own interface.
class TsButtonProbe
{
public:
    explicit TsButtonProbe(TsButtonControl *button) : m_b(button) {}

    // Renders the current look into the render cache, as a paint does, without showing it.
    void Render() const { m_b->Render(); }
    // The last rendered look, at the device size (logical size × device pixel ratio).
    const BgrImage &RenderCache() const { return m_b->m_style.RenderCache(); }
    // The image the last paint copied to the screen: the render cache or a fade frame.
    const BgrImage &LastShown() const { return *m_b->m_lastShown; }
    double RenderRatio() const { return m_b->renderRatio(); }

    bool MouseOver() const { return m_b->m_mouseOver; }
    bool ShapeStale() const { return m_b->m_shapeStale; }
    // The caption rectangle in logical pixels for the current size and state.
    TsRect CaptionRect() const { return m_b->CaptionRect(); }
    Rgb PaintingColor() const { return m_b->PaintingColor(); }
    Rgb HotPaintingColor() const { return m_b->HotPaintingColor(); }

    // The hover fade, tick by tick.
    void FadeStep() const { m_b->FadeStep(); }
    TsFadeMode FadeMode() const { return m_b->m_fade.mode(); }
    int FadePosition() const { return m_b->m_fade.position(); }
    const QTimer *FadeTimer() const { return m_b->m_fadeTimer.get(); }
    const BgrImage &FadeFromImage() const { return m_b->m_fadeFrom; }

private:
    TsButtonControl *m_b;
};

inline TsButtonProbe probe(TsButtonControl *button)
{
    return TsButtonProbe(button);
}
