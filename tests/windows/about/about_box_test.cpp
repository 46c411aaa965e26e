#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/about/about_box.h"
#include "windows/support/fake_platform.h"

namespace orv::about {
namespace {

forms::AppInfo app() {
    forms::AppInfo info;
    info.comments = "http://orvanta.example.org/";
    info.fileDescription = "Программа для спектрального анализа звука";
    return info;
}

TEST(AboutBox, TextIsExactByteForByte) {
    EXPECT_EQ(AboutText(app()),
              "Orvanta 2\r\n"
              "Версия:\t2.2\r\n"
              "\r\n"
              "Автор:\tАркадий Примеров\r\n"
              "E-mail: \tarkady.primerov@example.org\r\n"
              "URL: \thttp://orvanta.example.org/\r\n"
              "\r\n"
              "Описание:\r\n"
              "\tПрограмма для спектрального анализа звука");
}

TEST(AboutBox, ShowsWithoutIconInsideTheOnTopPauseAndLeavesTheBoxTicked) {
    testing::FakePlatform platform;
    forms::CheckBox chkOnTop("chkOnTop", {}, 4, 0);
    std::vector<int> clicks;
    chkOnTop.onClick = [&] { clicks.push_back(chkOnTop.value()); };
    int onTopDuringBox = -1;
    platform.whileMessageBox = [&](const testing::FakePlatform::MessageBox&) {
        onTopDuringBox = chkOnTop.value();
    };

    ShowAbout(platform, chkOnTop, app());

    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    EXPECT_EQ(platform.messageBoxes[0].style, 0);
    EXPECT_EQ(platform.messageBoxes[0].title, "Orvanta 2");
    EXPECT_EQ(onTopDuringBox, 0);
    EXPECT_EQ(clicks, (std::vector<int>{1})) << "an unticked box ends ticked";
}

}  // namespace
}  // namespace orv::about
