// SPDX-License-Identifier: GPL-3.0-or-later
#include "SortingWindow.h"

#include "Announcer.h"
#include "BevelPanel.h"
#include "DesktopLook.h"
#include "DropPicture.h"
#include "FocusMark.h"
#include "FormFrame.h"
#include "ProgramButton.h"
#include "SortingWordLabel.h"
#include "SpokenText.h"
#include "TsButton.h"
#include "WindowRules.h"
#include "WordPicker.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <utility>
#include <vector>

namespace {

using Bevel = BevelPanel::Bevel;

constexpr TColor kWordListColor = ColorFromRgb(255, 255, 202);
constexpr TColor kCheckPanelColor = ColorFromRgb(64, 0, 128);
constexpr TColor kTargetPanelColor = ColorFromRgb(255, 221, 255);
constexpr TColor kHelpColor = ColorFromRgb(166, 210, 255);
const QColor kAdviceBackground(255, 255, 174);

// The right-hand column: every panel there has this left edge and width.
constexpr int kColumnLeft = 208;
constexpr int kColumnWidth = 162;
constexpr int kTargetPanelHeight = 232;

// The word list: word k stands at this left edge, 21 pixels below word k - 1, 16 pixels high.
constexpr int kWordLeft = 34;
constexpr int kFirstWordTop = 16;
constexpr int kWordPitch = 21;
// The list's inner edge on the right (its width less two bevels of 3), less the keyboard's mark
// round a word: a word must end before it.
constexpr int kWordRoom = 172 - 2 * 3 - (FocusMark::kWidth + FocusMark::kGap) - kWordLeft;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

SortingWindow::SortingWindow(const ExerciseWords &words, int slot, QWidget *parent)
    : QWidget(parent), m_wordList(words), m_exercise(*this, words, slot)
{
    setObjectName(QStringLiteral("Form2"));
    setupFormFrame(this, QStringLiteral("Н и НН в прилагательных"), QSize(405, 521),
                   toQColor(cl3DLight), TitleBar::SystemMenuAndClose);
    // The window's own font; every control names its own.
    setFont(msSansSerif(11));
    setFirstPlacement(this, FirstPlacement::CentreOnScreen);
    // In creation order: a later panel lies above an earlier one where they overlap.
    createWordList();
    createCheckPanel();
    createTargetPanel();
    createInstructionPanel();
    createHelpPanel();
    createAdvicePanel();
    createPicker();
    setKeyboardOrder();
    showOpeningView();
}

// The word list, which hears of the window's hiding and of the focus leaving while ~QWidget runs,
// keeps its own copy of the view and reads nothing of this class then.
SortingWindow::~SortingWindow() = default;

void SortingWindow::createWordList()
{
    m_wordListPanel = new WordPicker(this);
    setUpBevelPanel(m_wordListPanel, QStringLiteral("Panel3"), QStringLiteral("Слова"),
                    QRect(24, 16, 172, 449), kWordListColor, Bevel::Raised, Bevel::Lowered, 3);
    for (int k = 1; k <= kSortingWordCount; ++k) {
        const SortingWord &entry = m_wordList[static_cast<std::size_t>(k - 1)];
        auto *word = new SortingWordLabel(k, fromUtf8(entry.caption), fromUtf8(entry.answerCode),
                                          toQColor(kWordListColor), m_wordListPanel);
        word->move(kWordLeft, kFirstWordTop + kWordPitch * (k - 1));
        m_wordListPanel->setWord(k, word);
        m_words[static_cast<std::size_t>(k - 1)] = word;
    }
}

bool SortingWindow::captionFits(const QString &caption)
{
    return QFontMetrics(verdanaBold(13)).horizontalAdvance(caption) <= kWordRoom;
}

void SortingWindow::createCheckPanel()
{
    m_checkPanel = makeBevelPanel(this, QStringLiteral("Panel2"), QStringLiteral("Проверка"),
                                  QRect(kColumnLeft, 387, kColumnWidth, 78), kCheckPanelColor,
                                  Bevel::Raised, Bevel::Lowered, 2);
    const QFont font = verdanaBold(13);
    const QColor panelColor = toQColor(kCheckPanelColor);
    m_errorsCaption = makeLabel(m_checkPanel, QStringLiteral("Label1"), QStringLiteral("Ошибок:"),
                                41, 48, font, toQColor(clAqua), panelColor);
    // The design text is replaced by the first failed check, before the label can be seen.
    m_errorCount = makeLabel(m_checkPanel, QStringLiteral("Label2"), QStringLiteral("--"), 108, 48,
                             font, toQColor(clYellow), panelColor);
    m_praise = makeLabel(m_checkPanel, QStringLiteral("Label36"), QStringLiteral("Ура-а-а !"), 46,
                         16, font, toQColor(clYellow), panelColor);
    m_errorsCaption->hide();
    m_errorCount->hide();
    // Said as the word it is, not letter by letter.
    m_praise->setAccessibleName(QStringLiteral("Ура!"));
    m_praise->hide();

    const ProgramButtonLook look{msSansSerifBold(11), toQColor(clWindowText), kCheckPanelColor,
                                 std::nullopt};
    m_checkButton = makeProgramButton(m_checkPanel, QStringLiteral("sButton5"),
                                      QStringLiteral("Проверить"), QRect(31, 26, 100, 25), look);
    m_retryButton = makeProgramButton(m_checkPanel, QStringLiteral("sButton1"),
                                      QStringLiteral("Заново"), QRect(31, 18, 100, 25), look);
    m_nextButton = makeProgramButton(m_checkPanel, QStringLiteral("sButton2"),
                                     QStringLiteral("Дальше"), QRect(31, 38, 100, 25), look);
    // Only "Проверить" shows the hand pointer.
    m_retryButton->setCursorShape(Qt::ArrowCursor);
    m_nextButton->setCursorShape(Qt::ArrowCursor);
    m_retryButton->hide();
    m_nextButton->hide();
    connect(m_checkButton, &TsButton::clicked, this, &SortingWindow::onCheckClicked);
    connect(m_retryButton, &TsButton::clicked, this, &SortingWindow::onRetryClicked);
    connect(m_nextButton, &TsButton::clicked, this, &SortingWindow::onNextClicked);
    // A press on a button is a press elsewhere than on a word or a picture: it lets go of a
    // picked word, as a press on the window's background does.
    for (TsButton *button : {m_checkButton, m_retryButton, m_nextButton}) {
        connect(button, &TsButton::pressed, this, &SortingWindow::letGo);
    }
}

void SortingWindow::createTargetPanel()
{
    m_targetPanel =
        makeBevelPanel(this, QStringLiteral("Panel1"), QStringLiteral("Н и НН"),
                       QRect(kColumnLeft, kTargetPanelTopLow, kColumnWidth, kTargetPanelHeight),
                       kTargetPanelColor, Bevel::Lowered, Bevel::Raised, 3);
    // Both at their natural size; the НН picture is a column wider than its box and is cut.
    m_doubleNPicture = new DropPicture(
        QString::fromLatin1(kDoubleNCode.data(), qsizetype(kDoubleNCode.size())), m_targetPanel);
    setUpPicture(m_doubleNPicture, QStringLiteral("Image2"), QStringLiteral("Буквы НН"),
                 QStringLiteral(":/assets/PictureNN.bmp"), QRect(29, 24, 102, 87),
                 PictureFit::Natural);
    m_singleNPicture = new DropPicture(
        QString::fromLatin1(kSingleNCode.data(), qsizetype(kSingleNCode.size())), m_targetPanel);
    setUpPicture(m_singleNPicture, QStringLiteral("Image1"), QStringLiteral("Буква Н"),
                 QStringLiteral(":/assets/PictureN.bmp"), QRect(29, 120, 102, 88),
                 PictureFit::Natural);
    for (DropPicture *picture : {m_doubleNPicture, m_singleNPicture}) {
        connect(picture, &DropPicture::wordDropped, this,
                [this, picture](int word) { dropOnPicture(picture, word); });
    }
}

void SortingWindow::createInstructionPanel()
{
    m_instructionPanel = makeBevelPanel(this, QStringLiteral("Panel4"), QStringLiteral("Задание"),
                                        QRect(kColumnLeft, 16, kColumnWidth, 61), clBtnFace,
                                        Bevel::Raised, Bevel::Lowered, 3);
    makePicture(m_instructionPanel, QStringLiteral("Image3"),
                QStringLiteral("Полоса от жёлтого к розовому"),
                QStringLiteral(":/assets/GradientStrip.bmp"), QRect(7, 6, 148, 49),
                PictureFit::Stretched);
    // Transparent over the strip. The run of blanks makes the wrap put "слова." on the second
    // line.
    QLabel *label = makeLabel(m_instructionPanel, QStringLiteral("Label35"),
                              QStringLiteral("Перетащи      слова."), 41, 15, verdanaBold(13),
                              toQColor(clNavy), QColor(), 80);
    label->setGeometry(41, 15, 80, 32);
}

void SortingWindow::createHelpPanel()
{
    m_helpPanel = makeBevelPanel(this, QStringLiteral("Panel5"), QStringLiteral("Помощь"),
                                 QRect(kColumnLeft, 325, kColumnWidth, 56), kHelpColor,
                                 Bevel::Lowered, Bevel::Raised, 3);
    m_helpPanel->hide();
    const ProgramButtonLook look{verdanaBold(11), toQColor(clWindowText), kHelpColor, std::nullopt};
    m_helpButton = makeProgramButton(m_helpPanel, QStringLiteral("sButton3"),
                                     QStringLiteral("Помогите!"), QRect(31, 16, 100, 25), look);
    connect(m_helpButton, &TsButton::clicked, this, &SortingWindow::onHelpClicked);
    connect(m_helpButton, &TsButton::pressed, this, &SortingWindow::letGo);
}

void SortingWindow::createAdvicePanel()
{
    // Where the instruction panel stands; the two are never shown together.
    m_advicePanel = makeBevelPanel(this, QStringLiteral("Panel6"), QStringLiteral("Совет"),
                                   QRect(kColumnLeft, 16, kColumnWidth, 59), kHelpColor,
                                   Bevel::Lowered, Bevel::Raised, 2);
    // A leading blank, and a run of nine that makes the wrap put "без помощи." on the second
    // line.
    QLabel *label = makeLabel(m_advicePanel, QStringLiteral("Label37"),
                              QStringLiteral(" Старайся обойтись         без помощи."), 11, 15,
                              verdanaBold(12), toQColor(clNavy), kAdviceBackground, 137);
    label->setGeometry(11, 15, 137, 28);
}

void SortingWindow::createPicker()
{
    m_announcer = new Announcer(this);
    m_wordListPanel->setPictures(m_doubleNPicture, m_singleNPicture, m_announcer);
    connect(m_wordListPanel, &WordPicker::dropRequested, this,
            [this](int word, const DropPicture *picture) { dropOnPicture(picture, word); });
}

void SortingWindow::setKeyboardOrder()
{
    // The check panel's buttons in their order, then "Помогите!" in the help panel, and last
    // the word list, so that the window still starts on "Проверить"; labels and pictures take
    // no focus of their own.
    setTabOrder(m_checkButton, m_retryButton);
    setTabOrder(m_retryButton, m_nextButton);
    setTabOrder(m_nextButton, m_helpButton);
    // The ring of focus runs on from "Помогите!" to the window itself and round to the first
    // stop, which is what the window's activation picks. Qt leaves a ring alone where the stop
    // asked for already follows, so while the list is moved behind "Помогите!" the control
    // made last stands in as a stop after it; the list then lies between "Помогите!" and the
    // window, and the activation still finds "Проверить" first.
    m_announcer->setFocusPolicy(Qt::TabFocus);
    setTabOrder(m_helpButton, m_wordListPanel);
    m_announcer->setFocusPolicy(Qt::NoFocus);
}

void SortingWindow::showOpeningView()
{
    // The opening layout is the exercise's first view: the instruction panel shown, the advice
    // panel hidden.
    render();
}

void SortingWindow::setHelpWindow(QWidget *help)
{
    m_help = help;
}

void SortingWindow::render()
{
    const SortingView &view = m_exercise.view();

    // Written only when it changes: each writing tells a screen reader that the name changed.
    if (const QString count = QString::fromStdString(view.errorCountText);
        m_errorCount->text() != count) {
        setLabelText(m_errorCount, count);
    }
    m_targetPanel->move(kColumnLeft, view.targetPanelTop);

    // clang-format off
    std::vector<std::pair<QWidget *, bool>> visibility{
        {m_instructionPanel, view.instructionPanelVisible},
        {m_helpPanel, view.helpOfferVisible},
        {m_advicePanel, view.helpOfferVisible},
        {m_targetPanel, view.targetPanelVisible},
        {m_checkButton, view.checkButtonVisible},
        {m_retryButton, view.retryButtonVisible},
        {m_nextButton, view.nextButtonVisible},
        {m_errorsCaption, view.errorsVisible},
        {m_errorCount, view.errorsVisible},
        {m_praise, view.praiseVisible},
    };
    // clang-format on
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        visibility.emplace_back(m_words[i], view.wordVisible[i]);
    }

