#include "html/content_rating.h"

#include "html/page_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace wb {
namespace {

// ---------------------------------------------------------------------------
// RSACi texts (GB). Hex escapes keep the source file plain ASCII; a literal is
// split where an escape would otherwise swallow a following hex digit.

struct RsaciCategory {
  char letter;
  std::string_view caption;                 // ends with a full-width "("
  std::array<std::string_view, 4> levels;   // descriptions for levels 1..4
};

constexpr std::array<RsaciCategory, 4> kRsaci = {{
    {'l',
     "\xD3\xEF\xD1\xD4\xBC\xB6\xB1\xF0\xA3\xA8",  // 语言级别（
     {
         // 轻微的秽语。或对于身体的轻微措辞。
         "\xC7\xE1\xCE\xA2\xB5\xC4\xBB\xE0\xD3\xEF\xA1\xA3\xBB\xF2\xB6\xD4\xD3\xDA\xC9\xED"
         "\xCC\xE5\xB5\xC4\xC7\xE1\xCE\xA2\xB4\xEB\xB4\xC7\xA1\xA3",
         // 秽语; 与性无关的解剖学术语。
         "\xBB\xE0\xD3\xEF; \xD3\xEB\xD0\xD4\xCE\xDE\xB9\xD8\xB5\xC4\xBD\xE2\xC6\xCA\xD1\xA7"
         "\xCA\xF5\xD3\xEF\xA1\xA3",
         // 蛮横、粗俗的语言; 猥亵的手势。使用带侮辱性的称谓。
         "\xC2\xF9\xBA\xE1\xA1\xA2\xB4\xD6\xCB\xD7\xB5\xC4\xD3\xEF\xD1\xD4; \xE2\xAB\xD9\xF4"
         "\xB5\xC4\xCA\xD6\xCA\xC6\xA1\xA3\xCA\xB9\xD3\xC3\xB4\xF8\xCE\xEA\xC8\xE8\xD0\xD4"
         "\xB5\xC4\xB3\xC6\xCE\xBD\xA1\xA3",
         // 极度仇视或粗鲁的语言。非常暴露地谈论性方面的问题。
         "\xBC\xAB\xB6\xC8\xB3\xF0\xCA\xD3\xBB\xF2\xB4\xD6\xC2\xB3\xB5\xC4\xD3\xEF\xD1\xD4"
         "\xA1\xA3\xB7\xC7\xB3\xA3\xB1\xA9\xC2\xB6\xB5\xD8\xCC\xB8\xC2\xDB\xD0\xD4\xB7\xBD"
         "\xC3\xE6\xB5\xC4\xCE\xCA\xCC\xE2\xA1\xA3",
     }},
    {'n',
     "\xC2\xE3\xCC\xE5\xBC\xB6\xB1\xF0\xA3\xA8",  // 裸体级别（
     {
         "\xCD\xD1\xD2\xC2\xB7\xFE\xA1\xA3",              // 脱衣服。
         "\xB0\xEB\xC2\xE3\xA1\xA3",                      // 半裸。
         "\xD5\xFD\xC3\xE6\xC2\xE3\xCC\xE5\xA1\xA3",      // 正面裸体。
         // 极具挑逗性的正面裸体表演。
         "\xBC\xAB\xBE\xDF\xCC\xF4\xB6\xBA\xD0\xD4\xB5\xC4\xD5\xFD\xC3\xE6\xC2\xE3\xCC\xE5"
         "\xB1\xED\xD1\xDD\xA1\xA3",
     }},
    {'s',
     "\xD0\xD4\xBC\xB6\xB1\xF0\xA3\xA8",  // 性级别（
     {
         "\xC8\xC8\xC1\xD2\xB5\xC4\xC7\xD7\xCE\xC7\xA1\xA3",  // 热烈的亲吻。
         // 穿着衣服的性抚摸。
         "\xB4\xA9\xD7\xC5\xD2\xC2\xB7\xFE\xB5\xC4\xD0\xD4\xB8\xA7\xC3\xFE\xA1\xA3",
         "\xB7\xC7\xB1\xA9\xC2\xB6\xB5\xC4\xD0\xD4\xB8\xA7\xC3\xFE\xA1\xA3",  // 非暴露的性抚摸。
         "\xB1\xA9\xC2\xB6\xB5\xC4\xD0\xD4\xD0\xD0\xCE\xAA\xA1\xA3",          // 暴露的性行为。
     }},
    {'v',
     "\xB1\xA9\xC1\xA6\xBC\xB6\xB1\xF0\xA3\xA8",  // 暴力级别（
     {
         // 生物遭受伤害或被杀死; 对实际物体的破坏。
         "\xC9\xFA\xCE\xEF\xD4\xE2\xCA\xDC\xC9\xCB\xBA\xA6\xBB\xF2\xB1\xBB\xC9\xB1\xCB\xC0"
         "; \xB6\xD4\xCA\xB5\xBC\xCA\xCE\xEF\xCC\xE5\xB5\xC4\xC6\xC6\xBB\xB5\xA1\xA3",
         // 人或生物遭到伤害或被杀死。不危及生物的报复性伤害。
         "\xC8\xCB\xBB\xF2\xC9\xFA\xCE\xEF\xD4\xE2\xB5\xBD\xC9\xCB\xBA\xA6\xBB\xF2\xB1\xBB"
         "\xC9\xB1\xCB\xC0\xA1\xA3\xB2\xBB\xCE\xA3\xBC\xB0\xC9\xFA\xCE\xEF\xB5\xC4\xB1\xA8"
         "\xB8\xB4\xD0\xD4\xC9\xCB\xBA\xA6\xA1\xA3",
         // 人遭到伤害或被杀死。
         "\xC8\xCB\xD4\xE2\xB5\xBD\xC9\xCB\xBA\xA6\xBB\xF2\xB1\xBB\xC9\xB1\xCB\xC0\xA1\xA3",
         // 恶意的和无端的暴力行为。
         "\xB6\xF1\xD2\xE2\xB5\xC4\xBA\xCD\xCE\xDE\xB6\xCB\xB5\xC4\xB1\xA9\xC1\xA6\xD0\xD0"
         "\xCE\xAA\xA1\xA3",
     }},
}};

constexpr std::string_view kLevelClose = "\xA3\xA9\xA3\xBA";  // ）：

// 本页包含以下内容：
constexpr std::string_view kPageHead =
    "<html>\xB1\xBE\xD2\xB3\xB0\xFC\xBA\xAC\xD2\xD4\xCF\xC2\xC4\xDA\xC8\xDD\xA3\xBA<p><p><h3>";
// 所以，不宜观看！！！
constexpr std::string_view kPageTail =
    "</h3><p><p>\xCB\xF9\xD2\xD4\xA3\xAC\xB2\xBB\xD2\xCB\xB9\xDB\xBF\xB4\xA3\xA1\xA3\xA1\xA3\xA1"
    "</html>";

// The three bytes that close a label: the rating list, the label list and the
// single quote the value is written in.
constexpr std::string_view kLabelEnd = "))'";
// "l 0 n 0 s 0 v 0": four letters, each with a blank and a level digit.
constexpr std::size_t kRatingLength = 15;

// ---------------------------------------------------------------------------
// Bad-word list file

// Chosen once; every list file is scrambled with it, so changing it means
// rebuilding the list file.
constexpr std::string_view kBadWordKey = "hW7#qL9!zR2$tB5&mK8*vN4%";
static_assert(kBadWordKey.size() == kBadWordKeyLength);

// The list is a few kilobytes; anything far larger is not a list file and is
// not read whole into memory.
constexpr std::size_t kMaxBadWordsFile = 4u << 20;

char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view TrimBlanks(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

// Calls fn for every line of the text; CR LF, LF and CR all end a line.
template <typename Fn>
void ForEachLine(std::string_view text, Fn fn) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    fn(text.substr(start, end - start));
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

}  // namespace

const std::string_view kPicsQuestion =
    "\xB1\xBE\xC8\xED\xBC\xFE\xB7\xA2\xCF\xD6\xB1\xBE\xD2\xB3\xB0\xFC\xBA\xAC\xB2\xBB\xD2\xCB"
    "\xB7\xC7\xB3\xC9\xC4\xEA\xC8\xCB\xB9\xDB\xBF\xB4\xB5\xC4\xC4\xDA\xC8\xDD\xA1\xA3\xC4\xE3"
    "\xCA\xC7"
    "18\xCB\xEA\xD2\xD4\xC9\xCF\xB2\xA2\xC7\xD2\xD2\xAA\xBF\xB4\xC2\xF0?";

const std::string_view kContentQuestion =
    "\xB1\xBE\xD2\xB3\xBF\xC9\xC4\xDC\xB0\xFC\xBA\xAC\xB2\xBB\xD2\xCB\xB7\xC7\xB3\xC9\xC4\xEA"
    "\xC8\xCB\xB9\xDB\xBF\xB4\xB5\xC4\xC4\xDA\xC8\xDD\xA3\xBA\xBC\xCC\xD0\xF8\xC2\xF0?";

bool IsPicsLabel(std::string_view contentValue) {
  return contentValue.substr(0, kPicsLabelStart.size()) == kPicsLabelStart;
}

namespace {

// A level as a label writes it: "3", "0.5", "+2", "2147483648". Returns 0
// for a level of 0 or below, the level rounded up and capped at 4 for any
// other number (the RSACi scale ends at 4, and a level beyond it is at least
// as bad), and -1 when the text is no number at all.
int ParseLevel(std::string_view t) {
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
    const bool negative = t[0] == '-';
    const int level = ParseLevel(t.substr(1));
    return level < 0 ? -1 : (negative ? 0 : level);
  }
  std::size_t i = 0;
  long whole = 0;
  bool digits = false;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
    digits = true;
    whole = std::min<long>(whole * 10 + (t[i] - '0'), 5);
  }
  bool fraction = false;
  if (i < t.size() && t[i] == '.') {
    for (++i; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
      digits = true;
      fraction = fraction || t[i] != '0';
    }
  }
  if (!digits || i != t.size()) return -1;
  return static_cast<int>(std::min<long>(whole + (fraction ? 1 : 0), 4));
}

