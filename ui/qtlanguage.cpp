#include "ui/qtlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

bool PrefersRussian(const QStringList& uiLanguages)
{
    // The first of the game's two languages in the desktop's order decides,
    // as a catalogue lookup would; a desktop that lists neither gets English.
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Russian)
            return true;
        if (language == QLocale::English)
            return false;
    }
    return false;
}

bool DesktopPrefersRussian()
{
    return PrefersRussian(QLocale::system().uiLanguages());
}

void UseQtTranslations(bool english, const QString& folder)
{
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (english)
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString from = folder.isNull() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(QStringLiteral("qtbase_ru"), from)) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}
