#pragma once

class QLabel;
class QWidget;

// A label that tells the pupil the result of what they just did ("Есть ошибки.", "Отлично!").
// Assistive technology meets it as a notification instead of a plain label: a screen reader
// speaks a notification when it appears, without the keyboard focus going there. Its name stays
// its text as read aloud; showing it, hiding it and changing its text reach the accessibility
// bus as they happen (Qt sends the showing and the name change itself).
void markAsStatusText(QLabel *label);

// Whether markAsStatusText made `widget` a status text.
bool isStatusText(const QWidget *widget);
