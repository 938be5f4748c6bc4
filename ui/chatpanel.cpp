#include "ui/chatpanel.h"

#include "net/qt/netconnection.h"
#include "ui/announce.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int REFRESH_MS = 200;
constexpr std::size_t FLOOD_LINES = 10;
} // namespace

CChatPanel::CChatPanel(QWidget* parent, CNetConnection& connection)
    : QDialog(parent), m_connection(connection), m_chat(connection)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    resize(360, 300);

    m_refresh = new QTimer(this);
    m_refresh->setSingleShot(true);
    m_refresh->setInterval(REFRESH_MS);
    connect(m_refresh, &QTimer::timeout, this, &CChatPanel::ShowNewLines);

    // The server answers a sign only once it has a client: on `connected`
    // Connected is set on the server alone.
    connect(&connection, &CNetConnection::connected, this, [this] {
        m_chat.Begin(!m_connection.Connected);
        UpdateState();
    });
    connect(&connection, &CNetConnection::closed, this, &CChatPanel::ConnectionEnded);
    connect(&connection, &CNetConnection::extension, this, &CChatPanel::OnExtension);
    Retranslate();
}

// Most games never open the chat: its widgets, and the text layout they
// bring, wait for the first look.
void CChatPanel::BuildWidgets()
{
    if (m_log)
        return;
    m_log = new QPlainTextEdit(this);
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(int(CNetChat::MAX_LINES));
    m_log->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (const QString& text : m_unbuiltLog)
        m_log->appendPlainText(text);
    m_unbuiltLog.clear();
    m_lblState = new QLabel(this);
    m_lblState->setTextFormat(Qt::PlainText);
    m_lblState->setWordWrap(true);
    m_editLine = new QLineEdit(this);
    m_editLine->setMaxLength(int(CHAT_MAX_CHARS));
    m_btnSend = new QPushButton(this);
    m_btnSend->setAutoDefault(false);

    auto* sendRow = new QHBoxLayout;
    sendRow->addWidget(m_editLine, 1);
    sendRow->addWidget(m_btnSend);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_log, 1);
    layout->addWidget(m_lblState);
    layout->addLayout(sendRow);

    connect(m_editLine, &QLineEdit::returnPressed, this, &CChatPanel::OnSend);
    connect(m_btnSend, &QPushButton::clicked, this, &CChatPanel::OnSend);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F4), this);
    connect(key, &QShortcut::activated, this, &CChatPanel::hide);
    Retranslate();
}

void CChatPanel::AppendToLog(const QString& text)
{
    if (m_log) {
        m_log->appendPlainText(text);
        return;
    }
    m_unbuiltLog << text;
    if (m_unbuiltLog.size() > qsizetype(CNetChat::MAX_LINES))
        m_unbuiltLog.removeFirst();
}

void CChatPanel::ClearLog()
{
    if (m_log)
        m_log->clear();
    m_unbuiltLog.clear();
}

void CChatPanel::Retranslate()
{
    setWindowTitle(tr("Tidebolt: chat"));
    if (!m_log)
        return;
    m_btnSend->setText(tr("Send"));
    m_log->setAccessibleName(tr("Chat"));
    m_editLine->setAccessibleName(tr("Your line"));
    UpdateState();
}

void CChatPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

void CChatPanel::Toggle()
{
    if (isVisible()) {
        hide();
        return;
    }
    // First shown beside the main window, where it covers none of the boards.
    if (!m_bPlaced && parentWidget()) {
        m_bPlaced = true;
        const QRect owner = parentWidget()->frameGeometry();
        QPoint at(owner.right() + 8, owner.top());
        if (const QScreen* screen = parentWidget()->screen(); screen && at.x() + width() > screen->availableGeometry().right())
            at.setX(qMax(screen->availableGeometry().left(), owner.left() - width() - 8));
        move(at);
    }
    show();
    raise();
    activateWindow();
    m_editLine->setFocus();
}

void CChatPanel::setVisible(bool visible)
{
    if (visible)
        BuildWidgets();
    QDialog::setVisible(visible);
}

void CChatPanel::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ShowNewLines();
    if (m_nUnread != 0) {
        m_nUnread = 0;
        emit unreadChanged(0);
    }
}

void CChatPanel::ConnectionEnded()
{
    m_chat.End();
    UpdateState();
}

void CChatPanel::OnSend()
{
    if (!m_chat.Send(m_editLine->text().toStdString()))
        return;
    m_editLine->clear();
    ShowNewLines();
}

void CChatPanel::OnExtension(const CNetExtMsg& msg)
{
    const bool line = m_chat.Receive(msg);
    if (msg.kind == NET_EXT_SIGNED)
        UpdateState();
    if (line && !m_refresh->isActive())
        m_refresh->start();
}

void CChatPanel::UpdateState()
{
    if (!m_log)
        return;  // the widgets take the state when they are built
    const EChatState state = m_chat.State();
    if (state == EChatState::Off)
        m_lblState->setText(tr("Chat works in a network game, once a partner is connected."));
    else if (state == EChatState::Unavailable)
        m_lblState->setText(tr("Chat is unavailable with this partner."));
    m_lblState->setVisible(state != EChatState::Open);
    m_editLine->setEnabled(state == EChatState::Open);
    m_btnSend->setEnabled(state == EChatState::Open);
}

QString CChatPanel::LineText(const CChatLine& line) const
{
    return QString::fromStdString(line.m_strAuthor) + QStringLiteral(": ") + QString::fromStdString(line.m_strText);
}

void CChatPanel::ShowNewLines()
{
    m_refresh->stop();
    const std::deque<CChatLine>& lines = m_chat.Lines();
    const std::uint64_t fresh = m_chat.Serial() - m_nShown;
    m_nShown = m_chat.Serial();
    if (fresh == 0)
        return;
    // A flood: the log starts again from its last lines. Laying out a whole
    // log of the partner's oddest characters five times a second would keep
    // the window from the game.
    const std::size_t shownAtMost = fresh > FLOOD_LINES ? FLOOD_LINES : std::size_t(fresh);
    if (fresh > FLOOD_LINES)
        ClearLog();
    const std::size_t first = lines.size() - std::min(shownAtMost, lines.size());
    QStringList shown;
    int partnerLines = 0;
    const CChatLine* lastPartner = nullptr;
    for (std::size_t i = first; i < lines.size(); ++i) {
        shown << LineText(lines[i]);
        if (!lines[i].m_bMine) {
            ++partnerLines;
            lastPartner = &lines[i];
        }
    }
    // One block per line: appendPlainText never reads markup.
    for (const QString& text : shown)
        AppendToLog(text);
    if (!lastPartner)
        return;
    const QString news = LineText(*lastPartner);
    if (isVisible()) {
        Announce(this, news);
        return;
    }
    m_nUnread = qMin(m_nUnread + partnerLines, 999);
    emit unreadChanged(m_nUnread);
    emit lineWhileClosed(news);
}
