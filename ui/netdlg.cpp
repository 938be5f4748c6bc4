#include "ui/netdlg.h"

#include "game/resources.h"
#include "net/netmsg.h"
#include "net/qt/lanannouncer.h"
#include "net/qt/lanbrowser.h"
#include "net/qt/netconnection.h"
#include "store/settings.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/messagebox.h"
#include "ui/pictures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHostAddress>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {
constexpr int ROLE_ADDRESS = Qt::UserRole;
constexpr int ROLE_GAME = Qt::UserRole + 1;

// A control at its template position, made large enough for its text in
// any language: a script of taller letters needs more than the template's line.
void Place(QWidget* widget, const QRect& rc, bool growToText)
{
    QRect placed = rc;
    if (growToText)
        placed.setSize(rc.size().expandedTo(widget->sizeHint()));
    widget->setGeometry(placed);
}

bool IsIPv4(const QHostAddress& address)
{
    return address.protocol() == QAbstractSocket::IPv4Protocol;
}

// The address a partner can reach us at: loopback addresses (a name often
// resolves to 127.0.1.1) help nobody on another machine, so a real
// interface's address comes first and loopback only when there is no other.
QString LocalAddress(const QString& hostName)
{
    QList<QHostAddress> found = QHostInfo::fromName(hostName).addresses();
    found += QNetworkInterface::allAddresses();
    for (const QHostAddress& address : found)
        if (IsIPv4(address) && !address.isLoopback())
            return address.toString();
    for (const QHostAddress& address : found)
        if (IsIPv4(address))
            return address.toString();
    return QString();
}
} // namespace

CNetDlg::CNetDlg(QWidget* parent, CNetConnection& net) : QDialog(parent), m_net(net), m_nSerialFound(net.Serial())
{
    m_btnStart = new QPushButton(this);
    m_btnStart->setObjectName(QStringLiteral("IDOK"));
    m_btnStart->setDefault(true);
    m_btnCancel = new QPushButton(this);
    m_btnCancel->setObjectName(QStringLiteral("IDCANCEL"));
    m_btnCancel->setAutoDefault(false);
    m_lblHost = new QLabel(this);
    m_editHost = new QLineEdit(this);
    m_editHost->setObjectName(QStringLiteral("IDC_HOSTNAME"));
    m_editHost->setReadOnly(true);
    m_lblAddress = new QLabel(this);
    m_editAddress = new QLineEdit(this);
    m_editAddress->setObjectName(QStringLiteral("IDC_ADDRESS"));
    m_editAddress->setReadOnly(true);
    m_grpType = new QGroupBox(this);
    m_rbServer = new QRadioButton(this);
    m_rbServer->setObjectName(QStringLiteral("IDC_SERVER"));
    m_rbClient = new QRadioButton(this);
    m_rbClient->setObjectName(QStringLiteral("IDC_CLIENT"));
    m_group = new QButtonGroup(this);
    m_group->addButton(m_rbServer, 0);
    m_group->addButton(m_rbClient, 1);
    m_lblServer = new QLabel(this);
    m_lblServer->setObjectName(QStringLiteral("IDC_SERVERLABEL"));
    m_cbServer = new QComboBox(this);
    m_cbServer->setObjectName(QStringLiteral("IDC_SERVERNAME"));
    m_cbServer->setEditable(true);
    // Enter starts the game or connects; it must not add to the list.
    m_cbServer->setInsertPolicy(QComboBox::NoInsert);
    m_btnConnect = new QPushButton(this);
    m_btnConnect->setObjectName(QStringLiteral("IDC_CONNECT"));
    m_btnConnect->setAutoDefault(false);
    m_icon = new QLabel(this);
    m_icon->setPixmap(Icon(IDI_NETWORK).pixmap(DluX(20), DluY(20)));

    connect(m_btnStart, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_rbServer, &QRadioButton::clicked, this, &CNetDlg::OnServer);
    connect(m_rbClient, &QRadioButton::clicked, this, &CNetDlg::OnClient);
    connect(m_btnConnect, &QPushButton::clicked, this, &CNetDlg::OnConnect);
    // The server's accepted client reaches us through the main window; only
    // our own attempt is answered here.
    connect(&m_net, &CNetConnection::connected, this, [this] {
        if (m_bConnecting)
            OnConnected();
    });
    connect(&m_net, &CNetConnection::connectFailed, this, [this] {
        if (m_bConnecting)
            OnConnectFailed();
    });
    m_announcer = new CLanAnnouncer(this);
    m_browser = new CLanBrowser(this);
    connect(m_browser, &CLanBrowser::gameFound, this, &CNetDlg::OnGameFound);
    connect(m_browser, &CLanBrowser::gameLost, this, &CNetDlg::OnGameLost);
}

CNetDlg::~CNetDlg()
{
    SetConnecting(false);
}

