// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The one way a window tells a screen reader what the pupil must hear as it happens: results,
// picks, drops, praise, a pass. Screen readers speak it wherever the keyboard focus is.
//
// To the eye it is nothing: a transparent one-pixel child at the window's corner that takes no
// input and no focus. To assistive technology it is a notification whose name is the latest
// message; each message hides it, renames it and shows it again, and the notification's becoming
// showing is what readers speak (Orca among them; it reads its role and name). Orca says the
// name as written, so a message is written as it is to be heard: words, commas and full stops,
// none of the signs that a reader spells out (":", "-", "_").
//
// On Qt 6.8 and later the message also goes out as an announcement event where the bridge is not
// AT-SPI (there a notification's showing is not spoken); on AT-SPI the showing alone is sent, so
// that a reader that speaks both never hears a message twice.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    // Speaks `message` now; the same message twice is spoken twice.
    void say(const QString &message);

    // The last message, as the accessibility tree shows it until the next one.
    QString lastMessage() const { return accessibleName(); }
};
