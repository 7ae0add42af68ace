// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the main window's message boxes, kept in one place so the
// start-up path and the window say exactly the same.
#include <QCoreApplication>
#include <QString>

namespace fk::messages {

inline QString registryError() {
    return QCoreApplication::translate(
        "fk::messages", "An error has been found with the registry.\r\nMake sure you have Brisko! 3 installed.");
}
inline QString accountError(const QString& account) {
    return QCoreApplication::translate("fk::messages",
                                       "An unexpected error has been found while opening the account \"%1\"")
        .arg(account);
}
inline QString settingNotSaved() { return QCoreApplication::translate("fk::messages", "Setting not saved."); }
inline QString needsUpdate() { return QCoreApplication::translate("fk::messages", "The program needs to be updated!"); }
inline QString wineRunning() {
    return QCoreApplication::translate("fk::messages",
                                       "Wine is running in this prefix, so changes cannot be saved now. "
                                       "Close the programs that run under Wine, then start Fettlekit again.");
}
inline QString wineStartedDuringSave() {
    return QCoreApplication::translate(
        "fk::messages",
        "The change was saved, but Wine started in this prefix meanwhile and may write its own "
        "copy of the settings over it when it ends. Close the programs that run under Wine, "
        "then start Fettlekit again.");
}
inline QString errorTitle() { return QCoreApplication::translate("fk::messages", "Error"); }
inline QString warningTitle() { return QCoreApplication::translate("fk::messages", "Warning"); }

}  // namespace fk::messages
