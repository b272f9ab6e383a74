// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TeacherLists.h"
#include "WordList.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A teacher's word list as the exercises take it: the word table of «Вариант k» and
// «Вариант k-1», whose texts it owns for the whole run.
class TeacherVariant
{
public:
    explicit TeacherVariant(TeacherList list);
    TeacherVariant(const TeacherVariant &) = delete;
    TeacherVariant &operator=(const TeacherVariant &) = delete;

    // 2, 3 or 4: the sorting slot k and the writing slot k + 4 of the board.
    int number() const { return m_list.number; }
    const ExerciseWords &words() const { return m_words; }

private:
    TeacherList m_list;    // the texts; never changed after construction
    ExerciseWords m_words; // views into m_list
};

// What was found of a teacher's word lists at start-up.
struct TeacherVariants
{
    QString file;                                          // the file read; empty when none
    std::vector<std::unique_ptr<TeacherVariant>> variants; // the faultless lists, in file order
    QStringList problems; // each fault, in Russian, with the file and the line
};

// The file of word lists, looked for in this order, the first found being the only one read:
// the one given on the command line (`commandLineFile`, which need not exist: its absence is a
// fault to report); `variants.txt` beside the program; `nn-trainer/variants.txt` in the user's
// data folder, then in the machine's (on Windows %APPDATA% and %PROGRAMDATA%, elsewhere Qt's
// generic data locations: ~/.local/share, then /usr/local/share and /usr/share). Empty when
// there is none.
QString findTeacherFile(const QString &commandLineFile);

// Reads the file found (if any): a file that cannot be read, is too large or holds faults gives
// problems; each faultless list gives a variant. The file is only read, never written.
TeacherVariants loadTeacherVariants(const QString &commandLineFile);

// The value of "--variants FILE" (or "--variants=FILE") among the program's arguments as Qt
// read them (in Unicode on every system); empty when not given.
QString variantsArgument(const QStringList &arguments);
