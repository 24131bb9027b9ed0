// The real windows need a QApplication; the platform is offscreen unless the
// environment chose another.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    crumbleton::InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
