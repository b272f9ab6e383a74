// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardWindow.h"

#include "Announcer.h"
#include "BevelPanel.h"
#include "Credits.h"
#include "DesktopLook.h"
#include "FormFrame.h"
#include "Pictures.h"
#include "ProgramButton.h"
#include "Shell.h"
#include "TsButton.h"
#include "WindowRules.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>

namespace {

// The window as designed for a classic desktop frame. Its outer size counts a 20-pixel menu bar;
// the area below the menu bar is what the layout is laid out in, and the menu bar here takes
// whatever height it needs above it.
const QSize kOuterSize(447, 405);
constexpr int kDesignedMenuBarHeight = 20;
constexpr TColor kFormColor = 16769520;  // RGB 240, 225, 255
constexpr TColor kPanel2Color = 8388672; // RGB 64, 0, 128
const QColor kCountColor = toQColor(clRed);
const QColor kCloseCaptionColor = toQColor(clFuchsia);

// One variant slot as designed: its controls' names and places in Panel1. Slot 8's button is
// sButton9; sButton8 is the close button.
struct SlotDesign
{
    const char *button;
    const char *caption;
    bool enabled;
    QPoint buttonAt;
    QPoint markAt;
    QPoint hintAt;
    QPoint countAt;
};

const std::array<SlotDesign, 8> kSlotDesigns{{
    {"sButton1", "Вариант 1", true, {54, 24}, {17, 21}, {60, 54}, {150, 48}},
    {"sButton2", "Вариант 2", false, {54, 86}, {17, 83}, {60, 117}, {150, 111}},
    {"sButton3", "Вариант 3", false, {54, 148}, {17, 145}, {60, 178}, {150, 172}},
    {"sButton4", "Вариант 4", false, {54, 210}, {17, 207}, {60, 240}, {150, 234}},
    {"sButton5", "Вариант 1-1", true, {240, 24}, {200, 21}, {247, 54}, {337, 48}},
    {"sButton6", "Вариант 2-1", false, {240, 86}, {200, 83}, {247, 117}, {337, 111}},
    {"sButton7", "Вариант 3-1", false, {240, 148}, {200, 145}, {247, 178}, {337, 172}},
    {"sButton9", "Вариант 4-1", false, {240, 210}, {200, 207}, {247, 240}, {337, 234}},
}};

const QSize kVariantButtonSize(111, 25);
const QSize kMarkSize(35, 35);
const char *const kHintText = "Подсказок:";
// The count label's text until a variant is passed; it is replaced before the label is shown.
const char *const kDesignCountText = "5";

QString labelName(int number)
{
    return QStringLiteral("Label%1").arg(number);
}

} // namespace

BoardWindow::BoardWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setupFormFrame(this, QStringLiteral("Н и НН в прилагательных"), kOuterSize,
                   toQColor(kFormColor), TitleBar::SystemMenuAndClose);
    setFirstPlacement(this, FirstPlacement::CentreOnScreen);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    createPanels();
    createSlots();
    createCloseButton();
    setKeyboardOrder();
    createCreditsMenu();
    m_announcer = new Announcer(client);

    // The client area keeps its designed size below a menu bar of whatever height it takes.
    const QSize below = clientSizeFor(kOuterSize) - QSize(0, kDesignedMenuBarHeight);
    resize(below.width(), below.height() + menuBar()->heightForWidth(below.width()));
}

void BoardWindow::createPanels()
{
    m_variantPanel = makeBevelPanel(centralWidget(), QStringLiteral("Panel1"),
                                    QStringLiteral("Варианты"), QRect(19, 16, 401, 270), clInfoBk,
                                    BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 3);
    m_closePanel =
        makeBevelPanel(centralWidget(), QStringLiteral("Panel2"), QStringLiteral("Закрытие"),
                       QRect(0, 0, centralWidget()->width(), 53), kPanel2Color,
                       BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 2);
    m_closePanel->setDockedBottom(true);
}

