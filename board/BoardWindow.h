// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

#include <array>
#include <functional>

class Announcer;
class BevelPanel;
class QAction;
class QLabel;
class TsButton;

// The variant board, the program's main window. Eight variant buttons in two columns open the
// exercises (two of them are live, the other six stay disabled); beside a passed variant it
// shows a red completion mark and how often help was asked for, and disables the variant's
// button. A credits menu and a full-width close button complete it.
class BoardWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit BoardWindow(QWidget *parent = nullptr);

    // What a variant's button shows: the window `window` gives, made when it is first asked for.
    // The window set hands these over once the windows can be made; until then a button does
    // nothing. A slot given a window is live: its button is enabled until the variant is passed.
    // Slots are numbered 1 to 8 (1 to 4 the sorting, 5 to 8 the writing variants).
    using WindowMaker = std::function<QWidget *()>;
    void setVariantWindow(int slot, WindowMaker window);

    // Marks a variant as passed: shows its completion mark, disables its button and shows
    // "Подсказок:" with the help count in decimal. Slots are numbered 1 to 8 (1 is the sorting,
    // 5 the writing exercise); any other number is ignored. Nothing is painted in between.
    void markVariantPassed(int slot, int helpCount);

private:
    // One place on the board: the variant button, its mark and its two labels.
    struct VariantSlot
    {
        TsButton *button = nullptr;
        QLabel *mark = nullptr;
        QLabel *hintLabel = nullptr;
        QLabel *countLabel = nullptr;
        WindowMaker window;
    };

    void createPanels();
    void createSlots();
    void createCloseButton();
    void createCreditsMenu();
    void setKeyboardOrder();
    void giveMarkItsPicture(QLabel *mark);

    void onVariantClicked(int slot);
    void onCloseClicked();
    void onMailClicked();
    void onCourseLinkClicked();

    BevelPanel *m_variantPanel = nullptr;
    BevelPanel *m_closePanel = nullptr;
    std::array<VariantSlot, 8> m_slots;
    TsButton *m_closeButton = nullptr;
    Announcer *m_announcer = nullptr; // what a screen reader says as it happens
    // The completion mark, decoded when the first variant is passed: a board nobody has passed
    // yet need not load the JPEG decoder at start-up.
    QPixmap m_markPicture;
};
