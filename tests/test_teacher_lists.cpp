// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of a teacher's own lists: every fault (a caption too wide among them) with its line
// and message, the words derived from a good list, the file forms Notepad writes, and the sample.
#include "TeacherLists.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Word
{
    const char *line, *caption, *code, *expected;
};
// clang-format off
constexpr std::array<Word, 20> kWords{{
    {"гуси[н]ый", "гуси_ый", "n", "гусиный"},           {"стекля[нн]ый", "стекля_ый", "nn", "стеклянный"},
    {"ледя[н]ой", "ледя_ой", "n", "ледяной"},           {"революцио[нн]ый", "революцио_ый", "nn", "революционный"},
    {"ю[н]ый", "ю_ый", "n", "юный"},                    {"клюкве[нн]ый", "клюкве_ый", "nn", "клюквенный"},
    {"зелё[н]ый", "зелё_ый", "n", "зелёный"},           {"лимо[нн]ый", "лимо_ый", "nn", "лимонный"},
    {"масля[н]ый", "масля_ый", "n", "масляный"},        {"ва[нн]ый", "ва_ый", "nn", "ванный"},
    {"иссиня-чёр[н]ый", "иссиня-чёр_ый", "n", "иссиня-чёрный"}, {"време[нн]ый", "време_ый", "nn", "временный"},
    {"лебеди[н]ый", "лебеди_ый", "n", "лебединый"},     {"осе[нн]ий", "осе_ий", "nn", "осенний"},
    {"пья[н]ый", "пья_ый", "n", "пьяный"},              {"жизне[нн]ый", "жизне_ый", "nn", "жизненный"},
    {"ветре[н]ый", "ветре_ый", "n", "ветреный"},        {"подветре[нн]ый", "подветре_ый", "nn", "подветренный"},
    {"ржа[н]ой", "ржа_ой", "n", "ржаной"},              {"це[нн]ый", "це_ый", "nn", "ценный"},
}};
// clang-format on

// The room in the list, as the tests measure it: 40 bytes of caption.
bool fits(std::string_view caption)
{
    return caption.size() <= 40;
}

// "Вариант N" and the twenty words, the last one replaced by `last` when given.
std::string list(int number, const char *last = nullptr)
{
    std::string text = "Вариант " + std::to_string(number) + "\n";
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        text += std::string(i + 1 == kWords.size() && last ? last : kWords[i].line) + "\n";
    }
    return text;
}

std::vector<int> numbers(const TeacherLists &read)
{
    std::vector<int> out;
    for (const TeacherList &l : read.lists) {
        out.push_back(l.number);
    }
    return out;
}

void expectWords(const TeacherList &l)
{
    ASSERT_EQ(l.words.size(), kWords.size());
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        EXPECT_EQ(l.words[i].caption, kWords[i].caption) << i;
        EXPECT_EQ(l.words[i].answerCode, kWords[i].code) << i;
        EXPECT_EQ(l.words[i].expected, kWords[i].expected) << i;
    }
}

struct Fault
{
    std::string file;
    int line;
    const char *fragment;
    std::vector<int> loaded;
};

