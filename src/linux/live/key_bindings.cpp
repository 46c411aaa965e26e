#include "linux/live/key_bindings.h"

#include <SDL_keyboard.h>
#include <SDL_mouse.h>

#include <algorithm>

namespace orv::live {

namespace {

constexpr std::array kBindings{
    KeyBinding{Action::NextStyle, {SDLK_RIGHT, SDLK_n}, "next style"},
    KeyBinding{Action::PreviousStyle, {SDLK_LEFT, SDLK_b}, "previous style"},
    KeyBinding{Action::NextScheme, {SDLK_UP, SDLK_s}, "next scheme"},
    KeyBinding{Action::PreviousScheme, {SDLK_DOWN, SDLK_a}, "previous scheme"},
    KeyBinding{Action::PenWidth1, {SDLK_1, SDLK_UNKNOWN}, "pen width"},
    KeyBinding{Action::PenWidth2, {SDLK_2, SDLK_UNKNOWN}, ""},
    KeyBinding{Action::PenWidth3, {SDLK_3, SDLK_UNKNOWN}, ""},
    KeyBinding{Action::PenWidth4, {SDLK_4, SDLK_UNKNOWN}, ""},
    KeyBinding{Action::Grid, {SDLK_g, SDLK_UNKNOWN}, "grid"},
    KeyBinding{Action::Clear, {SDLK_c, SDLK_UNKNOWN}, "clear before blocks"},
    KeyBinding{Action::Pause, {SDLK_SPACE, SDLK_p}, "pause"},
    KeyBinding{Action::OnTop, {SDLK_t, SDLK_UNKNOWN}, "always on top"},
    KeyBinding{Action::FullScreen, {SDLK_f, SDLK_F11}, "full screen"},
    KeyBinding{Action::Help, {SDLK_h, SDLK_F1}, "this help"},
    KeyBinding{Action::Back, {SDLK_ESCAPE, SDLK_UNKNOWN}, "back"},
    KeyBinding{Action::Quit, {SDLK_q, SDLK_UNKNOWN}, "quit"},
};

struct ButtonBinding {
    std::uint8_t button;
    Action action;
};

constexpr std::array kButtons{
    ButtonBinding{SDL_BUTTON_LEFT, Action::ClickLeft},
    ButtonBinding{SDL_BUTTON_RIGHT, Action::ClickRight},
    ButtonBinding{SDL_BUTTON_MIDDLE, Action::ClickMiddle},
};

constexpr std::size_t kKeyColumn = 11;  // the widest keys ("Escape", "Space P") and a gap

}  // namespace

std::span<const KeyBinding> keyBindings() {
    return kBindings;
}

std::optional<Action> actionForKey(SDL_Keycode key) {
    const auto* found = std::find_if(kBindings.begin(), kBindings.end(), [key](const auto& b) {
        return key != SDLK_UNKNOWN && std::ranges::find(b.keys, key) != b.keys.end();
    });
    return found != kBindings.end() ? std::optional(found->action) : std::nullopt;
}

std::optional<Action> actionForButton(std::uint8_t button) {
    const auto* found = std::find_if(kButtons.begin(), kButtons.end(),
                                     [button](const auto& b) { return b.button == button; });
    return found != kButtons.end() ? std::optional(found->action) : std::nullopt;
}

std::vector<std::string> helpLines() {
    std::vector<std::string> lines{"Keys of orvanta2-live"};
    std::vector<std::string> keys;
    const auto finishLine = [&](std::string_view help) {
        std::string line;
        for (const std::string& key : keys) {
            line += (line.empty() ? "" : " ") + key;
        }
        line.resize(std::max(line.size() + 1, kKeyColumn), ' ');
        lines.push_back(line + std::string(help));
        keys.clear();
    };
    std::string_view help;
    for (const KeyBinding& binding : kBindings) {
        if (!binding.help.empty() && !keys.empty()) {
            finishLine(help);
        }
        if (!binding.help.empty()) {
            help = binding.help;
        }
        for (const SDL_Keycode key : binding.keys) {
            if (key != SDLK_UNKNOWN) {
                keys.emplace_back(SDL_GetKeyName(key));
            }
        }
    }
    finishLine(help);
    lines.emplace_back("Clicks     left/right: style");
    return lines;
}

}  // namespace orv::live
