#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "linux/render/frame_sink.h"
#include "linux/render/output_kind.h"
#include "linux/render/staged_file.h"

namespace orv::render {

// One PNG: the picture after the last block.
class PngPictureSink final : public FrameSink {
  public:
    PngPictureSink(const std::filesystem::path& target, int width, int height, bool alpha,
                   bool overwrite);
    void write(std::span<const std::uint8_t> rgb) override;
    bool everyFrame() const override { return false; }
    void finish() override;

  private:
    StagedFile file_;
    int width_;
    int height_;
    bool alpha_;
    std::vector<std::uint8_t> last_;
};

// One PNG a block, numbered from 1, encoded on as many threads as the machine has cores: drawing
// is cheap next to encoding. At most two frames a thread wait, and no more than a fixed budget
// of memory holds, so memory stays flat whatever the frame's size and the number of cores.
class PngSequenceSink final : public FrameSink {
  public:
    // Throws OutputError when any of the `frames` names (when known) exists and may not be
    // overwritten, so that a run never stops midway over one.
    PngSequenceSink(NumberedName names, int width, int height, bool alpha, bool overwrite,
                    std::optional<std::int64_t> frames);
    ~PngSequenceSink() override;
    PngSequenceSink(const PngSequenceSink&) = delete;
    PngSequenceSink& operator=(const PngSequenceSink&) = delete;

    void write(std::span<const std::uint8_t> rgb) override;
    void finish() override;

  private:
    struct Frame {
        std::vector<std::uint8_t> rgb;
        long number = 0;
    };
    void work();
    void stop();
    void rethrowFailure();

    NumberedName names_;
    int width_;
    int height_;
    bool alpha_;
    bool overwrite_;
    long written_ = 0;
    long committed_ = 0;
    std::vector<Frame> frames_;
    std::deque<Frame*> free_;
    std::deque<Frame*> waiting_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool ending_ = false;
    int busy_ = 0;
    std::exception_ptr failure_;
    std::vector<std::thread> workers_;
};

}  // namespace orv::render
