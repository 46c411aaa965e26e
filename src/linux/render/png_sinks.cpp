#include "linux/render/png_sinks.h"

#include <algorithm>
#include <string>

#include "linux/render/output_error.h"
#include "linux/render/png_encoder.h"

namespace orv::render {
namespace {

// The frames waiting and being encoded (and each thread's encoded picture) stay within this.
constexpr std::size_t kMemoryBudget = 128U << 20U;

}  // namespace

PngPictureSink::PngPictureSink(const std::filesystem::path& target, int width, int height,
                               bool alpha, bool overwrite)
    : file_(target, overwrite), width_(width), height_(height), alpha_(alpha) {}

void PngPictureSink::write(std::span<const std::uint8_t> rgb) {
    last_.assign(rgb.begin(), rgb.end());
}

void PngPictureSink::finish() {
    std::vector<std::uint8_t> png;
    encodePng(last_, width_, height_, alpha_, PngEffort::Small, png);
    writeFile(file_.temporary(), file_.target(), png);
    file_.commit();
}

PngSequenceSink::PngSequenceSink(NumberedName names, int width, int height, bool alpha,
                                 bool overwrite, std::optional<std::int64_t> frames)
    : names_(std::move(names)),
      width_(width),
      height_(height),
      alpha_(alpha),
      overwrite_(overwrite) {
    checkWritable(names_(1), overwrite_);
    for (long number = 2; !overwrite_ && frames && number <= *frames; ++number) {
        if (std::filesystem::exists(names_(number))) {
            throw OutputError(names_(number) + ": exists already (--overwrite replaces it)");
        }
    }
    const std::size_t frameBytes = static_cast<std::size_t>(width) * height * (alpha ? 4 : 3);
    const std::size_t affordable = std::max<std::size_t>(kMemoryBudget / frameBytes / 2, 1);
    const auto threads = static_cast<unsigned>(
        std::min<std::size_t>(std::max(1U, std::thread::hardware_concurrency()), affordable));
    frames_.resize(2 * static_cast<std::size_t>(threads));
    for (Frame& frame : frames_) free_.push_back(&frame);
    for (unsigned t = 0; t < threads; ++t) workers_.emplace_back([this] { work(); });
}

PngSequenceSink::~PngSequenceSink() {
    stop();
}

void PngSequenceSink::write(std::span<const std::uint8_t> rgb) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !free_.empty() || failure_; });
    rethrowFailure();
    Frame* frame = free_.front();
    free_.pop_front();
    lock.unlock();
    frame->rgb.assign(rgb.begin(), rgb.end());
    frame->number = ++written_;
    lock.lock();
    waiting_.push_back(frame);
    changed_.notify_all();
}

void PngSequenceSink::finish() {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return (waiting_.empty() && busy_ == 0) || failure_; });
    }
    stop();
    rethrowFailure();
}

void PngSequenceSink::work() {
    std::vector<std::uint8_t> png;
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !waiting_.empty() || ending_; });
        if (waiting_.empty()) return;
        Frame* frame = waiting_.front();
        waiting_.pop_front();
        ++busy_;
        lock.unlock();
        std::exception_ptr failure;
        try {
            StagedFile file(names_(frame->number), overwrite_);
            encodePng(frame->rgb, width_, height_, alpha_, PngEffort::Fast, png);
            writeFile(file.temporary(), file.target(), png);
            file.commit();
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        --busy_;
        if (!failure) ++committed_;
        if (failure && !failure_) failure_ = failure;
        free_.push_back(frame);
        changed_.notify_all();
    }
}

void PngSequenceSink::stop() {
    {
        const std::scoped_lock lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) {
        if (worker.joinable()) worker.join();
    }
}

void PngSequenceSink::rethrowFailure() {
    if (!failure_) return;
    try {
        std::rethrow_exception(failure_);
    } catch (const OutputError& error) {
        throw OutputError(std::string(error.what()) + " (" + std::to_string(committed_) +
                          " frames written before)");
    }
}

}  // namespace orv::render
