#include "platform/notify.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

namespace platform {

bool notifyDesktop(const QString& title, const QString& body) {
    const QString service = "org.freedesktop.Notifications";
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(service).value())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(service, "/org/freedesktop/Notifications",
                                                       service, "Notify");
    // app name, replaces id, icon, summary, body, actions, hints, timeout (ms)
    call << QString("zafirel") << 0u << QString("zafirel") << title << body << QStringList()
         << QVariantMap() << -1;
    // Sent without waiting: a slow service never holds up the call to prayer.
    return bus.send(call);
}

}  // namespace platform
