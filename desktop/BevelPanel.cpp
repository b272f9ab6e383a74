// SPDX-License-Identifier: GPL-3.0-or-later
#include "BevelPanel.h"

#include "DesktopLook.h"

#include <QEvent>
#include <QPainter>

BevelPanel::BevelPanel(QWidget *parent) : QWidget(parent)
{
    setColor(m_color);
}

void BevelPanel::setBevelOuter(Bevel bevel)
{
    m_outer = bevel;
    update();
}

void BevelPanel::setBevelInner(Bevel bevel)
{
    m_inner = bevel;
    update();
}

void BevelPanel::setBevelWidth(int width)
{
    m_width = std::max(width, 0);
    update();
}

void BevelPanel::setColor(TColor color)
{
    m_color = color;
    // The palette carries the colour too, so children that follow their parent's colour (and
    // the disabled look of the skinned buttons) see it.
    setBackground(this, toQColor(color));
    update();
}

void BevelPanel::setDockedBottom(bool docked)
{
    if (docked == m_dockedBottom) {
        return;
    }
    m_dockedBottom = docked;
    if (QWidget *p = parentWidget()) {
        if (docked) {
            p->installEventFilter(this);
            dock();
        } else {
            p->removeEventFilter(this);
        }
    }
}

void BevelPanel::dock()
{
    const QWidget *p = parentWidget();
    setGeometry(0, p->height() - height(), p->width(), height());
}

bool BevelPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (m_dockedBottom && watched == parentWidget() && event->type() == QEvent::Resize) {
        dock();
    }
    return QWidget::eventFilter(watched, event);
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    // One bevel: `width` rings, the top and left in one colour, the bottom and right in the
    // other, each ring one pixel further in.
    auto frame = [&](Bevel bevel) {
        if (bevel == Bevel::None) {
            return;
        }
        const QColor topLeft = toQColor(bevel == Bevel::Raised ? clBtnHighlight : clBtnShadow);
        const QColor bottomRight = toQColor(bevel == Bevel::Raised ? clBtnShadow : clBtnHighlight);
        for (int i = 0; i < m_width && r.width() > 0 && r.height() > 0; ++i) {
            p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
            p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
            p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
            p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
            r.adjust(1, 1, -1, -1);
        }
    };
    frame(m_outer);
    frame(m_inner);
    p.fillRect(r, toQColor(m_color));
}

BevelPanel *makeBevelPanel(QWidget *parent, const QString &name, const QString &accessibleName,
                           const QRect &geometry, TColor color, BevelPanel::Bevel outer,
                           BevelPanel::Bevel inner, int bevelWidth)
{
    return setUpBevelPanel(new BevelPanel(parent), name, accessibleName, geometry, color, outer,
                           inner, bevelWidth);
}

BevelPanel *setUpBevelPanel(BevelPanel *panel, const QString &name, const QString &accessibleName,
                            const QRect &geometry, TColor color, BevelPanel::Bevel outer,
                            BevelPanel::Bevel inner, int bevelWidth)
{
    panel->setObjectName(name);
    if (!accessibleName.isEmpty()) {
        panel->setAccessibleName(accessibleName);
    }
    panel->setGeometry(geometry);
    panel->setColor(color);
    panel->setBevelOuter(outer);
    panel->setBevelInner(inner);
    panel->setBevelWidth(bevelWidth);
    return panel;
}
