#include "html/page_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace wb {

namespace fs = std::filesystem;

namespace {

std::string Reason(int err, const char* fallback) {
  return err != 0 ? std::string(std::strerror(err)) : std::string(fallback);
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& content, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    error = path + ": is a directory";
    return false;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": " + Reason(errno, "cannot be opened");
    return false;
  }
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = path + ": " + Reason(errno, "read error");
    return false;
  }
  return true;
}

bool WriteFileReplacing(const std::string& path, std::string_view content, std::string& error) {
  std::random_device rd;
  std::string temp = path + ".part" + std::to_string(rd() % 1000000);
  {
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = path + ": cannot be written: " + Reason(errno, "cannot create a file there");
      return false;
    }
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      int err = errno;
      out.close();
      std::error_code ec;
      fs::remove(temp, ec);
      error = path + ": cannot be written: " + Reason(err, "write error (is the disk full?)");
      return false;
    }
    out.close();
    if (!out) {
      int err = errno;
      std::error_code ec;
      fs::remove(temp, ec);
      error = path + ": cannot be written: " + Reason(err, "write error (is the disk full?)");
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    error = path + ": cannot be written: " + ec.message();
    return false;
  }
  return true;
}

}  // namespace wb
