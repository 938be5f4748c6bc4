#include "ui/gamedlg.h"

#include "game/globals.h"
#include "game/player.h"
#include "game/resources.h"
#include "net/netsession.h"
#include "net/qt/netconnection.h"
#include "store/settings.h"
#include "ui/aboutdlg.h"
#include "ui/dialogids.h"
#include "ui/animatedcursor.h"
#include "ui/boardview.h"
#include "ui/optionsdlg.h"
#include "ui/pictures.h"
#include "ui/qtlanguage.h"
#include "ui/scoresdlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The texts as the game names its commands; '&' marks the letter that works
// with Alt, as desktop menus underline it. The key beside an item is only
// shown there: F1-F3 are the window's own keys, which ignore a busy window
// and reach "New game" on a client too.
struct MenuItem {
    int id;              // 0: separator
    const char* english;
    const char* russian;
    Qt::Key key;         // shown beside the item; 0: none
};

const MenuItem kGameMenu[] = {
    {ID_GAME_NEWGAME, "&New game", "&Новая", Qt::Key_F2},
    {ID_GAME_SCORES, "&Scores", "10 &чемпионов", Qt::Key_F3},
    {0, nullptr, nullptr, Qt::Key(0)},
    {ID_GAME_COMPUTER, "Game with &computer", "Игра с &компьютером", Qt::Key(0)},
    {ID_GAME_NETWORK, "Game in Net&work", "Игра по &сети", Qt::Key(0)},
    {0, nullptr, nullptr, Qt::Key(0)},
    {ID_GAME_EXIT, "E&xit", "&Выход", Qt::Key(0)},
};

const MenuItem kHelpMenu[] = {
    {ID_HELP_HELP, "&Help", "&Помощь", Qt::Key_F1},
    {ID_HELP_ABOUT, "&About", "Про &автора", Qt::Key(0)},
};

const char* const kHelpEnglish =
    "Game->New game\t-  start new game\nGame->Scores  \t-  open window Scores\nGame->Exit    \t-  exit game\n\n"
    "Options            \t-  open window Options\n  >>Difficulty     \t-  difficulty game\n"
    "  >>Language       \t-  language the game\n  >>Tradition      \t-  tradition game\n"
    "  >>Auto put mimo  \t-  auto put mimo if to get\n  >>Number of ships\t-  show number of ships\n"
    "  >>Play sound     \t-  sound support\n\nHelp->Help     \t-  open this window\n"
    "Help->About    \t-  autor this game\n\n    Hot keys:\nF1 \t-  open window Help\n"
    "F2 \t-  start new game\nF3 \t-  open window Scores\nEsc\t-  exit game\n\n\t           Good luck.";

const char* const kHelpRussian =
    "Игра->Новая              -  Начать новую игру\nИгра->10 чемпионов -  Лучшая десятка\n"
    "Игра->Выход              -  Покинуть игру\n\nОпции             -  Нстройки игры\n"
    "  >>Сложность     -  сложность игры\n  >>Язык          -  язык игры\n"
    "  >>Традиционная игра - при попадании стреляеш еще раз \n"
    "  >>Автоматичкая растановка промахов - ставить промахи вокруг\n"
    "                                       сбитых кораблей\n"
    "  >>Показывать число живых кораблей - таблица еще живых кораблей\n"
    "  >>Озвучивать игру     - в прямом смысле\n\nПомощь->Помощь     -  Показывает это окно\n"
    "Помощь->Про автора -  Создатель этой игры\n\n    Горячие клавиши:\nF1 \t-  Показывает это окно\n"
    "F2 \t-  Начать новую игру\nF3 \t-  Лучшая десятка\nEsc\t-  Покинуть игру\n\n\t\t           Удачи.";

enum { HOTKEY_NEWGAME = 0, HOTKEY_SCORES = 1 };

} // namespace