void BoardWindow::createSlots()
{
    const ProgramButtonLook look{verdanaBold(11), toQColor(clWindowText), clInfoBk, std::nullopt};
    const QFont hintFont = verdanaBold(13);
    const QFont countFont = timesNewRomanBold(21);
    const QColor panelColor = toQColor(clInfoBk);

    for (std::size_t i = 0; i < kSlotDesigns.size(); ++i) {
        const SlotDesign &design = kSlotDesigns[i];
        const int number = static_cast<int>(i) + 1;
        const QString caption = QString::fromUtf8(design.caption);
        VariantSlot &slot = m_slots[i];

        slot.mark = new QLabel(m_variantPanel);
        slot.mark->setObjectName(QStringLiteral("Image%1").arg(number));
        slot.mark->setAccessibleName(QStringLiteral("Выполнено: ") + caption);
        slot.mark->setScaledContents(false);
        slot.mark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        slot.mark->setGeometry(QRect(design.markAt, kMarkSize));
        slot.mark->hide();

        slot.button = makeProgramButton(m_variantPanel, QString::fromLatin1(design.button), caption,
                                        QRect(design.buttonAt, kVariantButtonSize), look);
        slot.button->setEnabled(design.enabled);

        slot.hintLabel = makeLabel(m_variantPanel, labelName(2 * number - 1),
                                   QString::fromUtf8(kHintText), design.hintAt.x(),
                                   design.hintAt.y(), hintFont, toQColor(clWindowText), panelColor);
        slot.hintLabel->hide();
        // Sized when it is given its count: measured now, it would load its serif face before
        // the board can show, for a label most runs never show.
        slot.countLabel = makeUnsizedLabel(
            m_variantPanel, labelName(2 * number), QString::fromLatin1(kDesignCountText),
            design.countAt.x(), design.countAt.y(), countFont, kCountColor, panelColor);
        slot.countLabel->hide();
    }
    // The buttons, windowed controls, lie above the labels: a count label's box starts on its
    // button's bottom row and must not paint over it.
    for (const VariantSlot &slot : m_slots) {
        slot.button->raise();
    }
    for (int slot = 1; slot <= static_cast<int>(m_slots.size()); ++slot) {
        connect(m_slots[static_cast<std::size_t>(slot - 1)].button, &TsButton::clicked, this,
                [this, slot] { onVariantClicked(slot); });
    }
}

void BoardWindow::createCloseButton()
{
    // Its own painting colour, the window's, in both states; not taken from its dark panel.
    const ProgramButtonLook look{verdanaBold(13), kCloseCaptionColor, kFormColor, kFormColor};
    m_closeButton =
        makeProgramButton(m_closePanel, QStringLiteral("sButton8"), QStringLiteral("З а к р ы т ь"),
                          QRect(19, 14, 401, 25), look);
    // Said as the word it is; the spaced caption would be read letter by letter.
    m_closeButton->setAccessibleName(QStringLiteral("Закрыть"));
    connect(m_closeButton, &TsButton::clicked, this, &BoardWindow::onCloseClicked);
}

void BoardWindow::setKeyboardOrder()
{
    // Down the left column, down the right column, then the close button.
    QWidget *previous = nullptr;
    for (const VariantSlot &slot : m_slots) {
        if (previous) {
            QWidget::setTabOrder(previous, slot.button);
        }
        previous = slot.button;
    }
    QWidget::setTabOrder(previous, m_closeButton);
}

