#pragma once

// A profile held in memory, filled from INI-like text the way a player might
// hand-edit the settings file:
//
//   [Options]
//   Level=3
//   [Records]
//   count=2
//   N0=Anna
//
// Numbers are read as the settings file's own profile reads them: the whole
// value, spaces around it allowed, must be a decimal int, else the default.
// Lines of the section [Play] are not values but games to replay, kept in
// order: "W<level>=<name>" a win, "L<level>=<name>" a loss.

#include "store/profile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

struct CPlayedGame {
    bool win = false;
    int level = 0;
    std::string name;
};

class CMemoryProfile : public IProfile {
public:
    CMemoryProfile() = default;

    explicit CMemoryProfile(const std::string& text)
    {
        std::string section;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(start, end - start);
            start = end + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
                section = line.substr(1, line.size() - 2);
                continue;
            }
            const std::size_t equals = line.find('=');
            if (equals == std::string::npos)
                continue;
            const std::string key = line.substr(0, equals);
            const std::string value = line.substr(equals + 1);
            if (section == "Play")
                AddGame(key, value);
            else
                m_values[section + "/" + key] = value;
        }
    }

    const std::vector<CPlayedGame>& Games() const { return m_games; }
    bool Has(const std::string& section, const std::string& entry) const
    {
        return m_values.count(section + "/" + entry) != 0;
    }

    int GetProfileInt(const std::string& section, const std::string& entry, int def) override
    {
        const auto it = m_values.find(section + "/" + entry);
        int value = def;
        return it != m_values.end() && ParseInt(it->second, value) ? value : def;
    }

    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& def) override
    {
        const auto it = m_values.find(section + "/" + entry);
        return it != m_values.end() ? it->second : def;
    }

    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override
    {
        m_values[section + "/" + entry] = std::to_string(value);
        return true;
    }

    bool WriteProfileString(const std::string& section, const std::string& entry,
                            const std::string& value) override
    {
        m_values[section + "/" + entry] = value;
        return true;
    }

    static bool ParseInt(const std::string& text, int& value)
    {
        const std::size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos)
            return false;
        const std::size_t last = text.find_last_not_of(' ');
        const std::string number = text.substr(first, last - first + 1);
        const std::size_t digits = number[0] == '-' || number[0] == '+' ? 1 : 0;
        if (digits == number.size() || number.find_first_not_of("0123456789", digits) != std::string::npos)
            return false;
        errno = 0;
        const long long parsed = std::strtoll(number.c_str(), nullptr, 10);
        if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
            return false;
        value = static_cast<int>(parsed);
        return true;
    }

private:
    void AddGame(const std::string& key, const std::string& name)
    {
        CPlayedGame game;
        if (key.empty() || (key[0] != 'W' && key[0] != 'L'))
            return;
        game.win = key[0] == 'W';
        if (!ParseInt(key.substr(1), game.level))
            return;
        game.name = name;
        m_games.push_back(game);
    }

    std::map<std::string, std::string> m_values;
    std::vector<CPlayedGame> m_games;
};
