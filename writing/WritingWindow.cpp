// SPDX-License-Identifier: GPL-3.0-or-later
#include "WritingWindow.h"

#include "Announcer.h"
#include "BevelPanel.h"
#include "DesktopLook.h"
#include "FocusMark.h"
#include "FormFrame.h"
#include "ProgramButton.h"
#include "SpokenText.h"
#include "TsButton.h"
#include "WindowRules.h"
#include "WordLabel.h"
#include "WritingEditBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QTimer>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr TColor kPicturePanelColor = ColorFromRgb(255, 162, 117);
constexpr TColor kCheckPanelColor = ColorFromRgb(255, 255, 174);
constexpr TColor kHelpOfferColor = ColorFromRgb(166, 210, 255);
constexpr TColor kAdviceColor = ColorFromRgb(255, 255, 174);
// The edit boxes alternate between two pale backgrounds down the list.
const QColor kOddBoxColor(255, 217, 198);
const QColor kEvenBoxColor(255, 240, 255);

// The word list: word k stands 24 pixels below word k - 1, its label at its own left edge so
// that the words end about the same place before their edit boxes. A teacher's words, whose
// edges nobody placed, end where those of "Вариант 1-1" end.
constexpr int kFirstWordTop = 41;
constexpr int kWordPitch = 24;
constexpr int kWordHeight = 16;
constexpr std::array<int, WritingView::kWordCount> kWordLeft{
    82, 98, 80, 72, 53, 72, 74, 80, 52, 99, 73, 74, 62, 80, 55, 39, 45, 89, 72, 63};
constexpr int kTeacherWordRight = 144;
constexpr int kEditLeft = 162;
const QSize kEditSize(121, 18);

const QSize kButtonSize(100, 25);
// The advice wraps after "обойтись": the blanks fill the first line, so "без помощи." starts
// the second.
const char *const kAdviceText = " Старайся обойтись          без помощи.";

int wordTop(int word)
{
    return kFirstWordTop + kWordPitch * (word - 1);
}

TsButton *makeButton(QWidget *panel, const QString &name, const QString &caption, QPoint at,
                     const QFont &font, TColor painting)
{
    const ProgramButtonLook look{font, toQColor(clBlack), painting, std::nullopt};
    return makeProgramButton(panel, name, caption, QRect(at, kButtonSize), look);
}

} // namespace

WritingWindow::WritingWindow(const ExerciseWords &words, int slot, QWidget *parent)
    : QWidget(parent), m_words(words), m_exercise(*this, words, slot)
{
    setObjectName(QStringLiteral("Form3"));
    setupFormFrame(this, QStringLiteral("Н и НН в прилагательных"), QSize(559, kOuterHeight),
                   toQColor(cl3DLight), TitleBar::SystemMenuAndClose);
    // The window's own font and text colour; every control sets its own.
    setFont(msSansSerif(11));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(255, 255, 255));
    setPalette(pal);
    setFirstPlacement(this, FirstPlacement::CentreOnScreen);

    createWordList();
    createPicturePanel();
    createCheckPanel();
    createHelpOffer();
    setKeyboardOrder();
    openNarrow();
    render();
}

