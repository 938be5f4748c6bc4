#include "net/qt/avahibus.h"

#include <QDBusError>
#include <QDBusMetaType>
#include <QFileInfo>
#include <QDBusPendingCallWatcher>

Q_LOGGING_CATEGORY(lcLan, "tidebolt.lan", QtInfoMsg)

namespace Avahi {
namespace {
// The daemon answers at once or not at all; a hung one must not keep a
// resolved game out of the list for long.
constexpr int CALL_TIMEOUT_MS = 5000;
} // namespace

QString ServiceType()
{
    return QStringLiteral("_tidebolt._tcp");
}

QDBusConnection Bus()
{
    // A TXT record is a list of byte strings ("aay").
    static const QMetaType registered = qDBusRegisterMetaType<QByteArrayList>();
    Q_UNUSED(registered);
    return QDBusConnection::systemBus();
}

QString Unreachable()
{
    // No bus socket at all is common (a machine without a desktop session);
    // QtDBus would start a thread only to learn that.
    QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    if (address.isEmpty())
        address = "unix:path=/var/run/dbus/system_bus_socket";   // libdbus's own default
    const QByteArray prefix = "unix:path=";
    if (address.startsWith(prefix) && !address.contains(',') && !address.contains(';')) {
        const QString path = QString::fromLocal8Bit(address.mid(prefix.size()));
        if (!QFileInfo::exists(path))
            return QStringLiteral("no system bus at %1").arg(path);
    }
    QDBusConnection bus = Bus();
    return bus.isConnected() ? QString() : bus.lastError().message();
}

QDBusMessage Call(const QString& path, const char* interface, const char* method, const QVariantList& args)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(SERVICE), path,
                                                       QString::fromLatin1(interface), QString::fromLatin1(method));
    call.setArguments(args);
    return call;
}

void Send(QObject* context, const QDBusMessage& call, std::function<void(const QDBusMessage& reply)> done)
{
    QDBusConnection bus = Bus();
    if (!done) {
        bus.send(call);
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, CALL_TIMEOUT_MS), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [done = std::move(done)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         done(finished->reply());
                     });
}

bool Failed(const QDBusMessage& reply)
{
    return reply.type() != QDBusMessage::ReplyMessage;
}

void ReportUnavailable(const QString& reason)
{
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    qCInfo(lcLan).noquote() << "Games on the LAN are neither announced nor listed:" << reason;
}
} // namespace Avahi
