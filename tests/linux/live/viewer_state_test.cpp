#include "linux/live/viewer_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv::live {
namespace {

struct Steps {
    const char* name;
    ViewerState start;
    std::vector<Action> actions;
    int style;
    int scheme;
    bool clear;
    int styleCounter;
};

ViewerState at(int style, int scheme, bool clear = true, int counter = 0) {
    ViewerState state;
    state.draw.style = style;
    state.draw.scheme = scheme;
    state.draw.clear = clear;
    state.styleCounter = counter;
    return state;
}

const Steps kSteps[] = {
    {"next style wraps", at(24, 3), {Action::NextStyle}, 0, 3, true, 0},
    {"previous style wraps", at(0, 3), {Action::PreviousStyle}, 24, 3, true, 0},
    {"schemes wrap both ways",
     at(0, 14),
     {Action::NextScheme, Action::NextScheme, Action::PreviousScheme, Action::PreviousScheme,
      Action::PreviousScheme},
     0,
     13,
     true,
     0},
    {"the sweeping style takes its scheme and stops clearing",
     at(21, 3),
     {Action::NextStyle},
     22,
     9,
     false,
     0},
    {"leaving it clears again but keeps the scheme",
     at(21, 3),
     {Action::NextStyle, Action::NextStyle},
     23,
     9,
     true,
     0},
    {"clicks step their own counter, not the style", at(10, 3), {Action::ClickLeft}, 1, 3, true, 1},
    {"a right click from 0 wraps to 24", at(0, 3), {Action::ClickRight}, 24, 3, true, 24},
    {"a left click from 24 wraps to 0", at(5, 3, true, 24), {Action::ClickLeft}, 0, 3, true, 0},
    {"the middle button undoes a key's choice",
     at(0, 3, true, 7),
     {Action::NextStyle, Action::ClickMiddle},
     7,
     3,
     true,
     7},
    {"a click reaching the sweeping style switches as the list does",
     at(0, 3, true, 21),
     {Action::ClickLeft},
     22,
     9,
     false,
     22},
    {"clear toggles without touching the style", at(4, 3), {Action::Clear}, 4, 3, false, 0},
    {"a style chosen ticks clear again",
     at(4, 3),
     {Action::Clear, Action::NextStyle},
     5,
     3,
     true,
     0},
};

class ViewerSteps : public ::testing::TestWithParam<Steps> {};

TEST_P(ViewerSteps, ChangeTheDrawingAsTheProgramsControlsDo) {
    ViewerState state = GetParam().start;
    for (const Action action : GetParam().actions) {
        state.apply(action);
    }
    EXPECT_EQ(state.draw.style, GetParam().style) << GetParam().name;
    EXPECT_EQ(state.draw.scheme, GetParam().scheme) << GetParam().name;
    EXPECT_EQ(state.draw.clear, GetParam().clear) << GetParam().name;
    EXPECT_EQ(state.styleCounter, GetParam().styleCounter) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Actions, ViewerSteps, ::testing::ValuesIn(kSteps));

}  // namespace
}  // namespace orv::live
