#include "render_runs.h"

#include <fstream>
#include <iterator>

#include "linux/support/child_process.h"

namespace orv::render {

std::vector<std::string> renderer(std::vector<std::string> args) {
    args.insert(args.begin(), ORVANTA_RENDER_PROGRAM);
    return args;
}

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

double probe(const std::filesystem::path& file, const std::string& stream,
             const std::string& entry) {
    const testing::ProgramRun run =
        testing::runProgram({"ffprobe", "-v", "error", "-count_frames", "-select_streams",
                             stream + ":0", "-show_entries", "stream=" + entry, "-of",
                             "default=noprint_wrappers=1:nokey=1", file.string()});
    return run.status == 0 && !run.out.empty() ? std::stod(run.out) : -1;
}

}  // namespace orv::render
