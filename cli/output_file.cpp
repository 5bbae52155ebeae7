#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace wb {

namespace {

// ---- temporaries removed on signals -------------------------------------
//
// A fixed table that a signal handler can walk without locks or allocation:
// a slot is claimed (1), filled, then marked live (2); the handler unlinks
// the live ones.
// Room for a temporary per worker thread (at most 256) and then some.
constexpr int kCleanupSlots = 1024;
constexpr std::size_t kCleanupPathMax = 4096;

struct CleanupSlot {
  std::atomic<int> state{0};
  char path[kCleanupPathMax];
};

CleanupSlot g_cleanup[kCleanupSlots];

int RegisterTemporary(const std::string& path) {
  if (path.size() >= kCleanupPathMax) return -1;
  for (int i = 0; i < kCleanupSlots; ++i) {
    int expected = 0;
    if (!g_cleanup[i].state.compare_exchange_strong(expected, 1)) continue;
    std::memcpy(g_cleanup[i].path, path.c_str(), path.size() + 1);
    g_cleanup[i].state.store(2);
    return i;
  }
  return -1;
}

void ForgetTemporary(int slot) {
  if (slot >= 0) g_cleanup[slot].state.store(0);
}

extern "C" void RemoveTemporariesAndDie(int sig) {
  for (CleanupSlot& s : g_cleanup)
    if (s.state.load() == 2) unlink(s.path);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

// The process's file-creation mask, read without changing it where the
// system tells it (Linux), else by setting and restoring it once.
mode_t CreationMask() {
  static const mode_t mask = [] {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    mode_t m = umask(022);
    umask(m);
    return m;
  }();
  return mask;
}

std::string Reason(int err) { return std::strerror(err); }

// The descriptor that a name like "/dev/stdout" or "/dev/fd/3" stands for,
// or -1. Writing through the open descriptor keeps what the shell set up
// (">>" appends, the offset is shared).
int DescriptorNamed(const std::string& path) {
  if (path == "/dev/stdout") return 1;
  if (path == "/dev/stderr") return 2;
  for (const char* prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    const std::string p(prefix);
    if (path.rfind(p, 0) != 0 || path.size() == p.size() || path.size() > p.size() + 6) continue;
    int n = 0;
    for (std::size_t i = p.size(); i < path.size(); ++i) {
      if (path[i] < '0' || path[i] > '9') return -1;
      n = n * 10 + (path[i] - '0');
    }
    return n;
  }
  return -1;
}

// Follows symbolic links to the file they name. A link into /proc or
// /dev/fd ("/dev/stdout") names an open descriptor, not a place to put a
// new file: descriptor is set and the walk stops.
std::string FollowLinks(const std::string& path, bool& descriptor) {
  std::string p = path;
  descriptor = p.rfind("/proc/", 0) == 0 || p.rfind("/dev/fd/", 0) == 0;
  for (int hop = 0; hop < 40 && !descriptor; ++hop) {
    struct stat st;
    if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::vector<char> buf(kCleanupPathMax);
    const ssize_t n = readlink(p.c_str(), buf.data(), buf.size() - 1);
    if (n <= 0) break;
    std::string target(buf.data(), static_cast<std::size_t>(n));
    if (target[0] != '/') {
      const std::size_t slash = p.rfind('/');
      target = (slash == std::string::npos ? std::string() : p.substr(0, slash + 1)) + target;
    }
    p = target;
    descriptor = p.rfind("/proc/", 0) == 0 || p.rfind("/dev/fd/", 0) == 0;
  }
  return p;
}

// The temporary's name: hidden, beside the target, short enough for any
// file system.
std::string TemporaryTemplate(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.size() > 200) name.resize(200);
  return dir + "." + name + ".wenb97-XXXXXX";
}

}  // namespace

