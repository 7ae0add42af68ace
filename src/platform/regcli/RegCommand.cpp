#include "RegCommand.h"

#include "RegFileReader.h"
#include "RegFileWriter.h"
#include "RegText.h"
#include "text/Cp1252.h"

#include <cerrno>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sys/stat.h>

namespace fk::regcli {

namespace {

using namespace fk::reg;

// A key as given on the command line.
struct KeyArg {
    bool currentUser = false;          // the only root this registry holds
    std::optional<std::string> path;   // below the root, UTF-8, as typed
    std::string longName;              // "HKEY_CURRENT_USER\..." as reg prints it
};

class Reg {
public:
    Reg(Registry& registry, Console& console) : reg_(registry), con_(console) {}

    int run(const std::vector<std::string>& args) {
        if (args.empty()) return say("reg: Invalid syntax. "), say(MsgRegHelp), 1;
        if (isHelp(args[0])) return say(Usage), 0;
        const std::string& op = args[0];
        std::string (*usage)() = nullptr;
        int (Reg::*action)(const std::vector<std::string>&) = nullptr;
        if (sameText(op, "add")) usage = addUsage, action = &Reg::add;
        else if (sameText(op, "delete")) usage = deleteUsage, action = &Reg::remove;
        else if (sameText(op, "export")) usage = exportUsage, action = &Reg::exportKey;
        else if (sameText(op, "import")) usage = importUsage, action = &Reg::importFile;
        else if (sameText(op, "query")) usage = queryUsage, action = &Reg::query;
        else return say("reg: Invalid option [" + op + "]. "), say(MsgRegHelp), 1;
        if (args.size() == 1) return invalidSyntax(args);
        if (isHelp(args[1])) {
            if (args.size() > 2) return invalidSyntax(args);
            return say(usage()), say(ViewUsage), 0;
        }
        return (this->*action)(args);
    }

private:
    // ---- reg query ----
    int query(const std::vector<std::string>& args) {
        KeyArg key;
        if (!parseKey(args[1], key)) return 1;
        std::optional<std::string> valueName;
        bool valueEmpty = false, recurse = false;
        for (size_t i = 2; i < args.size(); ++i) {
            std::string sw;
            if (!switchOf(args[i], sw)) return invalidSyntax(args);
            if (sameText(sw, "ve")) {
                if (valueEmpty) return invalidSyntax(args);
                valueEmpty = true;
            } else if (sameText(sw, "reg:32") || sameText(sw, "reg:64")) {
                // One view only in a hive file.
            } else if (sameText(sw, "v")) {
                if (valueName || i + 1 >= args.size()) return invalidSyntax(args);
                valueName = args[++i];
            } else if (sameText(sw, "s")) {
                if (recurse) return invalidSyntax(args);
                recurse = true;
            } else {
                return invalidSyntax(args);
            }
        }
        if (valueName && valueEmpty) return invalidSyntax(args);

        Key k = 0;
        if (openKey(key, KeyRead, k) != Success) return say(MsgKeyMissing), 1;
        say("\n");
        int rc = 0;
        if (valueName || valueEmpty) {
            matches_ = 0;
            rc = queryValue(k, valueName, key.longName, recurse);
            if (recurse) say("Search complete. Number of matches found: " + std::to_string(matches_) + "\n");
        } else {
            queryAll(k, key.longName, recurse, false);
        }
        reg_.RegCloseKey(k);
        return rc;
    }

