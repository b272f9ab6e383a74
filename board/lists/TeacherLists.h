// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A teacher's own word lists, read from a plain UTF-8 text file (variants-sample.txt shows the
// format): a line "Вариант 2", "Вариант 3" or "Вариант 4" starts a list, and each following
// line is one word written in full with its н or нн in square brackets ("деревя[нн]ый"). Blank
// lines and lines starting with "#" are skipped. Variant 1 is built into the program.

// One word of a teacher's list, derived from the line as written ("деревя[нн]ый"): all UTF-8.
struct TeacherWord
{
    std::string caption;    // "деревя_ый": the bracket and its letters replaced by one "_"
    std::string answerCode; // "n" for [н], "nn" for [нн]
    std::string expected;   // "деревянный": the word without brackets
};

struct TeacherList
{
    int number = 0;                 // 2, 3 or 4
    int headingLine = 0;            // 1-based line of its heading
    std::vector<TeacherWord> words; // exactly kTeacherListLength on success
};

struct TeacherListError
{
    int line = 0; // 1-based; 0 for the file as a whole (too large, invalid UTF-8 at no line…)
    std::string message; // Russian, for a teacher, without the file name or line number (the
                         // caller adds them)
};

struct TeacherLists
{
    std::vector<TeacherList> lists;       // only the faultless ones, in file order
    std::vector<TeacherListError> errors; // in line order
};

inline constexpr int kTeacherListLength = 20;
inline constexpr std::size_t kTeacherFileMaxBytes = 64 * 1024;

// `captionFits` tells whether a gapped caption fits the word list's room at the program's font
// (the caller measures; tests pass their own). Never throws, never crashes on any input.
TeacherLists readTeacherLists(std::string_view fileBytes,
                              const std::function<bool(std::string_view caption)> &captionFits);
