// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fettlekit-reg/RegCommand.h"

#include "programs/fettlekit-reg/RegOps.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

namespace fk::regcli {

using namespace fk::reg;

namespace {

constexpr Root Roots[] = {
    {LocalMachine, u"HKLM", u"HKEY_LOCAL_MACHINE"},
    {CurrentUser, u"HKCU", u"HKEY_CURRENT_USER"},
    {ClassesRoot, u"HKCR", u"HKEY_CLASSES_ROOT"},
    {Users, u"HKU", u"HKEY_USERS"},
    {CurrentConfig, u"HKCC", u"HKEY_CURRENT_CONFIG"},
};

bool startsWithRoot(std::u16string_view path, std::u16string_view name) {
    return path.size() >= name.size() && sameText(path.substr(0, name.size()), name) &&
           (path.size() == name.size() || path[name.size()] == u'\\');
}

bool isHelp(const std::string& s) {
    return s.size() == 2 && (s[0] == '/' || s[0] == '-') && (s[1] == '?' || s[1] == 'h' || s[1] == 'H');
}

}  // namespace

const Root* rootOf(std::u16string_view path) {
    for (const Root& root : Roots)
        if (startsWithRoot(path, root.shortName) || startsWithRoot(path, root.longName)) return &root;
    return nullptr;
}

std::size_t depthOf(std::u16string_view path) {
    std::size_t depth = 0;
    for (size_t i = 0; i < path.size(); ++i)
        if (path[i] != u'\\' && (i == 0 || path[i - 1] == u'\\')) ++depth;
    return depth;
}

bool Switches::has(std::string_view name) const { return std::find(given.begin(), given.end(), name) != given.end(); }

const std::string* Switches::word(std::string_view name) const {
    for (const auto& [switchName, value] : words)
        if (switchName == name) return &value;
    return nullptr;
}

bool parseSwitches(const Args& args, size_t from, const SwitchRules& rules, Switches& out) {
    auto listed = [](const std::vector<std::string_view>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || (arg[0] != '/' && arg[0] != '-')) return false;
        std::string name = arg.substr(1);
        for (char& ch : name) ch = char(std::tolower(static_cast<unsigned char>(ch)));
        if (name == "reg:32" || name == "reg:64") {
            const std::uint32_t view = name == "reg:32" ? Wow64Key32 : Wow64Key64;
            if (out.access & view) return false;
            out.access |= view;
            continue;
        }
        const bool once = rules.repeatable.empty() || name != rules.repeatable;
        if (!listed(rules.flags, name) && !listed(rules.withWord, name) && once) return false;
        if (once && out.has(name)) return false;
        out.given.push_back(name);
        if (listed(rules.withWord, name)) {
            if (++i == args.size()) return false;
            out.words.emplace_back(name, args[i]);
        }
    }
    return out.access != (Wow64Key32 | Wow64Key64);
}

bool Context::ready() {
    if (!registry_ && (registry_ = open_())) {
        transaction_ = std::make_unique<Transaction>(*registry_);
        registry_->batchWrites(true);
    }
    return registry_;
}

// Where changes land at once (Wine's live registry), those made stay.
bool Context::save() {
    if (!transaction_) return true;
    const bool atomic = transaction_->active();
    long rc = registry_->flushWrites();
    if (rc) transaction_->rollback();
    else rc = transaction_->commit();
    transaction_.reset();
    if (rc) warn(std::string(atomic ? "nothing was saved" : "not every change was made") + " (error " + std::to_string(rc) + ")");
    return rc == Success;
}

void Context::say(std::string_view text) { console_.out << text; }
void Context::warn(std::string_view text) { console_.err << "fettlekit-reg: " << text << "\n"; }

