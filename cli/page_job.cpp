#include "cli/page_job.h"

#include <cstdio>

#include "cli/page_decoding.h"
#include "cli/translator.h"
#include "html/page_filter.h"
#include "html/page_in_gb.h"
#include "html/page_services.h"

namespace wb {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

FilterSettings FilterSettingsFor(const PageSettings& s, const PagePlace& place, const std::string& text) {
  FilterSettings f;
  f.pics = s.pics;
  f.netscape = s.netscape;
  f.showTran = s.showTran;
  f.tranPre = s.tranPre;
  f.tranBlockquote = s.tranBlockquote;
  f.pageUrl = place.address;
  f.plainText = place.plainText;
  f.frameDir = place.frameDir;
  f.lineBreak = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  return f;
}

// Content evaluation: offensive words making up a tenth of the page.
// Internet Explorer frame sets go on without the question, as the toolbar
// does. True when the page is to be delivered.
bool ContentAccepted(const PageSettings& s, ContentQuestions& questions, const PagePlace& place,
                     const PageResult& r) {
  if (!s.contentEval || !ContentWarningDue(r.counters.wordCount, r.counters.badWordCount)) return true;
  if (!s.netscape && r.frames && !r.frames->empty()) return true;
  return questions.Ask(kContentQuestion, place.name);
}

}  // namespace

int PrepareText(std::string raw, bool gbk, bool verbose, const std::string& name, const Big5Table* big5,
                const std::string& dataDir, PreparedText& prepared, std::string& error) {
  if (gbk) {
    bool fromUtf8 = false;
    if (!DecodeForGbk(std::move(raw), prepared.text, fromUtf8, error)) {
      error = name + ": " + error;
      return exit_status::kInput;
    }
    if (fromUtf8) prepared.codec = std::make_unique<FromUtf8Codec>();
    return exit_status::kOk;
  }
  DecodedPage decoded;
  if (!DecodeForUtf8(std::move(raw), decoded, error)) {
    error = name + ": " + error;
    return exit_status::kInput;
  }
  if (verbose) std::fprintf(stderr, "wenb97: %s: read as %s\n", name.c_str(), decoded.how.c_str());
  if (decoded.big5) {
    Big5Table loaded;
    if (big5 == nullptr) {
      if (!LoadBig5Data(dataDir, loaded, error)) return exit_status::kDataFile;
      big5 = &loaded;
    }
    decoded.bytes = Big5ToGb(*big5, decoded.bytes);
    decoded.encoding = PageEncoding::kGb;
  }
  prepared.text = std::move(decoded.bytes);
  prepared.codec = std::make_unique<Utf8PageCodec>(decoded.encoding);
  return exit_status::kOk;
}

PageResult TranslatePage(const PageData& data, const PageSettings& s, ContentQuestions& questions,
                         std::string raw, const PagePlace& place, ProgressDisplay* progress) {
  PageResult r;
  PreparedText page;
  r.status = PrepareText(std::move(raw), s.gbk, s.verbose, place.name, &data.big5, std::string(), page, r.error);
  if (r.status != exit_status::kOk) return r;

  FilterSettings settings = FilterSettingsFor(s, place, page.text);
  settings.progressEnabled = progress != nullptr;
  Translator t(data.lexicon, s.verbose);
  t.engine.SetBadWordTest([&data](std::string_view w) { return IsBadWord(data.badWords, w); });
  PageFilter filter(t.sentences, settings);
  StandardPageServices services(data.big5, [&] { return questions.Ask(kPicsQuestion, place.name); });
  filter.SetServices(&services);
  filter.SetCodec(page.codec.get());
  if (progress) filter.SetProgress(progress);
  std::vector<std::string> frameUrls;
  filter.SetFrameUrls(&frameUrls);

  r.frames = filter.TranslateHtml(page.text, r.output);
  // GB output names GB where the page named another code.
  if (s.gbk) r.output = DeclaringGb(std::move(r.output));
  // A UTF-8 page says so with its byte-order mark, which every browser
  // believes before any charset the page itself declares.
  if (!s.gbk && !settings.plainText) r.output.insert(0, kUtf8Bom);
  r.counters = t.engine.Counters();
  r.picsDeclined = services.PageDeclined();
  r.engineFailures = t.sentences.Failures();

  if (!ContentAccepted(s, questions, place, r)) {
    r.status = exit_status::kDeclined;
    r.error = place.name + ": page not delivered: it may hold content unsuitable for minors (" +
              std::to_string(r.counters.badWordCount) + " of " + std::to_string(r.counters.wordCount) +
              " words are on the word list)";
    r.output.clear();
  }
  return r;
}

}  // namespace wb
