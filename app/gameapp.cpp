#include "app/gameapp.h"

#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "ui/gamedlg.h"
#include "ui/gamesound.h"

bool CGameApp::InitInstance()
{
    CQSettingsProfile profile;  // "Orvex software" / "Tidebolt"
    SetProfile(&profile);
    InstallGameSound();
    {
        CGameDlg dlg;
        dlg.OnInitDialog();
        dlg.exec();
    }
    SetProfile(nullptr);
    return false;
}
