#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "windows/capture/wave_in_callback.h"
#include "windows/support/popup_choice.h"
#include "windows/support/program_fixture.h"

namespace orv::testing {
namespace {

using Calls = std::vector<std::string>;
const std::string kOpen = "open 4294967295 0 196608";  // the wave mapper, a function callback

// A started program whose drawn blocks are counted, with the level of each drawn block.
class CaptureTest : public ProgramTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program.Main());
        program.capture().DrawFrame = [this] {
            drawn.push_back(program.capture().SampleBuffer()[0]);
        };
        capture::BufferDone = capture::kFalse;
    }
    auto& f() { return program.frmMain(); }
    void expectButtons(bool startEnabled, bool stopEnabled, int startImage, int stopImage) {
        EXPECT_EQ(f().cmdStart.enabled(), startEnabled);
        EXPECT_EQ(f().cmdStop.enabled(), stopEnabled);
        EXPECT_EQ(f().cmdStart.picture().resourceId, startImage);
        EXPECT_EQ(f().cmdStop.picture().resourceId, stopImage);
    }
    // The device hands back one block per pump while the capture runs, levels 1, 2, 3...
    void deliverBlocks(int count) {
        platform.everyPump = [this, count] {
            if (delivered < count && device.holdsBuffer()) device.deliver(++delivered);
        };
    }

    app::Program program{platform, store, device, appInfo()};
    std::vector<int> drawn;
    int delivered = 0;
};

TEST_F(CaptureTest, StopBeforeAnyStartGivesHandleZeroToTheDeviceAndEndsIdle) {
    expectButtons(true, true, 101, 104);
    f().cmdStop.click();
    EXPECT_EQ(device.calls, (Calls{"reset 0", "stop 0", "close 0"}));
    expectButtons(true, false, 101, 104);
    EXPECT_EQ(program.capture().hWaveIn(), 0U);
    EXPECT_TRUE(drawn.empty());
}

TEST_F(CaptureTest, StopDuringTheWaitClosesTheDeviceAndDrawsOneLastBlock) {
    deliverBlocks(2);
    platform.pumpActions = {
        [] {},
        [] {},
        [] {},
        [] {},
        [] {},  // two blocks come and go
        [this] {
            expectButtons(false, true, 102, 103);
            EXPECT_TRUE(device.holdsBuffer());
            f().cmdStop.click();
        },
    };

    f().cmdStart.click();

    EXPECT_EQ(device.calls,
              (Calls{kOpen, "start", "prepare", "add", "unprepare", "prepare", "add", "unprepare",
                     "prepare", "add", "reset", "stop", "close", "unprepare 0"}));
    EXPECT_EQ(drawn, (std::vector<int>{1, 2, 2})) << "the reset hands back the old contents";
    expectButtons(true, false, 101, 104);
    EXPECT_EQ(program.capture().hWaveIn(), 0U);
}

TEST_F(CaptureTest, StopInTheFinalPumpEndsTheLoopAtOnce) {
    deliverBlocks(1);
    // After the open, the wait's pump delivers, then the final pump after the block is drawn.
    platform.pumpActions = {[] {}, [] {}, [this] { f().cmdStop.click(); }};

    f().cmdStart.click();

    EXPECT_EQ(device.calls,
              (Calls{kOpen, "start", "prepare", "add", "unprepare", "reset", "stop", "close"}));
    EXPECT_EQ(drawn, (std::vector<int>{1}));
}

TEST_F(CaptureTest, ADeviceThatKeepsTheBufferKeepsTheWindowAliveUntilStop) {
    int pumpsWhileWaiting = 0;
    platform.everyPump = [&] {
        if (++pumpsWhileWaiting == 1000) f().cmdStop.click();
    };

    f().cmdStart.click();

    EXPECT_GE(pumpsWhileWaiting, 1000);
    EXPECT_EQ(drawn.size(), 1U);
    EXPECT_EQ(device.calls.back(), "unprepare 0");
}

TEST_F(CaptureTest, AFailedOpenReportsInsideTheOnTopPauseAndLeavesStartUsable) {
    device.openResult = 4;  // allocated to another program
    std::vector<int> onTopDuringBox;
    platform.whileMessageBox = [&](const FakePlatform::MessageBox&) {
        onTopDuringBox.push_back(f().chkOnTop.value());
    };

    f().cmdStart.click();

    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    EXPECT_EQ(platform.messageBoxes[0].prompt,
              "Невозможно открыть устройство ввода звука.\r\n"
              "Возможно он занят или используется другим приложением.");
    EXPECT_EQ(platform.messageBoxes[0].style, 16);
    EXPECT_EQ(platform.messageBoxes[0].title, "Ошибка в Orvanta 2");
    EXPECT_EQ(onTopDuringBox, (std::vector<int>{0}));
    EXPECT_EQ(f().chkOnTop.value(), 1);
    EXPECT_EQ(device.calls, (Calls{kOpen}));
    // The capturing looks stay, but nothing else changed: Start can be pressed again.
    expectButtons(true, true, 102, 103);
    EXPECT_EQ(program.capture().hWaveIn(), 0U);
}

