#include "desktop.h"

#include <algorithm>
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

namespace {

// The contrast the guidelines ask of normal text.
constexpr double kReadableContrast = 4.5;

double RelativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& background, const QColor& wanted) {
    if (ContrastRatio(wanted, background) >= kReadableContrast) return wanted;
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

QColor TextColour(Colour text, Colour background, const QPalette& palette) {
    const QColor wanted = ToQColor(text, palette);
    if (IsDesktopColour(text) && IsDesktopColour(background)) return wanted;
    return ReadableOn(ToQColor(background, palette), wanted);
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
