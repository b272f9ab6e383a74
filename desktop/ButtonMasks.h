#pragma once

// Hands the skinned buttons the program's border mask (BORD1, an embedded picture at 1×, 2× and 3×). Every
// window of the program calls it as it is set up (setupFormFrame), so a button never paints
// before its mask is there; calls after the first do nothing. A mask that cannot be read is
// reported on the standard error output, and the buttons then draw no border.
void installButtonMasks();