void CNetDlg::SetTexts()
{
    setWindowTitle(tr("Game in Network"));
    m_btnStart->setText(tr("Start Game"));
    m_btnCancel->setText(tr("Cancel"));
    m_lblHost->setText(tr("This computer name"));
    m_lblAddress->setText(tr("IP addres"));
    m_grpType->setTitle(tr("Please choice type"));
    m_rbServer->setText(tr("Server"));
    m_rbClient->setText(tr("Client"));
    m_lblServer->setText(tr("Server name or IP"));
    m_btnConnect->setText(tr("Connect"));

    // The template's places; a text longer than its place pushes what
    // follows it on that line to the right instead of being cut.
    Place(m_lblHost, DluRect(11, 11, 75, 8), true);
    Place(m_lblAddress, DluRect(11, 28, 65, 8), true);
    const int editX = std::max({DluX(91), m_lblHost->geometry().right() + DluX(4),
                                m_lblAddress->geometry().right() + DluX(4)});
    m_editHost->setGeometry(editX, DluY(8), DluX(118), DluY(14));
    m_editAddress->setGeometry(editX, DluY(24), DluX(73), DluY(14));
    Place(m_rbServer, DluRect(49, 58, 48, 10), true);
    Place(m_rbClient, DluRect(49, 73, 47, 10), true);
    Place(m_grpType, DluRect(13, 46, 103, 44), true);
    const int groupRight = std::max({m_grpType->geometry().right(), m_rbServer->geometry().right() + DluX(4),
                                     m_rbClient->geometry().right() + DluX(4)});
    m_grpType->setGeometry(QRect(m_grpType->geometry().topLeft(), QPoint(groupRight, m_grpType->geometry().bottom())));
    const int serverX = std::max(DluX(129), groupRight + DluX(6));
    Place(m_lblServer, QRect(serverX, DluY(52), DluX(95), DluY(8)), true);
    m_cbServer->setGeometry(serverX + DluX(1), DluY(62), DluX(113), DluY(12));
    Place(m_btnConnect, QRect(serverX + DluX(28), DluY(80), DluX(50), DluY(14)), true);
    const int buttonX = std::max({DluX(255), m_editHost->geometry().right() + DluX(8),
                                  m_cbServer->geometry().right() + DluX(8)});
    const int buttonWidth = std::max({DluX(50), m_btnStart->sizeHint().width(), m_btnCancel->sizeHint().width()});
    m_btnStart->setGeometry(buttonX, DluY(8), buttonWidth, DluY(14));
    m_btnCancel->setGeometry(buttonX, DluY(25), buttonWidth, DluY(14));
    m_icon->setGeometry(buttonX + (buttonWidth - DluX(20)) / 2, DluY(60), DluX(20), DluY(20));
    m_grpType->lower();
    setFixedSize(std::max(DluX(313), buttonX + buttonWidth + DluX(8)), DluY(101));
}

void CNetDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        SetTexts();
    QDialog::changeEvent(event);
}

void CNetDlg::FillHostFields()
{
    const QString host = QHostInfo::localHostName();
    if (host.isEmpty()) {
        ShowMessage(this, QMessageBox::NoIcon, tr("Error gethostname."));
        return;
    }
    m_editHost->setText(host);
    m_editAddress->setText(LocalAddress(host));
}

bool CNetDlg::OnInitDialog()
{
    m_btnConnect->hide();
    m_lblServer->hide();
    m_cbServer->setEnabled(false);
    m_btnStart->setEnabled(false);
    SetTexts();
    FillHostFields();
    // The list shows the servers sorted, as the player looks them up by name.
    std::vector<std::string> servers = ServerList;
    std::sort(servers.begin(), servers.end());
    for (const std::string& server : servers)
        m_cbServer->addItem(QString::fromStdString(server));
    m_strLastServer = CurServer;
    m_nType = -1;
    m_strServer.clear();
    FieldsToControls();
    // Browsing from the start, so that the list is full by the time the
    // player picks "Client".
    m_browser->Start();
    m_bInitialised = true;
    return true;
}

