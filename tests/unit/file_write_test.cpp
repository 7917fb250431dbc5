// Writing a text back into a file: refused with the reason and the file left as it was, or written through
// a link with the file's mode, owner and group kept. Names are bytes (here no UTF-8), printed readably.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "tests/unit/expect_throw_msg.h"
#include "tools/ctrlparam/file_write.h"

namespace ctrlparam {
namespace {

constexpr char kRead[] = "A\r\n B \n";  // the file as read, the text "B" in bytes 4 to 5
constexpr ByteRange kText{4, 5};
constexpr char kName[] = "f\xE9\tg\xE9";  // Latin-1, with a tab

std::string slurp(std::string const& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void put(std::string const& path, std::string const& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A new folder holding the file as read, removed with all it holds.
struct Folder {
  Folder() { put(file, kRead); }
  ~Folder() { std::filesystem::remove_all(path); }
  std::size_t entries() const {
    auto const all = std::filesystem::directory_iterator(path);
    return std::size_t(std::distance(begin(all), end(all)));
  }
  std::string path = [] {
    std::string name = std::filesystem::temp_directory_path() / "file_write_XXXXXX";
    return std::string(mkdtemp(name.data()));
  }();
  std::string file = path + '/' + kName;
};

TEST(FileWrite, RefusesWithTheReasonAndLeavesTheFileAsItWas) {
  struct Case {
    std::function<int(Folder const&)> meanwhile;
    WriteMode mode;
    std::string message;  // F: the file's name
  };
  Case const cases[] = {
      {[](Folder const& f) { return put(f.file, "A\r\n B  \n"), 0; }, WriteMode::InPlace,
       "F has changed since it was read"},
      {[](Folder const& f) { return chmod(f.file.c_str(), 0444); }, WriteMode::InPlace, "F is read-only"},
      {[](Folder const& f) { return chmod(f.path.c_str(), 0555); }, WriteMode::InPlace,
       "the folder of F cannot be written"},
      {[](Folder const& f) { return link(f.file.c_str(), (f.path + "/g").c_str()); }, WriteMode::InPlace,
       "F has several names (hard links); an atomic replace would split them"},
      {[](Folder const& f) { return unlink(f.file.c_str()); }, WriteMode::InPlace, "F no longer exists"},
      {[](Folder const&) { return 0; }, WriteMode::NewFile, "F already exists"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.message);
    Folder f;
    ASSERT_EQ(c.meanwhile(f), 0);
    std::string const before = slurp(f.file);
    std::size_t const entries = f.entries();
    std::string message = c.message;
    message.replace(message.find('F'), 1, f.path + "/f\\xE9\\x09g\\xE9");
    EXPECT_THROW_MSG(writeReplaced(f.file, kRead, kText, "C", c.mode), WriteError, message);
    EXPECT_EQ(slurp(f.file), before);
    EXPECT_EQ(f.entries(), entries);
    chmod(f.path.c_str(), 0700);
  }
}

// Several texts of one file in one write: each range replaced, the bytes between them kept; ranges that
// overlap, come out of order or reach past the content are refused and nothing is written.
TEST(FileWrite, SeveralRangesInOneWrite) {
  struct Case {
    std::vector<Replacement> replacements;
    char const* after;  // nullptr: refused
  };
  Case const cases[] = {
      {{{{0, 1}, "X"}, {{4, 5}, "YZ"}}, "X\r\n YZ \n"},
      {{{{0, 1}, ""}, {{1, 3}, "-"}, {{7, 7}, "+"}}, "- B \n+"},
      {{{{0, 2}, "X"}, {{1, 3}, "Y"}}, nullptr},
      {{{{4, 5}, "X"}, {{0, 1}, "Y"}}, nullptr},
      {{{{4, 8}, "X"}}, nullptr},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.after ? c.after : "refused");
    Folder f;
    if (c.after) {
      EXPECT_EQ(writeReplaced(f.file, kRead, c.replacements), c.after);
    } else {
      EXPECT_THROW(writeReplaced(f.file, kRead, c.replacements), std::out_of_range);
    }
    EXPECT_EQ(slurp(f.file), c.after ? c.after : kRead);
  }
}

TEST(FileWrite, WritesThroughALinkKeepingModeOwnerAndGroup) {
  Folder f;
  ASSERT_EQ(chmod(f.file.c_str(), 0640), 0);
  bool const root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(f.file.c_str(), 1234, 5678), 0);
  }
  std::string const link = f.path + "/link";
  ASSERT_EQ(symlink(kName, link.c_str()), 0);
  EXPECT_EQ(writeReplaced(link, kRead, kText, "CD"), "A\r\n CD \n");
  EXPECT_EQ(slurp(f.file), "A\r\n CD \n");
  struct stat status;
  ASSERT_EQ(lstat(link.c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode));
  ASSERT_EQ(stat(f.file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(std::pair(status.st_uid, status.st_gid), std::pair(1234u, 5678u));
  }
  EXPECT_EQ(f.entries(), 2u);  // no temporary file left

  // Save As: the same bytes under another name, replacing a file there only when asked to.
  std::string const copy = f.path + "/copy";
  writeReplaced(copy, kRead, kText, "E", WriteMode::NewFile);
  writeReplaced(copy, kRead, kText, "G", WriteMode::ReplaceExisting);
  EXPECT_EQ(slurp(copy), "A\r\n G \n");
}

}  // namespace
}  // namespace ctrlparam
