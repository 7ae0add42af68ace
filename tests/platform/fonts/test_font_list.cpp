// SPDX-License-Identifier: GPL-3.0-or-later
// The font-name list's rules, over a font configuration of chosen files:
// which families are listed, under which name, and how often.
#include "platform/fonts/FontList.h"
#include "support/TestFiles.h"

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

    fk::test::TempFolder folder_;
    fs::path dir_ = folder_.path();
    FcConfig* config_ = nullptr;
};

// A family is listed by its name, once for all its copies and styles; an
// older list's full name is still drawn with its family.
TEST_F(FontListTest, FamiliesAreListedOnceByNameAndDrawnWithTheirFamily) {
    install(DejaVuBold, "a");
    install(DejaVuBold, "b");
    install(Misc / "6x13.pcf.gz", "a");
    auto names = fk::fonts::ansiFontNames(config_);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"DejaVu Sans", "Fixed"}));
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
