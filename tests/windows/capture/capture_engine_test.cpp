#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "windows/capture/capture.h"
#include "windows/capture/capture_listener.h"
#include "windows/capture/wave_in_callback.h"
#include "windows/support/scripted_wave_in.h"

namespace orv::testing {
namespace {

using Calls = std::vector<std::string>;
const std::string kOpen = "open 4294967295 0 196608";
const std::string kOpenB = "open 1 0 196608";

// Writes what the engine reports into the device's own record, so the order of both shows.
class RecordingListener final : public capture::CaptureListener {
  public:
    explicit RecordingListener(Calls& calls) : calls_(calls) {}
    void captureOpening() override { calls_.emplace_back("[opening]"); }
    void captureOpened() override { calls_.emplace_back("[opened]"); }
    void captureEnding() override { calls_.emplace_back("[ending]"); }
    void openFailed(bool switchedFrom) override {
        calls_.emplace_back(switchedFrom ? "[failed after switch]" : "[failed]");
    }

  private:
    Calls& calls_;
};

// The engine alone over a scripted device: no form, no skin, no platform. Each character of a
// script is one pump: '.' nothing, 'd' a block handed back, 'b' the second device chosen,
// 's' stop, 'x' the drawing of the next block fails.
struct ReportCase {
    const char* what;
    const char* pumps;
    Calls calls;
};

class CaptureReports : public ::testing::TestWithParam<ReportCase> {
  protected:
    void SetUp() override {
        capture::BufferDone = capture::kFalse;
        device.offer({"PulseAudio", "Refusing"});
        device.refusing = {1};
        engine.listen(listener);
        engine.DrawFrame = [this] {
            if (failDrawing) throw std::runtime_error("drawing failed");
        };
    }
    void pump() {
        if (script.empty()) return;
        const char step = script.front();
        script.pop_front();
        if (step == 'd') device.deliver(1);
        if (step == 'b') engine.selectDevice("Refusing");
        if (step == 's') engine.stop();
        if (step == 'x') failDrawing = true;
    }

    ScriptedWaveIn device;
    RecordingListener listener{device.calls};
    capture::Capture engine{device, [this] { pump(); }};
    std::deque<char> script;
    bool failDrawing = false;
};

TEST_P(CaptureReports, ComeInTheirPlaceAmongTheDeviceCalls) {
    const std::string pumps = GetParam().pumps;
    script.assign(pumps.begin(), pumps.end());
    try {
        engine.start();
    } catch (const std::runtime_error&) {
        // The failing drawing's case: the report of the end is what is checked.
    }
    EXPECT_EQ(device.calls, GetParam().calls) << GetParam().what;
    EXPECT_EQ(engine.hWaveIn(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, CaptureReports,
    ::testing::Values(ReportCase{"stopped in the wait",
                                 ".s",
                                 {"[opening]", kOpen, "[opened]", "start", "prepare", "add",
                                  "[ending]", "reset", "stop", "close", "unprepare 0"}},
                      ReportCase{"stopped in the pump after the open",
                                 "s",
                                 {"[opening]", kOpen, "[ending]", "reset", "stop", "close"}},
                      ReportCase{"a device that refuses, chosen during the wait",
                                 ".b",
                                 {"[opening]", kOpen, "[opened]", "start", "prepare", "add",
                                  "reset", "stop", "close", "unprepare 0", "[opening]", kOpenB,
                                  "[failed after switch]"}},
                      ReportCase{"a failed drawing",
                                 ".xd",
                                 {"[opening]", kOpen, "[opened]", "start", "prepare", "add",
                                  "unprepare", "[ending]", "reset", "stop", "close"}}));

TEST(CaptureWithoutListener, CapturesAndStopsAsWithOne) {
    ScriptedWaveIn device;
    device.openResult = 4;
    capture::Capture engine{device, [] {}};
    engine.start();
    EXPECT_EQ(device.calls, (Calls{kOpen}));
    EXPECT_EQ(engine.hWaveIn(), 0U);
}

}  // namespace
}  // namespace orv::testing
