// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeacherLists.h"

#include "TeacherText.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>

// The file is decoded into code points line by line; every check works on code points, and what
// goes out (words, messages) is encoded back into UTF-8. A line that is not valid UTF-8 is a fault
// of the list it stands in, like any faulty word (the other lists load); outside a list (a file
// saved in another encoding, Notepad's "ANSI" or Windows-1251, breaks every Russian line, its
// headings too) it is said once for the whole file, with how to save the file again.

namespace {

using namespace teacher_text;

const std::string kBrokenLine = "строка не в кодировке UTF-8: сохраните файл в кодировке UTF-8 "
                                "(в Блокноте: «Сохранить как», «Кодировка: UTF-8»)";

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// "слово", "слова" or "слов" after the number n.
std::string wordsCount(std::size_t n)
{
    const std::size_t last = n % 10;
    const std::size_t lastTwo = n % 100;
    const char *noun = "слов";
    if (last == 1 && lastTwo != 11) {
        noun = "слово";
    } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        noun = "слова";
    }
    return std::to_string(n) + " " + noun;
}

std::string heading(int number)
{
    return "«Вариант " + std::to_string(number) + "»";
}

// The rest of a heading line after "Вариант" (any case), trimmed: "3" for "  вариант   3".
// Nothing when the line is no heading; a word that only begins with the same letters
// ("вариантный") is no heading.
std::optional<std::u32string_view> headingNumber(std::u32string_view line)
{
    constexpr std::u32string_view kWord = U"вариант";
    if (line.size() < kWord.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kWord.size(); ++i) {
        if (lowerRussian(line[i]) != kWord[i]) {
            return std::nullopt;
        }
    }
    const std::u32string_view rest = line.substr(kWord.size());
    if (!rest.empty() && !isBlank(rest.front()) &&
        !(rest.front() >= U'0' && rest.front() <= U'9')) {
        return std::nullopt;
    }
    return trimmed(rest);
}

// What is wrong with a character that has no place in a word, for the word `q` (quoted).
std::string badCharacter(char32_t c, const std::string &q)
{
    if (isBlank(c) || looksLikeSpace(c)) {
        return "в строке " + q + " пробел внутри слова: на строке пишется одно слово";
    }
    if (isUpperRussian(c)) {
        return "в слове " + q + " заглавная буква " + nameOf(c) +
               ": слова пишутся строчными буквами";
    }
    if (isLatin(c)) {
        return "в слове " + q + " буква " + nameOf(c) +
               " не русская: слова пишутся русскими строчными буквами";
    }
    if (c >= U'0' && c <= U'9') {
        return "в слове " + q + " цифра " + nameOf(c) +
               ": в слове могут быть только русские строчные буквы";
    }
    if (c == U'(' || c == U')' || c == U'{' || c == U'}' || c == U'<' || c == U'>') {
        return "в слове " + q + " знак " + nameOf(c) +
               ": н или нн ставится в квадратные скобки [ ]";
    }
    return "в слове " + q + " знак " + nameOf(c) +
           ": в слове могут быть только русские строчные буквы, дефис и квадратные скобки";
}

struct WordCheck
{
    TeacherWord word;
    std::string error; // empty when the word is good
};

