// SPDX-License-Identifier: GPL-3.0-or-later
// The program driven as a user would by the scripts in app-cases.txt, with
// the hive read afresh for every check. The file says what each command does.
#include "app/ChangeMarks.h"
#include "app/DifferenceRows.h"
#include "app/EditTools.h"
#include "app/UndoHistory.h"
#include "app/Version.h"
#include "store/PreferenceStore.h"
#include "store/SettingWords.h"
#include "AppDriver.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTranslator>

#include <tuple>

namespace fk::testing {
namespace {

using test::Case;

// "~" stands for the store root, <xNN> for the byte NN.
std::string keyPath(const std::string& path) {
    std::string full = path[0] == '~' ? StoreRoot + path.substr(1) : path;
    for (size_t at; (at = full.find("<x")) != std::string::npos;)
        full.replace(at, 5, 1, char(std::stoi(full.substr(at + 2, 2), nullptr, 16)));
    return full;
}

QString shownText(QObject* o) {
    if (auto* box = qobject_cast<QGroupBox*>(o)) return box->title();
    if (auto* combo = qobject_cast<QComboBox*>(o)) return items(combo).join('|');
    if (auto* line = qobject_cast<QStatusBar*>(o)) return line->currentMessage();
    if (auto* list = qobject_cast<QListWidget*>(o)) {
        QStringList rows;
        for (const auto* item : list->findItems({}, Qt::MatchStartsWith)) rows << item->text();
        return rows.join('|');
    }
    return o->property("text").toString();
}

class AppCase : public ::testing::TestWithParam<Case> {
protected:
    Fettlekit& app() {
        if (!app_) throw std::runtime_error("the program is not started");
        return *app_;
    }
    std::string keysText() const {
        std::string text;
        // Bytes past ASCII as the hive file writes them: \xNN.
        for (const auto& [path, values] : keys_)
            for (unsigned char c : hiveKey(keyPath(path), values))
                text += c < 0x80 ? std::string(1, char(c)) : QString::asprintf("\\x%02x", c).toStdString();
        return text;
    }
    QObject* find(const std::string& name) {
        if (name == "window") return app().window.get();
        QObject* o = app().window->findChild<QObject*>(qs(name));
        if (!o) throw std::runtime_error("no control " + name);
        return o;
    }
    QWidget* widget(const std::string& name) { return qobject_cast<QWidget*>(find(name)); }
    QTreeWidgetItem* node(const std::string& setting) { return app().node(settingIndex(setting)); }
    QUndoStack& stack() { return app().window->findChild<UndoHistory*>()->stack(); }
    // A value at "KEY\NAME" as a fresh open of the file finds it.
    std::string stored(const std::string& path) {
        const auto cut = path.rfind('\\');
        const auto value = storedInFile(hive_->path(), keyPath(path.substr(0, cut)), path.substr(cut + 1));
        if (auto n = asNumber(value)) return std::to_string(*n);
        return value ? "\"" + std::string(value->data.c_str()) + "\"" : "none";
    }
    // The exported file's text: UTF-16 of ASCII, every other byte zero.
    std::string exported(const std::string& name) {
        std::string text = readBytes(hive_->folder() + "/" + name);
        EXPECT_EQ(text.substr(0, 2), "\xFF\xFE");
        std::erase(text, '\0');
        return text;
    }
    static QString account(const std::string& name) {
        return name == "*all" ? QStringLiteral(" --> All users <--")
               : name == "*default" ? QStringLiteral(" --> Default user <--") : qs(name);
    }
    static std::string shownMessage(const dialogs::MessageDialog::Shown& m) {
        static const char* icons[] = {"Critical", "Exclamation", "Information"};
        return std::string(icons[int(m.icon)]) + " " + (m.title + ": " + m.text).toStdString();
    }
    void expectPlaces();
    Commands commands(const std::string& name, const std::string& rest);

