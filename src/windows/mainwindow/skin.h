#pragma once

#include <string>
#include <utility>

#include "windows/forms/picture_box.h"
#include "windows/settings/settings_schema.h"

namespace orv::mainwindow {

class MainForm;

// The ten images every skin has.
enum class SkinImage {
    Main,
    StartN,
    StartD,
    StopN,
    StopD,
    AboutN,
    AboutD,
    CustomN,
    CustomD,
    CustomB,
};

// The skin in use and the rule by which every handler finds one of its images.
class Skin {
  public:
    explicit Skin(std::string appPath) : appPath_(std::move(appPath)) {}

    // The name of the skin in use: "Internal" or a folder under the program's Skin folder.
    std::string CurrentSkin = settings::kInternalSkin;

    // The image of the current skin.
    forms::ImageRef image(SkinImage which) const { return imageOf(CurrentSkin, which); }
    // The image of a named skin: the built-in bitmap for "Internal" (exact case), otherwise the
    // file in the skin's folder, which falls back to the built-in bitmap of the same slot when it
    // cannot be loaded. A name that is not a plain folder name means the built-in skin.
    forms::ImageRef imageOf(const std::string& skinName, SkinImage which) const;

  private:
    std::string appPath_;
};

// Dresses the main window in a skin: the background and the start looks of the four buttons.
void ApplySkin(MainForm& frmMain, const Skin& skin, const std::string& SkinName);

}  // namespace orv::mainwindow