TEST(TeacherLists, EachFaultIsReportedOnceOnItsLineAndLeavesItsListOut)
{
    const std::string w19 = list(3).substr(0, list(3).rfind("це[нн]ый"));
    // clang-format off
    const std::vector<Fault> faults{
        {list(2, "деревянный"), 21, "в слове «деревянный» нет скобок с н или нн", {}},
        {list(2, "д[н]ере[нн]ый"), 21, "две пары скобок", {}},
        {list(2, "деревя[м]ый"), 21, "в скобках должно быть н или нн, а стоит «м»", {}},
        {list(2, "деревя[]ый"), 21, "пустые скобки", {}},
        {list(2, "деревя]нн[ый"), 21, "скобки не парные", {}},
        {list(2, "дeревя[нн]ый"), 21, "буква «e» не русская", {}},
        {list(2, "Деревя[нн]ый"), 21, "заглавная буква «Д»", {}},
        {list(2, "деревя[нн]ый2"), 21, "цифра «2»", {}},
        {list(2, "деревя [нн]ый"), 21, "пробел внутри слова", {}},
        {list(2, "деревя(нн)ый"), 21, "знак «(»: н или нн ставится в квадратные скобки", {}},
        {list(2, "деревя[нн]ый\x01"), 21, "знак с кодом U+0001", {}},
        {list(2, "-деревя[нн]ый"), 21, "дефис в начале или в конце", {}},
        {list(2, "дере--вя[нн]ый"), 21, "два дефиса подряд", {}},
        {list(2, "[нн]ый"), 21, "скобки стоят с краю", {}},
        {list(4) + w19, 22, "в списке «Вариант 3» 19 слов, а нужно ровно 20", {4}},
        {list(3) + "ледя[н]ой\n", 1, "в списке «Вариант 3» 21 слово, а нужно ровно 20", {}},
        {"Вариант 4\n" + list(2), 1, "в списке «Вариант 4» 0 слов", {2}},
        {list(1) + list(2), 1, "«Вариант 1» встроен в программу", {2}},
        {list(7) + list(2), 1, "в заголовке «Вариант 7» номер должен быть 2, 3 или 4", {2}},
        {list(2) + "Вариант x\n" + "без скобок\n", 22, "«Вариант x» номер должен быть", {2}},
        {list(2) + "Вариант \x7F\n", 22, "в заголовке «Вариант \uFFFD» номер", {2}},
        {"вариант\nледя[н]ой\n" + list(4), 1, "нет номера варианта", {4}},
        {"ледя[н]ой\nю[н]ый\n" + list(2), 1, "строка «ледя[н]ой» стоит до первого заголовка", {2}},
        {list(2) + list(2), 22, "«Вариант 2» уже был выше, в строке 1", {}},
        {list(3) + list(2) + list(3), 43, "«Вариант 3» уже был выше, в строке 1", {2}},
        {list(2) + list(3, "деревя[м]ый"), 42, "а стоит «м»", {2}},
        {list(2, "\xFF") + list(3), 21, "строка не в кодировке UTF-8", {3}},
        {list(2, "ле\xE0\x80\xB0"), 21, "не в кодировке UTF-8", {}},    // overlong "0"
        {"\xC2\xE0\xF0\xE8\xE0\xED\xF2 2\n\xEB\xF3\n" + list(4), 1, "с таким же сбоем: 1", {4}},
        {list(2, "\xED\xA0\x80[н]ый"), 21, "не в кодировке UTF-8", {}},   // a surrogate
        {list(2, "\xD0"), 21, "не в кодировке UTF-8", {}},                  // cut short
        {std::string(kTeacherFileMaxBytes + 1, '#'), 0, "файл слишком большой", {}},
        {list(3, "свежезамороже[нн]ый-превесёлый"), 21, "шире, чем помещается в списке", {}},
    };
    // clang-format on
    for (const Fault &f : faults) {
        const TeacherLists read = readTeacherLists(f.file, fits);
        ASSERT_EQ(read.errors.size(), 1u) << f.fragment;
        EXPECT_EQ(read.errors[0].line, f.line) << f.fragment;
        EXPECT_NE(read.errors[0].message.find(f.fragment), std::string::npos)
            << read.errors[0].message;
        EXPECT_EQ(numbers(read), f.loaded) << f.fragment;
        for (const TeacherList &l : read.lists) {
            expectWords(l); // a good list beside a faulty one loads whole
        }
    }
}

TEST(TeacherLists, NotepadFileWithBomCrlfCommentsAndBlankLines)
{
    std::string file = "\xEF\xBB\xBF# Мои списки\r\n\r\n  \t\r\n  ВАРИАНТ\t 4  \r\n";
    for (const Word &w : kWords) {
        file += std::string("\t ") + w.line + "  \r\n   # заметка\r\n\r\n";
    }
    std::string three = list(3).substr(list(3).find('\n') + 1);
    three.back() = '\r'; // a lone CR ends the file
    const TeacherLists read = readTeacherLists(file + "Вариант3\r" + three, fits);
    EXPECT_TRUE(read.errors.empty()) << read.errors[0].message;
    ASSERT_EQ(numbers(read), (std::vector<int>{4, 3}));
    EXPECT_EQ(read.lists[0].headingLine, 4);
    EXPECT_EQ(read.lists[1].headingLine, 65);
    expectWords(read.lists[0]);
    expectWords(read.lists[1]);
}

// The sample file shipped for teachers loads whole: three lists, no error (the caption lengths
// are checked by sample_words_in_dictionary.sh).
TEST(TeacherLists, SampleFileLoadsAllThreeLists)
{
    std::ifstream in(NN_SAMPLE_FILE, std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), {}};
    const TeacherLists read = readTeacherLists(file, fits);
    EXPECT_TRUE(read.errors.empty()) << read.errors[0].line << ": " << read.errors[0].message;
    EXPECT_EQ(numbers(read), (std::vector<int>{2, 3, 4}));
}

} // namespace
