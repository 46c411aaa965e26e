#include "windows/win32/popup_menu.h"

#include "windows/win32/text.h"

namespace orv::win32 {
namespace {

void appendItems(HMENU target, const forms::MenuItem& menu, BuiltMenu& built,
                 const forms::MenuItem* defaultItem) {
    for (const auto& item : menu.items()) {
        if (!item->visible()) continue;
        if (item->isSeparator()) {
            AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT state = (item->checked() ? MF_CHECKED : MF_UNCHECKED) |
                           (item->enabled() ? MF_ENABLED : MF_GRAYED);
        const std::wstring caption = widen(item->caption());
        if (!item->items().empty()) {
            UniqueMenu sub{CreatePopupMenu()};
            appendItems(sub.get(), *item, built, defaultItem);
            // The parent menu owns the sub-menu from here on.
            AppendMenuW(target, MF_POPUP | MF_STRING | state,
                        reinterpret_cast<UINT_PTR>(sub.release()), caption.c_str());
            continue;
        }
        built.commands.push_back(item.get());
        const auto id = static_cast<UINT>(built.commands.size());
        AppendMenuW(target, MF_STRING | state, id, caption.c_str());
        if (item.get() == defaultItem) SetMenuDefaultItem(target, id, FALSE);
    }
}

}  // namespace

BuiltMenu buildPopupMenu(const forms::MenuItem& menu, const forms::MenuItem* defaultItem) {
    BuiltMenu built;
    built.menu.reset(CreatePopupMenu());
    if (built.menu) appendItems(built.menu.get(), menu, built, defaultItem);
    return built;
}

const forms::MenuItem* trackPopupMenu(const BuiltMenu& built, HWND owner, POINT clientPoint) {
    if (!built.menu) return nullptr;
    ClientToScreen(owner, &clientPoint);
    // A menu that pops up from a window that is not in front would not close when the user
    // clicks elsewhere.
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(TrackPopupMenu(
        built.menu.get(), TPM_RETURNCMD, clientPoint.x, clientPoint.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen <= 0 || chosen > static_cast<int>(built.commands.size())) return nullptr;
    return built.commands[static_cast<std::size_t>(chosen - 1)];
}

}  // namespace orv::win32
