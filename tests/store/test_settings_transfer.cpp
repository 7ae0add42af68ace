// Imports of settings files: what the catalogue or the store's place
// refuses is named by its line and writes nothing; what is taken is written
// all or none, and can be put back.
#include "../platform/HiveTestFiles.h"
#include "HiveRegistry.h"
#include "SettingsTransfer.h"

#include <gtest/gtest.h>

#include <string>

namespace fk {
namespace {

const std::string Hive =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n\n"
    "[Software\\\\Tavrel\\\\Brisko2] 1700000000\n#time=1d9f0c6b1a2b3c4\n\"AutoUpdateNotification\"=dword:00000001\n\n"
    "[Software\\\\Tavrel\\\\Brisko2\\\\alice\\\\Preferences] 1700000000\n#time=1d9f0c6b1a2b3c4\n"
    "\"ContactSoundMaxTime\"=dword:0000000c\n\"NickNameSeparator\"=\", \"\n\n";

// A .reg file whose first lines change alice's ContactSoundMaxTime, so a
// refusal further down must leave that unwritten too.
std::string regFile(const std::string& rest) {
    return "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\alice\\Preferences]\r\n"
           "\"ContactSoundMaxTime\"=dword:0000001e\r\n" + rest;
}

// Passes every call on; writes of one value name fail.
class FailingRegistry : public reg::Registry {
public:
    FailingRegistry(reg::Registry& inner, std::string failing) : inner_(inner), failing_(std::move(failing)) {}
    long RegOpenKeyExA(reg::Key p, const char* s, std::uint32_t o, std::uint32_t a, reg::Key* r) override {
        return inner_.RegOpenKeyExA(p, s, o, a, r);
    }
    long RegCreateKeyExA(reg::Key p, const char* s, std::uint32_t r, const char* c, std::uint32_t o, std::uint32_t a,
                         const reg::SecurityAttributes* sa, reg::Key* k, std::uint32_t* d) override {
        return inner_.RegCreateKeyExA(p, s, r, c, o, a, sa, k, d);
    }
    long RegCloseKey(reg::Key k) override { return inner_.RegCloseKey(k); }
    long RegEnumKeyExA(reg::Key k, std::uint32_t i, char* n, std::uint32_t* nl, std::uint32_t* r, char* c,
                       std::uint32_t* cl, reg::FileTime* t) override {
        return inner_.RegEnumKeyExA(k, i, n, nl, r, c, cl, t);
    }
    long RegQueryValueExA(reg::Key k, const char* n, std::uint32_t* r, std::uint32_t* t, std::uint8_t* d,
                          std::uint32_t* l) override {
        return inner_.RegQueryValueExA(k, n, r, t, d, l);
    }
    long RegSetValueExA(reg::Key k, const char* n, std::uint32_t r, std::uint32_t t, const std::uint8_t* d,
                        std::uint32_t l) override {
        if (failing_ == n) return reg::AccessDenied;
        return inner_.RegSetValueExA(k, n, r, t, d, l);
    }
    long RegDeleteValueA(reg::Key k, const char* n) override { return inner_.RegDeleteValueA(k, n); }
    int openHandleCount() const override { return inner_.openHandleCount(); }

private:
    reg::Registry& inner_;
    std::string failing_;
};

class TransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeBytes(hivePath_, Hive);
        auto opened = reg::openHiveRegistry(hivePath_);
        ASSERT_TRUE(opened.registry) << opened.error;
        registry_ = std::move(opened.registry);
    }
    std::string hive() const { return test::readBytes(hivePath_); }

    test::TempFolder folder_;
    std::string hivePath_ = folder_.file("user.reg");
    std::unique_ptr<reg::Registry> registry_;
};