    setControlsShown(visibility);
    m_wordListPanel->viewChanged(view);
}

void SortingWindow::dropOnPicture(const DropPicture *picture, int word)
{
    const bool shown =
        m_exercise.view().isWordVisible(word) && m_exercise.view().targetPanelVisible;
    const bool right = m_exercise.dropWord(word, picture->answerCode().toStdString());
    render();
    m_wordListPanel->dropped(m_exercise.view());
    if (shown) {
        const QString spokenWord =
            spoken::gappedWord(m_words[static_cast<std::size_t>(word - 1)]->text());
        m_announcer->say(right ? QStringLiteral("%1. Убрано из списка.").arg(spokenWord)
                               : QStringLiteral("%1. Осталось в списке.").arg(spokenWord));
    }
}

void SortingWindow::letGo()
{
    for (SortingWordLabel *word : m_words) {
        if (word->isDragging()) {
            word->cancelDrag();
            return;
        }
    }
    m_wordListPanel->letGo();
}

void SortingWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc, wherever the keyboard is in the window (and from any window while a word is dragged,
    // since the word holds the keys then), lets go of what the pupil holds.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        letGo();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SortingWindow::mousePressEvent(QMouseEvent *event)
{
    // A press that no control took: on the background, a panel or a plain label. The words and
    // the pictures take their own presses.
    if (event->button() == Qt::LeftButton) {
        m_wordListPanel->letGo();
    }
    QWidget::mousePressEvent(event);
}

void SortingWindow::onCheckClicked()
{
    m_exercise.checkAnswers();
    render();
    const SortingView &view = m_exercise.view();
    if (view.praiseVisible) {
        m_announcer->say(m_praise->accessibleName());
    } else if (view.errorsVisible) {
        // "Ошибок: 3" as heard: a reader spells out the colon, a comma is a pause.
        m_announcer->say(QStringLiteral("Ошибок, %1.").arg(m_errorCount->text()));
    }
}

void SortingWindow::onRetryClicked()
{
    m_exercise.retry();
    render();
    // The pupil sees every word come back; a screen reader says so.
    m_announcer->say(QStringLiteral("Все слова снова в списке."));
}

void SortingWindow::onHelpClicked()
{
    m_exercise.requestHelp();
    render();
}

void SortingWindow::onNextClicked()
{
    m_exercise.finish();
    render();
}

void SortingWindow::hideHelp()
{
    if (m_help) {
        hideWindow(m_help);
    }
}

void SortingWindow::showHelp()
{
    if (m_help) {
        showWindow(m_help);
    }
}

void SortingWindow::closeWindow()
{
    // A close request like the close box's: the window is hidden and keeps everything.
    close();
}

void SortingWindow::markVariantPassed(int slot, std::int32_t helpCount)
{
    Q_EMIT variantPassed(slot, helpCount);
}
