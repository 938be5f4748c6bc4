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
#include "ui/boardaccess.h"
#include "ui/boardview.h"
#include "ui/optionsdlg.h"
#include "ui/pictures.h"
#include "ui/language.h"
#include "ui/messagebox.h"
#include "ui/mnemonic.h"
#include "ui/scoresdlg.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The texts as the game names its commands, each with the letter that works
// with Alt. The letter is an entry of its own in the catalogue rather than an
// '&' inside the text: the texts stay as they are everywhere else they are
// shown, and a translator who rewords an item without moving its letter
// loses the underline, never the item. The key beside an item is only shown
// there: the window's own F1-F4 answer it, with their own rules for a busy
// window and for a client's F2.
struct MenuItem {
    int id;              // 0: separator
    const char* text;
    struct {
        const char* source;
        const char* comment;   // tells the letters apart in the catalogue
    } letter;
    Qt::Key key;         // shown beside the item; 0: none
};

const MenuItem kGameMenu[] = {
    {ID_GAME_NEWGAME, QT_TRANSLATE_NOOP("CGameDlg", "New game"),
     QT_TRANSLATE_NOOP3("CGameDlg", "N", "Alt letter of New game"), Qt::Key_F2},
    {ID_GAME_SCORES, QT_TRANSLATE_NOOP("CGameDlg", "Scores"),
     QT_TRANSLATE_NOOP3("CGameDlg", "S", "Alt letter of Scores"), Qt::Key_F3},
    {0, nullptr, {nullptr, nullptr}, Qt::Key(0)},
    {ID_GAME_COMPUTER, QT_TRANSLATE_NOOP("CGameDlg", "Game with computer"),
     QT_TRANSLATE_NOOP3("CGameDlg", "c", "Alt letter of Game with computer"), Qt::Key(0)},
    {ID_GAME_NETWORK, QT_TRANSLATE_NOOP("CGameDlg", "Game in Network"),
     QT_TRANSLATE_NOOP3("CGameDlg", "w", "Alt letter of Game in Network"), Qt::Key(0)},
    {ID_GAME_CHAT, QT_TRANSLATE_NOOP("CGameDlg", "Chat"),
     QT_TRANSLATE_NOOP3("CGameDlg", "h", "Alt letter of Chat"), Qt::Key_F4},
    {0, nullptr, {nullptr, nullptr}, Qt::Key(0)},
    {ID_GAME_EXIT, QT_TRANSLATE_NOOP("CGameDlg", "Exit"),
     QT_TRANSLATE_NOOP3("CGameDlg", "x", "Alt letter of Exit"), Qt::Key(0)},
};

const MenuItem kHelpMenu[] = {
    {ID_HELP_HELP, QT_TRANSLATE_NOOP("CGameDlg", "Help"),
     QT_TRANSLATE_NOOP3("CGameDlg", "H", "Alt letter of Help in the Help menu"), Qt::Key_F1},
    {ID_HELP_ABOUT, QT_TRANSLATE_NOOP("CGameDlg", "About"),
     QT_TRANSLATE_NOOP3("CGameDlg", "A", "Alt letter of About"), Qt::Key(0)},
};

// The menu bar's own entries.
const MenuItem kGameTitle = {0, QT_TRANSLATE_NOOP("CGameDlg", "Game"),
                             QT_TRANSLATE_NOOP3("CGameDlg", "G", "Alt letter of the Game menu"), Qt::Key(0)};
const MenuItem kOptionsTitle = {ID_OPTIONS, QT_TRANSLATE_NOOP("CGameDlg", "Options"),
                                QT_TRANSLATE_NOOP3("CGameDlg", "O", "Alt letter of the Options menu"), Qt::Key(0)};
const MenuItem kHelpTitle = {0, QT_TRANSLATE_NOOP("CGameDlg", "Help"),
                             QT_TRANSLATE_NOOP3("CGameDlg", "H", "Alt letter of the Help menu"), Qt::Key(0)};

QString MenuText(const MenuItem& item)
{
    return WithMnemonic(CGameDlg::tr(item.text), CGameDlg::tr(item.letter.source, item.letter.comment));
}

enum { HOTKEY_NEWGAME = 0, HOTKEY_SCORES = 1 };

} // namespace

CGameDlg::CGameDlg(QWidget* parent) : QDialog(parent)
{
    m_hIcon = Icon(IDI_TIDEBOLT);
    setWindowIcon(m_hIcon);
    setWindowTitle("Tidebolt");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);  // the boards are pixel-placed below it
    InstallBoardAccess();
    m_client = new CBoardView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);
    ConnectView();

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
    // The chat hears of a new connection first: the window's own answer may
    // hold a message box open while the partner's sign arrives.
    StartChat();
    ConnectNetSignals();
    WaitCursor = new CAnimatedCursor(this);
    BuildMenu();
    StartSpeech();
}

void CGameDlg::ConnectView()
{
    connect(m_client, &CBoardView::cellActivated, this, [this](int row, int col) {
        HideCellCursor();
        ShootAt(row, col);
    });
    connect(m_client, &CBoardView::mouseUsed, this, &CGameDlg::HideCellCursor);
    connect(m_client, &CBoardView::pointerMoved, this, &CGameDlg::OnPointerMoved);
    connect(m_client, &CBoardView::pointerEntered, this, &CGameDlg::UpdateCursor);
}

