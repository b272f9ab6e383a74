// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeacherText.h"

namespace teacher_text {
namespace {

// Decodes the code point at `pos` and moves past it; an invalid sequence gives nothing.
std::optional<char32_t> decodeAt(std::string_view s, std::size_t &pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t cp = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, lowest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() - pos < static_cast<std::size_t>(length)) {
        return std::nullopt;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return cp;
}

} // namespace

std::optional<std::u32string> decode(std::string_view s)
{
    std::u32string out;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const auto cp = decodeAt(s, pos);
        if (!cp) {
            return std::nullopt;
        }
        out += *cp;
    }
    return out;
}

void encode(char32_t cp, std::string &out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string utf8(std::u32string_view s)
{
    std::string out;
    for (const char32_t cp : s) {
        encode(cp, out);
    }
    return out;
}

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t';
}
bool isLowerRussian(char32_t c)
{
    return (c >= U'а' && c <= U'я') || c == U'ё';
}
bool isUpperRussian(char32_t c)
{
    return (c >= U'А' && c <= U'Я') || c == U'Ё';
}
bool isLatin(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

char32_t lowerRussian(char32_t c)
{
    if (c >= U'А' && c <= U'Я') {
        return c + (U'а' - U'А');
    }
    return c == U'Ё' ? U'ё' : c;
}

// Spaces a word processor or a web page may leave in a text: the no-break and the typographic
// ones, which look like a space but are not trimmed.
bool looksLikeSpace(char32_t c)
{
    return c == 0xA0 || (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x3000;
}

// Control and format characters that would show as nothing, or break the message, if quoted.
bool isInvisible(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || looksLikeSpace(c) || c == 0xFEFF ||
           (c >= 0x200C && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x206F);
}

std::u32string_view trimmed(std::u32string_view s)
{
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Text from the file as a message shows it: invisible characters as "�", cut after
// kQuoteLength code points.
std::string shown(std::u32string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size() && i < kQuoteLength; ++i) {
        encode(s[i] == U'\t' ? U' ' : isInvisible(s[i]) ? U'\uFFFD' : s[i], out);
    }
    if (s.size() > kQuoteLength) {
        out += "…";
    }
    return out;
}

std::string quote(std::u32string_view s)
{
    return "«" + shown(s) + "»";
}

// One character as a message names it: «D», or its code when it cannot be seen.
std::string nameOf(char32_t c)
{
    if (!isInvisible(c)) {
        return quote(std::u32string_view(&c, 1));
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string code;
    for (char32_t v = c; v != 0 || code.size() < 4; v >>= 4) {
        code.insert(code.begin(), kHex[v & 0xF]);
    }
    return "с кодом U+" + code;
}

} // namespace teacher_text
