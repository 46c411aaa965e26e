#include "linux/render/staged_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

#include "linux/render/output_error.h"

namespace orv::render {
namespace {

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// ".NAME.PID.part", with NAME shortened (at a character's start) to keep within the longest name
// a folder takes, so that any name that can be written can be staged.
std::string temporaryName(const std::string& name) {
    constexpr std::size_t kLongestName = 255;
    const std::string tail = "." + std::to_string(getpid()) + ".part";
    std::string kept = name.substr(0, std::min(name.size(), kLongestName - 1 - tail.size()));
    while (kept.size() < name.size() && !kept.empty() &&
           (static_cast<unsigned char>(name[kept.size()]) & 0xC0U) == 0x80U) {
        kept.pop_back();
    }
    return "." + kept + tail;
}

}  // namespace

void checkWritable(const std::filesystem::path& target, bool overwrite) {
    const std::string name = target.string() + ": ";
    const std::filesystem::path folder = folderOf(target);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        throw OutputError(name + "the folder " + folder.string() + " does not exist");
    }
    if (access(folder.c_str(), W_OK) != 0) {
        throw OutputError(name + "the folder " + folder.string() + " is not writable (" +
                          std::strerror(errno) + ")");
    }
    if (std::filesystem::is_directory(target, error)) throw OutputError(name + "is a folder");
    if (!overwrite && std::filesystem::exists(target, error)) {
        throw OutputError(name + "exists already (--overwrite replaces it)");
    }
}

StagedFile::StagedFile(std::filesystem::path target, bool overwrite)
    : target_(std::move(target)), overwrite_(overwrite) {
    checkWritable(target_, overwrite_);
    temporary_ = folderOf(target_) / temporaryName(target_.filename().string());
}

StagedFile::~StagedFile() {
    if (committed_) return;
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

void StagedFile::commit() {
    // Checked again: the target may have appeared while the output was written.
    if (!overwrite_ && std::filesystem::exists(target_)) {
        throw OutputError(target_.string() + ": exists already (--overwrite replaces it)");
    }
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error)
        throw OutputError(target_.string() + ": cannot be written (" + error.message() + ")");
    committed_ = true;
}

}  // namespace orv::render
