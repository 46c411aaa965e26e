#include "windows/settings/user_schemes.h"

#include <cstddef>

#include "windows/settings/settings_schema.h"

namespace orv::settings {

UserSchemes::Texts UserSchemes::load(int k, const Colours& unstored) {
    const std::string section = customSchemeSection(k);
    Texts texts;
    for (std::size_t b = 0; b < texts.size(); ++b) {
        texts[b] = store_.get(appTitle_, section, bandKey(static_cast<int>(b)),
                              std::to_string(unstored[b]));
    }
    return texts;
}

void UserSchemes::save(int k, const Colours& colours) {
    const std::string section = customSchemeSection(k);
    for (std::size_t b = 0; b < colours.size(); ++b) {
        store_.save(appTitle_, section, bandKey(static_cast<int>(b)), std::to_string(colours[b]));
    }
}

}  // namespace orv::settings
