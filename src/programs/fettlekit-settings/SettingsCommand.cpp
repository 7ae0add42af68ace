// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fettlekit-settings/SettingsCommand.h"

#include "app/StoreTexts.h"
#include "catalogue/Catalogue.h"
#include "store/SettingWords.h"
#include "programs/fettlekit-settings/SettingsPlace.h"
#include "programs/fettlekit-settings/SettingsReport.h"
#include "store/ChangedSettings.h"
#include "store/ResetAll.h"
#include "store/SettingDifferences.h"
#include "store/SettingsTransfer.h"

#include <functional>
#include <map>

namespace fk::settingscli {

const char* const Usage =
    "Usage: fettlekit-settings [--prefix DIR | --registry FILE] [--json] COMMAND\n"
    "  list                       every setting: name, kind, default, range\n"
    "  describe NAME              what a setting does\n"
    "  get ACCOUNT NAME           the value stored (or the default)\n"
    "  set ACCOUNT NAME VALUE     stores a value, checked as the window checks it\n"
    "  reset ACCOUNT NAME|--all   restores the default\n"
    "  diff ACCOUNT [ACCOUNT | --prefix DIR | FILE.reg]\n"
    "                             the settings that differ (from the defaults when alone)\n"
    "  export ACCOUNT|--every FILE.reg   writes the settings as the window exports them\n"
    "  import FILE.reg            stores what the file holds, all of it or nothing\n"
    "ACCOUNT is an account's name or --all-users. The prefix is --prefix DIR, else $WINEPREFIX,\n"
    "else the one prefix found that holds Brisko!.\n";

namespace {

struct Request {
    std::string prefix;
    std::string registry;
    bool json = false;
    std::string command;
    std::vector<std::string> operands;
};

class Run {
public:
    Run(const Request& request, std::ostream& out, std::ostream& err)
        : request_(request), out_(out), err_(err), report_(out, request.json) {}

    int operator()() {
        static const std::map<std::string, std::pair<size_t, size_t>> arity{
            {"list", {0, 0}},  {"describe", {1, 1}}, {"get", {2, 2}},    {"set", {3, 3}},
            {"reset", {2, 2}}, {"diff", {1, 3}},     {"export", {2, 2}}, {"import", {1, 1}}};
        const auto found = arity.find(request_.command);
        const size_t count = request_.operands.size();
        if (found == arity.end() || count < found->second.first || count > found->second.second)
            return usage(request_.command.empty() ? "no command" : "wrong command line: " + request_.command);
        const std::string& c = request_.command;
        if (c == "list") return list();
        if (c == "describe") return describe();
        if (c == "get") return get();
        if (c == "set") return set();
        if (c == "reset") return reset();
        if (c == "diff") return diff();
        if (c == "export") return exportTo();
        return importFrom();
    }

private:
    int usage(const std::string& why) {
        err_ << "fettlekit-settings: " << why << "\n" << Usage;
        return 2;
    }
    int fail(const std::string& why) {
        err_ << "fettlekit-settings: " << why << "\n";
        return 1;
    }
    const std::vector<std::string>& ops() const { return request_.operands; }

    int setting(const std::string& name) {
        const int index = findSetting(name);
        if (index < 0) fail("no setting \"" + name + "\"; `fettlekit-settings list` names them all");
        return index;
    }

    std::unique_ptr<SettingsPlace> open(const std::string& prefix, bool forWriting) {
        std::string error;
        const std::string hive = hiveFor(prefix, prefix.empty() ? request_.registry : std::string(), error);
        if (hive.empty()) return fail(error), nullptr;
        auto place = std::make_unique<SettingsPlace>(hive, forWriting);
        if (!place->error().empty()) return fail(place->error()), nullptr;
        return place;
    }

    // The place of setting `index` for `account`: an all-users setting is
    // the root's whatever account is named.
    std::unique_ptr<SettingsPlace> openFor(const std::string& account, int index, bool forWriting) {
        auto place = open(request_.prefix, forWriting);
        if (!place) return nullptr;
        if (index >= 0 && !settingEntry(index).allUsers && account == AllUsersWord)
            return fail("\"" + settingEntry(index).valueName + "\" is a setting of each account; name one"), nullptr;
        const std::string whose = index >= 0 && settingEntry(index).allUsers ? std::string(AllUsersWord) : account;
        if (!place->choose(whose)) return fail(place->error()), nullptr;
        return place;
    }

    int saved(SettingsPlace& place) { return place.commit() ? 0 : fail(place.error()); }

    int list() {
        for (int i = 0; i < SettingCount; ++i) report_.setting(i, false);
        report_.end();
        return 0;
    }

    int describe() {
        const int index = setting(ops()[0]);
        if (index < 0) return 1;
        report_.setting(index, true);
        report_.end();
        return 0;
    }

    int get() {
        const int index = setting(ops()[1]);
        if (index < 0) return 1;
        auto place = openFor(ops()[0], index, false);
        if (!place) return 1;
        const bool changed = settingState(place->registry(), place->store().currentKey(), index).changed;
        report_.value(index, storedWords(place->store(), index), changed);
        return 0;
    }