void AppendReportLine(std::string& lines, const RsaciCategory& cat, int level) {
  lines.append(cat.caption);
  lines.push_back(static_cast<char>('0' + level));
  lines.append(kLevelClose);
  lines.append(cat.levels[static_cast<std::size_t>(level - 1)]);
  lines.append("<p>");
}

const RsaciCategory* CategoryOf(std::string_view name) {
  if (name.size() != 1) return nullptr;
  for (const RsaciCategory& cat : kRsaci)
    if (cat.letter == name[0]) return &cat;
  return nullptr;
}

// The rating as blank-separated pairs of a category and a level ("l 2 n 10
// s 0 v 0.5"). False when the text is not made of such pairs.
bool ReportFromPairs(std::string_view rating, std::string& lines) {
  std::vector<std::string_view> tokens;
  for (std::size_t i = 0; i < rating.size();) {
    while (i < rating.size() && static_cast<unsigned char>(rating[i]) <= 32) ++i;
    std::size_t j = i;
    while (j < rating.size() && static_cast<unsigned char>(rating[j]) > 32) ++j;
    if (j > i) tokens.push_back(rating.substr(i, j - i));
    i = j;
  }
  if (tokens.empty() || tokens.size() % 2 != 0) return false;
  for (std::size_t k = 1; k < tokens.size(); k += 2)
    if (ParseLevel(tokens[k]) < 0) return false;
  for (std::size_t k = 0; k < tokens.size(); k += 2) {
    const RsaciCategory* cat = CategoryOf(tokens[k]);
    const int level = ParseLevel(tokens[k + 1]);
    if (cat && level > 0) AppendReportLine(lines, *cat, level);
  }
  return true;
}

