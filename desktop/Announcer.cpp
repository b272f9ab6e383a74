// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announcer.h"

#include "AccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>

namespace {

QAccessibleInterface *makeNotification(QObject *object)
{
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// Whether the platform's bridge is AT-SPI, whose readers speak the notification's showing.
bool bridgeIsAtSpi()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}
#endif

} // namespace

// Made without a parent and given its window only once it is an Announcer: Qt makes a widget's
// interface at the first change the widget announces, joining a parent among them, and keeps
// it; made then, it is the notification.
Announcer::Announcer(QWidget *window) : QWidget(nullptr)
{
    accessible_factory::addClass("Announcer", makeNotification);
    setParent(window);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Nothing to paint: no background of its own, no paint event.
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::say(const QString &message)
{
    // Hidden first, and renamed while hidden: the showing that follows is what a reader
    // speaks, with the new name, even for the same words again.
    hide();
    setAccessibleName(message);
    show();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!bridgeIsAtSpi()) {
        QAccessibleAnnouncementEvent announcement(window(), message);
        QAccessible::updateAccessibility(&announcement);
    }
#endif
}
