// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Recorders that stand in for the windows in tests: an I/O panel that remembers what it shows,
// and message boxes that remember what they said and answer from a script.

#include "platform/Platform.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace rungbox::platform {

/// A box style in words, as transcripts and failure messages show it: the buttons, and the icon
/// after a "+" when there is one ("ok", "ok+critical", "yes-no-cancel+question").
inline std::string styleName(BoxStyle style) {
    std::string name = style.buttons == BoxButtons::Ok      ? "ok"
                       : style.buttons == BoxButtons::YesNo ? "yes-no"
                                                            : "yes-no-cancel";
    switch (style.icon) {
    case BoxIcon::Critical:
        return name + "+critical";
    case BoxIcon::Question:
        return name + "+question";
    case BoxIcon::Exclamation:
        return name + "+exclamation";
    case BoxIcon::None:
        break;
    }
    return name;
}

inline std::ostream& operator<<(std::ostream& os, BoxStyle style) {
    return os << styleName(style);
}

} // namespace rungbox::platform

namespace rungbox::test {

class RecordingPanel : public engine::IoPanel {
public:
    std::uint16_t switches = 0;
    std::array<bool, 16> inputLamp{};
    std::array<bool, 16> outputLamp{};
    std::array<std::string, 8> timerDisplay{};
    std::array<std::string, 8> counterDisplay{};
    bool runLamp = false;
    int lampCalls = 0;    ///< input and output lamp calls together
    int displayCalls = 0; ///< timer and counter display calls together

    void setSwitch(int n, bool on) {
        switches = static_cast<std::uint16_t>(on ? switches | (1U << n) : switches & ~(1U << n));
    }

    std::uint16_t inputSwitches() const override { return switches; }
    void uncheckInputSwitch(int n) override { setSwitch(n, false); }
    void setInputLamp(int n, bool on) override {
        inputLamp[static_cast<std::size_t>(n)] = on;
        ++lampCalls;
    }
    void setOutputLamp(int n, bool on) override {
        outputLamp[static_cast<std::size_t>(n)] = on;
        ++lampCalls;
    }
    void setTimerDisplay(int n, std::string_view text) override {
        timerDisplay[static_cast<std::size_t>(n)] = text;
        ++displayCalls;
    }
    void setCounterDisplay(int n, std::string_view text) override {
        counterDisplay[static_cast<std::size_t>(n)] = text;
        ++displayCalls;
    }
    void setRunLamp(bool on) override { runLamp = on; }
};

/// One message box as the user saw it.
struct ShownBox {
    std::string text;
    platform::BoxStyle style;
    std::string title;
};

class RecordingBoxes : public platform::MessageBoxes {
public:
    std::vector<ShownBox> shown;
    /// Answers given in turn; when none is left, Ok for OK boxes and No for questions.
    std::deque<platform::BoxAnswer> answers;

    using platform::MessageBoxes::show;
    platform::BoxAnswer show(const l10n::Text& text, platform::BoxStyle style,
                             const l10n::Text& title) override {
        shown.push_back({l10n::english(text), style, l10n::english(title)});
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return style.buttons == platform::BoxButtons::Ok ? platform::BoxAnswer::Ok
                                                         : platform::BoxAnswer::No;
    }
};

/// A file dialog that answers `path` to every question (nullopt: cancelled) and counts them.
struct ScriptedDialog : platform::FileDialog {
    std::optional<std::string> path;
    int calls = 0;
    std::string suggested; ///< the name the last save question suggested

    std::optional<std::string> askSavePath(std::string_view name, std::string_view) override {
        ++calls;
        suggested = name;
        return path;
    }
    std::optional<std::string> askOpenPath(std::string_view) override {
        ++calls;
        return path;
    }
};

} // namespace rungbox::test
