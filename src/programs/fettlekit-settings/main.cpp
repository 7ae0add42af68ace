// fettlekit-settings: the add-on's settings by name on a Wine prefix (or
// Wine's live registry while Wine runs), for scripts and dotfiles.
#include "programs/fettlekit-settings/SettingsCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    return fk::settingscli::runSettings({argv + 1, argv + argc}, std::cout, std::cerr);
}
