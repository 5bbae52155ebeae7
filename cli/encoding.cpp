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

// Decodes one UTF-8 character at s[i]; returns its length, 0 if invalid.
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  std::size_t len;
  if (c < 0x80) {
    cp = c;
    return 1;
  } else if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    cp = c & 0x07;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    unsigned char t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (t & 0x3F);
  }
  if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
      (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  return len;
}

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
  // Converts in whole; false when any byte could not be converted.
  bool Convert(std::string_view in, std::string& out) {
    out.clear();
    if (!ok()) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buf[256];
    while (srcLeft > 0) {
      char* dst = buf;
      std::size_t dstLeft = sizeof buf;
      std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    char32_t cp;
    std::size_t n = DecodeUtf8(s, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
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

std::string Utf8ToEngine::Convert(std::string_view utf8) {
  static thread_local Iconv conv("GBK", "UTF-8");
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp;
    std::size_t n = DecodeUtf8(utf8, i, cp);
    if (n == 0) {
      out += '?';
      ++i;
      continue;
    }
    std::string_view ch = utf8.substr(i, n);
    i += n;
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    switch (cp) {
      case 0x00A0: case 0x2002: case 0x2003: case 0x2009: out += ' '; continue;
      case 0x2018: case 0x2019: case 0x201B: case 0x2032: out += '\''; continue;
      case 0x201C: case 0x201D: case 0x201F: case 0x2033: out += '"'; continue;
      case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2212: out += '-'; continue;
      case 0x2014: case 0x2015: out += "--"; continue;
      case 0x2026: out += "..."; continue;
      case 0xFEFF: case 0x200B: case 0x200C: case 0x200D: case 0x00AD: continue;
      default: break;
    }
    auto found = cache_.find(cp);
    if (found == cache_.end()) {
      std::string gbk;
      if (!conv.Convert(ch, gbk) || gbk.empty()) gbk.assign(1, '?');
      found = cache_.emplace(cp, std::move(gbk)).first;
    }
    out += found->second;
  }
  return out;
}

PageEncoding DetectPageEncoding(std::string_view page) {
  return IsValidUtf8(page) ? PageEncoding::kUtf8 : PageEncoding::kCp1252;
}

std::string Utf8PageCodec::ToEngine(std::string_view page) const {
  if (pageIsGb_) return std::string(page);
  if (source_ == PageEncoding::kUtf8) return toEngine_.Convert(page);
  return toEngine_.Convert(Cp1252ToUtf8(page));
}

std::string Utf8PageCodec::FromEngine(std::string_view engine) const { return GbkToUtf8(engine); }

std::string Utf8PageCodec::Passthrough(std::string_view page) const {
  if (pageIsGb_) return GbkToUtf8(page);
  if (source_ == PageEncoding::kUtf8) return std::string(page);
  return Cp1252ToUtf8(page);
}

}  // namespace wb
