#include "AccessibleFactory.h"

#include <QAccessible>
#include <QHash>
#include <QWidget>

namespace accessible_factory {
namespace {

struct Registry
{
    QHash<QString, Maker> byClass;
    // Window class, then object name.
    QHash<QString, QHash<QString, Maker>> byControl;
};

Registry &registry()
{
    static Registry r;
    return r;
}

Maker controlMaker(QObject *object)
{
    if (!object->isWidgetType() || object->objectName().isEmpty()) {
        return nullptr;
    }
    const QWidget *window = static_cast<QWidget *>(object)->window();
    const auto controls =
        registry().byControl.constFind(QLatin1StringView(window->metaObject()->className()));
    if (controls == registry().byControl.cend()) {
        return nullptr;
    }
    return controls->value(object->objectName(), nullptr);
}

// Qt asks with each class name of the object in turn, its own first; the registry answers
// only for the object's own class, so that a registered class does not answer for a class
// derived from it.
QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || className != QLatin1StringView(object->metaObject()->className())) {
        return nullptr;
    }
    if (Maker make = registry().byClass.value(className, nullptr)) {
        return make(object);
    }
    if (Maker make = controlMaker(object)) {
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
    registry().byClass.insert(QString::fromLatin1(className), make);
}

void addControl(const char *windowClass, const QString &objectName, Maker make)
{
    installOnce();
    registry().byControl[QString::fromLatin1(windowClass)].insert(objectName, make);
}

} // namespace accessible_factory
