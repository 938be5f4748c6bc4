#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

// Tells the LAN that a game waits for its client, through the desktop's
// mDNS daemon: DNS-SD service `_tidebolt._tcp` under the player's name.
// The announcement lasts from Announce until Withdraw or the object's end;
// if the game dies, the daemon drops it with our bus connection.
class CLanAnnouncer : public QObject {
    Q_OBJECT
public:
    explicit CLanAnnouncer(QObject* parent = nullptr);
    ~CLanAnnouncer() override;

    void Announce(const QString& name, std::uint16_t port);
    void Withdraw();

signals:
    // The name the LAN sees, which the daemon may have changed to end a clash.
    void announced(const QString& name);
    void unavailable(const QString& reason);

private slots:
    void OnStateChanged(int state, const QString& error);

private:
    void OnGroup(const QString& path);
    void Publish();
    void Fail(const QString& reason);
    void FreeGroup();

    bool m_bWanted = false;
    bool m_bGroupPending = false;
    QString m_strGroup;      // the daemon's entry group, once it made one
    QString m_strName;
    std::uint16_t m_nPort = 0;
};
