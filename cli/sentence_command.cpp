// "wenb97 sentence [TEXT...]": a line filter. Exactly one line out for
// every line in, in order, so that it runs unchanged under GNU parallel
// --pipe, Hadoop Streaming or Spark's RDD.pipe; into a pipe (or with
// --line-buffered) every line is flushed as soon as it is translated.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/command.h"
#include "cli/data_files.h"
#include "cli/exit_status.h"
#include "cli/line_input.h"
#include "cli/translator.h"
#include "html/sentence_cut.h"

namespace wb {

namespace {

struct SentenceOptions {
  CommonOptions common;
  std::vector<std::string> texts;
  bool lineBuffered = false;
};

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "wenb97: %s\n", message.c_str());
  return status;
}

bool StdoutIsPipe() {
  struct stat st;
  return fstat(STDOUT_FILENO, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode));
}

// The translation of one line as one line: whatever the engine made of it,
// a line break inside would break the one-for-one rule.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  text += '\n';
  return text;
}

// One line: its sentences, cut as the text command cuts them, translated in
// turn (the topic and recent words carry from one to the next) and joined.
std::string TranslateLine(SentenceTranslator& sentences, std::string_view line) {
  std::string out;
  for (std::size_t start = 0; start < line.size();) {
    const std::size_t end = SentenceEnd(line, start);
    std::string_view sentence = line.substr(start, end - start);
    start = end;
    while (!sentence.empty() && (sentence.front() == ' ' || sentence.front() == '\t')) sentence.remove_prefix(1);
    if (!sentence.empty()) out += sentences.TranslateLong(sentence);
  }
  return out;
}

int RunSentence(const SentenceOptions& o, const char* argv0) {
  Lexicon lexicon;
  std::string error;
  if (!LoadLexiconData(DataDirectory(argv0), lexicon, error)) return Fail(exit_status::kDataFile, error);
  Utf8ToEngine codec;
  const bool gbk = o.common.Gbk();
  const bool flushEach = o.lineBuffered || StdoutIsPipe();
  bool written = true;
  const bool read = ForEachInputLine(
      o.texts,
      [&](const std::string& line) {
        // Every line on its own, with an engine that remembers nothing of the
        // lines before: a corpus cut into chunks, as parallel --pipe does,
        // comes out as it does from one process.
        Translator t(lexicon, o.common.verbose);
        const std::string zh = TranslateLine(t.sentences, LineToEngine(gbk, codec, line));
        const std::string out = OneLine(gbk ? zh : codec.ToUtf8(zh));
        std::fwrite(out.data(), 1, out.size(), stdout);
        if (flushEach && std::fflush(stdout) != 0) written = false;
      },
      error);
  if (std::fflush(stdout) != 0 || std::ferror(stdout) || !written)
    return Fail(exit_status::kOutput, std::string("standard output: write error: ") + std::strerror(errno));
  if (!read) return Fail(exit_status::kInput, error);
  return exit_status::kOk;
}

}  // namespace

Command AddSentenceCommand(CLI::App& program, const char* argv0) {
  auto o = std::make_shared<SentenceOptions>();
  CLI::App* sentence =
      program.add_subcommand("sentence", "translate each argument, or each line of standard input");
  sentence->footer(
      "Translates each TEXT argument, or each line of standard input when there is none, and writes "
      "exactly one line of Chinese for each, in order (a line ends at LF, CR LF or a lone CR). Into a "
      "pipe every line is written out as soon as it is translated.");
  sentence->add_option("TEXT", o->texts, "sentences to translate")->type_name("");
  sentence->add_flag("--line-buffered", o->lineBuffered,
                     "write out every line as soon as it is translated, wherever the output goes");
  AddCommonOptions(sentence, o->common);
  return {sentence, [o, argv0] { return RunSentence(*o, argv0); }};
}

}  // namespace wb
