// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegistryTexts.h"

#include "app/StoreTexts.h"

namespace fk {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QString RegistryTexts::problem(const reg::Problem& problem) {
    if (!problem) return {};
    if (problem.why < reg::Problem::Why::BridgeNotFound)
        return tr("%1: %2").arg(text(problem.path), file(problem));
    if (!problem.wineHoldsRegistry) return bridge(problem);
    return tr("Wine is running in this prefix and its live registry cannot be reached: %1").arg(bridge(problem));
}

QString RegistryTexts::file(const reg::Problem& p) {
    using enum reg::Problem::Why;
    const QString where = tr("line %1: %2").arg(QString::number(p.line), damage(p.damage, text(p.excerpt)));
    switch (p.why) {
    case Unreadable: case Unwritable: return StoreTexts::fileError(p.error);
    case Damaged: return where;
    case DamagedByOther: return tr("another program left it damaged: %1").arg(where);
    case Removed: return tr("it was removed by another program");
    case LockHeld: return tr("another writer held the lock beside it for %n second(s)", nullptr, int(p.number));
    case NoLock: return tr("no lock beside it: %1").arg(StoreTexts::fileError(p.error));
    case WineStarted: return tr("Wine started in this prefix and writes its own copy over the file when it ends");
    case ChangesDoNotFit: return tr("another program changed it in a way the changes no longer fit");
    case ChangedDuringSave: return tr("another program changed it during the save");
    case CannotReopen: return tr("it cannot be opened again");
    default: return {};
    }
}

QString RegistryTexts::bridge(const reg::Problem& p) {
    using enum reg::Problem::Why;
    const QString server = QString::number(p.number), path = text(p.path);
    const QString os = StoreTexts::fileError(p.error);
    switch (p.why) {
    case BridgeNotFound: return tr("fettlekit-bridge.exe was not found (set FETTLEKIT_BRIDGE to its path)");
    case ServerUnnamed: return tr("the wineserver of this prefix runs in a process that cannot be named from here");
    case PrefixUnseen: return tr("the prefix has no path that wineserver %1, which runs in a sandbox, can see").arg(server);
    case BridgeUnreadable: return tr("cannot read %1: %2").arg(path, p.error ? os : tr("not a file"));
    case BridgeNotCopied: return tr("cannot copy the bridge into the prefix %1: %2").arg(path, os);
    case CopyUnseen: return tr("the bridge copied into the prefix cannot be seen by wineserver %1").arg(server);
    case NoPipe: return tr("cannot make a pipe: %1").arg(os);
    case ChildNotPrepared: return tr("cannot prepare the program started for Wine: %1").arg(os);
    case WineNotStarted: return tr("cannot start Wine: %1").arg(os);
    case NoNamespaces: return tr("cannot enter the namespaces of wineserver %1: %2").arg(server, os);
    case NoRoot: return tr("cannot enter the root folder of wineserver %1: %2").arg(server, os);
    case NoProcessInside: return tr("cannot start a process in the PID namespace of wineserver %1: %2").arg(server, os);
    case PrivilegesKept: return tr("cannot drop the privileges of the program started for Wine: %1").arg(os);
    case ChildPipes: return tr("cannot set up the pipes of the program started for Wine: %1").arg(os);
    case CannotRun:
        if (p.path.empty()) return tr("cannot run Wine: no program to try");
        return tr("cannot run %1: %2").arg(path.split(QLatin1Char('\n')).join(tr(" or ")), os);
    case BridgeSilent: return tr("the bridge %1 did not answer under Wine").arg(path);
    default: return {};
    }
}

QString RegistryTexts::damage(reg::Damage damage, const QString& excerpt) {
    using enum reg::Damage;
    switch (damage) {
    case None: return {};
    case Empty: return tr("the file is empty, not a Wine registry");
    case NotWineRegistry: return tr("not a Wine registry file (the first line must be \"WINE REGISTRY Version 2\")");
    case UnsupportedVersion: return tr("unsupported registry version: \"%1\"").arg(excerpt);
    case UnrecognisedLine: return tr("unrecognised line \"%1\"").arg(excerpt);
    case BadTimeStamp: return tr("bad time stamp \"%1\"").arg(excerpt);
    case BadKeyClass: return tr("bad key class");
    case ValueBeforeKey: return tr("a value before the first key");
    case NameNotClosed: return tr("value name without its closing quote");
    case NoEquals: return tr("missing \"=\" after the value name");
    case ValueTwice: return tr("the value appears twice in its key");
    case TextNotClosed: return tr("text without its closing quote");
    case AfterText: return tr("unexpected text after the closing quote");
    case BadDword: return tr("bad dword \"%1\"").arg(excerpt);
    case BadValueType: return tr("bad value type \"%1\"").arg(excerpt);
    case UnknownValueType: return tr("unknown value type \"%1\"").arg(excerpt);
    case BadHexByte: return tr("bad byte in hex data");
    case BadHex: return tr("bad hex data");
    case HexPastEnd: return tr("hex data continues past the end of the file");
    case KeyNotClosed: return tr("key name without its closing \"]\"");
    case AfterKeyName: return tr("unexpected text after the key name");
    case KeyTwice: return tr("key [%1] appears twice").arg(excerpt);
    }
    return {};
}

}  // namespace fk
