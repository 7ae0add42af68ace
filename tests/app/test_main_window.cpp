// Form1 over hive files made for each test: start-up, places, every
// kind's panel and account names. The scripted cases are in app-cases.txt.
#include "AppDriver.h"
#include "EditorPanel.h"
#include "PreferenceStore.h"
#include "Version.h"

#include <QGroupBox>
#include <QLabel>

#include <fstream>

namespace fk::testing {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    bool start(const std::string& keys = threeAccounts()) {
        hive_ = std::make_unique<AppHive>(keys);
        app_ = std::make_unique<Fettlekit>(hive_->path());
        return app_->loaded;
    }
    SettingsTree* tree(int n) const { return app_->control<SettingsTree>(n == 1 ? "TreeView1" : "TreeView2"); }

    std::unique_ptr<AppHive> hive_;
    std::unique_ptr<Fettlekit> app_;
};

// Both trees hold the catalogue in its order, and every kind shows its panel.
TEST_F(MainWindowTest, TreesFollowTheCatalogueAndEachKindShowsItsPanel) {
    ASSERT_TRUE(start());
    std::vector<QString> perAccount, allUsers;
    for (int i = 0; i < SettingCount; ++i)
        (settingEntry(i).AllUsers ? allUsers : perAccount).push_back(QString::fromStdString(settingEntry(i).ValueName));
    for (auto [n, names] : {std::pair{1, &perAccount}, std::pair{2, &allUsers}}) {
        ASSERT_EQ(tree(n)->topLevelItemCount(), int(names->size()));
        for (int i = 0; i < int(names->size()); ++i) EXPECT_EQ(tree(n)->topLevelItem(i)->text(0), (*names)[size_t(i)]);
    }
    app_->pick("alice");
    for (int index = 0; index < SettingCount; ++index) {
        if (settingEntry(index).AllUsers) continue;
        app_->clickSetting(index);
        app_->expectShowing(index);
    }
    EXPECT_TRUE(app_->messages().empty());
}

// One table of places and captions for the window and every panel.
TEST_F(MainWindowTest, ControlsStandWhereTheFormPutsThem) {
    ASSERT_TRUE(start());
    EXPECT_EQ(app_->window->windowTitle(), "Fettlekit");
    EXPECT_EQ(app_->window->findChild<QWidget*>("clientArea")->size(), twipsSize(7815, 5040));
    EXPECT_EQ(app_->window->minimumSize(), app_->window->maximumSize());
    EXPECT_FALSE(app_->window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(app_->control<QLabel>("Label15")->text(),
              QStringLiteral("Version: %1.%2.%3").arg(FK_VERSION_MAJOR).arg(FK_VERSION_MINOR).arg(FK_VERSION_PATCH));
    app_->pick("alice");
    app_->clickSetting(settingIndex("ChangeSecurityWarning"));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(app_->window->panel(i)->objectName(), QStringLiteral("Picture1(%1)").arg(i));
        EXPECT_EQ(app_->window->panel(i)->geometry(), twipsRect(120, 240, 4335, 2535)) << i;
    }
    std::ifstream table(FK_TEST_DATA "/places.txt");
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const QStringList f = QString::fromStdString(line).split('\t');
        const QStringList box = f[2].split(' ');
        QWidget* in = f[0] == "Form1" ? app_->window.get() : app_->window->panel(f[0].mid(7).toInt());
        auto* w = control<QWidget>(in, f[1].toLatin1().constData());
        if (!w) continue;
        ++rows;
        EXPECT_EQ(w->geometry(), twipsRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt())) << line;
        if (f.size() > 3) EXPECT_EQ(w->property("text").toString(), f[3]) << line;
    }
    EXPECT_GT(rows, 60);
}

// Names as long as the registry allows are listed whole.
TEST_F(MainWindowTest, AccountNamesCrossInCodePage1252AndListWhole) {
    // "Zoë" in the hive (UTF-16 in the file, 1252 through the registry calls).
    const std::string longName(254, 'x');
    ASSERT_TRUE(start(hiveKey(StoreRoot) + hiveKey(std::string(StoreRoot) + "\\" + longName) +
                      "[Software\\\\Tavrel\\\\Brisko2\\\\Zo\\xeb] 1700000000\n\n"));
    const QStringList listed{MainWindow::AllUsers, QString::fromStdString(longName), QStringLiteral("Zo\u00eb")};
    EXPECT_EQ(items(app_->chooser()), listed);
    app_->pick(QStringLiteral("Zo\u00eb"));
    EXPECT_TRUE(hive_->hasKey("Software\\Tavrel\\Brisko2\\Zo\xeb\\Preferences"));
}

}  // namespace
}  // namespace fk::testing
