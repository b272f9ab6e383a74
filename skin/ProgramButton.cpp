// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramButton.h"

#include "TsButton.h"

void applyProgramLook(TsButton *button, const ProgramButtonLook &look)
{
    button->setFont(look.font);
    button->setFontColor(look.fontColor);
    button->setCursorShape(Qt::PointingHandCursor);

    TsActiveBGStyle *style = button->sStyle();
    style->setSkinSection(programlook::kSkinSection);
    style->setGroupIndex(0);
    style->Painting()->setColor(look.painting);
    style->Background()->Gradient()->setData(programlook::kNormalGradient);
    TsHotStyle *hot = style->HotStyle();
    hot->HotBackground()->Gradient()->setData(programlook::kHotGradient);
    hot->HotPainting()->setTransparency(0);
    if (look.hotPainting) {
        hot->HotPainting()->setColor(*look.hotPainting);
    }
}

TsButton *makeProgramButton(QWidget *parent, const QString &name, const QString &caption,
                            const QRect &geometry, const ProgramButtonLook &look)
{
    auto *button = new TsButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setCaption(caption);
    applyProgramLook(button, look);
    return button;
}