TEST_F(TransferTest, RefusesWhatTheStoreOrTheCatalogueRejectsNamingTheLine) {
    const std::string longText(256, 'x');
    const struct {
        std::string file;
        std::string error;
    } rows[] = {
        {regFile("[HKEY_CURRENT_USER\\Software\\Other]\r\n\"x\"=\"1\"\r\n"),
         "Line 5: the key HKEY_CURRENT_USER\\Software\\Other is outside HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2."},
        {regFile("[HKEY_LOCAL_MACHINE\\Software\\Tavrel\\Brisko2]\r\n"),
         "Line 5: the key HKEY_LOCAL_MACHINE\\Software\\Tavrel\\Brisko2 is outside HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2."},
        {regFile("[HKCU\\Software\\Tavrel\\Brisko2x]\r\n"),
         "Line 5: the key HKCU\\Software\\Tavrel\\Brisko2x is outside HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2."},
        {regFile("\"ContactSoundMaxTime\"=dword:00000065\r\n"), "Line 5: \"ContactSoundMaxTime\" must be a number from 1 to 100."},
        {regFile("\"ContactSoundMaxTime\"=\"12\"\r\n"), "Line 5: \"ContactSoundMaxTime\" must be a number from 1 to 100."},
        {regFile("\"PersoAwayAutoClose\"=dword:00000002\r\n"), "Line 5: \"PersoAwayAutoClose\" must be a number of at least 3."},
        {regFile("\"QuickIconBgColor\"=dword:01000000\r\n"), "Line 5: \"QuickIconBgColor\" must be a colour, dword:00bbggrr."},
        {regFile("\"NickNameSeparator\"=\"" + longText + "\"\r\n"),
         "Line 5: \"NickNameSeparator\" must be a text of at most 255 characters."},
        {regFile("\"AddCharToTruncateName\"=hex:01\r\n"), "Line 5: \"AddCharToTruncateName\" must be a number (dword:)."},
        {regFile("[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2]\r\n\"AutoUpdateNotification\"=\"yes\"\r\n"),
         "Line 6: \"AutoUpdateNotification\" must be a number (dword:)."},
        {regFile("[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\alice\\Preferences\\CtcListFont]\r\n\"Name\"=dword:1\r\n"),
         "Line 6: \"Name\" must be a text of at most 255 characters."},
        {regFile("[-HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\bob]\r\n"),
         "Line 5: deleting a key is not imported here, only values."},
        {regFile("\"Long\"=hex:01,\\\r\n  zz\r\n"), "Line 6: the line after a \\ does not go on with hex data."},
        {regFile("\"Escaped\"=\"a\\qb\"\r\n"), "Line 5: unknown escape \\q."},
        {"REGEDIT5\r\n", "This is not a registry file: its first line must be \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\"."},
    };
    for (const auto& row : rows) {
        ImportPlan plan = planImport(*registry_, row.file);
        EXPECT_EQ(plan.error, row.error);
        EXPECT_TRUE(plan.changes.empty()) << row.error;
    }
    EXPECT_EQ(hive(), Hive) << "planning writes nothing";
}

TEST_F(TransferTest, AppliesAllOrNoneAndUndoes) {
    // ANSI, with a deletion and a value that is not there yet.
    ImportPlan plan = planImport(*registry_, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\alice\\Preferences]\r\n"
                                             "\"ContactSoundMaxTime\"=dword:0000001e\r\n\"NickNameSeparator\"=-\r\n"
                                             "\"IconShowDelay\"=dword:00000064\r\n\"ContactSoundMaxTime\"=dword:0000001f\r\n"
                                             "[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2]\r\n\"AutoUpdateNotification\"=dword:1\r\n");
    ASSERT_TRUE(plan.ok()) << plan.error;
    ASSERT_EQ(plan.changes.size(), 3u) << "an unchanged value is no change";
    const ValueChange& first = plan.changes[0];
    EXPECT_EQ(first.setting, "alice\\Preferences\\ContactSoundMaxTime");
    EXPECT_EQ(describeValue(first.before), "12");
    EXPECT_EQ(describeValue(first.after), "31") << "the later line wins";
    EXPECT_EQ(describeValue(plan.changes[1].before), "\", \"");
    EXPECT_EQ(describeValue(plan.changes[1].after), "absent");
    EXPECT_EQ(describeValue(plan.changes[2].before), "absent");

    // A write that fails midway puts back what was written before it.
    FailingRegistry failing(*registry_, "IconShowDelay");
    std::string error;
    EXPECT_FALSE(applyChanges(failing, plan.changes, false, error));
    EXPECT_EQ(error, "\"alice\\Preferences\\IconShowDelay\" could not be saved, so nothing was changed.");
    for (const ValueChange& c : plan.changes) EXPECT_EQ(readStoredValue(*registry_, c.keyPath, c.valueName), c.before);

    ASSERT_TRUE(applyChanges(*registry_, plan.changes, false, error)) << error;
    for (const ValueChange& c : plan.changes) EXPECT_EQ(readStoredValue(*registry_, c.keyPath, c.valueName), c.after);
    ASSERT_TRUE(applyChanges(*registry_, plan.changes, true, error)) << error;
    for (const ValueChange& c : plan.changes) EXPECT_EQ(readStoredValue(*registry_, c.keyPath, c.valueName), c.before);
}

}  // namespace
}  // namespace fk
