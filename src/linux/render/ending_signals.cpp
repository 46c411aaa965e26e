#include "linux/render/ending_signals.h"

#include <array>
#include <atomic>
#include <csignal>

#include "linux/render/output_error.h"

namespace orv::render {
namespace {

std::atomic<int> caught{0};

extern "C" void onEndingSignal(int signal) {
    caught = signal;
}

}  // namespace

void catchEndingSignals() {
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked read or write returns EINTR
    for (const int signal : std::array{SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaction(signal, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);  // a reader that goes away is reported as a write error
}

int endingSignal() {
    return caught;
}

void stopIfSignalled() {
    if (const int signal = caught; signal != 0) throw Interrupted(signal);
}

}  // namespace orv::render
