#pragma once
// Writing a result so that nothing is lost or clobbered.
//
// A regular file (or a name that does not exist yet) is written to a
// temporary file beside it, created exclusively, and renamed into place
// only when the whole result is there: a failed or interrupted run leaves
// the old file as it was and no temporary behind. A replaced file keeps its
// permission bits. A symbolic link is followed: the file it names is
// replaced and the link stays. Anything that is not a regular file (a
// terminal, /dev/null, a FIFO, /dev/stdout) is written straight into, as
// "sort -o" and "cp" do; renaming over it would replace the device itself.
//
// Temporary files are removed on every signal the program can catch
// (InstallOutputCleanup), and a write beyond the file-size limit fails with
// a message instead of killing the program.

#include <string>
#include <string_view>

namespace wb {

// Installs the signal handlers that remove temporary files. Call once, at
// the start of main, before any thread is started.
void InstallOutputCleanup();

class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile() { Abandon(); }
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Makes ready to write path: checks that it is no directory and that the
  // file can be created there (the temporary is created now, so that a
  // missing folder is found before any work is done). False with
  // "PATH: reason" in error.
  bool Open(const std::string& path, std::string& error);
  bool Write(std::string_view bytes, std::string& error);
  // Puts the written result in place. After a failure nothing is left.
  bool Commit(std::string& error);
  // Gives up: the temporary is removed, the old file stays.
  void Abandon();

  const std::string& Path() const { return path_; }
  // Whether the result goes straight into a file that is not regular.
  bool Direct() const { return direct_; }

 private:
  bool Fail(std::string& error, const std::string& reason);

  std::string path_;    // as given
  std::string target_;  // the file that is replaced, links followed
  std::string temp_;
  int fd_ = -1;
  int cleanupSlot_ = -1;
  bool direct_ = false;
};

// Makes `to` a second name (a hard link) for the file `from`, replacing
// whatever `to` named, in one step. False where the file system cannot link
// (another device, no links), with the reason in error; nothing is left
// behind then.
bool LinkReplacing(const std::string& from, const std::string& to, std::string& error);

// Writes content to path through an OutputFile.
bool WriteOutputFile(const std::string& path, std::string_view content, std::string& error);

}  // namespace wb
