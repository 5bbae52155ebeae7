#include "cli/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace wb {

namespace {

std::string TooLarge(const std::string& what) {
  return what + ": is larger than " + kMaxInputText + ", the most one input may hold";
}

// Reads fd to its end, at most kMaxInputBytes.
bool ReadAll(int fd, const std::string& what, std::string& content, std::string& error) {
  content.clear();
  char chunk[65536];
  for (;;) {
    const ssize_t n = read(fd, chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = what + ": " + std::strerror(errno);
      return false;
    }
    if (n == 0) return true;
    if (content.size() + static_cast<std::size_t>(n) > kMaxInputBytes) {
      error = TooLarge(what);
      content.clear();
      return false;
    }
    content.append(chunk, static_cast<std::size_t>(n));
  }
}

}  // namespace

bool ReadInput(const std::string& name, std::string& content, std::string& error) {
  if (name == "-") return ReadAll(0, "standard input", content, error);
  const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error = name + ": " + std::strerror(errno);
    return false;
  }
  const bool ok = ReadAll(fd, name, content, error);
  close(fd);
  return ok;
}

bool LineReader::Fill() {
  if (eof_ || Failed()) return false;
  if (pos_ > 0) {
    buf_.erase(0, pos_);
    pos_ = 0;
  }
  char chunk[65536];
  for (;;) {
    const ssize_t n = read(fd_, chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      error_ = std::string("standard input: ") + std::strerror(errno);
      return false;
    }
    if (n == 0) {
      eof_ = true;
      return false;
    }
    buf_.append(chunk, static_cast<std::size_t>(n));
    return true;
  }
}

bool LineReader::Next(std::string& line) {
  for (;;) {
    if (skipLf_ && pos_ < buf_.size()) {
      if (buf_[pos_] == '\n') ++pos_;
      skipLf_ = false;
    }
    const std::size_t end = buf_.find_first_of("\r\n", pos_);
    if (end != std::string::npos) {
      line.assign(buf_, pos_, end - pos_);
      skipLf_ = buf_[end] == '\r';
      pos_ = end + 1;
      return true;
    }
    if (buf_.size() - pos_ > kMaxInputBytes) {
      error_ = "standard input: a line is longer than " + std::string(kMaxInputText) +
               ", the most one input may hold";
      return false;
    }
    if (!Fill()) {
      if (Failed() || pos_ >= buf_.size()) return false;
      line.assign(buf_, pos_, std::string::npos);  // the last line, without an end
      pos_ = buf_.size();
      return true;
    }
  }
}

}  // namespace wb