TEST_F(CaptureTest, StartPressedDuringStopsFinalPumpNestsANewCaptureInTheOldOne) {
    deliverBlocks(1);
    bool nestedStarted = false;
    platform.pumpActions = {
        [] {},                            // the pump after the open
        [] {},                            // wait: block 1 arrives
        [] {},                            // final pump of block 1
        [this] { f().cmdStop.click(); },  // wait of block 2: Stop
        [&] {                             // Stop's own final pump: Start again
            nestedStarted = true;
            delivered = 0;
            f().cmdStart.click();
        },
        [] {},                            // nested: pump after open
        [] {},                            // nested wait: a block arrives
        [this] { f().cmdStop.click(); },  // nested final pump: Stop
    };

    f().cmdStart.click();

    ASSERT_TRUE(nestedStarted);
    EXPECT_EQ(device.calls, (Calls{kOpen, "start", "prepare", "add", "unprepare", "prepare", "add",
                                   "reset", "stop", "close", kOpen, "start", "prepare", "add",
                                   "unprepare", "reset", "stop", "close", "unprepare 0"}))
        << "the old loop finishes only after the nested capture has stopped";
    expectButtons(true, false, 101, 104);
}

TEST_F(CaptureTest, AFailureWhileDrawingEndsTheCaptureAndLeavesStartAndClosingWorking) {
    deliverBlocks(1);
    program.capture().DrawFrame = [] { throw std::runtime_error("drawing failed"); };

    EXPECT_THROW(f().cmdStart.click(), std::runtime_error);

    EXPECT_EQ(device.calls,
              (Calls{kOpen, "start", "prepare", "add", "unprepare", "reset", "stop", "close"}));
    expectButtons(true, false, 101, 104);
    EXPECT_EQ(program.capture().hWaveIn(), 0U);

    // Start captures again, and closing during it ends the program.
    program.capture().DrawFrame = [this] { drawn.push_back(program.capture().SampleBuffer()[0]); };
    delivered = 0;
    platform.pumpActions = {[] {}, [] {}, [this] { f().close(); }};
    f().cmdStart.click();
    EXPECT_EQ(drawn, (std::vector<int>{1}));
    EXPECT_EQ(device.calls.back(), "close");
    EXPECT_TRUE(platform.ended);
}

// Presses posted with no gap, as a test tool or an auto-clicker sends them: a pump serves every
// press waiting, as the system's does, so each is served inside the handler before it.
class CaptureBurst : public CaptureTest {
  protected:
    void post(int presses) {
        for (int press = 0; press < presses; ++press) {
            forms::PictureBox& button = press % 2 == 0 ? f().cmdStart : f().cmdStop;
            posted.emplace_back([&button] { button.click(); });
        }
    }
    void servePosted() {
        while (!posted.empty()) {
            const std::function<void()> press = std::move(posted.front());
            posted.pop_front();
            deepest = std::max(deepest, ++depth);
            press();
            --depth;
        }
    }
    // Bounded: at most two captures nested with their Stops, and the press being served; no
    // device opened over one still open; all ends idle.
    void expectBoundedAndIdle() {
        EXPECT_LE(deepest, 5);
        int openDevices = 0;
        for (const std::string& call : device.calls) {
            if (call == kOpen) {
                EXPECT_EQ(openDevices++, 0) << "a device opened over an open one";
            }
            if (call == "close") --openDevices;
        }
        expectButtons(true, false, 101, 104);
        EXPECT_EQ(program.capture().hWaveIn(), 0U);
    }

    std::deque<std::function<void()>> posted;
    int depth = 0;
    int deepest = 0;
};

struct BurstCase {
    const char* name;
    int presses;  // Start, Stop, Start, ... alternately, from the start state
};

void PrintTo(const BurstCase& c, std::ostream* os) {
    *os << c.presses << " presses";
}

class CaptureBurstAtOnce : public CaptureBurst, public ::testing::WithParamInterface<BurstCase> {};

