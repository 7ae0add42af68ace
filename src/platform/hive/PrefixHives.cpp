// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/PrefixHives.h"
#include "platform/hive/HiveTree.h"

#include "platform/registry/Registry.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fk::reg {

namespace {

// A file up to this size is checked whole when opened, so that its damage is
// named at once; the check costs a few milliseconds a megabyte. A bigger file
// is checked section by section as keys are read, and whole before a save.
constexpr size_t CheckedAtOpen = 1 << 20;

// Links lead to links at most this often in one walk, as in Windows.
constexpr int MaxLinkHops = 16;

constexpr const char* FileNames[] = {"user.reg", "system.reg", "userdef.reg"};
constexpr std::u16string_view Wow6432Node = u"Wow6432Node";
constexpr std::u16string_view LinkValue = u"SymbolicLinkValue";

size_t indexOf(Hive hive) { return size_t(hive); }

std::vector<std::u16string> parts(std::initializer_list<const char16_t*> names) {
    return {names.begin(), names.end()};
}

// "\Registry\Machine\..." or "\Registry\User\<name>\..." as a place; false
// for anything outside the prefix's files.
bool placeOfObjectPath(std::u16string_view target, const std::u16string& sid, Place& place) {
    std::vector<std::u16string> p = hive::splitPath(target);
    if (p.size() < 2 || !hive::sameName(p[0], u"Registry")) return false;
    if (hive::sameName(p[1], u"Machine")) {
        place = {Hive::Machine, {p.begin() + 2, p.end()}};
        return true;
    }
    if (!hive::sameName(p[1], u"User") || p.size() < 3) return false;
    if (hive::sameName(p[2], u".Default")) place = {Hive::DefaultUser, {p.begin() + 3, p.end()}};
    else if (!sid.empty() && hive::sameName(p[2], sid)) place = {Hive::User, {p.begin() + 3, p.end()}};
    else return false;
    return true;
}

// Wine heads user.reg with the key it is relative to:
// ";; All keys relative to \\User\\S-1-5-21-...".
std::u16string sidOf(std::string_view header) {
    constexpr std::string_view Relative = ";; All keys relative to ";
    size_t at = header.find(Relative);
    if (at == std::string_view::npos) return {};
    std::string_view line = header.substr(at + Relative.size());
    line = line.substr(0, line.find('\n'));
    size_t slash = line.rfind('\\');
    std::string_view sid = slash == std::string_view::npos ? line : line.substr(slash + 1);
    if (sid.empty() || sid.find_first_not_of("S-0123456789") != std::string_view::npos) return {};
    return {sid.begin(), sid.end()};
}

}  // namespace

std::unique_ptr<HiveSession> openHiveSession(const std::string& path, bool readOnly, Problem& error,
                                             int& failure) {
    files::FileStamp stamp;
    failure = 0;
    auto text = hive::readHiveFile(path, stamp, failure);
    if (!text) {
        error = Problem::of(Problem::Why::Unreadable, path, failure);
        return nullptr;
    }
    size_t size = text->text().size();
    hive::ParseError damage;
    auto doc = hive::Document::index(std::move(text), damage);
    if (!doc || (size <= CheckedAtOpen && !doc->check(damage))) {
        error = damageOf(Problem::Why::Damaged, path, damage);
        return nullptr;
    }
    return std::make_unique<HiveSession>(path, std::move(doc), stamp, readOnly);
}

PrefixHives::PrefixHives(const std::string& userPath, std::unique_ptr<HiveSession> user, bool readOnly)
    : folder_(std::filesystem::path(userPath).parent_path().string()), sid_(sidOf(user->doc().header())),
      readOnly_(readOnly) {
    sessions_[0] = std::move(user);
}

HiveSession* PrefixHives::session(Hive hive, long& status) {
    size_t i = indexOf(hive);
    if (!sessions_[i] && !failed_[i]) {
        Problem error;
        int failure = 0;
        std::string path = (folder_.empty() ? std::string() : folder_ + "/") + FileNames[i];
        sessions_[i] = openHiveSession(path, readOnly(), error, failure);
        if (!sessions_[i]) {
            failed_[i] = failure == ENOENT ? NotFound : failure ? AccessDenied : BadDatabase;
            if (failure != ENOENT) std::fprintf(stderr, "fettlekit: %s\n", englishText(error).c_str());
        }
    }
    status = failed_[i];
    if (sessions_[i] && transactions_) sessions_[i]->begin();
    return sessions_[i].get();
}

long PrefixHives::begin() {
    if (transactions_++ == 0)
        for (auto& hive : sessions_)
            if (hive) hive->begin();
    return Success;
}

long PrefixHives::commit() {
    if (transactions_ == 0) return InvalidParameter;
    if (--transactions_ > 0) return Success;
    std::vector<std::unique_ptr<files::WriterLock>> locks(sessions_.size());
    long status = Success;
    for (size_t i = 0; i < sessions_.size() && !status; ++i)
        if (sessions_[i]) status = sessions_[i]->prepare(locks[i]);
    // Every new text beside its file before any goes in place: a full disk
    // on the last leaves the first as it was. The signals wait until all
    // are saved.
    files::SignalsHeld held;
    for (size_t i = 0; i < sessions_.size() && !status; ++i)
        if (sessions_[i] && sessions_[i]->dirty()) status = sessions_[i]->stage();
    if (status) {
        for (auto& hive : sessions_)
            if (hive) hive->rollback();
        return status;
    }
    for (auto& hive : sessions_) {
        if (!hive) continue;
        if (status) hive->rollback();
        else status = hive->save();
    }
    return status;
}

