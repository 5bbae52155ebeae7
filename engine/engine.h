#pragma once
// The translation engine: one English sentence in, one Chinese (GBK)
// sentence out.
//
// An Engine holds all per-sentence state, so several engines may work side by
// side over one read-only lexicon; one engine translates one sentence at a
// time and is not re-entrant.
//
// The stages, in order: the lexical stage (scanner, lexicon, morphology),
// the category pre-filters, the word rules, the parse with its selection,
// and generation. A sentence with more words than the word table holds
// (49) or more bytes than a sentence buffer (255) goes through them in
// consecutive pieces, cut at clause boundaries (sentence_pieces.h); every
// piece but the last leaves out the closing mark.

#include <functional>
#include <string>
#include <string_view>

#include "engine/analysis/lexical_stage.h"
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

  // A sentence of any length, as TranslateSentence would translate it but
  // with nothing cut: the result holds every word. A piece that a stage
  // gives up on keeps its English; `failedPieces` counts them.
  struct Translation {
    std::string text;
    int failedPieces = 0;
  };
  Translation TranslateText(std::string_view sentence);

  // Called after every piece of a sentence has been translated, with the
  // engine's tables and parse still those of the piece (for tools that show
  // them).
  void SetPieceObserver(std::function<void(const Engine&)> observer) { observer_ = std::move(observer); }

  // The bytes of the sentence (after its closing mark came off) that the
  // piece in hand covers, and whether its tokens were all taken.
  struct PieceSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool whole = true;
  };
  const PieceSpan& Piece() const { return piece_; }

  // The parse of the last sentence: its chosen tree over all its words and
  // the fragments with their kept parses.
  const Parser& Parse() const { return parser_; }
  Parser& Parse() { return parser_; }

  // What generation carries from sentence to sentence: the topic and the
  // recent words. A new page or text may start afresh with Clear().
  GenerationMemory& Memory() { return memory_; }
  // The generator of the last sentence (which words it accounted for).
  const Generator& LastGeneration() const { return generator_; }

 private:
  void StripEnd(std::string& work);
  int TranslatePieces(std::string_view text, std::string& out, bool keepGoing);
  std::size_t TranslatePiece(std::string_view text, std::string& out);
  std::size_t AnalysePiece(std::string_view text);
  void AnalyseWords(std::string_view text, int maxTokens = kMaxWords);
  void AnalyseUnknownWords(std::string_view text, int maxTokens);
  void PreFilterCategories();
  void RunWordRules();
  void FindPossibleVerbs();
  void Generate(std::string& out);

  Scanner scanner_;
  WordRules rules_;
  Parser parser_;
  LexicalExtent extent_;  // how far the lexical stage got in the piece
  PieceSpan piece_;
  std::function<void(const Engine&)> observer_;
  GenerationMemory memory_;
  Generator generator_;
  ParseBuffer generated_{};  // the chosen tree as generation repaired it
};

// What a sentence without words becomes: its closing mark, in the form
// generation gives it ("......" for a run of full stops, whose mark inside
// the engine is no text).
std::string EmptySentenceText(char endPunct);

}  // namespace wb
