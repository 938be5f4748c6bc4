// The window's side of the chat: its menu item, its key, and the notice of
// a line that came while the chat was closed.
#include "ui/gamedlg.h"

#include "ui/announce.h"
#include "ui/boardview.h"
#include "ui/chatpanel.h"

#include <QAction>
#include <QShortcut>

void CGameDlg::StartChat()
{
    m_chat = new CChatPanel(this, *m_connection);
    connect(m_chat, &CChatPanel::unreadChanged, this, &CGameDlg::MarkChatItem);
    // Noticed as the partner's shots are: a flash when the window is not in front.
    connect(m_chat, &CChatPanel::lineWhileClosed, this, [this](const QString& line) {
        FlashIfInactive();
        Announce(m_client, line);
    });
    // F1 to F3 are taken; like them, F4 belongs to the game while its window is active.
    auto* key = new QShortcut(QKeySequence(Qt::Key_F4), this);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, &CGameDlg::ToggleChat);
}

void CGameDlg::ToggleChat()
{
    m_chat->Toggle();
}

void CGameDlg::MarkChatItem()
{
    QAction* item = FindAction(ID_GAME_CHAT);
    if (!item)
        return;
    const QString name = MenuItemText(ID_GAME_CHAT);
    const int unread = m_chat->Unread();
    item->setText(unread == 0 ? name : QStringLiteral("%1 (%2)").arg(name).arg(unread));
}
