// wenb97: the Wenbridge translator on the command line.
//
//   wenb97 page INPUT [-o OUTPUT]   translate an HTML page or a .txt file
//   wenb97 text [FILE]              translate plain text to standard output
//   wenb97 sentence [TEXT...]       translate sentences, one per line

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "browser/result_page.h"
#include "cli/data_files.h"
#include "cli/encoding.h"
#include "cli/file_address.h"
#include "cli/input.h"
#include "cli/output_file.h"
#include "cli/page_decoding.h"
#include "cli/progress_bar.h"
#include "engine/engine.h"
#include "engine/analysis/lexicon.h"
#include "engine/grammar/grammar.h"
#include "html/addresses.h"
#include "html/page_file.h"
#include "html/content_rating.h"
#include "html/entities.h"
#include "html/page_filter.h"
#include "html/page_services.h"

namespace fs = std::filesystem;

namespace {

// Exit statuses, as the help text documents them.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;
constexpr int kExitInput = 3;
constexpr int kExitOutput = 4;
constexpr int kExitDataFile = 5;
constexpr int kExitDeclined = 6;
constexpr int kExitMemory = 7;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// The two-frame page's name; it is written beside the translated page.
constexpr const char* kFramePageName = "transc.htm";

constexpr const char* kMainHelp =
    "usage: wenb97 COMMAND [OPTIONS] [ARGS]\n"
    "\n"
    "Wenbridge translates English into Simplified Chinese.\n"
    "\n"
    "commands:\n"
    "  page INPUT [-o OUTPUT]   translate an HTML page or a .txt file (- reads standard input)\n"
    "  text [FILE]              translate plain text (standard input by default)\n"
    "  sentence [TEXT...]       translate each argument, or each line of standard input\n"
    "  analyse [TEXT...]        show the word table the engine builds for each sentence\n"
    "\n"
    "Run 'wenb97 COMMAND --help' for the options of a command.\n"
    "\n"
    "One input (a file, standard input, or one line of it) may hold at most\n"
    "128 MiB; a larger one is refused with status 3.\n"
    "\n"
    "exit status: 0 done; 2 wrong usage; 3 the input cannot be read;\n"
    "             4 the output cannot be written; 5 a data file beside the\n"
    "             program is missing or damaged; 6 the page was not delivered\n"
    "             because its content warning was answered No; 7 out of memory\n";

constexpr const char* kCommonOptions =
    "  --encoding utf-8|gbk  output encoding: utf-8 (default) converts the Chinese for\n"
    "                        today's terminals and browsers; gbk writes the engine's own\n"
    "                        GBK bytes and hands the input to the engine unchanged\n"
    "  --verbose             show the engine's messages on standard error\n"
    "  -h, --help            show this help\n";

constexpr const char* kPageHelp =
    "usage: wenb97 page INPUT [-o OUTPUT] [OPTIONS]\n"
    "\n"
    "Translates the HTML page (or, for a name ending in .txt, the plain-text page)\n"
    "INPUT, or standard input for -. The mark-up is kept as it is; the text is\n"
    "replaced by its translation. The result goes to OUTPUT, written whole or not\n"
    "at all, or to standard output. Pages in UTF-8, UTF-16, UTF-32, Windows-1252,\n"
    "Big5, GB or any code the page declares are read; at most 128 MiB.\n"
    "\n"
    "options:\n"
    "  -o, --output FILE      where to write the translated page (never the input);\n"
    "                         a regular file is replaced whole and keeps its mode, a\n"
    "                         symbolic link is followed, a device or FIFO is written to\n"
    "  --browser netscape|ie  the browser the page is meant for (default netscape)\n"
    "  --url URL              the page's own address, for its base tag and frames\n"
    "                         (default: the input's file: address)\n"
    "  --show-tran 0|1|2      0 translation only; 1 side by side, 2 one above the\n"
    "                         other: the two-frame page transc.htm is written beside\n"
    "                         OUTPUT as well (refused when that is INPUT or OUTPUT)\n"
    "  --tran-pre             translate text inside <pre>\n"
    "  --tran-blockquote      translate text inside <blockquote>\n"
    "  --plain                treat INPUT as plain text whatever its name\n"
    "  --frame-dir DIR        where the local copies of frame pages are looked for\n"
    "                         (default: the directory of OUTPUT)\n"
    "  --pics on|off          check PICS content labels (default on); a rated page\n"
    "                         is replaced by a warning page unless you go on\n"
    "  --content-eval on|off  warn when offensive words make up a tenth of the page\n"
    "                         (default on); answering No delivers no page (status 6)\n"
    "  --yes, --no            answer the content questions without asking; with\n"
    "                         neither and no terminal to ask on, the answer is No\n";

constexpr const char* kTextHelp =
    "usage: wenb97 text [FILE] [OPTIONS]\n"
    "\n"
    "Translates plain text from FILE (standard input by default) to standard\n"
    "output, sentence by sentence, keeping its lines.\n"
    "\n"
    "options:\n";

constexpr const char* kAnalyseHelp =
    "usage: wenb97 analyse [TEXT...] [OPTIONS]\n"
    "\n"
    "For each TEXT argument, or each line of standard input when there is none,\n"
    "prints the engine's word table as tab-separated lines under a header:\n"
    "position, surface text, lexical text (the headword, or the text used for a\n"
    "word not in the lexicon), form flags joined by |, candidate categories\n"
    "joined by commas, number of senses, phrase length. Empty columns hold \"-\".\n"
    "A blank line separates sentences.\n"
    "\n"
    "options:\n";

constexpr const char* kSentenceHelp =
    "usage: wenb97 sentence [TEXT...] [OPTIONS]\n"
    "\n"
    "Translates each TEXT argument, or each line of standard input when there is\n"
    "none, and writes one line of Chinese for each.\n"
    "\n"
    "options:\n";

struct Options {
  bool help = false;
  bool gbk = false;
  bool verbose = false;
  std::optional<std::string> output;
  bool netscape = true;
  std::optional<std::string> url;
  int showTran = 0;
  bool tranPre = false;
  bool tranBlockquote = false;
  bool plain = false;
  std::optional<std::string> frameDir;
  bool pics = true;
  bool contentEval = true;
  std::optional<bool> answer;
  std::vector<std::string> args;
};

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "wenb97: %s\n", message.c_str());
  return status;
}

