// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsTransfer.h"

#include "platform/files/WholeFile.h"
#include "platform/regfile/RegFileReader.h"
#include "platform/regfile/RegFileWriter.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"
#include "store/ImportRules.h"
#include "text/Cp1252.h"
#include "text/Utf16.h"

#include <cctype>
#include <unordered_map>

namespace fk {

namespace {

using namespace fk::reg;
using Why = TransferProblem::Why;

TransferProblem refusal(Why why, std::string subject = {}) {
    TransferProblem refused;
    refused.why = why;
    refused.subject = std::move(subject);
    return refused;
}

// None when `error` is 0.
TransferProblem fileProblem(Why why, const std::string& fileName, int error) {
    if (!error) return {};
    TransferProblem refused = refusal(why, fileName);
    refused.error = error;
    return refused;
}

std::string lowered(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

void exportTree(Registry& registry, regfile::RegFileWriter& writer, Key key, const std::string& path) {
    writer.key(text::cp1252ToUtf16("HKEY_CURRENT_USER\\" + path));
    for (const auto& value : listValues(registry, key)) writer.value(value.name, value.type, value.bytes);
    for (const std::string& subName : listSubkeys(registry, key)) {
        const KeyHandle child = KeyHandle::open(registry, key, subName, KeyRead);
        if (child.ok()) exportTree(registry, writer, child.get(), path + "\\" + subName);
    }
}

// Builds the plan from the file's instructions, refusing at the first
// thing it cannot take.
class Planner {
public:
    explicit Planner(Registry& registry) : registry_(registry) {}

    // Stops at the first line it refuses: the rest is never read.
    ImportPlan plan(std::string_view bytes) {
        ImportPlan result;
        regfile::Header header = regfile::readRegFile(bytes, [&](const regfile::Instruction& step) {
            result.refused = take(step);
            result.refused.line = step.line;
            return result.ok();
        });
        if (header != regfile::Header::Regedit4 && header != regfile::Header::Version5) {
            result.refused = {};
            result.refused.why = Why::NotRegistryFile;
            return result;
        }
        if (!result.ok()) return result;
        for (auto& change : changes_)
            if (!(change.before == change.after)) result.changes.push_back(std::move(change));
        return result;
    }

private:
    TransferProblem take(const regfile::Instruction& step) {
        using I = regfile::Instruction;
        switch (step.kind) {
        case I::Skipped: {
            TransferProblem skipped = refusal(Why::Skipped);
            skipped.skip = step.skip;
            return skipped;
        }
        case I::UnknownEscape:
            return refusal(Why::UnknownEscape, text::cp1252ToUtf8(text::utf16ToCp1252(std::u16string(1, step.escape))));
        case I::DeleteKey: return refusal(Why::DeletesKey);
        case I::OpenKey: return openKey(step.key);
        case I::SetValue:
        case I::DeleteValue: return value(step);
        }
        return {};
    }

    TransferProblem openKey(const std::u16string& key) {
        std::u16string below;
        bool knownRoot = false;
        const TransferProblem outside = refusal(Why::OutsideStore, text::cp1252ToUtf8(text::utf16ToCp1252(key)));
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

    TransferProblem value(const regfile::Instruction& step) {
        if (!haveKey_) return refusal(Why::ValueBeforeKey);
        StoredValue after;
        if (step.kind == regfile::Instruction::SetValue) {
            after.present = true;
            after.type = step.type;
            after.bytes = step.data;
            if (isTextType(step.type)) after.bytes = text::utf16ToCp1252(text::utf16FromBytes(step.data));
        }
        std::string name = text::utf16ToCp1252(step.name);
        if (after.present) {
            TransferProblem broken = importRuleBroken(key_, name, after.type, after.bytes);
            if (broken) return broken;
        }
        auto [known, added] = seen_.try_emplace(lowered(key_) + '\n' + lowered(name), changes_.size());
        if (!added) {
            changes_[known->second].after = after;  // the later line wins, as in reg
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
    std::unordered_map<std::string, size_t> seen_;  // where each value is in changes_
};

}  // namespace

TransferProblem exportSettings(Registry& registry, const std::string& keyPath, std::string& fileBytes) {
    const KeyHandle key = KeyHandle::open(registry, CurrentUser, storeKeyPath(keyPath), KeyRead);
    const std::string path = "HKEY_CURRENT_USER\\" + text::cp1252ToUtf8(storeKeyPath(keyPath));
    if (!key.ok()) return refusal(Why::KeyUnreadable, path);
    regfile::RegFileWriter writer;
    exportTree(registry, writer, key.get(), storeKeyPath(keyPath));
    fileBytes = writer.bytes();
    return {};
}

TransferProblem exportSettingsToFile(Registry& registry, const std::string& keyPath, const std::string& fileName) {
    std::string bytes;
    if (TransferProblem refused = exportSettings(registry, keyPath, bytes)) return refused;
    files::FileStamp written;
    return fileProblem(Why::FileUnwritable, fileName, files::replaceFile(fileName, bytes, written));
}

ImportPlan planImport(Registry& registry, const std::string& fileBytes) { return Planner(registry).plan(fileBytes); }

ImportPlan planImportFile(Registry& registry, const std::string& fileName) {
    std::string bytes;
    files::FileStamp stamp;
    if (int failure = files::readWholeFile(fileName, bytes, stamp)) {
        ImportPlan plan;
        plan.refused = fileProblem(Why::FileUnreadable, fileName, failure);
        return plan;
    }
    return planImport(registry, bytes);
}

}  // namespace fk
