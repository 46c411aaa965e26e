#include "display/frame_renderer.h"

#include "display/styles.h"

namespace orv::display {
namespace {

constexpr double kAngleStep = 0.05;

}  // namespace

FrameRenderer::FrameRenderer(const forms::ComboBox& cmbStyle, const forms::CheckBox& chkCLS,
                             LevelColours& levelColours, Canvas& pane, const Block& SampleBuffer)
    : cmbStyle_(cmbStyle),
      chkCLS_(chkCLS),
      levelColours_(levelColours),
      pane_(pane),
      sampleBuffer_(SampleBuffer) {}

void FrameRenderer::DrawFrame() {
    if (chkCLS_.value() == 1) pane_.cls();
    StyleContext context{pane_, levelColours_, SweepColumn};
    double angle = 0;
    for (std::int16_t i = 0; i < kSamplesDrawn; ++i) {
        const auto v = static_cast<std::int16_t>(sampleBuffer_[static_cast<std::size_t>(i)]);
        // The polar point turns by -0.05 a sample at half the level from the centre. The level's
        // own term is 3.14159, not pi, times 4: a whole number of turns less a hair per level.
        angle -= kAngleStep;
        // Read for every sample: a stroke's colour may show a message box whose event pump
        // lets the user choose another style.
        const int style = cmbStyle_.listIndex();
        if (style >= 0 && style < kStyles) {
            styles()[static_cast<std::size_t>(style)](
                context, Sample{i, v, angle + v * 3.14159 * 4, v / 2.0});
        }
    }
}

}  // namespace orv::display
