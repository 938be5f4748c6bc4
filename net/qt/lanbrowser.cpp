#include "net/qt/lanbrowser.h"

#include "net/qt/avahibus.h"

#include <QDBusObjectPath>

namespace {
QString Key(int interface, int protocol, const QString& name, const QString& domain)
{
    return QStringLiteral("%1/%2/%3.%4").arg(interface).arg(protocol).arg(name, domain);
}

QString MachineName(QString host)
{
    if (host.endsWith(QLatin1String(".local")))
        host.chop(6);
    return host;
}
} // namespace

CLanBrowser::CLanBrowser(QObject* parent) : QObject(parent)
{
}

CLanBrowser::~CLanBrowser()
{
    Stop();
}

void CLanBrowser::Start()
{
    if (m_bRunning)
        return;
    m_bRunning = true;
    if (const QString why = Avahi::Unreachable(); !why.isEmpty()) {
        Fail(why);
        return;
    }
    // Prepare, subscribe, then Start: a browser made and started at once
    // may report what it finds before we listen for it (Avahi 0.8 on).
    const QVariantList args{Avahi::IF_UNSPEC, Avahi::PROTO_INET, Avahi::ServiceType(), QString(), 0u};
    Avahi::Send(this, Avahi::Call(QStringLiteral("/"), Avahi::SERVER2, "ServiceBrowserPrepare", args),
                [this](const QDBusMessage& reply) {
                    if (Avahi::Failed(reply)) {
                        Fail(reply.errorMessage());
                        return;
                    }
                    OnBrowser(reply.arguments().value(0).value<QDBusObjectPath>().path());
                });
}

void CLanBrowser::OnBrowser(const QString& path)
{
    m_strBrowser = path;
    if (!m_bRunning) {
        Stop();
        return;
    }
    Subscribe(true);
    Avahi::Send(this, Avahi::Call(m_strBrowser, Avahi::SERVICE_BROWSER, "Start"), [this](const QDBusMessage& reply) {
        if (Avahi::Failed(reply))
            Fail(reply.errorMessage());
    });
}

void CLanBrowser::Subscribe(bool on)
{
    QDBusConnection bus = Avahi::Bus();
    const QString service = QString::fromLatin1(Avahi::SERVICE);
    const QString interface = QString::fromLatin1(Avahi::SERVICE_BROWSER);
    const auto link = [&](const char* signal, const char* slot) {
        on ? bus.connect(service, m_strBrowser, interface, QLatin1String(signal), this, slot)
           : bus.disconnect(service, m_strBrowser, interface, QLatin1String(signal), this, slot);
    };
    link("ItemNew", SLOT(OnItemNew(int, int, QString, QString, QString, uint)));
    link("ItemRemove", SLOT(OnItemRemove(int, int, QString, QString, QString, uint)));
    link("Failure", SLOT(OnFailure(QString)));
}

void CLanBrowser::Stop()
{
    m_bRunning = false;
    m_items.clear();
    m_found.clear();
    if (m_strBrowser.isEmpty())
        return;
    Subscribe(false);
    Avahi::Send(this, Avahi::Call(m_strBrowser, Avahi::SERVICE_BROWSER, "Free"));
    m_strBrowser.clear();
}

void CLanBrowser::OnItemNew(int interface, int protocol, const QString& name, const QString& type,
                            const QString& domain, uint)
{
    const QString key = Key(interface, protocol, name, domain);
    m_items.insert(key);
    const QVariantList args{interface, protocol, name, type, domain, Avahi::PROTO_INET, 0u};
    Avahi::Send(this, Avahi::Call(QStringLiteral("/"), Avahi::SERVER, "ResolveService", args),
                [this, key](const QDBusMessage& reply) {
                    // Gone meanwhile, or a machine that announces but cannot
                    // be reached: nothing to list.
                    if (!m_items.contains(key) || Avahi::Failed(reply))
                        return;
                    const QVariantList out = reply.arguments();
                    CLanGame game;
                    game.key = key;
                    game.name = out.value(2).toString();
                    game.host = MachineName(out.value(5).toString());
                    game.address = out.value(7).toString();
                    game.port = out.value(8).value<quint16>();
                    m_found.insert(key);
                    emit gameFound(game);
                });
}

void CLanBrowser::OnItemRemove(int interface, int protocol, const QString& name, const QString&,
                               const QString& domain, uint)
{
    const QString key = Key(interface, protocol, name, domain);
    m_items.remove(key);
    if (m_found.remove(key))
        emit gameLost(key);
}

void CLanBrowser::OnFailure(const QString& error)
{
    Fail(error);
}

void CLanBrowser::Fail(const QString& reason)
{
    if (!m_bRunning)
        return;
    Stop();
    Avahi::ReportUnavailable(reason);
    emit unavailable(reason);
}
