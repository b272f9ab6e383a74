// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormFrame.h"

#include "DesktopLook.h"
#include "Pictures.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

void givePicture(QLabel *label, const QString &file)
{
    try {
        label->setPixmap(QPixmap::fromImage(loadPicture(file, label->devicePixelRatioF())));
    } catch (const PictureError &error) {
        qWarning("%s", error.what());
    }
}

// Decodes the pictures of one window when it is first shown. The window hears of its Show
// before anything of it is painted, so no picture is ever seen missing.
class PictureLoader : public QObject
{
    Q_OBJECT
public:
    explicit PictureLoader(QWidget *window) : QObject(window) { window->installEventFilter(this); }

    void add(QLabel *label, const QString &file) { m_pending.push_back({label, file}); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            for (const Pending &p : m_pending) {
                if (p.label) {
                    givePicture(p.label, p.file);
                }
            }
            m_pending.clear();
            deleteLater();
        }
        return false;
    }

private:
    struct Pending
    {
        QPointer<QLabel> label;
        QString file;
    };
    std::vector<Pending> m_pending;
};

} // namespace

QSize clientSizeFor(QSize outer)
{
    return outer - kClassicFrameExtra;
}

QSize outerSizeFor(QSize client)
{
    return client + kClassicFrameExtra;
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

void setUpLabel(QLabel *label, const QString &name, const QString &text, int x, int y,
                const QFont &font, const QColor &color, const QColor &background)
{
    // Named before its text is set: setting the text is the label's first word to assistive
    // technology.
    label->setObjectName(name);
    label->setText(text);
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
    label->move(x, y);
}

QLabel *makeUnsizedLabel(QWidget *parent, const QString &name, const QString &text, int x, int y,
                         const QFont &font, const QColor &color, const QColor &background)
{
    auto *label = new QLabel(parent);
    setUpLabel(label, name, text, x, y, font, color, background);
    return label;
}

int wrappedLineCount(const QFont &font, const QString &text, int wrapWidth)
{
    if (wrapWidth <= 0) {
        return 1;
    }
    // Laid out as the label lays it out: broken at word boundaries, the blanks at a break taking
    // no room.
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth);
        ++lines;
    }
    layout.endLayout();
    return std::max(1, lines);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int x, int y,
                  const QFont &font, const QColor &color, const QColor &background, int wrapWidth)
{
    QLabel *label = makeUnsizedLabel(parent, name, text, x, y, font, color, background);
    const QFontMetrics fm(font);
    if (wrapWidth > 0) {
        label->setWordWrap(true);
        label->setGeometry(x, y, wrapWidth,
                           wrappedLineCount(font, text, wrapWidth) * fm.lineSpacing());
    } else {
        label->setGeometry(x, y, fm.horizontalAdvance(text), fm.height());
    }
    return label;
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
    // The same measure the label was first sized by: the text's advance and the font's height.
    const QFontMetrics metrics(label->font());
    label->resize(metrics.horizontalAdvance(text), metrics.height());
}

void setUpPicture(QLabel *picture, const QString &name, const QString &shows, const QString &file,
                  const QRect &box, PictureFit fit)
{
    picture->setObjectName(name);
    picture->setAccessibleName(shows);
    picture->setContentsMargins(0, 0, 0, 0);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setScaledContents(fit == PictureFit::Stretched);
    picture->setGeometry(box);

    QWidget *window = picture->window();
    if (window->isVisible()) {
        givePicture(picture, file);
        return;
    }
    auto *loader = window->findChild<PictureLoader *>(QString(), Qt::FindDirectChildrenOnly);
    if (!loader) {
        loader = new PictureLoader(window);
    }
    loader->add(picture, file);
}

QLabel *makePicture(QWidget *parent, const QString &name, const QString &shows, const QString &file,
                    const QRect &box, PictureFit fit)
{
    auto *picture = new QLabel(parent);
    setUpPicture(picture, name, shows, file, box, fit);
    return picture;
}

#include "FormFrame.moc"
