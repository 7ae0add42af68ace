// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scope of bulk work on a registry: rolled back when it ends without a
// commit, so that no path out of a function leaves half of it behind.
#include "platform/registry/Registry.h"

namespace fk::reg {

class Transaction {
public:
    explicit Transaction(Registry& registry) : registry_(registry), active_(registry.beginTransaction() == Success) {}
    ~Transaction() { rollback(); }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // False when the backend keeps no transactions: each call landed already.
    bool active() const { return active_; }
    // Success, or why nothing was saved (then everything is rolled back).
    long commit() {
        if (!active_) return Success;
        active_ = false;
        return registry_.commitTransaction();
    }
    void rollback() {
        if (active_) registry_.rollbackTransaction();
        active_ = false;
    }

private:
    Registry& registry_;
    bool active_;
};

}  // namespace fk::reg
