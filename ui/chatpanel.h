#pragma once

#include "net/netchat.h"

#include <QDialog>
#include <QStringList>

#include <cstdint>

class CNetConnection;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The chat with the network partner: a small window of its own beside the
// main one, so the main window stays exactly as it is while chat is closed.
// It owns the chat's course on the game's connection and shows it; what
// comes while it is closed it reports by signals, for its owner to mark.
class CChatPanel : public QDialog {
    Q_OBJECT
public:
    CChatPanel(QWidget* parent, CNetConnection& connection);

    // Shown beside its owner with the cursor in the line to send, or hidden.
    void Toggle();
    // The connection was closed from this side; no notice comes for that.
    void ConnectionEnded();

    void setVisible(bool visible) override;

    const CNetChat& Chat() const { return m_chat; }
    int Unread() const { return m_nUnread; }

    // Built when the chat is first shown.
    QPlainTextEdit* m_log = nullptr;
    QLabel* m_lblState = nullptr;
    QLineEdit* m_editLine = nullptr;
    QPushButton* m_btnSend = nullptr;

signals:
    // Partner's lines not yet seen: the owner marks its chat item.
    void unreadChanged(int count);
    // A partner's line came while the panel was closed.
    void lineWhileClosed(const QString& line);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildWidgets();
    // The log as it would stand, kept as text until the widgets are built.
    void AppendToLog(const QString& text);
    void ClearLog();
    void Retranslate();
    void OnSend();
    void OnExtension(const CNetExtMsg& msg);
    // Brings what came since the last look into the log; a flood is shown
    // at most five times a second, and only its last lines.
    void ShowNewLines();
    void UpdateState();
    QString LineText(const CChatLine& line) const;

    CNetConnection& m_connection;
    CNetChat m_chat;
    QTimer* m_refresh = nullptr;
    QStringList m_unbuiltLog;
    std::uint64_t m_nShown = 0;
    int m_nUnread = 0;
    bool m_bPlaced = false;
};
