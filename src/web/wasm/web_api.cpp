// The C functions the page calls: one pane, drawn block by block with the page's settings, its
// pixels (with the grid over a copy) read straight from the module's memory, and the list texts
// in Russian. The page hands the sound over as it comes, interleaved samples (-1..1) at the audio
// context's rate; averaging the channels, the change to 11025 Hz, the 8-bit rule and the cut
// into blocks are the engine's own, as in the native programs.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/blocks/block_cutter.h"
#include "engine/blocks/program_sound_converter.h"
#include "engine/drawing/block_drawing.h"
#include "engine/drawing/custom_colours.h"
#include "engine/drawing/grid.h"
#include "engine/drawing/raster_canvas.h"
#include "engine/drawing/style_choice.h"
#include "engine/drawing/style_names.h"
#include "engine/pixels/colour.h"

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
    std::vector<std::uint32_t> gridded;  // the pane with the grid over it, 0x00RRGGBB
    std::vector<std::uint32_t> rgba;     // the picture as canvas ImageData wants it: R, G, B, A
};

// The sound coming in: its frames as the page writes them, then the program's sound.
struct Stream {
    Stream(int rate, int channels, std::size_t maxFrames)
        : frames(maxFrames * static_cast<std::size_t>(channels)),
          converter(rate, channels, maxFrames),
          cutter(converter.maxOutput()) {}
    std::vector<float> frames;
    blocks::ProgramSoundConverter converter;
    blocks::BlockCutter cutter;
};

std::unique_ptr<Pane> pane;
std::unique_ptr<Stream> stream;
std::string text;  // the last list text asked for, kept until the next

const char* listText(std::span<const std::string_view> names, int index) {
    text = index >= 0 && static_cast<std::size_t>(index) < names.size()
               ? std::string(names[static_cast<std::size_t>(index)])
               : std::string();
    return text.c_str();
}

}  // namespace

extern "C" {

// Makes the pane anew: cleared, the sweep at its first column.
EMSCRIPTEN_KEEPALIVE void orvCreatePane() {
    pane = std::make_unique<Pane>();
}

// Starts a sound of `channels` interleaved channels at `rate`, in chunks of at most `maxFrames`
// frames; returns where the page writes each chunk.
EMSCRIPTEN_KEEPALIVE float* orvOpenSound(int rate, int channels, int maxFrames) {
    stream = std::make_unique<Stream>(rate, std::max(channels, 1),
                                      static_cast<std::size_t>(std::max(maxFrames, 1)));
    return stream->frames.data();
}

// Takes in the chunk of `frames` frames written at orvOpenSound's address and draws every block
// it completes, in order; returns how many it drew.
EMSCRIPTEN_KEEPALIVE int orvTakeSound(int frames, int style, int scheme, int clear, int penWidth) {
    const auto taken = std::min(static_cast<std::size_t>(std::max(frames, 0)) *
                                    static_cast<std::size_t>(stream->converter.channels()),
                                stream->frames.size());
    stream->cutter.append(stream->converter.convert({stream->frames.data(), taken}));
    int drawn = 0;
    while (stream->cutter.takeWhole(pane->block)) {
        pane->drawing.draw(pane->block, {style, scheme, clear != 0, penWidth});
        ++drawn;
    }
    return drawn;
}

// The pane's picture, rows top-down, as opaque RGBA bytes; the grid is drawn over a copy.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* orvPixels(int grid) {
    const auto from = pane->canvas.pixels();
    pane->gridded.assign(from.begin(), from.end());
    if (grid != 0) {
        const int size = drawing::RasterCanvas::kPaneSize;
        drawing::paintGrid(pane->gridded, size, size);
    }
    pane->rgba.resize(from.size());
    std::transform(pane->gridded.begin(), pane->gridded.end(), pane->rgba.begin(),
                   [](std::uint32_t rgb) { return 0xFF000000U | pixels::swapRedBlue(rgb); });
    return pane->rgba.data();
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
}
