// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's button look as the pixel core sees it: the two gradient descriptions every
// skinned button of the program paints with. Qt-free, so the benchmarks, the fuzz seeds and the
// core's own tests take the same text as the windows (ProgramButton.h adds the rest of the look).
namespace programlook {

// Normal look: grey at the top to white at the bottom.
inline constexpr char kNormalGradient[] = "8421504;16777215;99;0;0;16777215;16777215;0;0;0";

// Hot look: a grey band, a rise to white, a fall to a pale grey and a short light band below.
// Kept on one line: fuzz/make-seeds reads both descriptions from this file.
// clang-format off
inline constexpr char kHotGradient[] = "8421504;8421504;10;0;0;8421504;16777215;43;0;0;16777215;10658466;28;0;0;10658466;13816530;18;0;0;13816530;13816530;0;0;0";
// clang-format on

// The style section the program's buttons name.
inline constexpr char kSkinSection[] = "TsButton";

} // namespace programlook
