// Renders every window in every language, for proof-reading translations:
//   tidebolt_langshots <folder> [points]
// writes <folder>/<language>/<window>.png at the given font size (default 10),
// offscreen, with the table of records full and the longest names it takes.
#include "game/globals.h"
#include "net/qt/netconnection.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/records.h"
#include "store/settings.h"
#include "support/modal.h"
#include "ui/aboutdlg.h"
#include "ui/chatpanel.h"
#include "ui/gamedlg.h"
#include "ui/language.h"
#include "ui/namedlg.h"
#include "ui/netdlg.h"
#include "ui/optionsdlg.h"
#include "ui/placeshipsdlg.h"
#include "ui/resultdlg.h"
#include "ui/scoresdlg.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

bool Save(QWidget& window, const QDir& dir, const QString& name)
{
    window.show();
    QTest::qWait(20);
    const QString file = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = window.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

// A modal box (the help, a question) as the player sees it, then closed.
bool SaveModal(const QDir& dir, const QString& name, const std::function<void()>& open)
{
    bool ok = false;
    const CModalWait shown = WhenModal<QMessageBox>([&](QMessageBox* box) {
        ok = Save(*box, dir, name);
        box->reject();
    });
    open();
    return ok;
}

CRecordTable& FullTable()
{
    static CRecordTable table;
    if (table.GetCount() > 0)
        return table;
    const char* const names[] = {"Константин Михайлов", "Wolfgang Amadeus Moz", "Ann", "Bob", "Мария",
                                 "Player", "Капитан Немо", "Xi", "Tom", "Ёж"};
    for (const char* name : names) {
        table.AddWin(name, 3);
        table.AddLoss(name, 1);
    }
    return table;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tidebolt_langshots <folder> [points]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 2) {
        QFont font = QApplication::font();
        font.setPointSize(QString::fromLocal8Bit(argv[2]).toInt());
        QApplication::setFont(font);
    }
    QTemporaryDir profileDir;
    CQSettingsProfile profile(profileDir.filePath("Tidebolt.ini"));
    SetProfile(&profile);

    bool ok = true;
    for (const QString& language : GameLanguages()) {
        const QDir dir(QDir(QString::fromLocal8Bit(argv[1])).filePath(language));
        QDir().mkpath(dir.path());
        ChooseLanguage(language.toStdString());
        CGameDlg game;
        game.SkipSplash();
        game.OnInitDialog();
        ChooseLanguage(language.toStdString());
        game.SetLanguage(English != 0);
        ok &= Save(game, dir, QStringLiteral("main"));
        ok &= SaveModal(dir, QStringLiteral("help"), [&] { game.ShowHelp(); });

        static std::string name = "Wolfgang Amadeus Moz";
        CNameDlg nameDlg(&game);
        nameDlg.Setup(&name, &FullTable());
        ok &= Save(nameDlg, dir, QStringLiteral("name"));
        COptionsDlg options(&game);
        ok &= Save(options, dir, QStringLiteral("options"));
        CPlaceShipsDlg placement(&game);
        ok &= Save(placement, dir, QStringLiteral("placement"));
        auto* scores = new CScoresDlg(&game, &FullTable());
        for (int i = 0; i < FullTable().GetCount(); ++i)
            scores->AddRow(FullTable().GetName(i), FullTable().GetWins(i), FullTable().GetLosses(i),
                           FullTable().GetScore(i));
        ok &= Save(*scores, dir, QStringLiteral("scores"));
        scores->close();
        CAboutDlg about(&game);
        ok &= Save(about, dir, QStringLiteral("about"));
        CWinDlg win(&game);
        ok &= Save(win, dir, QStringLiteral("win"));
        CLoseDlg lose(&game);
        ok &= Save(lose, dir, QStringLiteral("lose"));
        CNetConnection net;
        CNetDlg network(&game, net);
        network.OnInitDialog();
        ok &= Save(network, dir, QStringLiteral("network"));
        network.hide();
        ok &= Save(*game.Chat(), dir, QStringLiteral("chat"));
    }
    SetProfile(nullptr);
    return ok ? 0 : 1;
}
