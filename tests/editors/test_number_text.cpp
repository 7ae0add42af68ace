// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a number box: the user's locale, blanks, sign, halves to even and
// the signed 32-bit range, from the rows of number-text.txt.
#include "editors/NumberText.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace fk {
namespace {

TEST(ConvertNumberText, EveryRowReadsAsItsNumber) {
    const auto rows = test::dataRows(FK_NUMBER_TEXT_CASES);
    for (const std::string& line : rows) {
        const size_t open = line.find('"'), close = line.rfind('"');
        const QString text = QString::fromUtf8(line.substr(open + 1, close - open - 1));
        const std::string expected = line.substr(close + 2);
        const auto read = convertNumberText(text, QLocale(QString::fromStdString(line.substr(0, open - 1))));
        EXPECT_EQ(read ? std::to_string(*read) : "none", expected) << line;
    }
    EXPECT_EQ(rows.size(), 43u);
}

}  // namespace
}  // namespace fk
