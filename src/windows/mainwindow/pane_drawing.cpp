#include "windows/mainwindow/pane_drawing.h"

#include <string>
#include <utility>

namespace orv::mainwindow {

PaneDrawing::PaneDrawing(MainForm& frmMain, forms::Platform& platform,
                         const drawing::CustomColours& customColours, std::string appTitle)
    : frmMain_(frmMain),
      platform_(platform),
      appTitle_(std::move(appTitle)),
      drawing_(pane_, customColours) {
    frmMain_.pctSpec.setDrawing(&pane_);
    drawing_.reportOverRange([this](int level) { reportOverRange(level); });
}

void PaneDrawing::DrawFrame(const drawing::Block& SampleBuffer) {
    drawing_.draw(SampleBuffer, *this);
    frmMain_.pctSpec.refresh();
}

void PaneDrawing::reportOverRange(int level) const {
    platform_.msgBox("Хе хе! Бит больше " + std::to_string(level), forms::msgbox::kNoIcon,
                     appTitle_);
}

drawing::DrawSettings PaneDrawing::drawSettings() const {
    return {frmMain_.cmbStyle.listIndex(), frmMain_.cmbColor.listIndex(),
            frmMain_.chkCLS.value() == 1, frmMain_.cmbZoom.listIndex() + 1};
}

}  // namespace orv::mainwindow
