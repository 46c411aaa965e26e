#include "linux/live/key_bindings.h"

#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include <set>

namespace orv::live {
namespace {

TEST(KeyBindings, NoKeyIsBoundTwice) {
    std::set<SDL_Keycode> seen;
    for (const KeyBinding& binding : keyBindings()) {
        for (const SDL_Keycode key : binding.keys) {
            if (key != SDLK_UNKNOWN) {
                EXPECT_TRUE(seen.insert(key).second) << SDL_GetKeyName(key);
                EXPECT_EQ(actionForKey(key), binding.action) << SDL_GetKeyName(key);
            }
        }
    }
    EXPECT_EQ(actionForKey(SDLK_UNKNOWN), std::nullopt);
    EXPECT_EQ(actionForKey(SDLK_z), std::nullopt);
}

TEST(KeyBindings, TheHelpPageFitsThePaneAndNamesEveryKey) {
    constexpr std::size_t kColumns = 260 / 8 - 1;  // glyphs are 8 pixels wide, one column margin
    constexpr std::size_t kRows = 260 / 15 - 1;    // and 15 high, one line margin
    const std::vector<std::string> lines = helpLines();
    EXPECT_LE(lines.size(), kRows);
    std::string all;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), kColumns) << line;
        all += line + "\n";
    }
    for (const KeyBinding& binding : keyBindings()) {
        for (const SDL_Keycode key : binding.keys) {
            if (key != SDLK_UNKNOWN) {
                EXPECT_NE(all.find(SDL_GetKeyName(key)), std::string::npos) << all;
            }
        }
    }
}

}  // namespace
}  // namespace orv::live
