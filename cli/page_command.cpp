#include "cli/page_command.h"

#include <filesystem>
#include <memory>

#include "cli/exit_status.h"

namespace wb {

namespace {

constexpr const char* kPageDescription =
    "Translates the HTML page INPUT (a name ending in .txt is a plain-text page), or standard input "
    "for -. The mark-up is kept as it is; the text is replaced by its translation. The result goes to "
    "OUTPUT, written whole or not at all, or to standard output.\n\n"
    "With -d OUTDIR, or with several INPUTs or a folder, every .htm, .html and .txt file among the "
    "INPUTs (folders are searched through) is translated into OUTDIR at the same relative path, by "
    "worker threads that share one loaded lexicon; the other files of the folders are linked or copied "
    "beside them, and each page's base address is its translation's own, so the translated site can be "
    "browsed. A page that fails is named with the reason and the others go on; the exit status is that "
    "of the first page that failed. Outputs are the same whatever -j says.";

bool IsSiteRun(const PageOptions& o) {
  if (!o.outputDir.empty() || o.inputs.size() > 1) return true;
  std::error_code ec;
  return o.inputs.size() == 1 && o.inputs[0] != "-" && std::filesystem::is_directory(o.inputs[0], ec);
}

void AddPageOptions(CLI::App* page, PageOptions& o) {
  page->add_option("INPUT", o.inputs, "the page, or - for standard input; with -d, page files and folders")
      ->required()
      ->type_name("");
  page->add_option("-o,--output", o.output,
                   "where to write the translated page (never the input); a regular file is replaced "
                   "whole and keeps its mode, a symbolic link is followed, a device or FIFO is written to")
      ->type_name("FILE")
      ->each([&o](const std::string&) { o.outputGiven = true; });
  page->add_option("-d,--output-dir", o.outputDir, "translate several pages or folders into this folder")
      ->type_name("OUTDIR");
  page->add_option("-j,--jobs", o.jobs, "worker threads for -d (default: one per processor)")
      ->type_name("N")
      ->check(CLI::Range(1u, 256u).description(""));
  page->add_option("--browser", o.browser, "the browser the page is meant for (default netscape)")
      ->check(OneOf({"netscape", "ie"}, "netscape or ie"))
      ->type_name("netscape|ie");
  page->add_option("--url", o.url,
                   "the page's own address, for its base tag and frames (default: the input's file: "
                   "address); with -d, the address of the folder the relative paths start from")
      ->type_name("URL")
      ->each([&o](const std::string&) { o.urlGiven = true; });
  page->add_option("--show-tran", o.showTran,
                   "0 translation only; 1 side by side, 2 one above the other: the two-frame page "
                   "transc.htm is written beside OUTPUT as well (refused when that is INPUT or OUTPUT)")
      ->check(OneOf({"0", "1", "2"}, "0, 1 or 2"))
      ->type_name("0|1|2");
  page->add_flag("--tran-pre", o.tranPre, "translate text inside <pre>");
  page->add_flag("--tran-blockquote", o.tranBlockquote, "translate text inside <blockquote>");
  page->add_flag("--plain", o.plain, "treat every INPUT as plain text whatever its name");
  page->add_option("--frame-dir", o.frameDir,
                   "where the local copies of frame pages are looked for (default: the folder of OUTPUT)")
      ->type_name("DIR");
  page->add_option("--pics", o.pics,
                   "check PICS content labels (default on); a rated page is replaced by a warning page "
                   "unless you go on")
      ->check(OneOf({"on", "off"}, "on or off"))
      ->type_name("on|off");
  page->add_option("--content-eval", o.contentEval,
                   "warn when offensive words make up a tenth of the page (default on); answering No "
                   "delivers no page (status 6)")
      ->check(OneOf({"on", "off"}, "on or off"))
      ->type_name("on|off");
  CLI::Option* yes = page->add_flag("--yes", o.yes, "answer the content questions Yes without asking");
  CLI::Option* no = page->add_flag(
      "--no", o.no,
      "answer them No; with neither, the question is asked on the terminal, and with no terminal, or "
      "in a run over several pages, the answer is No");
  yes->excludes(no);
  AddCommonOptions(page, o.common);
}

}  // namespace

PageSettings PageOptions::Settings() const {
  PageSettings s;
  s.gbk = common.Gbk();
  s.verbose = common.verbose;
  s.netscape = browser == "netscape";
  s.showTran = showTran;
  s.tranPre = tranPre;
  s.tranBlockquote = tranBlockquote;
  s.plain = plain;
  s.pics = pics == "on";
  s.contentEval = contentEval == "on";
  return s;
}

std::optional<bool> PageOptions::Answer() const {
  if (yes) return true;
  if (no) return false;
  return std::nullopt;
}

Command AddPageCommand(CLI::App& program, const char* argv0) {
  auto options = std::make_shared<PageOptions>();
  CLI::App* page = program.add_subcommand("page", "translate an HTML page or a .txt file, or whole folders of them");
  page->footer(kPageDescription);
  AddPageOptions(page, *options);
  return {page, [options, argv0] { return IsSiteRun(*options) ? RunSite(*options, argv0) : RunOnePage(*options, argv0); }};
}

}  // namespace wb
