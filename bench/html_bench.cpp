// Throughput of the HTML side: the tag reader on its own, and the whole page
// filter (reader, sentence cutting, engine, output) over the same page.
//
// The page is built here from a template of an ordinary late-nineties site
// page: navigation table, prose paragraphs full of links, images with alt
// text, a form, a script and a style sheet in a comment. The words are drawn
// from a fixed list by a fixed-seed generator, so every run sees the same
// bytes.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "html/page_filter.h"
#include "html/tag_reader.h"

namespace {

constexpr std::size_t kPageBytes = 3 * 1024 * 1024;

class Words {
 public:
  std::string_view Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return kWords[(state_ >> 33) % kWordCount];
  }
  unsigned Below(unsigned n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<unsigned>((state_ >> 33) % n);
  }

 private:
  static constexpr std::string_view kWords[] = {
      "the",      "of",       "and",     "to",       "a",         "in",       "is",       "that",
      "for",      "it",       "as",      "was",      "with",      "be",       "by",       "on",
      "not",      "he",       "this",    "are",      "or",        "his",      "from",     "at",
      "which",    "but",      "have",    "an",       "had",       "they",     "you",      "were",
      "their",    "one",      "all",     "we",       "can",       "her",      "has",      "there",
      "been",     "if",       "more",    "when",     "will",      "would",    "who",      "so",
      "network",  "computer", "browser", "software", "company",   "market",   "students", "university",
      "research", "library",  "page",    "download", "version",   "windows",  "internet", "information",
      "government", "report", "children", "program",  "important", "different", "system",  "example",
      "Netscape", "Microsoft", "Java",   "Beijing",  "Monday",    "January",  "U.S.",     "1997",
  };
  static constexpr std::size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);
  std::uint64_t state_ = 0x5EED;
};

void Sentence(Words& w, std::string& out, unsigned links) {
  const unsigned n = 6 + w.Below(18);
  const unsigned linkAt = links ? w.Below(n) : n;
  for (unsigned i = 0; i < n; ++i) {
    if (i != 0) out += ' ';
    std::string_view word = w.Next();
    if (i == 0) {
      out += static_cast<char>(word[0] >= 'a' && word[0] <= 'z' ? word[0] - 32 : word[0]);
      word.remove_prefix(1);
    }
    if (i == linkAt) {
      out += "<a href=\"/news/";
      out += w.Next();
      out += ".html\">";
      out += word;
      out += ' ';
      out += w.Next();
      out += "</a>";
    } else {
      out += word;
    }
    if (i + 1 < n && w.Below(12) == 0) out += ',';
  }
  static constexpr std::string_view kEnds[] = {".", ".", ".", ".", "?", "!", ":"};
  out += kEnds[w.Below(7)];
}

void Paragraph(Words& w, std::string& out) {
  out += "<p>";
  const unsigned n = 3 + w.Below(5);
  for (unsigned i = 0; i < n; ++i) {
    if (i != 0) out += (w.Below(4) == 0) ? "\r\n" : " ";
    Sentence(w, out, w.Below(3));
  }
  out += "</p>\r\n";
}