// One word line, trimmed: "деревя[нн]ый" becomes the caption, the answer code and the expected
// word, or the first fault found, in the order a teacher would fix them.
WordCheck checkWord(std::u32string_view line,
                    const std::function<bool(std::string_view)> &captionFits)
{
    const std::string q = quote(line);
    const auto fault = [](std::string message) { return WordCheck{{}, std::move(message)}; };
    for (const char32_t c : line) {
        if (!isLowerRussian(c) && c != U'-' && c != U'[' && c != U']') {
            return fault(badCharacter(c, q));
        }
    }
    const auto opens = std::count(line.begin(), line.end(), U'[');
    const auto closes = std::count(line.begin(), line.end(), U']');
    if (opens == 0 && closes == 0) {
        return fault("в слове " + q + " нет скобок с н или нн: пишите, например, «деревя[нн]ый»");
    }
    if (opens > 1 || closes > 1) {
        return fault("в слове " + q +
                     (opens == 2 && closes == 2 ? " две пары скобок" : " лишние скобки") +
                     ": в скобки берётся только одно место с н или нн");
    }
    const std::size_t open = line.find(U'[');
    const std::size_t close = line.find(U']');
    if (opens != closes || close < open) {
        return fault("в слове " + q + " скобки не парные: нужно [ перед н или нн и ] после");
    }
    const std::u32string_view inner = line.substr(open + 1, close - open - 1);
    if (inner.empty()) {
        return fault("в слове " + q + " пустые скобки: в них должно быть н или нн");
    }
    if (inner != U"н" && inner != U"нн") {
        return fault("в скобках должно быть н или нн, а стоит " + quote(inner) + " (слово " + q +
                     ")");
    }
    const std::u32string_view before = line.substr(0, open);
    const std::u32string_view after = line.substr(close + 1);
    if (before.empty() || after.empty()) {
        return fault("в слове " + q + " скобки стоят с краю: н или нн пишется внутри слова");
    }
    const std::u32string expected =
        std::u32string(before) + std::u32string(inner) + std::u32string(after);
    if (expected.front() == U'-' || expected.back() == U'-') {
        return fault("в слове " + q + " дефис в начале или в конце слова");
    }
    if (expected.find(U"--") != std::u32string::npos) {
        return fault("в слове " + q + " два дефиса подряд");
    }
    TeacherWord word{utf8(before) + "_" + utf8(after), inner.size() == 1 ? "n" : "nn",
                     utf8(expected)};
    bool fits = true;
    if (captionFits) {
        try {
            fits = captionFits(word.caption);
        } catch (const std::exception &) {
            fits = false; // a width that cannot be measured is not known to fit
        }
    }
    if (!fits) {
        return fault("слово " + q + " шире, чем помещается в списке: возьмите слово покороче");
    }
    return WordCheck{std::move(word), {}};
}

// One line of the file: its number and its text without the line break.
struct Line
{
    int number;
    std::string_view text;
};

// Lines end at LF, CRLF or a lone CR.
std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    int number = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back({number++, text.substr(start, i - start)});
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back({number, text.substr(start)});
    }
    return lines;
}

// A list being read: its heading and its words so far.
struct OpenList
{
    TeacherList list;
    std::size_t wordLines = 0; // every word line under the heading, good or faulty
    bool faulty = false;
    bool brokenReported = false; // a line not in UTF-8 was reported for this list
};

class Reader
{
public:
    explicit Reader(const std::function<bool(std::string_view)> &captionFits)
        : m_captionFits(captionFits)
    {
    }

    void readLine(int number, std::u32string_view text)
    {
        const std::u32string_view line = trimmed(text);
        if (line.empty() || line.front() == U'#') {
            return;
        }
        if (const auto rest = headingNumber(line)) {
            closeList();
            startList(number, *rest);
            return;
        }
        switch (m_state) {
        case State::BeforeHeading:
            error(number, "строка " + quote(line) +
                              " стоит до первого заголовка: список начинается строкой «Вариант "
                              "2», «Вариант 3» или «Вариант 4»");
            m_state = State::UnderBadHeading; // reported once, not for every word
            return;
        case State::UnderBadHeading:
            return;
        case State::InList:
            addWord(number, line);
            return;
        }
    }

    // A line that is not valid UTF-8.
    void readBrokenLine(int number)
    {
        if (m_state == State::InList) {
            // Most likely a word: it counts as one, and its list does not load. One message
            // for a list, however many of its lines are broken.
            ++m_open.wordLines;
            m_open.faulty = true;
            if (!m_open.brokenReported) {
                error(number,
                      kBrokenLine + "; список " + heading(m_open.list.number) + " не загружен");
                m_open.brokenReported = true;
            }
            return;
        }
        if (m_brokenOutside++ == 0) {
            m_firstBrokenOutside = number;
        }
    }

    TeacherLists finish()
    {
        closeList();
        if (m_brokenOutside > 0) {
            std::string more;
            if (m_brokenOutside > 1) {
                more =
                    " (и ещё строк с таким же сбоем: " + std::to_string(m_brokenOutside - 1) + ")";
            }
            error(m_firstBrokenOutside, kBrokenLine + more);
        }
        // A number given twice loads neither list: which one the teacher meant is not known.
        std::erase_if(m_result.lists, [this](const TeacherList &list) {
            return std::ranges::count(m_headings, list.number) > 1;
        });
        std::ranges::stable_sort(m_result.errors, {}, &TeacherListError::line);
        return std::move(m_result);
    }

private:
    enum class State { BeforeHeading, InList, UnderBadHeading };

