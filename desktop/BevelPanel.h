// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TsColor.h"

#include <QWidget>

// A panel with an outer and an inner bevel of a given width around a plain colour, as the
// windows of the program use them to group controls. It can stay docked along the bottom edge
// of its parent at the parent's full width.
class BevelPanel : public QWidget
{
    Q_OBJECT
public:
    enum class Bevel { None, Lowered, Raised };

    explicit BevelPanel(QWidget *parent = nullptr);

    void setBevelOuter(Bevel bevel);
    void setBevelInner(Bevel bevel);
    void setBevelWidth(int width);
    void setColor(TColor color);
    // Keeps the panel along the parent's bottom edge at its full width (its height stays).
    void setDockedBottom(bool docked);

    Bevel bevelOuter() const { return m_outer; }
    Bevel bevelInner() const { return m_inner; }
    int bevelWidth() const { return m_width; }
    TColor color() const { return m_color; }
    bool isDockedBottom() const { return m_dockedBottom; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dock();

    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::None;
    int m_width = 1;
    TColor m_color = clBtnFace;
    bool m_dockedBottom = false;
};

// A panel as the windows make them: named, read aloud as `accessibleName` (none when empty), at
// its place, in its colour, with its outer and inner bevel of the given width.
BevelPanel *makeBevelPanel(QWidget *parent, const QString &name, const QString &accessibleName,
                           const QRect &geometry, TColor color, BevelPanel::Bevel outer,
                           BevelPanel::Bevel inner, int bevelWidth);
// The same for a panel of a class of its own, made by the caller.
BevelPanel *setUpBevelPanel(BevelPanel *panel, const QString &name, const QString &accessibleName,
                            const QRect &geometry, TColor color, BevelPanel::Bevel outer,
                            BevelPanel::Bevel inner, int bevelWidth);
