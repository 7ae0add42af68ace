// The shared registry suite. Wine's advapi32 is the reference: where a
// backend disagrees with it, the backend is wrong.
#include <gtest/gtest.h>

#include "RegistryBehaviour.h"

#include <cstring>
#include <random>

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
        ASSERT_EQ(reg().RegOpenKeyExA(CurrentUser, scratch_->path().c_str(), 0, KeyAllAccess, &key_), Success);
    }
    void SetUp() override { open(); }
    void TearDown() override { close(); }
    void close() {
        if (!scratch_) return;
        if (key_) reg().RegCloseKey(key_);
        key_ = 0;
        EXPECT_EQ(reg().openHandleCount(), baseHandles_) << "a handle was left open";
        scratch_.reset();
    }

    Registry& reg() { return scratch_->registry(); }

    long create(Key parent, const std::string& path, Key* out, std::uint32_t* disposition = nullptr) {
        SecurityAttributes security{10, nullptr, true};
        std::uint32_t ignored = 0;
        return reg().RegCreateKeyExA(parent, path.c_str(), 0, "", 0, KeyAllAccess, &security, out,
                                     disposition ? disposition : &ignored);
    }
    void makeSubkey(const std::string& name) {
        Key k = 0;
        ASSERT_EQ(create(key_, name, &k), Success) << name;
        reg().RegCloseKey(k);
    }
    long setText(Key key, const std::string& name, const std::string& text) {
        return reg().RegSetValueExA(key, name.c_str(), 0, TypeSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                    std::uint32_t(text.size() + 1));
    }
    long setNumber(Key key, const std::string& name, std::int32_t value) {
        std::uint8_t bytes[4];
        std::memcpy(bytes, &value, 4);
        return reg().RegSetValueExA(key, name.c_str(), 0, TypeDword, bytes, 4);
    }
    // Reads as the store does: a zeroed buffer of `size` bytes.
    struct Read {
        long status;
        std::uint32_t type;
        std::uint32_t size;
        std::string bytes;
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
            EXPECT_EQ(std::strlen(name), nameLength);
            EXPECT_EQ(classLength, 0u);
            names.emplace_back(name, nameLength);
        }
        return names;
    }

    std::unique_ptr<Scratch> scratch_;
    Key key_ = 0;
    int baseHandles_ = 0;
};

TEST_P(RegistryBehaviour, OpeningAMissingKeyGivesNotFoundAndNoHandle) {
    Key k = 0;
    EXPECT_EQ(reg().RegOpenKeyExA(key_, "Missing", 0, KeyAllAccess, &k), NotFound);
    EXPECT_EQ(reg().RegOpenKeyExA(key_, "Missing\\Deeper", 0, KeyRead, &k), NotFound);
    EXPECT_EQ(reg().RegOpenKeyExA(CurrentUser, (scratch_->path() + "\\Missing").c_str(), 0, KeyAllAccess, &k),
              NotFound);
    EXPECT_EQ(reg().openHandleCount(), baseHandles_ + 1);
}

TEST_P(RegistryBehaviour, CreateMakesTheWholePathAndThenOpens) {
    Key created = 0;
    std::uint32_t disposition = 0;
    ASSERT_EQ(create(key_, "Nobody\\Preferences", &created, &disposition), Success);
    EXPECT_EQ(disposition, CreatedNewKey);
    reg().RegCloseKey(created);

    ASSERT_EQ(create(key_, "Nobody\\Preferences", &created, &disposition), Success);
    EXPECT_EQ(disposition, OpenedExistingKey);
    reg().RegCloseKey(created);

    Key opened = 0;
    ASSERT_EQ(reg().RegOpenKeyExA(key_, "Nobody\\Preferences", 0, KeyAllAccess, &opened), Success);
    EXPECT_EQ(setNumber(opened, "Seen", 7), Success);
    reg().RegCloseKey(opened);

    Key again = 0;
    ASSERT_EQ(reg().RegOpenKeyExA(CurrentUser, (scratch_->path() + "\\Nobody\\Preferences").c_str(), 0,
                                  KeyAllAccess, &again),
              Success);
    EXPECT_EQ(query(again, "Seen").bytes, std::string("\x07\0\0\0", 4));
    reg().RegCloseKey(again);
    EXPECT_EQ(subkeys(key_), std::vector<std::string>{"Nobody"});
}

