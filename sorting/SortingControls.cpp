#include "SortingControls.h"

#include "Pictures.h"

#include <QLabel>
#include <QPixmap>

BevelPanel *makeSortingPanel(QWidget *parent, const QString &name, const QString &accessibleName,
                             const QRect &geometry, TColor color, BevelPanel::Bevel outer,
                             BevelPanel::Bevel inner, int bevelWidth)
{
    auto *panel = new BevelPanel(parent);
    panel->setObjectName(name);
    panel->setAccessibleName(accessibleName);
    panel->setGeometry(geometry);
    panel->setColor(color);
    panel->setBevelOuter(outer);
    panel->setBevelInner(inner);
    panel->setBevelWidth(bevelWidth);
    return panel;
}

QLabel *makeSortingPicture(QWidget *parent, const QString &name, const QString &shows,
                           const QString &file, const QRect &box, PictureFit fit)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setAccessibleName(shows);
    picture->setContentsMargins(0, 0, 0, 0);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setScaledContents(fit == PictureFit::Stretched);
    picture->setPixmap(QPixmap::fromImage(loadPicture(file)));
    picture->setGeometry(box);
    return picture;
}
