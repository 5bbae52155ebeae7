#pragma once
// "wenb97 text --mail": a text translated the way the toolbar's result
// window shows it.

#include <string>

#include "html/page_filter.h"

namespace wb {

// The text cut into sentences by the toolbar's text scan: quoted mail lines
// keep their ">" marks, an empty line ends a paragraph, and each translation
// is cut into lines of at least 50 bytes. With gbk the text is in the
// engine's own bytes and so is the result; otherwise the text is UTF-8 (or,
// when it is not valid UTF-8, Windows-1252) and the result UTF-8. The
// result's lines end as the text's lines do (CR LF or LF), one line end
// after every line.
std::string MailTextTranslation(std::string text, SentenceTranslator& sentences, bool gbk);

}  // namespace wb