void WritingWindow::createWordList()
{
    m_wordListPanel = makeBevelPanel(this, QStringLiteral("Panel3"), QStringLiteral("Слова"),
                                     QRect(9, 8, 298, 528), clInfoBk, BevelPanel::Bevel::Raised,
                                     BevelPanel::Bevel::Lowered, 3);
    const QColor panelColor = toQColor(clInfoBk);
    makeLabel(m_wordListPanel, QStringLiteral("Label1"), QStringLiteral("Щёлкни по слову."), 14, 16,
              msSansSerifBold(13), toQColor(clGreen), panelColor);
    m_prompt = makeLabel(m_wordListPanel, QStringLiteral("Label2"), QStringLiteral("Напиши его."),
                         164, 16, msSansSerifBold(13), toQColor(clFuchsia), panelColor);

    const QFont wordFont = verdanaBold(13);
    const QFontMetrics metrics(wordFont);
    for (int word = 1; word <= WritingView::kWordCount; ++word) {
        const auto i = static_cast<std::size_t>(word - 1);
        const QString caption =
            QString::fromUtf8(m_words[i].caption.data(), qsizetype(m_words[i].caption.size()));
        auto *label = new WordLabel(caption, m_wordListPanel);
        label->setObjectName(QStringLiteral("Label%1").arg(word + 2));
        // Said as a word with its gap, not with the gap's sign spelled out.
        label->setAccessibleName(spoken::gappedWord(caption));
        label->setFont(wordFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setMargin(0);
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, toQColor(clBlack));
        labelPalette.setColor(QPalette::Window, panelColor);
        label->setPalette(labelPalette);
        label->setAutoFillBackground(true);
        const int width = metrics.horizontalAdvance(caption);
        const int left = &m_words == &kWritingWords ? kWordLeft[i] : kTeacherWordRight - width;
        label->setGeometry(left, wordTop(word), width, kWordHeight);
        connect(label, &WordLabel::clicked, this, [this, word] { onWordClicked(word); });
        m_wordLabels[i] = label;
    }

    for (int word = 1; word <= WritingView::kWordCount; ++word) {
        auto *box = new WritingEditBox(m_wordListPanel);
        box->setObjectName(QStringLiteral("Edit%1").arg(word));
        box->setAccessibleName(m_wordLabels[std::size_t(word - 1)]->accessibleName());
        box->setFont(wordFont);
        QPalette boxPalette = box->palette();
        boxPalette.setColor(QPalette::Base, word % 2 == 1 ? kOddBoxColor : kEvenBoxColor);
        boxPalette.setColor(QPalette::Text, toQColor(clBlack));
        box->setPalette(boxPalette);
        box->setGeometry(QRect(QPoint(kEditLeft, wordTop(word)), kEditSize));
        m_editBoxes[std::size_t(word - 1)] = box;
        m_wordLabels[std::size_t(word - 1)]->setEditBox(box);
    }
    // From the last box Tab goes on to the check panel's buttons on the right, not to a word.
    m_editBoxes.back()->setAccessibleDescription(QStringLiteral(
        "Напиши слово полностью. Shift+Tab — назад к слову, Tab — к кнопкам справа."));

    // Laid over the words and boxes, it frames the one the keyboard reached.
    m_focusMark = new FocusMark(m_wordListPanel);
    for (std::size_t i = 0; i < m_wordLabels.size(); ++i) {
        m_focusMark->track(m_wordLabels[i]);
        m_focusMark->track(m_editBoxes[i]);
    }
}

void WritingWindow::createPicturePanel()
{
    m_picturePanel = makeBevelPanel(this, QStringLiteral("Panel2"), QStringLiteral("Картинка"),
                                    QRect(319, 226, 221, 310), kPicturePanelColor,
                                    BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 3);
    // Both at their natural size from the top-left corner of their boxes; what a picture leaves
    // of its box shows the panel.
    m_smilingPicture = makePicture(
        m_picturePanel, QStringLiteral("Image1"), QStringLiteral("Мальчик смеётся"),
        QStringLiteral(":/assets/SmilingFace.bmp"), QRect(16, 23, 190, 182), PictureFit::Natural);
    m_teasingPicture = makePicture(
        m_picturePanel, QStringLiteral("Image2"), QStringLiteral("Мальчик дразнится"),
        QStringLiteral(":/assets/TeasingFace.bmp"), QRect(16, 16, 190, 195), PictureFit::Natural);
}