    void error(int line, std::string message)
    {
        m_result.errors.push_back({line, std::move(message)});
    }

    void startList(int line, std::u32string_view numberText)
    {
        const std::string under = "; слова под этим заголовком не загружены";
        m_state = State::UnderBadHeading;
        if (numberText.empty()) {
            error(line, "в заголовке нет номера варианта: пишите «Вариант 2», «Вариант 3» или "
                        "«Вариант 4»" +
                            under);
            return;
        }
        if (numberText == U"1") {
            error(line, "«Вариант 1» встроен в программу, в файле могут быть только варианты 2, "
                        "3 и 4" +
                            under);
            return;
        }
        if (numberText != U"2" && numberText != U"3" && numberText != U"4") {
            error(line, "в заголовке «Вариант " + shown(numberText) +
                            "» номер должен быть 2, 3 или 4" + under);
            return;
        }
        const int number = static_cast<int>(numberText.front() - U'0');
        const auto earlier = std::ranges::find(m_headings, number);
        if (earlier != m_headings.end()) {
            const int earlierLine = m_headingLines[earlier - m_headings.begin()];
            error(line, heading(number) + " уже был выше, в строке " + std::to_string(earlierLine) +
                            ": ни один из списков с этим номером не загружен");
        }
        m_headings.push_back(number);
        m_headingLines.push_back(line);
        m_open = OpenList{TeacherList{number, line, {}}};
        m_state = State::InList;
    }

    void addWord(int line, std::u32string_view text)
    {
        ++m_open.wordLines;
        WordCheck checked = checkWord(text, m_captionFits);
        if (!checked.error.empty()) {
            error(line, std::move(checked.error));
            m_open.faulty = true;
        } else if (m_open.list.words.size() < kTeacherListLength) {
            m_open.list.words.push_back(std::move(checked.word));
        }
    }

    void closeList()
    {
        if (m_state != State::InList) {
            return;
        }
        m_state = State::UnderBadHeading;
        if (m_open.wordLines != kTeacherListLength) {
            error(m_open.list.headingLine, "в списке " + heading(m_open.list.number) + " " +
                                               wordsCount(m_open.wordLines) + ", а нужно ровно " +
                                               std::to_string(kTeacherListLength));
            return;
        }
        if (!m_open.faulty) {
            m_result.lists.push_back(std::move(m_open.list));
        }
    }

    const std::function<bool(std::string_view)> &m_captionFits;
    State m_state = State::BeforeHeading;
    OpenList m_open;
    std::vector<int> m_headings;     // the number of every good heading, in file order
    std::vector<int> m_headingLines; // and its line
    int m_brokenOutside = 0;         // lines not in UTF-8 outside any list
    int m_firstBrokenOutside = 0;    // and the first of them
    TeacherLists m_result;
};

} // namespace

TeacherLists readTeacherLists(std::string_view fileBytes,
                              const std::function<bool(std::string_view caption)> &captionFits)
{
    TeacherLists result;
    try {
        if (fileBytes.size() > kTeacherFileMaxBytes) {
            result.errors.push_back(
                {0, "файл слишком большой: " + std::to_string(fileBytes.size()) +
                        " байт, а файл со списками может быть не больше " +
                        std::to_string(kTeacherFileMaxBytes) + " байт; списки не загружены"});
            return result;
        }
        if (fileBytes.starts_with(kBom)) {
            fileBytes.remove_prefix(kBom.size());
        }
        const std::vector<Line> lines = splitLines(fileBytes);
        Reader reader(captionFits);
        for (const Line &line : lines) {
            if (const auto text = decode(line.text)) {
                reader.readLine(line.number, *text);
            } else {
                reader.readBrokenLine(line.number);
            }
        }
        return reader.finish();
    } catch (const std::exception &) {
        // Only running out of memory can get here; the file is not loaded rather than half read.
        TeacherLists failed;
        failed.errors.push_back({0, "файл не удалось прочитать: не хватило памяти"});
        return failed;
    }
}
