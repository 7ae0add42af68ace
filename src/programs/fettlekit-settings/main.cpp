// SPDX-License-Identifier: GPL-3.0-or-later
// fettlekit-settings: the add-on's settings by name on a Wine prefix (or
// Wine's live registry while Wine runs), for scripts and dotfiles.
#include "app/Translations.h"
#include "programs/fettlekit-settings/SettingsCommand.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    // The store's refusals in the user's language, plurals in English too.
    QCoreApplication app(argc, argv);
    fk::installTranslations(app);
    return fk::settingscli::runSettings({argv + 1, argv + argc}, std::cout, std::cerr);
}
