#pragma once
// A toolkit for driving the rules without a desktop: it records what the game
// asked for and answers with what the test chose.

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "toolkit.h"

namespace crumbleton::testing {

struct ShownMessage {
    std::string text, title;
    MessageIcon icon;
};

class FakeToolkit : public Toolkit {
public:
    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
        messages.push_back({std::string(text), std::string(title), icon});
        calls.push_back("ShowMessage");
        // While the box is "open": lets a test act as the toolkit would meanwhile.
        if (whileMessageOpen) whileMessageOpen();
    }
    void Show(Screen screen) override { calls.push_back("Show " + Name(screen)); }
    void Hide(Screen screen) override { calls.push_back("Hide " + Name(screen)); }
    void Quit() override { calls.push_back("Quit"); }
    void Reseed() override { calls.push_back("Reseed"); }
    float RandomFraction() override {
        if (fractions.empty()) return 0.5f;
        const float r = fractions.front();
        fractions.pop_front();
        return r;
    }
    bool OptionValue(ColourOption option) override { return selected.count(option) > 0; }

    static std::string Name(Screen screen) {
        switch (screen) {
            case Screen::Start:
                return "Start";
            case Screen::Instructions:
                return "Instructions";
            case Screen::Colours:
                return "Colours";
            case Screen::Game:
                return "Game";
        }
        return "?";
    }

    std::vector<std::string> calls;
    std::vector<ShownMessage> messages;
    std::deque<float> fractions;  // what RandomFraction returns next; 0.5 when empty
    std::set<ColourOption> selected;
    std::function<void()> whileMessageOpen;
};

}  // namespace crumbleton::testing
