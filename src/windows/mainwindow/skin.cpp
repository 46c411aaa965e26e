#include "windows/mainwindow/skin.h"

#include <array>
#include <string_view>

#include "windows/mainwindow/main_form.h"

namespace orv::mainwindow {
namespace {

struct ImageSlot {
    std::string_view file;
    int resourceId;
};

// Indexed by SkinImage.
constexpr std::array<ImageSlot, 10> kSlots{{
    {"kxMain.bmp", 100},
    {"kxStartN.bmp", 101},
    {"kxStartD.bmp", 102},
    {"kxStopN.bmp", 103},
    {"kxStopD.bmp", 104},
    {"kxAboutN.bmp", 106},
    {"kxAboutD.bmp", 107},
    {"kxBN.bmp", 108},
    {"kxBD.bmp", 109},
    {"kxBB.bmp", 110},
}};

// A stored name could have been edited by hand: anything that would lead out of the Skin folder
// is not a skin folder name, nor is one with a NUL, which the system's calls would cut short.
bool isPlainFolderName(std::string_view name) {
    constexpr std::string_view kUnsafe{"\\/:\0", 4};
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(kUnsafe) == std::string_view::npos;
}

}  // namespace

forms::ImageRef Skin::imageOf(const std::string& skinName, SkinImage which) const {
    const ImageSlot& slot = kSlots.at(static_cast<std::size_t>(which));
    if (skinName == settings::kInternalSkin || !isPlainFolderName(skinName))
        return {slot.resourceId, {}};
    std::string file = appPath_;
    file.append("\\Skin\\").append(skinName).append("\\").append(slot.file);
    return {slot.resourceId, std::move(file)};
}

void ApplySkin(MainForm& frmMain, const Skin& skin, const std::string& SkinName) {
    frmMain.setPicture(skin.imageOf(SkinName, SkinImage::Main));
    frmMain.cmdStart.setPicture(skin.imageOf(SkinName, SkinImage::StartN));
    frmMain.cmdStop.setPicture(skin.imageOf(SkinName, SkinImage::StopD));
    frmMain.cmdAbout.setPicture(skin.imageOf(SkinName, SkinImage::AboutN));
    frmMain.cmdCustom.setPicture(skin.imageOf(SkinName, SkinImage::CustomB));
}

}  // namespace orv::mainwindow
