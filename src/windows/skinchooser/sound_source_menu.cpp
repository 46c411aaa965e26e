#include <string_view>

#include "windows/capture/wave_in.h"
#include "windows/skinchooser/skin_form.h"

namespace orv::skinchooser {

namespace {

constexpr const char* kSystemsChoice = "&По выбору системы";

// A device's name as a menu caption: an "&" in it is a letter, not an access key.
std::string menuCaption(std::string_view name) {
    std::string caption;
    for (const char c : name) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

}  // namespace

void SkinForm::listSoundSources(const std::vector<std::string>& devices, unsigned inUse) {
    mnuSoundSource->removeItems();
    const auto addItem = [this](std::string caption, std::string deviceName, bool ticked) {
        forms::MenuItem& item = mnuSoundSource->add("mnuDevice", std::move(caption), ticked);
        item.onClick = [this, deviceName = std::move(deviceName)] { mnuDevice_Click(deviceName); };
    };
    addItem(kSystemsChoice, "", inUse == capture::kWaveMapper);
    for (unsigned id = 0; id < devices.size(); ++id) {
        if (!devices[id].empty()) addItem(menuCaption(devices[id]), devices[id], id == inUse);
    }
}

void SkinForm::mnuDevice_Click(const std::string& deviceName) {
    if (s_.chooseSoundSource) s_.chooseSoundSource(deviceName);
}

}  // namespace orv::skinchooser
