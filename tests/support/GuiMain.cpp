// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets need an application object before any exists. Listing the tests
// at build time happens without a display, so they draw off screen then.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef FK_TEST_FONT_DIR
    // Off screen, Qt for Windows draws only with the fonts of this folder.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) qputenv("QT_QPA_FONTDIR", FK_TEST_FONT_DIR);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
