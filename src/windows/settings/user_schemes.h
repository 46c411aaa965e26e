#pragma once

#include <array>
#include <string>
#include <utility>

#include "engine/drawing/custom_colours.h"
#include "windows/settings/settings_store.h"

namespace orv::settings {

// The four user schemes' colours as the settings keep them: a section a scheme, a key a band,
// each band's colour as its decimal number.
class UserSchemes {
  public:
    static constexpr int kBands = drawing::CustomColours::kBands;
    using Colours = std::array<drawing::Colour, kBands>;
    using Texts = std::array<std::string, kBands>;

    UserSchemes(SettingsStore& store, std::string appTitle)
        : store_(store), appTitle_(std::move(appTitle)) {}

    // Scheme k's bands as stored, as text (converted only when drawn); a band never stored reads
    // as that band of `unstored`.
    Texts load(int k, const Colours& unstored = drawing::kDefaultCustomColours);
    void save(int k, const Colours& colours);
    // Stores the default colours as scheme k's.
    void reset(int k) { save(k, drawing::kDefaultCustomColours); }

  private:
    SettingsStore& store_;
    std::string appTitle_;
};

}  // namespace orv::settings
