#include <QApplication>

#include "desktop.h"
#include "navigator.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Crumbleton");
    crumbleton::InstallFontSubstitutes();

    crumbleton::Navigator navigator;
    navigator.Show(crumbleton::Screen::Game);
    return QApplication::exec();
}
