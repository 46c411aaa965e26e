#pragma once

#include <SDL_keycode.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "linux/live/viewer_state.h"

namespace orv::live {

struct KeyBinding {
    Action action;
    std::array<SDL_Keycode, 2> keys;  // SDLK_UNKNOWN where there is no second key
    // The help line's text; empty: the keys join the line above.
    std::string_view help;
};

// Every key the window answers, in the order the help lists them.
std::span<const KeyBinding> keyBindings();

std::optional<Action> actionForKey(SDL_Keycode key);
// SDL's button numbers: 1 left, 2 middle, 3 right.
std::optional<Action> actionForButton(std::uint8_t button);

// The help page: a line per binding, the keys' names first.
std::vector<std::string> helpLines();

}  // namespace orv::live
