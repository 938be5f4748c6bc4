#pragma once

#include "store/profile.h"

#include <QSettings>
#include <QString>

// The application profile kept in QSettings: each section is a group.
class CQSettingsProfile : public IProfile {
public:
    // The per-user store of "Orvex software" / "Tidebolt".
    CQSettingsProfile();
    // An INI file at the given path.
    explicit CQSettingsProfile(const QString& iniPath);

    int GetProfileInt(const std::string& section, const std::string& entry, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& def) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& entry,
                            const std::string& value) override;
    void BeginBatch() override;
    void EndBatch() override;

private:
    QVariant Read(const std::string& section, const std::string& entry);
    bool Write(const std::string& section, const std::string& entry, const QVariant& value);
    void Sync();

    QSettings m_settings;
    int m_nBatch = 0;
};
