#include "cli/mail_text.h"

#include <vector>

#include "app/text_scan.h"
#include "cli/encoding.h"

namespace wb {

std::string MailTextTranslation(std::string text, SentenceTranslator& sentences, bool gbk) {
  const std::string lineEnd = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  if (!gbk) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.compare(0, kBom.size(), kBom) == 0) text.erase(0, kBom.size());
    Utf8ToEngine toEngine;
    text = toEngine.Convert(DetectPageEncoding(text) == PageEncoding::kUtf8 ? text : Cp1252ToUtf8(text));
  }
  // The scan finds paragraphs and quoted lines by their CR LF, as text on
  // the Windows clipboard has them.
  std::string scanned = WithCrLfLineEnds(text);
  std::string out;
  TextScan scan([&sentences](std::string_view s) { return sentences.TranslateLong(s); },
                [&](std::string_view line) {
                  out += gbk ? std::string(line) : GbkToUtf8(line);
                  out += lineEnd;
                });
  scan.Run(scanned, 0);
  return out;
}

}  // namespace wb
