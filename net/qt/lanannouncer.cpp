#include "net/qt/lanannouncer.h"

#include "net/qt/avahibus.h"

#include <QByteArrayList>
#include <QDBusObjectPath>

#ifndef TIDEBOLT_VERSION
#define TIDEBOLT_VERSION "0"
#endif

namespace {
QVariant Txt()
{
    // A later version may want to tell whom it can play with.
    return QVariant::fromValue(QByteArrayList{QByteArrayLiteral("version=" TIDEBOLT_VERSION)});
}
} // namespace

CLanAnnouncer::CLanAnnouncer(QObject* parent) : QObject(parent)
{
}

CLanAnnouncer::~CLanAnnouncer()
{
    Withdraw();
}

void CLanAnnouncer::Announce(const QString& name, std::uint16_t port)
{
    Withdraw();
    m_bWanted = true;
    // DNS-SD labels hold at most 63 bytes; the daemon refuses longer ones.
    m_strName = name.trimmed().isEmpty() ? QStringLiteral("Tidebolt") : name.trimmed();
    while (m_strName.toUtf8().size() > 63)
        m_strName.chop(1);
    m_nPort = port;
    if (const QString why = Avahi::Unreachable(); !why.isEmpty()) {
        Fail(why);
        return;
    }
    m_bGroupPending = true;
    Avahi::Send(this, Avahi::Call(QStringLiteral("/"), Avahi::SERVER, "EntryGroupNew"),
                [this](const QDBusMessage& reply) {
                    m_bGroupPending = false;
                    if (Avahi::Failed(reply)) {
                        Fail(reply.errorMessage());
                        return;
                    }
                    OnGroup(reply.arguments().value(0).value<QDBusObjectPath>().path());
                });
}

void CLanAnnouncer::OnGroup(const QString& path)
{
    m_strGroup = path;
    if (!m_bWanted) {
        FreeGroup();   // withdrawn while the daemon was making it
        return;
    }
    Avahi::Bus().connect(QString::fromLatin1(Avahi::SERVICE), path, QString::fromLatin1(Avahi::ENTRY_GROUP),
                         QStringLiteral("StateChanged"), this, SLOT(OnStateChanged(int, QString)));
    Publish();
}

void CLanAnnouncer::Publish()
{
    const QVariantList service{Avahi::IF_UNSPEC, Avahi::PROTO_UNSPEC, 0u, m_strName, Avahi::ServiceType(),
                               QString(), QString(), QVariant::fromValue(quint16(m_nPort)), Txt()};
    Avahi::Send(this, Avahi::Call(m_strGroup, Avahi::ENTRY_GROUP, "AddService", service),
                [this](const QDBusMessage& reply) {
                    if (Avahi::Failed(reply))
                        Fail(reply.errorMessage());
                });
    Avahi::Send(this, Avahi::Call(m_strGroup, Avahi::ENTRY_GROUP, "Commit"), [this](const QDBusMessage& reply) {
        if (Avahi::Failed(reply))
            Fail(reply.errorMessage());
        else if (m_bWanted)
            emit announced(m_strName);
    });
}

void CLanAnnouncer::OnStateChanged(int state, const QString& error)
{
    if (!m_bWanted)
        return;
    if (state == Avahi::GROUP_FAILURE) {
        Fail(error);
        return;
    }
    if (state != Avahi::GROUP_COLLISION)
        return;
    // Another game on the LAN has our name: take the daemon's next one
    // ("Alice #2"), as every DNS-SD service does.
    Avahi::Send(this, Avahi::Call(QStringLiteral("/"), Avahi::SERVER, "GetAlternativeServiceName", {m_strName}),
                [this](const QDBusMessage& reply) {
                    if (Avahi::Failed(reply) || !m_bWanted || m_strGroup.isEmpty()) {
                        Fail(reply.errorMessage());
                        return;
                    }
                    m_strName = reply.arguments().value(0).toString();
                    Avahi::Send(this, Avahi::Call(m_strGroup, Avahi::ENTRY_GROUP, "Reset"));
                    Publish();
                });
}

void CLanAnnouncer::Withdraw()
{
    m_bWanted = false;
    if (!m_bGroupPending)
        FreeGroup();
}

void CLanAnnouncer::FreeGroup()
{
    if (m_strGroup.isEmpty())
        return;
    Avahi::Bus().disconnect(QString::fromLatin1(Avahi::SERVICE), m_strGroup, QString::fromLatin1(Avahi::ENTRY_GROUP),
                            QStringLiteral("StateChanged"), this, SLOT(OnStateChanged(int, QString)));
    Avahi::Send(this, Avahi::Call(m_strGroup, Avahi::ENTRY_GROUP, "Free"));
    m_strGroup.clear();
}

void CLanAnnouncer::Fail(const QString& reason)
{
    if (!m_bWanted)
        return;
    Withdraw();
    Avahi::ReportUnavailable(reason);
    emit unavailable(reason);
}
