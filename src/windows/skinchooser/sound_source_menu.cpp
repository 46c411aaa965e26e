#include <string_view>

#include "windows/capture/sound_sources.h"
#include "windows/capture/wave_in.h"
#include "windows/skinchooser/skin_form.h"

namespace orv::skinchooser {

namespace {

constexpr const char* kSystemsChoice = "&По выбору системы";
constexpr const char* kDefaultOutput = "Звук компьютера";
constexpr const char* kOutputPrefix = "Звук: ";

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
    const auto isOutput = [](std::string_view name) {
        return name.starts_with(capture::kOutputMark);
    };
    // What the outputs play first, then the recording devices.
    for (unsigned id = 0; id < devices.size(); ++id) {
        if (!isOutput(devices[id])) continue;
        const std::string_view output =
            std::string_view(devices[id]).substr(capture::kOutputMark.size());
        addItem(output.empty() ? kDefaultOutput : kOutputPrefix + menuCaption(output), devices[id],
                id == inUse);
    }
    if (mnuSoundSource->items().size() > 1) mnuSoundSource->add("mnuDeviceBar", "-");
    for (unsigned id = 0; id < devices.size(); ++id) {
        if (!devices[id].empty() && !isOutput(devices[id]))
            addItem(menuCaption(devices[id]), devices[id], id == inUse);
    }
}

void SkinForm::mnuDevice_Click(const std::string& deviceName) {
    if (s_.chooseSoundSource) s_.chooseSoundSource(deviceName);
}

}  // namespace orv::skinchooser