    int queryValue(Key k, const std::optional<std::string>& name, const std::string& path, bool recurse) {
        std::string nameAnsi = name ? ansi(*name) : std::string();
        ValueData v;
        long rc = readValue(k, nameAnsi, v);
        if (rc == Success) {
            say(path + "\n");
            sayValue(name ? *name : std::string(), v.type, queryText(v.type, v.bytes));
            say("\n");
            ++matches_;
        }
        if (!recurse) {
            if (rc == NotFound) {
                if (name && !name->empty()) return say(MsgValueMissing), 1;
                say(path + "\n");
                sayValue({}, TypeSz, "(value not set)");
            }
            return 0;
        }
        for (const std::string& sub : subkeys(k)) {
            Key child = 0;
            if (reg_.RegOpenKeyExA(k, sub.c_str(), 0, KeyRead, &child) != Success) continue;
            queryValue(child, name, path + "\\" + shown(sub), recurse);
            reg_.RegCloseKey(child);
        }
        return 0;
    }

    void queryAll(Key k, const std::string& path, bool recurse, bool recursing) {
        std::vector<ValueData> vals = values(k);
        std::vector<std::string> subs = subkeys(k);
        if (!vals.empty() || recursing) say(path + "\n");
        for (const auto& v : vals) sayValue(shown(v.name), v.type, queryText(v.type, v.bytes));
        if (!vals.empty() || recursing) say("\n");
        for (const std::string& sub : subs) {
            std::string subPath = path + "\\" + shown(sub);
            if (!recurse) {
                say(subPath + "\n");
                continue;
            }
            Key child = 0;
            if (reg_.RegOpenKeyExA(k, sub.c_str(), 0, KeyRead, &child) != Success) continue;
            queryAll(child, subPath, recurse, true);
            reg_.RegCloseKey(child);
        }
    }

    void sayValue(const std::string& name, std::uint32_t type, const std::string& data) {
        say("    " + (name.empty() ? std::string(DefaultName) : name) + "    " + typeName(type) + "    " + data + "\n");
    }

    // ---- reg add ----
    int add(const std::vector<std::string>& args) {
        KeyArg key;
        if (!parseKey(args[1], key)) return 1;
        std::optional<std::string> valueName, type, data;
        std::optional<char> separator;
        bool valueEmpty = false, force = false;
        for (size_t i = 2; i < args.size(); ++i) {
            std::string sw;
            if (!switchOf(args[i], sw)) return invalidSyntax(args);
            bool more = i + 1 < args.size();
            if (sameText(sw, "ve")) {
                if (valueEmpty) return invalidSyntax(args);
                valueEmpty = true;
            } else if (sameText(sw, "reg:32") || sameText(sw, "reg:64")) {
            } else if (sameText(sw, "v")) {
                if (valueName || !more) return invalidSyntax(args);
                valueName = args[++i];
            } else if (sameText(sw, "t")) {
                if (type || !more) return invalidSyntax(args);
                type = args[++i];
            } else if (sameText(sw, "d")) {
                if (data || !more) return invalidSyntax(args);
                data = args[++i];
            } else if (sameText(sw, "s")) {
                std::string sep = more ? ansi(args[i + 1]) : std::string();
                ++i;
                if (separator || sep.size() != 1) return invalidSyntax(args);
                separator = sep[0];
            } else if (sameText(sw, "f")) {
                if (force) return invalidSyntax(args);
                force = true;
            } else {
                return invalidSyntax(args);
            }
        }
        if (valueName && valueEmpty) return invalidSyntax(args);

        Key k = 0;
        std::uint32_t disposition = 0;
        if (!key.currentUser) return say(MsgAccessDenied), 1;
        SecurityAttributes security{sizeof(SecurityAttributes), nullptr, false};
        std::string pathAnsi = key.path ? ansi(*key.path) : std::string();
        if (reg_.RegCreateKeyExA(CurrentUser, pathAnsi.c_str(), 0, "", 0, KeyAllAccess, &security, &k,
                                 &disposition) != Success)
            return say(MsgAccessDenied), 1;
        int rc = setValue(k, disposition, valueName ? ansi(*valueName) : std::string(), type, data, separator, force);
        reg_.RegCloseKey(k);
        return rc;
    }

