#include "SettingsTransfer.h"

#include "ImportRules.h"
#include "Listing.h"
#include "RegFileReader.h"
#include "RegFileWriter.h"
#include "text/Cp1252.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fk {

namespace {

using namespace fk::reg;

std::string fullPath(const std::string& keyPath) {
    return keyPath.empty() ? std::string(StoreRootPath) : std::string(StoreRootPath) + "\\" + keyPath;
}

std::string lowered(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool isText(std::uint32_t type) { return type == TypeSz || type == TypeExpandSz || type == TypeMultiSz; }

// An open key, closed when it goes.
class OpenKey {
public:
    OpenKey(Registry& registry, const std::string& keyPath, bool create) : registry_(registry) {
        std::string path = fullPath(keyPath);
        if (create) {
            std::uint32_t disposition = 0;
            status_ = registry.RegCreateKeyExA(CurrentUser, path.c_str(), 0, "", 0, KeyAllAccess, &CreateKeySecurity,
                                               &key_, &disposition);
        } else {
            status_ = registry.RegOpenKeyExA(CurrentUser, path.c_str(), 0, KeyRead, &key_);
        }
    }
    ~OpenKey() {
        if (status_ == Success) registry_.RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    bool ok() const { return status_ == Success; }
    Key key() const { return key_; }

private:
    Registry& registry_;
    Key key_ = 0;
    long status_ = NotFound;
};

StoredValue readValue(Registry& registry, Key key, const std::string& name) {
    StoredValue v;
    std::uint32_t size = 256;
    for (;;) {
        v.bytes.assign(size, '\0');
        long rc = registry.RegQueryValueExA(key, name.c_str(), nullptr, &v.type,
                                            reinterpret_cast<std::uint8_t*>(v.bytes.data()), &size);
        if (rc == MoreData) continue;
        if (rc != Success) return {};
        v.bytes.resize(size);
        v.present = true;
        return v;
    }
}

bool writeValue(Registry& registry, const std::string& keyPath, const std::string& name, const StoredValue& v) {
    OpenKey key(registry, keyPath, true);
    if (!key.ok()) return false;
    if (!v.present) {
        long rc = registry.RegDeleteValueA(key.key(), name.c_str());
        return rc == Success || rc == NotFound;
    }
    return registry.RegSetValueExA(key.key(), name.c_str(), 0, v.type,
                                   reinterpret_cast<const std::uint8_t*>(v.bytes.data()),
                                   std::uint32_t(v.bytes.size())) == Success;
}

void exportTree(Registry& registry, regfile::RegFileWriter& writer, Key key, const std::string& path) {
    writer.key(text::cp1252ToUtf16("HKEY_CURRENT_USER\\" + path));
    for (const auto& value : listValues(registry, key)) writer.value(value.name, value.type, value.bytes);
    for (const std::string& subName : listSubkeys(registry, key)) {
        Key child = 0;
        if (registry.RegOpenKeyExA(key, subName.c_str(), 0, KeyRead, &child) != Success) continue;
        exportTree(registry, writer, child, path + "\\" + subName);
        registry.RegCloseKey(child);
    }
}

std::string lineError(int line, const std::string& why) { return "Line " + std::to_string(line) + ": " + why + "."; }

// Builds the plan from the file's instructions, refusing at the first
// thing it cannot take.
class Planner {
public:
    explicit Planner(Registry& registry) : registry_(registry) {}

    ImportPlan plan(const regfile::RegFile& file) {
        ImportPlan result;
        if (file.header != regfile::Header::Regedit4 && file.header != regfile::Header::Version5) {
            result.error = "This is not a registry file: its first line must be \"Windows Registry Editor "
                           "Version 5.00\" or \"REGEDIT4\".";
            return result;
        }
        for (const auto& step : file.instructions) {
            std::string why = take(step);
            if (!why.empty()) {
                result.error = lineError(step.line, why);
                return result;
            }
        }
        for (auto& change : changes_)
            if (!(change.before == change.after)) result.changes.push_back(std::move(change));
        return result;
    }

private:
    std::string take(const regfile::Instruction& step) {
        using I = regfile::Instruction;
        switch (step.kind) {
        case I::Skipped: return step.reason;
        case I::UnknownEscape: return std::string("unknown escape \\") + text::cp1252ToUtf8(text::utf16ToCp1252(std::u16string(1, step.escape)));
        case I::DeleteKey: return "deleting a key is not imported here, only values";
        case I::OpenKey: return openKey(step.key);
        case I::SetValue:
        case I::DeleteValue: return value(step);
        }
        return {};
    }

    std::string openKey(const std::u16string& key) {
        std::u16string below;
        bool knownRoot = false;
        std::string shown = text::cp1252ToUtf8(text::utf16ToCp1252(key));
        std::string outside = "the key " + shown + " is outside HKEY_CURRENT_USER\\" + StoreRootPath;
        if (!regfile::currentUserPath(key, below, knownRoot)) return outside;
        std::string path = text::utf16ToCp1252(below);
        while (!path.empty() && path.back() == '\\') path.pop_back();
        std::string root = StoreRootPath;
        if (lowered(path) == lowered(root)) {
            key_ = std::string();
        } else if (path.size() > root.size() && lowered(path.substr(0, root.size() + 1)) == lowered(root + "\\")) {
            key_ = path.substr(root.size() + 1);
        } else {
            return outside;
        }
        haveKey_ = true;
        return {};
    }

    std::string value(const regfile::Instruction& step) {
        if (!haveKey_) return "the value comes before any [key]";
        StoredValue after;
        if (step.kind == regfile::Instruction::SetValue) {
            after.present = true;
            after.type = step.type;
            after.bytes = step.data;
            if (isText(step.type)) {
                std::u16string wide;
                for (size_t i = 0; i + 1 < step.data.size(); i += 2)
                    wide += char16_t(std::uint8_t(step.data[i]) | std::uint8_t(step.data[i + 1]) << 8);
                after.bytes = text::utf16ToCp1252(wide);
            }
        }
        std::string name = text::utf16ToCp1252(step.name);
        if (after.present) {
            std::string why = importRuleBroken(key_, name, after.type, after.bytes);
            if (!why.empty()) return why;
        }
        std::string id = lowered(key_) + '\n' + lowered(name);
        for (auto& change : changes_)
            if (lowered(change.keyPath) + '\n' + lowered(change.valueName) == id) {
                change.after = after;  // the later line wins, as in reg
                return {};
            }
        ValueChange change;
        change.keyPath = key_;
        change.valueName = name;
        std::string shownName = name.empty() ? std::string("(Default)") : name;
        change.setting = key_.empty() ? shownName : key_ + "\\" + shownName;
        change.before = readStoredValue(registry_, key_, name);
        change.after = after;
        changes_.push_back(std::move(change));
        return {};
    }

    Registry& registry_;
    std::string key_;
    bool haveKey_ = false;
    std::vector<ValueChange> changes_;
};

}  // namespace

std::string describeValue(const StoredValue& value) {
    if (!value.present) return "absent";
    if (value.type == TypeDword && value.bytes.size() == 4) {
        std::uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v |= std::uint32_t(std::uint8_t(value.bytes[i])) << (8 * i);
        return std::to_string(std::int32_t(v));
    }
    if (value.type == TypeSz) {
        std::string textPart = value.bytes.substr(0, value.bytes.find('\0'));
        return "\"" + text::cp1252ToUtf8(textPart) + "\"";
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, value.type == TypeBinary ? "hex:" : "hex(%x):", unsigned(value.type));
    std::string out = buf;
    for (size_t i = 0; i < value.bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? ",%02x" : "%02x", unsigned(std::uint8_t(value.bytes[i])));
        out += buf;
    }
    return out;
}

StoredValue readStoredValue(Registry& registry, const std::string& keyPath, const std::string& valueName) {
    OpenKey key(registry, keyPath, false);
    if (!key.ok()) return {};
    return readValue(registry, key.key(), valueName);
}

bool applyChanges(Registry& registry, const std::vector<ValueChange>& changes, bool undo, std::string& error) {
    for (size_t i = 0; i < changes.size(); ++i) {
        const ValueChange& c = changes[i];
        if (writeValue(registry, c.keyPath, c.valueName, undo ? c.before : c.after)) continue;
        for (size_t j = i; j-- > 0;)
            writeValue(registry, changes[j].keyPath, changes[j].valueName, undo ? changes[j].after : changes[j].before);
        error = "\"" + text::cp1252ToUtf8(c.setting) + "\" could not be saved, so nothing was changed.";
        return false;
    }
    return true;
}

bool exportSettings(Registry& registry, const std::string& keyPath, std::string& fileBytes, std::string& error) {
    OpenKey key(registry, keyPath, false);
    if (!key.ok()) {
        error = "HKEY_CURRENT_USER\\" + text::cp1252ToUtf8(fullPath(keyPath)) + " cannot be read.";
        return false;
    }
    regfile::RegFileWriter writer;
    exportTree(registry, writer, key.key(), fullPath(keyPath));
    fileBytes = writer.bytes();
    return true;
}

bool exportSettingsToFile(Registry& registry, const std::string& keyPath, const std::string& fileName,
                          std::string& error) {
    std::string bytes;
    if (!exportSettings(registry, keyPath, bytes, error)) return false;
    // A temporary file beside the target, renamed over it once whole.
    std::string temporary = fileName + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            error = fileName + " cannot be written.";
            return false;
        }
    }
    std::error_code failed;
    std::filesystem::rename(temporary, fileName, failed);
    if (failed) {
        std::filesystem::remove(temporary, failed);
        error = fileName + " cannot be written.";
        return false;
    }
    return true;
}

ImportPlan planImport(Registry& registry, const std::string& fileBytes) {
    return Planner(registry).plan(regfile::readRegFile(fileBytes));
}

ImportPlan planImportFile(Registry& registry, const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        ImportPlan plan;
        plan.error = fileName + " cannot be read.";
        return plan;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return planImport(registry, bytes.str());
}

}  // namespace fk
