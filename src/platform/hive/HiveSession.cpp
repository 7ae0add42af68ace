// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveSession.h"

#include "platform/registry/Registry.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace fk::reg {

namespace {

// advapi32 codes beyond the common ones of Registry.h.
constexpr long WriteFault = 29;
constexpr long DiskFull = 112;
constexpr long FileTooLarge = 223;

long statusFor(int error) {
    switch (error) {
    case EACCES: case EPERM: case EROFS: return AccessDenied;
    case ENOSPC: case EDQUOT: return DiskFull;
    case EFBIG: return FileTooLarge;
    default: return WriteFault;
    }
}

}  // namespace

Problem damageOf(Problem::Why why, const std::string& path, const hive::ParseError& error) {
    Problem problem = Problem::of(why, path);
    problem.line = error.line;
    problem.damage = error.what;
    problem.excerpt = error.excerpt;
    return problem;
}

// Damage found here fails the call, says where once, and leaves the file alone.
long HiveSession::load(hive::Key& key) {
    hive::ParseError error;
    if (doc_->load(key, error)) return Success;
    problem_ = damageOf(Problem::Why::Damaged, path_, error);
    if (problem_ != lastReported_) {
        std::fprintf(stderr, "fettlekit: %s\n", englishText(problem_).c_str());
        lastReported_ = problem_;
    }
    return BadDatabase;
}

// Indexes the file again when another program replaced it, reading only
// the sections it changed. A damaged or vanished file keeps the copy in
// memory.
long HiveSession::reloadIfChanged() {
    if (files::currentStamp(path_) == stamp_) return Success;
    files::FileStamp stamp;
    int error = 0;
    auto text = hive::readHiveFile(path_, stamp, error);
    if (!text) {
        if (error == ENOENT) said(Problem::Why::Removed);
        else said(Problem::Why::Unreadable, error);
        return IoFailed;
    }
    hive::ParseError damage;
    auto doc = hive::Document::index(std::move(text), damage);
    if (!doc || !doc->checkChangedSince(*doc_, damage)) {
        problem_ = damageOf(Problem::Why::DamagedByOther, path_, damage);
        return BadDatabase;
    }
    doc_ = std::move(doc);
    stamp_ = stamp;
    return Success;
}

// Says once per cause why writes fail, as the caller only gets a code.
long HiveSession::refuse(long status) {
    if (problem_ != lastReported_) {
        std::fprintf(stderr, "fettlekit: not saved: %s\n", englishText(problem_).c_str());
        lastReported_ = problem_;
    }
    return status;
}

// The writers' lock, then what a save must find: no Wine, the file as
// read (a change of another program is picked up outside a transaction and
// refuses one), writable, and sound.
long HiveSession::lockAndCheck(std::unique_ptr<files::WriterLock>& lock) {
    if (readOnly_) return AccessDenied;
    lock = std::make_unique<files::WriterLock>(path_);
    if (int error = lock->error()) {
        if (error == EWOULDBLOCK) said(Problem::Why::LockHeld, 0, long(files::LockWait.count() / 1000));
        else said(Problem::Why::NoLock, error);
        return refuse(statusFor(error));
    }
    if (hive::wineServesPrefix(path_)) {
        readOnly_ = true;
        said(Problem::Why::WineStarted);
        return refuse(AccessDenied);
    }
    if (dirty_ && !(files::currentStamp(path_) == stamp_)) {
        // Another program's change since the begin: the transaction's changes
        // are made again on the file as it is now, all of them or none.
        if (long rc = reloadIfChanged()) return refuse(rc);
        for (const Change& change : made_) {
            bool changed = false;
            if (long rc = change(*doc_, changed); rc != Success) {
                said(Problem::Why::ChangesDoNotFit);
                return refuse(rc == BadDatabase ? rc : statusFor(files::ChangedWhileRead));
            }
        }
    }
    if (long rc = reloadIfChanged()) return refuse(rc);
    if (::access(path_.c_str(), W_OK) != 0) {
        const int error = errno;
        said(Problem::Why::Unwritable, error);
        return refuse(statusFor(error));
    }
    // Sections never read are written back as they are: each must be
    // known sound first, so that a damaged file is never rewritten.
    if (hive::ParseError damage; !doc_->check(damage)) {
        problem_ = damageOf(Problem::Why::Damaged, path_, damage);
        return refuse(BadDatabase);
    }
    return Success;
}

// The file replaced whole; on failure the file's own text is read again.
long HiveSession::write() {
    files::SignalsHeld held;  // nothing is left half done beside the file
    if (long rc = stage()) return rc;
    return place();
}

long HiveSession::stage() {
    if (staged_) return Success;
    saved_ = std::make_unique<hive::SavedText>(doc_->save());
    staged_ = std::make_unique<files::StagedFile>(path_, saved_->pieces(), &stamp_);
    return staged_->error() ? failed(staged_->error()) : Success;
}

long HiveSession::failed(int error) {
    staged_.reset();
    saved_.reset();
    if (error == files::ChangedWhileRead) said(Problem::Why::ChangedDuringSave);
    else said(Problem::Why::Unwritable, error);
    long status = refuse(statusFor(error));
    forgetChanges();
    return status;
}

long HiveSession::place() {
    files::FileStamp stamp;
    if (int error = staged_->commit(stamp)) return failed(error);
    staged_.reset();
    saved_.reset();
    stamp_ = stamp;
    dirty_ = false;
    lastReported_ = {};
    // Wine reads the file when it starts: one that started since the check
    // may hold the older file and save it over this one.
    if (hive::wineServesPrefix(path_)) {
        readOnly_ = true;
        wineStarted_ = true;
        std::fprintf(stderr, "fettlekit: %s: saved, but Wine started in this prefix meanwhile and may write its own "
                             "copy over it when it ends\n", path_.c_str());
    }
    return Success;
}

// One write, on disk before it returns: under the writers' lock, on the
// file as it is now, replaced whole. A file another program removed or
// damaged is left alone: it is never made again from the copy in memory.
long HiveSession::commit(const Change& change) {
    if (readOnly_) return AccessDenied;
    bool changed = false;
    if (inTransaction_) {
        long rc = change(*doc_, changed);
        if (changed) made_.push_back(change);
        dirty_ = dirty_ || changed;
        return rc == BadDatabase ? refuse(rc) : rc;
    }
    std::unique_ptr<files::WriterLock> lock;
    if (long rc = lockAndCheck(lock)) return rc;
    long rc = change(*doc_, changed);
    if (rc == BadDatabase) return refuse(rc);
    if (rc != Success || !changed) return rc;
    return write();
}

void HiveSession::begin() {
    if (inTransaction_) return;
    reloadIfChanged();
    inTransaction_ = true;
    dirty_ = false;
}

long HiveSession::prepare(std::unique_ptr<files::WriterLock>& lock) {
    if (!dirty_) return Success;
    long rc = lockAndCheck(lock);
    if (rc) rollback();
    return rc;
}

long HiveSession::save() {
    long rc = dirty_ ? write() : Success;
    end();
    return rc;
}

// The changes held are forgotten: the file's text, as it is now, comes back.
void HiveSession::rollback() {
    if (dirty_) forgetChanges();
    end();
}

// Read again even when the file looks unchanged. Memory that cannot be
// put back as the file has it takes no more writes.
void HiveSession::forgetChanges() {
    staged_.reset();
    saved_.reset();
    stamp_ = {};
    stamp_.size = -2;
    dirty_ = false;
    if (reloadIfChanged()) readOnly_ = true;
}

}  // namespace fk::reg
