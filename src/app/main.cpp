#include <QApplication>
#include <QIcon>

#include "desktop.h"
#include "language.h"
#include "navigator.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Crumbleton");
    QApplication::setWindowIcon(QIcon(":/pictures/app_icon.svg"));
    // Wayland desktops find the entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName("org.crumbleton.crumbleton");
    crumbleton::InstallFontSubstitutes();
    crumbleton::InstallDesktopLanguage(app);

    crumbleton::Navigator navigator;
    navigator.Show(crumbleton::Screen::Start);
    return QApplication::exec();
}
