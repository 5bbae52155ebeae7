// Feeds arbitrary bytes to the tag reader and the page filter.
//
// The first two input bytes pick the filter settings, the page address, the
// frame list and the page services; the rest is the page. The reader must
// account for every byte of the page exactly once, element after element,
// and every offset it hands out must point into the element it belongs to
// (the filter cuts attribute values out of the page by those offsets). The filter must then get through the page, and a second page
// through the same filter must come out as the first did: nothing of one
// page may leak into the next.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "html/page_filter.h"
#include "html/tag_reader.h"

namespace {

[[noreturn]] void Fail(const char* what, std::size_t a, std::size_t b) {
  std::fprintf(stderr, "html_fuzz: %s (%zu, %zu)\n", what, a, b);
  std::fflush(stderr);
  __builtin_trap();
}

#define WB_CHECK(cond, a, b) \
  do {                       \
    if (!(cond)) Fail(#cond, static_cast<std::size_t>(a), static_cast<std::size_t>(b)); \
  } while (0)

void CheckReader(std::string_view page) {
  wb::HtmlReader reader;
  reader.HtmlOpen(page);
  WB_CHECK(reader.HtmlPosition() == 0, reader.HtmlPosition(), 0);

  wb::HtmlElement e;
  std::size_t lastEnd = 0;
  std::size_t lastPos = 0;
  while (reader.HtmlNext(e)) {
    const std::size_t pos = reader.HtmlPosition();
    WB_CHECK(pos > lastPos, pos, lastPos);
    WB_CHECK(pos <= page.size(), pos, page.size());

    // The elements tile the page: each starts where the one before ended.
    WB_CHECK(e.SourceBegin == lastEnd, e.SourceBegin, lastEnd);
    WB_CHECK(e.SourceEnd > e.SourceBegin, e.SourceEnd, e.SourceBegin);
    WB_CHECK(e.SourceEnd <= page.size(), e.SourceEnd, page.size());
    // The position is 1-based on the last byte taken, the end 0-based past it.
    WB_CHECK(e.SourceEnd == pos, e.SourceEnd, pos);

    const std::string_view source = page.substr(e.SourceBegin, e.SourceEnd - e.SourceBegin);
    WB_CHECK(e.Kind < wb::kTagNameCount, e.Kind, 0);
    WB_CHECK(e.AttrCount >= 0 && e.AttrCount <= wb::kMaxTagAttrs, e.AttrCount, wb::kMaxTagAttrs);
    if (e.IsText()) {
      // Text goes out as it came in; the filter copies it from Text.
      WB_CHECK(e.Text == source, e.Text.size(), source.size());
      WB_CHECK(e.AttrCount == 0, e.AttrCount, 0);
      WB_CHECK(e.Kind == 0, e.Kind, 0);
    } else {
      WB_CHECK(source[0] == '<', e.SourceBegin, 0);
    }

    // Attribute values are cut out of the page by offset and replaced in
    // order, so each must lie inside its tag, after the value before it.
    std::size_t lastValueEnd = e.SourceBegin;
    for (int k = 1; k <= e.AttrCount; ++k) {
      const wb::TagAttr& a = e.Attrs[k];
      if (a.Value.empty() && a.ValueBegin == 0 && a.ValueEnd == 0) continue;  // no "="
      WB_CHECK(a.ValueBegin <= a.ValueEnd, a.ValueBegin, a.ValueEnd);
      WB_CHECK(a.ValueBegin >= e.SourceBegin, a.ValueBegin, e.SourceBegin);
      WB_CHECK(a.ValueEnd <= e.SourceEnd, a.ValueEnd, e.SourceEnd);
      WB_CHECK(a.ValueBegin >= lastValueEnd, a.ValueBegin, lastValueEnd);
      WB_CHECK(page.substr(a.ValueBegin, a.ValueEnd - a.ValueBegin) == a.Value, a.ValueBegin, a.ValueEnd);
      lastValueEnd = a.ValueEnd;
    }

    lastEnd = e.SourceEnd;
    lastPos = pos;
  }
  WB_CHECK(lastEnd == page.size(), lastEnd, page.size());
  WB_CHECK(reader.HtmlPosition() == page.size(), reader.HtmlPosition(), page.size());
  // A used-up reader stays used up.
  WB_CHECK(!reader.HtmlNext(e), reader.HtmlPosition(), page.size());
}

// Takes whatever the filter reports; the bar itself is not under test here.
class QuietProgress : public wb::ProgressDisplay {
 public:
  void SetPosition(long long) override {}
};

// Page services that do something, so that the filter's Big5, entity and
// content-label paths run too. The conversions change the page's length on
// purpose: the filter must work on the converted page from then on.
class ActiveServices : public wb::PageServices {
 public:
  explicit ActiveServices(bool big5) : big5_(big5) {}
  bool LooksLikeBig5(std::string_view) const override { return big5_; }
  // Drops NUL bytes and doubles every "~".
  std::string Big5ToGb(std::string_view text) const override {
    std::string out;
    for (char c : text) {
      if (c == '\0') continue;
      out += c;
      if (c == '~') out += c;
    }
    return out;
  }
  bool HasForeignEntity(std::string_view text) const override { return text.find("&#") != std::string_view::npos; }
  std::string DecodeEntities(std::string_view text) const override {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text.compare(i, 2, "&#") == 0) {
        std::size_t semi = text.find(';', i);
        if (semi != std::string_view::npos) {
          out += "\xD6\xD0";
          i = semi;
          continue;
        }
      }
      out += text[i];
    }
    return out;
  }
  wb::PicsVerdict CheckPicsLabel(std::string_view label, std::string& warningPage) override {
    if (label.find("n 4") == std::string_view::npos) return wb::PicsVerdict::kAccepted;
    warningPage = "<html><body>Declined.</body></html>";
    return wb::PicsVerdict::kDeclined;
  }

