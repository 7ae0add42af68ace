// SPDX-License-Identifier: GPL-3.0-or-later
// Wine's registry text format: what Wine writes must read back to the same
// data and, unchanged, to the same bytes.
#include "platform/files/WholeFile.h"
#include "platform/hive/HiveDocument.h"
#include "platform/hive/HiveRegistry.h"
#include "platform/hive/HiveText.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace fk::reg::hive;
using namespace fk::test;

namespace {

std::unique_ptr<Document> parseOk(const std::string& text) {
    ParseError error;
    auto doc = Document::parse(text, error);
    EXPECT_TRUE(doc) << "line " << error.line << ": " << fk::reg::englishText(error.what, error.excerpt);
    return doc;
}

const std::string Header = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n";

// Forgets the text each value was read from: written again, all is formatted afresh.
void forgetText(Key& key) {
    for (auto& v : key.values) v.raw.clear();
    if (key.sectionIndex >= 0) Document::touch(key, key.modified);
    for (auto& sub : key.subkeys) forgetText(*sub);
}

Key& prefs(Document& doc) {
    Key* key = doc.find({u"Software", u"Tavrel", u"Brisko2", u"Nobody", u"Preferences"});
    EXPECT_TRUE(key);
    return *key;
}

}  // namespace

// Kept as read, and written afresh: long binaries wrap, names and texts
// escape (every escape Wine writes: escapes.reg), keys sort as Wine does.
TEST(HiveFormat, WineFreshPrefixRoundTripsByteForByteAndWrittenAfreshGivesWinesBytes) {
    for (const char* name : {"wine-fresh-user.reg", "escapes.reg"}) {
        std::string original = readBytes(fk::test::dataFile(name));
        ASSERT_GT(original.size(), 200u) << name;
        auto doc = parseOk(original);
        ASSERT_TRUE(doc) << name;
        EXPECT_EQ(doc->save().joined(), original) << name;
        forgetText(doc->root());
        EXPECT_EQ(doc->save().joined(), original) << name;
    }
}

TEST(HiveFormat, HandWrittenFileRoundTripsByteForByte) {
    // No blank lines between sections, CR LF ends, comments, spaces, a trailing blank.
    std::string text = "WINE REGISTRY Version 2\r\n;; comment\r\n[A] 5\r\n\"x\"=dword:1\r\n;; inside\r\n[A\\\\B]\r\n"
                       "@=hex:01, 02 ,\\\r\n   03\r\n#unknown option\r\n\r\n\r\n";
    auto doc = parseOk(text);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->save().joined(), text);
    Key* b = doc->find({u"a", u"b"});
    ASSERT_TRUE(b);
    EXPECT_EQ(b->values.at(0).data, std::string("\x01\x02\x03", 3));
}

TEST(HiveFormat, DamagedFilesAreRefusedNamingTheLineAndLeftAlone) {
    fk::test::TempFolder folder;
    const auto rows = fk::test::dataRows(fk::test::dataFile("damaged-hives.txt"));
    ASSERT_FALSE(rows.empty());
    for (const std::string& row : rows) {
        const auto fields = fk::test::split(row, "\t");
        ASSERT_EQ(fields.size(), 3u) << row;
        std::string text = fk::test::expand(fields[2]);
        if (text.starts_with("<HEAD>")) text.replace(0, 6, Header);
        std::string path = folder.file("user.reg");
        fk::test::writeBytes(path, text);
        const fk::files::FileStamp before = fk::files::currentStamp(path);
        auto result = fk::reg::openHiveRegistry(path);
        EXPECT_FALSE(result.registry) << row;
        const std::string said = englishText(result.error);
        EXPECT_EQ(result.error.why, fk::reg::Problem::Why::Damaged) << said;
        EXPECT_EQ(std::to_string(result.error.line), fields[0]) << said;
        EXPECT_EQ(said.find(path + ": line " + fields[0] + ": "), 0u) << said;
        EXPECT_NE(said.find(fields[1]), std::string::npos) << said;
        EXPECT_EQ(readBytes(path), text);
        EXPECT_EQ(fk::files::currentStamp(path), before) << "the file was written";
    }
    auto missing = fk::reg::openHiveRegistry(folder.file("none.reg"));
    EXPECT_FALSE(missing.registry);
    EXPECT_EQ(englishText(missing.error), folder.file("none.reg") + ": " + std::strerror(ENOENT));
}

