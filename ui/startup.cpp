#include "ui/startup.h"

#include "ui/gamedlg.h"

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "store/settings.h"
#include "ui/animatedcursor.h"
#include "ui/datapath.h"
#include "ui/splashdlg.h"

#include <QEventLoop>

#include <ctime>

bool CGameDlg::OnInitDialog()
{
    if (m_bShowSplash)
        CSplashDlg(this).DoModal();

    // The frame control's rectangle shrunk by one pixel on each side.
    BoardFrame = {FRAME_X + 1, FRAME_Y + 1, FRAME_X + FRAME_WIDTH - 1, FRAME_Y + FRAME_HEIGHT - 1};

    m_bBoardsShown = false;
    Name = "Player";
    GameSrand(static_cast<unsigned int>(std::time(nullptr)));
    Busy = 0;
    PlayerTwo.InitBoardRect();
    PlayerOne.InitBoardRect();

    LoadSettings();
    m_records.LoadRecords();

    m_pNetDlg = nullptr;
    TallyReset = 0;

    SetLanguage(English != 0);
    WaitCursor->LoadFromFile(DataFilePath(WAIT_CURSOR_FILE));
    return true;
}

std::unique_ptr<CGameDlg> StartGameWindow()
{
    // The picture is up before the window is built: its menus and the fonts
    // they load take longer than a player should look at nothing.
    CSplashDlg splash;
    splash.ShowEarly();
    auto dlg = std::make_unique<CGameDlg>();
    dlg->SkipSplash();
    splash.DoModal();
    dlg->OnInitDialog();
    return dlg;
}

// exec() would make the window application-modal, and a window manager takes
// a modal window without a parent as modal for every window of the program:
// the main window is shown as a plain window and waits for its own end.
void CGameDlg::Run()
{
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    loop.exec(QEventLoop::DialogExec);
}
