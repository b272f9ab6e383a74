// SPDX-License-Identifier: GPL-3.0-or-later
// The face, character height and weight every text control of the four windows asks for. On a
// machine without the described faces Verdana and MS Sans Serif both come out as DejaVu Sans, so
// a control that asked for the wrong one would look right; here each described face is
// installed under its own name (a renamed copy of DejaVu Sans), and each control must ask for
// the face of its row.
#include "BoardWindow.h"
#include "HelpWindow.h"
#include "QtPrinting.h"
#include "SortingWindow.h"
#include "WritingWindow.h"

#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStandardPaths>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

void put16(QByteArray &out, int v)
{
    out.append(char((v >> 8) & 0xff)).append(char(v & 0xff));
}

// The font file at `path` with a name table that names it `family`, style `style` (only the
// Windows English names: family, subfamily, full name, PostScript name). The new table goes at
// the end of the file and the table directory points at it; nothing reads the checksums.
QByteArray renamedFace(const QString &path, const QString &family, const QString &style)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray font = file.readAll();
    const QString postScript = QString(family).remove(QLatin1Char(' ')) + QLatin1Char('-') + style;
    const QString names[] = {family, style, family + QLatin1Char(' ') + style, postScript};
    const int ids[] = {1, 2, 4, 6};
    QByteArray records;
    QByteArray strings;
    for (int i = 0; i < 4; ++i) {
        const int offset = strings.size();
        for (const QChar c : names[i]) {
            put16(strings, c.unicode());
        }
        for (int v : {3, 1, 0x409, ids[i], int(strings.size() - offset), offset}) {
            put16(records, v);
        }
    }
    QByteArray table;
    for (int v : {0, 4, 6 + 12 * 4}) {
        put16(table, v);
    }
    table += records + strings;
    while (font.size() % 4 != 0) {
        font.append('\0');
    }
    const auto u16 = [&](int at) { return (uchar(font[at]) << 8) | uchar(font[at + 1]); };
    for (int i = 0, n = u16(4); i < n; ++i) {
        const int record = 12 + 16 * i;
        if (font.mid(record, 4) == "name") {
            QByteArray place;
            put16(place, font.size() >> 16);
            put16(place, font.size() & 0xffff);
            put16(place, table.size() >> 16);
            put16(place, table.size() & 0xffff);
            font.replace(record + 8, 8, place);
            return font + table;
        }
    }
    return {};
}

// The first file of that name in the system's font folders and their subfolders; empty if none.
QString fontFile(const QString &name)
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    folders << QStringLiteral("/usr/share/fonts");
    for (const QString &folder : folders) {
        QDirIterator found(folder, {name}, QDir::Files, QDirIterator::Subdirectories);
        if (found.hasNext()) {
            return found.next();
        }
    }
    return {};
}

enum Window { Board, Sorting, Writing, Help };

// Controls `prefix` + first .. `prefix` + last of one window (an empty prefix: the window's own
// font) and the font each asks for.
struct FontRow
{
    Window window;
    const char *prefix;
    int first;
    int last;
    const char *family;
    int pixelSize;
    bool bold;
    int step = 1;
};

// clang-format off
const FontRow kFonts[] = {
    {Board,   "sButton", 1, 7,   "Verdana",         11, true},  // the variant buttons
    {Board,   "sButton", 9, 9,   "Verdana",         11, true},
    {Board,   "sButton", 8, 8,   "Verdana",         13, true},  // З а к р ы т ь
    {Board,   "Label",   1, 15,  "Verdana",         13, true, 2}, // Подсказок: of each slot
    {Board,   "Label",   2, 16,  "Times New Roman", 21, true, 2}, // the count of each slot
    {Sorting, "",        0, 0,   "MS Sans Serif",   11, false}, // the window's own font
    {Sorting, "Label",   1, 22,  "Verdana",         13, true},  // Ошибок:, the count, the words
    {Sorting, "Label",   35, 36, "Verdana",         13, true},
    {Sorting, "Label",   37, 37, "Verdana",         12, true},  // the advice
    {Sorting, "sButton", 1, 2,   "MS Sans Serif",   11, true},  // Заново, Дальше
    {Sorting, "sButton", 5, 5,   "MS Sans Serif",   11, true},  // Проверить
    {Sorting, "sButton", 3, 3,   "Verdana",         11, true},  // Помогите!
    {Writing, "",        0, 0,   "MS Sans Serif",   11, false},
    {Writing, "Label",   1, 2,   "MS Sans Serif",   13, true},  // the instruction and the prompt
    {Writing, "Label",   3, 25,  "Verdana",         13, true},  // words, errors, praise, advice
    {Writing, "Edit",    1, 20,  "Verdana",         13, true},
    {Writing, "sButton", 1, 3,   "Verdana",         11, true},  // Проверить, Дальше, Буду искать
    {Writing, "sButton", 4, 4,   "MS Sans Serif",   11, true},  // Помогите!
    {Help,    "Label",   1, 10,  "Verdana",         13, true},
};
// clang-format on

const char *const kFamilies[] = {"Verdana", "MS Sans Serif", "Times New Roman"};

class WindowFonts : public ::testing::Test
{
protected:
    // A described face that is missing is installed as a renamed copy of DejaVu Sans.
    static void SetUpTestSuite()
    {
        const QStringList installed = QFontDatabase::families();
        for (const char *family : kFamilies) {
            if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) {
                continue;
            }
            for (const auto &[file, style] : {std::pair{"DejaVuSans.ttf", "Regular"},
                                              std::pair{"DejaVuSans-Bold.ttf", "Bold"}}) {
                const QString path = fontFile(QString::fromLatin1(file));
                ASSERT_FALSE(path.isEmpty()) << file << " (fonts-dejavu-core) is missing";
                const QByteArray face =
                    renamedFace(path, QString::fromLatin1(family), QString::fromLatin1(style));
                ASSERT_FALSE(face.isEmpty()) << "cannot read " << qPrintable(path);
                ASSERT_NE(QFontDatabase::addApplicationFontFromData(face), -1) << family;
            }
        }
    }
};

TEST_F(WindowFonts, EachControlAsksForTheFaceSizeAndWeightOfItsRow)
{
    for (const char *family : kFamilies) {
        ASSERT_TRUE(QFontDatabase::families().contains(QString::fromLatin1(family))) << family;
    }
    const std::unique_ptr<QWidget> windows[] = {
        std::make_unique<BoardWindow>(), std::make_unique<SortingWindow>(),
        std::make_unique<WritingWindow>(), std::make_unique<HelpWindow>()};
    for (const FontRow &row : kFonts) {
        for (int n = row.first; n <= row.last; n += row.step) {
            const QString name = QString::fromLatin1(row.prefix) + QString::number(n);
            QWidget *window = windows[row.window].get();
            const QWidget *w = *row.prefix ? window->findChild<QWidget *>(name) : window;
            SCOPED_TRACE(window->objectName().toStdString() + " " + name.toStdString());
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->font().family(), QString::fromLatin1(row.family));
            EXPECT_EQ(QFontInfo(w->font()).family(), QString::fromLatin1(row.family));
            EXPECT_EQ(w->font().pixelSize(), row.pixelSize);
            EXPECT_EQ(QFontInfo(w->font()).bold(), row.bold);
        }
    }
}

} // namespace
