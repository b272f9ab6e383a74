// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a teacher's file as the reader sees it: UTF-8 decoded into code points and
// encoded back, the classes of characters a word may and may not hold, and a piece of the file
// as a message quotes it.
namespace teacher_text {

inline constexpr std::size_t kQuoteLength = 40; // code points of a quoted line shown in a message

// The code points of a line; nothing when it is not valid UTF-8 (a stray continuation byte, a
// truncated sequence, an overlong form, a surrogate, anything past U+10FFFF).
std::optional<std::u32string> decode(std::string_view s);
void encode(char32_t cp, std::string &out);
std::string utf8(std::u32string_view s);

bool isBlank(char32_t c);
bool isLowerRussian(char32_t c);
bool isUpperRussian(char32_t c);
bool isLatin(char32_t c);
char32_t lowerRussian(char32_t c);
// Spaces a word processor or a web page may leave in a text: the no-break and the typographic
// ones, which look like a space but are not trimmed.
bool looksLikeSpace(char32_t c);
// Control and format characters that would show as nothing, or break the message, if quoted.
bool isInvisible(char32_t c);

// Without the blanks (spaces, tabs) at either end.
std::u32string_view trimmed(std::u32string_view s);
// Text from the file as a message shows it: invisible characters as "�", cut after
// kQuoteLength code points.
std::string shown(std::u32string_view s);
// The same in «quotes».
std::string quote(std::u32string_view s);
// One character as a message names it: «D», or its code when it cannot be seen.
std::string nameOf(char32_t c);

} // namespace teacher_text
