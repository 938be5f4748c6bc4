// A player with a screen reader: what the accessibility tree says of the
// boards and their cells, and what it is told after each shot.
#include "support/gamewindow.h"
#include "support/modal.h"
#include "ui/announce.h"
#include "ui/language.h"
#include "ui/namedlg.h"
#include "ui/placeboard.h"
#include "ui/placeshipsdlg.h"
#include "ui/resultdlg.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

#include <optional>

namespace {

// What a screen reader has been told, in order: "board|news" for news of a
// shot at a board, "|news" for the rest; and the name of the object that
// last took the focus.
QStringList g_news;
QList<QAccessible::Id> g_newsIds;   // the object that carried each piece
QString g_focus;

void Listen(QAccessibleEvent* event)
{
    QAccessibleInterface* source = event->accessibleInterface();
    if (!source)
        return;
    if (event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification) {
        g_news << source->text(QAccessible::Description) + '|' + source->text(QAccessible::Name);
        g_newsIds << QAccessible::uniqueId(source);
    }
    else if (event->type() == QAccessible::Focus)
        g_focus = source->text(QAccessible::Name);
}

// The opponent's fleet replaced by decks of our choosing, still hidden.
void PutEnemyDecks(const QList<int>& decks)
{
    PlayerTwo.ClearGrids();
    for (const int cell : decks)
        PlayerTwo.m_fleet[cell] = CELL_SHIP;
    PlayerTwo.HideFleet();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
    std::unique_ptr<GameWindow> m_window;

    void StartGame(const QString& name)
    {
        const CModalWait named = WhenModal<CNameDlg>([name](CNameDlg* dlg) {
            dlg->findChild<QComboBox*>()->setEditText(name);
            Keys("Enter");
        });
        (*m_window)->NewGame();
    }
    QAccessibleInterface* View() const { return QAccessible::queryAccessibleInterface((*m_window)->ClientArea()); }

private slots:
    // A screen reader is listening.
    void init() { SetAccessibleListener(Listen); }
    void cleanup()
    {
        m_window.reset();
        SetAccessibleListener(nullptr);
    }

    void boardsAreNamedAsTheirCaptions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("name");
        // The view, the two boards, a deck and water of the player's, whose
        // ships the two tables below count, and a cell found by a reader's
        // row and column commands: the fifth of the fifth row.
        QTest::addColumn<QStringList>("said");
        QTest::newRow("English, Hard") << true << 3 << "Marina"
                                       << QStringList{"Battlefield", "Computer - Hard", "Marina", "your deck", "not shot",
                                                      "Enemy ships afloat", "Your ships afloat", "5 E E5"};
        QTest::newRow("Russian, Normal") << false << 2 << "Марина"
                                         << QStringList{"Поле боя", "Компьютер - Юзер", "Марина", "ваша палуба",
                                                        "не обстреляна", "Корабли противника на плаву",
                                                        "Ваши корабли на плаву", "5 Д Д5"};
    }
    void boardsAreNamedAsTheirCaptions()
    {
        QFETCH(bool, english);
        QFETCH(int, level);
        QFETCH(QString, name);
        QFETCH(QStringList, said);
        m_window = std::make_unique<GameWindow>(english);
        QCOMPARE(View()->childCount(), 0);   // nothing is drawn before the first game
        Level = level;
        StartGame(name);
        QAccessibleInterface* view = View();
        QCOMPARE(view->text(QAccessible::Name), said[0]);
        QCOMPARE(view->childCount(), 4);   // two boards, two tables of ships afloat
        QCOMPARE(view->child(0)->text(QAccessible::Name), said[1]);
        QCOMPARE(view->child(1)->text(QAccessible::Name), said[2]);
        QCOMPARE(view->child(1)->childCount(), 100);
        const int deck = int(std::find(PlayerOne.m_fleet, PlayerOne.m_fleet + BOARD_CELLS, CELL_SHIP) - PlayerOne.m_fleet);
        const int water = int(std::find(PlayerOne.m_fleet, PlayerOne.m_fleet + BOARD_CELLS, CELL_WATER) - PlayerOne.m_fleet);
        QCOMPARE(view->child(1)->child(deck)->text(QAccessible::Description), said[3]);
        QCOMPARE(view->child(1)->child(water)->text(QAccessible::Description), said[4]);
        QCOMPARE(view->child(2)->text(QAccessible::Name).section(" — ", 0, 0), said[5]);
        QCOMPARE(view->child(3)->text(QAccessible::Name).section(" — ", 0, 0), said[6]);
        for (int board = 0; board < 2; ++board) {
            QAccessibleTableInterface* table = view->child(board)->tableInterface();
            QVERIFY(table);
            QCOMPARE(table->rowCount() * table->columnCount(), 100);
            QAccessibleInterface* cell = table->cellAt(4, 4);
            QVERIFY(cell && cell->tableCellInterface());
            QCOMPARE(table->rowDescription(cell->tableCellInterface()->rowIndex()) + ' '
                         + table->columnDescription(cell->tableCellInterface()->columnIndex()) + ' '
                         + cell->text(QAccessible::Name),
                     said[7]);
            QCOMPARE(cell->tableCellInterface()->table(), view->child(board));
        }
    }

