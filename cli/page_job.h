#pragma once
// Translating one page in memory: decoding it, filtering it with a fresh
// engine over the shared data, and weighing its content. Reading the input
// and writing the result are the caller's, so that one page and a whole
// site go the same way.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/content_questions.h"
#include "cli/data_files.h"
#include "cli/encoding.h"
#include "cli/exit_status.h"
#include "engine/analysis/sentence_context.h"
#include "html/page_filter.h"

namespace wb {

// What the options ask, the same for every page of a run.
struct PageSettings {
  bool gbk = false;      // --encoding gbk: the engine's own bytes in and out
  bool verbose = false;
  bool netscape = true;  // --browser
  int showTran = 0;
  bool tranPre = false;
  bool tranBlockquote = false;
  bool plain = false;    // every page is plain text
  bool pics = true;
  bool contentEval = true;
};

// Where one page comes from and where it is meant to be seen.
struct PagePlace {
  std::string name;      // for messages: the input's path, or "standard input"
  std::string address;   // the page's own address, for its base tag
  bool plainText = false;
  std::string frameDir;  // where its frame pages are expected, ending in "/"
};

struct PageResult {
  int status = exit_status::kOk;
  std::string error;  // "NAME: reason" when status is not 0
  std::string output;
  PageCounters counters;
  std::optional<std::vector<std::string>> frames;
  bool picsDeclined = false;  // the warning page stands in for the page
  int engineFailures = 0;
};

// The page's text made ready for the filter: decoded, a Big5 page converted
// with the table, and the codec for what it became (none for GBK output).
struct PreparedText {
  std::string text;
  std::unique_ptr<PageCodec> codec;
};

// Decodes raw input for the chosen output. big5 may be null: the table is
// then loaded from dataDir only if the text turns out to be Big5. Returns an
// exit status; on failure error holds the message.
int PrepareText(std::string raw, bool gbk, bool verbose, const std::string& name, const Big5Table* big5,
                const std::string& dataDir, PreparedText& prepared, std::string& error);

// Translates one page. A progress display, when given, follows the page.
PageResult TranslatePage(const PageData& data, const PageSettings& settings, ContentQuestions& questions,
                         std::string raw, const PagePlace& place, ProgressDisplay* progress = nullptr);

}  // namespace wb