char Context::ask(const std::string& question, std::string_view choices, std::string_view keys) {
    for (;;) {
        say(question);
        say(choices);
        console_.out.flush();
        std::string answer;
        bool got = static_cast<bool>(std::getline(console_.in, answer));
        if (!console_.inputEchoed) say("\n");
        if (!got) return keys[0];
        char first = answer.empty() ? '\0' : char(std::toupper(static_cast<unsigned char>(answer[0])));
        if (first && keys.find(first) != std::string_view::npos) return first;
    }
}

int Context::invalidSyntax(const Args& args) {
    say("reg: Invalid syntax. ");
    say("Type \"REG " + upper(args[0]) + " /?\" for help.\n");
    return 1;
}

bool Context::parseKey(const std::string& arg, KeyArg& key) {
    const Text text = wide(arg);
    const size_t n = text.size();
    if (n < 3 || (text[n - 1] == u'\\' && text[n - 2] == u'\\')) return say(MsgInvalidKey), false;
    if (text[0] == u'\\' && text[1] == u'\\' && text[2] != u'\\') return say(MsgNoRemote), false;
    const Root* root = rootOf(text);
    if (!root) return say(MsgInvalidSystemKey), false;
    key.root = root->key;
    key.longName = root->longName;
    key.depth = levelsAbove(root->key);
    size_t slash = text.find(u'\\');
    if (slash == Text::npos) return true;
    Text path = text.substr(slash + 1);
    if (path.empty()) return say(MsgInvalidSystemKey), false;
    if (path.back() == u'\\') path.pop_back();
    key.hasPath = true;
    key.path = path;
    key.longName += u"\\" + path;
    key.depth += depthOf(path);
    return true;
}

// A path deeper than Windows allows is one advapi32 would not find or make.
KeyHandle Context::openKey(const KeyArg& key, std::uint32_t access) {
    if (key.depth > MaxKeyDepth) return KeyHandle::refused(NotFound);
    return KeyHandle::open(registry(), key.root, key.path, access);
}

KeyHandle Context::createKey(const KeyArg& key, std::uint32_t access, std::uint32_t& disposition) {
    if (key.depth > MaxKeyDepth) return KeyHandle::refused(InvalidParameter);
    return KeyHandle::create(registry(), key.root, key.path.c_str(), nullptr, access, nullptr, &disposition);
}

int runReg(const std::function<reg::Registry*()>& open, const std::vector<std::string>& args, Console& console) {
    Context c(open, console);
    int rc = [&] {
        if (args.empty()) return c.say("reg: Invalid syntax. "), c.say(MsgRegHelp), 1;
        if (isHelp(args[0])) return c.say(Usage), 0;
        const std::string& op = args[0];
        struct Operation {
            const char* name;
            std::string (*usage)();
            int (*action)(Context&, const Args&);
        };
        static const Operation Operations[] = {
            {"add", addUsage, add},           {"copy", copyUsage, copy},
            {"delete", deleteUsage, remove},  {"export", exportUsage, exportKey},
            {"import", importUsage, importFile}, {"query", queryUsage, query},
        };
        for (const Operation& o : Operations) {
            if (!sameText(op, o.name)) continue;
            if (args.size() == 1) return c.invalidSyntax(args);
            if (isHelp(args[1])) {
                if (args.size() > 2) return c.invalidSyntax(args);
                return c.say(o.usage()), c.say(ViewUsage), 0;
            }
            const int done = o.action(c, args);
            if (done != 0) c.discard();
            else if (!c.save()) return c.say(MsgAccessDenied), 1;
            return done;
        }
        return c.say("reg: Invalid option [" + op + "]. "), c.say(MsgRegHelp), 1;
    }();
    console.out.flush();
    return rc;
}

int runReg(reg::Registry& registry, const std::vector<std::string>& args, Console& console) {
    return runReg([&registry]() -> reg::Registry* { return &registry; }, args, console);
}

bool writesRegistry(const std::vector<std::string>& args) {
    return !args.empty() && (sameText(args[0], "add") || sameText(args[0], "copy") || sameText(args[0], "delete") ||
                             sameText(args[0], "import"));
}

}  // namespace fk::regcli
