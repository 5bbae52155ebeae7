// "wenb97 page -d OUTDIR INPUT...": whole folders and many pages, by worker
// threads that share the loaded lexicon, the Big5 table and the bad-word
// list; each page gets an engine of its own, so that the result of a page
// never depends on the number of threads or on what else they translated.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <new>
#include <thread>

#include "cli/command.h"
#include "cli/file_address.h"
#include "cli/input.h"
#include "cli/output_file.h"
#include "cli/page_command.h"
#include "cli/progress_bar.h"

namespace wb {

namespace fs = std::filesystem;

namespace {

// One file of the run: a page to translate, or another file of an input
// folder (a picture, a style sheet) to put beside the translations.
struct Job {
  fs::path input;
  fs::path output;
  std::string relative;  // the output's path below OUTDIR, with "/"
  bool page = true;
  std::uintmax_t bytes = 0;
  std::string sameOutputAs;  // an earlier INPUT that goes to the same output
};

struct JobResult {
  int status = exit_status::kOk;
  std::int64_t words = 0;
};

bool HasPageExtension(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".htm" || ext == ".html" || ext == ".txt";
}

bool IsPlainTextName(const std::string& name) {
  return name.size() >= 4 && (name.compare(name.size() - 4, 4, ".txt") == 0 || name.compare(name.size() - 4, 4, ".TXT") == 0);
}

std::uintmax_t SizeOf(const fs::path& p) {
  std::error_code ec;
  const std::uintmax_t n = fs::file_size(p, ec);
  return ec ? 0 : n;
}

// The files of the run, in a fixed order: the INPUTs as given, each folder's
// files sorted by path. The output folder is never searched, so that a run
// into a folder inside its input does not find its own results.
int CollectJobs(const PageOptions& o, const fs::path& outDir, std::vector<Job>& jobs) {
  std::error_code ec;
  const fs::path outCanon = fs::weakly_canonical(outDir, ec);
  for (const std::string& input : o.inputs) {
    if (input == "-") return Fail(exit_status::kUsage, "page: standard input (-) is for one page, not with -d");
    const fs::path in(input);
    if (!fs::exists(in, ec)) return Fail(exit_status::kInput, input + ": " + std::strerror(ENOENT));
    if (!fs::is_directory(in, ec)) {
      const std::string rel = in.filename().string();
      jobs.push_back({in, outDir / rel, rel, true, SizeOf(in), {}});
      continue;
    }
    if (fs::weakly_canonical(in, ec) == outCanon)
      return Fail(exit_status::kUsage, o.outputDir + ": is the input folder " + input + "; the input is never written over");
    std::vector<Job> found;
    fs::recursive_directory_iterator it(in, fs::directory_options::skip_permission_denied, ec), end;
    if (ec) return Fail(exit_status::kInput, input + ": " + ec.message());
    for (; it != end; it.increment(ec)) {
      if (ec) return Fail(exit_status::kInput, input + ": " + ec.message());
      // Hidden files and folders (".git", a run's own temporaries) stay out.
      const bool hidden = it->path().filename().string().rfind('.', 0) == 0;
      if (it->is_directory(ec) && (hidden || fs::weakly_canonical(it->path(), ec) == outCanon)) {
        it.disable_recursion_pending();
        continue;
      }
      if (hidden) continue;
      if (!it->is_regular_file(ec)) continue;
      const std::string rel = fs::relative(it->path(), in, ec).generic_string();
      found.push_back({it->path(), outDir / rel, rel, HasPageExtension(it->path()), SizeOf(it->path()), {}});
    }
    std::sort(found.begin(), found.end(), [](const Job& a, const Job& b) { return a.relative < b.relative; });
    jobs.insert(jobs.end(), found.begin(), found.end());
  }
  // Two INPUTs with the same relative path would race for one output.
  std::map<std::string, std::string> firstInput;
  for (Job& j : jobs) {
    auto [it, fresh] = firstInput.emplace(j.relative, j.input.string());
    if (!fresh) j.sameOutputAs = it->second;
  }
  return exit_status::kOk;
}

// Everything the workers share.
class SiteRun {
 public:
  SiteRun(const PageOptions& o, const PageData& data, std::vector<Job>& jobs, JobProgressBar& bar)
      : o_(o), settings_(o.Settings()), data_(data), jobs_(jobs), bar_(bar), results_(jobs.size()),
        questions_(o.Answer(), jobs.size() > 1) {}