// The fixed form "l 0 n 0 s 0 v 0": letters at the odd bytes, each level two
// bytes further on. Used for a 15-byte rating that is not made of pairs.
std::string ReportFromFixedForm(std::string_view rating) {
  std::string lines;
  for (std::size_t i = 0; i + 2 < rating.size(); i += 2) {
    const char level = rating[i + 2];
    if (static_cast<unsigned char>(level) <= '0') continue;
    const RsaciCategory* cat = CategoryOf(rating.substr(i, 1));
    if (cat == nullptr) continue;
    // A byte above "4" that is no level of the scale counts as the highest.
    AppendReportLine(lines, *cat, level >= '1' && level <= '4' ? level - '0' : 4);
  }
  return lines;
}

}  // namespace

std::string PicsReportLines(std::string_view label) {
  if (label.size() < kLabelEnd.size() ||
      label.substr(label.size() - kLabelEnd.size()) != kLabelEnd) {
    return {};
  }
  const std::size_t end = label.size() - kLabelEnd.size();
  const std::size_t open = label.substr(0, end).rfind('(');
  if (open == std::string_view::npos) return {};
  const std::string_view rating = label.substr(open + 1, end - open - 1);
  // A rating of another length (a level of two digits, a fifth category)
  // used to pass as no rating at all; it is read as its pairs instead.
  std::string lines;
  if (ReportFromPairs(rating, lines)) return lines;
  if (rating.size() != kRatingLength) return {};
  return ReportFromFixedForm(rating);
}

