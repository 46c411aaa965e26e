#pragma once

namespace orv::capture {

// What a capture tells the window around it, each at the moment the window shows it. The block
// itself is reported through Capture::DrawFrame.
class CaptureListener {
  public:
    virtual ~CaptureListener() = default;

    // A device is about to be opened.
    virtual void captureOpening() {}
    // The device is open and the pump after opening did not stop it: blocks follow.
    virtual void captureOpened() {}
    // The capture ends (stopped, or failed): its device is about to be closed.
    virtual void captureEnding() {}
    // The device could not be opened and no handle is kept. switchedFrom: the capture that ran
    // before was closed to go on from this device, so none runs now.
    virtual void openFailed(bool switchedFrom) { static_cast<void>(switchedFrom); }
};

}  // namespace orv::capture
