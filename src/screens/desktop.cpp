#include "desktop.h"

#include <cmath>

namespace crumbleton {

void InstallFontSubstitutes() {
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Californian FB", {"Linux Libertine O", "Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Bell MT", {"Linux Libertine O", "Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Garamond", {"EB Garamond", "EB Garamond 12", "Liberation Serif"});
}

QColor ToQColor(Colour colour, const QPalette& palette) {
    switch (colour) {
        case kButtonFace:
            return palette.color(QPalette::Active, QPalette::Button);
        case kActiveTitleBarText:
            return palette.color(QPalette::Active, QPalette::HighlightedText);
        case kWindowText:
            return palette.color(QPalette::Active, QPalette::WindowText);
        case kButtonText:
            return palette.color(QPalette::Active, QPalette::ButtonText);
        default:
            return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                          static_cast<int>((colour >> 16) & 0xFF));
    }
}

QFont ToQFont(const Font& font) {
    QFont f(QString::fromStdString(font.Name));
    // Points at the 96 dpi of the layout, so text keeps its size on any desktop.
    f.setPixelSize(static_cast<int>(std::lround(font.Size * 96.0 / 72.0)));
    f.setBold(font.Bold);
    f.setUnderline(font.Underline);
    return f;
}

}  // namespace crumbleton
