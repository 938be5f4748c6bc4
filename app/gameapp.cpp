#include "app/gameapp.h"

#include "store/profile.h"
#include "store/settings.h"
#include "store/qt/qsettingsprofile.h"
#include "ui/gamedlg.h"
#include "ui/gamesound.h"
#include "ui/qtlanguage.h"

bool CGameApp::InitInstance()
{
    CQSettingsProfile profile;  // "Orvex software" / "Tidebolt"
    SetProfile(&profile);
    FirstRunEnglish = DesktopPrefersRussian() ? 0 : 1;
    InstallGameSound();
    {
        CGameDlg dlg;
        dlg.OnInitDialog();
        dlg.exec();
    }
    SetProfile(nullptr);
    return false;
}
