#include "colour_window.h"

#include <QCoreApplication>
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
    //: Option button, 65 to 105 px wide (some 20 px of it the round mark), default font
    //: (8.25 pt): a colour of the ball, the paddles or the background. The colours are
    //: adjectives of "Ball Colour", "Paddle Colour" and "Background Colour".
    {O::optPink, "optPink", QT_TRANSLATE_NOOP("ColourWindow", "Pink"), Group::Ball, 120, 480, 1215, 255, 14},
    //: Option button, 89 px wide (some 20 px of it the round mark), default font.
    {O::optLightBlue, "optLightBlue", QT_TRANSLATE_NOOP("ColourWindow", "Light Blue"), Group::Ball, 120, 840,
     1335, 375, 13},
    {O::optBlue, "optBlue", QT_TRANSLATE_NOOP("ColourWindow", "Blue"), Group::Ball, 120, 1320, 1095, 255, 10},
    {O::optRed, "optRed", QT_TRANSLATE_NOOP("ColourWindow", "Red"), Group::Ball, 1800, 480, 1215, 255, 12},
    {O::optGreen, "optGreen", QT_TRANSLATE_NOOP("ColourWindow", "Green"), Group::Ball, 1800, 840, 1215, 375,
     11},
    {O::optPurple, "optPurple", QT_TRANSLATE_NOOP("ColourWindow", "Purple"), Group::Ball, 1800, 1320, 1095,
     255, 9},
    {O::optPaddlePink, "optPaddlePink", QT_TRANSLATE_NOOP("ColourWindow", "Pink"), Group::Paddles, 240, 480,
     975, 255, 7},
    //: The same colour as "Light Blue", written without a blank among the paddle colours.
    {O::optPaddleLightBlue, "optPaddleLightBlue", QT_TRANSLATE_NOOP("ColourWindow", "LightBlue"),
     Group::Paddles, 240, 840, 1095, 375, 6},
    {O::optPaddleBlue, "optPaddleBlue", QT_TRANSLATE_NOOP("ColourWindow", "Blue"), Group::Paddles, 240, 1320,
     1095, 375, 3},
    {O::optPAddleRed, "optPAddleRed", QT_TRANSLATE_NOOP("ColourWindow", "Red"), Group::Paddles, 1800, 480,
     1215, 255, 5},
    {O::optPaddleGreen, "optPaddleGreen", QT_TRANSLATE_NOOP("ColourWindow", "Green"), Group::Paddles, 1800,
     840, 1215, 375, 4},
    {O::optPaddlePurple, "optPaddlePurple", QT_TRANSLATE_NOOP("ColourWindow", "Purple"), Group::Paddles, 1800,
     1320, 1215, 375, 2},
    {O::optBackPink, "optBackPink", QT_TRANSLATE_NOOP("ColourWindow", "Pink"), Group::Background, 240, 480,
     1575, 255, 16},
    {O::optBackGreen, "optBackGreen", QT_TRANSLATE_NOOP("ColourWindow", "Green"), Group::Background, 240,
     1080, 1095, 255, 17},
    {O::optBackLightBlue, "optBackLightBlue", QT_TRANSLATE_NOOP("ColourWindow", "Light Blue"),
     Group::Background, 1920, 480, 1455, 315, 18},
    {O::optBackOrange, "optBackOrange", QT_TRANSLATE_NOOP("ColourWindow", "Orange"), Group::Background, 1920,
     1080, 1095, 255, 19},
    {O::optBackPurple, "optBackPurple", QT_TRANSLATE_NOOP("ColourWindow", "Purple"), Group::Background, 3360,
     480, 1215, 315, 20},
    {O::optBackGrey, "optBackGrey", QT_TRANSLATE_NOOP("ColourWindow", "Grey"), Group::Background, 3360, 1080,
     1455, 255, 21},
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

QGroupBox* MakeFrame(FormLayout& layout, QWidget* parent, const char* name, const QString& caption,
                     const QRectF& twips, const Font& font) {
    return layout.add(new QGroupBox(caption, parent), name, twips, font);
}

}  // namespace

ColourWindow::ColourWindow(Toolkit& toolkit, QWidget* parent) : SideScreen(toolkit, Screen::Colours, parent) {
    setObjectName("frmColor");
    //: The colour options' window title: the game's name.
    setWindowTitle(QCoreApplication::translate("ColourWindow", "Crumbleton"));
    //: What a screen reader calls the colour options' window (the title stays the game's name).
    setAccessibleName(QCoreApplication::translate("ColourWindow", "Crumbleton Colour Options"));
    UseButtonFaceBackground(this);
    auto* layout = new FormLayout(this, QRectF(4950, 2310, 7605, 5715), true);

    //: Title of the frame around the whole screen, 497 px wide, 12 pt bold underlined.
    const QString colours = QCoreApplication::translate("ColourWindow", "Colours");
    //: Frame title, 217 px wide, 14.25 pt bold: the ball's colour.
    const QString ball = QCoreApplication::translate("ColourWindow", "Ball Colour");
    //: Frame title, 217 px wide, 14.25 pt bold: the colour of both paddles.
    const QString paddles = QCoreApplication::translate("ColourWindow", "Paddle Colour");
    //: Frame title, 449 px wide, 14.25 pt bold: the colour of the field and the game window.
    const QString background = QCoreApplication::translate("ColourWindow", "Background Colour");
    fraColours = MakeFrame(*layout, this, "fraColours", colours, {120, 0, 7455, 4335},
                           Font{"MS Sans Serif", 12, true, true});
    const std::array<QGroupBox*, 3> groups{
        MakeFrame(*layout, fraColours, "frmBall", ball, {360, 480, 3255, 1815}, kFrameFont),
        MakeFrame(*layout, fraColours, "frmPaddles", paddles, {3840, 480, 3255, 1815}, kFrameFont),
        MakeFrame(*layout, fraColours, "fraBackGround", background, {360, 2520, 6735, 1695}, kFrameFont),
    };

    // Each group is named for what it colours; left alone, a screen reader would
    // call every group by the title of the frame around them.
    for (QGroupBox* group : groups) group->setAccessibleName(group->title());

    // The option buttons and "Back" keep the toolkit's default font, not their frame's.
    for (const OptionLayout& o : kOptions) {
        auto* button = layout->add(new OptionButton(QCoreApplication::translate("ColourWindow", o.caption),
                                                    groups[static_cast<std::size_t>(o.group)]),
                                   o.name, {o.left, o.top, o.width, o.height}, Font{});
        // Each frame's buttons are siblings, so selecting one clears the others
        // of its frame only; none is selected until the player chooses.
        button->setAutoExclusive(true);
        // Three groups offer "Pink": a screen reader tells which group a colour is of.
        button->setAccessibleDescription(groups[static_cast<std::size_t>(o.group)]->title());
        options_[static_cast<std::size_t>(o.option)] = button;
    }

    //: Button, 89 x 41 px, default font (8.25 pt): back to the start menu.
    QPushButton* back = makeBackButton(*layout, QCoreApplication::translate("ColourWindow", "Back"),
                                       {5760, 4800, 1335, 615}, Font{});

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
