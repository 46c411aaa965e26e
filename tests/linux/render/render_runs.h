#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orv::render {

// The renderer's command line with these arguments.
std::vector<std::string> renderer(std::vector<std::string> args);

std::string slurp(const std::filesystem::path& file);

// One number ffprobe reports for the file's first stream of a kind ("v" or "a"), or -1.
double probe(const std::filesystem::path& file, const std::string& stream,
             const std::string& entry);

}  // namespace orv::render
