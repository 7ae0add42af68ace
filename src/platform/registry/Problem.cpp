// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry/Problem.h"

#include "platform/files/WholeFile.h"

#include <cstring>

namespace fk::reg {

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string bridgeText(const Problem& p) {
    using enum Problem::Why;
    const std::string server = " of wineserver " + std::to_string(p.number);
    const std::string os = std::string(": ") + std::strerror(p.error);
    switch (p.why) {
    case BridgeNotFound: return "fettlekit-bridge.exe was not found (set FETTLEKIT_BRIDGE to its path)";
    case ServerUnnamed: return "the wineserver of this prefix runs in a process that cannot be named from here";
    case PrefixUnseen:
        return "the prefix has no path that wineserver " + std::to_string(p.number) + ", which runs in a sandbox, can see";
    case BridgeUnreadable: return "cannot read " + p.path + ": " + (p.error ? std::strerror(p.error) : "not a file");
    case BridgeNotCopied: return "cannot copy the bridge into the prefix " + p.path + os;
    case CopyUnseen: return "the bridge copied into the prefix cannot be seen by wineserver " + std::to_string(p.number);
    case NoPipe: return "cannot make a pipe" + os;
    case ChildNotPrepared: return "cannot prepare the program started for Wine" + os;
    case WineNotStarted: return "cannot start Wine" + os;
    case NoNamespaces: return "cannot enter the namespaces" + server + os;
    case NoRoot: return "cannot enter the root folder" + server + os;
    case NoProcessInside: return "cannot start a process in the PID namespace" + server + os;
    case PrivilegesKept: return "cannot drop the privileges of the program started for Wine" + os;
    case ChildPipes: return "cannot set up the pipes of the program started for Wine" + os;
    case CannotRun: {
        if (p.path.empty()) return "cannot run Wine: no program to try";
        std::string programs = p.path;
        for (size_t at = programs.find('\n'); at != std::string::npos; at = programs.find('\n', at))
            programs.replace(at, 1, " or ");
        return "cannot run " + programs + os;
    }
    case BridgeSilent: return "the bridge " + p.path + " did not answer under Wine";
    default: return {};
    }
}

std::string fileText(const Problem& p) {
    using enum Problem::Why;
    const std::string where = "line " + std::to_string(p.line) + ": " + englishText(p.damage, p.excerpt);
    switch (p.why) {
    case Unreadable: return files::fileErrorText(p.error);
    case Damaged: return where;
    case DamagedByOther: return "another program left it damaged: " + where;
    case Removed: return "it was removed by another program";
    case LockHeld:
        return "another writer held the lock beside it for " + std::to_string(p.number) +
               (p.number == 1 ? " second" : " seconds");
    case NoLock: return "no lock beside it: " + files::fileErrorText(p.error);
    case WineStarted: return "Wine started in this prefix and writes its own copy over the file when it ends";
    case ChangesDoNotFit: return "another program changed it in a way the changes no longer fit";
    case ChangedDuringSave: return "another program changed it during the save";
    case Unwritable: return files::fileErrorText(p.error);
    case CannotReopen: return "it cannot be opened again";
    default: return bridgeText(p);
    }
}

}  // namespace

std::string englishText(Damage damage, const std::string& excerpt) {
    switch (damage) {
    case Damage::None: return {};
    case Damage::Empty: return "the file is empty, not a Wine registry";
    case Damage::NotWineRegistry: return "not a Wine registry file (the first line must be \"WINE REGISTRY Version 2\")";
    case Damage::UnsupportedVersion: return "unsupported registry version: " + quoted(excerpt);
    case Damage::UnrecognisedLine: return "unrecognised line " + quoted(excerpt);
    case Damage::BadTimeStamp: return "bad time stamp " + quoted(excerpt);
    case Damage::BadKeyClass: return "bad key class";
    case Damage::ValueBeforeKey: return "a value before the first key";
    case Damage::NameNotClosed: return "value name without its closing quote";
    case Damage::NoEquals: return "missing \"=\" after the value name";
    case Damage::ValueTwice: return "the value appears twice in its key";
    case Damage::TextNotClosed: return "text without its closing quote";
    case Damage::AfterText: return "unexpected text after the closing quote";
    case Damage::BadDword: return "bad dword " + quoted(excerpt);
    case Damage::BadValueType: return "bad value type " + quoted(excerpt);
    case Damage::UnknownValueType: return "unknown value type " + quoted(excerpt);
    case Damage::BadHexByte: return "bad byte in hex data";
    case Damage::BadHex: return "bad hex data";
    case Damage::HexPastEnd: return "hex data continues past the end of the file";
    case Damage::KeyNotClosed: return "key name without its closing \"]\"";
    case Damage::AfterKeyName: return "unexpected text after the key name";
    case Damage::KeyTwice: return "key [" + excerpt + "] appears twice";
    }
    return {};
}

std::string englishText(const Problem& problem) {
    if (!problem) return {};
    using enum Problem::Why;
    if (problem.why >= BridgeNotFound) {
        const std::string why = bridgeText(problem);
        return problem.wineHoldsRegistry ? "Wine is running in this prefix and its live registry cannot be reached: " + why
                                         : why;
    }
    return problem.path + ": " + fileText(problem);
}

}  // namespace fk::reg
