// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's word lists in the running program: which slots of the board come alive, the
// windows they open, where the file is looked for, and how a fault is reported.
#include "BoardWindow.h"
#include "QtPrinting.h"
#include "SortingWindow.h"
#include "TeacherVariants.h"
#include "TsButton.h"
#include "WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A list in the file's own form: heading, then `count` real words with their н or нн in
// brackets.
std::string fileWithList(int number, int count)
{
    std::string text = "Вариант " + std::to_string(number) + "\n";
    const char *const words[] = {"гуси[н]ый",    "стекля[нн]ый", "ржа[н]ой",    "лимо[нн]ый",
                                 "кури[н]ый",    "овся[н]ый",    "маши[нн]ый",  "сви[н]ой",
                                 "соловьи[н]ый", "карма[нн]ый",  "ветря[н]ой",  "цепе[н]ой",
                                 "лебеди[н]ый",  "сезо[нн]ый",   "пчели[н]ый",  "ко[нн]ый",
                                 "орли[н]ый",    "сло[н]овый",   "пусты[нн]ый", "утре[нн]ий"};
    for (int i = 0; i < count; ++i) {
        text += std::string(words[i % 20]) + "\n";
    }
    return text;
}

QWidget *windowNamed(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name)) {
            return w;
        }
    }
    return nullptr;
}

class TeacherVariantsTest : public ::testing::Test
{
protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }

    // Writes `text` as variants.txt into the temporary folder and reads it as the command
    // line would give it.
    TeacherVariants load(const std::string &text)
    {
        const QString path = dir.filePath(QStringLiteral("variants.txt"));
        std::ofstream(path.toStdString(), std::ios::binary) << text;
        return loadTeacherVariants(path);
    }

    TsButton *variantButton(const WindowSet &set, const char *name)
    {
        return set.board()->findChild<TsButton *>(QString::fromLatin1(name));
    }

    QTemporaryDir dir;
};

TEST_F(TeacherVariantsTest, AListMakesItsTwoSlotsLiveAndOpensWindowsOfItsOwnWords)
{
    TeacherVariants variants = load(fileWithList(3, 20));
    ASSERT_TRUE(variants.problems.isEmpty()) << variants.problems.join(u'\n').toStdString();
    ASSERT_EQ(variants.variants.size(), 1u);
    WindowSet set(std::move(variants));
    set.start();
    // «Вариант 3» and «Вариант 3-1» live; the other lists' slots stay as they were.
    EXPECT_TRUE(variantButton(set, "sButton3")->isEnabled());
    EXPECT_TRUE(variantButton(set, "sButton7")->isEnabled());
    for (const char *name : {"sButton2", "sButton4", "sButton6", "sButton9"}) {
        EXPECT_FALSE(variantButton(set, name)->isEnabled()) << name;
    }
    // No window of the list is made before its button is pressed.
    EXPECT_EQ(windowNamed("Form2_3"), nullptr);

    variantButton(set, "sButton3")->click();
    QWidget *sorting = windowNamed("Form2_3");
    ASSERT_TRUE(sorting && sorting->isVisible());
    EXPECT_EQ(sorting->findChild<QLabel *>(QStringLiteral("Label3"))->text(), "гуси_ый");
    EXPECT_EQ(sorting->findChild<QLabel *>(QStringLiteral("Label4"))->text(), "стекля_ый");
    EXPECT_FALSE(set.sorting()->isVisible()) << "«Вариант 1» has a window of its own";

    variantButton(set, "sButton7")->click();
    QWidget *writing = windowNamed("Form3_3");
    ASSERT_TRUE(writing && writing->isVisible());
    EXPECT_EQ(writing->findChild<QLabel *>(QStringLiteral("Label22"))->text(), "утре_ий");
}

