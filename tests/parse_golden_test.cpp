// The golden parse corpus: tests/parses/*.txt hold English sentences, each
// on a line "> SENTENCE", followed by the parse `wenb97 parse` prints for it
// over the shipped lexicon (bin/LEXICON.MTX). Lines starting with "#" before
// a sentence are notes on it and are kept; a note "# wrong: ..." says where
// the parse is not what English wants, rather than blessing it.
//
// Every sentence must parse as written; together they must use each of the
// 73 link rules at least once. After a deliberate change run
//   WB_UPDATE_GOLDEN=1 ./build/bin/wenbridge_tests --gtest_filter='ParseCorpus*'
// and review the diff like any other change.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "engine/engine.h"
#include "engine/parse/parse_format.h"
#include "html/page_file.h"

namespace wb {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpusDir = fs::path(WB_TEST_DATA_DIR) / "parses";

const Lexicon& ShippedLexicon() {
  struct Holder {
    Lexicon lex;
    bool ok;
    std::string error;
    Holder() { ok = lex.LoadFile((fs::path(WB_BIN_DIR) / "LEXICON.MTX").string(), &error); }
  };
  static const Holder holder;
  EXPECT_TRUE(holder.ok) << holder.error;
  return holder.lex;
}

// One sentence of a corpus file: its notes, its text, the parse written for
// it.
struct Entry {
  std::vector<std::string> notes;
  std::string sentence;
  std::string expected;
};

struct CorpusFile {
  std::vector<std::string> header;  // notes before the first sentence that belong to the file
  std::vector<Entry> entries;
};

CorpusFile ReadCorpus(const fs::path& path) {
  std::string text, error;
  EXPECT_TRUE(ReadWholeFile(path.string(), text, error)) << error;
  CorpusFile file;
  std::vector<std::string> notes;
  Entry* current = nullptr;
  std::istringstream in(text);
  std::string line;
  bool headerDone = false;
  while (std::getline(in, line)) {
    if (line.rfind("> ", 0) == 0) {
      file.entries.push_back(Entry{std::move(notes), line.substr(2), {}});
      notes.clear();
      current = &file.entries.back();
      headerDone = true;
    } else if (line.empty()) {
      if (!headerDone && !notes.empty()) {
        file.header = std::move(notes);
        notes.clear();
        headerDone = true;
      }
      current = nullptr;
    } else if (current != nullptr) {
      current->expected += line + "\n";
    } else {
      notes.push_back(line);
    }
  }
  return file;
}

void WriteCorpus(const fs::path& path, const CorpusFile& file) {
  std::string out;
  for (const std::string& h : file.header) out += h + "\n";
  if (!file.header.empty()) out += "\n";
  for (const Entry& e : file.entries) {
    for (const std::string& n : e.notes) out += n + "\n";
    out += "> " + e.sentence + "\n" + e.expected + "\n";
  }
  std::string error;
  ASSERT_TRUE(WriteFileReplacing(path.string(), out, error)) << error;
}

// What `wenb97 parse` writes for the sentence, and the rules its chosen
// parses use.
struct Parsed {
  std::string text;
  std::set<int> rules;
};

Parsed ParseSentence(Engine& engine, const std::string& sentence) {
  Parsed result;
  int pieces = 0;
  std::string text;
  engine.SetPieceObserver([&](const Engine& e) {
    ++pieces;
    text += "# piece " + std::to_string(pieces) + "\n" + FormatSentenceParse(e, e.Parse(), {});
    for (int p = 1; p <= e.State().sentenceLen; ++p)
      if (const int rule = LinkRuleOf(e.Parse().Chosen(), p)) result.rules.insert(rule);
  });
  engine.TranslateText(sentence);
  if (pieces == 1) text.erase(0, text.find('\n') + 1);
  result.text = text;
  return result;
}

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(kCorpusDir))
    if (e.path().extension() == ".txt") names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class ParseCorpus : public ::testing::TestWithParam<std::string> {};

TEST_P(ParseCorpus, EverySentenceParsesAsWritten) {
  const fs::path path = kCorpusDir / GetParam();
  CorpusFile file = ReadCorpus(path);
  ASSERT_FALSE(file.entries.empty()) << path;
  Engine engine(&ShippedLexicon());
  const bool update = std::getenv("WB_UPDATE_GOLDEN") != nullptr;
  for (Entry& e : file.entries) {
    const Parsed parsed = ParseSentence(engine, e.sentence);
    if (update)
      e.expected = parsed.text;
    else
      EXPECT_EQ(parsed.text, e.expected) << "> " << e.sentence;
  }
  if (update) WriteCorpus(path, file);
}

INSTANTIATE_TEST_SUITE_P(ParseCorpus, ParseCorpus, ::testing::ValuesIn(CorpusFiles()), [](const auto& info) {
  std::string n = info.param;
  for (char& c : n)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return n;
});

TEST(ParseCorpusCoverage, EveryLinkRuleIsUsedAndThereAreEnoughSentences) {
  Engine engine(&ShippedLexicon());
  std::set<int> used;
  int sentences = 0;
  for (const std::string& name : CorpusFiles()) {
    for (const Entry& e : ReadCorpus(kCorpusDir / name).entries) {
      const Parsed parsed = ParseSentence(engine, e.sentence);
      used.insert(parsed.rules.begin(), parsed.rules.end());
      ++sentences;
    }
  }
  EXPECT_GE(sentences, 200);
  for (int rule = 1; rule <= kLinkRuleCount; ++rule)
    EXPECT_TRUE(used.count(rule)) << "link rule " << rule << " is used by no sentence of the corpus";
}

}  // namespace
}  // namespace wb
