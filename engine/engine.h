#pragma once
// The translation engine: one English sentence in, one Chinese (GBK)
// sentence out.
//
// An Engine holds all per-sentence state, so several engines may work side by
// side over one read-only lexicon; one engine translates one sentence at a
// time and is not re-entrant.

#include <string_view>

#include "engine/analysis/scanner.h"
#include "engine/analysis/sentence_context.h"
#include "engine/analysis/short_string.h"
#include "engine/analysis/word_rules.h"
#include "engine/generate/generation_memory.h"
#include "engine/generate/generator.h"
#include "engine/parse/parser.h"

namespace wb {

class Engine : public SentenceContext {
 public:
  // Without a lexicon every word is an unknown word that stands for itself.
  explicit Engine(const Lexicon* lexicon = nullptr);

  // Translates the sentence in place; the result is cut to 255 bytes.
  // Throws SentenceAbandoned when a stage gives up on the sentence.
  void TranslateSentence(Str255& sentence);

  // The pipeline over a working string, translated in place. srcMax and
  // dstMax bound the source and the result (255 from the entry).
  void TranslateWords(Str255& text, std::size_t srcMax, std::size_t dstMax);

  // The parse of the last sentence: its chosen tree over all its words and
  // the fragments with their kept parses.
  const Parser& Parse() const { return parser_; }

  // What generation carries from sentence to sentence: the topic and the
  // recent words. A new page or text may start afresh with Clear().
  GenerationMemory& Memory() { return memory_; }
  // The generator of the last sentence (which words it accounted for).
  const Generator& LastGeneration() const { return generator_; }

 private:
  void AnalyseWords(std::string_view text, std::size_t srcMax);
  void AnalyseUnknownWords(std::string_view text);
  void PreFilterCategories();
  void RunWordRules();
  void FindPossibleVerbs();
  void Generate(Str255& dst, std::size_t dstMax);

  Scanner scanner_;
  WordRules rules_;
  Parser parser_;
  GenerationMemory memory_;
  Generator generator_;
  ParseBuffer generated_{};  // the chosen tree as generation repaired it
};

}  // namespace wb
