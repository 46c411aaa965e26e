#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace orv::testing {

// A FIFO whose writer, once a reader opens it, sends `bytes` and then holds it open for `stall`
// before closing it, as a program piping its sound does.
class FifoFeed {
  public:
    FifoFeed(const std::filesystem::path& path, std::string bytes,
             std::chrono::milliseconds stall = std::chrono::milliseconds(0));
    ~FifoFeed();
    FifoFeed(const FifoFeed&) = delete;
    FifoFeed& operator=(const FifoFeed&) = delete;

  private:
    void feed(const std::filesystem::path& path, const std::string& bytes,
              std::chrono::milliseconds stall);

    std::atomic<bool> ending_{false};
    std::thread thread_;
};

}  // namespace orv::testing
