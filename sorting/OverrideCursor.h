// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QGuiApplication>

// The application's override cursor for as long as the object lives: set on construction,
// changed in place, and taken off again by the destructor whatever way the owner ends.
class OverrideCursor
{
public:
    explicit OverrideCursor(Qt::CursorShape shape) : m_shape(shape)
    {
        QGuiApplication::setOverrideCursor(QCursor(shape));
    }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor &) = delete;
    OverrideCursor &operator=(const OverrideCursor &) = delete;

    Qt::CursorShape shape() const { return m_shape; }

    void setShape(Qt::CursorShape shape)
    {
        if (shape != m_shape) {
            m_shape = shape;
            QGuiApplication::changeOverrideCursor(QCursor(shape));
        }
    }

private:
    Qt::CursorShape m_shape;
};
