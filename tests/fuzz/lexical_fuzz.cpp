// Arbitrary bytes as a sentence, through the whole lexical stage over the
// fixture lexicon: the stage never reads or writes outside its tables, never
// hangs, and leaves a word table that keeps its limits. A sentence may be
// abandoned (the fixture holds a contraction that names a missing word), but
// only through the engine's own exception.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/engine.h"
#include "engine/analysis/lexical_stage.h"
#include "tests/lexicon_fixture.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckTables(const wb::Engine& engine) {
  const wb::SentenceState& s = engine.State();
  Check(s.sentenceLen >= 0 && s.sentenceLen <= wb::kMaxSentenceWords);
  Check(s.senseCount >= 0 && s.senseCount <= wb::kMaxSenses);
  Check(s.textPool.Used() <= wb::kTextPoolSize);
  for (int i = 1; i <= s.sentenceLen; ++i) {
    const wb::WordRecord& w = s.words[static_cast<std::size_t>(i)];
    Check(w.catCount >= 1 && w.catCount <= wb::kMaxCats);
    Check(w.firstSense + w.senseCount <= s.senseCount);
    for (int k = 0; k < w.senseCount; ++k) Check(s.senseTable[static_cast<std::size_t>(w.firstSense + k)] != nullptr);
    Check(w.phraseLen < i);
    Check((w.flags & wb::wf::WF_NOTFOUND) != 0 || w.entry != nullptr);
    Check(engine.WordText(i).size() <= 255);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size < 255 ? size : 255);
  static wb::Engine engine(&wb::fixture::FixtureLexicon());
  static bool ready = false;
  if (!ready) {
    engine.SetDiagnostics([](std::string_view m) { Check(!m.empty()); });
    engine.SetBadWordTest([](std::string_view w) { return w == "cat"; });
    ready = true;
  }
  const std::int64_t before = engine.Counters().wordCount;
  wb::Str255 sentence(text);
  try {
    engine.TranslateSentence(sentence);
    Check(sentence.size() <= 255);
    CheckTables(engine);
  } catch (const wb::SentenceAbandoned&) {
  }
  Check(engine.Counters().wordCount >= before);
  Check(engine.Counters().badWordCount <= engine.Counters().wordCount);
  return 0;
}
