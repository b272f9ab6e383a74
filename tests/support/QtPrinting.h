// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readable failure messages for the Qt values the tests compare: GoogleTest prints a value
// through the PrintTo it finds beside the value's type.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
inline void PrintTo(const QSize &s, std::ostream *os)
{
    *os << s.width() << "x" << s.height();
}
inline void PrintTo(const QPoint &p, std::ostream *os)
{
    *os << p.x() << "," << p.y();
}
inline void PrintTo(const QColor &c, std::ostream *os)
{
    *os << "RGB(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
