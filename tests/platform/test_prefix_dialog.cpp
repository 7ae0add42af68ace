// The prefix chooser opened for real and answered from inside its loop.
#include "PrefixDialog.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using fk::dialogs::PrefixDialog;

// Opens the chooser, lets `act` work on it, and gives its answer.
std::optional<QString> chooseWith(const PrefixDialog::Request& request, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    PrefixDialog chooser;
    return chooser.choose(nullptr, request);
}

TEST(RealPrefixChooser, OpensOnThePreselectedPrefixAndGivesTheRowPicked) {
    const PrefixDialog::Request request{{"/p/a", "/p/b", "/p/c"}, 1, {}};
    QString selected;
    EXPECT_EQ(chooseWith(request, [&](QDialog& dialog) {
                  auto* list = dialog.findChild<QListWidget*>("prefixList");
                  selected = list->currentItem()->text();
                  dialog.accept();
              }),
              "/p/b");
    EXPECT_EQ(selected, "/p/b");
    EXPECT_EQ(chooseWith(request, [](QDialog& dialog) {
                  dialog.findChild<QListWidget*>("prefixList")->setCurrentRow(2);
                  dialog.accept();
              }),
              "/p/c");
    EXPECT_EQ(chooseWith(request, [](QDialog& dialog) { dialog.reject(); }), std::nullopt);
}

TEST(RealPrefixChooser, WithNothingFoundShowsTheNoteAndNoList) {
    QString note;
    bool listShown = true;
    EXPECT_EQ(chooseWith({{}, -1, "Fettlekit looked in:\n~/.wine"},
                         [&](QDialog& dialog) {
                             note = dialog.findChild<QLabel*>("prefixNote")->text();
                             listShown = dialog.findChild<QListWidget*>("prefixList")->isVisibleTo(&dialog);
                             dialog.accept();
                         }),
              std::nullopt);
    EXPECT_EQ(note, "Fettlekit looked in:\n~/.wine");
    EXPECT_FALSE(listShown);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
