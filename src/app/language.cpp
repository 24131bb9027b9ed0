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

std::optional<QString> ChooseLanguage(const QStringList& preferred) {
    for (const QString& name : preferred) {
        const QLocale locale(name);
        // English is the game's own: it ends the search, as would a language found.
        // "C" and "POSIX" ask for no language, and so for English too.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) return std::nullopt;
        // The translator tries the name, then shorter forms of it (de_AT, then de).
        QTranslator probe;
        if (probe.load(locale, "crumbleton", "_", kGameTranslations)) return probe.language();
    }
    return std::nullopt;
}

bool InstallLanguage(QCoreApplication& app, const QString& language) {
    auto* game = new QTranslator(&app);
    if (!game->load("crumbleton_" + language, kGameTranslations)) {
        delete game;
        return false;
    }
    QCoreApplication::installTranslator(game);
    // Qt's own texts, the "OK" of a message box among them, where the desktop has them.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(language), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

void InstallDesktopLanguage(QCoreApplication& app) {
    if (const std::optional<QString> language = ChooseLanguage(QLocale::system().uiLanguages()))
        InstallLanguage(app, *language);
}

}  // namespace crumbleton
