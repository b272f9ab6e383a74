// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How a caption decorated for the eye is said by a screen reader.
namespace spoken {

// A word with a gap, "лу_ый", as «лу, пропуск, ый»: both parts of the word and the gap named
// where it is. A reader spells "_" out ("подчёркивание") and runs the parts together; the
// commas are pauses that no reader reads aloud. A word without a gap is returned as it is.
QString gappedWord(const QString &caption);

} // namespace spoken