// Parses the options of one command; page options are refused elsewhere.
bool ParseOptions(int argc, char** argv, bool pageOptions, Options& o, std::string& error) {
  bool onlyArgs = false;
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string& out) {
      std::size_t eq = a.find('=');
      if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
        out = a.substr(eq + 1);
        a = a.substr(0, eq);
        return true;
      }
      if (i + 1 >= argc) {
        error = "option " + a + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    std::string key = a.substr(0, a.find('='));
    if (onlyArgs || a == "-" || a.empty() || a[0] != '-') {
      o.args.push_back(a);
    } else if (a == "--") {
      onlyArgs = true;
    } else if (a == "-h" || a == "--help") {
      o.help = true;
    } else if (a == "--verbose" || a == "-v") {
      o.verbose = true;
    } else if (key == "--encoding") {
      std::string v;
      if (!value(v)) return false;
      if (v == "gbk" || v == "GBK")
        o.gbk = true;
      else if (v == "utf-8" || v == "UTF-8" || v == "utf8")
        o.gbk = false;
      else {
        error = "--encoding takes utf-8 or gbk, not '" + v + "'";
        return false;
      }
    } else if (pageOptions && (a == "-o" || key == "--output")) {
      std::string v;
      if (!value(v)) return false;
      if (v.empty()) {
        error = "the output name is empty";
        return false;
      }
      o.output = v;
    } else if (pageOptions && key == "--browser") {
      std::string v;
      if (!value(v)) return false;
      if (v == "netscape")
        o.netscape = true;
      else if (v == "ie")
        o.netscape = false;
      else {
        error = "--browser takes netscape or ie, not '" + v + "'";
        return false;
      }
    } else if (pageOptions && key == "--url") {
      std::string v;
      if (!value(v)) return false;
      o.url = v;
    } else if (pageOptions && key == "--show-tran") {
      std::string v;
      if (!value(v)) return false;
      if (v != "0" && v != "1" && v != "2") {
        error = "--show-tran takes 0, 1 or 2, not '" + v + "'";
        return false;
      }
      o.showTran = v[0] - '0';
    } else if (pageOptions && a == "--tran-pre") {
      o.tranPre = true;
    } else if (pageOptions && a == "--tran-blockquote") {
      o.tranBlockquote = true;
    } else if (pageOptions && a == "--plain") {
      o.plain = true;
    } else if (pageOptions && (key == "--pics" || key == "--content-eval")) {
      std::string v;
      if (!value(v)) return false;
      if (v != "on" && v != "off") {
        error = a + " takes on or off, not '" + v + "'";
        return false;
      }
      (a == "--pics" ? o.pics : o.contentEval) = v == "on";
    } else if (pageOptions && (a == "--yes" || a == "--no")) {
      o.answer = a == "--yes";
    } else if (pageOptions && key == "--frame-dir") {
      std::string v;
      if (!value(v)) return false;
      o.frameDir = v;
    } else {
      error = "unknown option '" + a + "' (see --help)";
      return false;
    }
  }
  return true;
}

