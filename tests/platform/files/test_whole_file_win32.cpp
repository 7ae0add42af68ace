// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-file reads and writes the store and the command line use, on
// Windows: a file replaced whole, and anything but a file refused at once.
#include "platform/files/WholeFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fk::files {
namespace {

namespace fs = std::filesystem;

TEST(WholeFile, ReplacedWholeAndReadBackAndOnlyAFileIsRead) {
    const fs::path folder = fs::temp_directory_path() / "fk-whole-file";
    fs::remove_all(folder);
    fs::create_directories(folder / "sub");
    const std::string path = (folder / "out.reg").string();
    FileStamp written, read;
    ASSERT_EQ(replaceFile(path, "first", written), 0);
    ASSERT_EQ(replaceFile(path, std::vector<std::string_view>{"sec", "ond"}, written), 0);
    std::string text;
    ASSERT_EQ(readWholeFile(path, text, read), 0);
    EXPECT_EQ(text, "second");
    EXPECT_EQ(read, written);
    EXPECT_EQ(currentStamp(path), written);
    // A file changed since it was read is left alone.
    std::ofstream(path, std::ios::binary | std::ios::app) << "!";
    EXPECT_EQ(replaceFile(path, {std::string_view("third")}, written, &read), ChangedWhileRead);
    EXPECT_EQ(readWholeFile((folder / "sub").string(), text, read), EISDIR);
    EXPECT_EQ(readWholeFile("NUL", text, read), NotRegularFile);
    EXPECT_EQ(readWholeFile((folder / "missing.reg").string(), text, read), ENOENT);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2) << "nothing left beside it";
    fs::remove_all(folder);
}

}  // namespace
}  // namespace fk::files
