// Reading input: every line found whatever ends it, every failure named.
#include "cli/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace wb {
namespace {

// The lines a reader finds in bytes written to a pipe in the pieces given
// (so that a CR LF may be split between two reads).
std::vector<std::string> LinesOf(const std::vector<std::string>& pieces) {
  int p[2];
  EXPECT_EQ(pipe(p), 0);
  std::thread writer([&] {
    for (const std::string& piece : pieces) {
      EXPECT_EQ(write(p[1], piece.data(), piece.size()), static_cast<ssize_t>(piece.size()));
      usleep(2000);
    }
    close(p[1]);
  });
  LineReader reader(p[0]);
  std::vector<std::string> lines;
  std::string line;
  while (reader.Next(line)) lines.push_back(line);
  EXPECT_FALSE(reader.Failed()) << reader.Error();
  writer.join();
  close(p[0]);
  return lines;
}

TEST(LineReader, EveryLineEndCounts) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(LinesOf({"a\nb\r\nc\rd"}), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(LinesOf({"a\r", "\nb\r", "c\n\n"}), (Lines{"a", "b", "c", ""}));
  EXPECT_EQ(LinesOf({"\r\r\n\n"}), (Lines{"", "", ""}));
  EXPECT_EQ(LinesOf({}), Lines{});
  EXPECT_EQ(LinesOf({"no end"}), (Lines{"no end"}));
}

TEST(LineReader, ReadFailuresAreReported) {
  const int dir = open(std::filesystem::temp_directory_path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(dir, 0);
  LineReader fromDir(dir);
  std::string line;
  EXPECT_FALSE(fromDir.Next(line));
  EXPECT_EQ(fromDir.Error(), "standard input: Is a directory");
  close(dir);
  LineReader closed(-1);
  EXPECT_FALSE(closed.Next(line));
  EXPECT_EQ(closed.Error(), "standard input: Bad file descriptor");
}

TEST(ReadInput, NamesTheFileAndTheReason) {
  std::string content, error;
  EXPECT_FALSE(ReadInput("/no/such/page.html", content, error));
  EXPECT_EQ(error, "/no/such/page.html: No such file or directory");
  const std::string dir = std::filesystem::temp_directory_path().string();
  EXPECT_FALSE(ReadInput(dir, content, error));
  EXPECT_EQ(error, dir + ": Is a directory");
  // An endless input stops at the limit instead of filling the memory.
  EXPECT_FALSE(ReadInput("/dev/zero", content, error));
  EXPECT_EQ(error, "/dev/zero: is larger than 128 MiB, the most one input may hold");
  EXPECT_TRUE(content.empty());
}

}  // namespace
}  // namespace wb
