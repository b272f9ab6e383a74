#pragma once

#include "TsButtonControl.h"

// The skinned push button: TsButtonControl with the keyboard and focus behaviour of a push
// button. Space clicks on the key's release, Enter clicks the button that acts as the default
// one, Escape clicks a Cancel button, and a focused button shows a dotted focus frame.
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
    // button took it and clicked.
    bool offerDialogKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void drawAfterCaption(BgrImage &image, const TsRect &caption) override;

private:
    void focusMoved(QWidget *now);
    // Whether the button acts as the default while `focused` holds the window's focus.
    bool actsAsDefaultWith(const QWidget *focused) const;
    bool canTakeFocus() const;
    void keyClick();

    bool m_default = false;
    bool m_cancel = false;
    bool m_actsAsDefault = false;
};
