// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sequencing of the hover fade: which step comes next, with what weight and in which
// direction, and when the fade ends. It owns no images and no timer; the button drives a timer,
// asks for the next tick and mixes and shows the frame the tick names.

enum class TsFadeMode { None, In, Out };

class TsFadeSequence
{
public:
    // What one timer tick does.
    struct Tick
    {
        enum class Kind {
            Frame,  // show the frame mix(a, b, weight256 / 256)
            Finish, // the fade ended: show its target look, then stop the timer
            Idle,   // no fade runs: stop the timer and show the look for the state now
        };
        Kind kind = Kind::Idle;
        // For a frame: true when a is the fade's start look and b its target (fading in), false
        // when a is the target and b the start look (fading out).
        bool fromIsA = true;
        int weight256 = 0;
    };

    TsFadeMode mode() const { return m_mode; }
    int position() const { return m_position; }
    bool running() const { return m_mode != TsFadeMode::None; }

    // Pointer enter: the fade in starts again from its first step.
    void startIn();
    // Pointer leave: the fade out goes back from the step reached so far.
    void startOut();
    // A mouse press or release stops the fade one step before its end.
    void interrupt(int iterations);
    // Ends the fade where it is (a disabled button, a tick after the button went away).
    void cancel() { m_mode = TsFadeMode::None; }

    // The next tick of a fade of `iterations` steps. A position past either end is brought back
    // by one and ends the fade; a fade with no steps ends at once.
    Tick step(int iterations);

private:
    TsFadeMode m_mode = TsFadeMode::None;
    int m_position = 0;
};
