#pragma once

#include <string>

#include "windows/settings/settings_store.h"

namespace orv::win32 {

// The settings store in the registry, one REG_SZ value per key under
// HKEY_CURRENT_USER, "Software\VB and VBA Program Settings\<application>\<section>": the usual
// place for settings kept this way, so values written there by earlier programs read as they stand.
class RegistrySettingsStore final : public settings::SettingsStore {
  public:
    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultValue) override;
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override;

    // The key path below HKEY_CURRENT_USER.
    static std::wstring keyPath(const std::string& application, const std::string& section);
};

}  // namespace orv::win32
