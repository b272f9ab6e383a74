// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

// The exercises' counters are 32-bit signed integers that stop at their limits instead of
// wrapping round: a wrapped count would, say, hide the help offer for good or report a negative
// help count to the board.

// n + 1, or n itself once it is the largest 32-bit value.
constexpr std::int32_t countedUp(std::int32_t n)
{
    return n < std::numeric_limits<std::int32_t>::max() ? n + 1 : n;
}

// a + b, held at the largest or smallest 32-bit value where it would leave the range.
constexpr std::int32_t saturatingSum(std::int32_t a, std::int32_t b)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    if (b > 0 && a > kMax - b) {
        return kMax;
    }
    if (b < 0 && a < kMin - b) {
        return kMin;
    }
    return a + b;
}
