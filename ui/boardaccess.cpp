#include "ui/boardaccess.h"

#include "game/player.h"
#include "game/spokentext.h"
#include "net/netsession.h"
#include "store/settings.h"
#include "ui/accessfactory.h"
#include "ui/announce.h"
#include "ui/boardview.h"
#include "ui/celltable.h"
#include "ui/gamedlg.h"
#include "ui/paintedpart.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

// The parts of the view that are not widgets belong to the accessibility
// cache and are known by their ids alone: at exit the cache may delete a
// part before the object that made it.
void Unregister(QAccessible::Id id)
{
    if (id)
        QAccessible::deleteAccessibleInterface(id);
}

const CGameDlg* GameOf(const QWidget* view)
{
    return view ? qobject_cast<const CGameDlg*>(view->window()) : nullptr;
}

bool BoardsVisible(const QWidget* view)
{
    const CGameDlg* game = GameOf(view);
    return game && game->BoardsShown && !game->m_session->Waiting;
}

// A rectangle of the drawn scene as the screen shows it: at a fractional
// desktop scale a scene pixel is not a logical pixel.
QRect GlobalRect(const QWidget* view, int left, int top, int width, int height)
{
    QRect rc(left, top, width, height);
    if (const auto* board = dynamic_cast<const CBoardView*>(view))
        rc = board->FromScene(rc);
    return QRect(view->mapToGlobal(rc.topLeft()), rc.size());
}

// Objects that stand for a part of the painted view: no widget of their own.
class CDrawnPart : public CPaintedPart {
public:
    CDrawnPart(QWidget* view, const CPlayer* player) : CPaintedPart(view), m_player(player) {}

protected:
    const CPlayer* m_player;
};

// One cell: its name ("E5") and, as its description, what is known of it.
class CCellAccess : public CDrawnPart, public CTableCell {
public:
    CCellAccess(QWidget* view, const CPlayer* player, QAccessibleInterface* board, int index)
        : CDrawnPart(view, player), CTableCell(index), m_boardId(QAccessible::uniqueId(board))
    {
    }

    QAccessibleInterface* parent() const override { return QAccessible::accessibleInterface(m_boardId); }
    QAccessibleInterface* table() const override { return parent(); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        const int row = m_nIndex / BOARD_SIZE;
        const int col = m_nIndex % BOARD_SIZE;
        if (t == QAccessible::Name)
            return QString::fromStdString(CellName(row, col));
        if (t == QAccessible::Description)
            return QString::fromStdString(CellStateWord(*m_player, row, col));
        return {};
    }
    QRect rect() const override
    {
        const CRect& rc = m_player->m_rcBoard;
        return GlobalRect(m_view, rc.left + CELL_PITCH * (m_nIndex % BOARD_SIZE) + 1,
                          rc.top + CELL_PITCH * (m_nIndex / BOARD_SIZE) + 1, CELL_PITCH - 1, CELL_PITCH - 1);
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        // Only the opponent's board has the keyboard's cell.
        s.focusable = m_player == &PlayerTwo;
        const CGameDlg* game = GameOf(m_view);
        s.focused = s.focusable && game && m_view->hasFocus()
                    && m_nIndex == game->m_cursor.m_nRow * BOARD_SIZE + game->m_cursor.m_nCol;
        return s;
    }

private:
    QAccessible::Id m_boardId;
};