void WritingWindow::createCheckPanel()
{
    // Created after the picture panel, it lies over its lower part.
    m_checkPanel = makeBevelPanel(this, QStringLiteral("Panel4"), QStringLiteral("Проверка"),
                                  QRect(356, 448, 153, 73), kCheckPanelColor,
                                  BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, 2);
    m_errorsLabel = makeLabel(
        m_checkPanel, QStringLiteral("Label24"),
        QString::fromUtf8(kWritingErrorsText.data(), qsizetype(kWritingErrorsText.size())), 27, 11,
        verdanaBold(13), toQColor(clRed), QColor());
    m_praise = makeLabel(
        m_checkPanel, QStringLiteral("Label23"),
        QString::fromUtf8(kWritingPraiseText.data(), qsizetype(kWritingPraiseText.size())), 42, 11,
        verdanaBold(13), toQColor(clPurple), toQColor(kCheckPanelColor));
    // The results are spoken when they appear, wherever the keyboard focus is.
    m_announcer = new Announcer(this);
    // The three buttons paint in the tooltip colour of their own, not in the panel's.
    m_checkButton =
        makeButton(m_checkPanel, QStringLiteral("sButton1"), QStringLiteral("Проверить"),
                   QPoint(27, 24), verdanaBold(11), clInfoBk);
    m_retryButton =
        makeButton(m_checkPanel, QStringLiteral("sButton3"), QStringLiteral("Буду искать"),
                   QPoint(27, 34), verdanaBold(11), clInfoBk);
    m_nextButton = makeButton(m_checkPanel, QStringLiteral("sButton2"), QStringLiteral("Дальше"),
                              QPoint(26, 34), verdanaBold(11), clInfoBk);
    connect(m_checkButton, &TsButton::clicked, this, &WritingWindow::onCheckClicked);
    connect(m_retryButton, &TsButton::clicked, this, &WritingWindow::onRetryClicked);
    connect(m_nextButton, &TsButton::clicked, this, &WritingWindow::onNextClicked);
}

void WritingWindow::createHelpOffer()
{
    m_helpOfferPanel = makeBevelPanel(this, QStringLiteral("Panel1"), QStringLiteral("Помощь"),
                                      QRect(319, 159, 221, 56), kHelpOfferColor,
                                      BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, 3);
    m_helpButton =
        makeButton(m_helpOfferPanel, QStringLiteral("sButton4"), QStringLiteral("Помогите!"),
                   QPoint(64, 16), msSansSerifBold(11), kHelpOfferColor);
    connect(m_helpButton, &TsButton::clicked, this, &WritingWindow::onHelpClicked);

    m_advicePanel = makeBevelPanel(this, QStringLiteral("Panel5"), QStringLiteral("Совет"),
                                   QRect(320, 90, 221, 56), kHelpOfferColor,
                                   BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, 2);
    QLabel *advice =
        makeLabel(m_advicePanel, QStringLiteral("Label25"), QString::fromUtf8(kAdviceText), 36, 12,
                  verdanaBold(13), toQColor(clBlue), toQColor(kAdviceColor), 152);
    advice->setGeometry(36, 12, 152, 32);
}

void WritingWindow::setKeyboardOrder()
{
    // The panels in their order (word list, pictures, check, help offer), each panel's controls
    // in theirs: down the list each word and then its edit box (a hidden box is skipped), then
    // the check panel's buttons, then "Помогите!".
    std::vector<QWidget *> order;
    for (std::size_t i = 0; i < m_editBoxes.size(); ++i) {
        order.push_back(m_wordLabels[i]);
        order.push_back(m_editBoxes[i]);
    }
    order.insert(order.end(), {m_checkButton, m_retryButton, m_nextButton, m_helpButton});
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void WritingWindow::openNarrow()
{
    // The window opens narrow: the word list only, until the pupil has clicked twenty words.
    resize(clientSizeFor(QSize(m_exercise.view().windowWidth, kOuterHeight)));
}

bool WritingWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        keepActivationFocusOffWords();
    }
    return QWidget::event(event);
}

bool WritingWindow::focusNextPrevChild(bool next)
{
    wordsTakeKeyboardFocus(true);
    return QWidget::focusNextPrevChild(next);
}

