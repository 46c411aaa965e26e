#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace orv::command_line {

// What reading a small text file (the settings, a colours file) found.
enum class FileProblem { None, Missing, Folder, NotRegular, TooLarge, Unreadable };

struct SmallFile {
    std::string text;
    FileProblem problem = FileProblem::None;
    std::string reason;  // the system's words, for Unreadable
};

// The whole file when it holds at most LIMIT bytes. Never more than LIMIT + 1 bytes are read,
// so /dev/zero or a huge file costs no more than a small one. With regularOnly, what is not a
// regular file is not read at all: a device or a pipe nobody writes would keep it waiting.
SmallFile readSmallFile(const std::filesystem::path& path, std::size_t limit, bool regularOnly);

}  // namespace orv::command_line