 private:
  bool big5_;
};

std::vector<std::string> FrameUrlsFor(std::uint8_t choice) {
  switch (choice % 4) {
    case 0: return {};
    case 1: return {"http://www.example.com/docs/left.html", "http://www.example.com/docs/main.htm?page=2"};
    case 2: return {"/tmp/wbframes/left.htm", "http://www.example.com/docs/toc.html#top"};
    default: return {"C:\\WENB\\CACHE\\mycache3.htm", "file:///c|/pages/body.html", "news.html"};
  }
}

struct Run {
  std::string out;
  std::optional<std::vector<std::string>> frames;
  std::vector<std::string> frameUrlsLeft;
};

void RunFilter(wb::PageFilter& filter, std::string_view page, std::uint8_t choice, Run& run) {
  run.frameUrlsLeft = FrameUrlsFor(choice);
  filter.SetFrameUrls(&run.frameUrlsLeft);
  run.frames = filter.TranslateHtml(page, run.out);
}

void CheckFilter(std::string_view page, std::uint8_t flags, std::uint8_t choice) {
  static wb::Engine engine;
  static wb::SentenceTranslator translator(engine);

  wb::FilterSettings s;
  s.plainText = (flags & 0x01) != 0;
  s.netscape = (flags & 0x02) != 0;
  s.showTran = ((flags >> 2) & 0x03) % 3;
  s.tranPre = (flags & 0x10) != 0;
  s.tranBlockquote = (flags & 0x20) != 0;
  s.pics = (flags & 0x40) != 0;
  s.progressEnabled = (flags & 0x80) != 0;
  switch ((choice >> 6) % 3) {
    case 0: s.pageUrl = "http://www.example.com/docs/index.html"; break;
    case 1: s.pageUrl = "\"file:///c|/pages/home.htm\""; break;
    default: s.pageUrl = "http://host"; break;
  }
  s.frameDir = (choice & 0x04) ? "/tmp/wbframes/" : "C:\\WENB\\CACHE\\";
  s.lineBreak = (choice & 0x08) ? "\n" : "\r\n";

  QuietProgress progress;
  ActiveServices services((choice & 0x10) != 0);
  wb::PageFilter filter(translator, s);
  filter.SetProgress(&progress);
  if (choice & 0x20) filter.SetServices(&services);

  Run first;
  RunFilter(filter, page, choice, first);
  if (!s.plainText) WB_CHECK(!first.out.empty(), first.out.size(), page.size());

  Run again;
  RunFilter(filter, page, choice, again);
  WB_CHECK(again.out == first.out, again.out.size(), first.out.size());
  WB_CHECK(again.frames == first.frames, again.frames ? again.frames->size() : 0,
           first.frames ? first.frames->size() : 0);
  WB_CHECK(again.frameUrlsLeft == first.frameUrlsLeft, again.frameUrlsLeft.size(), first.frameUrlsLeft.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t flags = data[0];
  const std::uint8_t choice = data[1];
  const std::string_view page(reinterpret_cast<const char*>(data + 2), size - 2);
  CheckReader(page);
  CheckFilter(page, flags, choice);
  return 0;
}
