#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <string>

class CLanAnnouncer;
class CLanBrowser;
class CNetConnection;
struct CLanGame;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Game in Network": shows this machine's name and address, lets the player
// be the server (listen, announced on the LAN while it waits) or the client
// (connect to a named server or to a game the LAN announces), and ends with
// "Start Game" once a connection stands.
class CNetDlg : public QDialog {
    Q_OBJECT
public:
    CNetDlg(QWidget* parent, CNetConnection& net);
    ~CNetDlg() override;

    int DoModal();
    bool OnInitDialog();

    // Called by the main window while the dialog is open.
    void OnClientConnected();
    void OnConnectionClosed();
    // How this dialog's own attempt to connect ended.
    void OnConnected();
    void OnConnectFailed();

    void OnServer();
    void OnClient();
    void OnConnect();

    std::string m_strLastServer;
    CNetConnection& m_net;   // the main window's, not owned
    // The connection the dialog found; a role chosen in it replaces that one.
    std::uint32_t m_nSerialFound = 0;
    QComboBox* m_cbServer = nullptr;
    QPushButton* m_btnStart = nullptr;
    QPushButton* m_btnConnect = nullptr;
    int m_nType = -1;   // 0 server, 1 client, -1 none chosen
    QString m_strServer;

    QPushButton* m_btnCancel = nullptr;
    QLineEdit* m_editHost = nullptr;
    QLineEdit* m_editAddress = nullptr;
    QLabel* m_lblHost = nullptr;
    QLabel* m_lblAddress = nullptr;
    QLabel* m_lblServer = nullptr;
    QLabel* m_icon = nullptr;
    QGroupBox* m_grpType = nullptr;
    QRadioButton* m_rbServer = nullptr;
    QRadioButton* m_rbClient = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void FieldsFromControls();
    void FieldsToControls();
    void SetTexts();
    void FillHostFields();
    void CloseBoth();
    // While an attempt runs, nothing may start another or change the role.
    void SetConnecting(bool connecting);
    // The games the LAN announces share the server list with the names the
    // player connected to before, and leave its edit text alone.
    void OnGameFound(const CLanGame& game);
    void OnGameLost(const QString& key);
    int FoundGameIndex(const QString& key) const;
    // What a text names: the address of a listed game, or the text itself.
    QString HostOf(const QString& text) const;

    QButtonGroup* m_group = nullptr;
    CLanAnnouncer* m_announcer = nullptr;
    CLanBrowser* m_browser = nullptr;
    bool m_bInitialised = false;
    bool m_bConnecting = false;
};
