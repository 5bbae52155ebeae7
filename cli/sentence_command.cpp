// "wenb97 sentence [TEXT...]": a line filter. Exactly one line out for
// every line in, in order, so that it runs unchanged under GNU parallel
// --pipe, Hadoop Streaming or Spark's RDD.pipe; into a pipe (or with
// --line-buffered) every line is flushed as soon as it is translated.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "cli/command.h"
#include "cli/line_command.h"
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
  const bool gbk = o.common.Gbk();
  const bool flushEach = o.lineBuffered || StdoutIsPipe();
  // Every line on its own, with an engine that remembers nothing of the
  // lines before: a corpus cut into chunks, as parallel --pipe does, comes
  // out as it does from one process.
  return RunLineCommand(o.texts, o.common, argv0, [&](Translator& t, Utf8ToEngine& codec, const std::string& line) {
    const std::string zh = TranslateLine(t.sentences, LineToEngine(gbk, codec, line));
    const std::string out = OneLine(gbk ? zh : codec.ToUtf8(zh));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return !flushEach || std::fflush(stdout) == 0;
  });
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
