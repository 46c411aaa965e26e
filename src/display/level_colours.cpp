#include "display/level_colours.h"

#include <utility>

#include "display/colour_schemes.h"

namespace orv::display {
namespace {

constexpr int kHighestLevel = 256;

}  // namespace

LevelColours::LevelColours(const forms::ComboBox& cmbColor, const CustomColors& customColors,
                           forms::Platform& platform, std::string appTitle)
    : cmbColor_(cmbColor),
      customColors_(customColors),
      platform_(platform),
      appTitle_(std::move(appTitle)) {}

forms::Colour LevelColours::LevelColor(int level) {
    if (level > kHighestLevel) {
        platform_.msgBox("Хе хе! Бит больше " + std::to_string(level), forms::msgbox::kNoIcon,
                         appTitle_);
        return 0;
    }
    const auto schemes = colourSchemes();
    const int entry = cmbColor_.listIndex();
    if (entry < 0 || entry >= static_cast<int>(schemes.size())) return 0;
    const ColourScheme& scheme = schemes[static_cast<std::size_t>(entry)];
    if (scheme.kind == ColourScheme::Kind::OneColour) return scheme.colour;
    const int band = bandOf(level, scheme.uppers);
    if (band < 0) return 0;
    if (scheme.kind == ColourScheme::Kind::UserBands) {
        return customColors_.colour(scheme.userScheme, band);
    }
    return scheme.bands[static_cast<std::size_t>(band)];
}

}  // namespace orv::display
