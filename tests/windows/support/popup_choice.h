#pragma once

#include <string>
#include <vector>

#include "windows/forms/menu.h"
#include "windows/mainwindow/main_form.h"
#include "windows/support/fake_platform.h"

namespace orv::testing {

// The items of a menu, by caption.
inline std::vector<std::string> captionsOf(const forms::MenuItem& menu) {
    std::vector<std::string> captions;
    for (const auto& item : menu.items()) captions.push_back(item->caption());
    return captions;
}

// A right press on the main window's face that chooses, in the pop-up menu that opens, the
// item of the sub-menu `submenu` captioned `caption`. False when there was no such item.
inline bool choosePopupItem(FakePlatform& platform, mainwindow::MainForm& frmMain,
                            const std::string& submenu, const std::string& caption) {
    bool found = false;
    FakeFormPeer& peer = platform.peerOf(frmMain);
    peer.onPopup = [&](const forms::MenuItem& menu) {
        for (const auto& parent : menu.items()) {
            if (parent->caption() != submenu) continue;
            for (const auto& item : parent->items()) {
                if (item->caption() == caption && !found) {
                    found = true;
                    item->click();
                }
            }
        }
    };
    frmMain.mouseDown(forms::MouseButton::Right, 0, 100, 200);
    peer.onPopup = nullptr;
    return found;
}

}  // namespace orv::testing
