#include "HiveRegistry.h"

#include "HiveFile.h"
#include "HiveFormat.h"
#include "HiveSession.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace fk::reg {

namespace {

using Path = std::vector<std::u16string>;

// advapi32 codes beyond the common ones of Registry.h.
constexpr long BadPathname = 161;
constexpr long NoAccess = 998;

// A file up to this size is checked whole when opened, so that its damage is
// named at once; the check costs a few milliseconds a megabyte. A bigger file
// is checked section by section as keys are read, and whole before a save.
constexpr size_t CheckedAtOpen = 1 << 20;

// Windows keeps a key at most 512 levels below the registry's root, of
// which HKEY_CURRENT_USER's \REGISTRY\USER\<sid> takes three; a deeper
// path is "The parameter is incorrect.".
constexpr size_t MaxDepth = 509;

// Rights a handle needs for each operation.
constexpr std::uint32_t QueryValue = 0x1, SetValue = 0x2, EnumerateSubKeys = 0x8;

bool isText(std::uint32_t type) { return type == TypeSz || type == TypeExpandSz || type == TypeMultiSz; }

class HiveRegistry final : public Registry {
public:
    HiveRegistry(std::string path, std::unique_ptr<hive::Document> doc, hive::FileStamp stamp, bool readOnly)
        : hive_(std::move(path), std::move(doc), stamp, readOnly) {}

    long RegOpenKeyExA(Key parent, const char* subKey, std::uint32_t, std::uint32_t access, Key* result) override {
        if (!result) return InvalidParameter;
        hive_.refresh();
        Path path;
        if (long rc = resolve(parent, 0, path)) return rc;
        if (long rc = appendSubKey(path, subKey)) return rc;
        hive::Key* key = hive_.doc().find(path);
        if (!key) return NotFound;
        *result = addHandle(pathOf(*key), access);
        return Success;
    }

    long RegCreateKeyExA(Key parent, const char* subKey, std::uint32_t, const char* keyClass, std::uint32_t,
                         std::uint32_t access, const SecurityAttributes*, Key* result,
                         std::uint32_t* disposition) override {
        if (!result) return InvalidParameter;
        hive_.refresh();
        Path path;
        if (long rc = resolve(parent, 0, path)) return rc;
        size_t parentDepth = path.size();
        if (long rc = appendSubKey(path, subKey)) return rc;
        if (hive::Key* key = hive_.doc().find(path)) {
            *result = addHandle(pathOf(*key), access);
            if (disposition) *disposition = OpenedExistingKey;
            return Success;
        }
        // Wine creates a subkey even through a parent opened for reading only.
        std::u16string cls = keyClass ? text::cp1252ToUtf16(keyClass) : std::u16string();
        long rc = hive_.commit([&](hive::Document& doc, bool& changed) -> long {
            Path full = path;
            hive::Key* key = doc.find(Path(full.begin(), full.begin() + long(parentDepth)));
            if (!key) return KeyDeleted;
            hive::Ticks now = hive::nowTicks();
            for (size_t i = parentDepth; i < full.size(); ++i) {
                if (hive::Key* sub = doc.child(*key, full[i])) { key = sub; continue; }
                if (long rc = hive_.load(*key)) return rc;
                doc.open(*key);
                hive::Document::touch(*key, now);
                key = &key->addSubkey(full[i]);
                hive::Document::touch(*key, now);
                changed = true;
            }
            if (changed && !cls.empty()) key->keyClass = cls;
            path = pathOf(*key);
            return Success;
        });
        if (rc != Success) return rc;
        *result = addHandle(path, access);
        if (disposition) *disposition = CreatedNewKey;
        return Success;
    }

    long RegCloseKey(Key key) override {
        if (key == CurrentUser) return Success;
        return handles_.erase(key) ? Success : InvalidHandle;
    }

    long RegEnumKeyExA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* reserved,
                       char* keyClass, std::uint32_t* classLength, FileTime* lastWrite) override {
        if (reserved || !name || !nameLength) return InvalidParameter;
        hive_.refresh();
        hive::Key* k = nullptr;
        if (long rc = open(key, EnumerateSubKeys, k)) return rc;
        hive_.doc().open(*k);
        if (index >= k->subkeys.size()) return NoMoreItems;
        hive::Key& sub = *k->subkeys[index];
        if (long rc = hive_.load(sub)) return rc;
        std::string ansi = text::utf16ToCp1252(sub.name);
        std::string cls = sub.keyClass ? text::utf16ToCp1252(*sub.keyClass) : std::string();
        if (lastWrite) *lastWrite = {std::uint32_t(sub.modified), std::uint32_t(sub.modified >> 32)};
        if (ansi.size() >= *nameLength || (keyClass && classLength && cls.size() >= *classLength)) return MoreData;
        std::memcpy(name, ansi.c_str(), ansi.size() + 1);
        *nameLength = std::uint32_t(ansi.size());
        if (classLength) {
            *classLength = std::uint32_t(cls.size());
            if (keyClass) std::memcpy(keyClass, cls.c_str(), cls.size() + 1);
        }
        return Success;
    }

