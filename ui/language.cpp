#include "ui/language.h"

#include "game/texts.h"
#include "store/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

const QString CATALOGUES = QStringLiteral(":/i18n");
const QString ENGLISH = QStringLiteral("en");

bool Matches(const QString& desktop, const QString& catalogue)
{
    // The same language in the same script reads well enough whatever the
    // country: Portugal takes the Brazilian catalogue, Taiwan not the mainland's.
    const QLocale wanted(desktop);
    const QLocale offered(catalogue);
    return wanted.language() != QLocale::C && wanted.language() == offered.language()
        && wanted.script() == offered.script();
}

std::string LookUp(const char* context, const char* source, int count)
{
    return QCoreApplication::translate(context, source, nullptr, count).toStdString();
}

void Replace(QPointer<QTranslator>& installed, const QString& file, const QString& folder)
{
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder)) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

} // namespace

QStringList GameLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(CATALOGUES).entryList({QStringLiteral("tidebolt_*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(9).chopped(3);
    return languages;
}

QString DesktopLanguage(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& entry : uiLanguages) {
        for (const QString& catalogue : available) {
            if (Matches(entry, catalogue))
                return catalogue;
        }
    }
    return ENGLISH;
}

QString DesktopLanguage()
{
    return DesktopLanguage(QLocale::system().uiLanguages(), GameLanguages());
}

QString LanguageName(const QString& language)
{
    // Qt calls English "American English" and names no script; players
    // look for these.
    static const QHash<QString, QString> names = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
    };
    if (names.contains(language))
        return names.value(language);
    QString name = QLocale(language).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name.isEmpty() ? language : name;
}

bool LoadCatalogue(QTranslator& translator, const QString& language)
{
    return translator.load(QStringLiteral("tidebolt_") + language, CATALOGUES);
}

void UseQtLanguage(const QString& language, const QString& qtFolder)
{
    static QPointer<QTranslator> qt;
    const QString folder = qtFolder.isNull() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder;
    Replace(qt, QStringLiteral("qtbase_") + language, folder);
}

void UseLanguage(const QString& language, const QString& qtFolder)
{
    static QPointer<QTranslator> game;
    SetTextLookup(LookUp);
    Replace(game, QStringLiteral("tidebolt_") + language, CATALOGUES);
    UseQtLanguage(language, qtFolder);
}

void UseLanguage(bool english)
{
    const QString stored = QString::fromStdString(Language);
    if (!english)
        UseLanguage(QStringLiteral("ru"));
    else
        UseLanguage(stored == QLatin1String("ru") || stored.isEmpty() ? ENGLISH : stored);
}