TEST(HiveFormat, AnEditSavesTheUntouchedTextInPlaceAroundTheChangedKey) {
    // Values as Wine 8 wrote them for `wine reg add`, and a key after them.
    std::string text = readBytes(fk::test::dataFile("wine-values.reg"));
    auto doc = parseOk(text);
    ASSERT_TRUE(doc);
    auto unchanged = doc->save();
    ASSERT_EQ(unchanged.pieces().size(), 1u) << "an unchanged file is one stretch of the text read";
    EXPECT_EQ(unchanged.pieces()[0], text);

    Key& key = prefs(*doc);
    key.findValue(u"D")->data = std::string("\x2b\0\0\0", 4);
    key.findValue(u"D")->raw.clear();
    Document::touch(key, TicksFrom1601To1970 + 1796496500 * TicksPerSecond);
    auto edited = doc->save();
    EXPECT_EQ(edited.pieces().size(), 3u) << "before, the key written afresh, after";
    std::string joined;
    for (auto piece : edited.pieces()) joined += piece;
    EXPECT_EQ(joined.size(), edited.size());
    std::string expected = text;
    expected.replace(expected.find("] 1796496422\n#time=1dd84e9040b4806"), 34, "] 1796496500\n#time=1dd84e93278b200");
    expected.replace(expected.find("\"D\"=dword:0000002a"), 18, "\"D\"=dword:0000002b");
    EXPECT_EQ(joined, expected);
}

// Keys nobody asks for stay lines of the file: a lookup makes only the keys
// on its path, and a save writes everything else back as it was.
TEST(HiveFormat, AnIndexedFileMakesOnlyTheKeysAskedForAndSavesTheRestAsRead) {
    std::string text = Header + "\n[A] 1\n\"v\"=dword:00000001\n\n[A\\\\B] 2\n\n[A\\\\C] 3\n\"w\"=dword:00000002\n\n"
                       "[a\\\\c\\\\D] 4\n\n[A\\\\\\xe9] 5\n\n[Z] 6\n";
    ParseError error;
    auto doc = Document::index(std::string(text), error);
    ASSERT_TRUE(doc) << error.line;
    Key* c = doc->find({u"a", u"c"});
    ASSERT_TRUE(c);
    EXPECT_EQ(doc->root().subkeys.size(), 1u);
    EXPECT_EQ(c->parent->subkeys.size(), 1u);
    EXPECT_TRUE(c->hasSubkeys());
    EXPECT_FALSE(doc->find({u"A", u"BB"}));
    EXPECT_TRUE(doc->find({u"A", u"\u00c9"}));
    ASSERT_TRUE(doc->load(*c, error));
    c->findValue(u"w")->data = std::string("\3\0\0\0", 4);
    c->findValue(u"w")->raw.clear();
    Document::touch(*c, TicksFrom1601To1970 + 7 * TicksPerSecond);
    std::string expected = text;
    expected.replace(expected.find("3\n\"w\"=dword:00000002"), 20, "7\n#time=19db1ded96a9d80\n\"w\"=dword:00000003");
    EXPECT_EQ(doc->save().joined(), expected);
    // Opened, the key lists every subkey, the one made before among them.
    Key* a = c->parent;
    doc->open(*a);
    ASSERT_EQ(a->subkeys.size(), 3u);
    EXPECT_EQ(a->subkeys[0]->name, u"B");
    EXPECT_EQ(a->subkeys[1].get(), c);
    EXPECT_EQ(a->subkeys[2]->name, u"\u00e9");
    EXPECT_EQ(doc->save().joined(), expected);

    // A file out of Wine's order is found all the same.
    auto mixed = Document::index(Header + "\n[B] 1\n\n[A\\\\X] 2\n\n[A] 3\n\"v\"=dword:00000004\n", error);
    ASSERT_TRUE(mixed) << error.line;
    ASSERT_TRUE(mixed->find({u"B"}));
    ASSERT_TRUE(mixed->find({u"A", u"X"}));
    Key* first = mixed->find({u"A"});
    ASSERT_TRUE(first && mixed->load(*first, error));
    EXPECT_EQ(first->values.size(), 1u);
}
