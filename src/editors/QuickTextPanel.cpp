#include "QuickTextPanel.h"

#include "AnsiText.h"
#include "Catalogue.h"
#include "Dialogs.h"
#include "PreferenceStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace fk {

namespace {

const QuickTextDefault& defaultsOf(int index) {
    return catalogue().QuickTextDefaults.at(size_t(settingEntry(index).AuxIndex));
}

// A REG_SZ read into a buffer of `Size` bytes, as the add-on reads it; a
// longer, missing or mistyped value reads as empty.
template <std::uint32_t Size>
std::string readText(reg::Registry& registry, reg::Key key, const char* valueName) {
    std::array<std::uint8_t, Size> buffer{};
    std::uint32_t type = reg::TypeNone;
    std::uint32_t size = Size;
    if (registry.RegQueryValueExA(key, valueName, nullptr, &type, buffer.data(), &size) != reg::Success ||
        type != reg::TypeSz || size == 0)
        return {};
    return std::string(reinterpret_cast<const char*>(buffer.data()), std::min(size, Size) - 1);
}

}  // namespace

QuickTextPanel::QuickTextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(9)"));
    using enum ControlKind;
    const FormControls made = placeControls(this, {
        {"Label21", Label, tr("Quick Text:"), 120, 120, 945, 255},
        {"Combo5", Combo, {}, 1080, 120, 1695, 315},
        {"Label22", Label, tr("Text:"), 120, 480, 480, 255},
        {"Text6", ReadOnlyText, {}, 600, 480, 2175, 675},
        {"Label23", Label, tr("Alias:"), 120, 1200, 480, 255},
        {"Text5", ReadOnlyBox, {}, 600, 1200, 2175, 285},
        {"Label2(3)", Label, tr("Default value:"), 120, 1680, 1095, 255},
        {"Text3", ReadOnlyBox, {}, 1200, 1680, 1575, 285},
        {"Label3(3)", Label, tr("New value:"), 120, 2040, 975, 255},
        {"Option2(0)", Radio, tr("True"), 1200, 2040, 1095, 255},
        {"Option2(1)", Radio, tr("False"), 1200, 2280, 1095, 255},
        {"Command9", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command6", Button, tr("Change"), 2880, 600, 1335, 375},
    }, form());
    list_ = made.get<QComboBox>("Combo5");
    message_ = made.get<QPlainTextEdit>("Text6");
    message_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    alias_ = made.get<QLineEdit>("Text5");
    defaultDisplay_ = made.get<QLineEdit>("Text3");
    trueChoice_ = made.get<QRadioButton>("Option2(0)");
    falseChoice_ = made.get<QRadioButton>("Option2(1)");
    auto* resetButton = made.get<QPushButton>("Command9");
    auto* saveButton = made.get<QPushButton>("Command6");
    useButtons(saveButton, resetButton);

    connect(list_, &QComboBox::activated, this, &QuickTextPanel::ShowQuickText);
    connect(saveButton, &QPushButton::clicked, this, &QuickTextPanel::SaveMenuInclude);
    connect(resetButton, &QPushButton::clicked, this, &QuickTextPanel::setDefault);
}

void QuickTextPanel::prepare(int index) {
    LoadQuickTexts(index);
}

void QuickTextPanel::LoadQuickTexts(int index) {
    const QuickTextDefault& row = defaultsOf(index);
    reg::Registry& registry = context().store->registry();
    const reg::Key current = context().store->currentKey();
    list_->clear();
    defaultDisplay_->setText(row.DefaultInclude ? tr("True") : tr("False"));

    reg::Key key = 0;
    if (registry.RegOpenKeyExA(current, row.SubkeyName.c_str(), 0, reg::KeyAllAccess, &key) != reg::Success &&
        registry.RegCreateKeyExA(current, row.SubkeyName.c_str(), 0, "", 0, reg::KeyAllAccess, &reg::CreateKeySecurity,
                                 &key, nullptr) != reg::Success) {
        fatal();
        return;
    }
    // The registry's own order: the add-on shows them in that order too.
    for (std::uint32_t i = 0;; ++i) {
        std::array<char, 255> name{};
        std::array<char, 255> keyClass{};
        std::uint32_t nameLength = name.size();
        std::uint32_t classLength = keyClass.size();
        reg::FileTime lastWrite;
        if (registry.RegEnumKeyExA(key, i, name.data(), &nameLength, nullptr, keyClass.data(), &classLength,
                                   &lastWrite) != reg::Success)
            break;
        list_->addItem(fromAnsi(std::string(name.data(), std::min<std::size_t>(nameLength, name.size()))));
    }
    registry.RegCloseKey(key);

    list_->setCurrentIndex(-1);
    message_->clear();
    alias_->clear();
    clearChoices();
}

void QuickTextPanel::ShowQuickText() {
    const int index = prefActual();
    const QuickTextDefault& row = defaultsOf(index);
    reg::Registry& registry = context().store->registry();
    reg::Key key = 0;
    if (!openQuickText(row.SubkeyName, key)) return;

    std::array<std::uint8_t, 4> flag{};
    std::uint32_t type = reg::TypeNone;
    std::uint32_t size = flag.size();
    bool include = row.DefaultInclude;
    if (registry.RegQueryValueExA(key, settingEntry(index).ValueName.c_str(), nullptr, &type, flag.data(), &size) ==
            reg::Success &&
        type == reg::TypeDword)
        include = (flag[0] | flag[1] | flag[2] | flag[3]) != 0;
    (include ? trueChoice_ : falseChoice_)->setChecked(true);

    QString message = fromAnsi(readText<1024>(registry, key, "Message"));
    // Stored with Windows line ends; the box shows one line break for each.
    message.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    message_->setPlainText(message);
    alias_->setText(fromAnsi(readText<256>(registry, key, "Alias")));
    registry.RegCloseKey(key);
}

void QuickTextPanel::SaveMenuInclude() {
    if (list_->currentText().isEmpty()) return;
    const int index = prefActual();
    reg::Key key = 0;
    if (!openQuickText(defaultsOf(index).SubkeyName, key)) return;
    // Neither choice set counts as false. The store shows "Setting not
    // saved." on a failed write.
    context().store->writeNumber(key, settingEntry(index).ValueName, trueChoice_->isChecked() ? 1 : 0);
    context().store->registry().RegCloseKey(key);
}

void QuickTextPanel::setDefault() {
    if (list_->currentText().isEmpty()) return;
    (defaultsOf(prefActual()).DefaultInclude ? trueChoice_ : falseChoice_)->setChecked(true);
    SaveMenuInclude();
}

void QuickTextPanel::clearChoices() {
    // Exclusive buttons cannot all be cleared while they are exclusive.
    for (QRadioButton* choice : {trueChoice_, falseChoice_}) {
        choice->setAutoExclusive(false);
        choice->setChecked(false);
        choice->setAutoExclusive(true);
    }
}

bool QuickTextPanel::openQuickText(const std::string& subkeyName, reg::Key& key) {
    const std::string path = subkeyName + "\\" + toAnsi(list_->currentText());
    if (context().store->registry().RegOpenKeyExA(context().store->currentKey(), path.c_str(), 0, reg::KeyAllAccess,
                                                  &key) != reg::Success) {
        // The add-on removed it meanwhile; the list no longer matches the store.
        fatal();
        return false;
    }
    return true;
}

void QuickTextPanel::fatal() {
    context().dialogs->messages.show(context().mainWindow,
                                     tr("An unexpected error has been found while opening the registry"), tr("Error"),
                                     dialogs::MessageIcon::Critical);
    context().exitProgram(1);
}

}  // namespace fk
