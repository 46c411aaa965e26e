#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "windows/forms/form.h"

namespace orv::forms {

// Message-box styles: the platform's standard flags; every box has the single button OK.
namespace msgbox {
inline constexpr int kNoIcon = 0;
inline constexpr int kCritical = 16;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kForeground = 65536;
}  // namespace msgbox

// File attributes as the platform reports them.
namespace attr {
inline constexpr std::uint32_t kHidden = 2;
inline constexpr std::uint32_t kSystem = 4;
inline constexpr std::uint32_t kDirectory = 16;
}  // namespace attr

struct DirEntry {
    std::string name;
    std::uint32_t attributes = 0;
};

// The services of the windowing toolkit that the program's logic calls.
class Platform : public FormHost {
  public:
    // Processes all pending window events, then returns.
    virtual void doEvents() = 0;
    // A modal box with the single button OK; returns when the user has closed it.
    virtual void msgBox(const std::string& prompt, int style, const std::string& title) = 0;
    // Shows a loaded form modally over its owner; returns when the form has been unloaded.
    virtual void showModal(Form& dialog, Form& owner) = 0;
    // Every entry of a folder, "." and ".." included, in the file system's order.
    virtual std::vector<DirEntry> listDirectory(const std::string& path) = 0;
    // The platform's colour picker, full-open with solid colours; nothing when cancelled.
    virtual std::optional<Colour> chooseColour(Form& owner) = 0;
    // Ends the process at once.
    virtual void endProgram() = 0;
};

}  // namespace orv::forms
