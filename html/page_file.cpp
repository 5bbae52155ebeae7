#include "html/page_file.h"

#include <cerrno>
#include <cstdio>
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

bool ReadWholeFile(const std::string& path, std::string& content, std::string& error, std::size_t maxBytes) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    error = path + ": is a directory";
    return false;
  }
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    error = path + ": " + Reason(errno, "cannot be opened");
    return false;
  }
  content.clear();
  const std::uintmax_t size = fs::file_size(path, ec);
  if (!ec && size < maxBytes) content.reserve(static_cast<std::size_t>(size));
  char chunk[65536];
  bool tooLarge = false;
  errno = 0;
  for (;;) {
    std::size_t got = std::fread(chunk, 1, sizeof chunk, f);
    content.append(chunk, got);
    if (content.size() > maxBytes) {
      tooLarge = true;
      break;
    }
    if (got < sizeof chunk) break;
  }
  const bool failed = std::ferror(f) != 0;
  const int err = errno;
  std::fclose(f);
  if (failed) {
    error = path + ": " + Reason(err, "read error");
    return false;
  }
  if (tooLarge) {
    error = path + ": is larger than " + std::to_string(maxBytes) + " bytes";
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
