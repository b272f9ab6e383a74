// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's two rule cards as the pupil sees them: bevels and colours, every label read
// as written without overlapping, and the pictures, checked on the rendered pixels.
#include "test_help_fixture.h"

#include "BevelPanel.h"
#include "DesktopLook.h"
#include "Grab.h"
#include "PanelPixels.h"
#include "Pictures.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <vector>

using namespace help_test;

namespace {

const QColor kCard1Colour(224, 235, 254);
const QColor kCard2Colour(255, 234, 223);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kMaroon(128, 0, 0);

// The ink of a text: the columns and rows of every pixel that is not the ground colour.
struct InkRun
{
    int top = -1;
    int bottom = -1;
    int left = -1;
    int right = -1;
};

// The ink of a rendered text, band by band: band k holds rows 16k to 16k + 15, the k-th line
// of a label. A band without ink has left == -1.
std::vector<InkRun> inkBands(const QImage &image, const QColor &ground, int bandHeight = 16)
{
    std::vector<InkRun> bands((image.height() + bandHeight - 1) / bandHeight);
    for (int y = 0; y < image.height(); ++y) {
        InkRun &band = bands[y / bandHeight];
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == ground) {
                continue;
            }
            if (band.left < 0) {
                band = {y, y, x, x};
            }
            band.bottom = y;
            band.left = std::min(band.left, x);
            band.right = std::max(band.right, x);
        }
    }
    return bands;
}

// The ink of one line of text drawn on its own, unclipped, in the same font and colours.
InkRun referenceInk(const QString &line, const QFont &font, const QColor &ink, const QColor &ground)
{
    const QFontMetrics fm(font);
    QImage image(fm.horizontalAdvance(line) + 20, fm.height() + 4, QImage::Format_RGB32);
    image.fill(ground);
    {
        QPainter p(&image);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QPoint(0, fm.ascent()), line);
    }
    return inkBands(image, ground, image.height()).front();
}

// True if some row of the rendering is inked along at least `share` of `width` columns in one
// stretch: an underline, as no letter row of these texts is so long.
bool hasUnderline(const QImage &image, const QColor &ground, int width, double share = 0.9)
{
    for (int y = 0; y < image.height(); ++y) {
        int stretch = 0;
        int longest = 0;
        for (int x = 0; x < image.width(); ++x) {
            stretch = image.pixelColor(x, y) != ground ? stretch + 1 : 0;
            longest = std::max(longest, stretch);
        }
        if (longest >= share * width) {
            return true;
        }
    }
    return false;
}

struct LabelCase
{
    const char *name;
    const char *card;
    QPoint at;
    QColor colour;
    bool underline;
    int wrapWidth; // 0: sized to its text on one line
    QString text;
    QStringList wrappedLines; // as the pupil reads a wrapped text; empty: one line, the text

    QStringList shownLines() const
    {
        return wrappedLines.isEmpty() ? QStringList{text} : wrappedLines;
    }
};

const std::vector<LabelCase> &labelCases()
{
    const QString blanks(32, QLatin1Char(' '));
    static const std::vector<LabelCase> cases = {
        {"Label1", "Panel1", {139, 13}, kBlack, false, 0, "Если:", {}},
        {"Label3", "Panel1", {139, 29}, kBlack, false, 0, "1. нет суффикса;", {}},
        {"Label2", "Panel1", {139, 45}, kBlack, false, 0, "2. суффиксы -ин- , -ан-, -ян-;", {}},
        {"Label10", "Panel1", {157, 61}, kRed, true, 0, "исключение:", {}},
        {"Label4",
         "Panel1",
         {205, 80},
         kBlue,
         false,
         101,
         "стеклянный, деревянный, оловянный.",
         {"стеклянный,", "деревянный,", "оловянный."}},
        {"Label5", "Panel2", {139, 20}, kBlack, false, 0, "Если:", {}},
        {"Label6",
         "Panel2",
         {139, 36},
         kBlack,
         false,
         234,
         "1. основа заканчивается на Н" + blanks + "и суффикс -Н-;",
         {"1. основа заканчивается на Н", "и суффикс -Н-;"}},
        {"Label7", "Panel2", {139, 71}, kBlack, false, 0, "2. суффиксы -енн- , -онн-;", {}},
        {"Label8", "Panel2", {157, 87}, kRed, true, 0, "исключение:", {}},
        {"Label9", "Panel2", {205, 103}, kMaroon, false, 0, "ветреный.", {}},
    };
    return cases;
}

} // namespace

