// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What reg's operations share: the registry, the console, the command
// line's keys and switches. Each operation is a function over it.
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Transaction.h"
#include "programs/fettlekit-reg/RegCommand.h"
#include "programs/fettlekit-reg/RegKeys.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fk::regcli {

using Args = std::vector<std::string>;

class Context {
public:
    Context(const std::function<reg::Registry*()>& open, Console& console) : open_(open), console_(console) {}

    // Opens the registry when an operation first needs it, once its command
    // line has passed: false when it cannot be (the opener said why).
    // The whole command is one transaction, begun here.
    bool ready();
    reg::Registry& registry() { return *registry_; }
    // Saves what the command changed, once: false when nothing could be
    // (then nothing was). Called before success is said, and after the
    // command by runReg; a failed command's changes are rolled back.
    bool save();
    void discard() { transaction_.reset(); }

    void say(std::string_view text);
    // Standard error, for what reg has no message for.
    void warn(std::string_view text);
    // Asks until the answer starts with one of `keys` (upper case); with no
    // more input the answer is the first of them, which is always "no"
    // (Wine's reg would ask forever).
    char ask(const std::string& question, std::string_view choices, std::string_view keys);
    bool confirm(const std::string& question) { return ask(question, " (Yes|No)", "NY") == 'Y'; }
    int invalidSyntax(const Args& args);

    // Checks and splits "HKLM\Software\..." as reg does, saying what is wrong.
    bool parseKey(const std::string& text, KeyArg& key);
    reg::KeyHandle openKey(const KeyArg& key, std::uint32_t access);
    reg::KeyHandle createKey(const KeyArg& key, std::uint32_t access, std::uint32_t& disposition);

private:
    const std::function<reg::Registry*()>& open_;
    reg::Registry* registry_ = nullptr;
    std::unique_ptr<reg::Transaction> transaction_;
    Console& console_;
};

// The switches of one command as reg reads them: each given once at most
// (but a repeatable one), the next word taken by those that have one, and
// /reg:32 or /reg:64 once, not both.
struct Switches {
    std::vector<std::string> given;                 // names, in lower case
    std::vector<std::pair<std::string, std::string>> words;  // name and its word
    std::uint32_t access = 0;                       // the view asked for
    bool has(std::string_view name) const;
    const std::string* word(std::string_view name) const;
};
struct SwitchRules {
    std::vector<std::string_view> flags;       // "ve", "s", "f"...
    std::vector<std::string_view> withWord;    // "v", "t", "d"...
    std::string_view repeatable;               // export's "y"
};
// False for anything reg calls invalid syntax.
bool parseSwitches(const Args& args, size_t from, const SwitchRules& rules, Switches& out);
// The predefined root a key path starts with ("HKCU" or
// "HKEY_CURRENT_USER", then nothing or a backslash), or null.
struct Root {
    reg::Key key;
    const char16_t* shortName;
    const char16_t* longName;
};
const Root* rootOf(std::u16string_view path);
std::size_t depthOf(std::u16string_view path);

int query(Context& c, const Args& args);
int add(Context& c, const Args& args);
int remove(Context& c, const Args& args);
int copy(Context& c, const Args& args);
int exportKey(Context& c, const Args& args);
int importFile(Context& c, const Args& args);

}  // namespace fk::regcli