TEST_P(RegistryBehaviour, SubkeysAreListedInNameOrderUntilNoMoreItems) {
    EXPECT_TRUE(subkeys(key_).empty());
    for (const char* name : {"Zeta", "alpha", "Mid", "beta", "_under", "Alpha2", "10", "9"}) makeSubkey(name);
    EXPECT_EQ(subkeys(key_),
              (std::vector<std::string>{"10", "9", "_under", "alpha", "Alpha2", "beta", "Mid", "Zeta"}));

    char name[256];
    std::uint32_t nameLength = 255, classLength = 255;
    char keyClass[256];
    EXPECT_EQ(reg().RegEnumKeyExA(key_, 8, name, &nameLength, nullptr, keyClass, &classLength, nullptr),
              NoMoreItems);
    nameLength = 255;
    classLength = 255;
    EXPECT_EQ(reg().RegEnumKeyExA(key_, 1000, name, &nameLength, nullptr, keyClass, &classLength, nullptr),
              NoMoreItems);
}

TEST_P(RegistryBehaviour, AnEnumeratedNameTooLongForItsBufferGivesMoreData) {
    makeSubkey("Preferences");
    char name[256];
    char keyClass[256];
    std::uint32_t nameLength = 5, classLength = 255;
    EXPECT_EQ(reg().RegEnumKeyExA(key_, 0, name, &nameLength, nullptr, keyClass, &classLength, nullptr), MoreData);
    // Exactly the characters but no room for the zero is still too small.
    nameLength = 11;
    classLength = 255;
    EXPECT_EQ(reg().RegEnumKeyExA(key_, 0, name, &nameLength, nullptr, keyClass, &classLength, nullptr), MoreData);
    nameLength = 12;
    classLength = 255;
    EXPECT_EQ(reg().RegEnumKeyExA(key_, 0, name, &nameLength, nullptr, keyClass, &classLength, nullptr), Success);
    EXPECT_EQ(nameLength, 11u);
    EXPECT_STREQ(name, "Preferences");
}

TEST_P(RegistryBehaviour, ATextIsStoredWithItsZeroAndReadBackWhole) {
    for (std::string text : {"hh:mm", ""}) {
        ASSERT_EQ(setText(key_, "TimeFormat", text), Success);
        Read r = query(key_, "TimeFormat");
        EXPECT_EQ(r.status, Success);
        EXPECT_EQ(r.type, TypeSz);
        EXPECT_EQ(r.size, text.size() + 1);
        EXPECT_EQ(r.bytes, text + '\0');
    }
}

TEST_P(RegistryBehaviour, ASmallOrNoBufferGivesTheNeededSize) {
    ASSERT_EQ(setText(key_, "Text", "hello"), Success);
    Read r = query(key_, "Text", 3);
    EXPECT_EQ(r.status, MoreData);
    EXPECT_EQ(r.size, 6u);
    EXPECT_EQ(r.type, TypeSz);
    // Room for the characters but not the zero.
    r = query(key_, "Text", 5);
    EXPECT_EQ(r.status, MoreData);
    EXPECT_EQ(r.size, 6u);

    ASSERT_EQ(setNumber(key_, "Number", 12), Success);
    r = query(key_, "Number", 2);
    EXPECT_EQ(r.status, MoreData);
    EXPECT_EQ(r.size, 4u);
    EXPECT_EQ(r.type, TypeDword);

    // Without a buffer: the type and size.
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(reg().RegQueryValueExA(key_, "Text", nullptr, &type, nullptr, &size), Success);
    EXPECT_EQ(type, TypeSz);
    EXPECT_EQ(size, 6u);
    size = 1;
    EXPECT_EQ(reg().RegQueryValueExA(key_, "Text", nullptr, nullptr, nullptr, &size), Success);
    EXPECT_EQ(size, 6u);
}

TEST_P(RegistryBehaviour, NumbersKeepTheirTypeAndSign) {
    ASSERT_EQ(setNumber(key_, "ContactSoundMaxTime", -5), Success);
    Read r = query(key_, "ContactSoundMaxTime", 4);
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.type, TypeDword);
    EXPECT_EQ(r.size, 4u);
    std::int32_t value = 0;
    std::memcpy(&value, r.bytes.data(), 4);
    EXPECT_EQ(value, -5);

    // A number stored as text keeps the text type: the caller sees the mismatch.
    ASSERT_EQ(setText(key_, "ContactSoundMaxTime", "30"), Success);
    r = query(key_, "ContactSoundMaxTime", 4);
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.type, TypeSz);
    EXPECT_EQ(r.bytes, std::string("30\0", 3));
}

