#include "engine/drawing/colour_schemes.h"
#include "windows/coloureditor/colour_form.h"
#include "windows/settings/settings_schema.h"

namespace orv::coloureditor {

void ColorForm::showStored(const settings::UserSchemes::Texts& bands) {
    for (int b = 0; b < kBands; ++b) {
        pctCol.at(b)->setBackColour(drawing::CustomColours::colourOf(bands.at(b), b));
    }
}

void ColorForm::loadScheme(int k) {
    showStored(userSchemes_.load(k));
}

void ColorForm::Form_Load() {
    cmbScheme.setListIndex(drawing::userSchemeOf(mainColourEntry_));
    if (scheme() < 0) return;
    // A band never stored keeps the colour its swatch has.
    settings::UserSchemes::Colours shown{};
    for (int b = 0; b < kBands; ++b) shown.at(b) = pctCol.at(b)->backColour();
    showStored(userSchemes_.load(scheme(), shown));
}

void ColorForm::cmbScheme_Click() {
    if (scheme() >= 0) loadScheme(scheme());
}

void ColorForm::pctCol_Click(int index) {
    PickColor(*pctCol.at(index));
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
        settings::UserSchemes::Colours chosen{};
        for (int b = 0; b < kBands; ++b) {
            chosen.at(b) = pctCol.at(b)->backColour();
            customColours_.set(k, b, chosen.at(b));
        }
        userSchemes_.save(k, chosen);
    }
    unload();
}

void ColorForm::cmdCancel_Click() {
    unload();
}

void ColorForm::cmdDefaults_Click() {
    const int k = scheme();
    if (k < 0) return;
    userSchemes_.reset(k);
    loadScheme(k);
}

}  // namespace orv::coloureditor
