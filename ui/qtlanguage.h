#pragma once

#include <QString>
#include <QStringList>

// The desktop's language and Qt's own texts, kept in step with the game's.

// Whether a desktop that lists its languages best first, as
// QLocale::uiLanguages does, would rather read Russian than English.
bool PrefersRussian(const QStringList& uiLanguages);
bool DesktopPrefersRussian();

// Qt's own texts (the standard buttons of message boxes, the menu of a text
// field) in the game's language. Russian comes from Qt's catalogue in
// `folder`, by default where Qt keeps its translations; without one, Qt's
// own English stays.
void UseQtTranslations(bool english, const QString& folder = QString());
