// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StoreTexts.h"

#include "editors/AnsiText.h"
#include "platform/files/WholeFile.h"

#include <QStringList>

#include <cerrno>
#include <cstring>

namespace fk {

QString StoreTexts::problem(const TransferProblem& problem) {
    using Why = TransferProblem::Why;
    const QString subject = QString::fromStdString(problem.subject);
    QString why;
    switch (problem.why) {
    case Why::None: return {};
    case Why::KeyUnreadable: return tr("%1 cannot be read.").arg(subject);
    case Why::FileUnwritable: return tr("%1 cannot be written: %2.").arg(subject, fileError(problem.error));
    case Why::FileUnreadable: return tr("%1 cannot be read: %2.").arg(subject, fileError(problem.error));
    case Why::NotRegistryFile:
        return tr("This is not a registry file: its first line must be \"Windows Registry Editor Version 5.00\" "
                  "or \"REGEDIT4\".");
    case Why::Skipped: why = skipped(problem.skip); break;
    case Why::UnknownEscape: why = tr("unknown escape \\%1").arg(subject); break;
    case Why::DeletesKey: why = tr("deleting a key is not imported here, only values"); break;
    case Why::OutsideStore:
        why = tr("the key %1 is outside HKEY_CURRENT_USER\\%2").arg(subject, QString::fromLatin1(StoreRootPath));
        break;
    case Why::ValueBeforeKey: why = tr("the value comes before any [key]"); break;
    case Why::NotNumber: why = tr("\"%1\" must be a number (dword:)").arg(subject); break;
    case Why::NotColour: why = tr("\"%1\" must be a colour, dword:00bbggrr").arg(subject); break;
    case Why::OutOfRange:
        why = tr("\"%1\" must be a number from %2 to %3")
                  .arg(subject, QString::number(problem.low), QString::number(problem.high));
        break;
    case Why::BelowMinimum:
        why = tr("\"%1\" must be a number of at least %2").arg(subject, QString::number(problem.low));
        break;
    case Why::TextTooLong:
        why = tr("\"%1\" must be a text of at most %n character(s)", nullptr, problem.high).arg(subject);
        break;
    }
    // A value given on a command line has no line.
    if (problem.line <= 0) return why;
    return tr("Line %1: %2.").arg(QString::number(problem.line), why);
}

QString StoreTexts::skipped(regfile::Skip skip) {
    using enum regfile::Skip;
    switch (skip) {
    case NotKeyOrValue: return tr("this is not a key, a value or a comment");
    case NameNotClosed: return tr("the value name has no closing quotation mark");
    case KeyNotClosed: return tr("the key name is not closed with ]");
    case NoEquals: return tr("the value name is not followed by =");
    case BadDeletion: return tr("a deletion is written \"name\"=-");
    case HexTypeNotNumber: return tr("the type in hex(...) is not a number");
    case UnknownData: return tr("the data is not a text, dword:, hex: or hex(N):");
    case TextNotClosed: return tr("the text has no closing quotation mark");
    case AfterText: return tr("something follows the closing quotation mark");
    case DwordEmpty: return tr("dword: has no number");
    case DwordTooLong: return tr("dword: takes at most 8 hex digits");
    case DwordNotHex: return tr("dword: is not a hex number");
    case HexByteTooBig: return tr("a byte in hex data is above ff");
    case AfterContinuation: return tr("something follows the \\ that carries on hex data");
    case HexNotByte: return tr("hex data holds something that is not a byte");
    case ContinuationNotHex: return tr("the line after a \\ does not go on with hex data");
    }
    return {};
}

QString StoreTexts::fileError(int error) {
    // The errors a user meets with a file of theirs; the C library words
    // the rest, in its own language.
    switch (error) {
    case files::NotRegularFile: return tr("it is not a regular file");
    case files::ChangedWhileRead: return tr("another program was rewriting it");
    case ENOENT: return tr("No such file or directory");
    case EACCES: return tr("Permission denied");
    case EPERM: return tr("Operation not permitted");
    case EISDIR: return tr("Is a directory");
    case ENOTDIR: return tr("Not a directory");
    case ENOSPC: return tr("No space left on device");
    case EROFS: return tr("Read-only file system");
    case EIO: return tr("Input/output error");
    case ENAMETOOLONG: return tr("File name too long");
    case EFBIG: return tr("File too large");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString StoreTexts::value(const StoredValue& value) {
    if (!value.present) return tr("absent");
    bool isText = false;
    const QString data = QString::fromStdString(valueData(value, &isText));
    return isText ? tr("\"%1\"").arg(data) : data;
}

QString StoreTexts::part(const ShownValue& part) {
    using enum ShownValue::Kind;
    switch (part.kind) {
    case NotSet: return tr("(not set)");
    case Number: return QString::number(part.number);
    case Flag: return part.number ? tr("True") : tr("False");
    case Colour: {
        const auto bits = std::uint32_t(part.number);
        return tr("RGB(%1, %2, %3)").arg(bits & 0xFF).arg(bits >> 8 & 0xFF).arg(bits >> 16 & 0xFF);
    }
    case Text: return tr("\"%1\"").arg(fromAnsi(part.text));
    case Font: {
        // The face, size and weight always, the rest when not plain.
        QString font = tr("%1, %2, weight %3")
                           .arg(fromAnsi(part.text), QString::number(part.number), QString::number(part.weight));
        if (part.italic) font += tr(", italic");
        if (part.charSet != -1) font += tr(", character set %1").arg(part.charSet);
        return font + (part.enabled ? tr(", enabled") : tr(", disabled"));
    }
    case HiddenFrom: return tr("False for %1").arg(fromAnsi(part.text));
    }
    return {};
}

QString StoreTexts::shown(const std::vector<ShownValue>& parts) {
    QStringList words;
    for (const ShownValue& p : parts) words << part(p);
    return words.join(QStringLiteral(", "));
}

QString StoreTexts::notApplied(const ApplyFailure& failure) {
    const QString setting = fromAnsi(failure.setting);
    if (failure.left.empty()) return tr("\"%1\" could not be saved, so nothing was changed.").arg(setting);
    QString text = tr("\"%1\" could not be saved, and what was saved before it could not all be put back. "
                      "Stored now:")
                       .arg(setting);
    for (const ValueChange& stuck : failure.left)
        text += QLatin1Char('\n') +
                tr("%1: %2 (was %3)").arg(fromAnsi(stuck.setting), value(stuck.after), value(stuck.before));
    return text;
}

}  // namespace fk
