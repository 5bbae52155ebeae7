#include "app/engine_host.h"

namespace wb {

EngineHost::EngineHost() : engine_(&lexicon_), sentences_(engine_) {
  engine_.SetBadWordTest([this](std::string_view w) { return IsBadWord(badWords_, w); });
}

bool EngineHost::LoadPageTables(const std::string& dir, std::string& error) {
  return big5_.LoadFromFile(dir + Big5Table::kFileName, &error) &&
         LoadBadWordsFile(dir + std::string(kBadWordsFileName), &badWords_, &error);
}

bool EngineHost::InitEngine(const std::string& dir, std::string& error) {
  // The engine translates from here on, with whatever lexicon it got.
  engineReady_ = true;
  return lexicon_.LoadFile(dir + std::string(kLexiconFileName), &error);
}

}  // namespace wb