TEST_P(CaptureBurstAtOnce, NestsBoundedlyAndLeavesOneCaptureThatStopEnds) {
    post(GetParam().presses);
    platform.everyPump = [this] {
        servePosted();
        // After the burst: three blocks, then Stop.
        if (!device.holdsBuffer()) return;
        if (delivered < 3) {
            device.deliver(++delivered);
        } else {
            f().cmdStop.click();
        }
    };

    platform.doEvents();  // the message loop finds the burst

    expectBoundedAndIdle();
    // A Stop served during Start's first pump ends that capture before it begins.
    EXPECT_EQ(delivered, GetParam().presses == 2 ? 0 : 3) << "blocks of the capture left";
}

INSTANTIATE_TEST_SUITE_P(Presses, CaptureBurstAtOnce,
                         ::testing::Values(BurstCase{"Start", 1}, BurstCase{"StartStop", 2},
                                           BurstCase{"StartStopStart", 3},
                                           BurstCase{"Presses400", 400},
                                           BurstCase{"Presses401", 401}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(CaptureBurst, StopAndStartAfterEveryBlockNestNoDeeperThanTwoCaptures) {
    int pairs = 0;
    platform.everyPump = [&] {
        servePosted();
        if (!device.holdsBuffer()) return;
        device.deliver(++delivered);
        if (++pairs <= 100) {
            posted.emplace_back([this] { f().cmdStop.click(); });
            posted.emplace_back([this] { f().cmdStart.click(); });
        } else {
            f().cmdStop.click();
        }
    };

    f().cmdStart.click();

    expectBoundedAndIdle();
    EXPECT_EQ(std::count(device.calls.begin(), device.calls.end(), kOpen), 101)
        << "every Start of a pair captures";
}

TEST_F(CaptureTest, ClosingTheWindowDuringACaptureStopsTheDeviceFirst) {
    deliverBlocks(1);
    platform.pumpActions = {[] {}, [] {}, [this] { f().close(); }};

    f().cmdStart.click();

    EXPECT_EQ(device.calls,
              (Calls{kOpen, "start", "prepare", "add", "unprepare", "reset", "stop", "close"}));
    EXPECT_TRUE(platform.ended);
}

TEST_F(CaptureTest, TheDeviceGetsTheProgramsFormatAndTheBuildsHeaderSize) {
    deliverBlocks(1);
    platform.pumpActions = {[] {}, [] {}, [this] { f().cmdStop.click(); }};
    f().cmdStart.click();

    const capture::WaveFormat& format = device.openedFormat;
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 1);
    EXPECT_EQ(format.samplesPerSec, 11025U);
    EXPECT_EQ(format.avgBytesPerSec, 11025U);
    EXPECT_EQ(format.blockAlign, 1);
    EXPECT_EQ(format.bitsPerSample, 8);
    EXPECT_EQ(format.cbSize, 0);
    const unsigned expectedSize = sizeof(void*) == 8 ? 48 : 32;
    for (unsigned size : device.headerSizes) EXPECT_EQ(size, expectedSize);
}

const std::vector<std::string> kDevices{"PulseAudio", "Monitor of Orvanta", "Monitor of Orvanta B"};
const std::string kOpenB = "open 2 0 196608";

// A capture over named devices, with a device name stored before the program starts.
class DeviceCaptureTest : public CaptureTest {
  protected:
    void SetUp() override {
        device.offer(kDevices);
        if (stored != nullptr) store.save("Orvanta 2", "Settings", "Device", stored);
        CaptureTest::SetUp();
    }
    bool chooseSource(const std::string& caption) {
        return choosePopupItem(platform, f(), "Источник &звука", caption);
    }
    std::string storedDevice() { return store.get("Orvanta 2", "Settings", "Device", "(absent)"); }
    // Starts a capture and stops it in the wait for its first block; returns the open call.
    std::string startOnce() {
        device.calls.clear();
        platform.pumpActions = {[] {}, [this] { f().cmdStop.click(); }};
        f().cmdStart.click();
        return device.calls.empty() ? "" : device.calls.front();
    }

    const char* stored = nullptr;
};

struct StoredDeviceCase {
    const char* stored;
    std::string open;
};

class StoredDevice : public DeviceCaptureTest,
                     public ::testing::WithParamInterface<StoredDeviceCase> {
  protected:
    void SetUp() override {
        stored = GetParam().stored;
        DeviceCaptureTest::SetUp();
    }
};

TEST_P(StoredDevice, StartOpensTheDeviceOfThatNameOrElseTheSystemsChoiceSilently) {
    EXPECT_EQ(startOnce(), GetParam().open);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_EQ(storedDevice(), stored == nullptr ? "(absent)" : stored) << "the store is untouched";
}

INSTANTIATE_TEST_SUITE_P(Names, StoredDevice,
                         ::testing::Values(StoredDeviceCase{nullptr, kOpen},
                                           StoredDeviceCase{"", kOpen},
                                           StoredDeviceCase{"PulseAudio", "open 0 0 196608"},
                                           StoredDeviceCase{"Monitor of Orvanta B", kOpenB},
                                           StoredDeviceCase{"USB Microphone", kOpen},
                                           StoredDeviceCase{"Monitor of Orvanta B ", kOpen}));

class UnpluggedDevice : public DeviceCaptureTest {
  protected:
    void SetUp() override {
        stored = "USB Microphone";
        DeviceCaptureTest::SetUp();
    }
};

TEST_F(UnpluggedDevice, IsUsedAgainWhenItComesBack) {
    EXPECT_EQ(startOnce(), kOpen);

    device.offer({"PulseAudio", "USB Microphone"});
    EXPECT_EQ(startOnce(), "open 1 0 196608");
    EXPECT_EQ(storedDevice(), "USB Microphone");
}

// A device chosen from the pop-up menu during a capture, in the pump the script says. Each
// character is one pump: '.' nothing, 'd' the device hands back a block (levels 1, 2, ...),
// 'b' the third device is chosen, 'm' the system's choice is chosen, 's' Stop is pressed.
struct SwitchCase {
    const char* what;
    const char* pumps;
    Calls calls;
    std::vector<int> drawn;
};

class DeviceSwitch : public DeviceCaptureTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(DeviceSwitch, EndsTheLoopThenOpensTheNewDeviceWithoutDrawingABlockTwice) {
    for (const char pump : std::string(GetParam().pumps)) {
        platform.pumpActions.emplace_back([this, pump] {
            if (pump == 'd') device.deliver(++delivered);
            if (pump == 'b') chooseSource(kDevices[2]);
            if (pump == 'm') chooseSource("&По выбору системы");
            if (pump == 's') f().cmdStop.click();
        });
    }
    f().cmdStart.click();
    EXPECT_EQ(device.calls, GetParam().calls) << GetParam().what;
    EXPECT_EQ(drawn, GetParam().drawn) << GetParam().what;
    expectButtons(true, false, 101, 104);
}

INSTANTIATE_TEST_SUITE_P(
    Pumps, DeviceSwitch,
    ::testing::Values(
        SwitchCase{"during the wait",
                   ".d.b.ds",
                   {kOpen, "start", "prepare", "add", "unprepare", "prepare", "add", "reset",
                    "stop", "close", "unprepare 0", kOpenB, "start", "prepare", "add", "unprepare",
                    "reset", "stop", "close"},
                   {1, 2}},
        SwitchCase{"in the final pump",
                   ".db.ds",
                   {kOpen, "start", "prepare", "add", "unprepare", "reset", "stop", "close", kOpenB,
                    "start", "prepare", "add", "unprepare", "reset", "stop", "close"},
                   {1, 2}},
        SwitchCase{"the device in use",
                   ".mds",
                   {kOpen, "start", "prepare", "add", "unprepare", "reset", "stop", "close"},
                   {1}}));

TEST_F(DeviceCaptureTest, ASwitchToADeviceThatRefusesTheFormatReportsItAndLeavesStartUsable) {
    device.refusing = {2};
    platform.pumpActions = {[] {}, [this] { chooseSource(kDevices[2]); }};

    f().cmdStart.click();

    EXPECT_EQ(device.calls, (Calls{kOpen, "start", "prepare", "add", "reset", "stop", "close",
                                   "unprepare 0", kOpenB}));
    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    EXPECT_EQ(platform.messageBoxes[0].prompt.rfind("Невозможно открыть устройство", 0), 0U);
    EXPECT_EQ(f().chkOnTop.value(), 1);
    EXPECT_TRUE(f().cmdStart.enabled());
    EXPECT_FALSE(f().cmdStop.enabled());

    EXPECT_EQ(startOnce(), kOpenB) << "Start tries the chosen device again";
}

TEST(WaveInCallback, OnlyABufferHandedBackRaisesTheFlag) {
    capture::BufferDone = capture::kFalse;
    capture::WaveInCallback(1, capture::kWimOpen, 0, 0, 0);
    capture::WaveInCallback(1, capture::kWimClose, 0, 0, 0);
    EXPECT_EQ(capture::BufferDone.load(), capture::kFalse);
    capture::WaveInCallback(1, capture::kWimData, 0, 0, 0);
    EXPECT_EQ(capture::BufferDone.load(), capture::kTrue);
}

}  // namespace
}  // namespace orv::testing
