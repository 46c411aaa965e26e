#include "linux/live/source_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv::live {
namespace {

const std::vector<SoundSource> kSources = {
    {"speakers.monitor", "Monitor of Speakers"},
    {"usb-mic", "USB microphone"},
};

std::string speakers() {
    return "speakers.monitor";
}

TEST(SourceChoice, NoNameMeansWhatTheComputerPlays) {
    const SourceChoice choice = chooseSource(kSources, "", true, speakers);
    EXPECT_EQ(choice.name, "speakers.monitor");
    EXPECT_EQ(choice.warning, "");
}

TEST(SourceChoice, AnUnknownNameGivenNowIsAnErrorListingTheNames) {
    try {
        chooseSource(kSources, "usb-mi", true, speakers);
        FAIL() << "no error";
    } catch (const LiveError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find("'usb-mi'"), std::string::npos) << text;
        EXPECT_NE(text.find("speakers.monitor"), std::string::npos) << text;
        EXPECT_NE(text.find("usb-mic  "), std::string::npos) << text;
    }
}

TEST(SourceChoice, ARememberedSourceThatHasGoneFallsBackWithAWarning) {
    const SourceChoice choice = chooseSource(kSources, "unplugged-headset", false, speakers);
    EXPECT_EQ(choice.name, "speakers.monitor");
    EXPECT_NE(choice.warning.find("unplugged-headset"), std::string::npos);
}

TEST(SourceChoice, TheListAlignsTheDescriptions) {
    EXPECT_EQ(listSources(kSources),
              "  speakers.monitor  Monitor of Speakers\n"
              "  usb-mic           USB microphone\n");
}

}  // namespace
}  // namespace orv::live
