#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLoggingCategory>
#include <QString>

#include <functional>

class QObject;

Q_DECLARE_LOGGING_CATEGORY(lcLan)

// The desktop's mDNS daemon, Avahi, on the system bus: what the game's
// announcer and browser share.
namespace Avahi {
inline constexpr const char* SERVICE = "org.freedesktop.Avahi";
inline constexpr const char* SERVER = "org.freedesktop.Avahi.Server";
inline constexpr const char* SERVER2 = "org.freedesktop.Avahi.Server2";
inline constexpr const char* ENTRY_GROUP = "org.freedesktop.Avahi.EntryGroup";
inline constexpr const char* SERVICE_BROWSER = "org.freedesktop.Avahi.ServiceBrowser";
inline constexpr int IF_UNSPEC = -1;
// The game listens on IPv4 and shows IPv4 addresses; so does its list.
inline constexpr int PROTO_INET = 0;
inline constexpr int PROTO_UNSPEC = -1;
inline constexpr int GROUP_COLLISION = 3;
inline constexpr int GROUP_FAILURE = 4;

QString ServiceType();

QDBusConnection Bus();
// Why the system bus cannot be reached, or empty when it can.
QString Unreachable();
QDBusMessage Call(const QString& path, const char* interface, const char* method, const QVariantList& args = {});
// Sends the call without waiting; `done` runs on the reply, unless
// `context` is gone by then. A null `done` ignores the reply.
void Send(QObject* context, const QDBusMessage& call,
          std::function<void(const QDBusMessage& reply)> done = nullptr);
bool Failed(const QDBusMessage& reply);
// Once a run: a desktop without the daemon is ordinary, not an error the
// player must hear of.
void ReportUnavailable(const QString& reason);
} // namespace Avahi
