// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRules.h"

#include "FormFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace {
const char *const kPlacement = "nnFirstPlacement";
const char *const kDesigned = "nnDesignedPlace";
const char *const kShownOnce = "nnShownOnce";

// The frame around the client area: the real one once the window has been on screen, before
// that the classic one the window sizes are given for (4-pixel borders, a 30-pixel top).
QSize frameSize(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (window->testAttribute(Qt::WA_WState_Created) && frame != client) {
        return frame.size();
    }
    return outerSizeFor(client.size());
}
} // namespace

void setFirstPlacement(QWidget *window, FirstPlacement placement, QPoint designed)
{
    window->setProperty(kPlacement, static_cast<int>(placement));
    window->setProperty(kDesigned, designed);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize frame = frameSize(window);
    window->move(area.left() + (area.width() - frame.width()) / 2,
                 area.top() + (area.height() - frame.height()) / 2);
}

void showWindow(QWidget *window)
{
    if (window->isVisible()) {
        return;
    }
    if (!window->property(kShownOnce).toBool()) {
        window->setProperty(kShownOnce, true);
        const auto placement = static_cast<FirstPlacement>(window->property(kPlacement).toInt());
        if (placement == FirstPlacement::DesignedPlace) {
            window->move(window->property(kDesigned).toPoint());
        } else {
            centreOnScreen(window);
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void hideWindow(QWidget *window)
{
    if (window->isVisible()) {
        window->hide();
    }
}

void setControlsShown(const std::vector<std::pair<QWidget *, bool>> &controls)
{
    for (const auto &[control, shown] : controls) {
        if (shown) {
            control->setVisible(true);
        }
    }
    for (const auto &[control, shown] : controls) {
        if (shown) {
            continue;
        }
        QWidget *focused = control->window()->focusWidget();
        if (focused && (focused == control || control->isAncestorOf(focused))) {
            focused->clearFocus();
        }
        control->setVisible(false);
    }
}
