#include "DesktopLook.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

QColor toQColor(TColor color)
{
    Rgb c;
    switch (color) {
    case clBtnShadow:
        c = Rgb{160, 160, 160};
        break;
    case clBtnHighlight:
        c = Rgb{255, 255, 255};
        break;
    default:
        c = ResolveColor(color);
        break;
    }
    return QColor(c.r, c.g, c.b);
}

QFont desktopFont(const QString &family, int pixelSize, bool bold, bool underline)
{
    QFont font(family);
    // Where the named face is missing, stay in its kind of face.
    font.setStyleHint(family.contains(QLatin1String("Times")) ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QPalette desktopPalette()
{
    const QColor face = toQColor(clBtnFace);
    const QColor text = toQColor(clWindowText);
    QPalette pal(face);
    pal.setColor(QPalette::Window, face);
    pal.setColor(QPalette::Button, face);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, QColor(255, 255, 255));
    pal.setColor(QPalette::ToolTipBase, toQColor(clInfoBk));
    pal.setColor(QPalette::ToolTipText, text);
    pal.setColor(QPalette::Light, toQColor(clBtnHighlight));
    pal.setColor(QPalette::Midlight, toQColor(cl3DLight));
    pal.setColor(QPalette::Mid, toQColor(clBtnShadow));
    pal.setColor(QPalette::Dark, toQColor(clBtnShadow));
    pal.setColor(QPalette::Highlight, QColor(0, 120, 215));
    pal.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    return pal;
}

void applyDesktopLook(QApplication &app)
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        app.setStyle(fusion);
    }
    app.setPalette(desktopPalette());
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(widget->backgroundRole(), color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}
