// The font-name list's rules, over a font configuration of chosen files:
// which faces are listed, under which name, and how often.
#include "FontList.h"
#include "HiveTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path DejaVuBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const fs::path Misc = "/usr/share/fonts/X11/misc";

class FontListTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const fs::path& file : {DejaVuBold, Misc / "6x13.pcf.gz", Misc / "6x13-ISO8859-1.pcf.gz"})
            if (!fs::exists(file)) GTEST_SKIP() << file << " is not installed";
        fs::create_directories(dir_ / "a");
        fs::create_directories(dir_ / "b");
        config_ = FcConfigCreate();
    }
    void TearDown() override {
        if (config_) FcConfigDestroy(config_);
    }
    void install(const fs::path& font, const std::string& sub) {
        const fs::path copy = dir_ / sub / font.filename();
        fs::copy_file(font, copy, fs::copy_options::overwrite_existing);
        ASSERT_TRUE(FcConfigAppFontAddFile(config_, reinterpret_cast<const FcChar8*>(copy.c_str())));
    }
    long count(const std::vector<std::string>& names, const std::string& name) {
        return std::count(names.begin(), names.end(), name);
    }

    fk::test::TempFolder folder_;
    fs::path dir_ = folder_.path();
    FcConfig* config_ = nullptr;
};

// A TrueType face is listed by its full name and drawn with its family;
// a bitmap face goes by its family; each copy of a face counts.
TEST_F(FontListTest, FacesAreListedOncePerCopyAndDrawnWithTheirFamily) {
    install(DejaVuBold, "a");
    install(DejaVuBold, "b");
    install(Misc / "6x13.pcf.gz", "a");
    const auto names = fk::fonts::ansiFontNames(config_);
    EXPECT_EQ(count(names, "DejaVu Sans Bold"), 2);
    EXPECT_EQ(count(names, "DejaVu Sans"), 0) << "a TrueType face is not listed by its family";
    EXPECT_EQ(count(names, "Fixed"), 1) << "a bitmap face is listed by its family";
    EXPECT_EQ(names.size(), 3u);
    EXPECT_EQ(fk::fonts::familyForName("DejaVu Sans Bold", config_), "DejaVu Sans");
    EXPECT_EQ(fk::fonts::familyForName("DejaVu Sans", config_), "DejaVu Sans");
    EXPECT_EQ(fk::fonts::familyForName("MS Sans Serif", config_), "MS Sans Serif");
    EXPECT_EQ(fk::fonts::familyForName("", config_), "");
}

TEST_F(FontListTest, AFaceWithoutEveryCharacterOfCodePage1252IsLeftOut) {
    // Latin-1 only: no euro sign, no curly quotes.
    install(Misc / "6x13-ISO8859-1.pcf.gz", "a");
    EXPECT_TRUE(fk::fonts::ansiFontNames(config_).empty());
}

}  // namespace