// Another program may store a text without its zero, or with no bytes at all.
TEST_P(RegistryBehaviour, TextsStoredWithoutTheirZeroReadWithOne) {
    ASSERT_EQ(reg().RegSetValueExA(key_, "NoZero", 0, TypeSz, reinterpret_cast<const std::uint8_t*>("abc"), 3),
              Success);
    Read r = query(key_, "NoZero");
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.size, 4u);
    EXPECT_EQ(r.bytes, std::string("abc\0", 4));
    EXPECT_EQ(query(key_, "NoZero", 3).status, MoreData);

    ASSERT_EQ(reg().RegSetValueExA(key_, "NoBytes", 0, TypeSz, reinterpret_cast<const std::uint8_t*>(""), 0),
              Success);
    r = query(key_, "NoBytes");
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.type, TypeSz);
    EXPECT_EQ(r.size, 0u);

    // Bytes after an inner zero are kept.
    ASSERT_EQ(reg().RegSetValueExA(key_, "Inner", 0, TypeSz, reinterpret_cast<const std::uint8_t*>("ab\0cd"), 6),
              Success);
    EXPECT_EQ(query(key_, "Inner").bytes, std::string("ab\0cd\0", 6));
}

TEST_P(RegistryBehaviour, TextsOf255And256CharactersAgainstA256ByteBuffer) {
    std::string fits(255, 'x');
    fits.back() = 'Z';
    ASSERT_EQ(setText(key_, "Fits", fits), Success);
    Read r = query(key_, "Fits");
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.size, 256u);
    EXPECT_EQ(r.bytes, fits + '\0');

    std::string tooLong(256, 'y');
    ASSERT_EQ(setText(key_, "TooLong", tooLong), Success);
    r = query(key_, "TooLong");
    EXPECT_EQ(r.status, MoreData);
    EXPECT_EQ(r.size, 257u);
    EXPECT_EQ(query(key_, "TooLong", 1024).bytes, tooLong + '\0');
}

TEST_P(RegistryBehaviour, CodePage1252LettersRoundTripInNamesAndTexts) {
    // ü ß – “ € ” Œ ÿ
    const std::string text = "Gr\xFC\xDF" "e \x96 \x93\x80\x94 \x8C \xFF";
    const std::string valueName = "N\xE4me\x80";
    const std::string keyName = "K\xF6nto \x9C";
    ASSERT_EQ(setText(key_, valueName, text), Success);
    Read r = query(key_, valueName);
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.size, text.size() + 1);
    EXPECT_EQ(r.bytes, text + '\0');

    makeSubkey(keyName);
    EXPECT_EQ(subkeys(key_), std::vector<std::string>{keyName});
    Key k = 0;
    ASSERT_EQ(reg().RegOpenKeyExA(key_, keyName.c_str(), 0, KeyAllAccess, &k), Success);
    reg().RegCloseKey(k);
}

TEST_P(RegistryBehaviour, SeededUnicodeThatCodePage1252CannotHoldReadsAsQuestionMarks) {
    Seed seed;
    seed.values.push_back({"Alias", u"Zo\u0451 \u4E2D\u6587 \u00E9"});
    seed.values.push_back({"Plain", u"caf\u00E9 \u20AC"});

    seed.subkeys.push_back(u"\u0416ena");
    close();
    open(seed);

    Read r = query(key_, "Alias");
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.type, TypeSz);
    EXPECT_EQ(r.bytes, std::string("Zo? ?? \xE9\0", 9));
    EXPECT_EQ(r.size, 9u);

    r = query(key_, "Plain");
    EXPECT_EQ(r.bytes, std::string("caf\xE9 \x80\0", 7));

    EXPECT_EQ(subkeys(key_), std::vector<std::string>{"?ena"});
}

// The five bytes 1252 leaves undefined stand for the C1 controls of the
// same number, both ways.
TEST_P(RegistryBehaviour, UndefinedCodePage1252BytesRoundTrip) {
    const std::string text = "a\x81\x8D\x8F\x90\x9D" "b";
    ASSERT_EQ(setText(key_, "Undefined", text), Success);
    EXPECT_EQ(query(key_, "Undefined").bytes, text + '\0');
}

