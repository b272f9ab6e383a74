// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WritingEffects.h"
#include "WritingExercise.h"

#include <QPointer>
#include <QWidget>

#include <array>

class Announcer;
class BevelPanel;
class FocusMark;
class QLabel;
class TsButton;
class WordLabel;
class WritingEditBox;

// The window of the writing exercise, "Вариант 1-1": created hidden at start-up, shown by the
// board, hidden (never destroyed) when closed. It starts narrow with the word list only; the
// twentieth click on a word widens it and brings the check area on the right into view.
//
// The window only shows and forwards: clicks and button presses become calls of its
// WritingExercise, and after each call the whole WritingView is rendered onto the controls. The
// exercise's outward effects (focus, widening, the help window, closing, reporting the pass) come
// back through WritingEffects. The typed words live in the edit boxes and nowhere else.
class WritingWindow : public QWidget, public WritingEffects
{
    Q_OBJECT
public:
    // The window of `words` (those of "Вариант 1-1" unless a teacher's list is given),
    // reporting its pass for the board's `slot`. The words must outlive the window.
    explicit WritingWindow(const ExerciseWords &words = kWritingWords,
                           int slot = WritingExercise::kVariantSlot, QWidget *parent = nullptr);

    // The outer width the window starts with.
    static constexpr int kNarrowWidth = WritingView::kNarrowWidth;
    // The outer height; widening never changes it.
    static constexpr int kOuterHeight = 579;

    // The help window the exercise shows and hides; the window set hands it over once all four
    // windows exist. Until then help is neither shown nor hidden.
    void setHelpWindow(QWidget *help);

    // The exercise behind the window: its counters, and the view the window shows.
    const WritingExercise &exercise() const { return m_exercise; }

protected:
    bool event(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

Q_SIGNALS:
    // The pupil left a passed exercise with "Дальше": the window is already hidden. `slot` is the
    // board's variant slot of this exercise, `helpCount` its presses of "Помогите!".
    void variantPassed(int slot, int helpCount);

private:
    // WritingEffects: what the exercise asks of the window, called only by the exercise.
    void focusEditBox(int word) override;
    void resizeAndCentre(int outerWidth) override;
    void showHelp() override;
    void hideHelp() override;
    void closeWindow() override;
    void markVariantPassed(int slot, std::int32_t helpCount) override;

    void createWordList();
    void createPicturePanel();
    void createCheckPanel();
    void createHelpOffer();
    void setKeyboardOrder();
    void openNarrow();
    void keepActivationFocusOffWords();
    void wordsTakeKeyboardFocus(bool take);

    // Shows and hides every control as the exercise's view says.
    void render();

    void onWordClicked(int word);
    void onCheckClicked();
    void onNextClicked();
    void onRetryClicked();
    void onHelpClicked();

    const ExerciseWords &m_words;
    WritingExercise m_exercise;
    QPointer<QWidget> m_help;

    // The controls by role; the comments give their object names.
    BevelPanel *m_helpOfferPanel = nullptr; // Panel1
    BevelPanel *m_picturePanel = nullptr;   // Panel2
    BevelPanel *m_wordListPanel = nullptr;  // Panel3
    BevelPanel *m_checkPanel = nullptr;     // Panel4
    BevelPanel *m_advicePanel = nullptr;    // Panel5
    QLabel *m_prompt = nullptr;             // Label2, "Напиши его."
    std::array<WordLabel *, WritingView::kWordCount> m_wordLabels{};     // Label3..Label22
    std::array<WritingEditBox *, WritingView::kWordCount> m_editBoxes{}; // Edit1..Edit20
    FocusMark *m_focusMark = nullptr;   // the keyboard focus mark, painted on the word list panel
    QLabel *m_smilingPicture = nullptr; // Image1
    QLabel *m_teasingPicture = nullptr; // Image2
    QLabel *m_errorsLabel = nullptr;    // Label24
    QLabel *m_praise = nullptr;         // Label23
    Announcer *m_announcer = nullptr;   // what a screen reader says as it happens
    TsButton *m_checkButton = nullptr;  // sButton1, "Проверить"
    TsButton *m_retryButton = nullptr;  // sButton3, "Буду искать"
    TsButton *m_nextButton = nullptr;   // sButton2, "Дальше"
    TsButton *m_helpButton = nullptr;   // sButton4, "Помогите!"
};