    int setValue(Key k, std::uint32_t disposition, const std::string& name, const std::optional<std::string>& typeText,
                 const std::optional<std::string>& dataText, std::optional<char> separator, bool force) {
        if (!force && disposition == OpenedExistingKey) {
            std::uint32_t size = 0;
            if (reg_.RegQueryValueExA(k, name.c_str(), nullptr, nullptr, nullptr, &size) == Success &&
                !confirm("The registry value '" + (name.empty() ? std::string(DefaultName) : shown(name)) +
                         "' already exists. Do you want to overwrite it?"))
                return say(MsgCancelled), 0;
        }
        std::optional<std::uint32_t> type = typeText ? typeFromName(*typeText) : TypeSz;
        if (!type) return say("reg: Unsupported registry data type [" + *typeText + "]\n"), 1;
        if ((*type == TypeDword || *type == TypeDwordBigEndian) && !dataText) return say(MsgInvalidCmdline), 1;
        std::string bytes;
        if (const char* error = encodeData(*type, dataText ? ansi(*dataText) : std::string(), separator, bytes))
            return say(error), 1;
        if (reg_.RegSetValueExA(k, name.c_str(), 0, *type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                std::uint32_t(bytes.size())) != Success)
            return say(MsgAccessDenied), 1;
        return say(MsgSuccess), 0;
    }


