#include "store/settings.h"

#include "store/profile.h"

#include <cstdio>

int Level = 1;
unsigned char English = 0;
unsigned char Tradition = 1;
unsigned char Sound = 1;
unsigned char ShowShipCount = 1;
unsigned int CompDelay = 0;
std::string Name;
std::string CurServer;
std::vector<std::string> ServerList;
std::string Language = "ru";
std::string FirstRunLanguage = "ru";

namespace {

const char* const OPTIONS = "Options";

std::string ServerEntry(int position)
{
    char entry[32];
    std::snprintf(entry, sizeof entry, "Server%d", position);
    return entry;
}

constexpr int DEFAULT_DELAY = 200;

// A hand-edited delay is taken as it stands, unless no player could mean
// it: a negative one would turn into weeks of waiting for every shot, and
// so would anything past a minute. Those read as the default.
unsigned int StoredDelay(int stored)
{
    constexpr int LONGEST_DELAY = 60000;
    return static_cast<unsigned int>(stored >= 0 && stored <= LONGEST_DELAY ? stored : DEFAULT_DELAY);
}

unsigned char AsFlag(int value)
{
    return value != 0 ? 1 : 0;
}

const char* const RUSSIAN = "ru";
const char* const ENGLISH = "en";
constexpr int NOT_STORED = -2147483647 - 1;

// A catalogue's name is a language code with perhaps a country ("pt_BR"); a
// hand-edited value that could be no such name reads as English.
bool IsLanguageName(const std::string& name)
{
    if (name.size() < 2 || name.size() > 8)
        return false;
    for (const char c : name) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && c != '_')
            return false;
    }
    return true;
}

} // namespace

std::string GameLanguage()
{
    if (!English)
        return RUSSIAN;
    if (Language == RUSSIAN || !IsLanguageName(Language))
        return ENGLISH;
    return Language;
}

void ChooseLanguage(const std::string& language)
{
    Language = language;
    English = AsFlag(language != RUSSIAN);
}

void LoadSettings()
{
    Level = GetProfileInt(OPTIONS, "Level", 1);
    // A profile without `English` is a first run; one with it but without
    // `Language` was written before other languages came, and means English.
    const int storedEnglish = GetProfileInt(OPTIONS, "English", NOT_STORED);
    const bool firstRun = storedEnglish == NOT_STORED;
    English = firstRun ? AsFlag(FirstRunLanguage != RUSSIAN) : AsFlag(storedEnglish);
    Language = GetProfileString(OPTIONS, "Language", firstRun ? FirstRunLanguage : ENGLISH);
    Language = GameLanguage();
    Tradition = AsFlag(GetProfileInt(OPTIONS, "Tradition", 1));
    Sound = AsFlag(GetProfileInt(OPTIONS, "Sound", 1));
    CompDelay = StoredDelay(GetProfileInt(OPTIONS, "CompDelay", DEFAULT_DELAY));
    Name = GetProfileString(OPTIONS, "Name", "Player");
    CurServer = GetProfileString(OPTIONS, "CurServer", "");
    // The numbered list ends at its first gap, so a lone Server3 after a
    // missing Server2 is never read.
    for (int i = 1;; ++i) {
        const std::string server = GetProfileString(OPTIONS, ServerEntry(i), "");
        if (server.empty())
            break;
        AddServer(server);
    }
}

void SaveSettings()
{
    const CProfileBatch batch;   // one write of the file instead of one per value
    WriteProfileInt(OPTIONS, "Level", Level);
    WriteProfileInt(OPTIONS, "English", AsFlag(English));
    WriteProfileString(OPTIONS, "Language", GameLanguage());
    WriteProfileInt(OPTIONS, "Tradition", AsFlag(Tradition));
    WriteProfileInt(OPTIONS, "Sound", AsFlag(Sound));
    WriteProfileInt(OPTIONS, "CompDelay", static_cast<int>(CompDelay));
    WriteProfileString(OPTIONS, "Name", Name);
    WriteProfileString(OPTIONS, "CurServer", CurServer);
    for (std::size_t i = 0; i < ServerList.size(); ++i)
        WriteProfileString(OPTIONS, ServerEntry(static_cast<int>(i) + 1), ServerList[i]);
}

void AddServer(const std::string& name)
{
    for (const std::string& known : ServerList) {
        if (known == name)
            return;
    }
    ServerList.push_back(name);
}
