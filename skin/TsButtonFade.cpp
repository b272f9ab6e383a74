// The hover fade of the skinned button: a cross-fade between the normal and the hot look in a
// few timer steps when the pointer enters or leaves.
#include "TsButtonControl.h"

#include "PixelEffects.h"

#include <QCoreApplication>

void TsButtonControl::StartFadeIn()
{
    // The look on screen so far is the one the fade starts from.
    if (m_style.RenderCache().width() != width() || m_style.RenderCache().height() != height()) {
        Render();
    }
    m_fadeFrom = m_style.RenderCache();
    renderLook(); // the hot look, the fade's target
    m_fadePosition = 1;
    m_fadeMode = TsFadeMode::In;
    m_fadeTimer->start(m_style.BtnEffects()->Fading()->IntervalIn());
}

void TsButtonControl::StartFadeOut()
{
    if (m_style.RenderCache().width() != width() || m_style.RenderCache().height() != height()) {
        Render();
    }
    m_fadeFrom = m_style.RenderCache();
    renderLook(); // the normal look, the fade's target
    // The position stays: a leave during a fade-in goes back from where it got to.
    m_fadeMode = TsFadeMode::Out;
    m_fadeTimer->start(m_style.BtnEffects()->Fading()->IntervalOut());
}

void TsButtonControl::FadeStep()
{
    if (m_destroying || QCoreApplication::closingDown()) {
        m_fadeMode = TsFadeMode::None;
        if (m_fadeTimer) {
            m_fadeTimer->stop();
        }
        return;
    }
    const int iterations = m_style.BtnEffects()->Fading()->Iterations();
    if (iterations <= 0) {
        StopFade();
        m_fadeTimer->stop();
        return;
    }
    if (m_fadePosition > iterations) {
        --m_fadePosition;
        StopFade();
    } else if (m_fadePosition < 0) {
        ++m_fadePosition;
        StopFade();
    }
    const BgrImage &target = m_style.RenderCache();
    switch (m_fadeMode) {
    case TsFadeMode::In:
        m_frame.resize(target.width(), target.height());
        MixFadeFrame(m_fadeFrom, target, FadeWeight(m_fadePosition, iterations), m_frame);
        showFrame();
        ++m_fadePosition;
        break;
    case TsFadeMode::Out:
        m_frame.resize(target.width(), target.height());
        MixFadeFrame(target, m_fadeFrom, FadeWeight(m_fadePosition, iterations), m_frame);
        showFrame();
        --m_fadePosition;
        break;
    case TsFadeMode::None:
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
    m_fadeMode = TsFadeMode::None;
    // The timer still runs during this repaint, so it shows the target look rendered when the
    // fade started; the tick stops the timer afterwards.
    repaint();
}
