#pragma once
// The data files beside the program and the translation engine over them,
// as the toolbar program loads them: the Big5 table and the bad-word list at
// start-up (the page translation cannot do without them), the lexicon when
// the toolbar is first shown.

#include <string>

#include "engine/analysis/lexicon.h"
#include "engine/engine.h"
#include "html/content_rating.h"
#include "html/entities.h"
#include "html/page_filter.h"

namespace wb {

class EngineHost {
 public:
  EngineHost();
  EngineHost(const EngineHost&) = delete;
  EngineHost& operator=(const EngineHost&) = delete;

  // "big52gb" and "badwords.xtm" from dir (with its trailing separator).
  // False with a message naming the file and the reason when either is
  // missing or damaged.
  bool LoadPageTables(const std::string& dir, std::string& error);

  // "LEXICON.MTX" from dir. False with a message naming the file and the
  // reason; the engine then works on with an empty lexicon, every word
  // standing for itself.
  bool InitEngine(const std::string& dir, std::string& error);
  bool EngineReady() const { return engineReady_; }

  Engine& engine() { return engine_; }
  SentenceTranslator& sentences() { return sentences_; }
  const Big5Table& big5() const { return big5_; }
  const BadWordList& badWords() const { return badWords_; }

 private:
  Lexicon lexicon_;
  Engine engine_;
  SentenceTranslator sentences_;
  Big5Table big5_;
  BadWordList badWords_;
  bool engineReady_ = false;
};

}  // namespace wb
