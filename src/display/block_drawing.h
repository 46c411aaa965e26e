#pragma once

#include <array>
#include <cstdint>

#include "display/canvas.h"
#include "display/level_colours.h"
#include "forms/check_box.h"
#include "forms/combo_box.h"

namespace orv::display {

// Draws one block of samples onto the pane in the style selected in the style list.
class FrameRenderer {
  public:
    static constexpr int kStyles = 25;
    static constexpr int kSamplesDrawn = 255;  // the last byte of a block is never drawn

    using Block = std::array<std::uint8_t, 256>;

    FrameRenderer(const forms::ComboBox& cmbStyle, const forms::CheckBox& chkCLS,
                  LevelColours& levelColours, Canvas& pane, const Block& SampleBuffer);

    // Clears the pane first when the clear option is ticked, then draws samples 0..254. The
    // style is read anew for every sample; an index outside the styles draws nothing.
    void DrawFrame();

    // The column of the sweeping style: it steps once a block and wraps from 255 to 0. It lives
    // as long as the renderer; nothing else resets it.
    std::int16_t SweepColumn = 0;

  private:
    const forms::ComboBox& cmbStyle_;
    const forms::CheckBox& chkCLS_;
    LevelColours& levelColours_;
    Canvas& pane_;
    const Block& sampleBuffer_;
};

}  // namespace orv::display
