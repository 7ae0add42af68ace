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

std::string lineOf(const hive::ParseError& error) {
    return "line " + std::to_string(error.line) + ": " + error.what;
}

// Damage found here fails the call, says where once, and leaves the file alone.
long HiveSession::load(hive::Key& key) {
    hive::ParseError error;
    if (doc_->load(key, error)) return Success;
    problem_ = "it is damaged: " + lineOf(error);
    if (problem_ != lastReported_) {
        std::fprintf(stderr, "fettlekit: %s: %s\n", path_.c_str(), problem_.c_str());
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
        problem_ = error == ENOENT ? "it was removed by another program" : files::fileErrorText(error);
        return IoFailed;
    }
    hive::ParseError damage;
    auto doc = hive::Document::index(std::move(text), damage);
    if (!doc || !doc->checkChangedSince(*doc_, damage)) {
        problem_ = "another program left it damaged: " + lineOf(damage);
        return BadDatabase;
    }
    doc_ = std::move(doc);
    stamp_ = stamp;
    return Success;
}

// Says once per cause why writes fail, as the caller only gets a code.
long HiveSession::refuse(long status) {
    if (problem_ != lastReported_) {
        std::fprintf(stderr, "fettlekit: %s: not saved, %s\n", path_.c_str(), problem_.c_str());
        lastReported_ = problem_;
    }
    return status;
}

// One write, on disk before it returns: under the writers' lock, on the
// file as it is now, replaced whole. A file another program removed or
// damaged is left alone: it is never made again from the copy in memory.
long HiveSession::commit(const std::function<long(hive::Document&, bool&)>& change) {
    if (readOnly_) return AccessDenied;
    files::WriterLock lock(path_);
    if (int error = lock.error()) {
        problem_ = error == EWOULDBLOCK
                       ? "another writer held the lock beside it for " + std::to_string(files::LockWait.count() / 1000) + " s"
                       : "no lock beside it: " + files::fileErrorText(error);
        return refuse(statusFor(error));
    }
    if (hive::wineServesPrefix(path_)) {
        readOnly_ = true;
        problem_ = "Wine started in this prefix and writes its own copy over the file when it ends";
        return refuse(AccessDenied);
    }
    if (long rc = reloadIfChanged()) return refuse(rc);
    if (::access(path_.c_str(), W_OK) != 0) {
        problem_ = std::strerror(errno);
        return refuse(statusFor(errno));
    }
    // Sections never read are written back as they are: each must be
    // known sound first, so that a damaged file is never rewritten.
    if (hive::ParseError damage; !doc_->check(damage)) {
        problem_ = "it is damaged: " + lineOf(damage);
        return refuse(BadDatabase);
    }
    bool changed = false;
    long rc = change(*doc_, changed);
    if (rc == BadDatabase) return refuse(rc);
    if (rc != Success || !changed) return rc;
    files::FileStamp stamp;
    int error = 0;
    {
        auto saved = doc_->save();
        error = files::replaceFile(path_, saved.pieces(), stamp, &stamp_);
    }
    if (error) {
        // The copy in memory holds a change the file lacks: read it again.
        problem_ = error == files::ChangedWhileRead ? "another program changed it during the save" : files::fileErrorText(error);
        stamp_ = {};
        long status = refuse(statusFor(error));
        reloadIfChanged();
        return status;
    }
    stamp_ = stamp;
    lastReported_.clear();
    // Wine reads the file when it starts: one that started since the check
    // above may hold the older file and save it over this one.
    if (hive::wineServesPrefix(path_)) {
        readOnly_ = true;
        wineStarted_ = true;
        std::fprintf(stderr, "fettlekit: %s: saved, but Wine started in this prefix meanwhile and may write its own "
                             "copy over it when it ends\n", path_.c_str());
    }
    return Success;
}

}  // namespace fk::reg
