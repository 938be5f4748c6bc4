#include "netpartner.h"

#include "game/globals.h"
#include "net/qt/netconnection.h"
#include "store/settings.h"
#include "ui/gamedlg.h"
#include "ui/netdlg.h"

#include <QElapsedTimer>
#include <QRadioButton>

#include <cstring>

namespace {

bool g_bResolving = false;

long long NowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

// Names the window's player never types, so the two rows of a game stay apart.
const char* const PARTNER_NAMES[] = {"Cora", "Dave", "Edda"};

std::string FirstDifference(const signed char* want, const signed char* have)
{
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (want[i] != have[i])
            return "cell " + std::to_string(i) + " is " + std::to_string(have[i]) + " on the window, "
                   + std::to_string(want[i]) + " on the partner";
    return {};
}

} // namespace

bool CNetPartner::Resolving()
{
    return g_bResolving;
}

CNetPartner::CNetPartner(unsigned int seed) : m_rng(seed)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        QTcpSocket* socket = m_server.nextPendingConnection();
        m_server.close();
        if (m_socket || !socket) {
            delete socket;
            return;
        }
        Adopt(socket, true);
    });
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
    m_timer.start(5);
}

void CNetPartner::Attach(CGameDlg* wnd)
{
    Drop();
    m_server.close();
    m_nConnectAt = -1;
    m_pWnd = wnd;
}

void CNetPartner::StepAside()
{
    m_server.close();
}

int CNetPartner::Pause()
{
    const int r = Chance(100);
    return r < 35 ? Chance(5) : r < 75 ? 5 + Chance(55) : r < 93 ? 60 + Chance(90) : r < 99 ? 150 + Chance(250)
                                                                                              : 1000 + Chance(2000);
}

void CNetPartner::Fail(const std::string& fault)
{
    if (m_strFault.empty())
        m_strFault = "the partner: " + fault;
}

void CNetPartner::Tick()
{
    m_nNow = NowMs();
    Watch();
    if (!m_socket)
        return;
    while (!m_wire.empty() && m_wire.front().first <= m_nNow && m_socket) {
        const QByteArray bytes = m_wire.front().second;
        m_wire.pop_front();
        Arrive(bytes);
    }
    while (m_phase != Phase::Naming && !m_inbox.empty()) {
        const NETMSG rec = m_inbox.front();
        m_inbox.pop_front();
        Take(rec);
    }
    if (m_nNow < m_nDueAt || !m_socket)
        return;
    m_nDueAt = m_nNow + Pause();
    // A partner who leaves now and then, whatever the window is doing.
    if (Chance(3000) == 0) {
        Drop();
        return;
    }
    if (m_bServer && m_bOpenAgain)
        OpenGame();
    else if (m_phase == Phase::Naming)
        Named();
    else if (m_phase == Phase::Battle && m_bServer && Chance(3000) == 0)
        OpenGame();   // a server's player who starts afresh mid-battle
    else if (m_bServer && m_phase != Phase::Off && Chance(150) == 0)
        ChangeRule();
    else if (m_phase == Phase::Battle && m_bMyTurn)
        Shoot();
}

// The partner takes the role the window leaves free: it calls a window
// that listens, and listens for a window that chose to be the client.
void CNetPartner::Watch()
{
    if (m_socket || m_connecting || !m_pWnd)
        return;
    if (m_pWnd->Connection().IsListening()) {
        m_server.close();
        if (m_nConnectAt < 0)
            m_nConnectAt = m_nNow + Pause();
        if (m_nNow < m_nConnectAt)
            return;
        m_nConnectAt = -1;
        auto* socket = new QTcpSocket(this);
        m_connecting = socket;
        connect(socket, &QTcpSocket::connected, this, [this, socket] {
            m_connecting = nullptr;
            m_socket ? socket->deleteLater() : Adopt(socket, false);
        });
        connect(socket, &QAbstractSocket::errorOccurred, this, [this, socket] {
            if (m_connecting == socket)
                m_connecting = nullptr;
            if (m_socket != socket)
                socket->deleteLater();
        });
        socket->connectToHost(QStringLiteral("127.0.0.1"), NET_PORT);
        return;
    }
    m_nConnectAt = -1;
    const CNetDlg* dlg = m_pWnd->findChild<CNetDlg*>();
    const bool wantsServer = dlg && dlg->isVisible() && dlg->m_rbClient->isChecked();
    if (wantsServer && !m_server.isListening())
        m_server.listen(QHostAddress::LocalHost, NET_PORT);
    else if (!wantsServer && m_server.isListening())
        m_server.close();
}