    int set() {
        const int index = setting(ops()[1]);
        if (index < 0) return 1;
        auto place = openFor(ops()[0], index, true);
        if (!place) return 1;
        const auto words = [](const TransferProblem& p) { return StoreTexts::problem(p).toStdString(); };
        if (std::string why = writeWords(place->store(), place->keyPath(), index, ops()[2], words); !why.empty())
            return fail(why);
        return saved(*place);
    }

    int reset() {
        const bool all = ops()[1] == "--all";
        const int index = all ? -1 : setting(ops()[1]);
        if (!all && index < 0) return 1;
        auto place = openFor(ops()[0], index, true);
        if (!place) return 1;
        const bool done = all ? resetAllSettings(place->store(), place->allUsers()) == ResetResult::Done
                              : resetSetting(place->store(), index) == ResetResult::Done;
        return done ? saved(*place) : fail("Setting not saved.");
    }

    // Stored words of every setting of the account's kind (account or all users).
    static std::vector<std::string> wordsOf(SettingsPlace& place) {
        std::vector<std::string> words(SettingCount);
        for (int i = 0; i < SettingCount; ++i)
            if (settingEntry(i).allUsers == place.allUsers()) words[size_t(i)] = storedWords(place.store(), i);
        return words;
    }

    int diff() {
        auto place = openFor(ops()[0], -1, false);
        if (!place) return 1;
        const std::vector<std::string> left = wordsOf(*place);
        if (ops().size() == 1) {
            for (int i = 0; i < SettingCount; ++i)
                if (settingEntry(i).allUsers == place->allUsers() &&
                    settingState(place->registry(), place->store().currentKey(), i).changed)
                    report_.difference(i, left[size_t(i)], defaultWords(i));
            return report_.end(), 0;
        }
        if (ops()[1].ends_with(".reg") && ops().size() == 2) return diffFile(*place, ops()[1]);
        std::unique_ptr<SettingsPlace> other;
        if (ops()[1] == "--prefix") {
            if (ops().size() != 3) return usage("diff ACCOUNT --prefix DIR");
            other = open(ops()[2], false);
            if (other && !other->choose(ops()[0])) return fail(other->error() + " in " + ops()[2]);
        } else {
            if (ops().size() != 2) return usage("diff ACCOUNT ACCOUNT");
            other = openFor(ops()[1], -1, false);
        }
        if (!other) return 1;
        if (other->allUsers() != place->allUsers()) return fail("the all-users settings compare only with themselves");
        const std::vector<std::string> right = wordsOf(*other);
        for (int i = 0; i < SettingCount; ++i)
            if (left[size_t(i)] != right[size_t(i)]) report_.difference(i, left[size_t(i)], right[size_t(i)]);
        report_.end();
        return 0;
    }

    // What importing the file would change under the account's key.
    int diffFile(SettingsPlace& place, const std::string& file) {
        const ImportPlan plan = planImportFile(place.registry(), file);
        if (!plan.ok()) return fail(StoreTexts::problem(plan.refused).toStdString());
        // In the words the account's own diff uses: yes/no, numbers, fonts as a line.
        for (const SettingDifference& row : gatherDifferences(place.registry(), plan.changes)) {
            if (row.keyPath != place.keyPath()) continue;
            if (row.index >= 0) report_.difference(row.index, row.current, row.incoming);
            else report_.rawDifference(row.name, row.current, row.incoming);
        }
        report_.end();
        return 0;
    }

    int exportTo() {
        const bool every = ops()[0] == "--every";
        auto place = open(request_.prefix, false);
        if (!place || (!every && !place->choose(ops()[0]))) return place ? fail(place->error()) : 1;
        if (const TransferProblem refused =
                exportSettingsToFile(place->registry(), every ? std::string() : place->keyPath(), ops()[1]))
            return fail(StoreTexts::problem(refused).toStdString());
        return 0;
    }

    int importFrom() {
        auto place = open(request_.prefix, true);
        if (!place) return 1;
        const ImportPlan plan = planImportFile(place->registry(), ops()[0]);
        if (!plan.ok()) return fail(StoreTexts::problem(plan.refused).toStdString() + "\nNothing was imported.");
        ApplyFailure failure;
        if (!applyChanges(place->registry(), plan.changes, false, failure))
            return fail(StoreTexts::notApplied(failure).toStdString());
        return saved(*place);
    }

    const Request& request_;
    std::ostream& out_;
    std::ostream& err_;
    SettingsReport report_;
};

}  // namespace

int runSettings(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Request request;
    size_t i = 0;
    for (; i < args.size() && args[i].starts_with("-"); ++i) {
        const std::string& word = args[i];
        if (word == "--help" || word == "-h") return out << Usage, 0;
        if (word == "--json") request.json = true;
        else if ((word == "--prefix" || word == "--registry") && i + 1 < args.size())
            (word == "--prefix" ? request.prefix : request.registry) = args[++i];
        else return err << "fettlekit-settings: unknown option " << word << "\n" << Usage, 2;
    }
    if (i < args.size()) request.command = args[i++];
    request.operands.assign(args.begin() + long(i), args.end());
    return Run(request, out, err)();
}

}  // namespace fk::settingscli
