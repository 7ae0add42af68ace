// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a hive file or Wine's live registry could not be used, as a code and
// what it names, for the window to put in the user's words and for the
// command-line programs to say in English (englishText). No Qt.
#include <string>
#include <utility>

namespace fk::reg {

// What is wrong with a hive file's line; `excerpt` is the text named, cut short.
enum class Damage {
    None,
    Empty,
    NotWineRegistry,
    UnsupportedVersion,  // excerpt: the first line
    UnrecognisedLine,    // excerpt
    BadTimeStamp,        // excerpt
    BadKeyClass,
    ValueBeforeKey,
    NameNotClosed,
    NoEquals,
    ValueTwice,
    TextNotClosed,
    AfterText,
    BadDword,            // excerpt
    BadValueType,        // excerpt
    UnknownValueType,    // excerpt
    BadHexByte,
    BadHex,
    HexPastEnd,
    KeyNotClosed,
    AfterKeyName,
    KeyTwice,            // excerpt: the key
};

struct Problem {
    enum class Why {
        None,
        // `path`: the hive file.
        Unreadable,         // error: an errno or a files:: code
        Damaged,            // line, damage, excerpt
        DamagedByOther,     // the same, found when read again
        Removed,
        LockHeld,           // number: the seconds waited
        NoLock,             // error
        WineStarted,
        ChangesDoNotFit,
        ChangedDuringSave,
        Unwritable,         // error
        CannotReopen,
        // Starting the bridge.
        BridgeNotFound,
        ServerUnnamed,
        PrefixUnseen,       // number: the wineserver's process
        BridgeUnreadable,   // path: the bridge; error, 0 when it is no file
        BridgeNotCopied,    // path: the prefix; error
        CopyUnseen,         // number: the wineserver's process
        NoPipe,             // error
        ChildNotPrepared,   // error
        WineNotStarted,     // error
        NoNamespaces,       // number: the wineserver's process; error
        NoRoot,             // the same
        NoProcessInside,    // the same
        PrivilegesKept,     // error
        ChildPipes,         // error
        CannotRun,          // path: the programs tried, one a line; error
        BridgeSilent,       // path: the bridge
    };
    Why why = Why::None;
    std::string path;
    int line = 0;  // 1-based
    Damage damage = Damage::None;
    std::string excerpt;
    int error = 0;
    long number = 0;
    // Wine runs in the prefix, and its live registry cannot be reached for `why`.
    bool wineHoldsRegistry = false;

    static Problem of(Why why, std::string path = {}, int error = 0, long number = 0) {
        Problem problem;
        problem.why = why;
        problem.path = std::move(path);
        problem.error = error;
        problem.number = number;
        return problem;
    }
    explicit operator bool() const { return why != Why::None; }
    bool operator==(const Problem&) const = default;
};

// One English rendering, for standard error and the command-line programs.
std::string englishText(const Problem& problem);
std::string englishText(Damage damage, const std::string& excerpt);

}  // namespace fk::reg
