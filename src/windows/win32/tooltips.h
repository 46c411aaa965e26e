#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "windows/win32/unique_handle.h"

namespace orv::win32 {

// The tooltips of one form's controls: one tooltip window, made when the first text is set.
class Tooltips {
  public:
    explicit Tooltips(HWND owner) noexcept : owner_(owner) {}

    // Shows `text` over `tool`; an empty text removes the tip.
    void set(HWND tool, const std::string& text);
    void remove(HWND tool);
    HWND window() const noexcept { return window_.get(); }

  private:
    HWND owner_;
    UniqueWindow window_;
    std::map<HWND, std::string> texts_;
};

}  // namespace orv::win32
