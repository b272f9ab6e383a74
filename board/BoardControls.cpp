#include "BoardControls.h"

#include "TsButton.h"

#include <QFontMetrics>
#include <QLabel>

namespace {
// Normal look: grey at the top to white at the bottom.
constexpr char kNormalGradient[] = "8421504;16777215;99;0;0;16777215;16777215;0;0;0";
// Hot look: a grey band, a rise to white, a fall to a pale grey and a short light band below.
constexpr char kHotGradient[] =
    "8421504;8421504;10;0;0;8421504;16777215;43;0;0;16777215;10658466;28;0;0;"
    "10658466;13816530;18;0;0;13816530;13816530;0;0;0";
} // namespace

TsButton *makeBoardButton(QWidget *parent, const QString &name, const QString &caption,
                          const QRect &geometry, const BoardButtonLook &look)
{
    auto *button = new TsButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setCaption(caption);
    button->setFont(look.font);
    button->setFontColor(look.fontColor);
    button->setCursorShape(Qt::PointingHandCursor);

    TsActiveBGStyle *style = button->sStyle();
    style->setSkinSection("TsButton");
    style->setGroupIndex(0);
    style->Painting()->setColor(look.painting);
    style->Background()->Gradient()->setData(kNormalGradient);
    TsHotStyle *hot = style->HotStyle();
    hot->HotBackground()->Gradient()->setData(kHotGradient);
    hot->HotPainting()->setTransparency(0);
    if (look.hotPainting) {
        hot->HotPainting()->setColor(*look.hotPainting);
    }
    return button;
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
    // The same measure the label was first sized by: the text's advance and the font's height.
    const QFontMetrics metrics(label->font());
    label->resize(metrics.horizontalAdvance(text), metrics.height());
}
