#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace crumbleton {

namespace {

// Where qt_add_translations puts the game's .qm files among the resources.
const QString kGameTranslations = QStringLiteral(":/i18n");

}  // namespace

QStringList GameLanguages() {
    QStringList languages;
    for (const QString& file :
         QDir(kGameTranslations).entryList({"crumbleton_*.qm"}, QDir::Files, QDir::Name))
        languages << file.mid(int(qstrlen("crumbleton_")), file.size() - int(qstrlen("crumbleton_.qm")));
    return languages;
}

std::optional<QLocale> ChooseLanguage(const QStringList& preferred) {
    for (const QString& name : preferred) {
        const QLocale language(name);
        // English is the game's own: it ends the search, as would a language found.
        // "C" and "POSIX" ask for no language, and so for English too.
        if (language.language() == QLocale::English || language.language() == QLocale::C) return std::nullopt;
        QTranslator probe;
        if (probe.load(language, "crumbleton", "_", kGameTranslations)) return language;
    }
    return std::nullopt;
}

bool InstallLanguage(QCoreApplication& app, const QLocale& language) {
    auto* game = new QTranslator(&app);
    if (!game->load(language, "crumbleton", "_", kGameTranslations)) {
        delete game;
        return false;
    }
    QCoreApplication::installTranslator(game);
    // Qt's own texts, the "OK" of a message box among them, where the desktop has them.
    auto* qt = new QTranslator(&app);
    if (qt->load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

void InstallDesktopLanguage(QCoreApplication& app) {
    if (const std::optional<QLocale> language = ChooseLanguage(QLocale::system().uiLanguages()))
        InstallLanguage(app, *language);
}

}  // namespace crumbleton
