// SPDX-License-Identifier: GPL-3.0-or-later
// The shared registry suite. Wine's advapi32 is the reference: where a
// backend disagrees with it, the backend is wrong.
#include <gtest/gtest.h>

#include "RegistryBehaviour.h"

#include "platform/registry/KeyHandle.h"

#include <cstring>
#include <random>
#include <tuple>

namespace fk::test {

std::string scratchPath() {
    std::random_device device;
    std::uniform_int_distribution<unsigned> pick;
    char name[64];
    std::snprintf(name, sizeof name, "Software\\FettlekitTest\\%08x%08x", pick(device), pick(device));
    return name;
}

namespace {

using namespace fk::reg;

class RegistryBehaviour : public testing::TestWithParam<Backend> {
protected:
    void open(const Seed& seed = {}) {
        scratch_ = GetParam().open(seed);
        ASSERT_TRUE(scratch_);
        baseHandles_ = reg().openHandleCount();
        scratchKey_ = KeyHandle::open(reg(), CurrentUser, scratch_->path(), KeyAllAccess);
        ASSERT_TRUE(scratchKey_.ok());
        key_ = scratchKey_.get();
    }
    void SetUp() override { open(); }
    void TearDown() override { close(); }
    void close() {
        if (!scratch_) return;
        scratchKey_.close();
        key_ = 0;
        EXPECT_EQ(reg().openHandleCount(), baseHandles_) << "a handle was left open";
        scratch_.reset();
    }

    Registry& reg() { return scratch_->registry(); }

    KeyHandle create(Key parent, const std::string& path, std::uint32_t* disposition = nullptr) {
        SecurityAttributes security{10, nullptr, true};
        std::uint32_t ignored = 0;
        return KeyHandle::create(reg(), parent, path.c_str(), "", KeyAllAccess, &security,
                                 disposition ? disposition : &ignored);
    }
    void makeSubkey(const std::string& name) { ASSERT_EQ(create(key_, name).status(), Success) << name; }
    long set(Key key, const std::string& name, std::uint32_t type, const std::string& bytes) {
        return reg().RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                    std::uint32_t(bytes.size()));
    }
    long setText(Key key, const std::string& name, const std::string& text) { return set(key, name, TypeSz, text + '\0'); }
    long setNumber(Key key, const std::string& name, std::int32_t value) {
        return set(key, name, TypeDword, std::string(reinterpret_cast<const char*>(&value), 4));
    }
    // Reads as the store does: a zeroed buffer of `size` bytes.
    struct Read {
        long status;
        std::uint32_t type;
        std::uint32_t size;
        std::string bytes;
        bool operator==(const Read&) const = default;
        friend void PrintTo(const Read& r, std::ostream* out) {
            *out << "status " << r.status << ", type " << r.type << ", size " << r.size << ", " << testing::PrintToString(r.bytes);
        }
    };
    Read query(Key key, const std::string& name, std::uint32_t size = 256) {
        std::string buffer(size, '\0');
        Read r{0, 0xDEAD, size, {}};
        r.status = reg().RegQueryValueExA(key, name.c_str(), nullptr, &r.type,
                                          reinterpret_cast<std::uint8_t*>(buffer.data()), &r.size);
        if (r.status == Success) r.bytes = buffer.substr(0, std::min(r.size, size));
        return r;
    }
    // The listing the main window makes of the account subkeys.
    std::vector<std::string> subkeys(Key key) {
        std::vector<std::string> names;
        for (std::uint32_t i = 0;; ++i) {
            char name[256] = {};
            char keyClass[256] = {};
            std::uint32_t nameLength = 255, classLength = 255;
            FileTime time;
            long status = reg().RegEnumKeyExA(key, i, name, &nameLength, nullptr, keyClass, &classLength, &time);
            if (status != Success) {
                EXPECT_EQ(status, NoMoreItems);
                break;
            }
            EXPECT_EQ(classLength, 0u);
            names.emplace_back(name, nameLength);
        }
        return names;
    }

