#pragma once

#include <QWidget>

// A message for screen readers, spoken as it appears: results and outcomes that the pupil sees
// as a change somewhere in a window (a word gone from the list, "Ура-а-а !") but that a screen
// reader would otherwise not read out unless asked.
//
// It draws nothing and takes no input: a one-pixel widget at the top-left corner of its parent,
// invisible to the eye and to the mouse. To assistive technology it is an alert whose name is
// the latest message; each message hides and shows it again, and screen readers (Orca among
// them) speak an alert as it becomes showing. The message stays readable in the window's tree
// until the next one.
class LiveStatus : public QWidget
{
    Q_OBJECT
public:
    explicit LiveStatus(QWidget *parent);

    // Speaks `message` now; the same message twice is spoken twice.
    void say(const QString &message);

    QString lastMessage() const { return accessibleName(); }
};
