// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The help window: a rule card that says when an adjective is written with a single н and when
// with a double нн, each rule with its exceptions, beside a picture of the letter Н and one of
// the letters НН. It holds only fixed content and has no controls that act.
//
// Both exercise windows share the one help window; they show and hide it with showWindow() and
// hideWindow() (WindowRules.h). Its first showing puts it at its designed place on the screen;
// afterwards it stays where the pupil left it. A close request only hides it.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

private:
    void buildSingleNCard();
    void buildDoubleNnCard();
};
