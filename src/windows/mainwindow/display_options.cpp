#include "windows/mainwindow/display_options.h"

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/drawing/style_choice.h"

namespace orv::mainwindow {
namespace {

// The leading whole number of a text after any blanks, 0 when there is none: the style counter
// is kept as text in the list's tag.
int val(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return 0;
    text.remove_prefix(start);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} ? value : 0;
}

}  // namespace

void DisplayOptions::wire() {
    frmMain_.cmbStyle.onClick = [this] { cmbStyle_Click(); };
    frmMain_.chkShowMap.onClick = [this] { chkShowMap_Click(); };
    frmMain_.pctSpec.onMouseDown = [this](forms::MouseButton button, int shift, float x, float y) {
        pctSpec_MouseDown(button, shift, x, y);
    };
}

void DisplayOptions::cmbStyle_Click() {
    const drawing::StyleImplies implied = drawing::impliedBy(frmMain_.cmbStyle.listIndex());
    frmMain_.chkCLS.setValue(1);
    if (implied.scheme) frmMain_.cmbColor.setListIndex(*implied.scheme);
    frmMain_.chkCLS.setValue(implied.clear ? 1 : 0);
}

void DisplayOptions::chkShowMap_Click() {
    const bool shown = frmMain_.chkShowMap.value() != 0;
    constexpr auto kLines = static_cast<std::size_t>(MainForm::kGridLines);
    for (std::size_t k = 1; k <= kLines; ++k) {
        if (k < frmMain_.vl.size()) frmMain_.vl[k]->setVisible(shown);
        if (k < frmMain_.hl.size()) frmMain_.hl[k]->setVisible(shown);
    }
    if (setGridMenuMark) setGridMenuMark(shown);
}

void DisplayOptions::pctSpec_MouseDown(forms::MouseButton button, int /*shift*/, float /*x*/,
                                       float /*y*/) {
    forms::ComboBox& list = frmMain_.cmbStyle;
    if (button == forms::MouseButton::Left || button == forms::MouseButton::Right) {
        const int step = button == forms::MouseButton::Left ? 1 : -1;
        list.tag = std::to_string(drawing::stepWrapping(val(list.tag), step, list.listCount()));
    }
    list.setListIndex(val(list.tag));
}

}  // namespace orv::mainwindow