    std::unique_ptr<Scratch> scratch_;
    KeyHandle scratchKey_;
    Key key_ = 0;
    int baseHandles_ = 0;
};

TEST_P(RegistryBehaviour, CreateMakesTheWholePathAndThenOpensWhereOpenFindsNothing) {
    Key created = 0;
    EXPECT_EQ(reg().RegOpenKeyExA(key_, "Nobody\\Preferences", 0, KeyRead, &created), NotFound);
    std::uint32_t disposition = 0;
    ASSERT_EQ(create(key_, "Nobody\\Preferences", &disposition).status(), Success);
    EXPECT_EQ(disposition, CreatedNewKey);
    ASSERT_EQ(create(key_, "Nobody\\Preferences", &disposition).status(), Success);
    EXPECT_EQ(disposition, OpenedExistingKey);
    EXPECT_EQ(subkeys(key_), std::vector<std::string>{"Nobody"});
}

TEST_P(RegistryBehaviour, SubkeysAreListedInNameOrderUntilNoMoreItems) {
    for (const char* name : {"Zeta", "alpha", "Mid", "beta", "_under", "Alpha2", "10", "9"}) makeSubkey(name);
    EXPECT_EQ(subkeys(key_),
              (std::vector<std::string>{"10", "9", "_under", "alpha", "Alpha2", "beta", "Mid", "Zeta"}));

    // A name with no room for its zero is too long for the buffer.
    for (auto [index, room, rc] : {std::tuple{8u, 255u, NoMoreItems}, {1000u, 255u, NoMoreItems}, {0u, 2u, MoreData},
                                   {0u, 3u, Success}}) {
        char name[256], keyClass[256];
        std::uint32_t length = room, classLength = 255;
        EXPECT_EQ(reg().RegEnumKeyExA(key_, index, name, &length, nullptr, keyClass, &classLength, nullptr), rc) << room;
        if (rc == Success) {
            EXPECT_EQ(length, 2u);
        }
    }
}

// What the store reads: a zeroed buffer of 256 bytes unless said.
TEST_P(RegistryBehaviour, ValuesReadBackWithTheirTypeSizeAndBytes) {
    using namespace std::string_literals;
    const std::string fits = std::string(254, 'x') + 'Z', tooLong(256, 'y');
    ASSERT_EQ(setText(key_, "Empty", ""), Success);
    ASSERT_EQ(setText(key_, "Text", "hello"), Success);
    ASSERT_EQ(setText(key_, "Fits", fits), Success);
    ASSERT_EQ(setText(key_, "TooLong", tooLong), Success);
    ASSERT_EQ(setNumber(key_, "Number", -5), Success);
    ASSERT_EQ(setText(key_, "NumberAsText", "30"), Success);
    // Another program may store a text without its zero, with no bytes at
    // all, or with bytes after an inner zero.
    ASSERT_EQ(set(key_, "NoZero", TypeSz, "abc"), Success);
    ASSERT_EQ(set(key_, "NoBytes", TypeSz, ""), Success);
    ASSERT_EQ(set(key_, "Inner", TypeSz, "ab\0cd\0"s), Success);
    struct Case {
        const char* name;
        std::uint32_t buffer;
        Read read;
    };
    for (const Case& c : {Case{"Empty", 256, {Success, TypeSz, 1, "\0"s}},
                          Case{"Text", 256, {Success, TypeSz, 6, "hello\0"s}},
                          Case{"Text", 5, {MoreData, TypeSz, 6, ""}},  // room for all but the zero
                          Case{"Fits", 256, {Success, TypeSz, 256, fits + '\0'}},
                          Case{"TooLong", 1024, {Success, TypeSz, 257, tooLong + '\0'}},
                          Case{"Number", 4, {Success, TypeDword, 4, "\xfb\xff\xff\xff"}},
                          // A number stored as text keeps the text type: the caller sees the mismatch.
                          Case{"NumberAsText", 4, {Success, TypeSz, 3, "30\0"s}},
                          Case{"NoZero", 256, {Success, TypeSz, 4, "abc\0"s}},
                          Case{"NoBytes", 256, {Success, TypeSz, 0, ""}},
                          Case{"Inner", 256, {Success, TypeSz, 6, "ab\0cd\0"s}}})
        EXPECT_EQ(query(key_, c.name, c.buffer), c.read) << c.name << " into " << c.buffer;
    // Without a buffer: the type and size.
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(reg().RegQueryValueExA(key_, "Text", nullptr, &type, nullptr, &size), Success);
    EXPECT_EQ(type, TypeSz);
    EXPECT_EQ(size, 6u);
}

// How fettlekit-reg lists a key's values: in name order, a name or data
// too long for its buffer giving MoreData.
TEST_P(RegistryBehaviour, ValuesAreListedInNameOrderUntilNoMoreItems) {
    ASSERT_EQ(setText(key_, "beta", "bb"), Success);
    ASSERT_EQ(setNumber(key_, "Alpha", 7), Success);
    auto enumValue = [&](std::uint32_t index, std::uint32_t length, std::uint32_t size, std::string* named = nullptr) {
        char name[256] = {};
        std::uint8_t data[256];
        long rc = reg().RegEnumValueA(key_, index, name, &length, nullptr, nullptr, data, &size);
        if (named) *named = std::string(name, length);
        return rc;
    };
    std::string first, second;
    EXPECT_EQ(enumValue(0, 255, 256, &first), Success);
    EXPECT_EQ(enumValue(1, 255, 256, &second), Success);
    EXPECT_EQ(first + "," + second, "Alpha,beta");
    EXPECT_EQ(enumValue(2, 255, 256), NoMoreItems);
    EXPECT_EQ(enumValue(0, 5, 256), MoreData);  // no room for the zero
    EXPECT_EQ(enumValue(0, 6, 256), Success);
    EXPECT_EQ(enumValue(1, 255, 3), Success);
    EXPECT_EQ(enumValue(1, 255, 2), MoreData);
}

TEST_P(RegistryBehaviour, CodePage1252LettersRoundTripInNamesAndTexts) {
    // ü ß – “ € ” Œ ÿ, and the five bytes 1252 leaves undefined, which
    // stand for the C1 controls of the same number both ways.
    const std::string text = "Gr\xFC\xDF" "e \x96 \x93\x80\x94 \x8C \xFF \x81\x8D\x8F\x90\x9D";
    const std::string valueName = "N\xE4me\x80";
    const std::string keyName = "K\xF6nto \x9C";
    ASSERT_EQ(setText(key_, valueName, text), Success);
    EXPECT_EQ(query(key_, valueName), (Read{Success, TypeSz, std::uint32_t(text.size() + 1), text + '\0'}));

    makeSubkey(keyName);
    EXPECT_EQ(subkeys(key_), std::vector<std::string>{keyName});
}

TEST_P(RegistryBehaviour, SeededUnicodeReadsAsQuestionMarksThroughACallsAndWholeThroughW) {
    Seed seed;
    seed.values.push_back({"Alias", u"Zo\u0451 \u4E2D\u6587 \u00E9"});
    // Windows' best fit: a letter 1252 lacks reads as its nearest 1252 letter.
    seed.values.push_back({"BestFit", u"\u0100\u0107\u0142\u2212\u3000\u0081"});

    seed.subkeys.push_back(u"\u0416ena");
    close();
    open(seed);

    EXPECT_EQ(query(key_, "Alias"), (Read{Success, TypeSz, 9, std::string("Zo? ?? \xE9\0", 9)}));

    EXPECT_EQ(query(key_, "BestFit").bytes, std::string("Acl- \x81\0", 7));
    EXPECT_EQ(subkeys(key_), std::vector<std::string>{"?ena"});

    // The W calls lose nothing the A calls would: names, texts and key names
    // in any script, a character beyond the first 65,536 included. The A
    // view of the same value stays code page 1252.
    const std::u16string keyName = u"\u65E5\u672C \U0001F600", name = u"\u0416ena", text = u"\u4E2D\u00E9";
    auto bytes = [](const std::u16string& s) {
        return std::string(reinterpret_cast<const char*>(s.c_str()), (s.size() + 1) * 2);
    };
    std::uint32_t type = 0, size = 64;
    std::string data(64, '\0');
    ASSERT_EQ(reg().RegQueryValueExW(key_, u"Alias", nullptr, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size),
              Success);
    EXPECT_EQ(data.substr(0, size), bytes(u"Zo\u0451 \u4E2D\u6587 \u00E9"));

    std::uint32_t disposition = 0;
    KeyHandle handle = KeyHandle::create(reg(), key_, keyName.c_str(), nullptr, KeyAllAccess, nullptr, &disposition);
    ASSERT_EQ(handle.status(), Success);
    const Key k = handle.get();
    EXPECT_EQ(disposition, CreatedNewKey);
    const std::string stored = bytes(text);
    ASSERT_EQ(reg().RegSetValueExW(k, name.c_str(), 0, TypeSz, reinterpret_cast<const std::uint8_t*>(stored.data()),
                                   std::uint32_t(stored.size())),
              Success);
    char16_t found[16] = {};
    std::uint32_t length = 16;
    ASSERT_EQ(reg().RegEnumKeyExW(key_, 1, found, &length, nullptr, nullptr, nullptr, nullptr), Success);
    EXPECT_EQ(std::u16string(found, length), keyName);
    length = 16, size = 64;
    ASSERT_EQ(reg().RegEnumValueW(k, 0, found, &length, nullptr, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size),
              Success);
    EXPECT_EQ(std::u16string(found, length), name);
    EXPECT_EQ(data.substr(0, size), stored);
    length = 4;  // no room for the zero
    EXPECT_EQ(reg().RegEnumValueW(k, 0, found, &length, nullptr, nullptr, nullptr, nullptr), MoreData);
    char ansi[16] = {};
    length = 16, size = 64;
    ASSERT_EQ(reg().RegEnumValueA(k, 0, ansi, &length, nullptr, nullptr, reinterpret_cast<std::uint8_t*>(data.data()), &size),
              Success);
    EXPECT_EQ(std::string(ansi, length), "?ena");
    EXPECT_EQ(data.substr(0, size), std::string("?\xE9\0", 3));

    EXPECT_EQ(reg().RegDeleteValueW(k, name.c_str()), Success);
    ASSERT_EQ(KeyHandle::create(reg(), k, u"\u0416", nullptr, KeyAllAccess, nullptr).status(), Success);
    handle.close();
    EXPECT_EQ(reg().RegDeleteKeyW(key_, keyName.c_str()), AccessDenied) << "it has a subkey";
    EXPECT_EQ(reg().RegDeleteTreeW(key_, keyName.c_str()), Success);
    EXPECT_EQ(subkeys(key_), std::vector<std::string>{"?ena"});
}

TEST_P(RegistryBehaviour, NamesIgnoreCase) {
    ASSERT_EQ(setText(key_, "MixedCase", "one"), Success);
    EXPECT_EQ(query(key_, "mixedcase").bytes, std::string("one\0", 4));
    ASSERT_EQ(setText(key_, "MIXEDCASE", "two"), Success);
    EXPECT_EQ(query(key_, "MixedCase").bytes, std::string("two\0", 4));
    // Accented letters fold too.
    ASSERT_EQ(setText(key_, "\xC4rger", "three"), Success);
    EXPECT_EQ(query(key_, "\xE4RGER").bytes, std::string("three\0", 6));

    makeSubkey("Account");
    std::uint32_t disposition = 0;
    ASSERT_EQ(create(key_, "ACCOUNT", &disposition).status(), Success);
    EXPECT_EQ(disposition, OpenedExistingKey);
    // The key keeps the spelling it was created with.
    EXPECT_EQ(subkeys(key_), std::vector<std::string>{"Account"});

    ASSERT_EQ(reg().RegDeleteValueA(key_, "mixedCASE"), Success);
    EXPECT_EQ(query(key_, "MixedCase").status, NotFound);
    EXPECT_EQ(reg().RegDeleteValueA(key_, "MixedCase"), NotFound);
}

TEST_P(RegistryBehaviour, AReadOnlyHandleRefusesWritesButReads) {
    ASSERT_EQ(setNumber(key_, "Height", 12), Success);
    makeSubkey("Existing");
    const KeyHandle handle = KeyHandle::open(reg(), CurrentUser, scratch_->path(), KeyRead);
    ASSERT_TRUE(handle.ok());
    const Key readOnly = handle.get();
    EXPECT_EQ(setNumber(readOnly, "Height", 13), AccessDenied);
    EXPECT_EQ(reg().RegDeleteValueA(readOnly, "Height"), AccessDenied);
    EXPECT_EQ(query(readOnly, "Height", 4).bytes, std::string("\x0c\0\0\0", 4));
    EXPECT_EQ(subkeys(readOnly), std::vector<std::string>{"Existing"});
}

// Opening "" gives a handle of its own; a closed handle is gone; a path
// may not start with a backslash.
TEST_P(RegistryBehaviour, HandlesAreTheirOwnAndBadOnesAreRefused) {
    Key same = 0, bad = 0;
    ASSERT_EQ(reg().RegOpenKeyExA(key_, "", 0, KeyAllAccess, &same), Success);
    EXPECT_NE(same, key_);
    EXPECT_EQ(reg().RegCloseKey(same), Success);
    EXPECT_EQ(reg().RegCloseKey(same), InvalidHandle);
    EXPECT_EQ(reg().RegOpenKeyExA(key_, "\\Nobody", 0, KeyRead, &bad), 161);  // a bad path name
}

// Writes sent many to a request land in their order, past a batch's size;
// a read sends what waits first; a failure comes from the call or the flush.
TEST_P(RegistryBehaviour, BatchedWritesLandInTheirOrderAndTheirFailureIsTold) {
    reg().batchWrites(true);
    for (int i = 0; i < 1030; ++i) ASSERT_EQ(setNumber(key_, "Last", i), Success);
    EXPECT_EQ(query(key_, "Last", 4).bytes, std::string("\x05\x04\0\0", 4));
    const long deleted = reg().RegDeleteValueA(key_, "Missing");
    EXPECT_EQ(deleted == Success ? reg().flushWrites() : deleted, NotFound);
    EXPECT_EQ(reg().flushWrites(), Success) << "told once";
    reg().batchWrites(false);
}

// Bulk work: keys created while writes wait, with no disposition asked,
// take values and subkeys at once, and a failed one is told by the flush.
// A tree read whole gives each key below the top with its depth and values:
// a key's values, then each subkey in turn with all below it.
TEST_P(RegistryBehaviour, KeysMadeInBulkReadBackAsOneTree) {
    reg().batchWrites(true);
    auto make = [&](Key parent, const char* path) {
        return KeyHandle::create(reg(), parent, path, nullptr, KeyAllAccess, nullptr, nullptr);
    };
    {
        KeyHandle b = make(key_, "B");
        ASSERT_TRUE(b.ok());
        ASSERT_EQ(setNumber(b.get(), "v", 1), Success);
        KeyHandle deep = make(b.get(), "Deep\\er");
        ASSERT_EQ(setText(deep.get(), "w", "two"), Success);
        ASSERT_EQ(setText(make(key_, "A").get(), "x", ""), Success);
    }
    const long bad = make(key_, "\\Bad").status();
    EXPECT_EQ(bad == Success ? reg().flushWrites() : bad, BadPathname);
    reg().batchWrites(false);
    ASSERT_EQ(setText(key_, "top", "t"), Success);

    auto tree = [&](bool recurse) {
        std::vector<TreeKey> keys;
        EXPECT_EQ(reg().readTree(key_, 0, recurse, keys), Success);
        std::string shown;
        for (const TreeKey& key : keys) {
            shown += std::string(key.path.begin(), key.path.end()) + "@" + std::to_string(key.depth) + ":";
            for (const auto& value : key.values)
                shown += std::string(value.name.begin(), value.name.end()) + "=" + std::to_string(value.type) + "/" +
                         std::to_string(value.bytes.size()) + ",";
            shown += " ";
        }
        return shown;
    };
    EXPECT_EQ(tree(false), "@0:top=1/4, ");
    EXPECT_EQ(tree(true), "@0:top=1/4, A@1:x=1/2, B@1:v=4/4, B\\Deep@2: B\\Deep\\er@3:w=1/8, ");
}

INSTANTIATE_TEST_SUITE_P(Registry, RegistryBehaviour, testing::ValuesIn(registryBackends()), backendName);

}  // namespace
}  // namespace fk::test
