#pragma once

#include <string>

#include "display/block_drawing.h"
#include "display/custom_colours.h"
#include "display/raster_canvas.h"
#include "forms/platform.h"
#include "mainwindow/main_form.h"

namespace orv::mainwindow {

// The main window's pane and what draws into it. The drawing reads the style, colour scheme,
// clear option and pen width from the window's controls for every sample, so a choice made
// inside a message box's event pump applies from the next sample.
class PaneDrawing final : private display::DrawSettingsSource {
  public:
    PaneDrawing(MainForm& frmMain, forms::Platform& platform,
                const display::CustomColours& customColours, std::string appTitle);

    // Draws the block into the pane and shows it.
    void DrawFrame(const display::Block& SampleBuffer);
    // The message box for a level above 256, which no 8-bit sample reaches.
    void reportOverRange(int level) const;

    display::RasterCanvas& pane() { return pane_; }
    display::BlockDrawing& drawing() { return drawing_; }

  private:
    display::DrawSettings drawSettings() const override;

    MainForm& frmMain_;
    forms::Platform& platform_;
    std::string appTitle_;
    display::RasterCanvas pane_;
    display::BlockDrawing drawing_;
};

}  // namespace orv::mainwindow
