#include "engine/drawing/style_choice.h"

namespace orv::drawing {
namespace {

constexpr int kSweepingStyle = 22;
constexpr int kSweepingScheme = 9;

}  // namespace

StyleImplies impliedBy(int style) {
    if (style == kSweepingStyle) return {.clear = false, .scheme = kSweepingScheme};
    return {};
}

int stepWrapping(int index, int step, int count) {
    const int next = index + step;
    if (next >= count) return 0;
    if (next < 0) return count - 1;
    return next;
}

}  // namespace orv::drawing
