// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Utf8.h"

#include <gtest/gtest.h>

using namespace fk::text;

namespace {

struct Row {
    const char* bytes;
    std::u16string replaced;  // as Wine's reg stores a command line's bytes
    std::u16string kept;      // as the hive reads a byte that is no UTF-8
};

// Each broken run is a lead with the continuation bytes that can still make
// a character after it (so E0 80 is one run, C0 a run of its own).
const Row Rows[] = {
    {"plain", u"plain", u"plain"},
    {"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", u"é€\U0001F600", u"é€\U0001F600"},
    {"x\xe9y", u"x\uFFFDy", u"xéy"},
    {"\xc0\x80", u"\uFFFD\uFFFD", u"\u00C0\u0080"},
    {"\xed\xa0\x80", u"\uFFFD\uFFFD", u"\u00ED\u00A0\u0080"},
    {"\xe0\x80\x80", u"\uFFFD\uFFFD", u"\u00E0\u0080\u0080"},
    {"\xf4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD", u"\u00F4\u0090\u0080\u0080"},
    {"\xe1\x80" "A", u"\uFFFD" "A", u"\u00E1\u0080" "A"},
    {"\xf5\x80", u"\uFFFD\uFFFD", u"\u00F5\u0080"},
    {"\xf0\x9f\x98", u"\uFFFD", u"\u00F0\u009F\u0098"},
};

TEST(Utf8, BrokenRunsAreCutAsWindowsCutsThemAndReplacedOrKept) {
    for (const Row& row : Rows) {
        EXPECT_EQ(utf16FromUtf8(row.bytes, BadUtf8::Replace), row.replaced) << row.bytes;
        EXPECT_EQ(utf16FromUtf8(row.bytes, BadUtf8::KeepBytes), row.kept) << row.bytes;
    }
    EXPECT_EQ(utf8FromUtf16(u"é\U0001F600\xD800!"), "\xc3\xa9\xf0\x9f\x98\x80\xef\xbf\xbd!");
}

}  // namespace
