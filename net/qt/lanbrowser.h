#pragma once

#include <QObject>
#include <QSet>
#include <QString>

// A game that waits for its client somewhere on the LAN.
struct CLanGame {
    QString key;       // the same for the same announcement, found or lost
    QString name;      // the server's player, as announced
    QString host;      // its machine, without the ".local" of mDNS
    QString address;   // what to connect to
    quint16 port = 0;
};

// Lists the games announced on the LAN while it runs, through the
// desktop's mDNS daemon; it reports each one found, with the address it
// resolved to, and each one gone.
class CLanBrowser : public QObject {
    Q_OBJECT
public:
    explicit CLanBrowser(QObject* parent = nullptr);
    ~CLanBrowser() override;

    void Start();
    void Stop();

signals:
    void gameFound(const CLanGame& game);
    void gameLost(const QString& key);
    void unavailable(const QString& reason);

private slots:
    void OnItemNew(int interface, int protocol, const QString& name, const QString& type, const QString& domain,
                   uint flags);
    void OnItemRemove(int interface, int protocol, const QString& name, const QString& type,
                      const QString& domain, uint flags);
    void OnFailure(const QString& error);

private:
    void OnBrowser(const QString& path);
    void Subscribe(bool on);
    void Fail(const QString& reason);

    bool m_bRunning = false;
    QString m_strBrowser;
    QSet<QString> m_items;   // announcements seen and not yet gone
    QSet<QString> m_found;   // those among them already reported
};
