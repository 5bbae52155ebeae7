#pragma once
// Reading the tool's input: a file or standard input, whole or line by line.
// Every read is bounded, and every failure (a directory, a closed standard
// input, a read error) is reported with the system's reason.

#include <cstddef>
#include <string>

namespace wb {

// The most one input (a file, standard input, one line of it) may hold; the
// tool keeps several working copies of a page, so this bounds its memory.
inline constexpr std::size_t kMaxInputBytes = std::size_t{128} << 20;
inline constexpr const char* kMaxInputText = "128 MiB";

// Reads a whole file, or standard input for "-". False with "NAME: reason"
// in error ("standard input: ..." for "-").
bool ReadInput(const std::string& name, std::string& content, std::string& error);

// Lines of standard input. A line ends at LF, CR LF or a CR alone; the end
// is not part of the line. The last line counts even without an end.
class LineReader {
 public:
  explicit LineReader(int fd = 0) : fd_(fd) {}
  // False at the end of the input or on failure (then Failed() and Error()).
  bool Next(std::string& line);
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  bool Fill();

  int fd_;
  std::string buf_;
  std::size_t pos_ = 0;
  bool eof_ = false;
  bool skipLf_ = false;  // a CR ended the last line; a LF right after it belongs to it
  std::string error_;
};

}  // namespace wb
