#include "cli/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace wb {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The Windows-1252 characters of 0x80..0x9F; 0 where the code page has none.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// One iconv conversion; the descriptor is opened once per thread and kept.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Converts in whole; false when any byte could not be converted, with
  // *badOffset (when given) at the first such byte of the input.
  bool Convert(std::string_view in, std::string& out, std::size_t* badOffset = nullptr) {
    out.clear();
    if (!ok()) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buf[4096];
    while (srcLeft > 0) {
      char* dst = buf;
      std::size_t dstLeft = sizeof buf;
      std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
        if (badOffset) *badOffset = in.size() - srcLeft;
        return false;
      }
    }
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool ConvertCharset(const char* to, const char* from, std::string_view in, std::string& out,
                    std::size_t* badOffset) {
  Iconv conv(to, from);
  if (!conv.ok()) {
    if (badOffset) *badOffset = 0;
    return false;
  }
  return conv.Convert(in, out, badOffset);
}

std::string GbkCharacter(char32_t c) {
  static thread_local Iconv conv("GBK", "UTF-8");
  std::string utf8, gbk;
  AppendUtf8(utf8, c);
  return conv.Convert(utf8, gbk) ? gbk : std::string();
}

std::string GbkToUtf8(std::string_view gbk) {
  static thread_local Iconv conv("UTF-8", "GBK");
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  std::string piece;
  std::size_t i = 0;
  while (i < gbk.size()) {
    // ASCII runs pass straight through; double-byte characters go through
    // iconv one at a time so that one bad byte spoils nothing around it.
    unsigned char c = static_cast<unsigned char>(gbk[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    if (i + 1 < gbk.size() && conv.Convert(gbk.substr(i, 2), piece) && !piece.empty()) {
      out += piece;
      i += 2;
      continue;
    }
    if (c == 0x80) {
      AppendUtf8(out, 0x20AC);  // the euro sign of code page 936
    } else {
      out += kReplacement;
    }
    ++i;
  }
  return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else if (c < 0xA0) {
      char16_t u = kCp1252High[c - 0x80];
      if (u != 0)
        AppendUtf8(out, u);
      else
        out += kReplacement;
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

namespace {

// Stand-ins are GBK codes in rows that GB2312 leaves empty (GBK maps them to
// the private-use area). The first 1128 characters get one code each; after
// that a code of row 0xFE comes first and names a further block of 1128.
constexpr unsigned char kStandInRows[] = {0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD};
constexpr std::size_t kRowCells = 94;
constexpr std::size_t kSingleStandIns = sizeof kStandInRows * kRowCells;
constexpr unsigned char kBlockRow = 0xFE;
constexpr std::size_t kMaxStandIns = kSingleStandIns + kRowCells * kSingleStandIns;

void AppendSingleStandIn(std::string& out, std::size_t n) {
  out += static_cast<char>(kStandInRows[n / kRowCells]);
  out += static_cast<char>(0xA1 + n % kRowCells);
}

// The number of the one-code stand-in at s[i], or -1.
long SingleStandInAt(std::string_view s, std::size_t i) {
  if (i + 1 >= s.size()) return -1;
  const auto lead = static_cast<unsigned char>(s[i]);
  const auto trail = static_cast<unsigned char>(s[i + 1]);
  if (trail < 0xA1 || trail > 0xFE) return -1;
  for (std::size_t r = 0; r < sizeof kStandInRows; ++r)
    if (kStandInRows[r] == lead) return static_cast<long>(r * kRowCells + (trail - 0xA1));
  return -1;
}

// The ASCII form the scanner knows for a typographic character ("" for
// one that is dropped: invisible marks); nullptr for any other character.
const char* AsciiForm(char32_t cp) {
  switch (cp) {
    case 0x00A0: case 0x2002: case 0x2003: case 0x2009: return " ";
    case 0x2018: case 0x2019: case 0x201B: case 0x2032: return "'";
    case 0x201C: case 0x201D: case 0x201F: case 0x2033: return "\"";
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2212: return "-";
    case 0x2014: case 0x2015: return "--";
    case 0x2026: return "...";
    case 0x200B: return " ";  // a zero-width space still parts two words
    default: return nullptr;
  }
}

bool IsAsciiWordByte(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// Invisible marks that a word may hold ("book\u00ADkeeper"): the engine
// does not see them, and they neither end a word nor make it foreign.
bool IsInvisible(char32_t cp) { return cp == 0xFEFF || cp == 0x00AD || cp == 0x2060; }

// Whether a character belongs to a word: ASCII letters and digits, the
// invisible marks, and every character beyond ASCII that has no ASCII form.
bool InWord(char32_t cp) { return cp < 0x80 ? IsAsciiWordByte(cp) : IsInvisible(cp) || AsciiForm(cp) == nullptr; }

}  // namespace

std::string Utf8ToEngine::StandIn(std::string_view written) {
  auto known = standInOf_.find(std::string(written));
  if (known != standInOf_.end()) return known->second;
  std::size_t n = standIns_.size();
  if (n >= kMaxStandIns) return "?";  // more distinct words than any page holds
  standIns_.emplace_back(written);
  std::string code;
  if (n >= kSingleStandIns) {
    n -= kSingleStandIns;
    code += static_cast<char>(kBlockRow);
    code += static_cast<char>(0xA1 + n / kSingleStandIns);
    n %= kSingleStandIns;
  }
  AppendSingleStandIn(code, n);
  standInOf_.emplace(written, code);
  return code;
}

// The engine reads English: ASCII letters, digits and punctuation. Every
// word that holds anything else (Chinese, "naïve", "Ελληνικά", "😀") goes
// over whole as one stand-in and comes back as written; the engine would cut
// it where ASCII meets other bytes and join the pieces without their blanks.
// Neighbouring stand-in words with nothing English between them (only
// blanks and punctuation) go as one, so that a foreign phrase keeps its
// blanks and commas.
std::string Utf8ToEngine::Convert(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  auto next = [&](char32_t& cp, std::string_view& ch) {
    std::size_t n = DecodeUtf8(utf8, i, cp);
    ch = utf8.substr(i, n);
    if (n == 0) {
      cp = 0xFFFD;  // a stray byte is shown as the replacement character
      n = 1;
      ch = kReplacement;
    }
    i += n;
  };
  // The foreign phrase being gathered: its text as written, and the engine
  // bytes of the separators since its last word (in case no foreign word
  // follows them).
  std::string phrase, gap, gapWritten;
  auto endPhrase = [&] {
    if (!phrase.empty()) out += StandIn(phrase);
    phrase.clear();
    out += gap;
    gap.clear();
    gapWritten.clear();
  };
  while (i < utf8.size()) {
    char32_t cp;
    std::string_view ch;
    next(cp, ch);
    if (!InWord(cp)) {
      gap += cp < 0x80 ? std::string(1, static_cast<char>(cp)) : std::string(AsciiForm(cp));
      gapWritten += ch;
      continue;
    }
    std::string word, english;
    bool foreign = false;
    for (;;) {
      word += ch;
      if (cp < 0x80)
        english += static_cast<char>(cp);
      else if (!IsInvisible(cp))
        foreign = true;
      const std::size_t before = i;
      if (i >= utf8.size()) break;
      next(cp, ch);
      if (!InWord(cp)) {
        i = before;
        break;
      }
    }
    if (!foreign && english.empty()) {
      gapWritten += word;  // only invisible marks: nothing the engine sees
    } else if (!foreign) {
      endPhrase();
      out += english;
    } else if (!phrase.empty()) {
      phrase += gapWritten + word;
      gap.clear();
      gapWritten.clear();
    } else {
      out += gap;
      gap.clear();
      gapWritten.clear();
      phrase = std::move(word);
    }
  }
  endPhrase();
  return out;
}

std::string Utf8ToEngine::ToUtf8(std::string_view engine) const {
  if (standIns_.empty()) return GbkToUtf8(engine);
  std::string out;
  out.reserve(engine.size() + engine.size() / 2);
  std::size_t plainFrom = 0;
  std::size_t i = 0;
  auto flushPlain = [&](std::size_t upTo) {
    out += GbkToUtf8(engine.substr(plainFrom, upTo - plainFrom));
  };
  while (i < engine.size()) {
    const auto c = static_cast<unsigned char>(engine[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    long n = -1;
    std::size_t len = 2;
    if (c == kBlockRow && i + 1 < engine.size()) {
      const auto block = static_cast<unsigned char>(engine[i + 1]);
      const long single = SingleStandInAt(engine, i + 2);
      if (block >= 0xA1 && block <= 0xFE && single >= 0) {
        n = static_cast<long>(kSingleStandIns + (block - 0xA1) * kSingleStandIns) + single;
        len = 4;
      }
    } else {
      n = SingleStandInAt(engine, i);
    }
    if (n >= 0 && static_cast<std::size_t>(n) < standIns_.size()) {
      flushPlain(i);
      out += standIns_[static_cast<std::size_t>(n)];
      i += len;
      plainFrom = i;
    } else {
      i += i + 1 < engine.size() ? 2 : 1;
    }
  }
  flushPlain(engine.size());
  return out;
}

PageEncoding DetectPageEncoding(std::string_view page) {
  return IsValidUtf8(page) ? PageEncoding::kUtf8 : PageEncoding::kCp1252;
}

std::string Utf8PageCodec::PageToUtf8(std::string_view page) const {
  if (pageIsGb_ || source_ == PageEncoding::kGb) return GbkToUtf8(page);
  if (source_ == PageEncoding::kUtf8) return std::string(page);
  return Cp1252ToUtf8(page);
}

std::string Utf8PageCodec::ToEngine(std::string_view page) const {
  return toEngine_.Convert(PageToUtf8(page));
}

std::string Utf8PageCodec::FromEngine(std::string_view engine) const { return toEngine_.ToUtf8(engine); }

std::string Utf8PageCodec::Passthrough(std::string_view page) const { return PageToUtf8(page); }

}  // namespace wb
