#include "linux/sound_files/stream_pump.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

namespace orv::sound_files {
namespace {

constexpr int kPollMilliseconds = 100;
constexpr std::size_t kStartBytes = 16;

}  // namespace

StreamPump::StreamPump(int source, StopRequested stopRequested)
    : source_(source), stopRequested_(std::move(stopRequested)) {
    std::array<char, kStartBytes> first{};
    std::size_t got = 0;
    while (got < first.size() && await(source_, POLLIN)) {
        const ssize_t count = read(source_, first.data() + got, first.size() - got);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        got += static_cast<std::size_t>(count);
    }
    start_.assign(first.data(), got);
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category());
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    output_ = ends[0];
    thread_ = std::thread([this, into = ends[1]] { pump(into); });
}

StreamPump::~StreamPump() {
    ending_ = true;
    thread_.join();
    close(output_);
}

bool StreamPump::stopping() const {
    return ending_ || (stopRequested_ && stopRequested_());
}

bool StreamPump::await(int fd, short events) const {
    pollfd polled{fd, events, 0};
    while (!stopping()) {
        if (poll(&polled, 1, kPollMilliseconds) > 0) return true;
    }
    return false;
}

void StreamPump::pump(int into) {
    std::array<char, 65536> chunk{};
    std::string_view pending = start_;
    for (;;) {
        while (!pending.empty()) {
            if (!await(into, POLLOUT)) {
                close(into);
                return;
            }
            const ssize_t written = write(into, pending.data(), pending.size());
            if (written < 0 && errno != EAGAIN && errno != EINTR) {
                close(into);  // the reader has gone
                return;
            }
            if (written > 0) pending.remove_prefix(static_cast<std::size_t>(written));
        }
        if (!await(source_, POLLIN)) break;
        const ssize_t count = read(source_, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        pending = std::string_view(chunk.data(), static_cast<std::size_t>(count));
    }
    close(into);  // the end of the stream, as libsndfile sees it
}

}  // namespace orv::sound_files