CGameDlg::CGameDlg(QWidget* parent) : QDialog(parent)
{
    m_hIcon = Icon(IDI_TIDEBOLT);
    setWindowIcon(m_hIcon);
    setWindowTitle("Tidebolt");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);  // the boards are pixel-placed below it
    m_client = new CBoardView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // F2 and F3 belong to the game only while its window is active: a
    // window-wide shortcut is dead while one of its modal windows is open.
    m_keyNewGame = new QShortcut(QKeySequence(Qt::Key_F2), this);
    m_keyNewGame->setContext(Qt::WindowShortcut);
    connect(m_keyNewGame, &QShortcut::activated, this, [this] { OnHotKey(HOTKEY_NEWGAME); });
    m_keyScores = new QShortcut(QKeySequence(Qt::Key_F3), this);
    m_keyScores->setContext(Qt::WindowShortcut);
    connect(m_keyScores, &QShortcut::activated, this, [this] { OnHotKey(HOTKEY_SCORES); });

    m_connection = std::make_unique<CNetConnection>();
    m_session = std::make_unique<CNetSession>(*m_connection);
    ConnectNetSignals();
    WaitCursor = new CAnimatedCursor(this);
    BuildMenu(English != 0);
    StartSpeech();
}

CGameDlg::~CGameDlg()
{
    StopSpeech();
    // Closed before the window it reports to goes.
    m_connection->disconnect(this);
    m_session.reset();
    m_connection.reset();
}

void CGameDlg::BuildMenu(bool english)
{
    m_menuBar->clear();
    const auto addItems = [this, english](QMenu* menu, const MenuItem* items, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            if (items[i].id == 0) {
                menu->addSeparator();
                continue;
            }
            const int id = items[i].id;
            QAction* action = menu->addAction(QString::fromUtf8(english ? items[i].english : items[i].russian));
            action->setData(id);
            if (items[i].key) {
                action->setShortcut(QKeySequence(items[i].key));
                // Only while the menu itself is open: elsewhere the window's
                // own keys answer, and two owners of a key would silence it.
                action->setShortcutContext(Qt::WidgetShortcut);
            }
            connect(action, &QAction::triggered, this, [this, id] { OnMenuCommand(id); });
        }
    };
    QMenu* game = m_menuBar->addMenu(english ? "&Game" : "&Игра");
    addItems(game, kGameMenu, std::size(kGameMenu));
    QAction* options = m_menuBar->addAction(english ? "&Options" : "&Опции");
    options->setData(ID_OPTIONS);
    connect(options, &QAction::triggered, this, [this] { OnMenuCommand(ID_OPTIONS); });
    QMenu* help = m_menuBar->addMenu(english ? "&Help" : "&Помощь");
    addItems(help, kHelpMenu, std::size(kHelpMenu));
}

void CGameDlg::SetLanguage(bool english)
{
    UseQtTranslations(english);
    BuildMenu(english);
    UpdateModeUI();
}

void CGameDlg::UpdateModeUI()
{
    const auto findAction = [this](int id) -> QAction* {
        for (QAction* top : m_menuBar->actions()) {
            if (top->data().toInt() == id)
                return top;
            if (!top->menu())
                continue;
            for (QAction* item : top->menu()->actions()) {
                if (item->data().toInt() == id)
                    return item;
            }
        }
        return nullptr;
    };
    QAction* computer = findAction(ID_GAME_COMPUTER);
    QAction* network = findAction(ID_GAME_NETWORK);
    QAction* newGame = findAction(ID_GAME_NEWGAME);
    // Only the mode in force carries a mark: a checkable item that is not
    // checked would still show an empty box.
    computer->setCheckable(NetRole == 0);
    network->setCheckable(NetRole != 0);
    computer->setChecked(NetRole == 0);
    network->setChecked(NetRole != 0);
    if (NetRole == 3)
        return;  // the network dialog is open: title and "New game" stay as they were
    newGame->setEnabled(NetRole != 2);
    if (NetRole == 1)
        setWindowTitle(English ? "Tidebolt [ Server ]" : "Tidebolt [ Сервер ]");
    else if (NetRole == 2)
        setWindowTitle(English ? "Tidebolt [ Client ]" : "Tidebolt [ Клиент ]");
    else
        setWindowTitle("Tidebolt");
}