    KeyBlocks keys_;
    bool replacing_ = false, damaged_ = false;
    std::unique_ptr<AppHive> hive_;
    std::unique_ptr<Fettlekit> app_;
    std::string snapshot_;
    std::string all_;  // the command's name and rest: its whole argument
};

// The window and every panel where places.txt puts them, with its captions.
void AppCase::expectPlaces() {
    MainWindow& window = *app().window;
    EXPECT_EQ(window.findChild<QWidget*>("clientArea")->size(), form::FormMetrics().size(7815, 5040));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(app().control<QLabel>("Label15")->text(),
              QStringLiteral("Version: %1.%2.%3").arg(FK_VERSION_MAJOR).arg(FK_VERSION_MINOR).arg(FK_VERSION_PATCH));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(window.panel(i)->objectName(), QStringLiteral("Picture1(%1)").arg(i));
    int rows = 0;
    for (const std::string& line : test::dataRows(FK_TEST_DATA "/places.txt")) {
        const QStringList f = qs(line).split('\t'), box = f[2].split(' ');
        QWidget* in = f[0] == "Form1" ? &window : window.panel(f[0].mid(7).toInt());
        auto* w = control<QWidget>(in, f[1].toLatin1().constData());
        if (!w) continue;
        ++rows;
        EXPECT_EQ(w->geometry(), form::FormMetrics().rect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt())) << line;
        if (f.size() > 3) {
            EXPECT_EQ(w->property("text").toString(), f[3]) << line;
        }
    }
    EXPECT_GT(rows, 60);
}

// Each command with its first word (`name`) and the rest of its line, on
// the hive replaced first if the lines before said so.
Commands AppCase::commands(const std::string& name, const std::string& rest) {
    if (std::exchange(replacing_, false))
        hive_->replace(hiveText(keysText()) + (damaged_ ? "[Software\\\\Broken 1700000000\n" : ""));
    all_ = rest.empty() ? name : name + " " + rest;
    return {
        {"start",
         [&] {
             hive_ = std::make_unique<AppHive>(keysText());
             snapshot_ = hive_->seeded;
             app_ = std::make_unique<Fettlekit>(hive_->path());
             if (!app_->window) throw std::runtime_error("the hive does not open");
             EXPECT_EQ(app_->loaded, name != "fails");
         }},
        {"replace",
         [&] {
             keys_.clear();
             replacing_ = true;
             damaged_ = name == "damaged";
         }},
        {"remove", [&] { ASSERT_EQ(std::remove(hive_->path().c_str()), 0); }},
        {"exists", [&] { EXPECT_EQ(std::filesystem::exists(hive_->path()), yes(name)); }},
        // Nothing left in the hive's folder besides it, its lock and what the test made.
        {"litter",
         [&] {
             auto names = test::folderNames(hive_->folder());
             for (const char* mine : {"user.reg", "user.reg.fettlekit-lock", "alice.reg"}) names.erase(mine);
             EXPECT_EQ(names, std::set<std::string>{});
         }},
        {"linux",
         [&] {
#ifdef _WIN32
             GTEST_SKIP() << "the hive is a file on Linux only";
#endif
         }},
        {"pick", [&] { app().pick(account(all_)); }},
        {"click", [&] { app().clickSetting(settingIndex(name)); }},
        {"press",
         [&] {
             QTest::mouseClick(control<QPushButton>(app().panelOf(app().window->shownSetting()), name.c_str()),
                               Qt::LeftButton);
             QApplication::processEvents();
         }},
        {"change",
         [&] {
             app().changeNumber(std::stoi(name));
             QApplication::processEvents();
         }},
        {"menu", [&] { app().trigger(name.c_str()); }},
        {"close", [&] { app().window->close(); }},
        {"quit", [&] { app().window.reset(); }},
        {"question",
         [&] { app().dialogs.questions.queueAnswer(name == "cancel" ? std::nullopt : std::optional(std::stoi(name))); }},
        {"differences",
         [&] {
             std::vector<int> unticked;
             for (const std::string& row : test::split(rest, ",")) if (!row.empty()) unticked.push_back(std::stoi(row));
             app().dialogs.differences.queueAnswer(name == "cancel" ? std::nullopt : std::optional(unticked));
         }},
        {"copyto",
         [&] {
             dialogs::CopyTargets targets{{}, rest == "changed"};
             for (const std::string& row : test::split(name, ",")) targets.ticked.push_back(std::stoi(row));
             app().dialogs.copyTargets.queueAnswer(targets);
         }},
        {"offered", [&] { EXPECT_EQ(app().dialogs.copyTargets.shown().back().targets.join('|'), qs(all_)); }},
        {"row",
         [&] {
             const dialogs::DifferenceRow& row = app().dialogs.differences.shown().back().rows.at(std::stoul(name));
             const QString swatch = row.colour ? QStringLiteral("|swatch") : QString();
             EXPECT_EQ(QStringList({row.name, row.current, row.incoming, row.byDefault}).join('|') + swatch, qs(rest));
         }},
        {"write", [&] { test::writeBytes(hive_->folder() + "/" + name, fk::text::utf8ToCp1252(rest)); }},
        {"viewonly", [&] { EXPECT_EQ(app().dialogs.differences.shown().back().readOnly, yes(name)); }},
        {"file",
         [&] {
             app().dialogs.files.queueAnswer(name == "cancel" ? std::nullopt
                                                              : std::optional(qs(hive_->folder() + "/" + name)));
         }},
        {"refuse",
         [&] {
             if (rest.empty()) app().registry->refuseWrites = true;
             else app().registry->writesLeft = std::stoi(rest.substr(rest.find(' ')));
         }},
        {"allow", [&] { app().registry->refuseWrites = false; app().registry->writesLeft = -1; }},
        {"wine", [&] { app().registry->wineStarts = true; }},
        {"type", [&] { typeOver(qobject_cast<QLineEdit*>(find(name)), qs(rest)); }},
        {"key", [&] { QTest::keyClick(widget(name), Qt::Key(QKeySequence::fromString(qs(rest))[0].key())); }},
        {"snapshot", [&] { snapshot_ = hive_->fileText(); }},
        {"stored", [&] { EXPECT_EQ(stored(name), rest) << name; }},
        {"haskey", [&] { EXPECT_EQ(hive_->hasKey(keyPath(name)), yes(rest)) << name; }},
        {"unchanged", [&] { EXPECT_EQ(hive_->fileText(), snapshot_); }},
        {"see", [&] { EXPECT_EQ(shownText(find(name)).replace(qs(hive_->folder()), "<folder>"), qs(rest)) << name; }},
        {"shown", [&] { app().expectShowing(name == "notice" ? NoticeIndex : settingIndex(name)); }},
        {"selected", [&] { EXPECT_EQ(qobject_cast<SettingsTree*>(find(name))->selectedNode(), nullptr) << name; }},
        {"current", [&] { EXPECT_EQ(qobject_cast<SettingsTree*>(find(name))->currentItem(), node(rest)) << rest; }},
        {"marked",
         [&] {
             EXPECT_EQ(node(name)->data(0, ChangeMarks::ChangedRole).toBool(), yes(rest)) << name;
             EXPECT_EQ(node(name)->font(0).bold(), yes(rest)) << name;
         }},
        {"tip", [&] { EXPECT_EQ(node(name)->toolTip(0), qs(rest)); }},
        {"hidden", [&] { EXPECT_EQ(node(name)->isHidden(), yes(rest)) << name; }},
        {"inview",
         [&] {
             QTreeWidget* tree = node(name)->treeWidget();
             EXPECT_TRUE(tree->viewport()->rect().contains(tree->visualItemRect(node(name)))) << name;
         }},
        // The mark shows on a selected row too, in the selected text's colour.
        {"dot",
         [&] {
             const QImage dot = node(name)->icon(0).pixmap(8, QIcon::Selected).toImage();
             const int highlight = node(name)->treeWidget()->palette().color(QPalette::Highlight).lightness();
             EXPECT_GT(std::abs(dot.pixelColor(4, 4).lightness() - highlight), 80);
         }},
        {"enabled", [&] { EXPECT_EQ(find(name)->property("enabled").toBool(), yes(rest)) << name; }},
        {"visible", [&] { EXPECT_EQ(widget(name)->isVisible(), yes(rest)) << name; }},
        {"property",
         [&] {
             const auto cut = rest.find(' ');
             EXPECT_EQ(find(name)->property(rest.substr(0, cut).c_str()).toString(), qs(rest.substr(cut + 1))) << rest;
         }},
        // Both trees hold the catalogue in its order.
        {"catalogue",
         [&] {
             std::map<SettingsTree*, int> rows;
             for (int i = 0; i < SettingCount; ++i) {
                 QTreeWidgetItem* item = app().treeOf(i)->topLevelItem(rows[app().treeOf(i)]++);
                 ASSERT_NE(item, nullptr) << i;
                 EXPECT_EQ(item->text(0), qs(settingEntry(i).valueName)) << i;
             }
             for (auto [tree, count] : rows) EXPECT_EQ(tree->topLevelItemCount(), count);
         }},
        {"places", [&] { expectPlaces(); }},
        {"focus", [&] { EXPECT_EQ(app().window->focusWidget(), widget(name)); }},
        {"tab",
         [&] {
             app().window->activateWindow();  // focus events reach an active window only
             EXPECT_TRUE(QTest::qWaitForWindowActive(app().window.get()));
             widget(name)->setFocus();
             QStringList order;
             for (int i = 0; i < qs(all_).count(' ') + 1; ++i, QTest::keyClick(app().window->focusWidget(), Qt::Key_Tab))
                 order << app().window->focusWidget()->objectName();
             EXPECT_EQ(order.join(' '), qs(all_));
         }},
        {"shortcut", [&] { EXPECT_EQ(find(name)->property("shortcut").value<QKeySequence>().toString(), qs(rest)); }},
        {"picker", [&] { EXPECT_EQ(app().window->tagPicker().isOpen(), yes(name)); }},
        {"history", [&] { EXPECT_EQ(std::to_string(stack().count()) + " " + std::to_string(stack().index()), all_); }},
        {"message",
         [&] {
             QApplication::processEvents();
             std::vector<std::string> shown;
             for (const auto& m : app().messages()) shown.push_back(shownMessage(m));
             // The keys the platform binds, as its menus show them.
             QString expected = qs(all_);
             for (auto [token, key] : {std::pair{"<find>", QKeySequence::Find}, {"<undo>", QKeySequence::Undo},
                                       {"<redo>", QKeySequence::Redo}})
                 expected.replace(QLatin1String(token), QKeySequence(key).toString(QKeySequence::NativeText));
             expected.replace(QLatin1String("<folder>"), qs(hive_->folder()));
             EXPECT_EQ(shown, std::vector<std::string>{expected.toStdString()});
             app().dialogs.messages.clear();
         }},
        {"exits", [&] { EXPECT_EQ(std::exchange(app().exits, {}), std::vector<int>{std::stoi(name)}); }},
        {"handles", [&] { EXPECT_EQ(app().registry->openHandleCount(), std::stoi(name)); }},
        {"creates",
         [&] {
             std::string made;
             for (const auto& c : app().registry->creates) made += (made.empty() ? "" : "|") + c;
             EXPECT_EQ(made, all_);
         }},
        // The store works on the root key itself, never closed.
        {"onroot",
         [&] {
             const reg::Key root = app().window->storeController().rootKey();
             EXPECT_EQ(app().window->storeController().store().currentKey(), root);
             EXPECT_EQ(app().registry->closesOf(root), 0);
         }},
        {"questions", [&] { EXPECT_EQ(app().dialogs.questions.asked().size(), std::stoul(name)); }},
        {"asked", [&] { EXPECT_EQ(app().dialogs.questions.asked().back().buttons.join('|'), qs(all_)); }},
        {"details", [&] { EXPECT_EQ(app().dialogs.questions.asked().back().details, qs(all_)); }},
        {"saving",
         [&] {
             EXPECT_TRUE(app().dialogs.files.requests().back().save);
             EXPECT_EQ(app().dialogs.files.requests().back().suggestedName, qs(all_));
         }},
        {"exported", [&] { EXPECT_EQ(exported(name).find(rest.substr(4)) != std::string::npos, rest[0] == 'h'); }},
    };
}

// The differences view's words of a value in the user's language; a
// font's face and size and a text stay as the registry has them.
TEST(DifferenceWords, ReadInTheUsersLanguage) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/fettlekit_de.qm")));
    QCoreApplication::installTranslator(&german);
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"WindowFont", "Bold, Sans, 8, bold, italic, weight 600, disabled", "Bold, Sans, 8, fett, kursiv, Gewicht 600, ausgeschaltet"},
        {"WindowFont", "DejaVu Serif, 12", "DejaVu Serif, 12"},
        {"MenuInclude", "False for Hello, bold", "Falsch für Hello, bold"},
        {"", "absent", "nicht vorhanden"},
        {"", "\"absent\"", "\"absent\""},
    };
    for (const auto& [setting, words, want] : rows) {
        SettingDifference d{"alice\\Preferences", *setting ? findSetting(setting) : -1, setting, words, words, words, {}};
        const dialogs::DifferenceRow row = differenceRows({d}).at(0);
        EXPECT_EQ(row.current.toStdString(), want);
        EXPECT_EQ(row.byDefault.toStdString(), want);
    }
    QCoreApplication::removeTranslator(&german);
}

TEST_P(AppCase, Runs) {
    runCase(GetParam(), "app-cases.txt", keys_, [this](auto& name, auto& rest) { return commands(name, rest); });
    if (::testing::Test::IsSkipped()) return;
    ASSERT_TRUE(app_);
    EXPECT_TRUE(app_->messages().empty()) << "messages no line expected";
    EXPECT_TRUE(app_->exits.empty()) << "the program ended";
}

INSTANTIATE_TEST_SUITE_P(App, AppCase, ::testing::ValuesIn(test::readCases(FK_TEST_DATA "/app-cases.txt")),
                         test::caseName);

}  // namespace
}  // namespace fk::testing
