// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SortingEffects.h"
#include "SortingExercise.h"

#include <QPointer>
#include <QWidget>

#include <array>

class Announcer;
class BevelPanel;
class DropPicture;
class QLabel;
class SortingWordLabel;
class TsButton;
class WordPicker;

// The window of the sorting exercise, "Вариант 1": created hidden at start-up, shown by the
// board, hidden (never destroyed) when closed.
//
// It only shows and forwards: the word list on the left, the pictures and panels on the right,
// drags and button presses turned into calls of its SortingExercise, and after each call the
// whole view of the exercise rendered onto the controls at once. The effects the exercise asks
// for (the help window, closing, reporting the pass) are carried out here.
class SortingWindow : public QWidget, private SortingEffects
{
    Q_OBJECT
public:
    // The window of `words` (those of "Вариант 1" unless a teacher's list is given), reporting
    // its pass for the board's `slot`. The words must outlive the window.
    explicit SortingWindow(const ExerciseWords &words = kSortingWords,
                           int slot = kSortingVariantSlot, QWidget *parent = nullptr);

    // Whether a gapped caption fits the word list at the words' font, with the keyboard's mark
    // round it: the narrowest room a word has in either exercise window.
    static bool captionFits(const QString &caption);
    ~SortingWindow() override;

    // The help window the exercise shows and hides; the window set hands it over once all four
    // windows exist. Until then help is neither shown nor hidden.
    void setHelpWindow(QWidget *help);

    // The exercise behind the window: its counters, and the view the window shows.
    const SortingExercise &exercise() const { return m_exercise; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

Q_SIGNALS:
    // The pupil left a passed exercise with "Дальше": the window is already hidden. `slot` is the
    // board's variant slot of this exercise, `helpCount` its presses of "Помогите!".
    void variantPassed(int slot, int helpCount);

private:
    void createWordList();
    void createCheckPanel();
    void createTargetPanel();
    void createInstructionPanel();
    void createHelpPanel();
    void createAdvicePanel();
    void createPicker();
    void setKeyboardOrder();
    void showOpeningView();

    // Shows the exercise's whole view on the controls.
    void render();

    void dropOnPicture(const DropPicture *picture, int word);
    // Lets go of what the pupil holds: a word being dragged, or else a picked word.
    void letGo();
    void onCheckClicked();
    void onRetryClicked();
    void onHelpClicked();
    void onNextClicked();

    // SortingEffects
    void hideHelp() override;
    void showHelp() override;
    void closeWindow() override;
    void markVariantPassed(int slot, std::int32_t helpCount) override;

    const ExerciseWords &m_wordList; // the words the window shows, in list order
    SortingExercise m_exercise;

    // The controls by role; the comments give their object names.
    WordPicker *m_wordListPanel = nullptr;                       // Panel3, picks words
    std::array<SortingWordLabel *, kSortingWordCount> m_words{}; // Label3..Label22
    BevelPanel *m_checkPanel = nullptr;                          // Panel2
    QLabel *m_errorsCaption = nullptr;                           // Label1, "Ошибок:"
    QLabel *m_errorCount = nullptr;                              // Label2
    QLabel *m_praise = nullptr;                                  // Label36, "Ура-а-а !"
    TsButton *m_checkButton = nullptr;                           // sButton5, "Проверить"
    TsButton *m_retryButton = nullptr;                           // sButton1, "Заново"
    TsButton *m_nextButton = nullptr;                            // sButton2, "Дальше"
    BevelPanel *m_targetPanel = nullptr;                         // Panel1
    DropPicture *m_doubleNPicture = nullptr;                     // Image2
    DropPicture *m_singleNPicture = nullptr;                     // Image1
    BevelPanel *m_instructionPanel = nullptr;                    // Panel4
    BevelPanel *m_helpPanel = nullptr;                           // Panel5
    TsButton *m_helpButton = nullptr;                            // sButton3, "Помогите!"
    BevelPanel *m_advicePanel = nullptr;                         // Panel6
    Announcer *m_announcer = nullptr; // what a screen reader says as it happens

    QPointer<QWidget> m_help;
};
