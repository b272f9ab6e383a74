#pragma once

#include "TsColor.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

class QLabel;
class QWidget;
class TsButton;

// The board's buttons share one skinned look: the "TsButton" section, the pale normal gradient
// and the banded hot gradient, an opaque hot painting and the hand pointer while enabled. They
// differ in caption, place, font and painting colours.
struct BoardButtonLook
{
    QFont font;
    QColor fontColor;
    TColor painting;
    // Empty keeps the skinned button's own hot painting colour.
    std::optional<TColor> hotPainting;
};

// Makes one board button, named, at its place, in the shared style with the given look.
TsButton *makeBoardButton(QWidget *parent, const QString &name, const QString &caption,
                          const QRect &geometry, const BoardButtonLook &look);

// Gives a label a new text and sizes it to that text, as a label that sizes itself does.
void setLabelText(QLabel *label, const QString &text);
