#include "linux/support/fifo_feed.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace orv::testing {

FifoFeed::FifoFeed(const std::filesystem::path& path, std::string bytes,
                   std::chrono::milliseconds stall) {
    if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("no FIFO " + path.string());
    std::signal(SIGPIPE, SIG_IGN);  // a reader that goes away ends the feed, not the test
    thread_ =
        std::thread([this, path, bytes = std::move(bytes), stall] { feed(path, bytes, stall); });
}

FifoFeed::~FifoFeed() {
    ending_ = true;
    thread_.join();
}

void FifoFeed::feed(const std::filesystem::path& path, const std::string& bytes,
                    std::chrono::milliseconds stall) {
    using namespace std::chrono_literals;
    int fd = -1;
    while (!ending_ && (fd = open(path.c_str(), O_WRONLY | O_NONBLOCK)) < 0) {
        std::this_thread::sleep_for(10ms);
    }
    if (fd < 0) return;
    fcntl(fd, F_SETFL, 0);
    for (std::size_t sent = 0; sent < bytes.size() && !ending_;) {
        const ssize_t written = write(fd, bytes.data() + sent, bytes.size() - sent);
        if (written <= 0) break;
        sent += static_cast<std::size_t>(written);
    }
    const auto until = std::chrono::steady_clock::now() + stall;
    while (!ending_ && std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(10ms);
    close(fd);
}

}  // namespace orv::testing
