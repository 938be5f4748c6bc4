#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The game's languages: which catalogues there are, which the desktop would
// rather read, and putting one of them to work at run time.

// The catalogues built into the program, by name ("de", "pt_BR"), sorted.
QStringList GameLanguages();

// The first language of the desktop's list (best first, as
// QLocale::uiLanguages gives it) that has a catalogue among `available` in
// its language and script ("de-AT" reads "de", "zh-TW" not "zh_CN").
// English when none matches.
QString DesktopLanguage(const QStringList& uiLanguages, const QStringList& available);
QString DesktopLanguage();

// A language's own name, as its readers look for it in a list.
QString LanguageName(const QString& language);

// Loads the game's catalogue of `language` into `translator` without putting
// it to work: for a window that speaks another language than the game.
bool LoadCatalogue(QTranslator& translator, const QString& language);

// Installs the game's catalogue of `language` and Qt's own (the standard
// buttons, a text field's menu) from `qtFolder`, by default where Qt keeps
// them; every window then receives QEvent::LanguageChange.
void UseLanguage(const QString& language, const QString& qtFolder = QString());
// Qt's own texts alone (the standard buttons) in `language`: for a box that
// speaks another language than the game, which goes on in its own.
void UseQtLanguage(const QString& language, const QString& qtFolder = QString());
// The stored language when `english` is set, else Russian: what the window
// shows for either value of the English flag.
void UseLanguage(bool english);
