#include "linux/render/raw_sink.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "linux/render/child_process.h"
#include "linux/render/output_error.h"

namespace orv::render {

RawSink::RawSink() {
    if (isatty(STDOUT_FILENO) != 0) {
        throw OutputError(
            "-: standard output is a terminal; send the raw frames to a file or a pipe");
    }
}

void RawSink::write(std::span<const std::uint8_t> rgb) {
    if (!writeAll(STDOUT_FILENO, rgb)) {
        throw OutputError(std::string("-: standard output cannot be written (") +
                          std::strerror(errno) + ")");
    }
}

}  // namespace orv::render
