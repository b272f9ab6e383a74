#include "SortingControls.h"

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
