// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How assistive technology sees the sorting window's word list, words and pictures: the list
// as a list whose description tells its keys; each word as text with the action "Pick"
// ("Взять слово"), focused while the keyboard is on it and selected while picked; each picture
// as a graphic with the action "Drop" ("Положить слово сюда"), which puts the picked word there
// exactly as a click on the picture does. A screen reader's action command can so do the whole
// exercise. A word is named as it is said («лу, пропуск, ый»), not as it is drawn.
namespace sorting_accessible {

inline constexpr const char *kPickAction = "Pick";
inline constexpr const char *kDropAction = "Drop";

// Registers the interfaces of the word list, word and picture classes with the program's
// accessibility factory, once. Each of the classes calls it before it names itself.
void registerClasses();

} // namespace sorting_accessible
