// The C functions the page calls: one pane, drawn block by block with the page's settings, its
// pixels read straight from the module's memory, and the list texts in Russian.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/blocks/sample_conversion.h"
#include "engine/drawing/block_drawing.h"
#include "engine/drawing/custom_colours.h"
#include "engine/drawing/pane_picture.h"
#include "engine/drawing/raster_canvas.h"
#include "engine/drawing/style_choice.h"
#include "engine/drawing/style_names.h"

namespace {

using namespace orv;

struct Pane {
    Pane() : drawing(canvas, colours) {
        for (int k = 0; k < drawing::CustomColours::kSchemes; ++k) {
            for (int b = 0; b < drawing::CustomColours::kBands; ++b) {
                colours.set(k, b, drawing::kDefaultCustomColours.at(static_cast<std::size_t>(b)));
            }
        }
    }
    drawing::RasterCanvas canvas;
    drawing::CustomColours colours;
    drawing::BlockDrawing drawing;
    blocks::Block block{};
    std::vector<std::uint32_t> rgba;  // the pane as canvas ImageData wants it: R, G, B, A bytes
};

std::unique_ptr<Pane> pane;
std::string text;  // the last list text asked for, kept until the next

const char* listText(std::span<const std::string_view> names, int index) {
    text = index >= 0 && static_cast<std::size_t>(index) < names.size()
               ? std::string(names[static_cast<std::size_t>(index)])
               : std::string();
    return text.c_str();
}

}  // namespace

extern "C" {

// Makes the pane anew (cleared, the sweep at its first column) and returns where the page
// writes a block's 256 samples.
EMSCRIPTEN_KEEPALIVE std::uint8_t* orvCreatePane() {
    pane = std::make_unique<Pane>();
    return pane->block.data();
}

// The pane's pixels, rows top-down, as RGBA bytes (opaque).
EMSCRIPTEN_KEEPALIVE const std::uint32_t* orvPixels() {
    const auto from = pane->canvas.pixels();
    pane->rgba.resize(from.size());
    for (std::size_t i = 0; i < from.size(); ++i) {
        const std::uint32_t rgb = from[i];
        pane->rgba[i] =
            0xFF000000U | (rgb & 0xFF00U) | ((rgb >> 16) & 0xFFU) | ((rgb & 0xFFU) << 16);
    }
    return pane->rgba.data();
}

// Draws the block written at orvCreatePane's address and returns the pane's pixels as RGBA.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* orvDrawBlock(int style, int scheme, int clear,
                                                       int penWidth) {
    pane->drawing.draw(pane->block, {style, scheme, clear != 0, penWidth});
    return orvPixels();
}

EMSCRIPTEN_KEEPALIVE int orvPaneSize() {
    return drawing::RasterCanvas::kPaneSize;
}
EMSCRIPTEN_KEEPALIVE int orvStyleCount() {
    return drawing::kStyleCount;
}
EMSCRIPTEN_KEEPALIVE int orvSchemeCount() {
    return drawing::kSchemeCount;
}
EMSCRIPTEN_KEEPALIVE const char* orvStyleName(int index) {
    return listText(drawing::styleNames(), index);
}
EMSCRIPTEN_KEEPALIVE const char* orvSchemeName(int index) {
    return listText(drawing::schemeNames(), index);
}
// What choosing a style brings: whether it clears, and its own scheme (-1: none).
EMSCRIPTEN_KEEPALIVE int orvStyleClears(int style) {
    return drawing::impliedBy(style).clear ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE int orvStyleScheme(int style) {
    return drawing::impliedBy(style).scheme.value_or(-1);
}
// One sample (-1..1) as the programs record it, so the page converts by the engine's rule.
EMSCRIPTEN_KEEPALIVE int orvToSample(float s) {
    return blocks::toProgramSample(s);
}
}
