// The application facts: the exe's folder, the version strings the About box shows, and the
// single-instance check.
#include <windows.h>

#include <gtest/gtest.h>

#include "windows/win32/app_facts.h"
#include "windows/win32/text.h"

namespace orv::win32 {
namespace {

TEST(AppFacts, TheFolderOfTheExeHasNoTrailingSeparator) {
    const std::string folder = moduleFolder(nullptr);
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    const DWORD attributes = GetFileAttributesW(widen(folder).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(AppFacts, VersionStringsAreReadFromTheVersionResource) {
    // The tests carry the program's own resources.
    const forms::AppInfo info = applicationInfo(nullptr, false);
    EXPECT_EQ(info.fileDescription, "Программа для спектрального анализа звука");
    EXPECT_EQ(info.comments, "http://orvanta.example.org/");
    EXPECT_EQ(versionString(nullptr, L"FileVersion"), "2.02");
    EXPECT_EQ(versionString(nullptr, L"LegalTrademarks"), "FreeWare");
    EXPECT_EQ(versionString(nullptr, L"NoSuchEntry"), "");
    EXPECT_EQ(info.title, "Orvanta 2");
    EXPECT_EQ(info.minor, 2);
}

TEST(AppFacts, ASecondHolderOfTheNameFindsTheFirst) {
    const std::wstring name = L"Local\\Orvanta2.Test." + std::to_wstring(GetCurrentProcessId());
    std::optional<SingleInstance> first(std::in_place, name.c_str());
    EXPECT_FALSE(first->anotherRuns());
    {
        const SingleInstance second(name.c_str());
        EXPECT_TRUE(second.anotherRuns());
    }
    first.reset();
    const SingleInstance afterwards(name.c_str());
    EXPECT_FALSE(afterwards.anotherRuns());
}

}  // namespace
}  // namespace orv::win32
