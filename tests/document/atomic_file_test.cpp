#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/atomic_file.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
protected:
  AtomicFile() {
    std::string pattern = (fs::temp_directory_path() / "korvix_atomic_XXXXXX").string();
    folder = ::mkdtemp(pattern.data());
  }
  ~AtomicFile() override { fs::remove_all(folder); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  static mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder;
};

TEST_F(AtomicFile, NewFilesFollowTheUmaskAndExistingOnesKeepTheirMode) {
  struct ModeCase {
    mode_t umask;
    int existing;  // -1: the file is new
    mode_t expected;
  };
  const ModeCase cases[] = {
      {077, -1, 0600}, {022, -1, 0644}, {027, -1, 0640}, {022, 0600, 0600}, {077, 0664, 0664},
  };
  for (const ModeCase& c : cases) {
    const fs::path path = folder / "plant.kvx";
    fs::remove(path);
    if (c.existing >= 0) {
      Write(path, "old");
      ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(c.existing)), 0);
    }
    const mode_t previous = ::umask(c.umask);
    const std::string error = WriteFileAtomically(path.string(), "new");
    ::umask(previous);
    ASSERT_EQ(error, "");
    EXPECT_EQ(ModeOf(path), c.expected) << std::oct << c.umask << " " << c.existing;
    EXPECT_EQ(Read(path), "new");
  }
}

TEST_F(AtomicFile, SavingOntoALinkWritesTheFileItPointsTo) {
  fs::create_directory(folder / "real");
  Write(folder / "real" / "plant.kvx", "old");
  ASSERT_EQ(::chmod((folder / "real" / "plant.kvx").c_str(), 0640), 0);
  fs::create_symlink("real/plant.kvx", folder / "link.kvx");
  fs::create_symlink("link.kvx", folder / "chain.kvx");

  ASSERT_EQ(WriteFileAtomically((folder / "chain.kvx").string(), "new"), "");
  EXPECT_TRUE(fs::is_symlink(folder / "chain.kvx"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.kvx"));
  EXPECT_EQ(Read(folder / "real" / "plant.kvx"), "new");
  EXPECT_EQ(ModeOf(folder / "real" / "plant.kvx"), 0640u);
  EXPECT_EQ((Names()), (std::vector<std::string>{"chain.kvx", "link.kvx", "real"}));
  EXPECT_EQ(fs::directory_iterator(folder / "real")->path().filename(), "plant.kvx");
}

TEST_F(AtomicFile, OldTemporariesOfTheSameFileAreSweptOnSave) {
  const auto age = [this](const char* name, std::chrono::hours hours) {
    Write(folder / name, std::string(100, 'x'));
    fs::last_write_time(folder / name, fs::file_time_type::clock::now() - hours);
  };
  age("plant.kvx.Ab12Cd.tmp", std::chrono::hours(30));  // a killed save of ours
  age("plant.kvx.Xy34Zw.tmp", std::chrono::hours(2));   // may be a save running now
  age("other.kvx.Ab12Cd.tmp", std::chrono::hours(30));  // another project's
  age("plant.kvx.backup", std::chrono::hours(30));      // the user's own files
  age("plant.kvx.copy.tmp", std::chrono::hours(30));
  age("plant.kvx.Ab12C.tmp", std::chrono::hours(30));
  fs::create_directory(folder / "plant.kvx.Qq11Qq.tmp");
  fs::last_write_time(folder / "plant.kvx.Qq11Qq.tmp", fs::file_time_type::clock::now() - std::chrono::hours(30));

  ASSERT_EQ(WriteFileAtomically((folder / "plant.kvx").string(), "new"), "");
  EXPECT_EQ((Names()), (std::vector<std::string>{"other.kvx.Ab12Cd.tmp", "plant.kvx", "plant.kvx.Ab12C.tmp",
                                                 "plant.kvx.Qq11Qq.tmp", "plant.kvx.Xy34Zw.tmp", "plant.kvx.backup",
                                                 "plant.kvx.copy.tmp"}));
}

TEST_F(AtomicFile, AFailedSaveLeavesNothingBehind) {
  const std::string error = WriteFileAtomically((folder / "missing" / "plant.kvx").string(), "new");
  EXPECT_NE(error.find("could not be saved (temporary file)"), std::string::npos) << error;
  // A folder in the way of the rename: the temporary is already written.
  fs::create_directory(folder / "plant.kvx");
  Write(folder / "plant.kvx" / "inside", "x");
  EXPECT_NE(WriteFileAtomically((folder / "plant.kvx").string(), "new").find("(rename)"), std::string::npos);
  EXPECT_EQ((Names()), (std::vector<std::string>{"plant.kvx"}));
}

}  // namespace
}  // namespace korvix