    void shotsAreAnnouncedAndReadBack_data()
    {
        // The opponent's fleet in most of these games: a two-decker on E5 and
        // F5 (cells 44, 45) and a one-decker on J10 (99).
        QTest::addColumn<bool>("english");
        QTest::addColumn<QList<int>>("decks");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cell");    // the cursor's cell afterwards, as read back
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("news");   // the computer's own shots left out
        QTest::addColumn<QString>("afloat");     // the opponent's table of ships afloat
        const QList<int> fleet{44, 45, 99};
        const QString all = "Enemy ships afloat — one-deck: 4, two-deck: 3, three-deck: 2, four-deck: 1";
        QTest::newRow("a miss hands the turn over and back") << true << fleet << "Down*4 Right*3 Space" << "D5" << "miss"
            << QStringList{"Computer - Easy|D5: miss", "|Your turn"} << all;
        QTest::newRow("a hit keeps the turn") << true << fleet << "Down*4 Right*4 Space" << "E5" << "hit"
            << QStringList{"Computer - Easy|E5: hit"} << all;
        QTest::newRow("the second deck sinks the two-decker") << true << fleet << "Down*4 Right*4 Space Right Space"
            << "F5" << "sunk" << QStringList{"Computer - Easy|E5: hit", "Computer - Easy|F5: sunk, 2 decks"}
            << "Enemy ships afloat — one-deck: 4, two-deck: 2, three-deck: 2, four-deck: 1";
        QTest::newRow("in Russian, a two-decker down Д5 and Д6") << false << QList<int>{44, 54, 99}
            << "Down*4 Right*4 Space Down Space" << "Д6" << "убит"
            << QStringList{"Компьютер - Ламер|Д5: ранен", "Компьютер - Ламер|Д6: убит, 2 палубы"}
            << "Корабли противника на плаву — однопалубных: 4, двухпалубных: 2, трёхпалубных: 2, четырёхпалубных: 1";
        QTest::newRow("Russian players say К10") << false << fleet << "PgDn End Space" << "К10" << "убит"
            << QStringList{"Компьютер - Ламер|К10: убит, 1 палуба"}
            << "Корабли противника на плаву — однопалубных: 3, двухпалубных: 3, трёхпалубных: 2, четырёхпалубных: 1";
        QTest::newRow("a screen reader's press fires at its cell, not the cursor's") << true << fleet
            << "Down*4 Right*4 press:45" << "E5" << "not shot" << QStringList{"Computer - Easy|F5: hit"} << all;
        QTest::newRow("the last deck ends the game") << true << QList<int>{99} << "PgDn End Space" << "J10" << "sunk"
            << QStringList{"Computer - Easy|J10: sunk, 1 deck", "|You win!"}
            << "Enemy ships afloat — one-deck: 3, two-deck: 3, three-deck: 2, four-deck: 1";
    }
    void shotsAreAnnouncedAndReadBack()
    {
        QFETCH(bool, english);
        QFETCH(QList<int>, decks);
        QFETCH(QString, keys);
        QFETCH(QStringList, news);
        m_window = std::make_unique<GameWindow>(english);
        StartGame("Player");
        PutEnemyDecks(decks);
        QString verdict;
        const bool wins = news.last().endsWith("You win!");
        std::optional<CModalWait> won;
        if (wins)
            won.emplace(WhenModal<CWinDlg>([&verdict](CWinDlg* dlg) {
                verdict = QAccessible::queryAccessibleInterface(dlg->m_picture)->text(QAccessible::Name);
                Keys("Enter");
            }));
        g_news.clear();
        for (const QString& word : keys.split(' ')) {
            // "press:N": the screen reader's action on cell N of the opponent's board.
            if (!word.startsWith("press:")) {
                Keys(word);
                continue;
            }
            QAccessibleInterface* cell = View()->child(0)->child(word.section(':', 1).toInt());
            QVERIFY(cell && cell->actionInterface());
            cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }

        QStringList heard;
        for (const QString& item : g_news) {
            // The computer's replies, on the player's own board, in the same words.
            static const QRegularExpression reply("^your board\\|[A-J]([1-9]|10): (miss|hit|sunk, [1-4] decks?)$");
            if (!item.startsWith("your board|"))
                heard << item;
            else
                QVERIFY2(reply.match(item).hasMatch(), qPrintable(item));
        }
        QCOMPARE(heard, news);
        QCOMPARE(verdict, wins ? QString("You win!") : QString());
        // The board keeps the news of the last shot at it.
        QString lastShot;
        for (const QString& item : news)
            lastShot = item.startsWith('|') ? lastShot : item.section('|', 1);
        QCOMPARE(View()->child(0)->text(QAccessible::Description), lastShot);
        KeyboardTarget();   // the player is back at the main window, as after any dialog
        QAccessibleInterface* cursor = View()->focusChild();
        QVERIFY(cursor);
        QTEST(cursor->text(QAccessible::Name), "cell");
        QTEST(cursor->text(QAccessible::Description), "state");
        QTEST(g_focus, "cell");
        QTEST(View()->child(2)->text(QAccessible::Name), "afloat");
    }

