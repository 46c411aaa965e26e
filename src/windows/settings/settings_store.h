#pragma once

#include <map>
#include <string>
#include <tuple>

namespace orv::settings {

// Text values addressed by application, section and key. Reading an absent key or section gives
// the default and never fails.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& defaultValue) = 0;
    virtual void save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) = 0;
};

// A store in memory, for tests and for a machine whose store cannot be reached.
class MemorySettingsStore : public SettingsStore {
  public:
    using Address = std::tuple<std::string, std::string, std::string>;

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultValue) override {
        const auto found = values_.find({application, section, key});
        return found == values_.end() ? defaultValue : found->second;
    }
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override {
        values_[{application, section, key}] = value;
    }
    const std::map<Address, std::string>& values() const { return values_; }

  private:
    std::map<Address, std::string> values_;
};

}  // namespace orv::settings
