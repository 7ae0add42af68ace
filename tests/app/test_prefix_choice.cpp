// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the prefix: at start-up, through File > "Open prefix…", and the
// command line without a display.
#include "app/PrefixChoice.h"
#include "app/RegistryTexts.h"
#include "dialogs/PrefixDialog.h"
#include "app/Session.h"
#include "app/Version.h"
#include "AppDriver.h"

#include <QAction>
#include <QCoreApplication>
#include <QProcess>
#include <QTranslator>

#include <cerrno>
#include <tuple>

namespace fk::testing {
namespace {

const std::string Brisko = hiveKey("Software\\Tavrel\\Brisko2") + hiveKey("Software\\Tavrel\\Brisko2\\alice");

TEST(PrefixAtStart, OneIsOpenedSeveralAreOfferedWithTheLastFirstNoneSaysWhereItLooked) {
    AppHive first(Brisko), second(Brisko), third(Brisko), elsewhere(Brisko);
    const auto folder = [](const AppHive& hive) { return QString::fromStdString(hive.folder()); };
    const FoundPrefixes none{{}, {"~/.wine", "~/Games/*"}};
    const FoundPrefixes one{{"/p/a"}, {"~/.wine"}};
    const FoundPrefixes several{withFirst({folder(first), folder(second), folder(third)}, folder(second) + "/"),
                                {"~/.wine"}};
    ASSERT_EQ(several.prefixes, QStringList({folder(second), folder(first), folder(third)}));
    const QString browsed = QString::fromStdString(elsewhere.path());
    const struct {
        const char* what;
        FoundPrefixes found;
        std::optional<QString> answer;
        std::optional<QString> opened;
        bool asked;
    } cases[] = {
        {"one", one, std::nullopt, QString("/p/a"), false},
        {"several", several, folder(third), folder(third), true},
        {"several, cancelled", several, std::nullopt, std::nullopt, true},
        {"none, browsed", none, browsed, browsed, true},
    };
    for (const auto& c : cases) {
        dialogs::PrefixDialog chooser;
        chooser.setScripted(true);
        chooser.queueAnswer(c.answer);
        const auto chosen = choosePrefixAtStart(c.found, chooser);
        EXPECT_EQ(chosen ? std::optional(chosen->place) : std::nullopt, c.opened) << c.what;
        ASSERT_EQ(chooser.requests().size(), c.asked ? 1u : 0u) << c.what;
        if (!c.asked) continue;
        const auto& shown = chooser.requests()[0];
        EXPECT_EQ(shown.prefixes, c.found.prefixes) << c.what;
        EXPECT_EQ(shown.preselected, c.found.prefixes.isEmpty() ? -1 : 0) << c.what;
        EXPECT_EQ(shown.looked, c.found.prefixes.isEmpty() ? c.found.looked : QStringList()) << c.what;
    }
}

// A place that will not do keeps the chooser open with what was looked for
// and why, and the window as it was; only a hive that lacks just the key may
// be opened anyway. A cancelled choice does nothing; a sound store takes the
// window over, is named in its title and is remembered; a keyless one opened
// anyway gets the key.
TEST(Switching, OpenPrefixMovesTheWindowOnlyToAStoreWithTheKeyAndRemembersIt) {
    QTemporaryDir settings;
    dialogs::Dialogs dialogs;
    dialogs::PrefixDialog chooser;
    dialogs.setScripted(true);
    chooser.setScripted(true);
    LastPrefix last(settings.filePath("fettlekit.conf"));
    std::vector<int> exits;
    QStringList found;
    Session session(dialogs, chooser, last, [&](const QString&) { return FoundPrefixes{found, {}}; },
                    [&](int status) { exits.push_back(status); });
    // File > "Open prefix…", answered.
    auto openPrefixFromMenu = [&](std::optional<dialogs::PrefixDialog::Choice> answer) {
        chooser.queueAnswer(std::move(answer));
        session.window()->findChild<QAction*>("actionOpenPrefix")->trigger();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    };
    AppHive first(Brisko + hiveKey("Software\\Tavrel\\Brisko2\\alice\\Preferences", "\"IconShowDelay\"=dword:00000064\n")),
        keyless(hiveKey("Software\\Wine")), damaged(Brisko);
    AppHive second(hiveKey("Software\\Tavrel\\Brisko2") + hiveKey("Software\\Tavrel\\Brisko2\\bob") +
                   hiveKey("Software\\Tavrel\\Brisko2\\carol") +
                   hiveKey(AlicePrefs, "\"AddCharToTruncateName\"=dword:00000001\n\"ContactSoundMaxTime\"=dword:0000001e\n"));
    found = {QString::fromStdString(first.folder()), QString::fromStdString(second.folder())};
    damaged.replace(hiveText("[Software\\\\Tavrel\\\\Brisko2 1700000000\n"));
    QTemporaryDir folderAsFile;
    QDir().mkpath(folderAsFile.filePath("user.reg"));
    const QString exported = folderAsFile.filePath("alice.reg");
    test::writeBytes(exported.toStdString(), "Windows Registry Editor Version 5.00\r\n");
    ASSERT_TRUE(session.open(QString::fromStdString(first.path()), false));
    EXPECT_EQ(session.window()->windowTitle(), "Fettlekit \u2013 " + QString::fromStdString(first.folder()));
    MainWindow* before = session.window();
    using Choice = dialogs::PrefixDialog::Choice;
    const std::pair<Choice, const char*> refused[] = {
        {Choice(QString::fromStdString(keyless.folder())), "Brisko! 3 has not run in this prefix yet"},
        {Choice("/no/such/prefix", true), "there is no such folder"},
        {Choice(folderAsFile.path(), true), "cannot read"},
        {Choice(QString::fromStdString(damaged.folder()), true), "user.reg: line 6"},
        {Choice(exported, true), "alice.reg is a file of exported settings, not a prefix's registry: File > "
                                 "\"Import settings…\" reads it."},
    };
    for (const auto& [choice, says] : refused) openPrefixFromMenu(choice);
    ASSERT_EQ(chooser.refusals().size(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(chooser.refusals()[i].contains(refused[i].second)) << refused[i].second;
    openPrefixFromMenu(std::nullopt);
    EXPECT_EQ(session.window(), before);
    EXPECT_TRUE(before->isVisible());
    EXPECT_EQ(session.hiveFile().toStdString(), first.path());
    EXPECT_EQ(last.load(), QString());
    EXPECT_TRUE(dialogs.messages.shown().empty());

    // The next window takes this one's place and account.
    EXPECT_EQ(before->findChild<QAction*>("actionOpenPrefix")->text(), "&Open prefix…");
    const QPoint place = before->pos() + QPoint(37, 23);
    before->move(place);
    before->chooseAccountNamed("alice");
    openPrefixFromMenu(QString::fromStdString(second.folder()));
    EXPECT_EQ(session.window()->pos(), place);
    EXPECT_EQ(session.window()->chosenAccount(), "alice");
    EXPECT_NE(session.window(), before);
    EXPECT_TRUE(session.window()->isVisible());
    EXPECT_EQ(session.hiveFile().toStdString(), second.path());
    EXPECT_GE(session.window()->findChild<QComboBox*>("Combo1")->findText("bob"), 0);
    EXPECT_EQ(last.load().toStdString(), second.folder());
    EXPECT_TRUE(dialogs.messages.shown().empty());
    EXPECT_TRUE(exits.empty());
    // About names the version and the store now shown.
    session.window()->findChild<QAction*>("actionAbout")->trigger();
    ASSERT_EQ(dialogs.messages.shown().size(), 1u);
    EXPECT_EQ(dialogs.messages.shown()[0].title, "About Fettlekit");
    EXPECT_TRUE(dialogs.messages.shown()[0].text.startsWith("Fettlekit " FK_VERSION_TEXT));
    EXPECT_TRUE(dialogs.messages.shown()[0].text.contains(QString::fromStdString(second.path())));

    // File > "Compare with…" another prefix, as the chooser gives it: read-only.
    chooser.queueAnswer(Choice(QString::fromStdString(first.folder())));
    dialogs.questions.queueAnswer(2);
    session.window()->findChild<QAction*>("actionCompare")->trigger();
    EXPECT_EQ(dialogs.questions.asked().back().buttons.join('|'), "bob|carol|Another prefix…|A .reg file…");
    ASSERT_EQ(dialogs.differences.shown().size(), 1u);
    EXPECT_TRUE(dialogs.differences.shown()[0].readOnly);
    EXPECT_EQ(dialogs.differences.shown()[0].rows.at(2).incoming, "100");
    // File > "Copy settings to…" two accounts and the prefix found: each shown
    // first, bob's second row unticked, each landing in its file.
    dialogs.copyTargets.queueAnswer(dialogs::CopyTargets{{0, 1, 2}, false});
    for (const std::vector<int>& unticked : {std::vector<int>{1}, {}, {}}) dialogs.differences.queueAnswer(unticked);
    session.window()->findChild<QAction*>("actionCopy")->trigger();
    const QString there = "alice in " + prefixTitle(QString::fromStdString(first.folder()));
    EXPECT_EQ(dialogs.copyTargets.shown().back().targets.join('|'), "bob|carol|" + there + "|Other folder…");
    ASSERT_EQ(dialogs.differences.shown().size(), 4u);
    EXPECT_TRUE(dialogs.differences.shown()[3].text.contains(there));
    EXPECT_EQ(dialogs.differences.shown()[3].rows.at(2).current, "100");
    EXPECT_EQ(dialogs.messages.shown().back().text, "Copied to: bob, carol, " + there + ".");
    const auto number = [](const AppHive& hive, const std::string& key, const char* name) {
        return asNumber(storedInFile(hive.path(), "Software\\Tavrel\\Brisko2\\" + key + "\\Preferences", name));
    };
    const std::optional<std::int32_t> none;
    for (const auto& [hive, key, addChar, soundTime] :
         {std::tuple{&second, "bob", std::optional(1), none}, {&second, "carol", 1, 30}, {&first, "alice", 1, 30}}) {
        EXPECT_EQ(number(*hive, key, "AddCharToTruncateName"), addChar) << key;
        EXPECT_EQ(number(*hive, key, "ContactSoundMaxTime"), soundTime) << key;
    }
    EXPECT_EQ(first.fileText().find("IconShowDelay"), std::string::npos) << "the default copied is no value";
    // "Other folder…" asks the chooser; the copy just made left that prefix nothing to change.
    chooser.queueAnswer(Choice(QString::fromStdString(first.folder())));
    dialogs.copyTargets.queueAnswer(dialogs::CopyTargets{{3}, false});
    session.window()->findChild<QAction*>("actionCopy")->trigger();
    EXPECT_EQ(dialogs.messages.shown().back().text, "Already the same: " + there + ".");

    openPrefixFromMenu(dialogs::PrefixDialog::Choice(QString::fromStdString(keyless.folder()), true));
    EXPECT_EQ(session.hiveFile().toStdString(), keyless.path());
    EXPECT_TRUE(keyless.hasKey(StoreRoot));
}

// The program itself, as a user without a display starts it.
struct Outcome {
    int status;
    QString out, err;
};
Outcome runProgram(const QStringList& args, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(FK_APP_EXE, args);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}

// The window words each reason of the registry layer as the command-line
// programs do, in English with its plural forms.
TEST(RegistryReasons, ReadInTheWindowAsOnTheCommandLine) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/fettlekit_en.qm")));
    QCoreApplication::installTranslator(&english);
    using Why = reg::Problem::Why;
    std::vector<reg::Problem> problems;
    for (int damage = int(reg::Damage::Empty); damage <= int(reg::Damage::KeyTwice); ++damage)
        for (Why why : {Why::Damaged, Why::DamagedByOther}) {
            reg::Problem p = reg::Problem::of(why, "/p/user.reg");
            p.line = 7 + damage;
            p.damage = reg::Damage(damage);
            p.excerpt = "dword:xyz";
            problems.push_back(p);
        }
    for (int why = int(Why::Unreadable); why <= int(Why::BridgeSilent); ++why)
        for (const auto& [path, error, number] : {std::tuple{"/p/user.reg", EACCES, 1L}, {"/usr/bin/wine\n/opt/wine", 0, 5L}}) {
            problems.push_back(reg::Problem::of(Why(why), path, error, number));
            problems.back().wineHoldsRegistry = why >= int(Why::BridgeNotFound) && error;
        }
    for (const reg::Problem& p : problems) EXPECT_EQ(RegistryTexts::problem(p).toStdString(), englishText(p));
    QCoreApplication::removeTranslator(&english);
}

TEST(NoDisplay, HelpVersionAndTheListAnswerAPlainRunSaysWhy) {
    QTemporaryDir home;
    AppHive a(Brisko), b(Brisko);
    const QString games = home.filePath("Games");
    QDir().mkpath(games);
    QFile::link(QString::fromStdString(a.folder()), games + "/a");
    QFile::link(QString::fromStdString(b.folder()), games + "/b");
    QDir().mkpath(home.filePath(".config/fettlekit"));
    LastPrefix(home.filePath(".config/fettlekit/fettlekit.conf")).save(games + "/b");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "WINEPREFIX", "XDG_DATA_HOME"})
        env.remove(name);
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    EXPECT_EQ(runProgram({"--version"}, env).out, "fettlekit " FK_VERSION_TEXT "\n");
    const Outcome help = runProgram({"--help"}, env);
    EXPECT_TRUE(help.out.contains("--list-prefixes") && help.out.contains("--prefix <DIR>")) << help.out.toStdString();
    const Outcome list = runProgram({"--list-prefixes"}, env);
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, games + "/b\n" + games + "/a\n");
    const Outcome plain = runProgram({}, env);
    EXPECT_EQ(plain.status, 1);
    EXPECT_EQ(plain.err.count('\n'), 1) << plain.err.toStdString();
    EXPECT_TRUE(plain.err.contains("no display")) << plain.err.toStdString();
    // A wrong command line is told as such, display or not.
    for (const QStringList& wrong :
         {QStringList{"--bogus"}, QStringList{"--prefix", home.path()}, QStringList{"-platform"}}) {
        const Outcome told = runProgram(wrong, env);
        EXPECT_EQ(told.status, 2);
        EXPECT_FALSE(told.err.contains("display")) << told.err.toStdString();
        const char* says = wrong.first() == "--bogus" ? "bogus" : wrong.size() == 1 ? "platform" : "not a Wine prefix";
        EXPECT_TRUE(told.err.contains(says)) << told.err.toStdString();
    }
}

}  // namespace
}  // namespace fk::testing
