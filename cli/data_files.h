#pragma once
// The data files the program reads at start-up: the lexicon "LEXICON.MTX",
// the Big5 table "big52gb" and the bad-word list "badwords.xtm".

#include <string>

#include "engine/analysis/lexicon.h"
#include "html/content_rating.h"
#include "html/entities.h"

namespace wb {

// The folder that holds the data files, with a trailing "/": the one named by
// WENB97_DATA_DIR when it is set; otherwise the program's own folder (a build
// tree puts them there) when LEXICON.MTX lies in it; otherwise
// ../share/wenbridge/ beside the program's folder (an installed program);
// otherwise the program's own folder again, so that a message names the
// file where it was first looked for.
std::string DataDirectory(const char* argv0);

// Each loader returns false with a message that names the file and the
// reason (missing, a directory, damaged).
bool LoadLexiconData(const std::string& dataDir, Lexicon& lexicon, std::string& error);
bool LoadBig5Data(const std::string& dataDir, Big5Table& table, std::string& error);
bool LoadBadWordData(const std::string& dataDir, BadWordList& list, std::string& error);

// The Big5 table and the bad-word list that every page needs, and the
// lexicon, loaded once and shared read-only by every engine.
struct PageData {
  Lexicon lexicon;
  Big5Table big5;
  BadWordList badWords;
};

}  // namespace wb
