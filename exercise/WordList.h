// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The answer codes of the two pictures of the sorting exercise, and of the words that belong on
// them: "n" for the single-н picture, "nn" for the double-нн picture. They are never shown.
inline constexpr std::string_view kSingleNCode = "n";
inline constexpr std::string_view kDoubleNCode = "nn";

// One word of the list both exercises show: the adjective with "_" where its н or нн belongs,
// the picture it belongs on in the sorting exercise, and the exact text the writing exercise
// expects typed for it (UTF-8).
struct ExerciseWord
{
    std::string_view caption;
    std::string_view answerCode;
    std::string_view expected;
};

inline constexpr int kExerciseWordCount = 20;

// A list of words as both exercises show it: word n at index n - 1.
using ExerciseWords = std::array<ExerciseWord, kExerciseWordCount>;

// The twenty words of "Вариант 1" and "Вариант 1-1" in list order, top to bottom; kExerciseWords[n
// - 1] is word n. The codes alone decide what is right in the sorting exercise, the expected words
// in the writing one.
// clang-format off
inline constexpr ExerciseWords kExerciseWords{{
    {"ледя_ой",      kSingleNCode, "ледяной"},       // 1
    {"лу_ый",        kDoubleNCode, "лунный"},        // 2
    {"орли_ый",      kSingleNCode, "орлиный"},       // 3
    {"ветре_ый",     kSingleNCode, "ветреный"},      // 4
    {"авиацио_ый",   kDoubleNCode, "авиационный"},   // 5
    {"пусты_ый",     kDoubleNCode, "пустынный"},     // 6
    {"глиня_ый",     kSingleNCode, "глиняный"},      // 7
    {"кожа_ый",      kSingleNCode, "кожаный"},       // 8
    {"журавли_ый",   kSingleNCode, "журавлиный"},    // 9
    {"со_ый",        kDoubleNCode, "сонный"},        // 10
    {"стари_ый",     kDoubleNCode, "старинный"},     // 11
    {"травя_ой",     kSingleNCode, "травяной"},      // 12
    {"соломе_ый",    kDoubleNCode, "соломенный"},    // 13
    {"тума_ый",      kDoubleNCode, "туманный"},      // 14
    {"серебря_ый",   kSingleNCode, "серебряный"},    // 15
    {"экскурсио_ый", kDoubleNCode, "экскурсионный"}, // 16
    {"безветре_ый",  kDoubleNCode, "безветренный"},  // 17
    {"дли_ый",       kDoubleNCode, "длинный"},       // 18
    {"песча_ый",     kSingleNCode, "песчаный"},      // 19
    {"деревя_ый",    kDoubleNCode, "деревянный"},    // 20
}};
// clang-format on