// One board: named after its side as in the caption, a table of its cells;
// its description is the news of the last shot at it.
class CBoardAccess : public CDrawnPart, public CCellTable {
public:
    CBoardAccess(QWidget* view, const CPlayer* player) : CDrawnPart(view, player) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int index) const override
    {
        auto* self = const_cast<CBoardAccess*>(this);
        return m_cells.Get(index, [this, self](int i) { return new CCellAccess(m_view, m_player, self, i); });
    }
    QAccessibleInterface* Cell(int index) const override { return child(index); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }
    int childCount() const override { return BOARD_CELLS; }
    int indexOfChild(const QAccessibleInterface* child) const override { return m_cells.IndexOf(child); }
    QAccessibleInterface* focusChild() const override
    {
        const CGameDlg* game = GameOf(m_view);
        if (m_player != &PlayerTwo || !game || !m_view->hasFocus())
            return nullptr;
        return child(game->m_cursor.m_nRow * BOARD_SIZE + game->m_cursor.m_nCol);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const auto* board = dynamic_cast<const CBoardView*>(m_view.data());
        const QPoint local = m_view->mapFromGlobal(QPoint(x, y));
        const QPoint p = board ? board->ToScene(local) : local;
        int col = p.x();
        int row = p.y();
        if (!m_player->PointToCell(col, row))
            return nullptr;
        return child(row * BOARD_SIZE + col);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString::fromStdString(m_player->GetName());
        if (t == QAccessible::Description)
            return m_strNews;
        return {};
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Description)
            m_strNews = text;
    }
    QRect rect() const override
    {
        const CRect& rc = m_player->m_rcBoard;
        return GlobalRect(m_view, rc.left, rc.top, rc.Width() + 1, rc.Height() + 1);
    }
    QAccessible::Role role() const override { return QAccessible::Table; }

private:
    CCellIds m_cells;
    QString m_strNews;
};

// The table below a board, read as one line. A status line rather than a
// label: screen readers read a window's labels out whenever it becomes
// active, and a status line only when asked.
class CShipsAfloatAccess : public CDrawnPart {
public:
    using CDrawnPart::CDrawnPart;

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QString::fromStdString(ShipsAfloatText(*m_player)) : QString();
    }
    QRect rect() const override
    {
        const CRect& rc = m_player->m_rcBoard;
        return GlobalRect(m_view, rc.left, rc.bottom + 40, 144, 4 * 31);
    }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
};

// The view: the opponent's board first, as it stands on the left.
class CBoardViewAccess : public QAccessibleWidget {
public:
    explicit CBoardViewAccess(QWidget* view) : QAccessibleWidget(view, QAccessible::Pane)
    {
        m_partIds[0] = QAccessible::registerAccessibleInterface(new CBoardAccess(view, &PlayerTwo));
        m_partIds[1] = QAccessible::registerAccessibleInterface(new CBoardAccess(view, &PlayerOne));
        m_partIds[2] = QAccessible::registerAccessibleInterface(new CShipsAfloatAccess(view, &PlayerTwo));
        m_partIds[3] = QAccessible::registerAccessibleInterface(new CShipsAfloatAccess(view, &PlayerOne));
    }
    ~CBoardViewAccess() override
    {
        for (QAccessible::Id id : m_partIds)
            Unregister(id);
    }

    int childCount() const override
    {
        if (!BoardsVisible(widget()))
            return 0;
        return ShowShipCount ? 4 : 2;
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return QAccessible::accessibleInterface(m_partIds[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        for (int i = 0; i < childCount(); ++i) {
            if (m_partIds[i] == id)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (QAccessibleInterface* board = child(0))
            return board->focusChild();
        return nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* part = child(i);
            if (part->rect().contains(x, y))
                return part;
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const CGameDlg* game = GameOf(widget());
            // The only words the frame shows while a network game waits.
            return game && game->m_session->Waiting ? QStringLiteral("Please wait...") : QString::fromUtf8(Phrase(SAY_BATTLEFIELD));
        }
        return QAccessibleWidget::text(t);
    }

private:
    QAccessible::Id m_partIds[4] = {};
};

} // namespace

void InstallBoardAccess()
{
    InstallAccessFactory<CBoardView, CBoardViewAccess>();
}

QAccessibleInterface* BoardAccessible(QWidget* view, const CPlayer& player)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
    QAccessibleInterface* board = iface ? iface->child(&player == &PlayerTwo ? 0 : 1) : nullptr;
    return board && board->role() == QAccessible::Table ? board : nullptr;
}

void NotifyCursorMoved(QWidget* view)
{
    if (!SomeoneListens())
        return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
    QAccessibleInterface* cell = iface ? iface->focusChild() : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(cell, QAccessible::Focus);
    RaiseAccessibleEvent(&event);
}
