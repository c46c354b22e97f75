// A recording stand-in for the anagram game's windows, for the handler and engine tests.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/testing/fake_close.h"
#include "common/time_allowed.h"
#include "scrambolo/window/game_commands.h"
#include "scrambolo/window/game_window.h"
#include "scrambolo/window/window_layout.h"

namespace scrambolo::testing {

class FakeGameWindow : public common::testing::FakeClose<GameWindow> {
public:
    struct Placement {
        int left = -1;
        int top = -1;
        int width = -1;
    };

    std::array<std::string, 7> captions{kButtonCaption, kButtonCaption, kButtonCaption, kButtonCaption,
                                        kButtonCaption, kButtonCaption, kButtonCaption};
    std::array<bool, 7> shown{true, true, true, true, true, true, true};
    std::array<Placement, 7> placements{};
    int focused = 0;  // 0: no letter button has the focus
    // Runs when the focus arrives on a button from elsewhere, as the real focus event does.
    std::function<void(int)> onFocus;

    int outerWidth = 0;
    Placement clockLabel{kLblTime.left, kLblTime.top, kLblTime.width};
    bool mainShown = false;
    std::string clockText = kLblTimeCaption;
    std::vector<std::string> clockTexts;  // every caption the clock label was given
    std::string windowCaption = kMainCaption;
    int captionWrites = 0;
    bool timerOn = false;
    int timerInterval = 0;                                  // what the timer last counted
    std::map<int, bool> checks;                             // every menu item's check mark, by its id
    std::optional<common::TimeAllowedSetting> timeChecked;  // the checked "Time Allowed" item

    bool hintExists = false;
    bool hintShown = false;
    std::string hintText;
    int hintWindowsCreated = 0;
    int hintActivations = 0;

    int callsAfterClose = 0;  // anything asked of the windows after the main window was destroyed

    std::string Row() const {
        std::string row;
        for (int i = 1; i <= 6 && shown[static_cast<std::size_t>(i)]; ++i) {
            row += captions[static_cast<std::size_t>(i)];
        }
        return row;
    }
    int ShownLetterButtons() const {
        int count = 0;
        for (int i = 1; i <= 6; ++i) {
            count += shown[static_cast<std::size_t>(i)] ? 1 : 0;
        }
        return count;
    }

    void SetButtonCaption(int index, const std::string& caption) override {
        Touch();
        captions.at(static_cast<std::size_t>(index)) = caption;
    }
    void SetButtonShown(int index, bool isShown) override {
        Touch();
        shown.at(static_cast<std::size_t>(index)) = isShown;
    }
    void FocusButton(int index) override {
        Touch();
        if (focused != index) {
            focused = index;
            if (onFocus) {
                onFocus(index);
            }
        }
    }
    std::string ButtonCaption(int index) override {
        Touch();
        return captions.at(static_cast<std::size_t>(index));
    }
    void PlaceButton(int index, int left, int top, int width) override {
        Touch();
        placements.at(static_cast<std::size_t>(index)) = {left, top, width};
    }
    void SetOuterWidth(int width) override {
        Touch();
        outerWidth = width;
    }
    void PlaceClockLabel(int left, int top) override {
        Touch();
        clockLabel.left = left;
        clockLabel.top = top;
    }
    void ShowMainWindow() override {
        Touch();
        mainShown = true;
    }
    void SetClockText(const std::string& text) override {
        Touch();
        clockText = text;
        clockTexts.push_back(text);
    }
    std::string ClockText() override {
        Touch();
        return clockText;
    }
    void SetWindowCaption(const std::string& text) override {
        Touch();
        windowCaption = text;
        ++captionWrites;
    }
    void StartTimer(int milliseconds) override {
        Touch();
        timerOn = true;
        timerInterval = milliseconds;
    }
    void StopTimer() override {
        Touch();
        timerOn = false;
    }
    void SetMenuCheck(int item, bool checked) override {
        Touch();
        checks[item] = checked;
        for (const common::TimeAllowedSetting setting : common::kTimeAllowedSettings) {
            if (checked && item == common::TimeAllowedCommand(setting)) {
                timeChecked = setting;
            }
        }
    }
    bool HintWindowExists() override {
        Touch();
        return hintExists;
    }
    void CreateHintWindow() override {
        Touch();
        hintExists = true;
        hintShown = false;
        hintText = kText1Caption;
        ++hintWindowsCreated;
    }
    void SetHintText(const std::string& text) override {
        Touch();
        hintText = text;
    }
    void ShowHintWindow() override {
        Touch();
        hintShown = true;
        ++hintActivations;
    }
    void CloseHintWindow() override {
        Touch();
        hintExists = false;
        hintShown = false;
    }

    // The letter-range items checked, in menu order.
    std::vector<int> CheckedItems() const {
        std::vector<int> items;
        for (const int item : command::kLetterRanges) {
            if (const auto found = checks.find(item); found != checks.end() && found->second) {
                items.push_back(item);
            }
        }
        return items;
    }

private:
    void Touch() {
        if (closed) {
            ++callsAfterClose;
        }
    }
};

}  // namespace scrambolo::testing
