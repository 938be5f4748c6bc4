#pragma once

#include <QString>

// A menu text with the letter that works with Alt marked by '&', as menus
// underline it. The letter goes before its first occurrence in the text,
// upper or lower case; a letter the text lacks (a language written without
// Latin letters) follows the text in brackets, as such menus show it. No
// letter, no mark. Any '&' of the text itself stays a plain ampersand.
QString WithMnemonic(const QString& text, const QString& letter);
