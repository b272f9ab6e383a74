#include "FormFrame.h"

#include "DesktopLook.h"
#include "Pictures.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

QSize clientSizeFor(QSize outer)
{
    return QSize(outer.width() - 8, outer.height() - 34);
}

void setupFormFrame(QWidget *form, const QString &caption, QSize outer, const QColor &background,
                    TitleBar titleBar)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (titleBar == TitleBar::SystemMenuAndClose) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    form->setWindowFlags(flags);
    form->setWindowTitle(caption);
    form->setWindowIcon(programIcon());
    form->resize(clientSizeFor(outer));
    setBackground(form, background);
    form->setAccessibleName(caption);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int x, int y,
                  const QFont &font, const QColor &color, const QColor &background, int wrapWidth)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text.simplified());
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(0, 0, 0, 0);
    label->setMargin(0);
    label->setIndent(0);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    if (background.isValid()) {
        pal.setColor(QPalette::Window, background);
        label->setAutoFillBackground(true);
    }
    label->setPalette(pal);
    const QFontMetrics fm(font);
    if (wrapWidth > 0) {
        label->setWordWrap(true);
        const QRect box = fm.boundingRect(QRect(0, 0, wrapWidth, 10000),
                                          Qt::TextWordWrap | Qt::AlignLeft, text);
        // The measured box can be a pixel taller than its lines; count whole lines.
        const int lines = std::max(1, qRound(box.height() / double(fm.lineSpacing())));
        label->setGeometry(x, y, wrapWidth, lines * fm.lineSpacing());
    } else {
        label->setGeometry(x, y, fm.horizontalAdvance(text), fm.height());
    }
    return label;
}
