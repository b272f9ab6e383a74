// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleFactory.h"

#include <QAccessible>
#include <QHash>
#include <QObject>
#include <QString>

namespace accessible_factory {
namespace {

QHash<QString, Maker> &registry()
{
    static QHash<QString, Maker> byClass;
    return byClass;
}

// Qt asks with each class name of the object in turn, its own first; the registry answers
// only for the object's own class, so that a registered class does not answer for a class
// derived from it.
QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || className != QLatin1StringView(object->metaObject()->className())) {
        return nullptr;
    }
    if (Maker make = registry().value(className, nullptr)) {
        return make(object);
    }
    return nullptr;
}

void installOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

void addClass(const char *className, Maker make)
{
    installOnce();
    registry().insert(QString::fromLatin1(className), make);
}

} // namespace accessible_factory
