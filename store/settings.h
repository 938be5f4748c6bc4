#pragma once

#include <string>
#include <vector>

// The program's options and remembered values, read wherever needed.
extern int Level;                   // 1 Easy, 2 Normal, 3 Hard
extern unsigned char English;       // 0 Russian, 1 English or any other language
// Which language `English` stands for, by its catalogue's name ("en", "de",
// "pt_BR"); "ru" whenever `English` is 0. Stored under a key of its own so
// that `English` keeps the meaning older profiles give it.
extern std::string Language;
extern unsigned char Tradition;     // a hit earns another shot
extern unsigned char Sound;
extern unsigned char ShowShipCount; // not stored: every run starts with it on
extern unsigned int CompDelay;      // milliseconds before each computer shot
extern std::string Name;            // UTF-8
extern std::string CurServer;
extern std::vector<std::string> ServerList;

// The language of a run whose profile holds no choice yet: the front end
// sets it from the desktop's language before LoadSettings. Once the player
// has chosen, the stored choice rules.
extern std::string FirstRunLanguage;

// The language the texts are in, from `English` and `Language` together, so
// that code which only flips `English` still gets Russian or English.
std::string GameLanguage();
// Sets `Language` and `English` in step.
void ChooseLanguage(const std::string& language);

void LoadSettings();
void SaveSettings();
// Appends the server unless an equal entry (byte for byte) is already listed.
void AddServer(const std::string& name);
