// "wenb97 analyse [TEXT...]": the engine's word table for each sentence,
// for people who work on the lexicon.

#include <cstdio>
#include <memory>
#include <new>

#include "cli/command.h"
#include "cli/line_command.h"
#include "cli/line_input.h"
#include "cli/translator.h"
#include "engine/grammar/grammar.h"

namespace wb {

namespace {

struct AnalyseOptions {
  CommonOptions common;
  std::vector<std::string> texts;
};

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
std::string Column(std::string_view s, bool gbk, const Utf8ToEngine& codec) {
  std::string out = gbk ? std::string(s) : codec.ToUtf8(s);
  for (char& c : out)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return out.empty() ? "-" : out;
}

// The word table of the piece the engine holds, as lines of text.
std::string WordTable(bool gbk, const Engine& engine, const Utf8ToEngine& codec) {
  std::string out = "pos\tsurface\tlexical\tflags\tcategories\tsenses\tphrase\n";
  const SentenceState& st = engine.State();
  for (int i = 1; i <= st.sentenceLen; ++i) {
    const WordRecord& w = st.words[i];
    std::string cats;
    for (int k = 1; k <= w.catCount && k <= kMaxCats; ++k) {
      if (!cats.empty()) cats += ',';
      cats += CategoryName(w.cats[k]);
    }
    out += std::to_string(i) + '\t' + Column(st.textPool.Get(w.text), gbk, codec) + '\t' +
           Column(engine.WordText(i), gbk, codec) + '\t' + FlagNames(w.flags) + '\t' +
           (cats.empty() ? "-" : cats) + '\t' + std::to_string(w.senseCount) + '\t' +
           std::to_string(w.phraseLen) + '\n';
  }
  return out;
}

// A line with more words than the engine's word table holds is translated
// in pieces; each piece's table is shown after a "# piece N" line.
void AnalyseLine(const AnalyseOptions& o, Translator& t, Utf8ToEngine& codec, const std::string& line,
                 bool& first) {
  const bool gbk = o.common.Gbk();
  if (!first) std::fputc('\n', stdout);
  first = false;
  const std::string tables = ShowEachPiece(t, LineToEngine(gbk, codec, line), "analyse",
                                           [&](const Engine& e) { return WordTable(gbk, e, codec); });
  std::fwrite(tables.data(), 1, tables.size(), stdout);
}

int RunAnalyse(const AnalyseOptions& o, const char* argv0) {
  bool first = true;
  return RunLineCommand(o.texts, o.common, argv0, [&](Translator& t, Utf8ToEngine& codec, const std::string& line) {
    AnalyseLine(o, t, codec, line, first);
    return true;
  });
}

}  // namespace

Command AddAnalyseCommand(CLI::App& program, const char* argv0) {
  auto o = std::make_shared<AnalyseOptions>();
  CLI::App* analyse =
      program.add_subcommand("analyse", "show the word table the engine builds for each sentence");
  analyse->footer(
      "For each TEXT argument, or each line of standard input when there is none, prints the engine's "
      "word table as tab-separated lines under a header: position, surface text, lexical text (the "
      "headword, or the text used for a word not in the lexicon), form flags joined by |, candidate "
      "categories joined by commas, number of senses, phrase length. Empty columns hold \"-\". A line "
      "with more words than the word table holds (49) is translated in pieces, each table after a line "
      "\"# piece N\". A blank line separates sentences.");
  analyse->add_option("TEXT", o->texts, "sentences to analyse")->type_name("");
  AddCommonOptions(analyse, o->common);
  return {analyse, [o, argv0] { return RunAnalyse(*o, argv0); }};
}

}  // namespace wb
