#include "linux/command_line/small_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orv::command_line {

namespace {

SmallFile unreadable() {
    return {{}, FileProblem::Unreadable, std::strerror(errno)};
}

}  // namespace

SmallFile readSmallFile(const std::filesystem::path& path, std::size_t limit, bool regularOnly) {
    // Not waiting at opening either: a pipe with no writer would wait there.
    const int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | (regularOnly ? O_NONBLOCK : 0);
    const int descriptor =
        ::open(path.c_str(), flags);  // NOLINT(cppcoreguidelines-pro-type-vararg)
    if (descriptor < 0) {
        return errno == ENOENT ? SmallFile{{}, FileProblem::Missing, {}} : unreadable();
    }
    struct Closer {
        int descriptor;
        ~Closer() { ::close(descriptor); }
    } closer{descriptor};
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        return unreadable();
    }
    if (S_ISDIR(info.st_mode)) {
        return {{}, FileProblem::Folder, {}};
    }
    if (regularOnly && !S_ISREG(info.st_mode)) {
        return {{}, FileProblem::NotRegular, {}};
    }
    SmallFile file;
    file.text.resize(limit + 1);
    std::size_t got = 0;
    while (got < file.text.size()) {
        const ssize_t read = ::read(descriptor, file.text.data() + got, file.text.size() - got);
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            return unreadable();
        }
        if (read == 0) {
            break;
        }
        got += static_cast<std::size_t>(read);
    }
    if (got > limit) {
        return {{}, FileProblem::TooLarge, {}};
    }
    file.text.resize(got);
    return file;
}

}  // namespace orv::command_line