void PrintDiagnostic(std::string_view m) {
  std::fprintf(stderr, "wenb97: engine: %.*s\n", static_cast<int>(m.size()), m.data());
}

// One engine over the lexicon beside the program, with its sentence buffer,
// set up the way the options ask.
struct Translator {
  Translator(const Options& o, const wb::Lexicon& lexicon) : engine(&lexicon), sentences(engine) {
    if (o.verbose) engine.SetDiagnostics(PrintDiagnostic);
  }
  wb::Engine engine;
  wb::SentenceTranslator sentences;
};

// Loads LEXICON.MTX from the program's directory; false (with a message
// naming the file) when it is missing or damaged.
bool LoadLexicon(const Options& o, const char* argv0, wb::Lexicon& lexicon, std::string& error) {
  if (o.verbose) lexicon.SetDiagnostics(PrintDiagnostic);
  return lexicon.LoadFile(wb::DataDirectory(argv0) + std::string(wb::kLexiconFileName), &error);
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

// Puts one of the program's questions (GBK text) to the person at the
// terminal. --yes and --no answer for scripts; with neither and no terminal
// the cautious answer, No, is taken.
bool Ask(const Options& o, std::string_view question) {
  if (o.answer) return *o.answer;
  std::string shown = wb::GbkToUtf8(question);
  if (isatty(STDIN_FILENO) == 0) {
    std::fprintf(stderr, "wenb97: %s -- no terminal to ask on, taking No (use --yes to go on)\n", shown.c_str());
    return false;
  }
  std::fprintf(stderr, "%s [y/N] ", shown.c_str());
  std::fflush(stderr);
  std::string reply;
  if (!std::getline(std::cin, reply)) return false;
  return reply == "y" || reply == "Y" || reply == "yes" || reply == "Yes";
}

// Whether two names are the same file, or would be once created.
bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
  return fs::weakly_canonical(fs::absolute(a, ec), ec) == fs::weakly_canonical(fs::absolute(b, ec), ec);
}

// A page or text made ready for the filter: decoded, Big5 converted, with
// the codec that matches what it became.
struct PreparedPage {
  std::string text;
  std::unique_ptr<wb::Utf8PageCodec> codec;  // none for --encoding gbk
};