void InstallOutputCleanup() {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM,
                  SIGPROF}) {
    struct sigaction old;
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;  // nohup and the like
    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_handler = RemoveTemporariesAndDie;
    sigemptyset(&sa.sa_mask);
    sigaction(sig, &sa, nullptr);
  }
  // Past the file-size limit a write fails with EFBIG and is reported like a
  // full disk, instead of the signal ending the program mid-file.
  std::signal(SIGXFSZ, SIG_IGN);
  CreationMask();
}

bool OutputFile::Fail(std::string& error, const std::string& reason) {
  error = path_ + ": cannot be written: " + reason;
  Abandon();
  return false;
}

bool OutputFile::Open(const std::string& path, std::string& error) {
  Abandon();
  path_ = path;
  direct_ = false;
  bool descriptor = false;
  target_ = FollowLinks(path, descriptor);

  struct stat st;
  const bool exists = stat(target_.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) {
    error = path + ": is a directory";
    return false;
  }
  if (descriptor || (exists && !S_ISREG(st.st_mode))) {
    direct_ = true;
    const int named = DescriptorNamed(descriptor ? target_ : path);
    fd_ = named >= 0 ? fcntl(named, F_DUPFD_CLOEXEC, 3) : open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return Fail(error, Reason(errno));
    return true;
  }
  // A file we may not write is not replaced behind its owner's back.
  if (exists && access(target_.c_str(), W_OK) != 0) return Fail(error, Reason(errno));

  std::string name = TemporaryTemplate(target_);
  std::vector<char> buf(name.begin(), name.end());
  buf.push_back('\0');
  fd_ = mkostemp(buf.data(), O_CLOEXEC);  // O_EXCL: never an existing file
  if (fd_ < 0) return Fail(error, Reason(errno));
  temp_.assign(buf.data());
  cleanupSlot_ = RegisterTemporary(temp_);
  const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CreationMask());
  if (fchmod(fd_, mode) != 0) return Fail(error, Reason(errno));
  return true;
}

bool OutputFile::Write(std::string_view bytes, std::string& error) {
  if (fd_ < 0) return Fail(error, "not open");
  while (!bytes.empty()) {
    const ssize_t n = write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(error, Reason(errno));
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool OutputFile::Commit(std::string& error) {
  if (fd_ < 0) return Fail(error, "not open");
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) return Fail(error, Reason(errno));
  if (direct_) return true;
  if (rename(temp_.c_str(), target_.c_str()) != 0) return Fail(error, Reason(errno));
  ForgetTemporary(cleanupSlot_);
  cleanupSlot_ = -1;
  temp_.clear();
  return true;
}

void OutputFile::Abandon() {
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) {
    unlink(temp_.c_str());
    temp_.clear();
  }
  ForgetTemporary(cleanupSlot_);
  cleanupSlot_ = -1;
}

bool LinkReplacing(const std::string& from, const std::string& to, std::string& error) {
  // A fresh name beside the target: made by mkstemp, then freed for the link.
  std::string name = TemporaryTemplate(to);
  std::vector<char> buf(name.begin(), name.end());
  buf.push_back('\0');
  const int fd = mkostemp(buf.data(), O_CLOEXEC);
  if (fd < 0) {
    error = to + ": cannot be written: " + Reason(errno);
    return false;
  }
  close(fd);
  const std::string temp(buf.data());
  const int slot = RegisterTemporary(temp);
  bool ok = unlink(temp.c_str()) == 0 && link(from.c_str(), temp.c_str()) == 0;
  if (ok) ok = rename(temp.c_str(), to.c_str()) == 0;
  if (!ok) {
    error = to + ": cannot be linked: " + Reason(errno);
    unlink(temp.c_str());
  }
  ForgetTemporary(slot);
  return ok;
}

bool WriteOutputFile(const std::string& path, std::string_view content, std::string& error) {
  OutputFile out;
  return out.Open(path, error) && out.Write(content, error) && out.Commit(error);
}

}  // namespace wb
