// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeacherVariants.h"

#include "SortingWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace {

constexpr const char *kFileName = "variants.txt";
constexpr const char *kFolderName = "nn-trainer";

QStringList dataFolders()
{
#ifdef Q_OS_WIN
    QStringList folders;
    for (const char *variable : {"APPDATA", "PROGRAMDATA"}) {
        const QString folder = qEnvironmentVariable(variable);
        if (!folder.isEmpty()) {
            folders << folder;
        }
    }
    return folders;
#else
    return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
#endif
}

QString inFolder(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}

} // namespace

TeacherVariant::TeacherVariant(TeacherList list) : m_list(std::move(list))
{
    for (std::size_t i = 0; i < m_words.size() && i < m_list.words.size(); ++i) {
        const TeacherWord &word = m_list.words[i];
        m_words[i] = ExerciseWord{word.caption, word.answerCode, word.expected};
    }
}

QString findTeacherFile(const QString &commandLineFile)
{
    if (!commandLineFile.isEmpty()) {
        return commandLineFile;
    }
    QStringList candidates{
        inFolder(QCoreApplication::applicationDirPath(), QString::fromLatin1(kFileName))};
    for (const QString &folder : dataFolders()) {
        candidates << inFolder(inFolder(folder, QString::fromLatin1(kFolderName)),
                               QString::fromLatin1(kFileName));
    }
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

TeacherVariants loadTeacherVariants(const QString &commandLineFile)
{
    TeacherVariants loaded;
    loaded.file = findTeacherFile(commandLineFile);
    if (loaded.file.isEmpty()) {
        return loaded;
    }
    const QString shownName = QDir::toNativeSeparators(loaded.file);
    auto problem = [&](int line, const QString &what) {
        loaded.problems
            << (line > 0 ? QStringLiteral("%1, строка %2: %3").arg(shownName).arg(line).arg(what)
                         : QStringLiteral("%1: %2").arg(shownName, what));
    };

    const QFileInfo info(loaded.file);
    QFile file(loaded.file);
    if (!info.exists()) {
        problem(0, QStringLiteral("такого файла нет."));
    } else if (!info.isFile()) {
        // A folder, a pipe or a device: a pipe nobody writes to would keep the program from
        // ever starting.
        problem(0, QStringLiteral("это не файл со списками, а папка или устройство."));
    } else if (info.size() > qint64(kTeacherFileMaxBytes)) {
        problem(0, QStringLiteral("файл слишком большой: %1 байт, а файл со списками может быть "
                                  "не больше %2 байт; списки не загружены.")
                       .arg(info.size())
                       .arg(kTeacherFileMaxBytes));
    } else if (!file.open(QIODevice::ReadOnly)) {
        problem(0, QStringLiteral("файл не удаётся открыть (%1).").arg(file.errorString()));
    } else {
        // One byte more than allowed: a file that grew since it was measured is still caught.
        const QByteArray bytes = file.read(qint64(kTeacherFileMaxBytes) + 1);
        if (file.error() != QFileDevice::NoError) {
            problem(0, QStringLiteral("файл не удаётся прочитать (%1).").arg(file.errorString()));
        } else {
            TeacherLists lists =
                readTeacherLists(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                 [](std::string_view caption) {
                                     return SortingWindow::captionFits(QString::fromUtf8(
                                         caption.data(), qsizetype(caption.size())));
                                 });
            for (const TeacherListError &error : lists.errors) {
                problem(error.line, QString::fromStdString(error.message));
            }
            for (TeacherList &list : lists.lists) {
                loaded.variants.push_back(std::make_unique<TeacherVariant>(std::move(list)));
            }
        }
    }
    for (const QString &text : std::as_const(loaded.problems)) {
        std::fprintf(stderr, "Н и НН в прилагательных: %s\n", text.toLocal8Bit().constData());
    }
    return loaded;
}

QString variantsArgument(const QStringList &arguments)
{
    const QString option = QStringLiteral("--variants");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size()) {
            return arguments[i + 1];
        }
        if (arguments[i].startsWith(option + QLatin1Char('='))) {
            return arguments[i].mid(option.size() + 1);
        }
    }
    return {};
}
