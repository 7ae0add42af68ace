// Reading a number box: the user's locale, blanks, sign, halves to even and
// the signed 32-bit range.
#include "NumberText.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace fk {
namespace {

struct Case {
    const char* text;
    std::optional<std::int32_t> expected;
};

void expectAll(const QLocale& locale, std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(ConvertNumberText(QString::fromUtf8(c.text), locale), c.expected)
            << "\"" << c.text << "\" in " << locale.name().toStdString();
}

constexpr auto Max = std::numeric_limits<std::int32_t>::max();
constexpr auto Min = std::numeric_limits<std::int32_t>::min();

TEST(ConvertNumberText, PointDecimalsRoundHalvesToEven) {
    expectAll(QLocale(QLocale::English, QLocale::UnitedStates),
              {{"25", 25}, {" 25 ", 25}, {"\t7 ", 7}, {"+7", 7}, {"-7", -7}, {"0", 0},
               {"12.5", 12}, {"13.5", 14}, {"-12.5", -12}, {"-13.5", -14}, {"0.5", 0}, {"1.5", 2},
               {"12.49", 12}, {"12.51", 13}, {"1,234", 1234}, {"1,234.5", 1234}});
}

TEST(ConvertNumberText, RefusesWhatIsNoNumber) {
    expectAll(QLocale(QLocale::English, QLocale::UnitedStates),
              {{"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt},
               {"1 2", std::nullopt}, {"- 5", std::nullopt}, {"5-", std::nullopt}, {"0x10", std::nullopt},
               {"inf", std::nullopt}, {"nan", std::nullopt}, {"12,5", std::nullopt}});
}

TEST(ConvertNumberText, SignedThirtyTwoBitRange) {
    expectAll(QLocale(QLocale::English, QLocale::UnitedStates),
              {{"2147483647", Max}, {"2147483648", std::nullopt}, {"-2147483648", Min},
               {"-2147483649", std::nullopt}, {"2147483647.4", Max},
               // rounds to the even 2147483648, one past the top
               {"2147483647.5", std::nullopt}, {"99999999999999999999", std::nullopt}});
}

TEST(ConvertNumberText, CommaDecimalsOfTheLocale) {
    expectAll(QLocale(QLocale::German, QLocale::Germany),
              {{"1.234,5", 1234}, {"12,5", 12}, {"13,5", 14}, {" -2,5 ", -2}, {"1.234", 1234},
               {"1,234", 1}, {"25", 25}, {"", std::nullopt}, {"zwölf", std::nullopt}});
}

}  // namespace
}  // namespace fk
