// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TagPickerHost.h"

#include "catalogue/Catalogue.h"

namespace fk {

TagPickerHost::TagPickerHost(QWidget* owner, std::function<int()> shownSetting)
    : owner_(owner), shownSetting_(std::move(shownSetting)) {}

void TagPickerHost::open(QLineEdit* target) {
    picker_.open(owner_, target, settingEntry(shownSetting_()).textStyle);
}

QWidget* TagPickerHost::window() const { return picker_.isOpen() ? picker_.window() : nullptr; }

}  // namespace fk
