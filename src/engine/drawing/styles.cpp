#include "engine/drawing/styles.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "engine/blocks/sound_block.h"

namespace orv::drawing {
namespace {

// Whole-number coordinates are worked out in 16 bits, the rest in double; the pane takes floats.
constexpr float f(double value) {
    return static_cast<float>(value);
}
constexpr std::int16_t i16(int value) {
    return static_cast<std::int16_t>(value);
}

constexpr Colour kBlack = 0;
constexpr Colour kYellow = 0x00FFFF;  // (255, 255, 0)
constexpr Colour kCyan = 0xFFFF00;    // (0, 255, 255)
constexpr double kCentre = 128;

// "Обычный": a bar from the sample down to the bottom edge.
void plain(StyleContext& ctx, const Sample& s) {
    ctx.pane.line(s.i, s.v, s.i, 256, ctx.colourOf(s));
}

// "Осевой": a bar from the sample to the axis.
void axial(StyleContext& ctx, const Sample& s) {
    ctx.pane.line(s.i, s.v, s.i, 128, ctx.colourOf(s));
}

// "Точечный"
void dots(StyleContext& ctx, const Sample& s) {
    ctx.pane.point(s.i, s.v, ctx.colourOf(s));
}

// "Линейный": a connected trace, from wherever the pen is.
void trace(StyleContext& ctx, const Sample& s) {
    ctx.pane.lineTo(s.i, s.v, ctx.colourOf(s));
}

// "Кольца"
void rings(StyleContext& ctx, const Sample& s) {
    ctx.pane.circle(s.i, s.v, 2, ctx.colourOf(s));
}

// "Паралель": two mirrored traces in fixed colours; no level colour at all.
void parallel(StyleContext& ctx, const Sample& s) {
    ctx.pane.point(s.i, f(112 - s.v / 3.0), kYellow);
    ctx.pane.point(s.i, f(144 + s.v / 3.0), kCyan);
}

// "Растяжка": a bar centred on the axis.
void stretch(StyleContext& ctx, const Sample& s) {
    ctx.pane.line(s.i, f(kCentre - s.v / 2.0), s.i, f(kCentre + s.v / 2.0), ctx.colourOf(s));
}

// "Перевёрнутый": a bar from the top edge down to the sample.
void upsideDown(StyleContext& ctx, const Sample& s) {
    ctx.pane.line(s.i, 0, s.i, s.v, ctx.colourOf(s));
}

// "Прямоугольники": each box from the previous corner to the next.
void boxes(StyleContext& ctx, const Sample& s) {
    ctx.pane.boxTo(i16(2 * s.i), s.v, ctx.colourOf(s));
}

// "Вертикально": a trace running down the pane with the value across it.
void vertical(StyleContext& ctx, const Sample& s) {
    ctx.pane.lineTo(s.v, s.i, ctx.colourOf(s));
}

// "Перо"
void quill(StyleContext& ctx, const Sample& s) {
    ctx.pane.line(s.i, 128, i16(s.i + 10), s.v, ctx.colourOf(s));
}

// "Диагональ"
void diagonal(StyleContext& ctx, const Sample& s) {
    ctx.pane.line(s.i, s.v, s.v, s.i, ctx.colourOf(s));
}

// "Басовик": a ring around the centre as wide as the level.
void bass(StyleContext& ctx, const Sample& s) {
    ctx.pane.circle(128, 128, f(s.v / 2.0), ctx.colourOf(s));
}

// "Квадратик": a square shrinking toward the centre as the level rises. Half the level is
// rounded to the even neighbour on a tie (1 gives 0, 3 gives 2, 5 gives 2).
void square(StyleContext& ctx, const Sample& s) {
    const auto h = i16((s.v + ((s.v >> 1) & 1)) >> 1);
    const auto far = i16(256 - h);
    ctx.pane.box(h, h, far, far, ctx.colourOf(s));
}

// "Магия (Точки)"
void magicDots(StyleContext& ctx, const Sample& s) {
    ctx.pane.point(f(kCentre + s.x()), f(kCentre + s.y()), ctx.colourOf(s));
}

// "Магия (Линии)": the first stroke of a block, from wherever the pen is, is black.
void magicLines(StyleContext& ctx, const Sample& s) {
    ctx.pane.lineTo(f(kCentre + s.x()), f(kCentre + s.y()), s.i == 0 ? kBlack : ctx.colourOf(s));
}

// "Колос": spokes from the centre.
void ear(StyleContext& ctx, const Sample& s) {
    ctx.pane.line(128, 128, f(kCentre + s.x()), f(kCentre + s.y()), ctx.colourOf(s));
}

// "Вертик. синусоид": aims far above the pane, so mostly steep strokes from the top. The height
// depends on the sample's place alone, so it is worked out once for all blocks.
void verticalSine(StyleContext& ctx, const Sample& s) {
    static const std::array<float, blocks::kBlockSamples> heights = [] {
        std::array<float, blocks::kBlockSamples> height{};
        for (std::size_t i = 0; i < height.size(); ++i) {
            height[i] = f(-254 * std::cos(static_cast<double>(i) / 30.0));
        }
        return height;
    }();
    ctx.pane.lineTo(s.v, heights[static_cast<std::size_t>(s.i)], ctx.colourOf(s));
}

// "Осилограф": boxes five pixels wide from the axis; only the first 52 or so fit the pane.
void scope(StyleContext& ctx, const Sample& s) {
    ctx.pane.box(i16(5 * s.i), 128, i16(5 * s.i + 5), s.v, ctx.colourOf(s));
}

// "Осилограф (Амп)": the same boxes filled.
void scopeFilled(StyleContext& ctx, const Sample& s) {
    ctx.pane.filledBox(i16(5 * s.i), 128, i16(5 * s.i + 5), s.v, ctx.colourOf(s));
}

// "Блеск"
void shine(StyleContext& ctx, const Sample& s) {
    ctx.pane.line(128, 128, s.v, s.i, ctx.colourOf(s));
}

// "Millenium": boxes chained corner to corner along the polar points; the first one black.
void millennium(StyleContext& ctx, const Sample& s) {
    ctx.pane.boxTo(f(kCentre + s.x()), f(kCentre + s.y()), s.i == 0 ? kBlack : ctx.colourOf(s));
}

// "Щелк": one column a block, built up block after block. The column steps before the block's
// last sample, so that sample opens the next column.
void sweep(StyleContext& ctx, const Sample& s) {
    if (s.i == 254) ++ctx.sweepColumn;
    if (ctx.sweepColumn > 255) ctx.sweepColumn = 0;
    ctx.pane.point(ctx.sweepColumn, s.i, ctx.colourOf(s));
}

// "Матрица": the dot takes the colour left by the sample before; the number the sample's own.
void matrix(StyleContext& ctx, const Sample& s) {
    ctx.pane.point(i16(s.i - 10), s.v);
    ctx.pane.setForeColour(ctx.colourOf(s));
    // A blank where a sign would go, the digits, a blank: " 123 ".
    std::array<char, 8> text{' '};
    const auto [end, error] = std::to_chars(text.data() + 1, text.data() + text.size() - 1, s.v);
    static_cast<void>(error);  // three digits at most always fit
    *end = ' ';
    ctx.pane.print(std::string_view(text.data(), static_cast<std::size_t>(end + 1 - text.data())));
}

// "Нитки": a thread across the pane in the level's colour less the level, borrowing across the
// colour's bytes; a colour that falls below zero is drawn black.
void threads(StyleContext& ctx, const Sample& s) {
    const std::int32_t colour = static_cast<std::int32_t>(ctx.colourOf(s)) - s.v;
    ctx.pane.line(0, s.i, 255, s.i, colour < 0 ? kBlack : static_cast<Colour>(colour));
}

constexpr std::array<Style, kStyleCount> kStyles = {
    plain,      axial,      dots,     trace,        rings,    parallel,    stretch,
    upsideDown, boxes,      vertical, quill,        diagonal, bass,        square,
    magicDots,  magicLines, ear,      verticalSine, scope,    scopeFilled, shine,
    millennium, sweep,      matrix,   threads};

// The rings of "Басовик" and the squares of "Квадратик", both about the centre.
constexpr std::array<int, 2> kLevelStrokes = {12, 13};

}  // namespace

const std::array<Style, kStyleCount>& styles() {
    return kStyles;
}

bool strokeIsTheLevels(int style) {
    return std::find(kLevelStrokes.begin(), kLevelStrokes.end(), style) != kLevelStrokes.end();
}

}  // namespace orv::drawing
