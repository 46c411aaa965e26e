#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "engine/blocks/sound_block.h"
#include "engine/drawing/canvas.h"
#include "engine/drawing/custom_colours.h"
#include "engine/drawing/level_colours.h"

namespace orv::drawing {

using blocks::Block;

// What a block is drawn with.
struct DrawSettings {
    int style = 0;      // index of the style list, 0..24 (outside: draws nothing)
    int scheme = 0;     // index of the colour list, 0..14 (11..14 are the four user schemes)
    bool clear = true;  // clear the pane before the block
    int penWidth = 1;   // 1..4
};

// Settings that can change while a block is drawn: a message box's event pump lets the user
// choose another style, say. The drawing asks again for every sample.
class DrawSettingsSource {
  public:
    virtual ~DrawSettingsSource() = default;
    virtual DrawSettings drawSettings() const = 0;
};

// Draws blocks onto one pane, exactly as the Windows program's pane gets them; keeps the state
// that lives across blocks (the sweeping style's column). Allocates nothing per block.
class BlockDrawing {
  public:
    static constexpr int kSamplesDrawn = 255;  // the last byte of a block is never drawn

    BlockDrawing(Canvas& pane, const CustomColours& colours);

    // Clears the pane first when the settings say so, then draws samples 0..254.
    void draw(const Block& block, const DrawSettings& settings);
    // The same with settings read anew for every sample: a change made meanwhile applies from
    // the next sample on.
    void draw(const Block& block, const DrawSettingsSource& settings);

    // Told of a level above 256 (none of an 8-bit block reaches it). May be empty.
    void reportOverRange(std::function<void(int level)> report);

    // The column of the sweeping style: it steps once a block and wraps from 255 to 0. It lives
    // as long as the drawing; nothing else resets it.
    std::int16_t SweepColumn = 0;

  private:
    // The samples whose stroke a later one paints over wholly, left out.
    using DrawnOver = std::array<bool, kSamplesDrawn>;
    template <typename Settings>
    void drawWith(const Block& block, const Settings& settingsNow, const DrawnOver& drawnOver);

    Canvas& pane_;
    LevelColours levels_;
};

}  // namespace orv::drawing