// Decodes raw input for the chosen output; the Big5 table is loaded only
// when a page needs it. Returns an exit status (kExitOk on success).
int PreparePage(const Options& o, const std::string& name, const char* argv0, std::string raw,
                const wb::Big5Table* big5, PreparedPage& page) {
  std::string error;
  if (o.gbk) {
    if (!wb::DecodeForGbk(std::move(raw), page.text, error)) return Fail(kExitInput, name + ": " + error);
    return kExitOk;
  }
  wb::DecodedPage decoded;
  if (!wb::DecodeForUtf8(std::move(raw), decoded, error)) return Fail(kExitInput, name + ": " + error);
  if (o.verbose) std::fprintf(stderr, "wenb97: %s: read as %s\n", name.c_str(), decoded.how.c_str());
  if (decoded.big5) {
    wb::Big5Table loaded;
    if (big5 == nullptr) {
      if (!loaded.LoadFromFile(wb::DataDirectory(argv0) + wb::Big5Table::kFileName, &error))
        return Fail(kExitDataFile, error);
      big5 = &loaded;
    }
    decoded.bytes = wb::Big5ToGb(*big5, decoded.bytes);
    decoded.encoding = wb::PageEncoding::kGb;
  }
  page.text = std::move(decoded.bytes);
  page.codec = std::make_unique<wb::Utf8PageCodec>(decoded.encoding);
  return kExitOk;
}

// Where the page's own files go: the output, and the two-frame page beside it.
struct PageOutputs {
  wb::OutputFile page;
  wb::OutputFile framePage;
  std::string framePagePath;
};

// Checks the output names before any work is done: never the input, never
// the two-frame page over the input or the output, and the files can be
// created (their temporaries are made now).
int OpenPageOutputs(const Options& o, const std::string& input, PageOutputs& outs) {
  std::string error;
  if (o.output) {
    if (input != "-" && SameFile(input, *o.output))
      return Fail(kExitUsage, *o.output + ": is the input file; the input is never written over");
  }
  if (o.showTran != 0) {
    if (!o.output) return Fail(kExitUsage, "--show-tran 1 or 2 writes a two-frame page beside the output: give -o OUTPUT");
    std::error_code ec;
    outs.framePagePath = (fs::absolute(*o.output, ec).parent_path() / kFramePageName).string();
    if (SameFile(outs.framePagePath, *o.output) || (input != "-" && SameFile(outs.framePagePath, input)))
      return Fail(kExitUsage, outs.framePagePath + ": the two-frame page would be written over the " +
                                  (SameFile(outs.framePagePath, *o.output) ? "output" : "input") +
                                  "; choose another OUTPUT name or folder");
  }
  if (o.output && !outs.page.Open(*o.output, error)) return Fail(kExitOutput, error);
  if (o.showTran != 0 && !outs.framePage.Open(outs.framePagePath, error)) return Fail(kExitOutput, error);
  return kExitOk;
}

// Writes to standard output; false after a write error.
bool WriteStdout(std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
  return !std::ferror(stdout);
}

std::string StdoutError() { return std::string("standard output: write error: ") + std::strerror(errno); }