// ---- The two cards ----

TEST_F(HelpWindowTest, CardsStandWithTheirBevelsAndColours)
{
    struct Card
    {
        const char *name;
        QRect geometry;
        QColor colour;
    };
    const QImage image = grabbed(form.get());
    for (const Card &c : {Card{"Panel1", QRect(10, 8, 385, 140), kCard1Colour},
                          Card{"Panel2", QRect(10, 160, 385, 140), kCard2Colour}}) {
        SCOPED_TRACE(c.name);
        auto *card = child<BevelPanel>(c.name);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->parentWidget(), form.get());
        EXPECT_EQ(card->geometry(), c.geometry);
        expectBevelledPixels(card, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 2,
                             c.colour);
        // On screen: two light rings then two dark ones at the top, the card colour inside.
        const QPoint o = c.geometry.topLeft();
        EXPECT_EQ(image.pixelColor(o + QPoint(60, 0)), QColor(255, 255, 255));
        EXPECT_EQ(image.pixelColor(o + QPoint(60, 1)), QColor(255, 255, 255));
        EXPECT_EQ(image.pixelColor(o + QPoint(60, 2)), QColor(160, 160, 160));
        EXPECT_EQ(image.pixelColor(o + QPoint(60, 3)), QColor(160, 160, 160));
        EXPECT_EQ(image.pixelColor(o + QPoint(60, 4)), c.colour);
        EXPECT_EQ(image.pixelColor(o + QPoint(380, 130)), c.colour);
    }
}

TEST_F(HelpWindowTest, EveryLabelReadsAsWritten)
{
    const QImage window = grabbed(form.get());
    for (const LabelCase &c : labelCases()) {
        SCOPED_TRACE(c.name);
        const QStringList shown = c.shownLines();
        auto *label = child<QLabel>(c.name);
        ASSERT_NE(label, nullptr);
        auto *card = child<BevelPanel>(c.card);
        EXPECT_EQ(label->parentWidget(), card);
        const QColor ground = toQColor(card->color());

        EXPECT_EQ(label->text(), c.text);
        EXPECT_EQ(label->accessibleName(), shown.join(QLatin1Char(' ')));
        EXPECT_EQ(label->pos(), c.at);
        EXPECT_EQ(label->height(), 16 * shown.size()) << "labels grow by whole lines of 16 pixels";
        if (c.wrapWidth > 0) {
            EXPECT_EQ(label->width(), c.wrapWidth);
        }
        // Inside the card's inner bevel.
        EXPECT_LE(label->geometry().right(), card->width() - 5);
        EXPECT_LE(label->geometry().bottom(), card->height() - 5);

        const QFontInfo info(label->font());
        EXPECT_TRUE(info.family().contains(QStringLiteral("DejaVu Sans")) ||
                    info.family() == QStringLiteral("Verdana"))
            << info.family().toStdString();
        EXPECT_EQ(info.pixelSize(), 13);
        EXPECT_TRUE(info.bold());
        EXPECT_EQ(label->font().underline(), c.underline);
        EXPECT_FALSE(label->acceptDrops());

        // As rendered: each line of text in its place, nothing cut off, in its colour on an
        // opaque ground of the card's colour.
        const QImage ink = grabbed(label);
        EXPECT_EQ(ink.pixelColor(ink.width() - 1, ink.height() - 1), ground);
        EXPECT_EQ(window.pixelColor(card->mapTo(form.get(), label->geometry().bottomRight())),
                  ground);
        bool fullInk = false;
        for (int y = 0; y < ink.height() && !fullInk; ++y) {
            for (int x = 0; x < ink.width() && !fullInk; ++x) {
                fullInk = ink.pixelColor(x, y) == c.colour;
            }
        }
        EXPECT_TRUE(fullInk) << "no pixel in the text colour";

        // Line by line, the ink spans what the line's text alone spans: the wrap broke the text
        // where it should, and nothing is cut off at the label's edge.
        const std::vector<InkRun> bands = inkBands(ink, ground);
        ASSERT_EQ(bands.size(), static_cast<std::size_t>(shown.size()));
        for (std::size_t i = 0; i < bands.size(); ++i) {
            SCOPED_TRACE(shown[qsizetype(i)].toStdString());
            const InkRun want = referenceInk(shown[qsizetype(i)], label->font(), c.colour, ground);
            const int bandTop = 16 * static_cast<int>(i);
            EXPECT_NEAR(bands[i].left, want.left, 1);
            EXPECT_NEAR(bands[i].right, want.right, 1);
            EXPECT_NEAR(bands[i].top - bandTop, want.top, 1);
            EXPECT_NEAR(bands[i].bottom - bandTop, want.bottom, 1);
        }
        QFont plain = label->font();
        plain.setUnderline(false);
        EXPECT_EQ(hasUnderline(ink, ground, QFontMetrics(plain).horizontalAdvance(c.text)),
                  c.underline);
    }
}