int CNetDlg::DoModal()
{
    if (!m_bInitialised)
        OnInitDialog();
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CNetDlg::FieldsFromControls()
{
    m_nType = m_group->checkedId();
    m_strServer = m_cbServer->currentText();
}

void CNetDlg::FieldsToControls()
{
    if (m_nType < 0) {
        // A button group insists on one checked button unless told otherwise.
        m_group->setExclusive(false);
        m_rbServer->setChecked(false);
        m_rbClient->setChecked(false);
        m_group->setExclusive(true);
    } else {
        (m_nType == 0 ? m_rbServer : m_rbClient)->setChecked(true);
    }
    m_cbServer->setEditText(m_strServer);
}

void CNetDlg::CloseBoth()
{
    // A new choice of role also forgets the client the server had taken,
    // so the next one to come is accepted rather than told the server is busy.
    m_announcer->Withdraw();
    m_net.Close();
    m_btnStart->setEnabled(false);
}

void CNetDlg::SetConnecting(bool connecting)
{
    if (m_bConnecting == connecting)
        return;
    m_bConnecting = connecting;
    m_btnConnect->setEnabled(!connecting);
    m_rbServer->setEnabled(!connecting);
    m_rbClient->setEnabled(!connecting);
    m_cbServer->setEnabled(!connecting);
    if (connecting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CNetDlg::OnServer()
{
    FieldsFromControls();
    m_btnConnect->hide();
    m_cbServer->setEnabled(false);
    m_lblServer->hide();
    m_strServer = tr("Wait for client...");
    FieldsToControls();
    CloseBoth();
    // A port already taken is not reported: no client will come, and the
    // LAN is not told of a game that is not there.
    if (m_net.Listen(NET_PORT))
        m_announcer->Announce(QString::fromStdString(Name), NET_PORT);
}

void CNetDlg::OnClient()
{
    FieldsFromControls();
    m_btnConnect->show();
    m_cbServer->setEnabled(true);
    m_lblServer->show();
    m_strServer = QString::fromStdString(m_strLastServer);
    FieldsToControls();
    CloseBoth();
}

void CNetDlg::OnConnect()
{
    FieldsFromControls();
    if (m_bConnecting)
        return;
    // A game chosen from the list is reached, and remembered, by its
    // address: the player's list keeps what was really connected to.
    m_strServer = HostOf(m_strServer);
    FieldsToControls();
    m_net.Close();
    SetConnecting(true);
    if (!m_net.Connect(m_strServer, NET_PORT))
        OnConnectFailed();
}

void CNetDlg::OnConnected()
{
    SetConnecting(false);
    AddServer(m_strServer.toStdString());
    m_btnConnect->hide();
    m_btnStart->setEnabled(true);
    ShowMessage(this, QMessageBox::Information, tr("Connect successful!"));
}

void CNetDlg::OnConnectFailed()
{
    SetConnecting(false);
    ShowMessage(this, QMessageBox::Warning, tr("Connect failed"));
}

void CNetDlg::OnClientConnected()
{
    m_announcer->Withdraw();   // no longer waiting: nobody else may come
    FieldsFromControls();
    m_btnStart->setEnabled(true);
    m_strServer = tr("Connect successful");
    FieldsToControls();
    ShowMessage(this, QMessageBox::Information, tr("Connect successful!"));
}

void CNetDlg::OnConnectionClosed()
{
    m_announcer->Withdraw();   // the listener closed with the connection
    FieldsFromControls();
    m_btnStart->setEnabled(false);
    if (m_nType == 0)
        m_strServer = tr("Connect closed");
    FieldsToControls();
    ShowMessage(this, QMessageBox::Warning, tr("Connect closed"));
}

int CNetDlg::FoundGameIndex(const QString& key) const
{
    for (int i = 0; i < m_cbServer->count(); ++i)
        if (m_cbServer->itemData(i, ROLE_GAME).toString() == key)
            return i;
    return -1;
}

QString CNetDlg::HostOf(const QString& text) const
{
    const QString trimmed = text.trimmed();
    for (int i = 0; i < m_cbServer->count(); ++i)
        if (m_cbServer->itemText(i) == trimmed && !m_cbServer->itemData(i, ROLE_GAME).isNull())
            return m_cbServer->itemData(i, ROLE_ADDRESS).toString();
    return trimmed;
}

void CNetDlg::OnGameFound(const CLanGame& game)
{
    // The machine's name helps to tell two players of the same name apart.
    const QString label = QStringLiteral("%1 \u2014 %2 (%3)").arg(game.name, game.host, game.address);
    const QString typed = m_cbServer->currentText();
    const int known = FoundGameIndex(game.key);
    if (known >= 0)
        m_cbServer->removeItem(known);
    int at = 0;
    while (at < m_cbServer->count() && m_cbServer->itemText(at).compare(label) < 0)
        ++at;
    m_cbServer->insertItem(at, label);
    m_cbServer->setItemData(at, game.address, ROLE_ADDRESS);
    m_cbServer->setItemData(at, game.key, ROLE_GAME);
    m_cbServer->setEditText(typed);
    // The open list shows a long entry whole rather than cut at the box's width.
    m_cbServer->view()->setMinimumWidth(m_cbServer->view()->sizeHintForColumn(0) + DluX(8));
}

void CNetDlg::OnGameLost(const QString& key)
{
    const int index = FoundGameIndex(key);
    if (index < 0)
        return;
    const QString typed = m_cbServer->currentText();
    m_cbServer->removeItem(index);
    m_cbServer->setEditText(typed);
}