TEST_F(TeacherVariantsTest, AFaultIsShownOnceOverTheBoardWithTheFileAndTheLine)
{
    // List 2 (heading on line 1) has a word too few; list 4 is whole and loads.
    TeacherVariants variants = load(fileWithList(2, 19) + fileWithList(4, 20));
    ASSERT_EQ(variants.variants.size(), 1u);
    EXPECT_EQ(variants.variants.front()->number(), 4);
    ASSERT_EQ(variants.problems.size(), 1);
    EXPECT_TRUE(variants.problems.front().startsWith(QDir::toNativeSeparators(
        dir.filePath(QStringLiteral("variants.txt")) + QStringLiteral(", строка 1: "))))
        << variants.problems.front().toStdString();

    WindowSet set(std::move(variants));
    set.start();
    auto *box = set.board()->findChild<QMessageBox *>(QStringLiteral("teacherListProblems"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
    EXPECT_TRUE(box->text().contains(QStringLiteral("строка 1")));
    EXPECT_FALSE(variantButton(set, "sButton2")->isEnabled());
    EXPECT_TRUE(variantButton(set, "sButton4")->isEnabled());
}

TEST_F(TeacherVariantsTest, TheSampleLoadsWholeWithEveryWordFittingTheWordList)
{
    // Measured at the words' own font against the narrowest room a word has.
    const TeacherVariants sample = loadTeacherVariants(QStringLiteral(NN_SAMPLE_FILE));
    EXPECT_TRUE(sample.problems.isEmpty()) << sample.problems.join(u'\n').toStdString();
    ASSERT_EQ(sample.variants.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(sample.variants[std::size_t(k)]->number(), k + 2);
    }
}

TEST_F(TeacherVariantsTest, AFileThatCannotBeReadOrIsTooLargeLoadsNothing)
{
    const TeacherVariants missing = loadTeacherVariants(dir.filePath(QStringLiteral("нет.txt")));
    ASSERT_EQ(missing.problems.size(), 1);
    EXPECT_TRUE(missing.problems.front().contains(QStringLiteral("такого файла нет")));
    // A folder given for the file: said so, never waited on.
    const TeacherVariants folder = loadTeacherVariants(dir.path());
    ASSERT_EQ(folder.problems.size(), 1);
    EXPECT_TRUE(folder.problems.front().contains(QStringLiteral("не файл")));
    EXPECT_TRUE(missing.variants.empty());

    const TeacherVariants large = load(fileWithList(2, 20) + std::string(64 * 1024, '#'));
    EXPECT_TRUE(large.variants.empty());
    ASSERT_EQ(large.problems.size(), 1);
    // The size said is the file's own, not what was read of it.
    const qint64 size = QFileInfo(dir.filePath(QStringLiteral("variants.txt"))).size();
    EXPECT_TRUE(
        large.problems.front().contains(QStringLiteral("слишком большой: %1 байт").arg(size)))
        << large.problems.front().toStdString();
}

TEST_F(TeacherVariantsTest, TheFileIsFoundInTheUsersDataFolder)
{
    // Nothing given and nothing anywhere: no file, and start-up reads nothing.
#ifdef Q_OS_WIN
    const char *const userFolder = "APPDATA";
    const char *const machineFolder = "PROGRAMDATA";
#else
    const char *const userFolder = "XDG_DATA_HOME";
    const char *const machineFolder = "XDG_DATA_DIRS";
#endif
    const QByteArray user = qgetenv(userFolder);
    const QByteArray machine = qgetenv(machineFolder);
    const auto restore = qScopeGuard([&] {
        qputenv(userFolder, user);
        qputenv(machineFolder, machine);
    });
    qputenv(userFolder, QDir::toNativeSeparators(dir.path()).toLocal8Bit());
    qputenv(machineFolder,
            QDir::toNativeSeparators(dir.filePath(QStringLiteral("machine"))).toLocal8Bit());
    EXPECT_TRUE(findTeacherFile(QString()).isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("nn-trainer")));
    const QString path = dir.filePath(QStringLiteral("nn-trainer/variants.txt"));
    std::ofstream(path.toStdString()) << fileWithList(2, 20);
    EXPECT_EQ(QDir::cleanPath(findTeacherFile(QString())), QDir::cleanPath(path));
    EXPECT_EQ(variantsArgument({QStringLiteral("nn-trainer"), QStringLiteral("--variants"),
                                QStringLiteral("/t/списки.txt")}),
              QStringLiteral("/t/списки.txt"));
    EXPECT_EQ(variantsArgument({QStringLiteral("nn-trainer"), QStringLiteral("--variants=a.txt")}),
              QStringLiteral("a.txt"));
}

} // namespace
