#include "widgets/BusStateChange.h"

#include <QAccessible>

#if QT_CONFIG(accessibility_atspi_bridge)
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// The names Qt's bridge gives its connection and the objects it exports
// (dbusconnection.cpp, AtSpiAdaptor::pathForInterface).
QString bridgeConnection()
{
    return QStringLiteral("a11y");
}

QString objectPath(const QString &id)
{
    return QStringLiteral("/org/a11y/atspi/accessible/") + id;
}

// An object as AT-SPI refers to one, "(so)": the bus name of its program and its path.
QDBusArgument reference(const QDBusConnection &bus, const QString &path)
{
    QDBusArgument reference;
    reference.beginStructure();
    reference << bus.baseService() << QDBusObjectPath(path);
    reference.endStructure();
    return reference;
}

} // namespace

void sendBusStateChange(QObject *object, const char *state, bool on)
{
    const QDBusConnection bus(bridgeConnection());
    QAccessibleInterface *accessible =
        QAccessible::isActive() ? QAccessible::queryAccessibleInterface(object) : nullptr;
    if (!accessible || !bus.isConnected())
        return;
    const QString path = objectPath(QString::number(QAccessible::uniqueId(accessible)));
    // The bridge's own form: the state, its new value, 0, the object, the program's root.
    QDBusMessage changed =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    changed << QString::fromLatin1(state) << int(on) << 0
            << QVariant::fromValue(QDBusVariant(QVariant::fromValue(reference(bus, path))))
            << QVariant::fromValue(reference(bus, objectPath(QStringLiteral("root"))));
    bus.send(changed);
}

#else

void sendBusStateChange(QObject *, const char *, bool) {}

#endif
