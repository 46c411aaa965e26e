#include "engine/drawing/colour_schemes.h"

#include <algorithm>
#include <array>

namespace orv::drawing {
namespace {

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r + 256 * g + 65536 * b);
}

// Sixteen bands, not all 16 wide: 128..142 is 14 and 206..224 is 18.
constexpr std::array kSixteenBands = {16,  32,  48,  64,  80,  96,  112, 128,
                                      142, 158, 174, 190, 206, 224, 240, 256};

// "Смещанный": red at both ends, yellow next to them, green in the middle.
constexpr std::array kMixedBands = {24, 64, 192, 232, 256};
constexpr std::array kMixed = {rgb(255, 0, 0), rgb(255, 255, 0), rgb(0, 255, 0), rgb(255, 255, 0),
                               rgb(255, 0, 0)};

// "Радужный": around the colour wheel from red to red; the last blue of 6 is as it always was.
constexpr std::array kRainbow = {
    rgb(255, 0, 0),   rgb(255, 102, 0), rgb(255, 204, 0), rgb(198, 255, 0),
    rgb(102, 255, 0), rgb(0, 255, 0),   rgb(0, 255, 102), rgb(0, 255, 204),
    rgb(0, 204, 255), rgb(0, 102, 255), rgb(0, 0, 255),   rgb(102, 0, 255),
    rgb(204, 0, 255), rgb(255, 0, 204), rgb(255, 0, 102), rgb(255, 0, 6)};

// "Спектр 1" and "Спектр 2": nine bands mirrored about the middle band.
constexpr std::array kSpectrumBands = {32, 64, 80, 112, 142, 174, 190, 224, 256};
constexpr std::array kSpectrum1 = {rgb(34, 29, 54),   rgb(251, 125, 0), rgb(255, 160, 66),
                                   rgb(242, 237, 21), rgb(255, 255, 0), rgb(242, 237, 21),
                                   rgb(255, 160, 66), rgb(251, 125, 0), rgb(34, 29, 54)};
constexpr std::array kSpectrum2 = {rgb(200, 0, 0),   rgb(250, 0, 25),  rgb(243, 65, 5),
                                   rgb(237, 163, 7), rgb(250, 250, 0), rgb(237, 163, 7),
                                   rgb(243, 65, 5),  rgb(250, 0, 25),  rgb(200, 0, 0)};

using Kind = ColourScheme::Kind;

constexpr ColourScheme one(Colour colour) {
    return {Kind::OneColour, colour, {}, {}, 0};
}

template <std::size_t N>
constexpr ColourScheme banded(const std::array<int, N>& uppers,
                              const std::array<Colour, N>& colours) {
    return {Kind::Bands, 0, uppers, colours, 0};
}

constexpr ColourScheme user(int row) {
    return {Kind::UserBands, 0, kSixteenBands, {}, row};
}

constexpr std::array kSchemes = {
    banded(kMixedBands, kMixed),         // "Смещанный"
    one(rgb(0, 0, 255)),                 // "Синий"
    one(rgb(0, 255, 255)),               // "Голубой"
    one(rgb(0, 255, 0)),                 // "Зелённый"
    one(rgb(255, 0, 255)),               // "Лиловый"
    one(rgb(255, 0, 0)),                 // "Красный"
    one(rgb(255, 255, 255)),             // "Белый"
    one(rgb(255, 255, 0)),               // "Жёлтый"
    banded(kSixteenBands, kRainbow),     // "Радужный"
    banded(kSpectrumBands, kSpectrum1),  // "Спектр 1"
    banded(kSpectrumBands, kSpectrum2),  // "Спектр 2"
    user(0),                             // "Польз. схема 1"
    user(1),                             // "Польз. схема 2"
    user(2),                             // "Польз. схема 3"
    user(3),                             // "Польз. схема 4"
};

}  // namespace

std::span<const ColourScheme> colourSchemes() {
    return kSchemes;
}

int userSchemeOf(int entry) {
    if (entry < 0 || entry >= static_cast<int>(kSchemes.size())) return -1;
    const ColourScheme& scheme = kSchemes[static_cast<std::size_t>(entry)];
    return scheme.kind == Kind::UserBands ? scheme.userScheme : -1;
}

int bandOf(int level, std::span<const int> uppers) {
    if (level <= 0) return -1;
    const auto band = std::lower_bound(uppers.begin(), uppers.end(), level);
    return band == uppers.end() ? -1 : static_cast<int>(band - uppers.begin());
}

}  // namespace orv::drawing