    // ---- reg delete ----
    int remove(const std::vector<std::string>& args) {
        KeyArg key;
        if (!parseKey(args[1], key)) return 1;
        std::optional<std::string> valueName;
        bool valueAll = false, valueEmpty = false, force = false;
        for (size_t i = 2; i < args.size(); ++i) {
            std::string sw;
            if (!switchOf(args[i], sw)) return invalidSyntax(args);
            if (sameText(sw, "va")) {
                if (valueAll) return invalidSyntax(args);
                valueAll = true;
            } else if (sameText(sw, "ve")) {
                if (valueEmpty) return invalidSyntax(args);
                valueEmpty = true;
            } else if (sameText(sw, "reg:32") || sameText(sw, "reg:64")) {
            } else if (sameText(sw, "v")) {
                if (valueName || i + 1 >= args.size()) return invalidSyntax(args);
                valueName = args[++i];
            } else if (sameText(sw, "f")) {
                if (force) return invalidSyntax(args);
                force = true;
            } else {
                return invalidSyntax(args);
            }
        }
        if ((valueName && valueEmpty) || (valueName && valueAll) || (valueEmpty && valueAll)) return invalidSyntax(args);

        if (!force) {
            bool yes;
            if (valueName || valueEmpty)
                yes = confirm("Are you sure you want to delete the registry value '" +
                              (valueName && !valueName->empty() ? *valueName : std::string(DefaultName)) + "'?");
            else if (valueAll)
                yes = confirm("Are you sure you want to delete all registry values in '" + key.longName + "'?");
            else
                yes = confirm("Are you sure you want to delete the registry key '" + key.longName + "'?");
            if (!yes) return say(MsgCancelled), 0;
        }

        Key k = 0;
        if (long rc = openKey(key, KeyAllAccess, k)) return say(rc == NotFound ? MsgKeyMissing : MsgAccessDenied), 1;
        int result = 0;
        if (!valueName && !valueEmpty && !valueAll) {
            result = deleteKey(k, key);
        } else if (valueAll) {
            for (;;) {
                char name[16384];
                std::uint32_t length = sizeof name;
                if (reg_.RegEnumValueA(k, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != Success) break;
                if (long rc = reg_.RegDeleteValueA(k, name)) {
                    say("reg: Unable to delete all registry values in '" + key.longName + "'\n");
                    say(rc == NotFound ? MsgValueMissing : MsgAccessDenied);
                    result = 1;
                    break;
                }
            }
        } else {
            std::string name = valueName ? ansi(*valueName) : std::string();
            if (long rc = reg_.RegDeleteValueA(k, name.c_str())) {
                say(rc == NotFound ? MsgValueMissing : MsgAccessDenied);
                result = 1;
            }
        }
        reg_.RegCloseKey(k);
        if (result == 0) say(MsgSuccess);
        return result;
    }

    // The key with everything below it. reg empties the root itself when
    // asked to delete it, and the root stays.
    int deleteKey(Key k, const KeyArg& key) {
        if (long rc = deleteSubkeys(k)) return say(rc == NotFound ? MsgKeyMissing : MsgAccessDenied), 1;
        if (!key.path) {
            for (;;) {
                char name[16384];
                std::uint32_t length = sizeof name;
                if (reg_.RegEnumValueA(k, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != Success) break;
                if (reg_.RegDeleteValueA(k, name) != Success) break;
            }
            return 0;
        }
        long rc = reg_.RegDeleteKeyA(CurrentUser, ansi(*key.path).c_str());
        if (rc != Success) return say(rc == NotFound ? MsgKeyMissing : MsgAccessDenied), 1;
        return 0;
    }

    long deleteSubkeys(Key k) {
        for (;;) {
            char name[256];
            std::uint32_t length = sizeof name;
            long rc = reg_.RegEnumKeyExA(k, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (rc == NoMoreItems) return Success;
            if (rc != Success) return rc;
            Key child = 0;
            if ((rc = reg_.RegOpenKeyExA(k, name, 0, KeyAllAccess, &child))) return rc;
            rc = deleteSubkeys(child);
            reg_.RegCloseKey(child);
            if (rc) return rc;
            if ((rc = reg_.RegDeleteKeyA(k, name))) return rc;
        }
    }

    // ---- reg export ----
    int exportKey(const std::vector<std::string>& args) {
        if (args.size() < 3) return invalidSyntax(args);
        KeyArg key;
        if (!parseKey(args[1], key)) return 1;
        bool overwrite = false;
        for (size_t i = 3; i < args.size(); ++i) {
            std::string sw;
            if (!switchOf(args[i], sw)) return invalidSyntax(args);
            if (sameText(sw, "y")) overwrite = true;
            else if (sameText(sw, "reg:32") || sameText(sw, "reg:64")) continue;
            else return invalidSyntax(args);
        }
        Key k = 0;
        if (openKey(key, KeyRead, k) != Success) return say(MsgKeyMissing), 1;
        regfile::RegFileWriter writer;
        exportTree(writer, k, text::cp1252ToUtf16(ansi(key.longName)));
        reg_.RegCloseKey(k);

        const std::string& file = args[2];
        struct stat st {};
        if (!overwrite && ::stat(file.c_str(), &st) == 0 &&
            !confirm("The file '" + file + "' already exists. Do you want to overwrite it?"))
            return say(MsgCancelled), 0;
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        if (stream) stream << writer.bytes();
        if (stream) stream.flush();
        if (!stream) return say(fileError(errno)), 1;
        return 0;
    }

    void exportTree(regfile::RegFileWriter& writer, Key k, const std::u16string& path) {
        writer.key(path);
        for (const auto& v : values(k)) writer.value(v.name, v.type, v.bytes);
        for (const std::string& sub : subkeys(k)) {
            Key child = 0;
            if (reg_.RegOpenKeyExA(k, sub.c_str(), 0, KeyRead, &child) != Success) continue;
            exportTree(writer, child, path + u"\\" + text::cp1252ToUtf16(sub));
            reg_.RegCloseKey(child);
        }
    }

    // ---- reg import ----
    int importFile(const std::vector<std::string>& args) {
        if (args.size() > 3) return invalidSyntax(args);
        if (args.size() == 3) {
            std::string sw;
            if (!switchOf(args[2], sw) || !(sameText(sw, "reg:32") || sameText(sw, "reg:64"))) return invalidSyntax(args);
        }
        std::ifstream in(args[1], std::ios::binary);
        if (!in) return say("reg: The file '" + args[1] + "' was not found.\n"), 1;
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Key current = 0;
        regfile::Header header = regfile::readRegFile(bytes, [&](const regfile::Instruction& step) {
            importStep(step, current);
            return true;
        });
        if (current) reg_.RegCloseKey(current);
        return header == regfile::Header::Invalid ? 1 : 0;
    }

    // One instruction, as reg import carries it out: a key that cannot be
    // made is reported and the values under it go nowhere; everything
    // else fails silently.
    void importStep(const regfile::Instruction& step, Key& current) {
        using I = regfile::Instruction;
        auto close = [&] {
            if (current) reg_.RegCloseKey(current);
            current = 0;
        };
        std::u16string path;
        bool knownRoot = false;
        switch (step.kind) {
        case I::OpenKey: {
            close();
            bool mine = regfile::currentUserPath(step.key, path, knownRoot);
            SecurityAttributes security{sizeof(SecurityAttributes), nullptr, false};
            std::uint32_t disposition = 0;
            if (!mine || reg_.RegCreateKeyExA(CurrentUser, text::utf16ToCp1252(path).c_str(), 0, "", 0, KeyAllAccess,
                                              &security, &current, &disposition) != Success) {
                current = 0;
                say("reg: Unable to import the registry key '" + shown(text::utf16ToCp1252(step.key)) + "'\n");
            }
            break;
        }
        case I::DeleteKey:
            close();
            if (!step.key.empty() && (step.key[0] == u'H' || step.key[0] == u'h') &&
                regfile::currentUserPath(step.key, path, knownRoot) && !path.empty()) {
                std::string ansiPath = text::utf16ToCp1252(path);
                Key k = 0;
                if (reg_.RegOpenKeyExA(CurrentUser, ansiPath.c_str(), 0, KeyAllAccess, &k) == Success) {
                    long rc = deleteSubkeys(k);
                    reg_.RegCloseKey(k);
                    if (rc == Success) reg_.RegDeleteKeyA(CurrentUser, ansiPath.c_str());
                }
            }
            break;
        case I::SetValue: {
            if (!current) break;
            std::string data = step.data;
            if (step.type == TypeSz || step.type == TypeExpandSz || step.type == TypeMultiSz) {
                std::u16string wide;
                for (size_t i = 0; i + 1 < data.size(); i += 2)
                    wide += char16_t(std::uint8_t(data[i]) | std::uint8_t(data[i + 1]) << 8);
                data = text::utf16ToCp1252(wide);
            }
            reg_.RegSetValueExA(current, text::utf16ToCp1252(step.name).c_str(), 0, step.type,
                                reinterpret_cast<const std::uint8_t*>(data.data()), std::uint32_t(data.size()));
            break;
        }
        case I::DeleteValue:
            if (current) reg_.RegDeleteValueA(current, text::utf16ToCp1252(step.name).c_str());
            break;
        case I::UnknownEscape:
            say("reg: Unrecognized escape sequence [\\" + shown(text::utf16ToCp1252(std::u16string(1, step.escape))) + "]\n");
            break;
        case I::Skipped:
            break;
        }
    }

    // Windows' words for the file errors a user meets.
    static std::string fileError(int error) {
        switch (error) {
        case ENOENT: case ENOTDIR: return "Path not found.\n";
        case EACCES: case EPERM: case EROFS: return "Access denied.\n";
        default: return std::string(std::strerror(error)) + "\n";
        }
    }

    // ---- shared ----
    std::vector<std::string> subkeys(Key k) { return listSubkeys(reg_, k); }
    std::vector<ValueData> values(Key k) { return listValues(reg_, k); }

    long readValue(Key k, const std::string& name, ValueData& v) {
        std::uint32_t size = 2048;
        for (;;) {
            v.bytes.assign(size, '\0');
            long rc = reg_.RegQueryValueExA(k, name.c_str(), nullptr, &v.type,
                                            reinterpret_cast<std::uint8_t*>(v.bytes.data()), &size);
            if (rc == MoreData) continue;
            if (rc == Success) v.bytes.resize(size);
            return rc;
        }
    }

    long openKey(const KeyArg& key, std::uint32_t access, Key& k) {
        if (!key.currentUser) return NotFound;
        std::string path = key.path ? ansi(*key.path) : std::string();
        return reg_.RegOpenKeyExA(CurrentUser, path.c_str(), 0, access, &k);
    }

    // Checks and splits "HKCU\Software\..." as reg does, saying what is wrong.
    bool parseKey(const std::string& text, KeyArg& key) {
        size_t n = text.size();
        if (n < 3 || (text[n - 1] == '\\' && text[n - 2] == '\\')) return say(MsgInvalidKey), false;
        if (text[0] == '\\' && text[1] == '\\' && text[2] != '\\') return say(MsgNoRemote), false;
        static const struct {
            const char* shortName;
            const char* longName;
        } Roots[] = {{"HKLM", "HKEY_LOCAL_MACHINE"},
                     {"HKCU", "HKEY_CURRENT_USER"},
                     {"HKCR", "HKEY_CLASSES_ROOT"},
                     {"HKU", "HKEY_USERS"},
                     {"HKCC", "HKEY_CURRENT_CONFIG"}};
        auto startsWithRoot = [&](const char* root) {
            size_t len = std::strlen(root);
            return text.size() >= len && sameText(text.substr(0, len), root) && (text.size() == len || text[len] == '\\');
        };
        const char* longName = nullptr;
        for (const auto& root : Roots)
            if (startsWithRoot(root.shortName) || startsWithRoot(root.longName)) {
                longName = root.longName;
                break;
            }
        if (!longName) return say(MsgInvalidSystemKey), false;
        key.currentUser = std::strcmp(longName, "HKEY_CURRENT_USER") == 0;
        key.longName = longName;
        size_t slash = text.find('\\');
        if (slash == std::string::npos) return true;
        std::string path = text.substr(slash + 1);
        if (path.empty()) return say(MsgInvalidSystemKey), false;
        if (path.back() == '\\') path.pop_back();
        key.path = path;
        key.longName += "\\" + path;
        return true;
    }

    static bool isHelp(const std::string& s) {
        return s.size() == 2 && (s[0] == '/' || s[0] == '-') && (s[1] == '?' || s[1] == 'h' || s[1] == 'H');
    }

    static bool switchOf(const std::string& arg, std::string& sw) {
        if (arg.empty() || (arg[0] != '/' && arg[0] != '-')) return false;
        sw = arg.substr(1);
        return !sw.empty();
    }

    int invalidSyntax(const std::vector<std::string>& args) {
        say("reg: Invalid syntax. ");
        say("Type \"REG " + upper(args[0]) + " /?\" for help.\n");
        return 1;
    }

    // reg asks again until the answer starts with Y or N. With no more
    // input the answer is no (Wine's reg would ask forever).
    bool confirm(const std::string& question) {
        for (;;) {
            say(question + " (Yes|No)");
            con_.out.flush();
            std::string answer;
            bool got = static_cast<bool>(std::getline(con_.in, answer));
            if (!con_.inputEchoed) say("\n");
            if (!got) return false;
            char first = answer.empty() ? '\0' : char(std::toupper(static_cast<unsigned char>(answer[0])));
            if (first == 'Y') return true;
            if (first == 'N') return false;
        }
    }

    void say(const std::string& s) { con_.out << s; }

    Registry& reg_;
    Console& con_;
    int matches_ = 0;
};

}  // namespace

int runReg(reg::Registry& registry, const std::vector<std::string>& args, Console& console) {
    Reg reg(registry, console);
    int rc = reg.run(args);
    console.out.flush();
    return rc;
}

bool writesRegistry(const std::vector<std::string>& args) {
    return !args.empty() && (sameText(args[0], "add") || sameText(args[0], "delete") || sameText(args[0], "import"));
}

}  // namespace fk::regcli
