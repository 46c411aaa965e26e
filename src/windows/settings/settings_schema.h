#pragma once

#include <string>

namespace orv::settings {

// Every section and key the program keeps, in one place. Values are decimal text for numbers.
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kSkinKey = "Skin";
inline constexpr const char* kInternalSkin = "Internal";  // default of the skin key
// The sound input's device name; absent or empty for the system's choice.
inline constexpr const char* kDeviceKey = "Device";
inline constexpr const char* kCustomSection = "CustColors";
inline constexpr const char* kSchemeKey = "Scheme";  // last scheme confirmed; written, never read

// The section of custom scheme k (0..3): "CustColors0" .. "CustColors3".
inline std::string customSchemeSection(int k) {
    return kCustomSection + std::to_string(k);
}
// The key of band b (0..15): "0" .. "15".
inline std::string bandKey(int b) {
    return std::to_string(b);
}

}  // namespace orv::settings
