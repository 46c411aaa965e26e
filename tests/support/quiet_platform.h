// A platform that does nothing when asked, for drawing without windows: tests, the end-to-end
// reference picture and the benchmarks. Fakes that record one service override just that one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/platform.h"

namespace orv::testing {

class QuietPlatform : public forms::Platform {
  public:
    void doEvents() override {}
    void msgBox(const std::string& /*prompt*/, int /*style*/,
                const std::string& /*title*/) override {}
    void showModal(forms::Form& /*dialog*/, forms::Form& /*owner*/) override {}
    std::vector<forms::DirEntry> listDirectory(const std::string& /*path*/) override { return {}; }
    std::optional<forms::Colour> chooseColour(forms::Form& /*owner*/) override { return {}; }
    void endProgram() override {}
    void createPeers(forms::Form& /*form*/) override {}
    void destroyPeers(forms::Form& /*form*/) override {}
};

}  // namespace orv::testing