    void newsReadLateIsAsItWasSaid()
    {
        // A reader that keeps what it once fetched reads an earlier piece of
        // news again after many turns: it must still say what was said then.
        m_window = std::make_unique<GameWindow>(true);
        StartGame("Player");
        PutEnemyDecks({99});
        // The computer may win meanwhile: its picture is closed as a player would.
        QTimer loss;
        connect(&loss, &QTimer::timeout, [] {
            if (qobject_cast<CLoseDlg*>(QApplication::activeModalWidget()))
                Keys("Enter");
        });
        loss.start(10);
        g_news.clear();
        g_newsIds.clear();
        for (int cell = 0; cell < 30 && GameInProgress; ++cell)
            Keys(KeysTo(cell / 10, cell % 10) + "Space");
        QVERIFY2(g_news.size() > 60, qPrintable(QString::number(g_news.size())));
        for (int i = 0; i < g_news.size(); ++i) {
            if (QAccessibleInterface* piece = QAccessible::accessibleInterface(g_newsIds[i]))
                QCOMPARE(piece->text(QAccessible::Description) + '|' + piece->text(QAccessible::Name), g_news[i]);
        }
        // The latest news is still there to be read.
        QVERIFY(QAccessible::accessibleInterface(g_newsIds.last()));
    }

    void placementBoardIsExplored_data()
    {
        // The tidy fleet, its last one-decker moved from G7 onto the one at E7.
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("said");   // the board, and A1, D1, E1, E7 and J10 as a reader explores them
        QTest::newRow("English") << true
            << QStringList{"Your fleet: Tab: next ship, arrows: move it, R or Space: turn it", "A1 ship of 4 decks",
                           "D1 ship of 4 decks", "E1 water", "E7 ships overlap", "J10 water"};
        QTest::newRow("Russian") << false
            << QStringList{"Ваш флот: Tab: следующий корабль, стрелки: двигать, R или пробел: повернуть",
                           "А1 корабль, 4 палубы", "Г1 корабль, 4 палубы", "Д1 вода", "Д7 корабли наложены",
                           "К10 вода"};
    }
    void placementBoardIsExplored()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, said);
        English = english;
        UseLanguage(english);
        CPlaceShipsDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        PutTidyFleet(&dlg);
        dlg.m_layout.m_ships[9].MoveBy(0, -2);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(dlg.m_board);
        QStringList heard{board->text(QAccessible::Name) + ": " + board->text(QAccessible::Description)};
        QAccessibleTableInterface* table = board->tableInterface();
        QVERIFY(table);
        for (const QPoint rowCol : {QPoint(0, 0), QPoint(0, 3), QPoint(0, 4), QPoint(6, 4), QPoint(9, 9)}) {
            QAccessibleInterface* cell = table->cellAt(rowCol.x(), rowCol.y());
            QVERIFY(cell);
            // A reader under the pointer finds the same cell.
            QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
            heard << cell->text(QAccessible::Name) + ' ' + cell->text(QAccessible::Description);
        }
        QCOMPARE(heard, said);
        // The help beside the board speaks of the keys as well as the mouse.
        const QString help = dlg.m_help->text() + '\n' + dlg.m_keysHelp->text();
        for (const char* word : {"MB", "Tab", "R"})
            QVERIFY2(help.contains(word), word);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
