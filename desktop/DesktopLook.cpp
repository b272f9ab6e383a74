// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopLook.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QProxyStyle>
#include <QWidget>

#include <utility>

QColor toQColor(TColor color)
{
    const Rgb c = ResolveColor(color);
    return QColor(c.r, c.g, c.b);
}

// Asked for a face that is missing, Qt searches fontconfig's whole fallback list for it, about a
// million instructions per face before the board can show; the stand-ins are what that search
// finds.
QString askedFamily(const QString &family)
{
    static const std::pair<QLatin1String, QLatin1String> standIns[] = {
        {QLatin1String("Verdana"), QLatin1String("DejaVu Sans")},
        {QLatin1String("MS Sans Serif"), QLatin1String("DejaVu Sans")},
        {QLatin1String("Times New Roman"), QLatin1String("Liberation Serif")},
    };
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive)) {
        return family;
    }
    for (const auto &[named, standIn] : standIns) {
        if (family.compare(named, Qt::CaseInsensitive) == 0 &&
            installed.contains(standIn, Qt::CaseInsensitive)) {
            return standIn;
        }
    }
    return family;
}

QFont desktopFont(const QString &family, int pixelSize, bool bold, bool underline)
{
    QFont font(askedFamily(family));
    // Where the named face is missing, stay in its kind of face.
    font.setStyleHint(family.contains(QLatin1String("Times")) ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont verdanaBold(int pixelSize)
{
    return desktopFont(QStringLiteral("Verdana"), pixelSize, true);
}

QFont msSansSerif(int pixelSize)
{
    return desktopFont(QStringLiteral("MS Sans Serif"), pixelSize);
}

QFont msSansSerifBold(int pixelSize)
{
    return desktopFont(QStringLiteral("MS Sans Serif"), pixelSize, true);
}

QFont timesNewRomanBold(int pixelSize)
{
    return desktopFont(QStringLiteral("Times New Roman"), pixelSize, true);
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

namespace {

// Fusion, with the overflow arrow of menu bars drawn here. Fusion reads that arrow from an icon
// file through QIcon::addFile, which has Qt load and query every image plugin it has as soon as
// the first menu bar is made, before the board can show; the arrow is shown only when the menus
// do not fit, which the program's never fail to.
class DesktopStyle : public QProxyStyle
{
    Q_OBJECT
public:
    DesktopStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton) {
            return overflowArrow(which == SP_ToolBarVerticalExtensionButton);
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }

private:
    // Two small chevrons pointing right (or down) in the text colour on 16 x 16 clear pixels,
    // set pixel by pixel: the arrow is made with every menu bar, and a painter would bring in
    // the rasterizer's code for nothing.
    static QIcon overflowArrow(bool down)
    {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        const QRgb ink = toQColor(clWindowText).rgba();
        for (const int left : {4, 8}) {
            for (int i = 0; i < 4; ++i) {
                // Each arm a diagonal of four pixels, two wide; the arms meet at the tip.
                for (const int y : {4 + i, 11 - i}) {
                    for (const int x : {left + i, left + i + 1}) {
                        image.setPixel(down ? y : x, down ? x : y, ink);
                    }
                }
            }
        }
        return QIcon(QPixmap::fromImage(image));
    }
};

} // namespace

void applyDesktopLook(QApplication &app)
{
    app.setStyle(new DesktopStyle);
    app.setPalette(desktopPalette());
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(widget->backgroundRole(), color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

#include "DesktopLook.moc"
