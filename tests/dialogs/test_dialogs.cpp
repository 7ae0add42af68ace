// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's own dialogs behind the seams, and the prefix chooser,
// opened for real and answered from inside their event loop.
#include "dialogs/PrefixDialog.h"
#include "dialogs/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace fk::dialogs;

// Runs `inspect` on the modal dialog once it is open.
template <class D>
void whenOpen(std::function<void(D&)> inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        inspect(*dialog);
    });
}

const QStringList SoundFilters{"WAVs (*.wav)", "MP3s (*.mp3)", "All files (*.*)"};

// The filters as captioned, "All files" meaning every file, the file
// chosen given as the mapping names it, and nothing when cancelled.
TEST(RealFileDialog, OffersTheFiltersAndGivesTheChosenFileAsTheMappingNamesIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath("ding.wav");
    QFile(file).open(QIODevice::WriteOnly);
    FileDialog files;
    files.setPathMapping([](const QString& path) { return "Z:" + QString(path).replace('/', '\\'); });
    QStringList captions;
    QString selected;
    QStringList allFilesPatterns;
    whenOpen<QFileDialog>([&](QFileDialog& dialog) {
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; types && i < types->count(); ++i) captions << types->itemText(i);
        selected = types ? types->currentText() : QString();
        dialog.selectNameFilter(dialog.nameFilters().value(2));
        if (auto* model = dialog.findChild<QFileSystemModel*>()) allFilesPatterns = model->nameFilters();
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        dialog.selectFile(file);
        static_cast<QDialog&>(dialog).accept();  // as the Open button does
    });
    auto chosen = files.openFile(nullptr, "Select sound file", SoundFilters);
    EXPECT_EQ(captions, SoundFilters);
    EXPECT_EQ(selected, "WAVs (*.wav)");
    EXPECT_EQ(allFilesPatterns, QStringList{"*"}) << "a file without a dot is a file too";
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, "Z:" + QString(file).replace('/', '\\'));
    whenOpen<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(file);
        dialog.reject();
    });
    EXPECT_EQ(files.openFile(nullptr, "Select sound file", SoundFilters), std::nullopt) << "cancelled with a file picked";
}

// Every row ticked at first, colours with a swatch of their own colour; the
// user's unticked row is left out; shown only, it gives nothing to take.
TEST(RealDifferencesView, GivesTheRowsLeftTickedAndOnlyShowsWithoutATakeButton) {
    const std::vector<DifferenceRow> rows{{"ContactSoundMaxTime", "50", "20", "12", false},
                                          {"QuickIconBgColor", "#ff8000", "#0000ff", "", true},
                                          {"WindowFont", "MS Sans Serif, 8", "DejaVu Serif, 12, bold", "", false}};
    DifferencesDialog differences;
    for (const QString& take : {QStringLiteral("Import"), QString()}) {
        whenOpen<DifferencesView>([&](DifferencesView& view) {
            QTreeWidget* table = view.table();
            ASSERT_EQ(table->topLevelItemCount(), 3);
            EXPECT_EQ(table->topLevelItem(1)->icon(1).pixmap(14).toImage().pixelColor(7, 7), QColor("#ff8000"));
            EXPECT_TRUE(table->topLevelItem(1)->icon(3).isNull()) << "no colour, no swatch";
            EXPECT_EQ(view.ticked(), take.isEmpty() ? std::vector<int>{} : std::vector<int>({0, 1, 2}));
            table->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
            view.accept();
        });
        EXPECT_EQ(differences.choose(nullptr, "Import settings", "Importing", rows, take),
                  take.isEmpty() ? std::nullopt : std::optional(std::vector<int>{0, 2}));
    }
}

// Copy stays disabled until a target is ticked; the targets ticked and the
// choice of settings come back as the user left them.
TEST(RealCopyTargets, CopiesOnlyOnceATargetIsTickedAndGivesTheTicksAndTheChoice) {
    CopyTargetsDialog targets;
    whenOpen<CopyTargetsView>([](CopyTargetsView& view) {
        auto* copy = view.findChild<QPushButton*>("copyButton");
        ASSERT_EQ(view.list()->count(), 3);
        EXPECT_FALSE(view.list()->accessibleName().isEmpty() || view.which()->accessibleName().isEmpty());
        EXPECT_FALSE(copy->isEnabled());
        view.tick(2, true);
        EXPECT_TRUE(copy->isEnabled());
        view.which()->setCurrentIndex(1);
        copy->click();
    });
    const auto chosen = targets.choose(nullptr, "Copy settings", {"bob", "carol", "Other folder…"});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->ticked, std::vector<int>{2});
    EXPECT_TRUE(chosen->changedOnly);
}

