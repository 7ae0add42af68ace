#pragma once
// The texts of the main window's message boxes, kept in one place so the
// start-up path and the window say exactly the same.
#include <QString>

namespace fk::messages {

inline QString registryError() {
    return QStringLiteral("An error has been found with the registry.\r\nMake sure you have Brisko! 3 installed.");
}
inline QString accountError(const QString& account) {
    return QStringLiteral("An unexpected error has been found while opening the account \"%1\"").arg(account);
}
inline QString settingNotSaved() { return QStringLiteral("Setting not saved."); }
inline QString needsUpdate() { return QStringLiteral("The program needs to be updated!"); }
inline QString wineRunning() {
    return QStringLiteral("Wine is running in this prefix, so changes cannot be saved now. "
                          "Close the programs that run under Wine, then start Fettlekit again.");
}
inline QString wineStartedDuringSave() {
    return QStringLiteral("The change was saved, but Wine started in this prefix meanwhile and may write its own "
                          "copy of the settings over it when it ends. Close the programs that run under Wine, "
                          "then start Fettlekit again.");
}
inline QString errorTitle() { return QStringLiteral("Error"); }
inline QString warningTitle() { return QStringLiteral("Warning"); }

}  // namespace fk::messages
