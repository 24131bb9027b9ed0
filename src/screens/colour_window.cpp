#include "colour_window.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "desktop.h"
#include "form_layout.h"

namespace crumbleton {

namespace {

enum class Group { Ball, Paddles, Background };

struct OptionLayout {
    ColourOption option;
    const char* name;
    const char* caption;
    Group group;
    float left, top, width, height;
    int tabIndex;
};

using O = ColourOption;

// In ColourOption order, so that the table's index is the option's.
constexpr OptionLayout kOptions[] = {
    {O::optPink, "optPink", "Pink", Group::Ball, 120, 480, 1215, 255, 14},
    {O::optLightBlue, "optLightBlue", "Light Blue", Group::Ball, 120, 840, 1335, 375, 13},
    {O::optBlue, "optBlue", "Blue", Group::Ball, 120, 1320, 1095, 255, 10},
    {O::optRed, "optRed", "Red", Group::Ball, 1800, 480, 1215, 255, 12},
    {O::optGreen, "optGreen", "Green", Group::Ball, 1800, 840, 1215, 375, 11},
    {O::optPurple, "optPurple", "Purple", Group::Ball, 1800, 1320, 1095, 255, 9},
    {O::optPaddlePink, "optPaddlePink", "Pink", Group::Paddles, 240, 480, 975, 255, 7},
    {O::optPaddleLightBlue, "optPaddleLightBlue", "LightBlue", Group::Paddles, 240, 840, 1095, 375, 6},
    {O::optPaddleBlue, "optPaddleBlue", "Blue", Group::Paddles, 240, 1320, 1095, 375, 3},
    {O::optPAddleRed, "optPAddleRed", "Red", Group::Paddles, 1800, 480, 1215, 255, 5},
    {O::optPaddleGreen, "optPaddleGreen", "Green", Group::Paddles, 1800, 840, 1215, 375, 4},
    {O::optPaddlePurple, "optPaddlePurple", "Purple", Group::Paddles, 1800, 1320, 1215, 375, 2},
    {O::optBackPink, "optBackPink", "Pink", Group::Background, 240, 480, 1575, 255, 16},
    {O::optBackGreen, "optBackGreen", "Green", Group::Background, 240, 1080, 1095, 255, 17},
    {O::optBackLightBlue, "optBackLightBlue", "Light Blue", Group::Background, 1920, 480, 1455, 315, 18},
    {O::optBackOrange, "optBackOrange", "Orange", Group::Background, 1920, 1080, 1095, 255, 19},
    {O::optBackPurple, "optBackPurple", "Purple", Group::Background, 3360, 480, 1215, 315, 20},
    {O::optBackGrey, "optBackGrey", "Grey", Group::Background, 3360, 1080, 1455, 255, 21},
};

constexpr bool InOptionOrder() {
    for (std::size_t i = 0; i < std::size(kOptions); ++i)
        if (static_cast<std::size_t>(kOptions[i].option) != i) return false;
    return true;
}
static_assert(InOptionOrder() && std::size(kOptions) == kColourOptionCount);

// An option button that takes a click anywhere on its control, not only on its
// circle and caption: the controls are laid out wider than their captions.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

const Font kFrameFont{"Californian FB", 14.25f, true, false};

QGroupBox* MakeFrame(FormLayout& layout, QWidget* parent, const char* name, const char* caption,
                     const QRectF& twips, const Font& font) {
    return layout.add(new QGroupBox(caption, parent), name, twips, font);
}

}  // namespace

ColourWindow::ColourWindow(Toolkit& toolkit, QWidget* parent) : SideScreen(toolkit, Screen::Colours, parent) {
    setObjectName("frmColor");
    setWindowTitle("Crumbleton");
    UseButtonFaceBackground(this);
    auto* layout = new FormLayout(this, QRectF(4950, 2310, 7605, 5715), true);

    fraColours = MakeFrame(*layout, this, "fraColours", "Colours", {120, 0, 7455, 4335},
                           Font{"MS Sans Serif", 12, true, true});
    const std::array<QGroupBox*, 3> groups{
        MakeFrame(*layout, fraColours, "frmBall", "Ball Colour", {360, 480, 3255, 1815}, kFrameFont),
        MakeFrame(*layout, fraColours, "frmPaddles", "Paddle Colour", {3840, 480, 3255, 1815}, kFrameFont),
        MakeFrame(*layout, fraColours, "fraBackGround", "Background Colour", {360, 2520, 6735, 1695},
                  kFrameFont),
    };

    // The option buttons and "Back" keep the toolkit's default font, not their frame's.
    for (const OptionLayout& o : kOptions) {
        auto* button = layout->add(new OptionButton(o.caption, groups[static_cast<std::size_t>(o.group)]),
                                   o.name, {o.left, o.top, o.width, o.height}, Font{});
        // Each frame's buttons are siblings, so selecting one clears the others
        // of its frame only; none is selected until the player chooses.
        button->setAutoExclusive(true);
        options_[static_cast<std::size_t>(o.option)] = button;
    }

    QPushButton* back = makeBackButton(*layout, {5760, 4800, 1335, 615}, Font{});

    std::array<const OptionLayout*, std::size(kOptions)> byTab{};
    std::transform(std::begin(kOptions), std::end(kOptions), byTab.begin(), [](const auto& o) { return &o; });
    std::sort(byTab.begin(), byTab.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const OptionLayout* o : byTab) {
        QWidget* next = options_[static_cast<std::size_t>(o->option)];
        if (previous) setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, back);
    layout->fit();
}

bool ColourWindow::isSelected(ColourOption o) const { return option(o)->isChecked(); }

QRadioButton* ColourWindow::option(ColourOption o) const { return options_.at(static_cast<std::size_t>(o)); }

}  // namespace crumbleton
