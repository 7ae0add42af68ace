// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveRegistry.h"

#include "platform/hive/HiveDocument.h"
#include "platform/hive/HiveFile.h"
#include "platform/hive/HiveKeys.h"
#include "platform/hive/HiveText.h"
#include "text/Cp1252.h"
#include "text/Utf16.h"

#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace fk::reg {

namespace {

// advapi32 codes beyond the common ones of Registry.h.
constexpr long NoAccess = 998;


std::optional<std::u16string> wideOf(const char* s) {
    if (!s) return std::nullopt;
    return text::cp1252ToUtf16(s);
}

std::optional<std::u16string> wideOf(const char16_t* s) {
    if (!s) return std::nullopt;
    return std::u16string(s);
}

const std::u16string* ptr(const std::optional<std::u16string>& s) { return s ? &*s : nullptr; }

// The A calls see names and texts in code page 1252, the W calls as stored.
std::string nameFor(const std::u16string& name, char) { return text::utf16ToCp1252(name); }
std::u16string nameFor(const std::u16string& name, char16_t) { return name; }
std::string dataFor(const hive::Value& value, char) {
    return isTextType(value.type) ? text::utf16ToCp1252(text::utf16FromBytes(value.data)) : value.data;
}
std::string dataFor(const hive::Value& value, char16_t) { return value.data; }

// A name into a caller's buffer of `*length` units, with its zero; MoreData
// when it does not fit.
template <class Ch>
long giveName(const std::basic_string<Ch>& name, Ch* buffer, std::uint32_t* length) {
    if (name.size() >= *length) return MoreData;
    std::memcpy(buffer, name.c_str(), (name.size() + 1) * sizeof(Ch));
    *length = std::uint32_t(name.size());
    return Success;
}

class HiveRegistry final : public Registry {
public:
    explicit HiveRegistry(PrefixHives hives) : keys_(std::move(hives)) {}

    long RegOpenKeyExA(Key parent, const char* subKey, std::uint32_t, std::uint32_t access, Key* result) override {
        return openKey(parent, wideOf(subKey), access, result);
    }
    long RegOpenKeyExW(Key parent, const char16_t* subKey, std::uint32_t, std::uint32_t access,
                       Key* result) override {
        return openKey(parent, wideOf(subKey), access, result);
    }

    // Wine creates a subkey even through a parent opened for reading only.
    long RegCreateKeyExA(Key parent, const char* subKey, std::uint32_t, const char* keyClass, std::uint32_t,
                         std::uint32_t access, const SecurityAttributes*, Key* result,
                         std::uint32_t* disposition) override {
        if (!result) return InvalidParameter;
        return keys_.create(parent, ptr(wideOf(subKey)), ptr(wideOf(keyClass)), access, *result, disposition);
    }
    long RegCreateKeyExW(Key parent, const char16_t* subKey, std::uint32_t, const char16_t* keyClass, std::uint32_t,
                         std::uint32_t access, const SecurityAttributes*, Key* result,
                         std::uint32_t* disposition) override {
        if (!result) return InvalidParameter;
        return keys_.create(parent, ptr(wideOf(subKey)), ptr(wideOf(keyClass)), access, *result, disposition);
    }

    long RegCloseKey(Key key) override { return keys_.close(key); }

    long RegEnumKeyExA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* reserved,
                       char* keyClass, std::uint32_t* classLength, FileTime* lastWrite) override {
        return enumKey(key, index, name, nameLength, reserved, keyClass, classLength, lastWrite);
    }
    long RegEnumKeyExW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char16_t* keyClass, std::uint32_t* classLength,
                       FileTime* lastWrite) override {
        return enumKey(key, index, name, nameLength, reserved, keyClass, classLength, lastWrite);
    }

    long RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override {
        return queryValue<char>(key, wideOf(valueName), reserved, type, data, dataLength);
    }
    long RegQueryValueExW(Key key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override {
        return queryValue<char16_t>(key, wideOf(valueName), reserved, type, data, dataLength);
    }

    long RegSetValueExA(Key key, const char* valueName, std::uint32_t, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t dataLength) override {
        if (!data && dataLength) return NoAccess;
        std::string stored;
        if (isTextType(type)) {
            // Windows adds a terminating zero the caller forgot to count.
            if (dataLength && data[dataLength - 1] && !data[dataLength]) ++dataLength;
            auto wide = text::cp1252ToUtf16({reinterpret_cast<const char*>(data), dataLength});
            stored = text::bytesFromUtf16(wide);
        } else if (dataLength) {
            stored.assign(reinterpret_cast<const char*>(data), dataLength);
        }
        return keys_.setValue(key, *wideOf(valueName ? valueName : ""), type, std::move(stored));
    }
    long RegSetValueExW(Key key, const char16_t* valueName, std::uint32_t, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override {
        if (!data && dataLength) return NoAccess;
        std::string stored(data ? reinterpret_cast<const char*>(data) : "", data ? dataLength : 0);
        return keys_.setValue(key, *wideOf(valueName ? valueName : u""), type, std::move(stored));
    }

    long RegDeleteValueA(Key key, const char* valueName) override {
        return keys_.deleteValue(key, *wideOf(valueName ? valueName : ""));
    }
    long RegDeleteValueW(Key key, const char16_t* valueName) override {
        return keys_.deleteValue(key, *wideOf(valueName ? valueName : u""));
    }

    long RegEnumValueA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* reserved,
                       std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) override {
        return enumValue(key, index, name, nameLength, reserved, type, data, dataLength);
    }
    long RegEnumValueW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* dataLength) override {
        return enumValue(key, index, name, nameLength, reserved, type, data, dataLength);
    }

    long RegDeleteKeyA(Key parent, const char* subKey) override { return keys_.deleteKey(parent, ptr(wideOf(subKey))); }
    long RegDeleteKeyW(Key parent, const char16_t* subKey) override {
        return keys_.deleteKey(parent, ptr(wideOf(subKey)));
    }
    long RegDeleteTreeW(Key key, const char16_t* subKey) override {
        return keys_.deleteTree(key, ptr(wideOf(subKey)));
    }

    long beginTransaction() override { return keys_.begin(); }
    long commitTransaction() override { return keys_.commit(); }
    void rollbackTransaction() override { keys_.rollback(); }

    int openHandleCount() const override { return keys_.openHandleCount(); }
    bool writable() const override { return keys_.writable(); }
    bool takeWineStartedDuringSave() override { return keys_.takeWineStarted(); }