void CGameDlg::OnCommand(int id)
{
    switch (id) {
    case ID_GAME_NEWGAME: NewGame(); break;
    case ID_GAME_SCORES: ShowScores(); break;
    case ID_GAME_COMPUTER: GameWithComputer(); break;
    case ID_GAME_NETWORK: ShowNetGame(); break;
    case ID_GAME_EXIT: OnCancel(); break;
    case ID_OPTIONS: ShowOptions(); break;
    case ID_HELP_HELP: ShowHelp(); break;
    case ID_HELP_ABOUT: ShowAbout(); break;
    case ID_SYS_ABOUT: CAboutDlg(this).DoModal(); break;
    default: break;
    }
}

void CGameDlg::OnMenuCommand(int id)
{
    OnCommand(id);
    // A menu opened by keys leaves the focus on the menu bar once a window
    // it opened has closed, where the arrows and Esc do nothing for the game.
    if (focusWidget() == m_menuBar)
        m_client->setFocus(Qt::MenuBarFocusReason);
}

void CGameDlg::OnHotKey(int id)
{
    if (Busy)
        return;
    if (id == HOTKEY_NEWGAME) {
        NewGame();
    } else if (id == HOTKEY_SCORES) {
        ShowScores();
    }
}

void CGameDlg::keyPressEvent(QKeyEvent* event)
{
    const bool chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!chord && OnCursorKey(event->key()))
        return;
    switch (event->key()) {
    case Qt::Key_F1:
        if (!Busy)
            ShowHelp();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        return;
    case Qt::Key_Escape:
        OnCancel();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CGameDlg::OnCancel()
{
    ConfirmExit();
}

void CGameDlg::reject()
{
    OnCancel();
}

void CGameDlg::accept()
{
    OnOK();
}

void CGameDlg::closeEvent(QCloseEvent* event)
{
    if (m_bClosing) {
        event->accept();
        return;
    }
    event->ignore();
    if (m_bInComputerTurn) {
        m_bCloseRequested = true;  // asked once the computer has finished its turn
        return;
    }
    ConfirmExit();
}

void CGameDlg::ConfirmExit()
{
    if (GameInProgress) {
        QMessageBox box(QMessageBox::Question, "Tidebolt",
                        English ? "Do you want exit game?" : "Выйти из игры?",
                        QMessageBox::Ok | QMessageBox::Cancel, this);
        if (box.exec() != QMessageBox::Ok)
            return;
    }
    SaveSettings();
    m_records.SaveRecords();
    m_bClosing = true;
    done(QDialog::Accepted);
}

// Each window gives Busy back as it found it, unless a game changed it
// meanwhile: one opened while a network game waits leaves F1-F3 dead.
void CGameDlg::ShowHelp()
{
    Busy.Hold();
    QMessageBox box(QMessageBox::NoIcon, English ? "Help" : "Помощь",
                    QString::fromUtf8(English ? kHelpEnglish : kHelpRussian), QMessageBox::Ok, this);
    box.exec();
    Busy.Release();
    Redraw();
}

void CGameDlg::ShowAbout()
{
    Busy.Hold();
    CAboutDlg(this).DoModal();
    Busy.Release();
}

void CGameDlg::ShowOptions()
{
    Busy.Hold();
    const unsigned char englishBefore = English;
    const unsigned char traditionBefore = Tradition;
    COptionsDlg dlg(this);
    // A client's games are opened by its server: changing the rule or the
    // level there cannot begin one.
    dlg.m_bMayRestart = !m_session->IsActive() || m_session->MayOpen();
    if (dlg.DoModal() == IDOK) {
        if (English != englishBefore)
            SetLanguage(English != 0);
        ApplyOptions(dlg.m_bNewGame != 0, traditionBefore);
    }
    Busy.Release();
}

void CGameDlg::ShowScores()
{
    // Closing gives Busy back as the window found it: clearing it outright
    // would wake F1 to F3 while a network game waits for its partner.
    Busy.Hold();
    auto* dlg = new CScoresDlg(this, &m_records);
    for (int i = 0; i < m_records.GetCount(); ++i)
        dlg->AddRow(m_records.GetName(i), m_records.GetWins(i), m_records.GetLosses(i), m_records.GetScore(i));
    connect(dlg, &QDialog::finished, this, [this] { Busy.Release(); });
    dlg->show();
}
