#pragma once
// The player's language: the game's own texts and Qt's (the message box's button)
// in the first language of the desktop's list that the game has, English otherwise.

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace crumbleton {

// The translations of the game, as built into the program: the languages' names
// (`de`, `pt_BR`...), sorted.
QStringList GameLanguages();

// The game's language (as GameLanguages names it) for the first of `preferred`
// (BCP 47 names, most wanted first, as QLocale::uiLanguages gives them) that the
// game has; none where English, or no language the game has, comes first.
std::optional<QString> ChooseLanguage(const QStringList& preferred);

// Installs the game's and Qt's translators for `language` (as GameLanguages names
// it) into `app`; they live as long as it does. False, with nothing installed,
// where the game lacks it.
bool InstallLanguage(QCoreApplication& app, const QString& language);

// The desktop's choice: LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as Qt reads them.
void InstallDesktopLanguage(QCoreApplication& app);

}  // namespace crumbleton
