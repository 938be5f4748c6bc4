#pragma once

#include <string>

// The application profile: numbers and strings by section and value name.
// The front end installs one backed by its settings store; until then every
// read gives its default and every write is dropped.
class IProfile {
public:
    virtual ~IProfile() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& entry, int def) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& def) = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& entry,
                                    const std::string& value) = 0;
    // Writes between the two reach the store together at EndBatch; a store
    // with nothing to gather may ignore both.
    virtual void BeginBatch() {}
    virtual void EndBatch() {}
};

// The profile in use; not owned. Null restores the empty profile.
void SetProfile(IProfile* profile);

int GetProfileInt(const std::string& section, const std::string& entry, int def);
std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& def);
bool WriteProfileInt(const std::string& section, const std::string& entry, int value);
bool WriteProfileString(const std::string& section, const std::string& entry,
                        const std::string& value);

// Gathers the profile's writes while it lives and stores them as one, so a
// program killed in the middle leaves all of them or none.
class CProfileBatch {
public:
    CProfileBatch();
    ~CProfileBatch();
    CProfileBatch(const CProfileBatch&) = delete;
    CProfileBatch& operator=(const CProfileBatch&) = delete;

private:
    IProfile* m_pProfile;
};
