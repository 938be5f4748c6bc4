#pragma once

// A real INI-file profile in a fresh temporary folder, installed as the
// program's profile for the lifetime of the object.

#include "store/qt/qsettingsprofile.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

class TempProfile {
public:
    // Starts from the given INI text (empty: a first run).
    explicit TempProfile(const QByteArray& iniText = QByteArray())
    {
        QFile file(m_dir.filePath("tidebolt.ini"));
        if (!iniText.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(iniText);
        file.close();
        Reopen();
    }
    ~TempProfile() { SetProfile(nullptr); }

    // As after a restart of the program: a new profile object on the same file.
    void Reopen()
    {
        SetProfile(nullptr);
        m_profile = std::make_unique<CQSettingsProfile>(m_dir.filePath("tidebolt.ini"));
        SetProfile(m_profile.get());
    }

    QString Path() const { return m_dir.filePath("tidebolt.ini"); }

    // The file's own entries (read apart from the profile in use) for the
    // keys of the given ones, written alike: "key=value", or "key" when absent.
    QStringList Stored(const QStringList& entries) const
    {
        QSettings file(m_dir.filePath("tidebolt.ini"), QSettings::IniFormat);
        QStringList stored;
        for (const QString& entry : entries) {
            const QString key = entry.section('=', 0, 0);
            stored << (file.contains(key) ? key + '=' + file.value(key).toString() : key);
        }
        return stored;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CQSettingsProfile> m_profile;
};
