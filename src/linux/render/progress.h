#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace orv::render {

// A one-line progress bar with the time left, redrawn in place a few times a second; for an
// input of unknown length, the frames and the sound's time done.
class Progress {
  public:
    Progress(std::ostream& out, std::optional<std::int64_t> total, bool shown);
    void advance(std::int64_t done);
    // Clears the bar's line.
    void finish();

    // The bar's text for `done` of `total` after `elapsed` seconds.
    static std::string line(std::int64_t done, std::optional<std::int64_t> total, double elapsed);

  private:
    using Clock = std::chrono::steady_clock;
    std::ostream& out_;
    std::optional<std::int64_t> total_;
    bool shown_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point drawn_{};
};

}  // namespace orv::render
