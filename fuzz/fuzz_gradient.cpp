// SPDX-License-Identifier: GPL-3.0-or-later
// Coverage-guided fuzzing of gradient descriptions: parsing, the stored description of a
// background, painting, the colour blend and the background composition, on random image
// sizes, rectangles, shares and colours.
//
// Input: a 17-byte header (missing bytes read as zero), then the description text.
//   0, 1    image width and height, 0..64 each
//   2..5    painting rectangle left, top, right, bottom (signed bytes; -128 and 127 stand for
//           the smallest and largest int)
//   6..9    blend rectangle, inclusive, read the same way
//   10..12  painting colour, red, green, blue
//   13, 14  gradient and picture share as signed bytes (the background clamps them)
//   15      bit 0: picture share set first; bit 1: the hot description stored before the text;
//           bits 2..7: seed of the image's starting pixels
//   16      percent of the plain colour blend, 0..100
//
// Every result is checked against a plain pixel-by-pixel model of the painter's rules, so a
// wrong pixel anywhere fails as surely as a bad memory access (which the sanitizers catch).

#include "GradientModel.h"
#include "ProgramLook.h"
#include "TsBackground.h"
#include "TsGradient.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

using namespace gradientmodel;

constexpr std::size_t kHeaderSize = 17;
constexpr int kMaxSide = 64;

int coordinate(std::uint8_t byte)
{
    const auto v = static_cast<std::int8_t>(byte);
    if (v == std::numeric_limits<std::int8_t>::min()) {
        return std::numeric_limits<int>::min();
    }
    if (v == std::numeric_limits<std::int8_t>::max()) {
        return std::numeric_limits<int>::max();
    }
    return v;
}

// One input, read as the header at the top of this file describes.
struct FuzzInput
{
    int width = 0;
    int height = 0;
    TsRect rect;
    TsRect blendRect;
    Rgb colour;
    int gradientShare = 0;
    int pictureShare = 0;
    bool pictureFirst = false;
    bool hotFirst = false;
    unsigned pixelSeed = 0;
    int blendPercent = 0;
    std::string_view text;
};

FuzzInput readInput(const std::uint8_t *data, std::size_t size)
{
    std::array<std::uint8_t, kHeaderSize> h{};
    std::copy_n(data, std::min(size, kHeaderSize), h.begin());
    FuzzInput in;
    in.text = size > kHeaderSize
                  ? std::string_view(reinterpret_cast<const char *>(data) + kHeaderSize,
                                     size - kHeaderSize)
                  : std::string_view();
    in.width = h[0] % (kMaxSide + 1);
    in.height = h[1] % (kMaxSide + 1);
    in.rect = TsRect{coordinate(h[2]), coordinate(h[3]), coordinate(h[4]), coordinate(h[5])};
    in.blendRect = TsRect{coordinate(h[6]), coordinate(h[7]), coordinate(h[8]), coordinate(h[9])};
    in.colour = Rgb{h[10], h[11], h[12]};
    in.gradientShare = static_cast<std::int8_t>(h[13]);
    in.pictureShare = static_cast<std::int8_t>(h[14]);
    in.pictureFirst = (h[15] & 1) != 0;
    in.hotFirst = (h[15] & 2) != 0;
    in.pixelSeed = h[15] >> 2;
    in.blendPercent = h[16] % 101;
    return in;
}

// Painting, blending and composing on the input's image, each against its model; then the
// pressed look, the same composition shifted by one pixel over the previous render.
void checkPixels(const FuzzInput &in, const TsGradArray &stops, int gradientShare, int pictureShare)
{
    const TsRect rect = in.rect;
    BgrImage start(in.width, in.height);
    seedPixels(start, in.pixelSeed);

    BgrImage painted = start;
    BgrImage expected = start;
    PaintGradient(painted, rect, stops);
    modelPaint(expected, rect, stops);
    checkSame(painted, expected, "PaintGradient differs from the band rules");

    BgrImage blended = painted;
    BlendWithColour(blended, in.blendRect, in.blendPercent, in.colour);
    modelBlend(expected, in.blendRect, in.blendPercent, in.colour);
    checkSame(blended, expected, "BlendWithColour differs from the blend rule");

    BgrImage composed = start;
    expected = start;
    ComposeBackground(composed, rect, stops, gradientShare, pictureShare, in.colour);
    modelCompose(expected, rect, stops, gradientShare, pictureShare, in.colour);
    checkSame(composed, expected, "ComposeBackground differs from paint-then-blend");

    constexpr int kMax = std::numeric_limits<int>::max();
    if (rect.right < kMax && rect.bottom < kMax && rect.left < kMax && rect.top < kMax) {
        const TsRect pressed{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
        ComposeBackground(composed, pressed, stops, gradientShare, pictureShare, in.colour);
        modelCompose(expected, pressed, stops, gradientShare, pictureShare, in.colour);
        checkSame(composed, expected, "the pressed composition differs from paint-then-blend");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in = readInput(data, size);

    // The description: the raw parser on the whole text, then stored in a background the way
    // a button's style stores it, after one of the program's own descriptions.
    checkParse(in.text);
    int changes = 0;
    TsHotBackground bg([&changes] { ++changes; });
    bg.Gradient()->setData(in.hotFirst ? programlook::kHotGradient : programlook::kNormalGradient);
    check(changes == 1, "the first description was not reported");
    checkStoredDescription(bg, changes, in.text);
    checkShares(bg, changes, in.gradientShare, in.pictureShare, in.pictureFirst);

    checkPixels(in, bg.Gradient()->Stops(), bg.Gradient()->Percent(), bg.Image()->Percent());
    return 0;
}