TEST(RealColourDialog, OffersTheCustomColoursInQtsOwnDialog) {
    ColourDialog colours;
    ColourDialog::CustomColours custom;
    for (int i = 0; i < 16; ++i) custom[size_t(i)] = QColor::fromRgb(i * 16, 255 - i * 16, i * 8);
    bool ownDialog = false;
    QColor shownInitially;
    whenOpen<QColorDialog>([&](QColorDialog& dialog) {
        ownDialog = dialog.testOption(QColorDialog::DontUseNativeDialog);
        shownInitially = dialog.currentColor();
        dialog.setCurrentColor(QColor(1, 2, 3));
        dialog.accept();
    });
    auto chosen = colours.chooseColour(nullptr, QColor(10, 20, 30), custom);
    EXPECT_TRUE(ownDialog);
    EXPECT_EQ(shownInitially, QColor(10, 20, 30));
    EXPECT_EQ(chosen, QColor(1, 2, 3));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(QColorDialog::customColor(i), custom[size_t(i)]) << i;
}

// Opens the prefix chooser, lets `act` work on it, and gives its answer.
std::optional<PrefixDialog::Choice> chooseWith(const PrefixDialog::Request& request,
                                               std::function<void(QDialog&)> act) {
    whenOpen<QDialog>(act);
    return PrefixDialog().choose(nullptr, request);
}

TEST(RealPrefixChooser, OpensOnThePreselectedPrefixAndGivesTheRowPicked) {
    PrefixDialog::Request request;
    request.prefixes = {"/p/a", "/p/b", "/p/c"};
    request.preselected = 1;
    EXPECT_EQ(chooseWith(request, [](QDialog& dialog) { dialog.accept(); }), QString("/p/b"));
    EXPECT_EQ(chooseWith(request, [](QDialog& dialog) {
                  dialog.findChild<QListWidget*>("prefixList")->setCurrentRow(2);
                  dialog.accept();
              }),
              QString("/p/c"));
    EXPECT_EQ(chooseWith(request, [](QDialog& dialog) { dialog.reject(); }), std::nullopt);
}

// A folder browsed to, hidden ones offered, that will not do keeps the
// chooser open with the reason; one that lacks only the key may be opened anyway.
TEST(RealPrefixChooser, APlaceThatWillNotDoKeepsItOpenWithTheReason) {
    QTemporaryDir dir;
    QDir::Filters offered;
    QString note, problem;
    bool listShown = true, open = false;
    PrefixDialog::Request request;
    request.note = "Fettlekit looked in:";
    request.looked = {"~/.wine"};
    request.check = [](const QString& place) { return PrefixDialog::Verdict{"nothing in " + place, true}; };
    const auto chosen = chooseWith(request, [&](QDialog& dialog) {
        note = dialog.findChild<QLabel*>("prefixNote")->text() + "|" + dialog.findChild<QLabel*>("lookedIn")->text();
        listShown = dialog.findChild<QListWidget*>("prefixList")->isVisibleTo(&dialog);
        whenOpen<QFileDialog>([&](QFileDialog& files) {
            offered = files.filter();
            files.selectFile(dir.path());
            static_cast<QDialog&>(files).accept();
        });
        dialog.findChild<QPushButton*>("browseFolder")->click();
        problem = dialog.findChild<QLabel*>("prefixProblem")->text();
        auto* anyway = dialog.findChild<QPushButton*>("openAnyway");
        open = dialog.isVisible() && anyway->isVisibleTo(&dialog);
        anyway->click();
    });
    EXPECT_EQ(note, "Fettlekit looked in:|~/.wine");
    EXPECT_FALSE(listShown);
    EXPECT_TRUE(offered & QDir::Hidden);
    EXPECT_EQ(problem, "nothing in " + dir.path());
    EXPECT_TRUE(open);
    EXPECT_EQ(chosen, PrefixDialog::Choice(dir.path(), true));
}

}  // namespace
