// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The twenty words of "Вариант 1" as the pupil must see them, in list order (word k at
// [k - 1]): the caption with "_" where н or нн belongs, the picture it belongs on ("n" for Н,
// "nn" for НН) and the word written out in full. Kept apart from the program's own table
// (exercise/WordList.h) so that a slip in either shows up: the logic tests hold that table to
// this one, and the window tests take what they expect on screen from here.
struct VariantOneWord
{
    const char *caption;
    const char *code;
    const char *written;
};

// clang-format off
inline constexpr std::array<VariantOneWord, 20> kVariantOneWords{{
    {"ледя_ой",      "n",  "ледяной"},       // 1
    {"лу_ый",        "nn", "лунный"},        // 2
    {"орли_ый",      "n",  "орлиный"},       // 3
    {"ветре_ый",     "n",  "ветреный"},      // 4
    {"авиацио_ый",   "nn", "авиационный"},   // 5
    {"пусты_ый",     "nn", "пустынный"},     // 6
    {"глиня_ый",     "n",  "глиняный"},      // 7
    {"кожа_ый",      "n",  "кожаный"},       // 8
    {"журавли_ый",   "n",  "журавлиный"},    // 9
    {"со_ый",        "nn", "сонный"},        // 10
    {"стари_ый",     "nn", "старинный"},     // 11
    {"травя_ой",     "n",  "травяной"},      // 12
    {"соломе_ый",    "nn", "соломенный"},    // 13
    {"тума_ый",      "nn", "туманный"},      // 14
    {"серебря_ый",   "n",  "серебряный"},    // 15
    {"экскурсио_ый", "nn", "экскурсионный"}, // 16
    {"безветре_ый",  "nn", "безветренный"},  // 17
    {"дли_ый",       "nn", "длинный"},       // 18
    {"песча_ый",     "n",  "песчаный"},      // 19
    {"деревя_ый",    "nn", "деревянный"},    // 20
}};
// clang-format on
