// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include "BevelPanel.h"
#include "DesktopLook.h"
#include "FormFrame.h"
#include "WindowRules.h"

#include <QLabel>

#include <algorithm>

namespace {

constexpr TColor kFormColor = ColorFromRgb(166, 210, 255);
constexpr TColor kSingleNCardColor = ColorFromRgb(224, 235, 254);
constexpr TColor kDoubleNnCardColor = ColorFromRgb(255, 234, 223);

// Every text line of the card is 16 pixels high, the cell of the card's 13-pixel font; the
// labels stand 16 pixels apart and grow by whole lines of that height.
constexpr int kLineHeight = 16;

// One of the two cards: a panel with a raised outer and a lowered inner bevel, 2 pixels each.
BevelPanel *makeCard(QWidget *form, const QString &name, const QRect &geometry, TColor color)
{
    return makeBevelPanel(form, name, QString(), geometry, color, BevelPanel::Bevel::Raised,
                          BevelPanel::Bevel::Lowered, 2);
}

// A text of a card: Verdana 13 bold, opaque in the card's colour, sized to its text; a label
// with a wrap width keeps that width. Its height is whole lines of 16 pixels.
QLabel *addText(BevelPanel *card, const QString &name, const QString &text, QPoint at, TColor color,
                bool underline = false, int wrapWidth = 0)
{
    const QFont font = desktopFont(QStringLiteral("Verdana"), 13, true, underline);
    QLabel *label = makeLabel(card, name, text, at.x(), at.y(), font, toQColor(color),
                              toQColor(card->color()), wrapWidth);
    label->resize(label->width(), wrappedLineCount(font, text, wrapWidth) * kLineHeight);
    return label;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setupFormFrame(this, QStringLiteral("Помощь"), QSize(414, 343), toQColor(kFormColor),
                   TitleBar::CaptionOnly);
    // Its first showing puts it where it was designed, not centred on the screen.
    setFirstPlacement(this, FirstPlacement::DesignedPlace, QPoint(549, 119));

    buildSingleNCard();
    buildDoubleNnCard();
}

void HelpWindow::buildSingleNCard()
{
    BevelPanel *card =
        makeCard(this, QStringLiteral("Panel1"), QRect(10, 8, 385, 140), kSingleNCardColor);
    // Drawn unscaled from the top-left corner of its box and cut off at the box's edges.
    makePicture(card, QStringLiteral("Image1"), QStringLiteral("Буква Н"),
                QStringLiteral(":/assets/PictureN.bmp"), QRect(25, 26, 102, 88),
                PictureFit::Natural);
    addText(card, QStringLiteral("Label1"), QStringLiteral("Если:"), {139, 13}, clWindowText);
    addText(card, QStringLiteral("Label3"), QStringLiteral("1. нет суффикса;"), {139, 29},
            clWindowText);
    // The blank before the first comma is part of the text.
    addText(card, QStringLiteral("Label2"), QStringLiteral("2. суффиксы -ин- , -ан-, -ян-;"),
            {139, 45}, clWindowText);
    addText(card, QStringLiteral("Label10"), QStringLiteral("исключение:"), {157, 61}, clRed, true);
    // Narrow enough that each exception stands on a line of its own.
    addText(card, QStringLiteral("Label4"), QStringLiteral("стеклянный, деревянный, оловянный."),
            {205, 80}, clBlue, false, 101);
}

void HelpWindow::buildDoubleNnCard()
{
    BevelPanel *card =
        makeCard(this, QStringLiteral("Panel2"), QRect(10, 160, 385, 140), kDoubleNnCardColor);
    // The НН picture is one pixel wider than its box; its last column is cut off.
    makePicture(card, QStringLiteral("Image2"), QStringLiteral("Буквы НН"),
                QStringLiteral(":/assets/PictureNN.bmp"), QRect(25, 26, 102, 87),
                PictureFit::Natural);
    addText(card, QStringLiteral("Label5"), QStringLiteral("Если:"), {139, 20}, clWindowText);
    // The run of blanks lets the wrap break the rule after "Н": the first line ends there and
    // the suffix stands alone on the second.
    addText(card, QStringLiteral("Label6"),
            QStringLiteral("1. основа заканчивается на Н") + QString(32, QLatin1Char(' ')) +
                QStringLiteral("и суффикс -Н-;"),
            {139, 36}, clWindowText, false, 234);
    addText(card, QStringLiteral("Label7"), QStringLiteral("2. суффиксы -енн- , -онн-;"), {139, 71},
            clWindowText);
    addText(card, QStringLiteral("Label8"), QStringLiteral("исключение:"), {157, 87}, clRed, true);
    addText(card, QStringLiteral("Label9"), QStringLiteral("ветреный."), {205, 103}, clMaroon);
}
