#pragma once

#include <functional>

#include "engine/drawing/custom_colours.h"

namespace orv::drawing {

// Turns a sample's level into the colour it is drawn in under one entry of the colour list.
class LevelColours {
  public:
    explicit LevelColours(const CustomColours& customColours) : customColours_(customColours) {}

    // scheme: the entry of the colour list. A level above 256 is reported and painted black (no
    // 8-bit sample reaches it). An entry outside the list, or a level in none of the scheme's
    // bands (0 or below), is black too.
    Colour LevelColor(int level, int scheme) const;

    // Told of a level above 256; the main window shows it in a message box. May be empty.
    std::function<void(int level)> reportOverRange;

  private:
    const CustomColours& customColours_;
};

}  // namespace orv::drawing
