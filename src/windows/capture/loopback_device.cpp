#include "windows/capture/loopback_device.h"

#include <chrono>

#include "engine/blocks/sound_block.h"

namespace orv::capture {

namespace {

constexpr std::chrono::milliseconds kPollPeriod{10};

}  // namespace

LoopbackDevice::~LoopbackDevice() {
    reset();
    close();
}

StreamOpen LoopbackDevice::open(const std::string& output, WaveInProc callback,
                                std::uintptr_t instance) {
    if (isOpen()) return StreamOpen::kRefused;
    callback_ = callback;
    instance_ = instance;
    std::unique_lock lock(mutex_);
    opened_.reset();
    running_ = true;
    started_ = false;
    thread_ = std::thread(&LoopbackDevice::run, this, output);
    changed_.wait(lock, [this] { return opened_.has_value(); });
    const StreamOpen result = *opened_;
    lock.unlock();
    if (result != StreamOpen::kOpened) thread_.join();
    return result;
}

void LoopbackDevice::run(const std::string& output) {
    const StreamOpen result = pump_.open(output);
    std::unique_lock lock(mutex_);
    opened_ = result;
    changed_.notify_all();
    if (result != StreamOpen::kOpened) return;
    const auto begin = std::chrono::steady_clock::now();
    while (!changed_.wait_for(lock, kPollPeriod, [this] { return !running_; })) {
        if (!started_) continue;
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - begin);
        handBack(pump_.step(elapsed.count() * blocks::kSampleRate / 1000000));
    }
    pump_.close();
}

MmResult LoopbackDevice::start() {
    const std::scoped_lock lock(mutex_);
    if (!isOpen()) return kMmSysErrInvalHandle;
    started_ = true;
    return kMmSysErrNoError;
}

MmResult LoopbackDevice::addBuffer(WaveHeader* header) {
    const std::scoped_lock lock(mutex_);
    if (!isOpen()) return kMmSysErrInvalHandle;
    header->dwBytesRecorded = 0;
    pump_.queue(header);
    return kMmSysErrNoError;
}

MmResult LoopbackDevice::reset() {
    return endRecording();
}

MmResult LoopbackDevice::stop() {
    return endRecording();
}

MmResult LoopbackDevice::endRecording() {
    const std::scoped_lock lock(mutex_);
    if (!isOpen()) return kMmSysErrInvalHandle;
    started_ = false;
    handBack(pump_.takeQueued());
    return kMmSysErrNoError;
}

MmResult LoopbackDevice::close() {
    {
        const std::scoped_lock lock(mutex_);
        if (!isOpen()) return kMmSysErrInvalHandle;
        if (pump_.holdsBuffer()) return kWaveErrStillPlaying;
        running_ = false;
        changed_.notify_all();
    }
    thread_.join();
    return kMmSysErrNoError;
}

bool LoopbackDevice::lost() {
    const std::scoped_lock lock(mutex_);
    return pump_.lost();
}

void LoopbackDevice::handBack(WaveHeader* header) {
    if (header != nullptr && callback_ != nullptr)
        callback_(handle(), kWimData, instance_, reinterpret_cast<std::uintptr_t>(header), 0);
}

}  // namespace orv::capture