int RunPage(const Options& o, const char* argv0) {
  if (o.args.size() != 1) return Fail(kExitUsage, "page: give exactly one INPUT file (see 'wenb97 page --help')");
  const std::string input = o.args[0];
  const bool fromStdin = input == "-";
  std::string raw, error;
  if (!wb::ReadInput(input, raw, error)) return Fail(kExitInput, error);

  PageOutputs outs;
  if (int status = OpenPageOutputs(o, input, outs); status != kExitOk) return status;

  // The Big5 table and the bad-word list lie beside the program.
  const std::string dataDir = wb::DataDirectory(argv0);
  wb::Big5Table big5;
  if (!big5.LoadFromFile(dataDir + wb::Big5Table::kFileName, &error)) return Fail(kExitDataFile, error);
  wb::BadWordList badWords;
  if (!wb::LoadBadWordsFile(dataDir + std::string(wb::kBadWordsFileName), &badWords, &error))
    return Fail(kExitDataFile, error);

  PreparedPage page;
  if (int status = PreparePage(o, fromStdin ? "standard input" : input, argv0, std::move(raw), &big5, page);
      status != kExitOk)
    return status;

  std::error_code ec;
  wb::FilterSettings settings;
  settings.pics = o.pics;
  settings.netscape = o.netscape;
  settings.showTran = o.showTran;
  settings.tranPre = o.tranPre;
  settings.tranBlockquote = o.tranBlockquote;
  const fs::path inputAbs = fromStdin ? fs::current_path(ec) / "" : fs::absolute(input, ec);
  settings.pageUrl = o.url ? wb::SafePageAddress(*o.url) : wb::FileAddress(inputAbs.generic_string());
  settings.plainText = o.plain || (!fromStdin && AddressIsPlainText(o.url ? *o.url : input));
  settings.progressEnabled = isatty(STDERR_FILENO) != 0;
  settings.lineBreak = page.text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  fs::path outDir = o.output ? fs::absolute(*o.output, ec).parent_path() : fs::current_path(ec);
  std::string frameDir = o.frameDir ? fs::absolute(*o.frameDir, ec).generic_string() : outDir.generic_string();
  if (frameDir.empty() || frameDir.back() != '/') frameDir += '/';
  settings.frameDir = frameDir;

  wb::Lexicon lexicon;
  if (!LoadLexicon(o, argv0, lexicon, error)) return Fail(kExitDataFile, error);
  Translator t(o, lexicon);
  t.engine.SetBadWordTest([&badWords](std::string_view w) { return wb::IsBadWord(badWords, w); });
  wb::PageFilter filter(t.sentences, settings);
  wb::StandardPageServices services(big5, [&o] { return Ask(o, wb::kPicsQuestion); });
  filter.SetServices(&services);
  wb::TerminalProgressBar bar(stderr, "translating");
  filter.SetProgress(&bar);
  filter.SetCodec(page.codec.get());
  std::vector<std::string> frameUrls;
  filter.SetFrameUrls(&frameUrls);

  std::string out;
  std::optional<std::vector<std::string>> frames = filter.TranslateHtml(page.text, out);
  // A UTF-8 page says so with its byte-order mark, which every browser
  // believes before any charset the page itself declares.
  if (!o.gbk && !settings.plainText) out.insert(0, kUtf8Bom);

  if (services.PageDeclined())
    std::fprintf(stderr, "wenb97: %s: the page's PICS label rates it unsuitable for minors; "
                 "the warning page is written instead\n", input.c_str());
  // Content evaluation: offensive words making up a tenth of the page. Internet
  // Explorer frame sets go on without the question, as the toolbar does.
  const wb::PageCounters counts = t.engine.Counters();
  if (o.contentEval && wb::ContentWarningDue(counts.wordCount, counts.badWordCount) &&
      (o.netscape || !frames || frames->empty())) {
    if (!Ask(o, wb::kContentQuestion))
      return Fail(kExitDeclined, input + ": page not delivered: it may hold content unsuitable for minors (" +
                                     std::to_string(counts.badWordCount) + " of " +
                                     std::to_string(counts.wordCount) + " words are on the word list)");
  }

  if (o.output) {
    if (!outs.page.Write(out, error) || !outs.page.Commit(error)) return Fail(kExitOutput, error);
  } else if (!WriteStdout(out)) {
    return Fail(kExitOutput, StdoutError());
  }

  if (frames) {
    for (const std::string& f : *frames)
      std::fprintf(stderr, "wenb97: frame page %s is expected as %s%s\n", f.c_str(), frameDir.c_str(),
                   wb::UrlToFileName(f).c_str());
  }
  if (o.showTran != 0) {
    // The translation frame's address, percent-encoded; "file://" is the
    // composer's own.
    const std::string translation = wb::FileAddress(fs::absolute(*o.output, ec).generic_string()).substr(7);
    std::string composed = wb::ComposeResultPageText(o.showTran, settings.pageUrl, translation);
    if (!outs.framePage.Write(composed, error) || !outs.framePage.Commit(error)) return Fail(kExitOutput, error);
    std::fprintf(stderr, "wenb97: two-frame page written to %s\n", outs.framePagePath.c_str());
  }
  if (o.verbose && t.sentences.Failures() > 0)
    std::fprintf(stderr, "wenb97: %d sentence(s) left untranslated after an engine failure\n",
                 t.sentences.Failures());
  return kExitOk;
}

