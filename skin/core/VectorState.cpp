// SPDX-License-Identifier: GPL-3.0-or-later
#include "VectorState.h"

void ClearUpperVectorState()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // vzeroupper keeps the lower 128 bits of every register, the only part this code uses.
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        __asm__ volatile("vzeroupper" ::: "memory");
    }
#endif
}
