// "wenb97 page INPUT [-o OUTPUT]": one page, in the order a person expects
// the failures: the input is read, the output names are checked (and the
// files made ready) before any work, the data files are loaded, the page is
// translated and weighed, and only then is anything written.

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "browser/result_page.h"
#include "cli/command.h"
#include "cli/file_address.h"
#include "cli/input.h"
#include "cli/output_file.h"
#include "cli/page_command.h"
#include "cli/progress_bar.h"
#include "html/addresses.h"

namespace wb {

namespace fs = std::filesystem;

namespace {

// The two-frame page's name; it is written beside the translated page.
constexpr const char* kFramePageName = "transc.htm";

// Whether two names are the same file, or would be once created.
bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
  return fs::weakly_canonical(fs::absolute(a, ec), ec) == fs::weakly_canonical(fs::absolute(b, ec), ec);
}

bool EndsWithNoCase(const std::string& s, std::string_view suffix) {
  if (s.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    char c = s[s.size() - suffix.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (c != suffix[i]) return false;
  }
  return true;
}

// The extension of an address taken as a file name: from its last "." on,
// ignoring any query or fragment.
bool AddressIsPlainText(std::string address) {
  std::size_t cut = address.find_first_of("?#");
  if (cut != std::string::npos) address.resize(cut);
  return EndsWithNoCase(address, ".txt");
}

// Where the page's own files go: the output, and the two-frame page beside it.
struct PageOutputs {
  OutputFile page;
  OutputFile framePage;
  std::string framePagePath;
};

// Checks the output names before any work is done: never the input, never
// the two-frame page over the input or the output, and the files can be
// created (their temporaries are made now).
int OpenOutputs(const PageOptions& o, const std::string& input, PageOutputs& outs) {
  std::string error;
  if (o.outputGiven && o.output.empty()) return Fail(exit_status::kUsage, "page: the output name is empty");
  if (o.outputGiven && input != "-" && SameFile(input, o.output))
    return Fail(exit_status::kUsage, o.output + ": is the input file; the input is never written over");
  if (o.showTran != 0) {
    if (!o.outputGiven)
      return Fail(exit_status::kUsage, "--show-tran 1 or 2 writes a two-frame page beside the output: give -o OUTPUT");
    std::error_code ec;
    outs.framePagePath = (fs::absolute(o.output, ec).parent_path() / kFramePageName).string();
    const bool overOutput = SameFile(outs.framePagePath, o.output);
    if (overOutput || (input != "-" && SameFile(outs.framePagePath, input)))
      return Fail(exit_status::kUsage, outs.framePagePath + ": the two-frame page would be written over the " +
                                           (overOutput ? "output" : "input") + "; choose another OUTPUT name or folder");
  }
  if (o.outputGiven && !outs.page.Open(o.output, error)) return Fail(exit_status::kOutput, error);
  if (o.showTran != 0 && !outs.framePage.Open(outs.framePagePath, error)) return Fail(exit_status::kOutput, error);
  return exit_status::kOk;
}

int LoadData(const char* argv0, PageData& data) {
  const std::string dir = DataDirectory(argv0);
  std::string error;
  if (!LoadBig5Data(dir, data.big5, error) || !LoadBadWordData(dir, data.badWords, error) ||
      !LoadLexiconData(dir, data.lexicon, error))
    return Fail(exit_status::kDataFile, error);
  return exit_status::kOk;
}

PagePlace PlaceOf(const PageOptions& o, const std::string& input) {
  std::error_code ec;
  const bool fromStdin = input == "-";
  PagePlace place;
  place.name = fromStdin ? "standard input" : input;
  const fs::path inputAbs = fromStdin ? fs::current_path(ec) / "" : fs::absolute(input, ec);
  place.address = o.urlGiven ? SafePageAddress(o.url) : FileAddress(inputAbs.generic_string());
  place.plainText = o.plain || (!fromStdin && AddressIsPlainText(o.urlGiven ? o.url : input));
  const fs::path outDir = o.outputGiven ? fs::absolute(o.output, ec).parent_path() : fs::current_path(ec);
  place.frameDir = !o.frameDir.empty() ? fs::absolute(o.frameDir, ec).generic_string() : outDir.generic_string();
  if (place.frameDir.empty() || place.frameDir.back() != '/') place.frameDir += '/';
  return place;
}

// Writes the result where it belongs and says what else the page needs.
int Deliver(const PageOptions& o, const PagePlace& place, const PageResult& r, PageOutputs& outs) {
  std::string error;
  if (r.picsDeclined)
    std::fprintf(stderr, "wenb97: %s: the page's PICS label rates it unsuitable for minors; "
                 "the warning page is written instead\n", place.name.c_str());
  if (o.outputGiven) {
    if (!outs.page.Write(r.output, error) || !outs.page.Commit(error)) return Fail(exit_status::kOutput, error);
  } else {
    std::fwrite(r.output.data(), 1, r.output.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
      return Fail(exit_status::kOutput, std::string("standard output: write error: ") + std::strerror(errno));
  }
  if (r.frames) {
    for (const std::string& f : *r.frames)
      std::fprintf(stderr, "wenb97: frame page %s is expected as %s%s\n", f.c_str(), place.frameDir.c_str(),
                   UrlToFileName(f).c_str());
  }
  if (o.showTran != 0) {
    // The translation frame's address, percent-encoded; "file://" is the
    // composer's own.
    std::error_code ec;
    const std::string translation = FileAddress(fs::absolute(o.output, ec).generic_string()).substr(7);
    const std::string composed = ComposeResultPageText(o.showTran, place.address, translation);
    if (!outs.framePage.Write(composed, error) || !outs.framePage.Commit(error))
      return Fail(exit_status::kOutput, error);
    std::fprintf(stderr, "wenb97: two-frame page written to %s\n", outs.framePagePath.c_str());
  }
  if (o.common.verbose && r.engineFailures > 0)
    std::fprintf(stderr, "wenb97: %d sentence(s) left untranslated after an engine failure\n", r.engineFailures);
  return exit_status::kOk;
}

}  // namespace

int RunOnePage(const PageOptions& o, const char* argv0) {
  const std::string& input = o.inputs.front();
  std::string raw, error;
  if (!ReadInput(input, raw, error)) return Fail(exit_status::kInput, error);

  PageOutputs outs;
  if (int status = OpenOutputs(o, input, outs); status != exit_status::kOk) return status;
  PageData data;
  if (int status = LoadData(argv0, data); status != exit_status::kOk) return status;

  const PagePlace place = PlaceOf(o, input);
  ContentQuestions questions(o.Answer(), false);
  TerminalProgressBar bar(stderr, "translating");
  PageResult r = TranslatePage(data, o.Settings(), questions, std::move(raw), place,
                               isatty(STDERR_FILENO) != 0 ? &bar : nullptr);
  if (r.status != exit_status::kOk) return Fail(r.status, r.error);
  return Deliver(o, place, r, outs);
}

}  // namespace wb
