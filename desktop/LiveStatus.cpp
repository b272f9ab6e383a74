#include "LiveStatus.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class LiveStatusAccessible : public QAccessibleWidget
{
public:
    explicit LiveStatusAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::AlertMessage) {}
};

QAccessibleInterface *liveStatusFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("LiveStatus") && object->isWidgetType()) {
        return new LiveStatusAccessible(static_cast<QWidget *>(object));
    }
    return nullptr;
}

} // namespace

LiveStatus::LiveStatus(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(liveStatusFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    // Nothing to paint: no background of its own, no paint event.
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    // A bridge that is already listening may have asked for this widget while it was still
    // being made, and got a plain widget's interface; that one goes, so ours is found next.
    if (QAccessible::isActive()) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(this);
        if (iface && !dynamic_cast<LiveStatusAccessible *>(iface)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        }
    }
}

void LiveStatus::say(const QString &message)
{
    // Hidden first, so that the showing that follows is a change a screen reader hears, even
    // for the same words again.
    hide();
    setAccessibleName(message);
    show();
}
