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
    // Qt makes and keeps an interface for a widget as soon as it announces a change, even
    // while it is still being made; that one is a plain widget's and goes, so ours is found
    // next.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(this);
    if (iface && !dynamic_cast<LiveStatusAccessible *>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
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