void BoardWindow::createCreditsMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setAccessibleName(QStringLiteral("Меню"));
    // The menu bar is the desktop's, in its own colour, not in the window's background.
    QPalette barPalette = bar->palette();
    barPalette.setColor(QPalette::Window, toQColor(clBtnFace));
    barPalette.setColor(QPalette::Button, toQColor(clBtnFace));
    bar->setPalette(barPalette);

    auto addItem = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };

    QMenu *scriptMenu = bar->addMenu(QStringLiteral("Сценарий и программирование"));
    scriptMenu->setObjectName(QStringLiteral("N1"));
    scriptMenu->setAccessibleName(scriptMenu->title());
    addItem(scriptMenu, "N2", QString::fromUtf8(credits::kAuthor));
    QAction *mail = addItem(scriptMenu, "mailMenuItem", QString::fromUtf8(credits::kAuthorMail));
    connect(mail, &QAction::triggered, this, &BoardWindow::onMailClicked);

    // Read downwards, this menu is one sentence: the invitation, the authors and where to sign up.
    QMenu *courseMenu = bar->addMenu(QStringLiteral("Приглашение"));
    courseMenu->setObjectName(QStringLiteral("N3"));
    courseMenu->setAccessibleName(courseMenu->title());
    addItem(courseMenu, "N4", QStringLiteral("на курсы "));
    addItem(courseMenu, "courseTitleMenuItem",
            QLatin1Char('"') + QString::fromUtf8(credits::kCourseTitle) + QLatin1String("\"."));
    addItem(courseMenu, "N5", QStringLiteral("Авторы курса:"));
    addItem(courseMenu, "N6", QString::fromUtf8(credits::kCourseAuthors));
    addItem(courseMenu, "N7", QStringLiteral("Записаться здесь:"));
    QAction *link =
        addItem(courseMenu, "courseLinkMenuItem", QString::fromUtf8(credits::kCourseSignUp));
    connect(link, &QAction::triggered, this, &BoardWindow::onCourseLinkClicked);
}

void BoardWindow::setVariantWindow(int slot, WindowMaker window)
{
    if (slot < 1 || slot > static_cast<int>(m_slots.size())) {
        return;
    }
    VariantSlot &s = m_slots[static_cast<std::size_t>(slot - 1)];
    s.window = std::move(window);
    // A passed variant stays disabled for the rest of the run.
    if (s.mark->isHidden()) {
        s.button->setEnabled(true);
    }
}

void BoardWindow::markVariantPassed(int slot, int helpCount)
{
    if (slot < 1 || slot > static_cast<int>(m_slots.size())) {
        return;
    }
    // All in this one call: the screen is repainted only after it returns, so no state in
    // between is ever shown.
    const VariantSlot &s = m_slots[static_cast<std::size_t>(slot - 1)];
    giveMarkItsPicture(s.mark);
    s.mark->show();
    s.button->setEnabled(false);
    // The count is in its label before the label shows: assistive technology reads a label
    // as it appears, and must never hear the design text.
    const QString count = QString::number(helpCount);
    setLabelText(s.countLabel, count);
    const QString spoken = QString::fromUtf8(kHintText) + QLatin1Char(' ') + count;
    s.countLabel->setAccessibleDescription(spoken);
    s.hintLabel->setAccessibleName(spoken);
    s.hintLabel->show();
    s.countLabel->show();
    // The pupil hears of the pass with its count ("Подсказок: 2" is read with its colon spelled
    // out; a comma is a pause).
    m_announcer->say(QStringLiteral("Вариант выполнен. Подсказок, %1.").arg(count));
}

void BoardWindow::giveMarkItsPicture(QLabel *mark)
{
    if (m_markPicture.isNull()) {
        try {
            m_markPicture = QPixmap::fromImage(loadPicture(
                QStringLiteral(":/assets/CompletionMark.jpg"), mark->devicePixelRatioF()));
        } catch (const PictureError &error) {
            // The pass still counts: the button, the label and the count show it without the
            // picture.
            qWarning("%s", error.what());
            return;
        }
    }
    if (mark->pixmap().isNull()) {
        mark->setPixmap(m_markPicture);
    }
}

void BoardWindow::onVariantClicked(int slot)
{
    const VariantSlot &s = m_slots[static_cast<std::size_t>(slot - 1)];
    if (!s.window) {
        return;
    }
    if (QWidget *window = s.window()) {
        showWindow(window);
    }
}

void BoardWindow::onCloseClicked()
{
    // Only a request: the window set turns a close of the board into the end of the program.
    close();
}

void BoardWindow::onMailClicked()
{
    shellOpen(QStringLiteral("mailto:") + QString::fromUtf8(credits::kAuthorMail));
}

void BoardWindow::onCourseLinkClicked()
{
    shellOpen(QString::fromUtf8(credits::kCourseSignUp));
}