std::string PicsWarningPage(std::string_view reportLines) {
  std::string page;
  page.reserve(kPageHead.size() + reportLines.size() + kPageTail.size());
  page.append(kPageHead).append(reportLines).append(kPageTail);
  return page;
}

bool CheckPicsLabel(std::string_view label, std::string* report, const PicsConsent& userGoesOn) {
  if (report) report->clear();
  const std::string lines = PicsReportLines(label);
  if (lines.empty()) return false;
  if (userGoesOn && userGoesOn()) return false;
  if (report) *report = PicsWarningPage(lines);
  return true;
}

void ScrambleBadWords(std::string& bytes) {
  // The first byte goes with the key's second, the 24th with its first.
  for (std::size_t j = 0; j < bytes.size(); ++j) {
    bytes[j] = static_cast<char>(bytes[j] ^ kBadWordKey[(j + 1) % kBadWordKeyLength]);
  }
}

std::string BuildBadWordsFile(std::string_view plainList) {
  std::string out;
  ForEachLine(plainList, [&](std::string_view line) {
    const std::string_view word = TrimBlanks(line);
    if (word.empty() || word.front() == '#') return;
    for (char c : word) out.push_back(ToLowerAscii(c));
    out.append("\r\n");
  });
  ScrambleBadWords(out);
  return out;
}

BadWordList::BadWordList(std::vector<std::string> words) : words_(std::move(words)) {
  for (std::string& w : words_) {
    std::transform(w.begin(), w.end(), w.begin(), ToLowerAscii);
  }
  std::sort(words_.begin(), words_.end());
  words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
}

bool BadWordList::Contains(std::string_view lowerCaseWord) const {
  const auto it = std::lower_bound(words_.begin(), words_.end(), lowerCaseWord,
                                   [](const std::string& a, std::string_view b) { return a < b; });
  return it != words_.end() && *it == lowerCaseWord;
}

bool LoadBadWords(std::string_view scrambled, BadWordList* list, std::string* error) {
  // An empty or cut-off list would quietly switch the content check off or
  // weaken it, so both are damage, like bytes that unscramble to control
  // characters (another key, or not a list at all).
  if (scrambled.empty()) {
    if (error) *error = "is empty; the list holds at least one word";
    return false;
  }
  std::string plain(scrambled);
  ScrambleBadWords(plain);
  for (std::size_t j = 0; j < plain.size(); ++j) {
    const auto c = static_cast<unsigned char>(plain[j]);
    if ((c < 32 && c != '\r' && c != '\n' && c != '\t') || c == 127) {
      if (error) {
        *error = "byte " + std::to_string(j) +
                 " unscrambles to a control character; not a word list made with this "
                 "program's key";
      }
      return false;
    }
  }
  if (plain.back() != '\n' && plain.back() != '\r') {
    if (error) *error = "ends in the middle of a line; the file is cut off";
    return false;
  }
  std::vector<std::string> words;
  ForEachLine(plain, [&](std::string_view line) {
    const std::string_view word = TrimBlanks(line);
    if (!word.empty()) words.emplace_back(word);
  });
  if (words.empty()) {
    if (error) *error = "holds no words";
    return false;
  }
  if (list) *list = BadWordList(std::move(words));
  return true;
}

bool LoadBadWordsFile(const std::string& path, BadWordList* list, std::string* error) {
  std::string bytes, why;
  if (!ReadWholeFile(path, bytes, why, kMaxBadWordsFile) || !LoadBadWords(bytes, list, &why)) {
    if (error) *error = "bad-word list " + (why.rfind(path, 0) == 0 ? why : "\"" + path + "\": " + why);
    return false;
  }
  return true;
}

bool IsBadWord(const BadWordList& list, std::string_view word) {
  std::string lower(word);
  std::transform(lower.begin(), lower.end(), lower.begin(), ToLowerAscii);
  return list.Contains(lower);
}

bool ContentWarningDue(std::int64_t wordCount, std::int64_t badWordCount) {
  // The warning is due when ten times the bad words reach the page's word
  // count. The page driver once added 1 to the count only to keep the
  // divisor above zero; that extra word made exactly one bad word in ten
  // (10 in 100) fall short, so the comparison is made on the page's own
  // count and an empty page is simply never warned about.
  const std::uint64_t words = static_cast<std::uint64_t>(std::max<std::int64_t>(wordCount, 0));
  const std::uint64_t bad = static_cast<std::uint64_t>(std::max<std::int64_t>(badWordCount, 0));
  if (bad == 0) return false;
  if (bad > std::numeric_limits<std::uint64_t>::max() / 10) return true;
  return 10 * bad >= words;
}

}  // namespace wb
