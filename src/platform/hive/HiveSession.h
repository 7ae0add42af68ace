// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hive document kept in step with its file: read again when another
// program replaced the file, and changed only through commit(), which puts
// each change on disk whole or not at all.
#include "platform/hive/HiveDocument.h"
#include "platform/hive/HiveFile.h"
#include "platform/registry/Problem.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fk::reg {

// advapi32 codes the hive file's troubles are told by.
inline constexpr long BadDatabase = 1009;
inline constexpr long IoFailed = 1016;

class HiveSession {
public:
    HiveSession(std::string path, std::unique_ptr<hive::Document> doc, files::FileStamp stamp, bool readOnly)
        : path_(std::move(path)), doc_(std::move(doc)), stamp_(stamp), readOnly_(readOnly) {}

    hive::Document& doc() { return *doc_; }
    bool readOnly() const { return readOnly_; }
    // Before each call: picks up another program's change, if any.
    void refresh() {
        if (!dirty_) reloadIfChanged();
    }
    // Reads a key's section when first needed: BadDatabase if damaged.
    long load(hive::Key& key);
    // Runs `change` on the file as it is now, under the writers' lock, and
    // saves when it says it changed something. A file another program
    // changes during the save is left alone (a failure code).
    //
    // Wine is looked for before and again after the save. Found only after,
    // the save stands and commit() returns Success, but Wine may have read
    // the older file and save it over this one when it ends: the session
    // turns read-only, says so on standard error, and takeWineStarted()
    // answers true once, for the caller to tell the user.
    // Inside a transaction the change lands in memory only, for save(),
    // and is kept to be made again should another program change the file
    // before then.
    using Change = std::function<long(hive::Document&, bool&)>;
    long commit(const Change& change);
    bool takeWineStarted() { return std::exchange(wineStarted_, false); }

    // A transaction: changes stay in memory from begin() on; dirty() says
    // whether any was made. prepare() takes the writers' lock and makes the
    // checks a save needs (on a file another program changed since begin(),
    // read again, the changes are made again); save() then writes the file
    // once, and a failure of either
    // puts the file's own text back in memory, as rollback() does.
    void begin();
    bool inTransaction() const { return inTransaction_; }
    bool dirty() const { return dirty_; }
    long prepare(std::unique_ptr<files::WriterLock>& lock);
    // Writes the new text beside the file, for save() to put in place; a
    // failure rolls back as save()'s does. Without it, save() does both.
    long stage();
    long save();
    void rollback();

private:
    long reloadIfChanged();
    long refuse(long status);
    long lockAndCheck(std::unique_ptr<files::WriterLock>& lock);
    long write();
    long place();
    long failed(int error);
    void said(Problem::Why why, int error = 0, long number = 0) { problem_ = Problem::of(why, path_, error, number); }
    void forgetChanges();
    void end() {
        inTransaction_ = dirty_ = false;
        made_.clear();
    }

    std::string path_;
    std::unique_ptr<hive::Document> doc_;
    files::FileStamp stamp_;
    bool readOnly_;
    bool wineStarted_ = false;
    bool inTransaction_ = false, dirty_ = false;
    std::vector<Change> made_;  // the transaction's changes, in order
    std::unique_ptr<hive::SavedText> saved_;  // what staged_ points into
    std::unique_ptr<files::StagedFile> staged_;
    Problem problem_, lastReported_;
};

// The file's damage as a problem of `why` (Damaged or DamagedByOther).
Problem damageOf(Problem::Why why, const std::string& path, const hive::ParseError& error);

}  // namespace fk::reg
