#include "store/profile.h"

namespace {
IProfile* g_profile = nullptr;
}

void SetProfile(IProfile* profile)
{
    g_profile = profile;
}

int GetProfileInt(const std::string& section, const std::string& entry, int def)
{
    return g_profile ? g_profile->GetProfileInt(section, entry, def) : def;
}

std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& def)
{
    return g_profile ? g_profile->GetProfileString(section, entry, def) : def;
}

bool WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    return g_profile && g_profile->WriteProfileInt(section, entry, value);
}

bool WriteProfileString(const std::string& section, const std::string& entry,
                        const std::string& value)
{
    return g_profile && g_profile->WriteProfileString(section, entry, value);
}

CProfileBatch::CProfileBatch() : m_pProfile(g_profile)
{
    if (m_pProfile)
        m_pProfile->BeginBatch();
}

CProfileBatch::~CProfileBatch()
{
    if (m_pProfile)
        m_pProfile->EndBatch();
}