void Section(Words& w, std::string& out, unsigned index) {
  out += "<h2><a name=\"s" + std::to_string(index) + "\">";
  Sentence(w, out, 0);
  out += "</a></h2>\r\n";
  out += "<!-- section " + std::to_string(index) + " starts here -->\r\n";
  out += "<img src=\"images/photo" + std::to_string(index % 40) +
         ".gif\" width=120 height=90 align=right alt=\"";
  out += w.Next();
  out += ' ';
  out += w.Next();
  out += " photo\">\r\n";
  for (unsigned p = 0, n = 2 + w.Below(4); p < n; ++p) Paragraph(w, out);
  if (index % 3 == 0) {
    out += "<table border=1 cellpadding=4 width=\"90%\">\r\n<tr><th>Name</th><th>Version</th><th>Notes</th></tr>\r\n";
    for (unsigned r = 0; r < 5; ++r) {
      out += "<tr><td><a href=\"dl/";
      out += w.Next();
      out += ".zip\">";
      out += w.Next();
      out += "</a></td><td align=center>" + std::to_string(r + 1) + ".0</td><td>";
      Sentence(w, out, 0);
      out += "</td></tr>\r\n";
    }
    out += "</table>\r\n";
  }
  if (index % 7 == 0) {
    out += "<script language=\"JavaScript\">\r\n<!--\r\nfunction show" + std::to_string(index) +
           "(n) { if (n < 10 && n > 0) document.write(\"<b>Item \" + n + \"</b>\"); }\r\n// -->\r\n</script>\r\n";
  }
  if (index % 11 == 0) {
    out += "<form action=\"/cgi-bin/search\" method=get>\r\n<input type=text name=q size=30 value=\"Search this site\">\r\n"
           "<input type=submit value=\"Find it\"></form>\r\n";
  }
}

std::string MakePage(std::size_t bytes) {
  Words w;
  std::string page;
  page.reserve(bytes + 16 * 1024);
  page +=
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\r\n<html><head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n"
      "<title>Campus Computing News</title>\r\n"
      "<style type=\"text/css\">\r\n<!--\r\nbody { font-family: Arial, Helvetica, sans-serif }\r\n"
      "h2 { font-family: Times, serif; color: #003366 }\r\n-->\r\n</style>\r\n"
      "<script language=\"JavaScript\">\r\nvar visits = 0; if (visits < 1) { visits = 1; }\r\n</script>\r\n"
      "</head>\r\n<body bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000CC\">\r\n"
      "<table width=\"100%\"><tr><td><a href=\"/\"><img src=\"logo.gif\" border=0 alt=\"Campus home page\"></a></td>\r\n"
      "<td><font face=\"Arial\" size=2><a href=\"news.html\">News</a> | <a href=\"help.html\">Help</a> | "
      "<a href=\"contact.html\">Contact us</a></font></td></tr></table>\r\n<hr>\r\n";
  for (unsigned index = 1; page.size() < bytes; ++index) Section(w, page, index);
  page += "<hr>\r\n<address>Last updated on Monday. Send questions to the <a href=\"mailto:web@example.edu\">web "
          "team</a>.</address>\r\n</body></html>\r\n";
  return page;
}

const std::string& Page() {
  static const std::string page = MakePage(kPageBytes);
  return page;
}

void BM_TagReader(benchmark::State& state) {
  const std::string& page = Page();
  wb::HtmlReader reader;
  wb::HtmlElement e;
  std::size_t elements = 0;
  for (auto _ : state) {
    reader.HtmlOpen(page);
    while (reader.HtmlNext(e)) ++elements;
    benchmark::DoNotOptimize(e);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
  state.counters["elements/page"] =
      benchmark::Counter(static_cast<double>(elements) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TagReader)->Unit(benchmark::kMillisecond);

// showTran: 0 translation only, 1 side by side (links get a target).
void BM_PageFilter(benchmark::State& state) {
  const std::string& page = Page();
  wb::Engine engine;
  wb::SentenceTranslator translator(engine);
  wb::FilterSettings settings;
  settings.pageUrl = "http://www.example.edu/news/index.html";
  settings.showTran = static_cast<int>(state.range(0));
  settings.netscape = state.range(1) != 0;
  wb::PageFilter filter(translator, settings);
  std::vector<std::string> frameUrls;
  filter.SetFrameUrls(&frameUrls);
  std::string out;
  for (auto _ : state) {
    auto frames = filter.TranslateHtml(page, out);
    benchmark::DoNotOptimize(frames);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
  state.counters["words/page"] = benchmark::Counter(static_cast<double>(engine.Counters().wordCount));
  state.counters["out/in"] = benchmark::Counter(static_cast<double>(out.size()) / static_cast<double>(page.size()));
}
BENCHMARK(BM_PageFilter)->ArgNames({"showTran", "netscape"})->Args({0, 1})->Args({1, 0})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
