// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormMetrics.h"

#include <gtest/gtest.h>

using fk::form::FormMetrics;

// The design font's base units give 15 twips a pixel; others scale each
// direction by their own unit, and touching controls still touch.
TEST(FormMetricsTest, ScaleByLetterWidthAcrossAndLineHeightDown) {
    EXPECT_EQ(FormMetrics(6, 13).rect(120, 240, 4335, 2535), QRect(8, 16, 289, 169));
    EXPECT_EQ(FormMetrics(12, 26).rect(120, 240, 4335, 2535), QRect(16, 32, 578, 338));
    const FormMetrics odd(7, 14);
    EXPECT_EQ(odd.rect(0, 0, 6825, 750).right() + 1, odd.rect(6825, 0, 615, 375).left());
}