void CNetPartner::Adopt(QTcpSocket* socket, bool server)
{
    m_bServer = server;
    m_nNow = NowMs();
    Note(server ? "accepted the window" : "reached the window's server");
    m_socket = socket;
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, [this] { OnBytes(); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (m_socket == socket)
            Drop();
    });
    m_bServer = server;
    m_phase = Phase::Idle;
    m_parser.Reset();
    m_bOpenAgain = server;
    m_nUnanswered = 0;
    m_bRule = m_bRuleSetting = true;
    m_nDueAt = m_nNow + Pause();
    ++m_nConnections;
}

void CNetPartner::Drop()
{
    if (m_socket)
        Note("drops the connection");
    if (QTcpSocket* socket = m_socket) {
        m_socket = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    m_phase = Phase::Off;
    m_wire.clear();
    m_inbox.clear();
    m_sent.clear();
    m_heard.clear();
    m_parser.Reset();
}

void CNetPartner::Note(const std::string& what)
{
    static const char* const phases[] = {"off", "idle", "naming", "setting", "battle", "over"};
    m_trace.push_back(std::to_string(m_nNow) + " ms " + (m_bServer ? "server " : "client ")
                      + phases[int(m_phase)] + (m_bMyTurn ? " its turn: " : " window's turn: ") + what);
    if (m_trace.size() > 40)
        m_trace.pop_front();
}

void CNetPartner::Send(const std::vector<unsigned char>& bytes)
{
    if (!bytes.empty()) {
        std::string text = "sent";
        for (std::size_t i = 0; i < bytes.size() && i < 6; ++i)
            text += " " + std::to_string(bytes[i]);
        Note(text);
    }
    if (m_socket)
        m_socket->write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

// The bytes reach the partner's game after a while of their own, as over
// a real network: messages cross on the way.
void CNetPartner::OnBytes()
{
    const int latency = Chance(3) == 0 ? Chance(80) : 0;
    m_wire.push_back({NowMs() + latency, m_socket->readAll()});
}

void CNetPartner::Arrive(const QByteArray& bytes)
{
    std::vector<NETMSG> records;
    std::vector<CNetExtMsg> extensions;   // the window's sign; this partner does not chat
    m_parser.Feed(reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size()), records,
                  &extensions);
    for (const NETMSG& rec : records) {
        ++m_nReceived;
        // What comes while its own name dialog is open waits for it, as on the window.
        if (m_phase == Phase::Naming || !m_inbox.empty())
            m_inbox.push_back(rec);
        else
            Take(rec);
    }
}

void CNetPartner::Take(const NETMSG& rec)
{
    Note("took " + std::to_string(rec.type) + " " + std::to_string(rec.data[0]) + " " + std::to_string(rec.data[1]));
    switch (rec.type) {
    case NET_NEW_GAME:
        if (m_bServer)
            return;
        ++m_nEpoch;
        m_phase = Phase::Naming;
        m_bLocalReady = m_bPeerReady = m_bNamed = m_bFleet = false;
        m_nDueAt = m_nNow + Pause();
        return;
    case NET_TRADITION:
        if (!m_bServer)
            m_bRuleSetting = rec.data[0] != 0;
        return;
    case NET_SERVER_FIRST:
        if (!m_bServer && m_phase == Phase::Setting)
            m_bMyTurn = false;
        return;
    case NET_SHOT:
        OnShotReceived(rec.data[0] - 1, rec.data[1] - 1);
        return;
    default:
        break;
    }
    if (m_phase != Phase::Setting && m_phase != Phase::Naming)
        return;
    // A server heeds only the answer to its latest opening.
    if (m_bServer) {
        const bool latest = m_nUnanswered == 1;
        if (rec.type == NET_READY && m_nUnanswered > 0)
            --m_nUnanswered;
        if (!latest)
            return;
    }
    if (rec.type == NET_FLEET) {
        m_theirs.ClearGrids();
        for (int cell = 0; cell < BOARD_CELLS; ++cell)
            m_theirs.SetCell(cell / BOARD_SIZE, cell % BOARD_SIZE, static_cast<signed char>(rec.data[cell]));
        m_bFleet = true;
    } else if (rec.type == NET_NAME) {
        m_bNamed = true;
    } else if (rec.type == NET_READY) {
        m_bPeerReady = true;
    }
    TryStart();
}

void CNetPartner::OpenGame()
{
    ++m_nEpoch;
    ++m_nUnanswered;
    m_bOpenAgain = false;
    m_phase = Phase::Naming;
    m_bLocalReady = m_bPeerReady = m_bNamed = m_bFleet = false;
    Send(MakeSignalMsg(NET_NEW_GAME));
}

// The server's player closes the options with OK, the rule changed or not:
// the rule goes to the client at once, whatever the game is doing, and
// counts from the next battle.
void CNetPartner::ChangeRule()
{
    m_bRuleSetting = Chance(2) != 0;
    Send(MakeTraditionMsg(m_bRuleSetting));
}

void CNetPartner::Named()
{
    m_phase = Phase::Setting;
    m_bLocalReady = true;
    m_bMyTurn = true;
    if (m_bServer) {
        m_bMyTurn = Chance(2) != 0;
        if (m_bMyTurn)
            Send(MakeSignalMsg(NET_SERVER_FIRST));
        m_bRule = m_bRuleSetting;
        Send(MakeTraditionMsg(m_bRule));
    }
    m_own.ClearGrids();
    m_own.PlaceFleetRandom();
    unsigned char fleet[BOARD_CELLS];
    m_own.ExportFleet(fleet);
    Send(MakeFleetMsg(fleet));
    Send(MakeNameMsg(PARTNER_NAMES[Chance(3)]));
    Send(MakeSignalMsg(NET_READY));
    TryStart();
}

void CNetPartner::TryStart()
{
    if (m_phase != Phase::Setting || !m_bLocalReady || !m_bPeerReady || !m_bNamed || !m_bFleet)
        return;
    m_phase = Phase::Battle;
    // A battle keeps the rule the server sent with its set-up.
    if (!m_bServer)
        m_bRule = m_bRuleSetting;
}

// One shot of the rules in its own copy, under the rule and the turn of its
// own game; the window's flags are left as they were.
bool CNetPartner::Resolve(CPlayer& target, int row, int col)
{
    signed char before[BOARD_CELLS];
    std::memcpy(before, target.m_fleet, BOARD_CELLS);
    const unsigned char turn = MyTurn;
    MyTurn = m_bMyTurn;
    g_bResolving = true;
    target.Shoot(row, col, m_bRule);
    g_bResolving = false;
    m_bMyTurn = MyTurn != 0;
    MyTurn = turn;
    return std::memcmp(before, target.m_fleet, BOARD_CELLS) != 0;
}

void CNetPartner::Shoot()
{
    std::vector<int> untouched;
    for (int cell = 0; cell < BOARD_CELLS; ++cell)
        if (m_theirs.m_fleet[cell] == CELL_WATER || m_theirs.m_fleet[cell] == CELL_SHIP)
            untouched.push_back(cell);
    if (untouched.empty())
        return Fail("no untouched cell left on the window's fleet, yet its battle goes on");
    const int cell = untouched[Chance(int(untouched.size()))];
    Resolve(m_theirs, cell / BOARD_SIZE, cell % BOARD_SIZE);
    SentShot shot{m_nEpoch, cell, {}, !m_bMyTurn};
    std::memcpy(shot.fleet, m_theirs.m_fleet, BOARD_CELLS);
    m_sent.push_back(shot);
    Send(MakeShotMsg(cell / BOARD_SIZE, cell % BOARD_SIZE));
    ++m_nShotsSent;
    if (!m_theirs.AllSunk())
        return;
    m_phase = Phase::Over;
    m_bOpenAgain = m_bServer;
}

void CNetPartner::OnShotReceived(int row, int col)
{
    const int cell = row * BOARD_SIZE + col;
    if (m_phase != Phase::Battle) {
        // A shot of a game this side has already left: nothing to replay.
        if (!m_heard.empty() && m_heard.front().cell == cell)
            m_heard.pop_front();
        return;
    }
    if (m_bMyTurn)
        return Fail("the window shot at cell " + std::to_string(cell) + " in the partner's turn");
    if (Resolve(m_own, row, col)) {
        if (m_heard.empty())
            return Fail("the window's shot at cell " + std::to_string(cell)
                        + " changed the partner's fleet but not the window's copy of it");
        const WindowShot seen = m_heard.front();
        m_heard.pop_front();
        if (seen.cell != cell)
            return Fail("the window showed its shot at cell " + std::to_string(seen.cell) + " but sent cell "
                        + std::to_string(cell));
        if (std::string diff = FirstDifference(m_own.m_fleet, seen.fleet); !diff.empty())
            return Fail("after the window's shot at cell " + std::to_string(cell) + " the partner's fleet differs: " + diff);
        if (seen.windowTurn == m_bMyTurn)
            return Fail("after the window's shot at cell " + std::to_string(cell) + " both sides see the turn "
                        + (m_bMyTurn ? "as the partner's" : "as the window's") + " differently");
    }
    if (!m_own.AllSunk())
        return;
    m_phase = Phase::Over;
    m_bOpenAgain = m_bServer;
}

void CNetPartner::OnWindowShot(const CPlayer& target, int row, int col)
{
    if (!m_pWnd || m_pWnd->NetRole() == ENetRole::Computer || !m_socket)
        return;
    const int cell = row * BOARD_SIZE + col;
    if (&target == &PlayerTwo) {
        WindowShot shot{cell, {}, MyTurn != 0};
        std::memcpy(shot.fleet, PlayerTwo.m_fleet, BOARD_CELLS);
        m_heard.push_back(shot);
        return;
    }
    // The partner's shot has reached the window's fleet: it must be the
    // oldest one still on its way, or one after shots of a game the window
    // had already left; and the fleet must stand as the partner sees it.
    for (std::size_t i = 0; i < m_sent.size(); ++i) {
        const SentShot& shot = m_sent[i];
        if (shot.cell != cell)
            continue;
        for (std::size_t j = 0; j < i; ++j)
            if (m_sent[j].epoch == shot.epoch)
                return Fail("the partner's shot at cell " + std::to_string(m_sent[j].cell)
                            + " never reached the window, the next one did");
        if (std::string diff = FirstDifference(shot.fleet, PlayerOne.m_fleet); !diff.empty())
            return Fail("after the partner's shot at cell " + std::to_string(cell) + " the window's fleet differs: "
                        + diff);
        if ((MyTurn != 0) != shot.windowTurn)
            return Fail("after the partner's shot at cell " + std::to_string(cell) + " the window holds the turn "
                        + (MyTurn ? "as its own" : "as the partner's") + ", the partner the other way");
        m_sent.erase(m_sent.begin(), m_sent.begin() + std::ptrdiff_t(i) + 1);
        return;
    }
    Fail("the window took a shot at cell " + std::to_string(cell) + " the partner never sent, or took it twice");
}