int RunText(const Options& o, const char* argv0) {
  if (o.args.size() > 1) return Fail(kExitUsage, "text: give at most one FILE (see 'wenb97 text --help')");
  const std::string input = o.args.empty() ? "-" : o.args[0];
  std::string raw, error;
  if (!wb::ReadInput(input, raw, error)) return Fail(kExitInput, error);
  PreparedPage page;
  if (int status = PreparePage(o, input == "-" ? "standard input" : input, argv0, std::move(raw), nullptr, page);
      status != kExitOk)
    return status;
  wb::Lexicon lexicon;
  if (!LoadLexicon(o, argv0, lexicon, error)) return Fail(kExitDataFile, error);
  wb::FilterSettings settings;
  settings.plainText = true;
  settings.lineBreak = page.text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  Translator t(o, lexicon);
  wb::PageFilter filter(t.sentences, settings);
  filter.SetCodec(page.codec.get());
  std::string out;
  filter.TranslateHtml(page.text, out);
  if (!WriteStdout(out)) return Fail(kExitOutput, StdoutError());
  return kExitOk;
}

// Runs fn on each TEXT argument, or on each line of standard input (lines
// end at LF, CR LF or a lone CR). False, with the message given, when
// standard input cannot be read.
template <typename Fn>
bool ForEachInputLine(const Options& o, Fn fn) {
  if (!o.args.empty()) {
    for (const std::string& a : o.args) fn(a);
    return true;
  }
  wb::LineReader lines;
  std::string line;
  while (lines.Next(line)) fn(line);
  if (lines.Failed()) {
    std::fflush(stdout);
    Fail(kExitInput, lines.Error());
    return false;
  }
  return true;
}

// One line of input in engine bytes: UTF-8 as it is, any other line read as
// Windows-1252, like an older page.
std::string LineToEngine(const Options& o, wb::Utf8ToEngine& codec, const std::string& line) {
  if (o.gbk) return line;
  return codec.Convert(wb::IsValidUtf8(line) ? line : wb::Cp1252ToUtf8(line));
}

int RunSentence(const Options& o, const char* argv0) {
  wb::Lexicon lexicon;
  std::string error;
  if (!LoadLexicon(o, argv0, lexicon, error)) return Fail(kExitDataFile, error);
  Translator t(o, lexicon);
  wb::Utf8ToEngine codec;
  const bool ok = ForEachInputLine(o, [&](const std::string& line) {
    std::string zh = t.sentences.TranslateLong(LineToEngine(o, codec, line));
    std::string shown = o.gbk ? zh : codec.ToUtf8(zh);
    // One line out for every line in, whatever the engine made of it.
    for (char& c : shown)
      if (c == '\n' || c == '\r') c = ' ';
    shown += '\n';
    std::fwrite(shown.data(), 1, shown.size(), stdout);
  });
  if (!ok) return kExitInput;
  std::fflush(stdout);
  if (std::ferror(stdout)) return Fail(kExitOutput, StdoutError());
  return kExitOk;
}

// Form flags by name, joined by "|", the rule language's names where they
// exist; bits without a name in hexadecimal.
std::string FlagNames(wb::WordFlags flags) {
  static const struct {
    wb::WordFlags bit;
    const char* name;
  } kNames[] = {{wb::wf::S, "S"},               {wb::wf::SINGULAR, "SINGULAR"}, {wb::wf::PLURAL, "PLURAL"},
                {wb::wf::ING, "ING"},           {wb::wf::PAST, "PAST"},         {wb::wf::EN, "EN"},
                {wb::wf::ED, "ED"},             {wb::wf::WF_VERB, "WF_VERB"},
                {wb::wf::ER, "ER"},             {wb::wf::EST, "EST"},           {wb::wf::WF_NOTFOUND, "WF_NOTFOUND"},
                {wb::wf::ABBR, "ABBR"},         {wb::wf::WF_MARKED, "WF_MARKED"}};
  std::string out;
  wb::WordFlags rest = flags;
  // The names of two bits (S, PAST) come before the names of their halves.
  for (const auto& n : kNames) {
    if ((rest & n.bit) != n.bit) continue;
    if (!out.empty()) out += '|';
    out += n.name;
    rest = static_cast<wb::WordFlags>(rest & ~n.bit);
  }
  if (rest != 0) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", rest);
    if (!out.empty()) out += '|';
    out += hex;
  }
  return out.empty() ? "-" : out;
}