// Windows' best fit: a letter 1252 lacks reads as its nearest 1252 letter.
TEST_P(RegistryBehaviour, SeededLettersWithABestFitReadAsThatLetter) {
    Seed seed;
    seed.values.push_back({"BestFit", u"\u0100\u0107\u0142\u2212\u3000\u0081"});
    close();
    open(seed);
    EXPECT_EQ(query(key_, "BestFit").bytes, std::string("Acl- \x81\0", 7));
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
    Key k = 0;
    std::uint32_t disposition = 0;
    ASSERT_EQ(create(key_, "ACCOUNT", &k, &disposition), Success);
    EXPECT_EQ(disposition, OpenedExistingKey);
    reg().RegCloseKey(k);
    ASSERT_EQ(reg().RegOpenKeyExA(key_, "account", 0, KeyAllAccess, &k), Success);
    reg().RegCloseKey(k);
    // The key keeps the spelling it was created with.
    EXPECT_EQ(subkeys(key_), std::vector<std::string>{"Account"});

    ASSERT_EQ(reg().RegDeleteValueA(key_, "mixedCASE"), Success);
    EXPECT_EQ(query(key_, "MixedCase").status, NotFound);
}

TEST_P(RegistryBehaviour, DeletingRemovesAValueAndAMissingOneIsNotFound) {
    ASSERT_EQ(setNumber(key_, "Gone", 1), Success);
    EXPECT_EQ(reg().RegDeleteValueA(key_, "Gone"), Success);
    EXPECT_EQ(query(key_, "Gone").status, NotFound);
    EXPECT_EQ(reg().RegDeleteValueA(key_, "Gone"), NotFound);
    EXPECT_EQ(reg().RegDeleteValueA(key_, "NeverThere"), NotFound);
}

TEST_P(RegistryBehaviour, AReadOnlyHandleRefusesWritesButReads) {
    ASSERT_EQ(setNumber(key_, "Height", 12), Success);
    makeSubkey("Existing");
    Key readOnly = 0;
    ASSERT_EQ(reg().RegOpenKeyExA(CurrentUser, scratch_->path().c_str(), 0, KeyRead, &readOnly), Success);
    EXPECT_EQ(setNumber(readOnly, "Height", 13), AccessDenied);
    EXPECT_EQ(setText(readOnly, "Name", "Arial"), AccessDenied);
    EXPECT_EQ(reg().RegDeleteValueA(readOnly, "Height"), AccessDenied);
    Read r = query(readOnly, "Height", 4);
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.bytes, std::string("\x0c\0\0\0", 4));
    EXPECT_EQ(subkeys(readOnly), std::vector<std::string>{"Existing"});
    reg().RegCloseKey(readOnly);
    EXPECT_EQ(query(key_, "Height", 4).bytes, std::string("\x0c\0\0\0", 4));
}

TEST_P(RegistryBehaviour, EveryOpenOrCreateIsAHandleUntilClosed) {
    const int before = reg().openHandleCount();
    Key a = 0, b = 0, c = 0;
    ASSERT_EQ(create(key_, "One", &a), Success);
    ASSERT_EQ(reg().RegOpenKeyExA(key_, "One", 0, KeyAllAccess, &b), Success);
    ASSERT_EQ(reg().RegOpenKeyExA(key_, "One", 0, KeyRead, &c), Success);
    EXPECT_EQ(reg().openHandleCount(), before + 3);
    // Two opens of one key are two handles, each usable on its own.
    EXPECT_NE(a, b);
    reg().RegCloseKey(a);
    EXPECT_EQ(reg().openHandleCount(), before + 2);
    EXPECT_EQ(setNumber(b, "StillOpen", 1), Success);
    reg().RegCloseKey(b);
    reg().RegCloseKey(c);
    // An empty path opens the same key again, as a handle of its own.
    Key same = 0;
    ASSERT_EQ(reg().RegOpenKeyExA(key_, "", 0, KeyAllAccess, &same), Success);
    EXPECT_NE(same, key_);
    EXPECT_EQ(reg().openHandleCount(), before + 1);
    reg().RegCloseKey(same);
    EXPECT_EQ(reg().openHandleCount(), before);
    Key missing = 0;
    reg().RegOpenKeyExA(key_, "NotThere", 0, KeyAllAccess, &missing);
    EXPECT_EQ(reg().openHandleCount(), before);
}

INSTANTIATE_TEST_SUITE_P(Registry, RegistryBehaviour, testing::ValuesIn(registryBackends()), backendName);

}  // namespace
}  // namespace fk::test