private:
    long openKey(Key parent, const std::optional<std::u16string>& subKey, std::uint32_t access, Key* result) {
        if (!result) return InvalidParameter;
        return keys_.open(parent, ptr(subKey), access, *result);
    }

    template <class Ch>
    long enumKey(Key key, std::uint32_t index, Ch* name, std::uint32_t* nameLength, std::uint32_t* reserved,
                 Ch* keyClass, std::uint32_t* classLength, FileTime* lastWrite) {
        if (reserved || !name || !nameLength) return InvalidParameter;
        SubkeyInfo sub;
        if (long rc = keys_.subkeyAt(key, index, sub)) return rc;
        const auto subName = nameFor(sub.name, Ch());
        const auto cls = nameFor(sub.keyClass, Ch());
        if (lastWrite) *lastWrite = {std::uint32_t(sub.modified), std::uint32_t(sub.modified >> 32)};
        if (subName.size() >= *nameLength || (keyClass && classLength && cls.size() >= *classLength)) return MoreData;
        giveName(subName, name, nameLength);
        if (classLength) {
            *classLength = std::uint32_t(cls.size());
            if (keyClass) std::memcpy(keyClass, cls.c_str(), (cls.size() + 1) * sizeof(Ch));
        }
        return Success;
    }

    template <class Ch>
    long queryValue(Key key, const std::optional<std::u16string>& valueName, std::uint32_t* reserved,
                    std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
        if ((data && !dataLength) || reserved) return InvalidParameter;
        hive::Value value;
        if (long rc = keys_.valueNamed(key, valueName.value_or(u""), value)) return rc;
        long status = Success;
        const std::string bytes = dataFor(value, Ch());
        if (data && !bytes.empty()) {
            if (bytes.size() > *dataLength) {
                status = MoreData;
            } else {
                std::memcpy(data, bytes.data(), bytes.size());
                // Like Windows: an A call's text lacking its zero gets one when there is room.
                if (sizeof(Ch) == 1 && isTextType(value.type) && bytes.size() < *dataLength && bytes.back())
                    data[bytes.size()] = 0;
            }
        }
        if (type) *type = value.type;
        if (dataLength) *dataLength = std::uint32_t(bytes.size());
        return status;
    }

    template <class Ch>
    long enumValue(Key key, std::uint32_t index, Ch* name, std::uint32_t* nameLength, std::uint32_t* reserved,
                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
        if (reserved || !name || !nameLength || (data && !dataLength)) return InvalidParameter;
        hive::Value value;
        if (long rc = keys_.valueAt(key, index, value)) return rc;
        const auto valueName = nameFor(value.name, Ch());
        if (valueName.size() >= *nameLength) return MoreData;
        const std::string bytes = dataFor(value, Ch());
        long status = Success;
        if (data && bytes.size() > *dataLength) status = MoreData;
        else if (data && !bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
        giveName(valueName, name, nameLength);
        if (type) *type = value.type;
        if (dataLength) *dataLength = std::uint32_t(bytes.size());
        return status;
    }

    HiveKeys keys_;
};

}  // namespace

HiveOpenResult openHiveRegistry(const std::string& path) {
    HiveOpenResult result;
    const bool wineRunning = hive::wineServesPrefix(path);
    int failure = 0;
    std::unique_ptr<HiveSession> user = openHiveSession(path, wineRunning, result.error, failure);
    if (!user) return result;
    result.wineRunning = wineRunning;
    result.registry = std::make_unique<HiveRegistry>(PrefixHives(path, std::move(user), wineRunning));
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
