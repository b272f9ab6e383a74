// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of the credits menu. They are ours to choose and kept together here, so a school
// can put in its own: who wrote the program and how to reach them, and the course the second
// menu invites to. The addresses are under example.org, which is reserved for examples and
// reaches nobody.
namespace credits {

// Who is credited with the script and the programming.
inline constexpr char kAuthor[] = "Команда проекта «Н и НН в прилагательных»";
// Their e-mail address; the menu shows it and hands "mailto:" and the address to the desktop.
inline constexpr char kAuthorMail[] = "nn-trainer@example.org";

// The course the second menu invites to: its title (the menu adds the quotation marks and the
// full stop), its authors and the web address of its sign-up page (shown and opened as it is).
inline constexpr char kCourseTitle[] = "Грамотное письмо: орфография без ошибок";
inline constexpr char kCourseAuthors[] = "Методическая группа проекта";
inline constexpr char kCourseSignUp[] = "https://example.org/courses/orthography/signup";

} // namespace credits
