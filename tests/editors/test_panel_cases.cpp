// SPDX-License-Identifier: GPL-3.0-or-later
// The editor panels driven through their widgets by the scripts in
// panel-cases.txt, with the hive file read afresh for every check. The file
// says what each command does.
#include "editors/AccountPanel.h"
#include "editors/FontPanel.h"
#include "editors/PanelFactory.h"
#include "support/CaseScript.h"
#include "support/EditorHive.h"
#include "support/WidgetDriving.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>

namespace fk::testing {
namespace {

using test::Case;

// A stored value as a line of the hive file would give it, "none" when missing.
std::string describe(const std::optional<Stored>& value) {
    if (!value) return "none";
    if (auto n = asNumber(value)) return "dword:" + std::to_string(*n);
    std::string text;
    for (unsigned char c : value->data) {
        char hex[8];
        std::snprintf(hex, sizeof hex, c < 0x20 || c > 0x7e ? "\\x%02X" : "%c", c);
        text += hex;
    }
    return value->type == reg::TypeSz ? "\"" + text + "\"" : "type " + std::to_string(value->type) + ": " + text;
}

QString shownText(QWidget* w) {
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) return edit->toPlainText().replace('\n', "\\n");
    if (auto* slider = qobject_cast<QSlider*>(w)) return QString::number(slider->value());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->isChecked() ? "on" : "off";
    return "?";
}

class PanelCase : public ::testing::TestWithParam<Case> {
protected:
    QWidget* find(const std::string& name) {
        QWidget* w = window_.findChild<QWidget*>(QString::fromStdString(name));
        if (!w) throw std::runtime_error("no control " + name);
        return w;
    }
    QLineEdit* box(const std::string& name) {
        QWidget* w = find(name);
        if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
        return qobject_cast<QLineEdit*>(w);
    }
    // The keys given so far: "[/]" the store root, the others below Alice's Preferences.
    EditorHive::Keys keys() const {
        EditorHive::Keys keys;
        for (const auto& [key, values] : blocks_)
            keys[key == "/" ? "" : "Alice\\Preferences" + (key.empty() ? "" : "\\" + key)] += values;
        return keys;
    }
    // The hive, written from the keys given so far on first use.
    EditorHive& hive() {
        if (!hive_) {
            hive_ = std::make_unique<EditorHive>(keys(), account_);
            hive_->context.mainWindow = &window_;
            hive_->context.openTagPicker = [this](QLineEdit* target) { pickedFor_ = target->objectName(); };
        }
        return *hive_;
    }
    void show(const std::string& setting) {
        if (!panel_) {
            panel_ = makeEditorPanel(settingEntry(settingIndex(setting)).kind, hive().context, &window_);
            window_.resize(panel_->size());
            window_.show();
        }
        hive_->shown = settingIndex(setting);
        panel_->prepare(hive_->shown);
    }
    void click(QWidget* w) {
        // An option button answers on its circle and caption only.
        const bool option = qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, option ? QPoint(6, w->height() / 2) : w->rect().center());
    }
    // The value at `path`: "Name" in Preferences, "Sub\Key\Name" below it or
    // "/Name" in the store root.
    std::string stored(const std::string& path) {
        if (path[0] == '/') return describe(storedInFile(hive_->path(), StoreRoot, path.substr(1)));
        const auto cut = path.rfind('\\');
        return cut == std::string::npos ? describe(hive_->stored("", path))
                                        : describe(hive_->stored(path.substr(0, cut), path.substr(cut + 1)));
    }
    static QColor colour(const std::string& hex) { return QColor(qs("#" + hex)); }
    // Whether the font sample holds ink; any stray pixel in a blank one fails.
    bool inked() {
        const Ink ink = inkBelow(panel_, static_cast<FontPanel*>(panel_)->previewAt());
        EXPECT_TRUE(ink.pixels == 0 || ink.pixels > 20) << ink.pixels << " pixels";
        return ink.pixels > 0;
    }
    std::string lastAsked(const std::string& dialog) {
        const auto& files = hive_->dialogs.files.requests();
        const auto& colours = hive_->dialogs.colours.requests();
        if (dialog == "file" && !files.empty())
            return qs("%1|%2|%3")
                .arg(files.back().title, files.back().filters.join(';'), files.back().selectedFilter)
                .toStdString();
        if (dialog == "colour" && !colours.empty()) return colours.back().initial.name().mid(1).toStdString();
        if (dialog == "custom" && !colours.empty()) {
            QStringList names;
            for (const QColor& c : colours.back().custom) names << c.name().mid(1);
            return names.join(' ').toStdString();
        }
        return "no " + dialog + " dialog opened";
    }
    Commands commands(const std::string& name, const std::string& rest);

    QWidget window_;
    KeyBlocks blocks_;
    std::string account_ = "Alice";
    std::unique_ptr<EditorHive> hive_;
    EditorPanel* panel_ = nullptr;
    QString pickedFor_;
};

