#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "windows/forms/platform.h"
#include "windows/win32/toolkit.h"

namespace orv::win32 {

class FormWindow;

// The windowing toolkit on Win32: native windows for the program's forms, the event pump, modal
// showing, message boxes, the colour picker and directory listing.
class Win32Platform final : public forms::Platform {
  public:
    // `defaultTitle` heads a message box given no title of its own.
    Win32Platform(HINSTANCE instance, std::string defaultTitle);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    void doEvents() override;
    void msgBox(const std::string& prompt, int style, const std::string& title) override;
    void showModal(forms::Form& dialog, forms::Form& owner) override;
    std::vector<forms::DirEntry> listDirectory(const std::string& path) override;
    std::optional<forms::Colour> chooseColour(forms::Form& owner) override;
    void endProgram() override;

    void createPeers(forms::Form& form) override;
    void destroyPeers(forms::Form& form) override;

    // Runs the message loop until the thread is told to quit; returns the exit code.
    int run();

    // The native window of a loaded form, or null.
    HWND windowOf(const forms::Form& form) const;
    const Toolkit& toolkit() const noexcept { return toolkit_; }

  private:
    struct ModalFrame {
        const forms::Form* dialog;
        HWND owner;
    };

    void dispatch(MSG& message);
    FormWindow* find(const forms::Form& form) const;

    Toolkit toolkit_;
    std::string defaultTitle_;
    std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
    std::vector<ModalFrame> modals_;
};

}  // namespace orv::win32