void PrefixHives::rollback() {
    if (transactions_ == 0) return;
    transactions_ = 0;
    for (auto& hive : sessions_)
        if (hive) hive->rollback();
}

// Wine serves the prefix whole: a file found in its hands stops them all.
bool PrefixHives::readOnly() const {
    return readOnly_ || std::any_of(sessions_.begin(), sessions_.end(), [](auto& s) { return s && s->readOnly(); });
}

bool PrefixHives::takeWineStarted() {
    bool started = false;
    for (auto& hive : sessions_)
        if (hive && hive->takeWineStarted()) started = true;
    return started;
}

size_t PrefixHives::levelsAbove(Hive hive) {
    // \REGISTRY\USER\<sid>, \REGISTRY\MACHINE, \REGISTRY\USER\.Default
    return hive == Hive::Machine ? 2 : 3;
}

void PrefixHives::refresh() {
    for (auto& hive : sessions_)
        if (hive) hive->refresh();
}

hive::Key* PrefixHives::locate(const Place& place, long& status) {
    HiveSession* hive = session(place.hive, status);
    if (!hive) return nullptr;
    hive::Key* key = hive->doc().find(place.path);
    status = key ? Success : NotFound;
    return key;
}

hive::Key* PrefixHives::find(const Place& place, long& status) {
    hive::Key* key = locate(place, status);
    if (key) status = session(place.hive, status)->load(*key);
    return status == Success ? key : nullptr;
}

std::vector<Place> PrefixHives::rootPlaces(std::uintptr_t root, bool view32, long& status) {
    std::vector<Place> starts;
    std::vector<std::u16string> below;
    switch (root) {
    case CurrentUser: starts = {{Hive::User, {}}}; break;
    case LocalMachine: starts = {{Hive::Machine, {}}}; break;
    case CurrentConfig:
        starts = {{Hive::Machine, {}}};
        below = parts({u"System", u"CurrentControlSet", u"Hardware Profiles", u"Current"});
        view32 = false;
        break;
    case ClassesRoot:
        // Wine's view, which its programs see: the machine's classes alone.
        starts = {{Hive::Machine, {}}};
        below = parts({u"Software", u"Classes"});
        break;
    default: status = NotFound; return {};
    }
    // advapi32 opens the classes root by its full path, in the view asked for.
    long failure = NotFound;
    std::vector<Place> places;
    for (Place& at : starts) {
        size_t done = 0;
        long walked = walk(at, below, root == ClassesRoot && view32, done, false);
        if (walked == Success) places.push_back(std::move(at));
        else if (walked != NotFound) failure = walked;
    }
    status = places.empty() ? failure : Success;
    return places;
}

std::vector<std::pair<std::u16string, Hive>> PrefixHives::users() {
    std::vector<std::pair<std::u16string, Hive>> list;
    long status = 0;
    if (session(Hive::DefaultUser, status)) list.emplace_back(u".Default", Hive::DefaultUser);
    if (!sid_.empty()) list.emplace_back(sid_, Hive::User);
    return list;
}

// A link key stands for the key its SymbolicLinkValue names; one that
// leads nowhere fails the walk, so that nothing is made in its place. A
// key whose section is damaged opens, as a plain key: only reading it fails.
long PrefixHives::follow(Place& at, int& hops) {
    for (bool jumped = false;; jumped = true) {
        long status = 0;
        hive::Key* key = locate(at, status);
        if (!key) return jumped && status == NotFound ? BadPathname : status;
        if (session(at.hive, status)->load(*key) != Success || !key->link) return Success;
        const hive::Value* target = key->findValue(LinkValue);
        Place next;
        if (!target || target->type != TypeLink || ++hops > MaxLinkHops ||
            !placeOfObjectPath(text::utf16FromBytes(target->data), sid_, next))
            return BadPathname;
        at = std::move(next);
    }
}

// As advapi32 walks for a 64-bit program: in the 32-bit view, the first key
// met below the start that has a Wow6432Node is left for it, once.
long PrefixHives::walk(Place& at, const std::vector<std::u16string>& names, bool view32, size_t& done,
                       bool fromStart) {
    int hops = 0;
    done = 0;
    if (long rc = follow(at, hops)) return rc;
    for (; done <= names.size(); ++done) {
        long status = 0;
        hive::Key* key = locate(at, status);
        if (!key) return status;
        if (view32 && (done > 0 || !fromStart || done == names.size())) {
            if (done < names.size() && hive::sameName(names[done], Wow6432Node)) {
                view32 = false;
            } else if (HiveSession* hive = session(at.hive, status)) {
                if (hive::Key* node = hive->doc().child(*key, Wow6432Node)) {
                    at.path.push_back(node->name);
                    view32 = false;
                    if (long rc = follow(at, hops)) return rc;
                    if (!(key = locate(at, status))) return status;
                }
            }
        }
        if (done == names.size()) return Success;
        HiveSession* hive = session(at.hive, status);
        hive::Key* next = hive ? hive->doc().child(*key, names[done]) : nullptr;
        if (!next) return hive ? NotFound : status;
        at.path.push_back(next->name);
        if (long rc = follow(at, hops)) return rc;
    }
    return Success;
}

}  // namespace fk::reg
