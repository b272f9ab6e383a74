#pragma once

#include "SortingEffects.h"
#include "SortingExercise.h"

#include <QPointer>
#include <QWidget>

#include <array>

class BevelPanel;
class Announcer;
class QLabel;
class TsButton;
class WordDrag;
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
    // The name of the property that holds a word's or a picture's answer code. It is never
    // shown: no control of the window shows hints.
    static constexpr const char *kHintProperty = "hint";

    explicit SortingWindow(QWidget *parent = nullptr);
    ~SortingWindow() override;

    // The help window the exercise shows and hides; the window set hands it over once all four
    // windows exist. Until then help is neither shown nor hidden.
    void setHelpWindow(QWidget *help);

    // The exercise behind the window: its counters, and the view the window shows.
    const SortingExercise &exercise() const { return m_exercise; }

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

    void onSingleNDropped(int word);
    void onDoubleNDropped(int word);
    void dropOnPicture(const QLabel *picture, int word);
    void onCheckClicked();
    void onRetryClicked();
    void onHelpClicked();
    void onNextClicked();

    // SortingEffects
    void hideHelp() override;
    void showHelp() override;
    void closeWindow() override;
    void markVariantPassed(int slot, std::int32_t helpCount) override;

    SortingExercise m_exercise;

    // The controls by role; the comments give their object names.
    WordPicker *m_wordListPanel = nullptr;                  // Panel3, picks words
    std::array<QLabel *, kSortingWordCount> m_wordLabels{}; // Label3..Label22
    BevelPanel *m_checkPanel = nullptr;                     // Panel2
    QLabel *m_errorsCaption = nullptr;                      // Label1, "Ошибок:"
    QLabel *m_errorCount = nullptr;                         // Label2
    QLabel *m_praise = nullptr;                             // Label36, "Ура-а-а !"
    TsButton *m_checkButton = nullptr;                      // sButton5, "Проверить"
    TsButton *m_retryButton = nullptr;                      // sButton1, "Заново"
    TsButton *m_nextButton = nullptr;                       // sButton2, "Дальше"
    BevelPanel *m_targetPanel = nullptr;                    // Panel1
    QLabel *m_doubleNPicture = nullptr;                     // Image2
    QLabel *m_singleNPicture = nullptr;                     // Image1
    BevelPanel *m_instructionPanel = nullptr;               // Panel4
    BevelPanel *m_helpPanel = nullptr;                      // Panel5
    TsButton *m_helpButton = nullptr;                       // sButton3, "Помогите!"
    BevelPanel *m_advicePanel = nullptr;                    // Panel6
    WordDrag *m_drag = nullptr;
    Announcer *m_announcer = nullptr; // what a screen reader says as it happens

    QPointer<QWidget> m_help;
};
