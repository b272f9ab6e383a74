// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsFadeSequence.h"

#include "PixelEffects.h"

void TsFadeSequence::startIn()
{
    m_position = 1;
    m_mode = TsFadeMode::In;
}

void TsFadeSequence::startOut()
{
    m_mode = TsFadeMode::Out;
}

void TsFadeSequence::interrupt(int iterations)
{
    m_mode = TsFadeMode::None;
    m_position = iterations - 1;
}

TsFadeSequence::Tick TsFadeSequence::step(int iterations)
{
    using Kind = Tick::Kind;
    if (iterations <= 0) {
        m_mode = TsFadeMode::None;
        return Tick{Kind::Finish};
    }
    if (m_position > iterations) {
        --m_position;
        m_mode = TsFadeMode::None;
        return Tick{Kind::Finish};
    }
    if (m_position < 0) {
        ++m_position;
        m_mode = TsFadeMode::None;
        return Tick{Kind::Finish};
    }
    switch (m_mode) {
    case TsFadeMode::In: {
        const Tick frame{Kind::Frame, true, FadeWeight256(m_position, iterations)};
        ++m_position;
        return frame;
    }
    case TsFadeMode::Out: {
        const Tick frame{Kind::Frame, false, FadeWeight256(m_position, iterations)};
        --m_position;
        return frame;
    }
    case TsFadeMode::None:
        break;
    }
    return Tick{Kind::Idle};
}
