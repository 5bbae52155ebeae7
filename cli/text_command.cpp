// "wenb97 text [FILE]": plain text, from a file or standard input, to
// standard output.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/command.h"
#include "cli/data_files.h"
#include "cli/exit_status.h"
#include "cli/input.h"
#include "cli/mail_text.h"
#include "cli/page_job.h"
#include "cli/translator.h"

namespace wb {

namespace {

struct TextOptions {
  CommonOptions common;
  std::vector<std::string> files;
  bool mail = false;
};

int WriteOut(const std::string& out) {
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout))
    return Fail(exit_status::kOutput, std::string("standard output: write error: ") + std::strerror(errno));
  return exit_status::kOk;
}

// The text as the toolbar's result window shows it.
int RunMailText(const TextOptions& o, std::string raw, const std::string& dataDir) {
  Lexicon lexicon;
  std::string error;
  if (!LoadLexiconData(dataDir, lexicon, error)) return Fail(exit_status::kDataFile, error);
  Translator t(lexicon, o.common.verbose);
  return WriteOut(MailTextTranslation(std::move(raw), t.sentences, o.common.Gbk()));
}

int RunText(const TextOptions& o, const char* argv0) {
  if (o.files.size() > 1) return Fail(exit_status::kUsage, "text: give at most one FILE (see 'wenb97 text --help')");
  const std::string input = o.files.empty() ? "-" : o.files[0];
  std::string raw, error;
  if (!ReadInput(input, raw, error)) return Fail(exit_status::kInput, error);
  const std::string dataDir = DataDirectory(argv0);
  if (o.mail) return RunMailText(o, std::move(raw), dataDir);
  PreparedText text;
  if (int status = PrepareText(std::move(raw), o.common.Gbk(), o.common.verbose,
                               input == "-" ? "standard input" : input, nullptr, dataDir, text, error);
      status != exit_status::kOk)
    return Fail(status, error);
  Lexicon lexicon;
  if (!LoadLexiconData(dataDir, lexicon, error)) return Fail(exit_status::kDataFile, error);
  FilterSettings settings;
  settings.plainText = true;
  settings.lineBreak = text.text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  Translator t(lexicon, o.common.verbose);
  PageFilter filter(t.sentences, settings);
  filter.SetCodec(text.codec.get());
  std::string out;
  filter.TranslateHtml(text.text, out);
  return WriteOut(out);
}

}  // namespace

Command AddTextCommand(CLI::App& program, const char* argv0) {
  auto o = std::make_shared<TextOptions>();
  CLI::App* text = program.add_subcommand("text", "translate plain text (standard input by default)");
  text->footer("Translates plain text from FILE (standard input by default, or -) to standard output, "
               "sentence by sentence, keeping its lines.");
  text->add_option("FILE", o->files, "the text to translate; - or none reads standard input")->type_name("");
  text->add_flag("--mail", o->mail,
                 "translate as the toolbar's result window does: quoted mail lines keep their \">\" marks, "
                 "an empty line ends a paragraph, lines are cut after 50 bytes of Chinese");
  AddCommonOptions(text, o->common);
  return {text, [o, argv0] { return RunText(*o, argv0); }};
}

}  // namespace wb
