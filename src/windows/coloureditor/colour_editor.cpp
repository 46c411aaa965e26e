#include "engine/drawing/colour_schemes.h"
#include "windows/coloureditor/colour_form.h"
#include "windows/settings/settings_schema.h"

namespace orv::coloureditor {

template <typename DefaultOf>
void ColorForm::showStored(int k, DefaultOf defaultOf) {
    const std::string section = settings::customSchemeSection(k);
    for (int b = 0; b < kBands; ++b) {
        const std::string text =
            store_.get(appTitle_, section, settings::bandKey(b), std::to_string(defaultOf(b)));
        pctCol.at(b)->setBackColour(drawing::CustomColours::colourOf(text, b));
    }
}

void ColorForm::loadScheme(int k) {
    showStored(k, [](int b) { return drawing::kDefaultCustomColours.at(b); });
}

void ColorForm::Form_Load() {
    cmbScheme.setListIndex(drawing::userSchemeOf(mainColourEntry_));
    if (scheme() < 0) return;
    showStored(scheme(), [this](int b) { return pctCol.at(b)->backColour(); });
}

void ColorForm::cmbScheme_Click() {
    if (scheme() >= 0) loadScheme(scheme());
}

void ColorForm::pctCol_Click(int Index) {
    PickColor(*pctCol.at(Index));
}

bool ColorForm::PickColor(forms::PictureBox& swatch) {
    const std::optional<forms::Colour> chosen = platform_.chooseColour(*this);
    if (!chosen) return false;
    swatch.setBackColour(*chosen);
    return true;
}

void ColorForm::cmdOK_Click() {
    const int k = scheme();
    if (k >= 0) {
        store_.save(appTitle_, settings::kCustomSection, settings::kSchemeKey, std::to_string(k));
        const std::string section = settings::customSchemeSection(k);
        for (int b = 0; b < kBands; ++b) {
            const forms::Colour colour = pctCol.at(b)->backColour();
            store_.save(appTitle_, section, settings::bandKey(b), std::to_string(colour));
            customColours_.set(k, b, colour);
        }
    }
    unload();
}

void ColorForm::cmdCancel_Click() {
    unload();
}

void ColorForm::cmdDefaults_Click() {
    const int k = scheme();
    if (k < 0) return;
    const std::string section = settings::customSchemeSection(k);
    for (int b = 0; b < kBands; ++b) {
        store_.save(appTitle_, section, settings::bandKey(b),
                    std::to_string(drawing::kDefaultCustomColours.at(b)));
    }
    loadScheme(k);
}

}  // namespace orv::coloureditor
