#pragma once
// The page shown after a translation when the English page and its
// translation are to be seen together: a two-frame page with the English
// page first (left or top) and the translation second.

#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace wb {

// The text of the two-frame page for the display option `showTran`:
// 1 puts the two pages side by side, 2 one above the other. The English frame
// loads the page from its address (`pageUrl`); the translation frame loads
// "file://" followed by `translationPath` exactly as given (backslashes and
// all). The text is one line with no line break at its end.
//
// For 0 (translation only) the result is empty: the translation is shown on
// its own and nothing must be written, so an older composed page stays as it
// was. Any other value is treated the same way, so a damaged setting never
// yields a half-made frameset.
std::string ComposeResultPageText(int showTran, std::string_view pageUrl,
                                  std::string_view translationPath);

// The name of the two-frame page in the result directory.
inline constexpr std::string_view kComposedPageName = "transc.htm";

// ComposeResultPage: the file the browser is to show. For translation only
// that is the translation itself and nothing is written; otherwise the
// two-frame page is written to resultDir + "transc.htm" and that is shown.
// A page that cannot be written gives ok false and the reason in error.
struct ComposedPage {
  bool ok = false;
  std::string path;
  std::string error;
};
ComposedPage ComposeResultPage(Desktop& desktop, int showTran, std::string_view pageUrl,
                               std::string_view translationPath, std::string_view resultDir);

}  // namespace wb
