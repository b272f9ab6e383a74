// SPDX-License-Identifier: GPL-3.0-or-later
// Coverage-guided fuzzing of the reader of a teacher's own lists: any bytes as the file.
//
// Besides the sanitizers' own checks, every result is held to the reader's promises: each loaded
// list is a number 2, 3 or 4 given once, with exactly twenty words; each word's caption holds one
// "_", its code is "n" or "nn", and its expected word is the caption with the gap filled by н or
// нн and no bracket; errors come in line order, each with a message; a file over the size limit
// gives one error for the whole file and no list. The width check passes captions of up to 40
// bytes, so that long words take the "does not fit" path.

#include "TeacherLists.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_teacher_lists: %s\n", what);
        std::abort();
    }
}

void checkWord(const TeacherWord &w)
{
    const std::size_t gap = w.caption.find('_');
    check(gap != std::string::npos && w.caption.find('_', gap + 1) == std::string::npos,
          "a caption does not hold exactly one \"_\"");
    check(w.answerCode == "n" || w.answerCode == "nn", "an answer code is neither n nor nn");
    const std::string filled =
        w.caption.substr(0, gap) + (w.answerCode == "n" ? "н" : "нн") + w.caption.substr(gap + 1);
    check(w.expected == filled, "the expected word is not the caption with its gap filled");
    check(w.expected.find_first_of("[]_") == std::string::npos,
          "the expected word holds a bracket or \"_\"");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view file(reinterpret_cast<const char *>(data), size);
    const TeacherLists read =
        readTeacherLists(file, [](std::string_view caption) { return caption.size() <= 40; });

    if (size > kTeacherFileMaxBytes) {
        check(read.lists.empty() && read.errors.size() == 1 && read.errors[0].line == 0,
              "a file over the limit is not one error for the whole file");
    }
    int lastNumber[5] = {};
    for (const TeacherList &list : read.lists) {
        check(list.number >= 2 && list.number <= 4, "a list number outside 2..4");
        check(lastNumber[list.number]++ == 0, "a list number loaded twice");
        check(list.headingLine >= 1, "a heading line before the first line");
        check(list.words.size() == kTeacherListLength, "a list without exactly twenty words");
        std::ranges::for_each(list.words, checkWord);
    }
    const auto lines = static_cast<int>(std::count(file.begin(), file.end(), '\n') +
                                        std::count(file.begin(), file.end(), '\r') + 1);
    for (std::size_t i = 0; i < read.errors.size(); ++i) {
        const TeacherListError &e = read.errors[i];
        check(!e.message.empty(), "an error without a message");
        check(e.line >= 0 && e.line <= lines, "an error on a line the file does not have");
        check(i == 0 || read.errors[i - 1].line <= e.line, "errors out of line order");
    }
    return 0;
}
