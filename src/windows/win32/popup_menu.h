#pragma once

#include <windows.h>

#include <vector>

#include "windows/forms/menu.h"
#include "windows/win32/unique_handle.h"

namespace orv::win32 {

// A native pop-up menu made from a menu's items: captions with their access keys, separators,
// check marks, grey items for disabled ones, sub-menus. Command n is commands[n - 1].
struct BuiltMenu {
    UniqueMenu menu;
    std::vector<const forms::MenuItem*> commands;
};

BuiltMenu buildPopupMenu(const forms::MenuItem& menu, const forms::MenuItem* defaultItem);

// Shows the menu at a client point of `owner` and returns the item chosen, or nothing.
const forms::MenuItem* trackPopupMenu(const BuiltMenu& built, HWND owner, POINT clientPoint);

}  // namespace orv::win32