CGameDlg::~CGameDlg()
{
    StopSpeech();
    // Closed before the window it reports to goes.
    m_connection->disconnect(this);
    m_session.reset();
    m_connection.reset();
}

void CGameDlg::BuildMenu()
{
    m_menuBar->clear();
    const auto addItems = [this](QMenu* menu, const MenuItem* items, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            const MenuItem& item = items[i];
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            const int id = item.id;
            QAction* action = menu->addAction(MenuText(item));
            action->setData(id);
            if (item.key) {
                action->setShortcut(QKeySequence(item.key));
                // Only while the menu itself is open: elsewhere the window's
                // own keys answer, and two owners of a key would silence it.
                action->setShortcutContext(Qt::WidgetShortcut);
            }
            connect(action, &QAction::triggered, this, [this, id] { OnMenuCommand(id); });
        }
    };
    QMenu* game = m_menuBar->addMenu(MenuText(kGameTitle));
    addItems(game, kGameMenu, std::size(kGameMenu));
    QAction* options = m_menuBar->addAction(MenuText(kOptionsTitle));
    options->setData(ID_OPTIONS);
    connect(options, &QAction::triggered, this, [this] { OnMenuCommand(ID_OPTIONS); });
    QMenu* help = m_menuBar->addMenu(MenuText(kHelpTitle));
    addItems(help, kHelpMenu, std::size(kHelpMenu));
}

QString CGameDlg::MenuItemText(int id)
{
    for (const MenuItem& item : kGameMenu) {
        if (item.id == id)
            return MenuText(item);
    }
    return {};
}

// At once, so that the caller sees the window in its new language; the
// switch's posted notice later asks again, at no harm.
void CGameDlg::SetLanguage(bool english)
{
    UseLanguage(english);
    Retranslate();
}

void CGameDlg::Retranslate()
{
    BuildMenu();
    MarkChatItem();
    UpdateModeUI();
    Redraw();
}

void CGameDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

QAction* CGameDlg::FindAction(int id) const
{
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
}

void CGameDlg::UpdateModeUI()
{
    QAction* computer = FindAction(ID_GAME_COMPUTER);
    QAction* networkItem = FindAction(ID_GAME_NETWORK);
    QAction* newGame = FindAction(ID_GAME_NEWGAME);
    // Only the mode in force carries a mark: a checkable item that is not
    // checked would still show an empty box.
    const ENetRole role = NetRole();
    const bool network = role != ENetRole::Computer || m_pNetDlg;
    computer->setCheckable(!network);
    networkItem->setCheckable(network);
    computer->setChecked(!network);
    networkItem->setChecked(network);
    if (m_pNetDlg)
        return;  // the network dialog is open: title and "New game" stay as they were
    newGame->setEnabled(role != ENetRole::Client);
    if (role == ENetRole::Server)
        setWindowTitle(tr("Tidebolt [ Server ]"));
    else if (role == ENetRole::Client)
        setWindowTitle(tr("Tidebolt [ Client ]"));
    else
        setWindowTitle("Tidebolt");
}

void CGameDlg::OnCommand(int id)
{
    if (HoldDuringComputerTurn(id))
        return;
    switch (id) {
    case ID_GAME_NEWGAME: NewGame(); break;
    case ID_GAME_SCORES: ShowScores(); break;
    case ID_GAME_COMPUTER: GameWithComputer(); break;
    case ID_GAME_NETWORK: ShowNetGame(); break;
    case ID_GAME_CHAT: ToggleChat(); break;
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
        OnCommand(ID_GAME_NEWGAME);
    } else if (id == HOTKEY_SCORES) {
        OnCommand(ID_GAME_SCORES);
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
            OnCommand(ID_HELP_HELP);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        return;
    case Qt::Key_Escape:
        OnCommand(ID_GAME_EXIT);
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
    OnCommand(ID_GAME_EXIT);
}

void CGameDlg::ConfirmExit()
{
    if (GameInProgress) {
        if (ShowMessage(this, QMessageBox::Question, tr("Do you want exit game?"),
                        QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
            return;
    }
    RememberSize();
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
    //: Columns are aligned by tabs; keep each line short.
    const QString help = tr("Game->New game\t-  start new game\nGame->Scores  \t-  open window Scores\n"
                             "Game->Exit    \t-  exit game\n\n"
                             "Options            \t-  open window Options\n  >>Difficulty     \t-  difficulty game\n"
                             "  >>Language       \t-  language the game\n  >>Tradition      \t-  tradition game\n"
                             "  >>Auto put mimo  \t-  auto put mimo if to get\n  >>Number of ships\t-  show number of ships\n"
                             "  >>Play sound     \t-  sound support\n\nHelp->Help     \t-  open this window\n"
                             "Help->About    \t-  autor this game\n\n    Hot keys:\nF1 \t-  open window Help\n"
                             "F2 \t-  start new game\nF3 \t-  open window Scores\nEsc\t-  exit game\n\n\t           Good luck.");
    ShowHelpBox(this, tr("Help"), help);
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
    const std::string languageBefore = GameLanguage();
    const unsigned char traditionBefore = Tradition;
    COptionsDlg dlg(this);
    // A client's games are opened by its server: changing the rule or the
    // level there cannot begin one.
    dlg.m_bMayRestart = !m_session->IsActive() || m_session->MayOpen();
    if (dlg.DoModal() == IDOK) {
        if (GameLanguage() != languageBefore)
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
