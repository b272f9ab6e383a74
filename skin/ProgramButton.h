// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramLook.h"
#include "TsColor.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;
class TsButton;

// The skinned look every button of the program shares: the "TsButton" section, the pale normal
// gradient and the banded hot gradient (ProgramLook.h), an opaque hot painting and the hand
// pointer while enabled. Buttons differ only in what this record holds.
struct ProgramButtonLook
{
    QFont font;
    QColor fontColor;
    TColor painting;
    // Empty keeps the skinned button's own hot painting colour.
    std::optional<TColor> hotPainting;
};

// Gives a button the program's look with the given font and painting colours.
void applyProgramLook(TsButton *button, const ProgramButtonLook &look);

// Makes one button of the program, named, at its place, with its caption, in the program's look.
TsButton *makeProgramButton(QWidget *parent, const QString &name, const QString &caption,
                            const QRect &geometry, const ProgramButtonLook &look);
