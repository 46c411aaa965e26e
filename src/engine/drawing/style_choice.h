#pragma once

#include <optional>

namespace orv::drawing {

// Every program offers the same lists: 25 styles and 15 colour schemes.
inline constexpr int kStyleCount = 25;
inline constexpr int kSchemeCount = 15;

// What choosing a style brings with it: every style starts its blocks on a cleared pane except
// the sweeping one, which builds up its columns in the scheme made for it.
struct StyleImplies {
    bool clear = true;
    std::optional<int> scheme;
};
StyleImplies impliedBy(int style);

// One step (+1 or -1) through a list of `count` entries: past the last to the first, below the
// first to the last, however far past. The keys that step through styles and schemes, and the
// pane's click counter (left up, right down), all step so.
int stepWrapping(int index, int step, int count);

}  // namespace orv::drawing
