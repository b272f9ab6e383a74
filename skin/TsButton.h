// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TsButtonControl.h"

// The skinned push button: TsButtonControl with the keyboard and focus behaviour of a push
// button. Space clicks on the key's release, Enter clicks the button that acts as the default
// one, Escape clicks a Cancel button, and a focused button shows a dotted focus frame.
// A key click shows the pressed look first and runs the click from the button's own timer, once
// the event loop has had the chance to paint that look; the look comes up again after the click.
class TsButton : public TsButtonControl
{
    Q_OBJECT
public:
    explicit TsButton(QWidget *parent = nullptr);
    ~TsButton() override;

    bool Default() const { return m_default; }
    void setDefault(bool on);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool on) { m_cancel = on; }

    // Enter clicks this button: it has the focus, or it is a Default button while the focus is
    // on a control that is not a TsButton.
    bool ActsAsDefault() const { return m_actsAsDefault; }

    bool IsHot() const override;

    // Offers Enter or Escape, unconsumed by the focused control, to this button; true when the
    // button took it: it shows the pressed look and clicks from its timer. A held key's repeat
    // adds no click while one is still due.
    bool offerDialogKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void drawAfterCaption(BgrImage &image, const TsRect &caption) override;

private:
    void focusMoved(QWidget *now);
    // Whether the button acts as the default while `focused` holds the window's focus.
    bool actsAsDefaultWith(const QWidget *focused) const;
    bool canTakeFocus() const;
    // A key click: pressed look now, the click from m_keyClickTimer.
    void keyClick();
    void keyClickDue();
    void dropKeyClicks();

    bool m_default = false;
    bool m_cancel = false;
    bool m_actsAsDefault = false;
    bool m_spaceHeld = false; // Space went down on this button and has not come up yet
    int m_keyClicksDue = 0;   // key clicks taken and not yet run
    // Single shot, zero interval: a member, so a button destroyed before it fires takes it along.
    QTimer m_keyClickTimer;
};
