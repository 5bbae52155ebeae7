// Result files: replaced whole or not at all, special files written into,
// links followed, modes kept, nothing left behind.
#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace wb {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("wb_output_test_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static void Put(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  // Everything in the folder but the names given.
  std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }

  fs::path dir_;
};

TEST_F(OutputFileTest, ReplacesWholeOrNotAtAll) {
  const std::string out = Path("out.html");
  Put(out, "OLD");
  std::string error;
  {
    OutputFile f;
    ASSERT_TRUE(f.Open(out, error)) << error;
    ASSERT_TRUE(f.Write("NEW PAGE", error)) << error;
    // The temporary lies beside the file until the result is complete.
    EXPECT_EQ(Entries(), 2u);
    EXPECT_EQ(Read(out), "OLD");
    // Given up (a declined page, a failure): the old file stays.
  }
  EXPECT_EQ(Read(out), "OLD");
  EXPECT_EQ(Entries(), 1u);
  ASSERT_TRUE(WriteOutputFile(out, "NEW PAGE", error)) << error;
  EXPECT_EQ(Read(out), "NEW PAGE");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(OutputFileTest, KeepsTheModeOfAReplacedFile) {
  const std::string out = Path("shared.html");
  Put(out, "OLD");
  ASSERT_EQ(chmod(out.c_str(), 0640), 0);
  std::string error;
  ASSERT_TRUE(WriteOutputFile(out, "NEW", error)) << error;
  struct stat st;
  ASSERT_EQ(stat(out.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A new file gets the usual mode for the file-creation mask.
  const mode_t mask = umask(022);
  umask(mask);
  ASSERT_TRUE(WriteOutputFile(Path("new.html"), "x", error)) << error;
  ASSERT_EQ(stat(Path("new.html").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
}

TEST_F(OutputFileTest, FollowsSymbolicLinks) {
  fs::create_directories(dir_ / "real");
  Put(Path("real/page.html"), "OLD");
  fs::create_symlink("real/page.html", dir_ / "link.html");
  std::string error;
  ASSERT_TRUE(WriteOutputFile(Path("link.html"), "NEW", error)) << error;
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.html"));
  EXPECT_EQ(Read(Path("real/page.html")), "NEW");
  // A link to a file not there yet: the file is made where the link points.
  fs::create_symlink("real/later.html", dir_ / "dangling.html");
  ASSERT_TRUE(WriteOutputFile(Path("dangling.html"), "MADE", error)) << error;
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.html"));
  EXPECT_EQ(Read(Path("real/later.html")), "MADE");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "real"), {}), 2);
}

TEST_F(OutputFileTest, WritesStraightIntoSpecialFiles) {
  std::string error;
  // A FIFO stays a FIFO and its reader gets the result.
  const std::string fifo = Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string got;
  std::thread reader([&] { got = Read(fifo); });
  ASSERT_TRUE(WriteOutputFile(fifo, "THROUGH THE PIPE", error)) << error;
  reader.join();
  EXPECT_EQ(got, "THROUGH THE PIPE");
  EXPECT_TRUE(fs::is_fifo(fifo));
  // A device stays the device. As root a regression would rename over the
  // real /dev/null, so a node of our own stands in for it then.
  std::string dev = "/dev/null";
  if (getuid() == 0) {
    dev = Path("null");
    ASSERT_EQ(mknod(dev.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  }
  ASSERT_TRUE(WriteOutputFile(dev, "gone", error)) << error;
  EXPECT_TRUE(fs::is_character_file(dev));
  EXPECT_EQ(Entries(), getuid() == 0 ? 2u : 1u);  // no temporaries beside them
}

TEST_F(OutputFileTest, DescriptorNamesWriteThroughTheOpenDescriptor) {
  // "/dev/fd/N" appends where the descriptor was opened for appending.
  const std::string log = Path("log");
  Put(log, "first\n");
  const int fd = open(log.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(fd, 0);
  std::string error;
  ASSERT_TRUE(WriteOutputFile("/dev/fd/" + std::to_string(fd), "second\n", error)) << error;
  close(fd);
  EXPECT_EQ(Read(log), "first\nsecond\n");
}

TEST_F(OutputFileTest, RefusesWhatCannotBeWritten) {
  std::string error;
  OutputFile f;
  // A missing folder is found before any work is done.
  EXPECT_FALSE(f.Open(Path("no/such/dir/out.html"), error));
  EXPECT_EQ(error, Path("no/such/dir/out.html") + ": cannot be written: No such file or directory");
  EXPECT_FALSE(f.Open(dir_.string(), error));
  EXPECT_EQ(error, dir_.string() + ": is a directory");
  if (getuid() != 0) {
    Put(Path("ro.html"), "KEEP");
    chmod(Path("ro.html").c_str(), 0444);
    EXPECT_FALSE(f.Open(Path("ro.html"), error));
    EXPECT_EQ(Read(Path("ro.html")), "KEEP");
  }
  // A full device: the failure is reported, nothing is left.
  OutputFile full;
  ASSERT_TRUE(full.Open("/dev/full", error)) << error;
  EXPECT_FALSE(full.Write("x", error));
  EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
}

}  // namespace
}  // namespace wb
