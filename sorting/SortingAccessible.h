#pragma once

class QLabel;
class QWidget;
class WordPicker;

// How assistive technology sees the sorting window's word list, words and pictures: the list
// as a list whose description tells its keys; each word as text with the action "Pick"
// ("Взять слово"), focused while the keyboard is on it and selected while picked; each picture
// as a graphic with the action "Drop" ("Положить слово сюда"), which drops the picked word there
// exactly as a mouse drop does. A screen reader's action command can so do the whole exercise.
// A word is named as it is said («лу, пропуск, ый»), not as it is drawn.
namespace sorting_accessible {

inline constexpr const char *kPickAction = "Pick";
inline constexpr const char *kDropAction = "Drop";

// Registers the word list, the words and the pictures of the sorting window by their names with
// the program's accessibility factory. Called before the window makes them.
void registerControls();

// Ties the registered controls to the picker that does their actions (and word n to its number).
void describeWordList(QWidget *list, WordPicker *picker);
void describeWord(QLabel *word, int n, WordPicker *picker);
void describePicture(QLabel *picture, WordPicker *picker);

} // namespace sorting_accessible
