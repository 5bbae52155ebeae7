// The replacement text calls. MyExtTextOutW is the one installed in the
// renderer's import table; the other three are exported for callers that
// want them.
#include <string>
#include <vector>

#include "texthook/core/byte_spacing.h"
#include "texthook/core/carry_bytes.h"
#include "texthook/memory_access.h"
#include "texthook/tapx32.h"

namespace {

// A run in the ANSI code page, with how many bytes each character became.
struct AnsiText {
  std::string bytes;
  std::vector<wb::CharBytes> chars;
};

// Code units that make one character: a surrogate pair, or one unit.
UINT UnitsAt(LPCWSTR text, UINT i, UINT count) {
  return (i + 1 < count && IS_HIGH_SURROGATE(text[i]) && IS_LOW_SURROGATE(text[i + 1])) ? 2 : 1;
}

// Converts character by character, which gives the same bytes as one call
// over the whole run and also tells where each character's bytes lie.
AnsiText ToAnsi(LPCWSTR text, UINT count, UINT codePage) {
  AnsiText out;
  out.bytes.reserve(count * 2 + 2);
  out.chars.reserve(count);
  for (UINT i = 0; i < count;) {
    const UINT units = UnitsAt(text, i, count);
    char buf[16];
    const int n = WideCharToMultiByte(codePage, 0, text + i, static_cast<int>(units), buf, sizeof buf, nullptr, nullptr);
    out.bytes.append(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
    out.chars.push_back({static_cast<std::uint8_t>(units), static_cast<std::uint8_t>(n > 0 ? n : 0)});
    i += units;
  }
  return out;
}

// The characters after the run in the caller's text, at most two: the
// caller gives no length beyond `count`, so the hook reads on only while the
// characters lie in readable memory and are not the text's terminating zero.
std::wstring FollowingCharacters(LPCWSTR text, UINT count) {
  std::wstring following;
  for (UINT i = count; i < count + 2; ++i) {
    if (!tapx::IsReadable(text + i, sizeof(WCHAR)) || text[i] == 0) break;
    following += text[i];
  }
  return following;
}

bool ChineseSystem() { return wb::IsChineseLanguage(SharedData.systemLanguage); }

// The bytes to draw, with the carry bytes of the shared data brought up to
// date on a non-Chinese system.
std::string BytesToDraw(const AnsiText& run, LPCWSTR text, UINT count) {
  if (ChineseSystem()) return run.bytes;
  const std::wstring rest = FollowingCharacters(text, count);
  const AnsiText following = ToAnsi(rest.data(), static_cast<UINT>(rest.size()), CP_ACP);
  wb::CarryBytes carry{SharedData.carryByte1, SharedData.carryByte2};
  std::string bytes = wb::CarryRun(run.bytes, following.bytes, count, false, carry);
  SharedData.carryByte1 = carry.first;
  SharedData.carryByte2 = carry.second;
  return bytes;
}

}  // namespace

BOOL WINAPI MyExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                          const INT* spacing) {
  // Glyph indices are not characters: no code page applies to them.
  if ((options & ETO_GLYPH_INDEX) || (count > 0 && !text)) return ExtTextOutW(dc, x, y, options, rect, text, count, spacing);
  try {
    const AnsiText run = ToAnsi(text, count, CP_ACP);
    const std::string bytes = BytesToDraw(run, text, count);
    std::vector<int> byteSpacing;
    if (spacing) {
      const bool pairs = (options & ETO_PDY) != 0;
      byteSpacing = wb::ByteSpacing(std::span<const int>(spacing, count * (pairs ? 2 : 1)), run.chars, bytes.size(), pairs);
    }
    return ExtTextOutA(dc, x, y, options, rect, bytes.data(), static_cast<UINT>(bytes.size()),
                       spacing ? byteSpacing.data() : nullptr);
  } catch (...) {
    // No buffer (or anything else gone wrong): the genuine call draws the
    // run. Nothing may unwind into the renderer, which knows nothing of it.
    return ExtTextOutW(dc, x, y, options, rect, text, count, spacing);
  }
}

BOOL WINAPI MyExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                          const INT* spacing) {
  return ExtTextOutA(dc, x, y, options, rect, text, count, spacing);
}

BOOL WINAPI MyTextOutA(HDC dc, int x, int y, LPCSTR text, int count) { return TextOutA(dc, x, y, text, count); }

// Exactly `count` characters (the caller's text need not end with a zero),
// into a buffer as large as the conversion needs (a Chinese character takes
// two bytes), all of which are drawn. Chinese systems convert with the OEM
// code page, which there is the same double-byte code page.
BOOL WINAPI MyTextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
  if (count <= 0 || !text) return TextOutW(dc, x, y, text, count);
  const UINT codePage = ChineseSystem() ? CP_OEMCP : CP_ACP;
  const int size = WideCharToMultiByte(codePage, 0, text, count, nullptr, 0, nullptr, nullptr);
  try {
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    const int n = WideCharToMultiByte(codePage, 0, text, count, bytes.data(), size, nullptr, nullptr);
    return TextOutA(dc, x, y, bytes.data(), n > 0 ? n : 0);
  } catch (...) {
    return TextOutW(dc, x, y, text, count);
  }
}
