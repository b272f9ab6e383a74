// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"
#include "TsBackground.h"
#include "TsGradient.h"

#include <string_view>

// Plain models of the gradient rules, written apart from the painter, and the checks that hold
// the painter to them. A failed check prints what differed and aborts, which libFuzzer reports
// with the input that did it.
namespace gradientmodel {

void check(bool ok, const char *what);

// The raw parser on a whole text, against a word-by-word model of the description format.
void checkParse(std::string_view text);
// Stores a description in a background as a button's style would and checks what is kept.
void checkStoredDescription(TsHotBackground &bg, const int &changes, std::string_view text);
// Sets both shares in the given order and checks the sum rule.
void checkShares(TsHotBackground &bg, const int &changes, int gradientShare, int pictureShare,
                 bool pictureFirst);

// The painter's rules pixel by pixel: the bands, the colour blend, the whole composition.
void modelPaint(BgrImage &img, TsRect rect, const TsGradArray &stops);
void modelBlend(BgrImage &img, TsRect inclusive, int percent, Rgb colour);
void modelCompose(BgrImage &img, TsRect rect, const TsGradArray &stops, int gradientShare,
                  int pictureShare, Rgb colour);

// Fills an image with starting pixels made from a seed.
void seedPixels(BgrImage &img, unsigned seed);
// The two images are the same, padding bytes included.
void checkSame(const BgrImage &got, const BgrImage &want, const char *what);

} // namespace gradientmodel
