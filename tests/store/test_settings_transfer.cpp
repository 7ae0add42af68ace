// Imports of settings files: what the catalogue or the store's place
// refuses is named by its line and writes nothing; what is taken is written
// all or none, and can be put back.
#include "../editors/HiveFixture.h"
#include "../platform/HiveTestFiles.h"
#include "HiveRegistry.h"
#include "SettingsTransfer.h"

#include <fstream>

namespace fk::testing {
namespace {

const std::string Hive =
    hiveText(hiveKey("Software\\Tavrel\\Brisko2", "\"AutoUpdateNotification\"=dword:00000001\n") +
             hiveKey("Software\\Tavrel\\Brisko2\\alice\\Preferences",
                     "\"ContactSoundMaxTime\"=dword:0000000c\n\"NickNameSeparator\"=\", \"\n"));

class TransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeBytes(hivePath_, Hive);
        auto opened = reg::openHiveRegistry(hivePath_);
        ASSERT_TRUE(opened.registry) << opened.error;
        registry_ = std::move(opened.registry);
    }

    test::TempFolder folder_;
    std::string hivePath_ = folder_.file("user.reg");
    std::unique_ptr<reg::Registry> registry_;
};

// The table's files first change alice's ContactSoundMaxTime, so a refusal
// further down must leave that unwritten too.
TEST_F(TransferTest, RefusesWhatTheStoreOrTheCatalogueRejectsNamingTheLine) {
    std::ifstream table(FK_TEST_DATA "/import-refusals.txt");
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const size_t tab = line.find('\t');
        std::string file = line.substr(0, tab) + "|";
        for (size_t at; (at = file.find('|')) != std::string::npos;) file.replace(at, 1, "\r\n");
        if (file[0] == '@') file.erase(0, 1);
        else
            file = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\alice\\"
                   "Preferences]\r\n\"ContactSoundMaxTime\"=dword:0000001e\r\n" + file;
        const ImportPlan plan = planImport(*registry_, file);
        EXPECT_EQ(plan.error, line.substr(tab + 1));
        EXPECT_TRUE(plan.changes.empty()) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 15);
    EXPECT_EQ(readBytes(hivePath_), Hive) << "planning writes nothing";
}

TEST_F(TransferTest, AppliesAllOrNoneAndUndoes) {
    // ANSI, with a deletion and a value that is not there yet.
    ImportPlan plan = planImport(*registry_, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\alice\\Preferences]\r\n"
                                             "\"ContactSoundMaxTime\"=dword:0000001e\r\n\"NickNameSeparator\"=-\r\n"
                                             "\"IconShowDelay\"=dword:00000064\r\n\"ContactSoundMaxTime\"=dword:0000001f\r\n"
                                             "[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2]\r\n\"AutoUpdateNotification\"=dword:1\r\n");
    ASSERT_TRUE(plan.ok()) << plan.error;
    ASSERT_EQ(plan.changes.size(), 3u) << "an unchanged value is no change";
    EXPECT_EQ(plan.changes[0].setting, "alice\\Preferences\\ContactSoundMaxTime");
    EXPECT_EQ(describeValue(plan.changes[0].before), "12");
    EXPECT_EQ(describeValue(plan.changes[0].after), "31") << "the later line wins";
    EXPECT_EQ(describeValue(plan.changes[1].before), "\", \"");
    EXPECT_EQ(describeValue(plan.changes[1].after), "absent");
    EXPECT_EQ(describeValue(plan.changes[2].before), "absent");

    // A write that fails midway puts back what was written before it.
    TestRegistry failing(*registry_);
    failing.refuseValues = {"IconShowDelay"};
    std::string error;
    EXPECT_FALSE(applyChanges(failing, plan.changes, false, error));
    EXPECT_EQ(error, "\"alice\\Preferences\\IconShowDelay\" could not be saved, so nothing was changed.");
    const auto expectAll = [&](auto side) {
        for (const ValueChange& c : plan.changes) EXPECT_EQ(readStoredValue(*registry_, c.keyPath, c.valueName), c.*side);
    };
    expectAll(&ValueChange::before);
    ASSERT_TRUE(applyChanges(*registry_, plan.changes, false, error)) << error;
    expectAll(&ValueChange::after);
    // An undo refused midway (undoing IconShowDelay deletes it, which is never refused).
    failing.refuseValues = {"NickNameSeparator"};
    EXPECT_FALSE(applyChanges(failing, plan.changes, true, error));
    expectAll(&ValueChange::after);
    ASSERT_TRUE(applyChanges(*registry_, plan.changes, true, error)) << error;
    expectAll(&ValueChange::before);
}

}  // namespace
}  // namespace fk::testing
