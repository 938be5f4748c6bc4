#include "store/qt/qsettingsprofile.h"

#include <QStringList>

namespace {

QString Key(const std::string& section, const std::string& entry)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(entry);
}

} // namespace

CQSettingsProfile::CQSettingsProfile()
    : m_settings(QStringLiteral("Orvex software"), QStringLiteral("Tidebolt"))
{
}

CQSettingsProfile::CQSettingsProfile(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat)
{
}

QVariant CQSettingsProfile::Read(const std::string& section, const std::string& entry)
{
    return m_settings.value(Key(section, entry));
}

bool CQSettingsProfile::Write(const std::string& section, const std::string& entry,
                              const QVariant& value)
{
    m_settings.setValue(Key(section, entry), value);
    // Written through at once: the program may be killed after a game's
    // results were saved, and those must not be lost with it.
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

int CQSettingsProfile::GetProfileInt(const std::string& section, const std::string& entry, int def)
{
    const QVariant value = Read(section, entry);
    if (!value.isValid())
        return def;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : def;
}

std::string CQSettingsProfile::GetProfileString(const std::string& section,
                                                const std::string& entry, const std::string& def)
{
    const QVariant value = Read(section, entry);
    if (!value.isValid())
        return def;
    // A hand-edited INI line with an unquoted comma reads back as a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    if (!value.canConvert<QString>())
        return def;
    return value.toString().toStdString();
}

bool CQSettingsProfile::WriteProfileInt(const std::string& section, const std::string& entry,
                                        int value)
{
    return Write(section, entry, value);
}

bool CQSettingsProfile::WriteProfileString(const std::string& section, const std::string& entry,
                                           const std::string& value)
{
    return Write(section, entry, QString::fromStdString(value));
}
