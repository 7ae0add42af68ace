// Reading a number box: the user's locale, blanks, sign, halves to even and
// the signed 32-bit range, from the rows of number-text.txt.
#include "NumberText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace fk {
namespace {

TEST(ConvertNumberText, EveryRowReadsAsItsNumber) {
    std::ifstream table(FK_NUMBER_TEXT_CASES);
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const size_t open = line.find('"'), close = line.rfind('"');
        const QString text = QString::fromUtf8(line.substr(open + 1, close - open - 1));
        const std::string expected = line.substr(close + 2);
        const auto read = convertNumberText(text, QLocale(QString::fromStdString(line.substr(0, open - 1))));
        EXPECT_EQ(read ? std::to_string(*read) : "none", expected) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 43);
}

}  // namespace
}  // namespace fk
