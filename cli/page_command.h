#pragma once
// "wenb97 page": one page to a file or standard output, or many pages and
// whole folders into an output folder.

#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/page_job.h"

namespace wb {

struct PageOptions {
  CommonOptions common;
  std::vector<std::string> inputs;
  std::string output;     // -o, when outputGiven
  bool outputGiven = false;
  std::string outputDir;  // -d, when not empty
  unsigned jobs = 0;      // -j; 0 means one per processor
  std::string browser = "netscape";
  std::string url;        // --url, when urlGiven
  bool urlGiven = false;
  int showTran = 0;
  bool tranPre = false;
  bool tranBlockquote = false;
  bool plain = false;
  std::string frameDir;   // --frame-dir, when not empty
  std::string pics = "on";
  std::string contentEval = "on";
  bool yes = false;
  bool no = false;

  PageSettings Settings() const;
  std::optional<bool> Answer() const;
};

// One page: INPUT (a file, or standard input for "-") to -o OUTPUT or
// standard output.
int RunOnePage(const PageOptions& options, const char* argv0);
// Many pages: every input file, and every page file in every input folder,
// into -d OUTDIR by -j worker threads.
int RunSite(const PageOptions& options, const char* argv0);

}  // namespace wb
