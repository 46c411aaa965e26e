#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "windows/mainwindow/main_form.h"
#include "windows/mainwindow/skin.h"

namespace orv::mainwindow {
namespace {

using namespace std::string_view_literals;

struct LookupCase {
    std::string_view skinName;
    SkinImage image;
    int resourceId;
    const char* file;  // empty: the built-in bitmap
};

// Readable test names: the case's skin and file rather than its bytes.
void PrintTo(const LookupCase& c, std::ostream* os) {
    std::string name(c.skinName);
    for (char& ch : name) ch = ch == '\0' ? '0' : ch;
    *os << '"' << name << "\" " << c.resourceId << ' ' << c.file;
}

class SkinLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SkinLookup, FindsTheImageOfANamedSkin) {
    const LookupCase& c = GetParam();
    Skin skin("C:\\Prog");
    const forms::ImageRef image = skin.imageOf(std::string(c.skinName), c.image);
    EXPECT_EQ(image.resourceId, c.resourceId);
    EXPECT_EQ(image.file, c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, SkinLookup,
    ::testing::Values(
        LookupCase{"Internal", SkinImage::Main, 100, ""},
        LookupCase{"Internal", SkinImage::CustomB, 110, ""},
        LookupCase{"Ocean", SkinImage::Main, 100, "C:\\Prog\\Skin\\Ocean\\kxMain.bmp"},
        LookupCase{"Ocean", SkinImage::StartN, 101, "C:\\Prog\\Skin\\Ocean\\kxStartN.bmp"},
        LookupCase{"Ocean", SkinImage::StartD, 102, "C:\\Prog\\Skin\\Ocean\\kxStartD.bmp"},
        LookupCase{"Ocean", SkinImage::StopN, 103, "C:\\Prog\\Skin\\Ocean\\kxStopN.bmp"},
        LookupCase{"Ocean", SkinImage::StopD, 104, "C:\\Prog\\Skin\\Ocean\\kxStopD.bmp"},
        LookupCase{"Ocean", SkinImage::AboutN, 106, "C:\\Prog\\Skin\\Ocean\\kxAboutN.bmp"},
        LookupCase{"Ocean", SkinImage::AboutD, 107, "C:\\Prog\\Skin\\Ocean\\kxAboutD.bmp"},
        LookupCase{"Ocean", SkinImage::CustomN, 108, "C:\\Prog\\Skin\\Ocean\\kxBN.bmp"},
        LookupCase{"Ocean", SkinImage::CustomD, 109, "C:\\Prog\\Skin\\Ocean\\kxBD.bmp"},
        LookupCase{"Ocean", SkinImage::CustomB, 110, "C:\\Prog\\Skin\\Ocean\\kxBB.bmp"},
        // Only the exact name means the built-in skin.
        LookupCase{"internal", SkinImage::Main, 100, "C:\\Prog\\Skin\\internal\\kxMain.bmp"},
        LookupCase{"INTERNAL", SkinImage::AboutN, 106, "C:\\Prog\\Skin\\INTERNAL\\kxAboutN.bmp"},
        // Hand-edited names that would lead out of the Skin folder mean the built-in skin.
        LookupCase{"..", SkinImage::Main, 100, ""}, LookupCase{".", SkinImage::Main, 100, ""},
        LookupCase{"..\\..\\Windows", SkinImage::Main, 100, ""},
        LookupCase{"a/b", SkinImage::Main, 100, ""}, LookupCase{"C:", SkinImage::Main, 100, ""},
        LookupCase{"", SkinImage::Main, 100, ""},
        // A NUL inside would cut the path short, to the part before it.
        LookupCase{"Ocean\0x"sv, SkinImage::Main, 100, ""},
        LookupCase{"Ocean\0"sv, SkinImage::StopD, 104, ""}));

TEST(Skin, ImagesFollowTheCurrentSkin) {
    Skin skin("C:\\Prog");
    EXPECT_EQ(skin.image(SkinImage::StopD), (forms::ImageRef{104, ""}));
    skin.CurrentSkin = "Graphite";
    EXPECT_EQ(skin.image(SkinImage::StopD).file, "C:\\Prog\\Skin\\Graphite\\kxStopD.bmp");
}

TEST(ApplySkin, GivesTheBackgroundAndTheStartLooksOfTheFourButtons) {
    MainForm form(nullptr);
    Skin skin("C:\\Prog");
    form.cmdStart.setEnabled(false);

    ApplySkin(form, skin, "Ocean");

    EXPECT_EQ(form.picture().file, "C:\\Prog\\Skin\\Ocean\\kxMain.bmp");
    EXPECT_EQ(form.cmdStart.picture().file, "C:\\Prog\\Skin\\Ocean\\kxStartN.bmp");
    EXPECT_EQ(form.cmdStop.picture().file, "C:\\Prog\\Skin\\Ocean\\kxStopD.bmp");
    EXPECT_EQ(form.cmdAbout.picture().file, "C:\\Prog\\Skin\\Ocean\\kxAboutN.bmp");
    EXPECT_EQ(form.cmdCustom.picture().file, "C:\\Prog\\Skin\\Ocean\\kxBB.bmp");
    EXPECT_FALSE(form.cmdStart.enabled()) << "no enabled state changes";
    EXPECT_EQ(skin.CurrentSkin, "Internal") << "the caller makes the name current";

    ApplySkin(form, skin, "Internal");
    EXPECT_EQ(form.picture(), (forms::ImageRef{100, ""}));
    EXPECT_EQ(form.cmdStart.picture(), (forms::ImageRef{101, ""}));
    EXPECT_EQ(form.cmdStop.picture(), (forms::ImageRef{104, ""}));
    EXPECT_EQ(form.cmdAbout.picture(), (forms::ImageRef{106, ""}));
    EXPECT_EQ(form.cmdCustom.picture(), (forms::ImageRef{110, ""}));
}

}  // namespace
}  // namespace orv::mainwindow
