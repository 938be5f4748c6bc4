#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <string>

class CNetConnection;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Game in Network": shows this machine's name and address, lets the player
// be the server (listen) or the client (connect to a named server), and
// ends with "Start Game" once a connection stands.
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

private:
    void FieldsFromControls();
    void FieldsToControls();
    void SetTexts(bool english);
    void FillHostFields();
    void CloseBoth();
    // While an attempt runs, nothing may start another or change the role.
    void SetConnecting(bool connecting);
    int ShowBox(int icon, const QString& english, const QString& russian);

    QButtonGroup* m_group = nullptr;
    bool m_bInitialised = false;
    bool m_bConnecting = false;
};
