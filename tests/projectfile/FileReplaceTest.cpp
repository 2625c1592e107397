#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "projectfile/FileReplace.h"

namespace korvane::projectfile {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

mode_t modeOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

class ReplaceFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("korvane-replace-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  void put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // Every name in the folder, so a left-over neighbour shows.
  std::vector<std::string> names(const fs::path& folder) const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
      found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }

  fs::path dir;
};

TEST_F(ReplaceFileTest, ALinkIsFollowedAndStaysALink) {
  fs::create_directories(dir / "real");
  fs::create_directories(dir / "links");
  put(dir / "real" / "plant.ESEProj", "old");
  fs::create_symlink("../real/plant.ESEProj", dir / "links" / "plant.ESEProj");
  fs::create_symlink("plant.ESEProj", dir / "links" / "again.ESEProj");  // a link to the link

  ASSERT_FALSE(ReplaceFile(dir / "links" / "again.ESEProj", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "links" / "plant.ESEProj"));
  EXPECT_TRUE(fs::is_symlink(dir / "links" / "again.ESEProj"));
  EXPECT_EQ(readBytes(dir / "real" / "plant.ESEProj"), "new");
  EXPECT_EQ(names(dir / "real"), std::vector<std::string>{"plant.ESEProj"});
  EXPECT_EQ(names(dir / "links"), (std::vector<std::string>{"again.ESEProj", "plant.ESEProj"}));

  // A link to a file not yet there creates that file.
  fs::create_symlink(dir / "real" / "later.ESEProj", dir / "links" / "later.ESEProj");
  ASSERT_FALSE(ReplaceFile(dir / "links" / "later.ESEProj", "first"));
  EXPECT_TRUE(fs::is_symlink(dir / "links" / "later.ESEProj"));
  EXPECT_EQ(readBytes(dir / "real" / "later.ESEProj"), "first");

  fs::create_symlink("loop-b", dir / "loop-a");
  fs::create_symlink("loop-a", dir / "loop-b");
  EXPECT_EQ(ReplaceFile(dir / "loop-a", "x"), std::errc::too_many_symbolic_link_levels);
}

TEST_F(ReplaceFileTest, ATargetThatIsNoRegularFileIsRefused) {
  fs::create_directories(dir / "folder.ESEProj");
  ASSERT_EQ(::mkfifo((dir / "pipe.ESEProj").c_str(), 0644), 0);
  fs::create_symlink("/dev/null", dir / "null.ESEProj");
  const fs::path targets[] = {dir / "folder.ESEProj", dir / "pipe.ESEProj", dir / "null.ESEProj",
                              "/dev/null", "/dev/full"};
  for (const fs::path& target : targets) {
    // A FIFO is never opened, so nothing waits for a reader.
    EXPECT_EQ(ReplaceFile(target, "bytes"), NotARegularFile()) << target;
  }
  EXPECT_TRUE(fs::is_directory(dir / "folder.ESEProj"));
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.ESEProj"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(names(dir),
            (std::vector<std::string>{"folder.ESEProj", "null.ESEProj", "pipe.ESEProj"}));
  EXPECT_EQ(NotARegularFile().message(), "not a regular file");
}

TEST_F(ReplaceFileTest, PermissionBitsOfAReplacedFileStayAndANewFileFollowsTheUmask) {
  for (mode_t kept : {0600, 0640, 0644, 0755}) {
    const fs::path file = dir / ("kept-" + std::to_string(kept));
    put(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), kept), 0);
    ASSERT_FALSE(ReplaceFile(file, "new"));
    EXPECT_EQ(modeOf(file), kept) << std::oct << kept;
    EXPECT_EQ(readBytes(file), "new");
  }
  struct Case {
    mode_t umask;
    bool ownerOnly;
    mode_t created;
  };
  const Case cases[] = {{022, false, 0644},
                        {077, false, 0600},
                        {002, false, 0664},
                        {022, true, 0600},
                        {002, true, 0600}};
  for (const Case& c : cases) {
    const fs::path file =
        dir / ("new-" + std::to_string(c.umask) + "-" + std::to_string(c.ownerOnly));
    const mode_t before = ::umask(c.umask);
    const std::error_code error = ReplaceFile(file, "new", {.ownerOnly = c.ownerOnly});
    ::umask(before);
    ASSERT_FALSE(error) << error.message();
    EXPECT_EQ(modeOf(file), c.created) << std::oct << c.umask << " " << c.ownerOnly;
  }
}

TEST_F(ReplaceFileTest, AFailedWriteKeepsTheEarlierFileAndLeavesNothingBeside) {
  const fs::path file = dir / "plant.ESEProj";
  put(file, "the earlier copy");
  // A file-size limit makes write() fail part-way, as a full disk does.
  struct rlimit before {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = before;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::error_code error = ReplaceFile(file, std::string(5000, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &before);
  ::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(error, std::errc::file_too_large);
  EXPECT_EQ(readBytes(file), "the earlier copy");
  EXPECT_EQ(names(dir), std::vector<std::string>{"plant.ESEProj"});

  // A folder that is not there: nothing anywhere.
  EXPECT_EQ(ReplaceFile(dir / "gone" / "plant.ESEProj", "x"), std::errc::no_such_file_or_directory);
  EXPECT_EQ(names(dir), std::vector<std::string>{"plant.ESEProj"});
}

TEST_F(ReplaceFileTest, KeepingAnExistingFileNeverReplacesIt) {
  const fs::path file = dir / "recovered.ESEProj";
  ASSERT_FALSE(ReplaceFile(file, "first", {.ownerOnly = true, .keepExisting = true}));
  EXPECT_EQ(ReplaceFile(file, "second", {.keepExisting = true}), std::errc::file_exists);
  EXPECT_EQ(readBytes(file), "first");
  EXPECT_EQ(modeOf(file), 0600u);
  EXPECT_EQ(names(dir), std::vector<std::string>{"recovered.ESEProj"});
}

}  // namespace
}  // namespace korvane::projectfile
