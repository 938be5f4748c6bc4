#pragma once

#include <QMessageBox>

#include <memory>

// Every message box of the game: modal to `parent`, the title "Tidebolt"
// unless one is given, the standard buttons in the game's language.
QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                        const QString& title = QString());

// The help box: each line's name and what it does in two columns, split at
// the line's dash, so they stay side by side at any font size and in any
// language, whether the catalogue aligned them with tabs or with spaces.
void ShowHelpBox(QWidget* parent, const QString& title, const QString& text);
// That box before it is shown.
std::unique_ptr<QMessageBox> HelpBox(QWidget* parent, const QString& title, const QString& text);
