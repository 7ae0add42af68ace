// SPDX-License-Identifier: GPL-3.0-or-later
// The font-name list as GDI gives it, run under Wine on the machine's fonts:
// one entry a family, and an older list's full name drawn with its family.
#include "platform/fonts/FontList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(GdiFontList, ListsEachFamilyByItsName) {
    const auto names = fk::fonts::ansiFontNames();
    ASSERT_FALSE(names.empty());
    EXPECT_TRUE(listed(names, "DejaVu Sans"));
    EXPECT_TRUE(listed(names, "DejaVu Sans Light")) << "the family, not the full name DejaVu Sans ExtraLight";
    EXPECT_FALSE(listed(names, "DejaVu Sans ExtraLight"));
    EXPECT_FALSE(listed(names, "DejaVu Sans Bold"));
    for (const auto& name : names) EXPECT_FALSE(name.empty());
}

TEST(GdiFontList, DrawsAListedFullNameWithItsFamily) {
    EXPECT_EQ(fk::fonts::familyForName("DejaVu Sans ExtraLight"), "DejaVu Sans Light");
    EXPECT_EQ(fk::fonts::familyForName("DejaVu Sans Bold"), "DejaVu Sans") << "a style GDI does not name the family by";
    EXPECT_EQ(fk::fonts::familyForName("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(fk::fonts::familyForName("No Such Face"), "No Such Face");
}

}  // namespace
