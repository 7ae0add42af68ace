// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a hive back in Wine's order, as pieces: what nobody changed goes
// out as it was read.
#include "platform/hive/HiveTree.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace fk::reg::hive {

class KeyIndex;

// A saved file as pieces in order: stretches of the original text, used in
// place and joined where they follow each other, and sections written afresh.
class SavedText {
public:
    SavedText() = default;
    SavedText(SavedText&&) = default;
    SavedText& operator=(SavedText&&) = default;
    SavedText(const SavedText&) = delete;  // the pieces point into it
    SavedText& operator=(const SavedText&) = delete;

    void add(std::string_view piece);
    void addOwned(std::string piece);
    const std::vector<std::string_view>& pieces() const { return pieces_; }
    size_t size() const { return size_; }
    std::string joined() const;

private:
    std::vector<std::string_view> pieces_;
    std::deque<std::string> owned_;  // a deque keeps their addresses
    size_t size_ = 0;
};

// The file's text: its header as read, then every key under `root`, those
// never made into keys straight from `index`. `sectionCount` is the number
// of sections the file read had.
SavedText writeHive(const KeyIndex& index, Original headerBody, Original headerTail, const Key& root, int sectionCount);

}  // namespace fk::reg::hive
