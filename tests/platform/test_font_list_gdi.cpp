// The font-name list as GDI gives it, run under Wine on the machine's fonts:
// GDI reports one face a family, and a TrueType face is listed by its full name.
#include "FontList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(GdiFontList, ListsTrueTypeFacesByTheirFullNames) {
    const auto names = fk::fonts::ansiFontNames();
    ASSERT_FALSE(names.empty());
    EXPECT_TRUE(listed(names, "DejaVu Sans"));
    EXPECT_TRUE(listed(names, "DejaVu Sans ExtraLight")) << "the full name, not the family DejaVu Sans Light";
    EXPECT_FALSE(listed(names, "DejaVu Sans Light"));
    for (const auto& name : names) EXPECT_FALSE(name.empty());
}

TEST(GdiFontList, DrawsAListedFullNameWithItsFamily) {
    EXPECT_EQ(fk::fonts::familyForName("DejaVu Sans ExtraLight"), "DejaVu Sans Light");
    EXPECT_EQ(fk::fonts::familyForName("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(fk::fonts::familyForName("No Such Face"), "No Such Face");
}

}  // namespace
