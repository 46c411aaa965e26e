#include "windows/coloureditor/colour_form.h"

#include <initializer_list>
#include <utility>

namespace orv::coloureditor {
namespace {

constexpr std::array<const char*, ColorForm::kBands> kBandLabels{
    "0-16",    "17-32",   "33-48",   "49-64",   "65-80",   "81-96",   "97-112",  "113-128",
    "129-142", "143-158", "159-174", "175-190", "191-206", "207-224", "225-240", "241-256"};

// Two columns of eight swatches, each with its band's label to the left.
constexpr int kRows = 8;
constexpr int kRowTop = 16;
constexpr int kRowPitch = 16;
constexpr std::array<int, 2> kSwatchLeft{56, 128};
constexpr std::array<int, 2> kLabelLeft{8, 82};

}  // namespace

ColorForm::ColorForm(forms::Platform& platform, settings::SettingsStore& store,
                     drawing::CustomColours& customColours, std::string appTitle,
                     int mainColourEntry)
    : Form("frmColor", 250, 161, forms::BorderStyle::FixedDialog, &platform),
      fraCol("fraCol", {8, 0, 153, 153}, 0, "Окраска"),
      cmdOK("cmdOK", {168, 8, 73, 25}, 1, "OK"),
      cmdCancel("cmdCancel", {168, 40, 73, 25}, 2, "Отмена"),
      cmdDefaults("cmdDefaults", {168, 72, 73, 25}, 3, "По умолч."),
      cmbScheme("cmbScheme", {168, 120, 73, 21}, 4, {"Схема 1", "Схема 2", "Схема 3", "Схема 4"}),
      platform_(platform),
      store_(store),
      customColours_(customColours),
      appTitle_(std::move(appTitle)),
      userSchemes_(store, appTitle_),
      mainColourEntry_(mainColourEntry) {
    setCaption("Выбор цвета");
    add(fraCol);
    for (int b = 0; b < kBands; ++b) {
        const int column = b / kRows;
        const int top = kRowTop + kRowPitch * (b % kRows);
        lbl.at(b) = std::make_unique<forms::Label>(
            "lbl", forms::Rect{kLabelLeft.at(column), top, 41, 13}, -1, kBandLabels.at(b));
        pctCol.at(b) = std::make_unique<forms::PictureBox>(
            "pctCol", forms::Rect{kSwatchLeft.at(column), top, 17, 17}, 5 + b);
        for (forms::Control* control : {static_cast<forms::Control*>(lbl.at(b).get()),
                                        static_cast<forms::Control*>(pctCol.at(b).get())}) {
            control->setContainer(&fraCol);
            add(*control);
        }
    }
    lbl.at(kBands) =
        std::make_unique<forms::Label>("lbl", forms::Rect{168, 104, 35, 13}, -1, "Схема:");
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &cmdOK, &cmdCancel, &cmdDefaults, lbl.at(kBands).get(), &cmbScheme}) {
        add(*control);
    }
    wire();
}

void ColorForm::wire() {
    onLoad = [this] { Form_Load(); };
    cmbScheme.onClick = [this] { cmbScheme_Click(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    cmdDefaults.onClick = [this] { cmdDefaults_Click(); };
    for (int b = 0; b < kBands; ++b) pctCol.at(b)->onClick = [this, b] { pctCol_Click(b); };
}

}  // namespace orv::coloureditor
