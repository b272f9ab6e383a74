// SPDX-License-Identifier: GPL-3.0-or-later
// The hover fade of the skinned button: a cross-fade between the normal and the hot look in a
// few timer steps when the pointer enters or leaves. TsFadeSequence decides the steps; here the
// timer is driven and the frames are mixed and shown.
#include "TsButtonControl.h"

#include "PixelEffects.h"
#include "VectorState.h"

#include <QCoreApplication>

void TsButtonControl::StartFadeIn()
{
    // The look on screen so far is the one the fade starts from.
    if (!cacheFitsDevice()) {
        Render();
    }
    m_fadeFrom = m_style.RenderCache();
    renderLook(); // the hot look, the fade's target
    m_fade.startIn();
    m_fadeTimer->start(m_style.BtnEffects()->Fading()->IntervalIn());
}

void TsButtonControl::StartFadeOut()
{
    if (!cacheFitsDevice()) {
        Render();
    }
    m_fadeFrom = m_style.RenderCache();
    renderLook(); // the normal look, the fade's target
    m_fade.startOut();
    m_fadeTimer->start(m_style.BtnEffects()->Fading()->IntervalOut());
}

void TsButtonControl::FadeStep()
{
    if (m_destroying || QCoreApplication::closingDown()) {
        m_fade.cancel();
        if (m_fadeTimer) {
            m_fadeTimer->stop();
        }
        return;
    }
    const TsFadeSequence::Tick tick = m_fade.step(m_style.BtnEffects()->Fading()->Iterations());
    switch (tick.kind) {
    case TsFadeSequence::Tick::Kind::Frame: {
        const BgrImage &target = m_style.RenderCache();
        m_frame.resize(target.width(), target.height());
        ClearUpperVectorState(); // after Qt's paints, before the mix (see VectorState.h)
        const BgrImage &a = tick.fromIsA ? m_fadeFrom : target;
        const BgrImage &b = tick.fromIsA ? target : m_fadeFrom;
        MixFadeFrame256(a, b, tick.weight256, m_frame);
        showFrame();
        break;
    }
    case TsFadeSequence::Tick::Kind::Finish:
        StopFade();
        [[fallthrough]];
    case TsFadeSequence::Tick::Kind::Idle:
        m_fadeTimer->stop();
        // The fade is over: the next paint renders the look for the state the button is in
        // now, whatever changed while the fade ran.
        update();
        break;
    }
}

void TsButtonControl::showFrame()
{
    // Copies the frame to the screen now; a hidden button has no screen, and its next paint
    // must not pick up a stale frame.
    m_frameReady = true;
    repaint();
    m_frameReady = false;
}

void TsButtonControl::StopFade()
{
    m_fade.cancel();
    // The timer still runs during this repaint, so it shows the target look rendered when the
    // fade started; the tick stops the timer afterwards.
    repaint();
}
