#include "TagPickerHost.h"

#include "Catalogue.h"

namespace fk {

TagPickerHost::TagPickerHost(QWidget* owner, std::function<int()> prefActual)
    : owner_(owner), prefActual_(std::move(prefActual)) {}

void TagPickerHost::open(QLineEdit* target) {
    picker_.open(owner_, target, settingEntry(prefActual_()).TextStyle);
}

QWidget* TagPickerHost::window() const { return picker_.isOpen() ? picker_.window() : nullptr; }

}  // namespace fk
