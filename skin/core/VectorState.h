// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends any use of the upper halves of the 256-bit vector registers that code run before left
// behind. Qt's drawing routines for AVX2 machines can return with those halves in use; on many
// x86-64 processors every 128-bit SSE instruction that follows then waits on them, which made
// the button's pixel work (compiled for plain x86-64) three times slower after each caption was
// drawn. Does nothing on processors without AVX and off x86-64.
void ClearUpperVectorState();