// A column's text: tabs and line breaks would break the columns.
std::string Column(std::string_view s, bool gbk, const wb::Utf8ToEngine& codec) {
  std::string out = gbk ? std::string(s) : codec.ToUtf8(s);
  for (char& c : out)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return out.empty() ? "-" : out;
}

void PrintWordTable(const Options& o, Translator& t, const wb::Utf8ToEngine& codec) {
  const wb::SentenceState& st = t.engine.State();
  for (int i = 1; i <= st.sentenceLen; ++i) {
    const wb::WordRecord& w = st.words[i];
    std::string cats;
    for (int k = 1; k <= w.catCount && k <= wb::kMaxCats; ++k) {
      if (!cats.empty()) cats += ',';
      cats += wb::CategoryName(w.cats[k]);
    }
    std::printf("%d\t%s\t%s\t%s\t%s\t%d\t%d\n", i, Column(st.textPool.Get(w.text), o.gbk, codec).c_str(),
                Column(t.engine.WordText(i), o.gbk, codec).c_str(), FlagNames(w.flags).c_str(),
                cats.empty() ? "-" : cats.c_str(), w.senseCount, w.phraseLen);
  }
}

int RunAnalyse(const Options& o, const char* argv0) {
  wb::Lexicon lexicon;
  std::string error;
  if (!LoadLexicon(o, argv0, lexicon, error)) return Fail(kExitDataFile, error);
  Translator t(o, lexicon);
  wb::Utf8ToEngine codec;
  bool first = true;
  const bool ok = ForEachInputLine(o, [&](const std::string& line) {
    // A line longer than the sentence buffer is shown in the pieces the
    // translation takes, one table for each.
    std::string text = LineToEngine(o, codec, line);
    std::string_view rest = text;
    do {
      const std::size_t n = wb::SentencePieceLength(rest);
      if (!first) std::fputc('\n', stdout);
      first = false;
      std::fputs("pos\tsurface\tlexical\tflags\tcategories\tsenses\tphrase\n", stdout);
      wb::Str255 sentence(rest.substr(0, n));
      rest.remove_prefix(n);
      try {
        t.engine.TranslateSentence(sentence);
      } catch (const std::bad_alloc&) {
        throw;
      } catch (const std::exception& e) {
        std::fprintf(stderr, "wenb97: analyse: sentence abandoned: %s\n", e.what());
      }
      PrintWordTable(o, t, codec);
    } while (!rest.empty());
  });
  if (!ok) return kExitInput;
  std::fflush(stdout);
  if (std::ferror(stdout)) return Fail(kExitOutput, StdoutError());
  return kExitOk;
}

int Main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kMainHelp, stderr);
    return kExitUsage;
  }
  std::string command = argv[1];
  if (command == "-h" || command == "--help" || command == "help") {
    std::fputs(kMainHelp, stdout);
    return kExitOk;
  }
  const bool isPage = command == "page";
  const char* help = isPage                  ? kPageHelp
                     : command == "text"     ? kTextHelp
                     : command == "sentence" ? kSentenceHelp
                     : command == "analyse"  ? kAnalyseHelp
                                             : nullptr;
  if (help == nullptr) return Fail(kExitUsage, "unknown command '" + command + "' (see 'wenb97 --help')");

  Options o;
  std::string error;
  if (!ParseOptions(argc - 2, argv + 2, isPage, o, error)) return Fail(kExitUsage, command + ": " + error);
  if (o.help) {
    std::fputs(help, stdout);
    std::fputs(kCommonOptions, stdout);
    return kExitOk;
  }
  if (isPage) return RunPage(o, argv[0]);
  if (command == "text") return RunText(o, argv[0]);
  if (command == "analyse") return RunAnalyse(o, argv[0]);
  return RunSentence(o, argv[0]);
}

}  // namespace

int main(int argc, char** argv) {
  wb::InstallOutputCleanup();
  try {
    return Main(argc, argv);
  } catch (const std::bad_alloc&) {
    // Temporaries are removed by their owners on the way out.
    std::fputs("wenb97: out of memory\n", stderr);
    return kExitMemory;
  }
}
