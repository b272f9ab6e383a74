#pragma once

#include <QFocusFrame>
#include <QPainter>

// A frame drawn around another control of the same parent, as a mark on it: the dotted focus
// frame of the classic desktop around the word the keyboard is on, or a solid band around the
// picture chosen for a drop. It takes no input and no focus; the mouse goes through it to
// whatever lies below.
//
// Being a focus frame keeps it out of what assistive technology lists of the window: it says
// nothing that the marked control does not say itself. For the same reason it is never hidden
// or shown once made (each would be told to a screen reader as something appearing); it is
// shrunk to nothing instead.
class OutlineMark : public QFocusFrame
{
    Q_OBJECT
public:
    enum class Line { Dotted, Band };

    OutlineMark(QWidget *parent, Line line, const QColor &color, int margin)
        : QFocusFrame(parent), m_line(line), m_color(color), m_margin(margin)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        clear();
    }

    // Frames `box` (in the parent's coordinates) with the mark's margin around it, and shows it.
    void frame(const QRect &box)
    {
        setGeometry(box.adjusted(-m_margin, -m_margin, m_margin, m_margin));
        // Only the frame itself is drawn on: the control inside stays as it is.
        const int band = m_line == Line::Band ? kBandWidth : 1;
        setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(band, band, -band, -band))));
        raise();
    }

    // Takes the mark away.
    void clear()
    {
        clearMask();
        setGeometry(0, 0, 0, 0);
    }

    bool isShown() const { return !geometry().isEmpty(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (m_line == Line::Band) {
            painter.fillRect(rect(), m_color);
            return;
        }
        // Every other pixel, as the desktop draws its focus frames.
        const QRect r = rect();
        for (int x = r.left(); x <= r.right(); x += 2) {
            painter.fillRect(x, r.top(), 1, 1, m_color);
            painter.fillRect(x, r.bottom(), 1, 1, m_color);
        }
        for (int y = r.top(); y <= r.bottom(); y += 2) {
            painter.fillRect(r.left(), y, 1, 1, m_color);
            painter.fillRect(r.right(), y, 1, 1, m_color);
        }
    }

private:
    static constexpr int kBandWidth = 3;
    Line m_line;
    QColor m_color;
    int m_margin;
};
