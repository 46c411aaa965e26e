#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "windows/forms/platform.h"

namespace orv::testing {

// Records what the program asks of the native window of a form.
class FakeFormPeer : public forms::FormPeer {
  public:
    void stateChanged(const forms::Form&) override {}
    void controlAdded(forms::Control&) override {}
    void minimize() override { ++minimized; }
    void moveBy(float dx, float dy) override { moves.push_back({dx, dy}); }
    void setTopmost(bool topmost) override { topmostCalls.push_back(topmost); }
    void popupMenu(const forms::MenuItem& menu, float x, float y,
                   const forms::MenuItem* defaultItem) override {
        popups.push_back({&menu, x, y, defaultItem});
        if (onPopup) onPopup(menu);
    }
    forms::Colour pixel(int x, int y) override { return pixelAt ? pixelAt(x, y) : 0; }

    struct Move {
        float dx, dy;
    };
    struct Popup {
        const forms::MenuItem* menu;
        float x, y;
        const forms::MenuItem* defaultItem;
    };
    int minimized = 0;
    std::vector<Move> moves;
    std::vector<bool> topmostCalls;
    std::vector<Popup> popups;
    std::function<void(const forms::MenuItem&)> onPopup;  // the user's choice in the menu
    std::function<forms::Colour(int, int)> pixelAt;
};

// The platform for unit tests: records message boxes and modal windows, and runs scripted user
// actions from inside the event pump, so re-entrant paths can be driven.
class FakePlatform : public forms::Platform {
  public:
    struct MessageBox {
        std::string prompt;
        int style;
        std::string title;
    };

    // Actions run one per pump, in order; a pump with none left does nothing.
    std::deque<std::function<void()>> pumpActions;
    // Runs at every pump, before the scripted action (a device delivering blocks, say).
    std::function<void()> everyPump;
    // Runs while a message box is open.
    std::function<void(const MessageBox&)> whileMessageBox;
    // Runs while a modal form is open; the form is unloaded afterwards if it still is loaded.
    std::function<void(forms::Form&)> whileModal;
    std::map<std::string, std::vector<forms::DirEntry>> directories;
    std::deque<std::optional<forms::Colour>> colourChoices;

    int pumps = 0;
    bool ended = false;
    std::vector<MessageBox> messageBoxes;
    std::vector<std::string> modalForms;
    std::map<const forms::Form*, FakeFormPeer> peers;

    void doEvents() override {
        ++pumps;
        if (everyPump) everyPump();
        if (pumpActions.empty()) return;
        auto action = std::move(pumpActions.front());
        pumpActions.pop_front();
        action();
    }
    void msgBox(const std::string& prompt, int style, const std::string& title) override {
        messageBoxes.push_back({prompt, style, title});
        if (whileMessageBox) whileMessageBox(messageBoxes.back());
    }
    void showModal(forms::Form& dialog, forms::Form& /*owner*/) override {
        modalForms.push_back(dialog.name());
        dialog.show();
        if (whileModal) whileModal(dialog);
        dialog.unload();
    }
    std::vector<forms::DirEntry> listDirectory(const std::string& path) override {
        const auto found = directories.find(path);
        return found == directories.end() ? std::vector<forms::DirEntry>{} : found->second;
    }
    std::optional<forms::Colour> chooseColour(forms::Form& /*owner*/) override {
        if (colourChoices.empty()) return std::nullopt;
        auto choice = colourChoices.front();
        colourChoices.pop_front();
        return choice;
    }
    void endProgram() override { ended = true; }
    void createPeers(forms::Form& form) override { form.attach(&peers[&form]); }
    void destroyPeers(forms::Form& form) override { form.attach(nullptr); }

    FakeFormPeer& peerOf(const forms::Form& form) { return peers[&form]; }
};

}  // namespace orv::testing
