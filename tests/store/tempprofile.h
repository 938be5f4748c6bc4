#pragma once

// A real INI-file profile in a fresh temporary folder, installed as the
// program's profile for the lifetime of the object.

#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

class TempProfile {
public:
    // Starts from the given INI text (empty: a first run).
    explicit TempProfile(const QByteArray& iniText = QByteArray())
        : m_path(m_dir.filePath(QStringLiteral("tidebolt.ini")))
    {
        if (!iniText.isEmpty()) {
            QFile file(m_path);
            if (file.open(QIODevice::WriteOnly))
                file.write(iniText);
        }
        Reopen();
    }

    ~TempProfile() { SetProfile(nullptr); }

    // As after a restart of the program: a new profile object on the same file.
    void Reopen()
    {
        SetProfile(nullptr);
        m_profile = std::make_unique<CQSettingsProfile>(m_path);
        SetProfile(m_profile.get());
    }

    // What the file holds now, read independently of the profile in use.
    QVariant Stored(const QString& key) const
    {
        QSettings file(m_path, QSettings::IniFormat);
        return file.value(key);
    }

    bool Has(const QString& key) const
    {
        QSettings file(m_path, QSettings::IniFormat);
        return file.contains(key);
    }

    bool IsValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<CQSettingsProfile> m_profile;
};