    long RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override {
        if ((data && !dataLength) || reserved) return InvalidParameter;
        hive_.refresh();
        hive::Key* k = nullptr;
        if (long rc = open(key, QueryValue, k)) return rc;
        const hive::Value* value = k->findValue(nameOf(valueName));
        if (!value) return NotFound;
        long status = Success;
        std::string bytes = isText(value->type) ? text::utf16ToCp1252(hive::utf16FromBytes(value->data)) : value->data;
        if (data && !bytes.empty()) {
            if (bytes.size() > *dataLength) {
                status = MoreData;
            } else {
                std::memcpy(data, bytes.data(), bytes.size());
                // Like Windows: a text lacking its zero gets one when there is room.
                if (isText(value->type) && bytes.size() < *dataLength && bytes.back()) data[bytes.size()] = 0;
            }
        }
        if (type) *type = value->type;
        if (dataLength) *dataLength = std::uint32_t(bytes.size());
        return status;
    }

    long RegSetValueExA(Key key, const char* valueName, std::uint32_t, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t dataLength) override {
        if (!data && dataLength) return NoAccess;
        hive_.refresh();
        hive::Key* k = nullptr;
        if (long rc = open(key, SetValue, k)) return rc;
        std::string stored;
        if (isText(type)) {
            // Windows adds a terminating zero the caller forgot to count.
            if (dataLength && data[dataLength - 1] && !data[dataLength]) ++dataLength;
            auto wide = text::cp1252ToUtf16({reinterpret_cast<const char*>(data), dataLength});
            stored = hive::bytesFromUtf16(wide);
        } else if (dataLength) {
            stored.assign(reinterpret_cast<const char*>(data), dataLength);
        }
        std::u16string name = nameOf(valueName);
        // What is there already needs no lock and no save (an import may set
        // one value many times).
        if (const hive::Value* value = k->findValue(name); value && value->type == type && value->data == stored)
            return Success;
        Path path = handlePath(key);
        return hive_.commit([&](hive::Document& doc, bool& changed) -> long {
            hive::Key* target = doc.find(path);
            if (!target) return KeyDeleted;
            if (long rc = hive_.load(*target)) return rc;
            hive::Value* value = target->findValue(name);
            if (value && value->type == type && value->data == stored) return Success;  // Wine leaves it untouched
            if (!value) value = &target->addValue(name);
            value->type = type;
            value->data = std::move(stored);
            value->raw.clear();
            hive::Document::touch(*target, hive::nowTicks());
            changed = true;
            return Success;
        });
    }

    long RegDeleteValueA(Key key, const char* valueName) override {
        hive_.refresh();
        hive::Key* k = nullptr;
        if (long rc = open(key, SetValue, k)) return rc;
        std::u16string name = nameOf(valueName);
        Path path = handlePath(key);
        return hive_.commit([&](hive::Document& doc, bool& changed) -> long {
            hive::Key* target = doc.find(path);
            if (!target) return KeyDeleted;
            if (long rc = hive_.load(*target)) return rc;
            if (!target->removeValue(name)) return NotFound;
            hive::Document::touch(*target, hive::nowTicks());
            changed = true;
            return Success;
        });
    }

