#include "windows/mainwindow/start_stop.h"

#include <utility>

#include "windows/mainwindow/on_top_pause.h"

namespace orv::mainwindow {

StartStop::StartStop(MainForm& frmMain, forms::Platform& platform, capture::Capture& capture,
                     const Skin& skin, std::string appTitle)
    : frmMain_(frmMain),
      platform_(platform),
      capture_(capture),
      skin_(skin),
      appTitle_(std::move(appTitle)) {}

void StartStop::wire() {
    frmMain_.cmdStart.onClick = [this] { cmdStart_Click(); };
    frmMain_.cmdStop.onClick = [this] { cmdStop_Click(); };
    capture_.listen(*this);
}

void StartStop::cmdStart_Click() {
    capture_.start();
}

void StartStop::cmdStop_Click() {
    capture_.stop();
}

void StartStop::showButtons(bool capturing) {
    frmMain_.cmdStart.setPicture(skin_.image(capturing ? SkinImage::StartD : SkinImage::StartN));
    frmMain_.cmdStop.setPicture(skin_.image(capturing ? SkinImage::StopN : SkinImage::StopD));
}

void StartStop::enableButtons(bool capturing) {
    frmMain_.cmdStart.setEnabled(!capturing);
    frmMain_.cmdStop.setEnabled(capturing);
}

void StartStop::captureOpening() {
    showButtons(true);
}

void StartStop::captureOpened() {
    enableButtons(true);
}

void StartStop::captureEnding() {
    enableButtons(false);
    showButtons(false);
}

void StartStop::openFailed(bool switchedFrom) {
    // The capture that was switched from has ended: Start must be usable again. After a plain
    // Start the capturing looks stay, and Start can be pressed again as it is.
    if (switchedFrom) enableButtons(false);
    withOnTopPause(frmMain_.chkOnTop, [this] {
        platform_.msgBox(
            "Невозможно открыть устройство ввода звука.\r\n"
            "Возможно он занят или используется другим приложением.",
            forms::msgbox::kCritical, "Ошибка в " + appTitle_);
    });
}

}  // namespace orv::mainwindow
