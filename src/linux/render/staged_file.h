#pragma once

#include <filesystem>

namespace orv::render {

// An output written under a temporary name beside its target and given the target's name only
// when complete, so a failed or interrupted run never leaves a part of a file under that name.
class StagedFile {
  public:
    // Throws OutputError when the target's folder does not exist or cannot be written, or when
    // the target exists and may not be overwritten.
    StagedFile(std::filesystem::path target, bool overwrite);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Where to write meanwhile.
    const std::filesystem::path& temporary() const { return temporary_; }
    const std::filesystem::path& target() const { return target_; }
    // Gives the written file the target's name. Throws OutputError when it cannot.
    void commit();

  private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool overwrite_;
    bool committed_ = false;
};

// Throws OutputError when `target` exists and may not be overwritten, or its folder is missing
// or not writable.
void checkWritable(const std::filesystem::path& target, bool overwrite);

}  // namespace orv::render
