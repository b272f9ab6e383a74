#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

#include <array>

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

    // The windows that "Вариант 1" (sorting) and "Вариант 1-1" (writing) show. The window set
    // hands them over once all windows exist; until then the two buttons do nothing.
    void setExerciseWindows(QWidget *sorting, QWidget *writing);

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
    };

    void createPanels();
    void createSlots();
    void createCloseButton();
    void createCreditsMenu();
    void setKeyboardOrder();
    void giveMarkItsPicture(QLabel *mark);

    void onSortingVariantClicked();
    void onWritingVariantClicked();
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
    QPointer<QWidget> m_sortingWindow;
    QPointer<QWidget> m_writingWindow;
};
