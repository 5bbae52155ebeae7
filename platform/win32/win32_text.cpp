#include "platform/win32/win32_text.h"

#include "platform/win32/win32_api.h"

namespace wb {

namespace {

constexpr UINT kGbk = 936;

std::wstring ToWide(UINT codePage, std::string_view s) {
  if (s.empty()) return std::wstring();
  int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
  return out;
}

std::string FromWide(UINT codePage, std::wstring_view w, const char* unknown) {
  if (w.empty()) return std::string();
  int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, unknown, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), out.data(), n, unknown, nullptr);
  return out;
}

// The ASCII the engine reads for a typographic character; nullptr when the
// character is not one of them. (The command-line tool's input conversion
// reads them the same way.)
const char* AsciiStandIn(wchar_t c) {
  switch (c) {
    case 0x00A0: case 0x2002: case 0x2003: case 0x2009: return " ";
    case 0x2018: case 0x2019: case 0x201B: case 0x2032: return "'";
    case 0x201C: case 0x201D: case 0x201F: case 0x2033: return "\"";
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2212: return "-";
    case 0x2014: case 0x2015: return "--";
    case 0x2026: return "...";
    case 0xFEFF: case 0x200B: case 0x200C: case 0x200D: case 0x00AD: return "";
    default: return nullptr;
  }
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }

std::string WideToUtf8(std::wstring_view wide) { return FromWide(CP_UTF8, wide, nullptr); }

std::wstring EngineToWide(std::string_view gbk) { return ToWide(kGbk, gbk); }

std::string WideToEngine(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  std::size_t run = 0;  // start of the run not yet converted
  for (std::size_t k = 0; k <= wide.size(); ++k) {
    const char* standIn = k < wide.size() ? AsciiStandIn(wide[k]) : "";
    if (standIn == nullptr) continue;
    out += FromWide(kGbk, wide.substr(run, k - run), "?");
    if (k < wide.size()) out += standIn;
    run = k + 1;
  }
  return out;
}

}  // namespace wb