TEST_F(HelpWindowTest, LabelsOfACardDoNotOverlap)
{
    for (const char *cardName : {"Panel1", "Panel2"}) {
        SCOPED_TRACE(cardName);
        const QList<QWidget *> controls =
            child(cardName)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        EXPECT_EQ(controls.size(), 6);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << controls[i]->objectName().toStdString() << " and "
                    << controls[j]->objectName().toStdString();
            }
        }
    }
}

TEST_F(HelpWindowTest, PicturesShowUnscaledAndCutAtTheirBoxes)
{
    struct Picture
    {
        const char *name;
        const char *card;
        const char *file;
        QSize stored;
        QRect box;
        QString shows;
    };
    // The pictures are decoded when the window is first shown.
    showWindow(form.get());
    const QImage window = grabbed(form.get());
    for (const Picture &p : {Picture{"Image1", "Panel1", ":/assets/PictureN.bmp", QSize(102, 88),
                                     QRect(25, 26, 102, 88), QStringLiteral("Буква Н")},
                             Picture{"Image2", "Panel2", ":/assets/PictureNN.bmp", QSize(103, 87),
                                     QRect(25, 26, 102, 87), QStringLiteral("Буквы НН")}}) {
        SCOPED_TRACE(p.name);
        auto *picture = child<QLabel>(p.name);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->parentWidget(), child(p.card));
        EXPECT_EQ(picture->geometry(), p.box);
        EXPECT_EQ(picture->accessibleName(), p.shows);
        EXPECT_FALSE(picture->acceptDrops());

        const QImage bmp = loadPicture(QString::fromLatin1(p.file));
        ASSERT_EQ(bmp.size(), p.stored);
        // Every pixel of the box, seen in the whole window, is the stored pixel at the same
        // place: drawn from the top-left corner, not scaled, and beyond the box nothing.
        const QPoint origin = child(p.card)->mapTo(form.get(), p.box.topLeft());
        int wrong = 0;
        for (int y = 0; y < p.box.height(); ++y) {
            for (int x = 0; x < p.box.width(); ++x) {
                if (window.pixel(origin + QPoint(x, y)) != bmp.pixel(x, y)) {
                    ++wrong;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
        // Just right of the box the card's ground shows again: the НН picture's last column is
        // cut off, not drawn over the card.
        const QColor ground = toQColor(child<BevelPanel>(p.card)->color());
        EXPECT_EQ(window.pixelColor(origin + QPoint(p.box.width(), p.box.height() / 2)), ground);
        EXPECT_EQ(window.pixelColor(origin + QPoint(p.box.width() / 2, p.box.height())), ground);
    }
}
