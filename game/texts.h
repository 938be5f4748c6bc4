#pragma once

#include <string>

// The texts the core shows a player are English source strings; the front
// end looks each up in its catalogue by context when it is shown, so the
// core never learns which languages exist.

// Marks a text for the catalogue's scanner, which reads this token by name;
// spelt like the toolkit's own so both mean the same where both are seen.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

// The front end's catalogue lookup: the text in the player's language, UTF-8,
// in the plural form `count` asks for and with "%n" replaced by it; a count
// below zero for a text without one.
using TextLookup = std::string (*)(const char* context, const char* source, int count);
void SetTextLookup(TextLookup lookup);

// The source itself while no lookup is set (tests of the core, the simulator).
std::string GameText(const char* context, const char* source);
std::string GameText(const char* context, const char* source, int count);
