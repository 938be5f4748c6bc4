#include "app/gameapp.h"

#include "game/sound.h"
#include "store/profile.h"
#include "store/settings.h"
#include "store/qt/qsettingsprofile.h"
#include "ui/datapath.h"
#include "ui/gamedlg.h"
#include "ui/gamesound.h"
#include "ui/language.h"
#include "ui/startup.h"

#include <QCoreApplication>

bool CGameApp::InitInstance()
{
    CQSettingsProfile profile;  // "Orvex software" / "Tidebolt"
    SetProfile(&profile);
    FirstRunLanguage = DesktopLanguage().toStdString();
    InstallGameSound();
    // Told once, at start, rather than at every shot that would have sounded;
    // the about box's film is decoration and not worth a word.
    NoteMissingDataFiles({SOUND_MISS, SOUND_HIT, SOUND_WIN, SOUND_LOSE, WAIT_CURSOR_FILE},
                         DataFolders(QCoreApplication::applicationDirPath()));
    StartGameWindow()->Run();
    SetProfile(nullptr);
    return false;
}
