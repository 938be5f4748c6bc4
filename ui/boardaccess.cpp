#include "ui/boardaccess.h"

#include "game/player.h"
#include "game/spokentext.h"
#include "store/settings.h"
#include "ui/accessfactory.h"
#include "ui/announce.h"
#include "ui/boardview.h"
#include "ui/celltable.h"
#include "ui/paintedpart.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
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

// The cell the keys are on, as an index of the board's cells.
int CursorIndex(const CBoardView* view)
{
    const CCellCursor& cursor = view->Shows().m_cursor;
    return cursor.m_nRow * BOARD_SIZE + cursor.m_nCol;
}

// A rectangle of the view as the screen shows it.
QRect GlobalRect(const QWidget* view, const QRect& rc)
{
    return QRect(view->mapToGlobal(rc.topLeft()), rc.size());
}

// A rectangle of the drawn scene as the screen shows it: the picture is
// enlarged and centred, so a scene pixel is not a logical pixel.
QRect GlobalRect(const CBoardView* view, int left, int top, int width, int height)
{
    return GlobalRect(view, view->FromScene(QRect(left, top, width, height)));
}

// Objects that stand for a part of the painted view: no widget of their own.
class CDrawnPart : public CPaintedPart {
public:
    CDrawnPart(CBoardView* view, const CPlayer* player) : CPaintedPart(view), m_player(player) {}

protected:
    CBoardView* View() const { return static_cast<CBoardView*>(m_view.data()); }

    const CPlayer* m_player;
};

// One cell: its name ("E5") and, as its description, what is known of it.
// A cell of the opponent's board can be pressed: a shot, as by a click.
class CCellAccess : public CDrawnPart, public CTableCell, public QAccessibleActionInterface {
public:
    CCellAccess(CBoardView* view, const CPlayer* player, QAccessibleInterface* board, int index)
        : CDrawnPart(view, player), CTableCell(index), m_boardId(QAccessible::uniqueId(board))
    {
    }

    QAccessibleInterface* parent() const override { return QAccessible::accessibleInterface(m_boardId); }
    QAccessibleInterface* table() const override { return parent(); }
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
        return GlobalRect(View(), View()->CellRect(*m_player, m_nIndex / BOARD_SIZE, m_nIndex % BOARD_SIZE));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return type == QAccessible::ActionInterface && m_player == &PlayerTwo
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && m_view)
            View()->Activate(m_nIndex / BOARD_SIZE, m_nIndex % BOARD_SIZE);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        // Only the opponent's board has the keyboard's cell.
        s.focusable = m_player == &PlayerTwo;
        s.focused = s.focusable && View()->hasFocus() && m_nIndex == CursorIndex(View());
        return s;
    }

private:
    QAccessible::Id m_boardId;
};

// One board: named after its side as in the caption, a table of its cells;
// its description is the news of the last shot at it.
class CBoardAccess : public CDrawnPart, public CCellTable {
public:
    CBoardAccess(CBoardView* view, const CPlayer* player) : CDrawnPart(view, player) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int index) const override
    {
        auto* self = const_cast<CBoardAccess*>(this);
        return m_cells.Get(index, [this, self](int i) { return new CCellAccess(View(), m_player, self, i); });
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
        if (m_player != &PlayerTwo || !View()->hasFocus())
            return nullptr;
        return child(CursorIndex(View()));
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        int row, col;
        if (!View()->CellAt(*m_player, View()->mapFromGlobal(QPointF(x, y)), row, col))
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
        return GlobalRect(View(), rc.left, rc.top, rc.Width() + 1, rc.Height() + 1);
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
        return GlobalRect(View(), rc.left, rc.bottom + 40, 144, 4 * 31);
    }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
};

// The view: the opponent's board first, as it stands on the left.
class CBoardViewAccess : public QAccessibleWidget {
public:
    explicit CBoardViewAccess(CBoardView* view) : QAccessibleWidget(view, QAccessible::Pane), m_view(view)
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
        if (!m_view->Shows().HasBoards())
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
            // The only words the frame shows while a network game waits.
            if (m_view->Shows().m_eContent == SFrameShows::PleaseWait)
                return QCoreApplication::translate("CGameDlg", "Please wait...");
            return QString::fromStdString(Phrase(SAY_BATTLEFIELD));
        }
        return QAccessibleWidget::text(t);
    }

private:
    CBoardView* m_view;
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
