// The real windows need a QApplication; the platform is offscreen unless the
// environment chose another.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>

#include "desktop.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each monitor's scale, comma-separated: the variable's own separator, ';', does
    // not survive a CMake list.
    constexpr const char* kScales = "--screen-scale-factors=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kScales, std::strlen(kScales)) == 0)
            qputenv("QT_SCREEN_SCALE_FACTORS", QByteArray(argv[i] + std::strlen(kScales)).replace(',', ';'));
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    crumbleton::InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
