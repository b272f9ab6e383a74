#include "StatusText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char *const kStatusProperty = "nnStatusText";

// A label read as a notification: its text, spoken as one line, is its name.
class StatusTextAccessible : public QAccessibleWidget
{
public:
    explicit StatusTextAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(object());
        if (t == QAccessible::Name && label->accessibleName().isEmpty()) {
            return label->text().simplified();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *statusTextFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLabel") && object &&
        object->property(kStatusProperty).toBool()) {
        return new StatusTextAccessible(static_cast<QLabel *>(object));
    }
    return nullptr;
}

} // namespace

void markAsStatusText(QLabel *label)
{
    static const bool installed = [] {
        QAccessible::installFactory(statusTextFactory);
        return true;
    }();
    (void)installed;
    label->setProperty(kStatusProperty, true);
    // An interface made for the label before it was marked (a change of its name is announced
    // as soon as the label is made) would keep reading it as a plain label.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
    if (iface && iface->role() != QAccessible::Notification) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

bool isStatusText(const QWidget *widget)
{
    return widget && widget->property(kStatusProperty).toBool();
}
