#pragma once

#include <string>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/custom_colours.h"
#include "engine/drawing/raster_canvas.h"
#include "windows/forms/platform.h"
#include "windows/mainwindow/main_form.h"

namespace orv::mainwindow {

// The main window's pane and what draws into it. The drawing reads the style, colour scheme,
// clear option and pen width from the window's controls for every sample, so a choice made
// inside a message box's event pump applies from the next sample.
class PaneDrawing final : private drawing::DrawSettingsSource {
  public:
    PaneDrawing(MainForm& frmMain, forms::Platform& platform,
                const drawing::CustomColours& customColours, std::string appTitle);

    // Draws the block into the pane and shows it.
    void DrawFrame(const drawing::Block& SampleBuffer);
    // The message box for a level above 256, which no 8-bit sample reaches.
    void reportOverRange(int level) const;

    drawing::RasterCanvas& pane() { return pane_; }
    drawing::BlockDrawing& drawing() { return drawing_; }

  private:
    drawing::DrawSettings drawSettings() const override;

    MainForm& frmMain_;
    forms::Platform& platform_;
    std::string appTitle_;
    drawing::RasterCanvas pane_;
    drawing::BlockDrawing drawing_;
};

}  // namespace orv::mainwindow
