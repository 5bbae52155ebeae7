#pragma once
// One engine over a loaded lexicon, with its sentence buffer, set up the way
// the options ask. Every page gets a fresh one, so that nothing of one page
// (the engine's memory of recent words) reaches the next: the result of a
// page never depends on which pages were translated before it.

#include <cstdio>
#include <string_view>

#include "engine/engine.h"
#include "html/page_filter.h"

namespace wb {

inline void PrintEngineDiagnostic(std::string_view m) {
  std::fprintf(stderr, "wenb97: engine: %.*s\n", static_cast<int>(m.size()), m.data());
}

struct Translator {
  Translator(const Lexicon& lexicon, bool verbose) : engine(&lexicon), sentences(engine) {
    if (verbose) engine.SetDiagnostics(PrintEngineDiagnostic);
  }
  Engine engine;
  SentenceTranslator sentences;
};

}  // namespace wb