// Each command with its first word (`name`) and the rest of its line.
Commands PanelCase::commands(const std::string& name, const std::string& rest) {
    return {
        {"account", [&] { account_ = name; }},
        {"show", [&] { show(name); }},
        {"locale", [&] { QLocale::setDefault(QLocale(qs(name))); }},
        {"accounts",
         [&] {
             hive_->useStoreRoot();
             for (const QString& account : qs(name + " " + rest).split('|'))
                 static_cast<AccountPanel*>(panel_)->addAccount(account);
             panel_->prepare(hive_->shown);
         }},
        {"click", [&] { click(find(name)); }},
        {"choose", [&] { chooseItem(qobject_cast<QComboBox*>(find(name)), qs(rest)); }},
        {"type", [&] { typeOver(box(name), qs(rest)); }},
        {"paste",
         [&] {
             box(name)->selectAll();
             box(name)->insert(qs(rest));
         }},
        {"key", [&] { QTest::keyClick(find(name), Qt::Key(QKeySequence::fromString(qs(rest))[0].key())); }},
        {"press",
         [&] {
             QWidget* focused = window_.focusWidget() ? window_.focusWidget() : &window_;
             QTest::keyClick(focused, Qt::Key(QKeySequence::fromString(qs(name))[0].key()));
         }},
        {"drag",
         [&] {
             auto* slider = qobject_cast<QSlider*>(find(name));
             slider->setSliderDown(true);
             slider->setSliderPosition(std::stoi(rest));
             slider->setSliderDown(false);
         }},
        {"drop",
         [&] {
             std::erase_if(blocks_, [&](const auto& block) { return block.first == name; });
             hive_->rewrite(keys());
         }},
        {"file", [&] { hive_->dialogs.files.queueAnswer(name == "ok" ? std::optional(qs(rest)) : std::nullopt); }},
        {"colour",
         [&] {
             const auto answer = name == "cancel" ? std::nullopt : std::optional(colour(name));
             const auto custom = qs(rest).split(' ');  // a custom colour the user redefined: "N RRGGBB"
             hive_->dialogs.colours.queueAnswer(
                 {answer, rest.empty() ? -1 : custom[0].toInt(), rest.empty() ? QColor() : colour(custom[1].toStdString())});
         }},
        {"refuse",
         [&] {
             if (name == "writes")
                 hive().registry->refuseWrites = true;
             else if (name == "create")
                 hive().registry->refuseCreate = true;
             else
                 hive().registry->refuseValues.insert(name);
         }},
        {"see", [&] { EXPECT_EQ(shownText(find(name)).toStdString(), rest) << name; }},
        {"red", [&] { EXPECT_EQ(find(name)->palette().color(QPalette::Text) == Qt::red, yes(rest)) << name; }},
        {"visible", [&] { EXPECT_EQ(find(name)->isVisibleTo(panel_), yes(rest)) << name; }},
        {"enabled", [&] { EXPECT_EQ(find(name)->isEnabled(), yes(rest)) << name; }},
        {"range",
         [&] {
             auto* s = qobject_cast<QSlider*>(find(name));
             EXPECT_EQ(QString("%1 %2 %3").arg(s->minimum()).arg(s->maximum()).arg(s->pageStep()), qs(rest));
         }},
        {"items", [&] { EXPECT_EQ(items(qobject_cast<QComboBox*>(find(name))).join('|').toStdString(), rest); }},
        {"pixel",
         [&] {
             const QColor seen = panel_->grab().toImage().pixel(find(name)->geometry().center());
             EXPECT_EQ(seen, colour(rest)) << seen.name().toStdString();
         }},
        {"ink", [&] { EXPECT_EQ(inked(), yes(name)); }},
        {"picker", [&] { EXPECT_EQ(std::exchange(pickedFor_, {}), qs(name)); }},
        {"asked", [&] { EXPECT_EQ(lastAsked(name), rest); }},
        {"stored", [&] { EXPECT_EQ(stored(name), rest) << name; }},
        {"haskey", [&] { EXPECT_EQ(hive_->stored(name).has_value(), yes(rest)) << name; }},
        {"message", [&] { EXPECT_EQ(hive_->takeMessages(), std::vector<std::string>{name + " " + rest}); }},
        {"fatal",
         [&] {
             EXPECT_EQ(hive_->dialogs.messages.shown().at(0).icon, dialogs::MessageIcon::Critical);
             EXPECT_EQ(hive_->takeMessages(), std::vector<std::string>{"Error: " + name + " " + rest});
             EXPECT_EQ(std::exchange(hive_->exits, {}), std::vector<int>{1});
         }},
    };
}

TEST_P(PanelCase, Runs) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    runCase(GetParam(), "panel-cases.txt", blocks_, [this](auto& name, auto& rest) { return commands(name, rest); });
    EXPECT_EQ(hive_->takeMessages(), std::vector<std::string>{}) << "messages no line expected";
    EXPECT_TRUE(hive_->exits.empty()) << "the program ended";
    EXPECT_EQ(hive_->openHandles(), 1) << "only the test's preferences key stays open";
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelCase, ::testing::ValuesIn(test::readCases(FK_PANEL_CASES)), test::caseName);

}  // namespace
}  // namespace fk::testing
