#pragma once

#include "SortingEffects.h"
#include "SortingExercise.h"

#include <QPointer>
#include <QWidget>

#include <array>

class BevelPanel;
class QLabel;
class TForm1;
class TsButton;
class WordDrag;

// The window of the sorting exercise, "Вариант 1": created hidden at start-up, shown by the
// board, hidden (never destroyed) when closed.
//
// It only shows and forwards: the word list on the left, the pictures and panels on the right,
// drags and button presses turned into calls of its SortingExercise, and after each call the
// whole view of the exercise rendered onto the controls at once. The effects the exercise asks
// for (the help window, closing, marking the board) are carried out here.
class TForm2 : public QWidget, private SortingEffects
{
    Q_OBJECT
public:
    // The name of the property that holds a word's or a picture's answer code. It is never
    // shown: no control of the window shows hints.
    static constexpr const char *kHintProperty = "hint";

    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // The board (marked when the pupil leaves a passed exercise) and the shared help window. The
    // window set hands them over once all four windows exist.
    void setPeers(TForm1 *board, QWidget *help);

    // The exercise behind the window: its counters, and the view the window shows.
    const SortingExercise &exercise() const { return m_exercise; }

private:
    void createWordList();
    void createCheckPanel();
    void createTargetPanel();
    void createInstructionPanel();
    void createHelpPanel();
    void createAdvicePanel();
    void setKeyboardOrder();
    void FormCreate();

    // Shows the exercise's whole view on the controls.
    void render();

    void Image1DragDrop(int word);
    void Image2DragDrop(int word);
    void dropOnPicture(const QLabel *picture, int word);
    void sButton5Click();
    void sButton1Click();
    void sButton3Click();
    void sButton2Click();

    // SortingEffects
    void hideHelp() override;
    void showHelp() override;
    void closeWindow() override;
    void markVariantPassed(int slot, std::int32_t helpCount) override;

    SortingExercise m_exercise;

    BevelPanel *m_panel3 = nullptr; // the word list
    std::array<QLabel *, kSortingWordCount> m_words{};
    BevelPanel *m_panel2 = nullptr; // the check panel
    QLabel *m_label1 = nullptr;     // "Ошибок:"
    QLabel *m_label2 = nullptr;     // the error count
    QLabel *m_label36 = nullptr;    // "Ура-а-а !"
    TsButton *m_sButton5 = nullptr; // "Проверить"
    TsButton *m_sButton1 = nullptr; // "Заново"
    TsButton *m_sButton2 = nullptr; // "Дальше"
    BevelPanel *m_panel1 = nullptr; // the target panel
    QLabel *m_image2 = nullptr;     // the double-нн picture
    QLabel *m_image1 = nullptr;     // the single-н picture
    BevelPanel *m_panel4 = nullptr; // the instruction panel
    BevelPanel *m_panel5 = nullptr; // the help panel
    TsButton *m_sButton3 = nullptr; // "Помогите!"
    BevelPanel *m_panel6 = nullptr; // the advice panel
    WordDrag *m_drag = nullptr;

    QPointer<TForm1> m_board;
    QPointer<QWidget> m_help;
};
