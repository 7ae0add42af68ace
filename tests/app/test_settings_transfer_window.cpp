// File > Export and Import settings through the dialog seams: a round trip
// through a real .reg file, a cancelled import that writes nothing, and the
// import undone.
#include "AppDriver.h"

namespace fk::testing {
namespace {

TEST(SettingsTransferWindow, ExportsThenImportsBackOnlyWhenTheUserAgrees) {
    AppHive hive(hiveKey("Software\\Tavrel\\Brisko2", "\"AutoUpdateNotification\"=dword:00000000\n") +
                 hiveKey(AlicePrefs, "\"ContactSoundMaxTime\"=dword:0000001e\n\"NickNameSeparator\"=\"; \"\n"));
    Fettlekit app(hive.path());
    ASSERT_TRUE(app.loaded);
    auto* exportAction = app.control<QAction>("actionExport");
    auto* importAction = app.control<QAction>("actionImport");
    app.pick(QStringLiteral("alice"));
    app.clickSetting(settingIndex("ContactSoundMaxTime"));

    const QString file = QString::fromStdString(hive.folder() + "/alice.reg");
    app.dialogs.questions.queueAnswer(0);  // this account
    app.dialogs.files.queueAnswer(file);
    exportAction->trigger();
    ASSERT_EQ(app.dialogs.questions.asked().size(), 1u);
    EXPECT_EQ(app.dialogs.questions.asked()[0].buttons, QStringList({"This account", "Every account"}));
    EXPECT_TRUE(app.dialogs.files.requests().back().save);
    EXPECT_EQ(app.dialogs.files.requests().back().suggestedName, "Brisko2 alice.reg");
    const std::string exported = readBytes(file.toStdString());
    EXPECT_EQ(exported.substr(0, 2), "\xFF\xFE");
    std::string text = exported;  // UTF-16 of ASCII: every other byte is zero
    std::erase(text, '\0');
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\alice\\Preferences]\r\n"
                        "\"ContactSoundMaxTime\"=dword:0000001e\r\n\"NickNameSeparator\"=\"; \""),
              std::string::npos) << text;
    EXPECT_EQ(text.find("AutoUpdate"), std::string::npos) << "alice's key only";

    app.changeNumber(50);
    ASSERT_EQ(hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"), 50);

    // Cancel at the confirmation: nothing written.
    const std::string before = hive.fileText();
    app.dialogs.files.queueAnswer(file);
    app.dialogs.questions.queueAnswer(std::nullopt);
    importAction->trigger();
    EXPECT_EQ(hive.fileText(), before);
    ASSERT_EQ(app.dialogs.questions.asked().size(), 2u);
    EXPECT_EQ(app.dialogs.questions.asked()[1].details, "alice\\Preferences\\ContactSoundMaxTime: 50 \u2192 30");

    // Agree: the exported value is back, and the panel shows it.
    app.dialogs.files.queueAnswer(file);
    app.dialogs.questions.queueAnswer(0);
    importAction->trigger();
    EXPECT_EQ(hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"), 30);
    EXPECT_EQ(app.numberBox()->text(), "30");
    // The import is one step that undo takes back.
    app.trigger("actionUndo");
    EXPECT_EQ(hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"), 50);
    EXPECT_TRUE(app.messages().empty());
}

}  // namespace
}  // namespace fk::testing