  void Work() {
    for (std::size_t i = next_++; i < jobs_.size(); i = next_++) {
      results_[i] = RunJob(jobs_[i]);
      bar_.FileDone(jobs_[i].bytes);
    }
  }
  const std::vector<JobResult>& Results() const { return results_; }

 private:
  JobResult Failed(int status, const std::string& message) {
    bar_.Around([&] { std::fprintf(stderr, "wenb97: %s\n", message.c_str()); });
    return {status, 0};
  }
  bool MakeFolder(const Job& job, std::string& error);
  JobResult RunJob(const Job& job);
  JobResult TranslateOne(const Job& job);
  JobResult CopyOne(const Job& job);
  PagePlace PlaceOf(const Job& job) const;

  const PageOptions& o_;
  const PageSettings settings_;
  const PageData& data_;
  std::vector<Job>& jobs_;
  JobProgressBar& bar_;
  std::vector<JobResult> results_;
  ContentQuestions questions_;
  std::atomic<std::size_t> next_{0};
};

JobResult SiteRun::RunJob(const Job& job) {
  if (!job.sameOutputAs.empty())
    return Failed(exit_status::kUsage, job.input.string() + ": would be written to " + job.output.string() +
                                           " as " + job.sameOutputAs + " is");
  // One page too large for the memory fails alone; the others go on.
  try {
    return job.page ? TranslateOne(job) : CopyOne(job);
  } catch (const std::bad_alloc&) {
    return Failed(exit_status::kMemory, job.input.string() + ": out of memory");
  }
}

bool SiteRun::MakeFolder(const Job& job, std::string& error) {
  std::error_code ec;
  const fs::path dir = job.output.parent_path();
  // Another worker may make the same folder at the same moment.
  if (fs::create_directories(dir, ec) || fs::is_directory(dir, ec)) return true;
  error = dir.string() + ": cannot be made: " + ec.message();
  return false;
}

PagePlace SiteRun::PlaceOf(const Job& job) const {
  std::error_code ec;
  PagePlace place;
  place.name = job.input.string();
  // Links between the pages lead to their translations: each page's base
  // address is its translation's own file name, relative, so that the
  // translated site can be moved or served as it stands; with --url, that
  // address and the page's relative path.
  if (o_.urlGiven) {
    std::string base = SafePageAddress(o_.url);
    if (!base.empty() && base.back() != '/') base += '/';
    place.address = base + FileAddress(job.relative).substr(std::string_view("file://").size());
  } else {
    place.address = FileAddress(job.output.filename().string()).substr(std::string_view("file://").size());
  }
  place.plainText = o_.plain || IsPlainTextName(job.relative);
  place.frameDir = fs::absolute(job.output, ec).parent_path().generic_string() + "/";
  return place;
}

JobResult SiteRun::TranslateOne(const Job& job) {
  std::string raw, error;
  if (!ReadInput(job.input.string(), raw, error)) return Failed(exit_status::kInput, error);
  std::error_code ec;
  if (fs::exists(job.output, ec) && fs::equivalent(job.input, job.output, ec))
    return Failed(exit_status::kUsage, job.output.string() + ": is the input file; the input is never written over");
  OutputFile out;
  if (!MakeFolder(job, error) || !out.Open(job.output.string(), error)) return Failed(exit_status::kOutput, error);
  const PagePlace place = PlaceOf(job);
  PageResult r = TranslatePage(data_, settings_, questions_, std::move(raw), place);
  if (r.status != exit_status::kOk) return Failed(r.status, r.error);
  if (r.picsDeclined)
    bar_.Around([&] {
      std::fprintf(stderr, "wenb97: %s: the page's PICS label rates it unsuitable for minors; "
                   "the warning page is written instead\n", place.name.c_str());
    });
  if (!out.Write(r.output, error) || !out.Commit(error)) return Failed(exit_status::kOutput, error);
  return {exit_status::kOk, r.counters.wordCount};
}

// Another file of a folder goes beside the pages: as a second name for the
// same file where the file system allows (nothing is copied), else copied.
JobResult SiteRun::CopyOne(const Job& job) {
  std::string error;
  std::error_code ec;
  if (!MakeFolder(job, error)) return Failed(exit_status::kOutput, error);
  if (fs::exists(job.output, ec) && fs::equivalent(job.input, job.output, ec)) return {};
  if (LinkReplacing(job.input.string(), job.output.string(), error)) return {};
  const int in = open(job.input.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return Failed(exit_status::kInput, job.input.string() + ": " + std::strerror(errno));
  OutputFile out;
  bool ok = out.Open(job.output.string(), error);
  char buf[1 << 16];
  for (ssize_t n; ok && (n = read(in, buf, sizeof buf)) != 0;) {
    if (n < 0) {
      error = job.input.string() + ": " + std::strerror(errno);
      close(in);
      return Failed(exit_status::kInput, error);
    }
    ok = out.Write(std::string_view(buf, static_cast<std::size_t>(n)), error);
  }
  close(in);
  if (!ok || !out.Commit(error)) return Failed(exit_status::kOutput, error);
  return {};
}

void PrintSummary(const std::vector<Job>& jobs, const std::vector<JobResult>& results, double seconds) {
  std::size_t pages = 0, others = 0, failed = 0;
  std::uintmax_t bytes = 0;
  std::int64_t words = 0;
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    failed += results[i].status != exit_status::kOk;
    if (!jobs[i].page) {
      ++others;
      continue;
    }
    ++pages;
    bytes += jobs[i].bytes;
    words += results[i].words;
  }
  std::fprintf(stderr, "wenb97: %zu pages and %zu other files (%zu failed), %.1f MB of pages, %lld words in %.2f s: %.0f words/s\n",
               pages, others, failed, static_cast<double>(bytes) / 1e6, static_cast<long long>(words), seconds,
               seconds > 0 ? static_cast<double>(words) / seconds : 0.0);
}

int CheckSiteOptions(const PageOptions& o) {
  if (o.outputDir.empty()) return Fail(exit_status::kUsage, "page: several pages or a folder are translated into a folder: give -d OUTDIR");
  if (o.outputGiven) return Fail(exit_status::kUsage, "page: -o names the output of one page; with -d the outputs lie under OUTDIR");
  if (o.showTran != 0) return Fail(exit_status::kUsage, "page: --show-tran is for one page, not with -d");
  if (!o.frameDir.empty()) return Fail(exit_status::kUsage, "page: --frame-dir is for one page; with -d frames lie beside their pages");
  return exit_status::kOk;
}

}  // namespace

int RunSite(const PageOptions& o, const char* argv0) {
  if (int status = CheckSiteOptions(o); status != exit_status::kOk) return status;
  const fs::path outDir(o.outputDir);
  std::vector<Job> jobs;
  if (int status = CollectJobs(o, outDir, jobs); status != exit_status::kOk) return status;
  std::error_code ec;
  if (fs::create_directories(outDir, ec); !fs::is_directory(outDir, ec))
    return Fail(exit_status::kOutput, o.outputDir + ": cannot be made a folder: " + (ec ? ec.message() : "a file is in the way"));

  PageData data;
  const std::string dir = DataDirectory(argv0);
  std::string error;
  if (!LoadBig5Data(dir, data.big5, error) || !LoadBadWordData(dir, data.badWords, error) ||
      !LoadLexiconData(dir, data.lexicon, error))
    return Fail(exit_status::kDataFile, error);

  std::uintmax_t bytes = 0;
  for (const Job& j : jobs) bytes += j.bytes;
  JobProgressBar bar(stderr, isatty(STDERR_FILENO) != 0, jobs.size(), bytes);
  const auto start = std::chrono::steady_clock::now();
  SiteRun run(o, data, jobs, bar);
  const unsigned threads = std::max(1u, o.jobs != 0 ? o.jobs : std::thread::hardware_concurrency());
  std::vector<std::thread> workers;
  for (unsigned i = 1; i < std::min<std::size_t>(threads, std::max<std::size_t>(jobs.size(), 1)); ++i)
    workers.emplace_back([&run] { run.Work(); });
  run.Work();
  for (std::thread& w : workers) w.join();
  bar.Finish();
  PrintSummary(jobs, run.Results(), std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());

  for (const JobResult& r : run.Results())
    if (r.status != exit_status::kOk) return r.status;
  return exit_status::kOk;
}

}  // namespace wb