void WritingWindow::keepActivationFocusOffWords()
{
    // A window that has no control with the focus gives it, once active, to the first stop of
    // its keyboard order. The words stay out of that: the window opens with the focus on the
    // first shown edit box or button, or on nothing while none is shown, so a pupil who opens
    // it with the mouse finds no word focused. They are stops again as soon as the activation
    // is over.
    const QWidget *focused = focusWidget();
    if (focused && focused->isVisible()) {
        return;
    }
    wordsTakeKeyboardFocus(false);
    QTimer::singleShot(0, this, [this] { wordsTakeKeyboardFocus(true); });
}

void WritingWindow::wordsTakeKeyboardFocus(bool take)
{
    for (WordLabel *label : m_wordLabels) {
        label->setFocusPolicy(take ? Qt::TabFocus : Qt::NoFocus);
    }
}

void WritingWindow::setHelpWindow(QWidget *help)
{
    m_help = help;
}

void WritingWindow::render()
{
    const WritingView &v = m_exercise.view();
    std::vector<std::pair<QWidget *, bool>> controls{
        {m_prompt, v.promptVisible},
        {m_checkPanel, v.checkPanelVisible},
        {m_checkButton, v.checkButtonVisible},
        {m_errorsLabel, v.errorsVisible},
        {m_retryButton, v.retryButtonVisible},
        {m_praise, v.praiseVisible},
        {m_nextButton, v.nextButtonVisible},
        {m_picturePanel, v.picturePanelVisible},
        {m_smilingPicture, v.smilingPictureVisible},
        {m_teasingPicture, v.teasingPictureVisible},
        {m_helpOfferPanel, v.helpOfferVisible},
        {m_advicePanel, v.helpOfferVisible},
    };
    for (int word = 1; word <= WritingView::kWordCount; ++word) {
        controls.emplace_back(m_editBoxes[std::size_t(word - 1)], v.isEditVisible(word));
    }
    // A pressed button that goes away takes the focus with it to the window, as in the sorting
    // window: never on to an edit box, where the next keystroke would replace a typed word.
    setControlsShown(controls);
    // The width is not rendered here: the window takes it when the exercise asks (widening),
    // and otherwise keeps whatever size the pupil gives it.
}

void WritingWindow::onWordClicked(int word)
{
    m_exercise.revealWord(word);
    render();
}

void WritingWindow::onCheckClicked()
{
    std::vector<std::string> texts;
    texts.reserve(m_editBoxes.size());
    for (const WritingEditBox *box : m_editBoxes) {
        texts.push_back(box->text().toStdString());
    }
    m_exercise.checkAnswers(texts);
    render();
    const WritingView &v = m_exercise.view();
    if (v.praiseVisible) {
        m_announcer->say(m_praise->text().simplified());
    } else if (v.errorsVisible) {
        m_announcer->say(m_errorsLabel->text().simplified());
    }
}

void WritingWindow::onRetryClicked()
{
    m_exercise.retry();
    render();
}

void WritingWindow::onHelpClicked()
{
    m_exercise.requestHelp();
    render();
}

void WritingWindow::onNextClicked()
{
    m_exercise.finish();
    render();
}

void WritingWindow::focusEditBox(int word)
{
    // The box must be on screen before it can take the focus.
    render();
    m_editBoxes[std::size_t(word - 1)]->takeFocusSelectingAll();
}

void WritingWindow::resizeAndCentre(int outerWidth)
{
    resize(clientSizeFor(QSize(outerWidth, kOuterHeight)).width(), height());
    centreOnScreen(this);
}

void WritingWindow::showHelp()
{
    if (m_help) {
        showWindow(m_help);
    }
}

void WritingWindow::hideHelp()
{
    if (m_help) {
        hideWindow(m_help);
    }
}

void WritingWindow::closeWindow()
{
    close();
}

void WritingWindow::markVariantPassed(int slot, std::int32_t helpCount)
{
    Q_EMIT variantPassed(slot, helpCount);
}
