#include "engine/drawing/block_drawing.h"

#include <array>
#include <utility>

#include "engine/drawing/style_choice.h"
#include "engine/drawing/styles.h"

namespace orv::drawing {
namespace {

constexpr double kAngleStep = 0.05;

}  // namespace

BlockDrawing::BlockDrawing(Canvas& pane, const CustomColours& colours)
    : pane_(pane), levels_(colours) {}

void BlockDrawing::draw(const Block& block, const DrawSettings& settings) {
    // With the settings fixed for the block, a stroke the same level paints again later is
    // left out: the rings of a loud block are drawn several times fewer.
    DrawnOver drawnOver{};
    if (strokeIsTheLevels(settings.style)) {
        std::array<bool, 256> seen{};
        for (int i = kSamplesDrawn - 1; i >= 0; --i) {
            const std::uint8_t level = block[static_cast<std::size_t>(i)];
            drawnOver[static_cast<std::size_t>(i)] = std::exchange(seen[level], true);
        }
    }
    drawWith(
        block, [&settings] { return settings; }, drawnOver);
}

void BlockDrawing::draw(const Block& block, const DrawSettingsSource& settings) {
    drawWith(
        block, [&settings] { return settings.drawSettings(); }, DrawnOver{});
}

void BlockDrawing::reportOverRange(std::function<void(int level)> report) {
    levels_.reportOverRange = std::move(report);
}

template <typename Settings>
void BlockDrawing::drawWith(const Block& block, const Settings& settingsNow,
                            const DrawnOver& drawnOver) {
    if (settingsNow().clear) pane_.cls();
    StyleContext context{pane_, levels_, SweepColumn, 0};
    double angle = 0;
    for (std::int16_t i = 0; i < kSamplesDrawn; ++i) {
        const auto v = static_cast<std::int16_t>(block[static_cast<std::size_t>(i)]);
        // The polar point turns by -0.05 a sample at half the level from the centre. The level's
        // own term is 3.14159, not pi, times 4: a whole number of turns less a hair per level.
        angle -= kAngleStep;
        if (drawnOver[static_cast<std::size_t>(i)]) continue;
        const DrawSettings now = settingsNow();
        pane_.setDrawWidth(now.penWidth);
        context.scheme = now.scheme;
        if (now.style >= 0 && now.style < kStyleCount) {
            styles()[static_cast<std::size_t>(now.style)](
                context, Sample{i, v, angle + v * 3.14159 * 4, v / 2.0});
        }
    }
}

}  // namespace orv::drawing
