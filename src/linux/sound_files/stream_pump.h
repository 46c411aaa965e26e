#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace orv::sound_files {

// Asked now and then while waiting on a stream: true ends the wait (a signal has come).
using StopRequested = std::function<bool()>;

// A stream (pipe, FIFO, socket, terminal) handed to libsndfile through a pipe of this program's
// own, fed by a thread that gives up when asked. libsndfile retries a read that a signal
// interrupts, so a writer that stalls would otherwise hold the program for as long as it likes.
class StreamPump {
  public:
    // Reads the stream's first bytes before anything else does. Throws std::system_error when
    // no pipe can be made.
    StreamPump(int source, StopRequested stopRequested);
    ~StreamPump();
    StreamPump(const StreamPump&) = delete;
    StreamPump& operator=(const StreamPump&) = delete;

    // The first bytes of the stream (up to 16; fewer when it is shorter).
    std::string_view start() const { return start_; }
    // The end to read the stream from.
    int output() const { return output_; }

  private:
    void pump(int into);
    bool stopping() const;
    // Waits until `fd` is ready for `events`; false when asked to stop.
    bool await(int fd, short events) const;

    int source_;
    StopRequested stopRequested_;
    std::atomic<bool> ending_{false};
    std::string start_;
    int output_ = -1;
    std::thread thread_;
};

}  // namespace orv::sound_files