    long RegEnumValueA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* reserved,
                       std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) override {
        if (reserved || !name || !nameLength || (data && !dataLength)) return InvalidParameter;
        hive_.refresh();
        hive::Key* k = nullptr;
        if (long rc = open(key, QueryValue, k)) return rc;
        if (index >= k->values.size()) return NoMoreItems;
        const hive::Value& value = k->values[index];
        std::string ansi = text::utf16ToCp1252(value.name);
        if (ansi.size() >= *nameLength) return MoreData;
        std::string bytes = isText(value.type) ? text::utf16ToCp1252(hive::utf16FromBytes(value.data)) : value.data;
        long status = Success;
        if (data && bytes.size() > *dataLength) status = MoreData;
        else if (data && !bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
        std::memcpy(name, ansi.c_str(), ansi.size() + 1);
        *nameLength = std::uint32_t(ansi.size());
        if (type) *type = value.type;
        if (dataLength) *dataLength = std::uint32_t(bytes.size());
        return status;
    }

    // Like advapi32: only a key without subkeys goes, and the parent's time stamp moves.
    long RegDeleteKeyA(Key parent, const char* subKey) override {
        if (!subKey) return InvalidParameter;
        hive_.refresh();
        Path path;
        if (long rc = resolve(parent, 0, path)) return rc;
        if (long rc = appendSubKey(path, subKey)) return rc;
        if (path.empty()) return AccessDenied;
        if (!hive_.doc().find(path)) return NotFound;
        return hive_.commit([&](hive::Document& doc, bool& changed) -> long {
            hive::Key* target = doc.find(path);
            if (!target) return NotFound;
            if (target->hasSubkeys()) return AccessDenied;
            hive::Key& owner = *target->parent;
            if (long rc = hive_.load(owner)) return rc;
            doc.open(owner);
            owner.subkeys.erase(std::find_if(owner.subkeys.begin(), owner.subkeys.end(),
                                             [&](const auto& sub) { return sub.get() == target; }));
            hive::Document::touch(owner, hive::nowTicks());
            changed = true;
            return Success;
        });
    }

    int openHandleCount() const override { return int(handles_.size()); }
    bool writable() const override { return !hive_.readOnly(); }
    bool takeWineStartedDuringSave() override { return hive_.takeWineStarted(); }

private:
    struct Handle {
        Path path;
        std::uint32_t access = 0;
    };

    static std::u16string nameOf(const char* name) { return name ? text::cp1252ToUtf16(name) : std::u16string(); }

    static Path pathOf(const hive::Key& key) {
        Path path(key.depth);
        for (const hive::Key* k = &key; k->parent; k = k->parent) path[k->depth - 1] = k->name;
        return path;
    }

    Key addHandle(Path path, std::uint32_t access) {
        Key key = nextHandle_;
        nextHandle_ += 4;
        handles_[key] = {std::move(path), access};
        return key;
    }

    Path handlePath(Key key) const {
        auto it = handles_.find(key);
        return it == handles_.end() ? Path() : it->second.path;
    }

    long resolve(Key key, std::uint32_t needed, Path& path) const {
        if (key == CurrentUser) {
            path.clear();
            return Success;
        }
        auto it = handles_.find(key);
        if (it == handles_.end()) return InvalidHandle;
        if ((it->second.access & needed) != needed) return AccessDenied;
        path = it->second.path;
        return Success;
    }

    // The key behind a handle, checking its rights; writes also need a writable hive.
    long open(Key key, std::uint32_t needed, hive::Key*& out) {
        Path path;
        if (long rc = resolve(key, needed, path)) return rc;
        if ((needed & SetValue) && hive_.readOnly()) return AccessDenied;
        out = hive_.doc().find(path);
        return out ? hive_.load(*out) : KeyDeleted;
    }

    static long appendSubKey(Path& path, const char* subKey) {
        if (!subKey || !*subKey) return Success;
        if (subKey[0] == '\\') return BadPathname;
        for (auto& part : hive::splitPath(text::cp1252ToUtf16(subKey))) path.push_back(std::move(part));
        return path.size() > MaxDepth ? InvalidParameter : Success;
    }

    HiveSession hive_;
    std::map<Key, Handle> handles_;
    Key nextHandle_ = 0x1000;
};

}  // namespace

HiveOpenResult openHiveRegistry(const std::string& path) {
    HiveOpenResult result;
    hive::FileStamp stamp;
    int failure = 0;
    auto text = hive::readHiveFile(path, stamp, failure);
    if (!text) {
        result.error = path + ": " + hive::fileErrorText(failure);
        return result;
    }
    size_t size = text->text().size();
    hive::ParseError error;
    auto doc = hive::Document::index(std::move(text), error);
    if (!doc || (size <= CheckedAtOpen && !doc->check(error))) {
        result.error = path + ": " + lineOf(error);
        return result;
    }
    result.wineRunning = hive::wineServesPrefix(path);
    result.registry = std::make_unique<HiveRegistry>(path, std::move(doc), stamp, result.wineRunning);
    return result;
}

std::string defaultHivePath() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return std::string(prefix) + "/user.reg";
    std::string home;
    if (const char* h = std::getenv("HOME"); h && *h) home = h;
    else if (const passwd* pw = ::getpwuid(::getuid())) home = pw->pw_dir;
    return home + "/.wine/user.reg";
}

}  // namespace fk::reg
