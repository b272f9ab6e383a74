#pragma once

#include "SortingEffects.h"
#include "SortingView.h"

#include <array>
#include <cstdint>
#include <string_view>

// The answer codes of the two pictures, and of the words that belong on them: "n" for the
// single-н picture, "nn" for the double-нн picture. They are never shown.
inline constexpr std::string_view kSingleNCode = "n";
inline constexpr std::string_view kDoubleNCode = "nn";

// One word of the list: the adjective with "_" where its н or нн belongs, and its answer code.
struct SortingWord
{
    std::string_view caption;
    std::string_view answerCode;
};

// The twenty words in list order, top to bottom; kSortingWords[n - 1] is word n. The codes
// alone decide what is right.
inline constexpr std::array<SortingWord, kSortingWordCount> kSortingWords{{
    {"ледя_ой", kSingleNCode},      // 1
    {"лу_ый", kDoubleNCode},        // 2
    {"орли_ый", kSingleNCode},      // 3
    {"ветре_ый", kSingleNCode},     // 4
    {"авиацио_ый", kDoubleNCode},   // 5
    {"пусты_ый", kDoubleNCode},     // 6
    {"глиня_ый", kSingleNCode},     // 7
    {"кожа_ый", kSingleNCode},      // 8
    {"журавли_ый", kSingleNCode},   // 9
    {"со_ый", kDoubleNCode},        // 10
    {"стари_ый", kDoubleNCode},     // 11
    {"травя_ой", kSingleNCode},     // 12
    {"соломе_ый", kDoubleNCode},    // 13
    {"тума_ый", kDoubleNCode},      // 14
    {"серебря_ый", kSingleNCode},   // 15
    {"экскурсио_ый", kDoubleNCode}, // 16
    {"безветре_ый", kDoubleNCode},  // 17
    {"дли_ый", kDoubleNCode},       // 18
    {"песча_ый", kSingleNCode},     // 19
    {"деревя_ый", kDoubleNCode},    // 20
}};

// The board slot of this exercise, "Вариант 1".
inline constexpr int kSortingVariantSlot = 1;

// The scoring counters. All start at 0 with the program. The first four count the drops of the
// current attempt, by picture; the totals are formed by each check and hold its values until the
// next one; "Заново" zeroes all six. retryCount and helpCount are never reset.
struct SortingCounters
{
    std::int32_t correctN = 0;  // right drops onto the single-н picture
    std::int32_t wrongN = 0;    // wrong drops onto the single-н picture
    std::int32_t correctNN = 0; // right drops onto the double-нн picture
    std::int32_t wrongNN = 0;   // wrong drops onto the double-нн picture
    std::int32_t totalCorrect = 0;
    std::int32_t totalWrong = 0; // the number shown after "Ошибок:"
    std::int32_t retryCount = 0; // presses of "Заново"
    std::int32_t helpCount = 0; // presses of "Помогите!", reported to the board by "Дальше"

    // Counting that stops at the largest 32-bit value instead of wrapping round to a negative
    // number (which would, say, hide the help offer for good or report a negative help count).
    static std::int32_t increment(std::int32_t value);
    static std::int32_t sum(std::int32_t a, std::int32_t b);

    friend bool operator==(const SortingCounters &, const SortingCounters &) = default;
};

// The sorting exercise, "Вариант 1", without widgets: the pupil drags each word onto the
// single-н or the double-нн picture, and an attempt passes only if all twenty went onto their
// right pictures without a single wrong drop. The window turns drops and button presses into
// the operations below and renders view() after each; outward effects go through the
// SortingEffects given at construction, which must outlive the exercise.
//
// Each operation acts only in the state where its control is shown (the window offers it in no
// other); called at any other time it does nothing at all, so a stray call can neither count a
// word twice nor report a pass that did not happen.
class SortingExercise
{
public:
    explicit SortingExercise(SortingEffects &effects);
    SortingExercise(const SortingExercise &) = delete;
    SortingExercise &operator=(const SortingExercise &) = delete;

    // Word n (1 to 20) was dropped onto the picture with this answer code. Returns true for a
    // right drop, which hides the word; a wrong drop leaves the word in the list and counts an
    // error on the picture it was dropped on. Ignored, with false: a word number out of range,
    // a word not shown, a code that is neither picture's, and any drop while the target panel
    // is hidden.
    bool dropWord(int n, std::string_view pictureCode);

    // "Проверить": hides the help window first, then judges the attempt. Returns whether it
    // passed; false, with nothing done, while "Проверить" is hidden.
    bool checkAnswers();

    // "Заново": starts a new attempt with all twenty words and offers help. Only after a failed
    // check.
    void retry();

    // "Помогите!": counts the request and shows the help window. Only while help is offered.
    void requestHelp();

    // "Дальше": closes the window, then reports the pass and the help count to the board. Only
    // after a passing check.
    void finish();

    const SortingView &view() const { return m_view; }
    std::int32_t helpCount() const { return m_counters.helpCount; }
    const SortingCounters &counters() const { return m_counters; }

private:
    SortingEffects &m_effects;
    SortingView m_view;
    SortingCounters m_counters;
};
