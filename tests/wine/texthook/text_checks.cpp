#include "text_checks.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace standin {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 32;

// A white 32-bit memory bitmap with the Chinese font selected.
class Canvas {
 public:
  Canvas() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    font_ = ChineseFont(20);
    oldFont_ = SelectObject(dc_, font_);
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkColor(dc_, RGB(255, 255, 255));
  }
  ~Canvas() {
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldBitmap_);
    DeleteObject(font_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  void Clear() {
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    GdiFlush();
  }
  std::vector<std::uint32_t> Pixels() const {
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits_);
    return std::vector<std::uint32_t>(p, p + kWidth * kHeight);
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ oldBitmap_;
  HFONT font_;
  HGDIOBJ oldFont_;
  void* bits_ = nullptr;
};

bool Blank(const std::vector<std::uint32_t>& pixels) {
  for (std::uint32_t p : pixels)
    if ((p & 0xFFFFFF) != 0xFFFFFF) return false;
  return true;
}

class Checker {
 public:
  explicit Checker(DrawTextFn renderer) : renderer_(renderer) {}
  int failures() const { return failures_; }

  void Report(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what);
    std::fflush(stdout);
    if (!ok) ++failures_;
  }

  // The pixels of whatever `draw` draws on the cleared canvas.
  template <typename Draw>
  std::vector<std::uint32_t> Pixels(Draw draw) {
    canvas_.Clear();
    draw(canvas_.dc());
    return canvas_.Pixels();
  }
  std::vector<std::uint32_t> Hooked(const wchar_t* text, UINT count, const INT* spacing = nullptr) {
    return Pixels([&](HDC dc) { renderer_(dc, 2, 4, 0, nullptr, text, count, spacing); });
  }
  std::vector<std::uint32_t> Ansi(const std::string& bytes, const INT* spacing = nullptr) {
    return Pixels([&](HDC dc) {
      ExtTextOutA(dc, 2, 4, 0, nullptr, bytes.data(), static_cast<UINT>(bytes.size()), spacing);
    });
  }
  std::vector<std::uint32_t> Wide(const wchar_t* text, UINT count) {
    return Pixels([&](HDC dc) { ExtTextOutW(dc, 2, 4, 0, nullptr, text, count, nullptr); });
  }
  // The renderer's drawing of the run equals the bytes drawn directly, and
  // is not blank.
  void DrawsAs(const wchar_t* text, UINT count, const std::string& bytes, const char* what) {
    const auto hooked = Hooked(text, count);
    Report(!Blank(hooked) && hooked == Ansi(bytes), what);
  }

 private:
  DrawTextFn renderer_;
  Canvas canvas_;
  int failures_ = 0;
};

// Tapx32's exported MyTextOutW (never installed, but callable): exactly
// `count` characters, with all the bytes they turn into.
void TextOutChecks(Checker& c) {
  using TextOutFn = BOOL(WINAPI*)(HDC, int, int, LPCWSTR, int);
  HMODULE tapx = GetModuleHandleA("Tapx32.dll");
  const auto myTextOutW = reinterpret_cast<TextOutFn>(
      reinterpret_cast<void*>(tapx ? GetProcAddress(tapx, "MyTextOutW") : nullptr));
  if (!myTextOutW) {
    c.Report(false, "Tapx32.dll exports MyTextOutW");
    return;
  }
  const wchar_t text[] = {L'\x4E2D', L'\x6587', L'X'};  // no zero after the two characters
  const auto drawn = c.Pixels([&](HDC dc) { myTextOutW(dc, 2, 4, text, 2); });
  c.Report(drawn == c.Pixels([](HDC dc) { TextOutA(dc, 2, 4, "\xD6\xD0\xCE\xC4", 4); }),
           "MyTextOutW draws both characters whole and nothing after them");
}

// A Chinese system's code page: Chinese and mixed runs come out as their GB
// bytes, and the text really goes through the code page.
void ChineseChecks(Checker& c) {
  c.Report(GetACP() == 936, "the system code page is 936");
  c.DrawsAs(L"中文网页", 4, "\xD6\xD0\xCE\xC4\xCD\xF8\xD2\xB3", "a Chinese run is drawn as its GB bytes");
  c.DrawsAs(L"Wenbridge 翻译 test", 17, "Wenbridge \xB7\xAD\xD2\xEB test",
            "a mixed English and Chinese run is drawn as its GB bytes");
  const INT wide[] = {26, 30};
  const INT bytes[] = {26, 0, 30, 0};
  const auto hooked = c.Hooked(L"中文", 2, wide);
  c.Report(hooked == c.Ansi("\xD6\xD0\xCE\xC4", bytes) && hooked != c.Ansi("\xD6\xD0\xCE\xC4"),
           "the renderer's spacing keeps every character in place");
  // A character outside code page 936 comes out as the code page's default
  // character: proof that the run went through the ANSI call.
  const auto thai = c.Hooked(L"\x0E01", 1);
  c.Report(thai == c.Ansi("?") && thai != c.Wide(L"\x0E01", 1), "a character outside the code page is drawn as '?'");
  TextOutChecks(c);
}

// Text whose last character sits at the very end of readable memory.
struct EdgeText {
  EdgeText(const wchar_t* text, UINT count) : count(count) {
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    page = si.dwPageSize;
    base = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(base + page, page, PAGE_NOACCESS, &old);
    at = reinterpret_cast<wchar_t*>(base + page) - count;
    std::memcpy(at, text, count * sizeof(wchar_t));
  }
  ~EdgeText() { VirtualFree(base, 0, MEM_RELEASE); }
  DWORD page;
  char* base;
  wchar_t* at;
  UINT count;
};

// A non-Chinese system, a GB page read as one character per byte: a
// double-byte character the renderer splits between two runs is drawn whole
// with the first, and the second run draws a space for its first byte.
void CarryChecks(Checker& c) {
  c.Report(GetACP() == 1252, "the system code page is 1252");
  const wchar_t* text = L"ab\x00D6\x00D0" L"cd";
  const auto first = c.Hooked(text, 3);
  c.Report(first == c.Ansi("ab\xD6\xD0") && first != c.Ansi("ab\xD6"),
           "a run ending with the first half of a GB character draws it whole");
  c.Report(c.Hooked(text + 3, 3) == c.Ansi(" cd"), "the next run draws a space for the half already drawn");

  const wchar_t* three = L"a\x00B0\x00A1\x00D6\x00D0x";
  c.Report(c.Hooked(three, 4) == c.Ansi("a\xB0\xA1\xD6\xD0"), "three high bytes at the end: one more byte drawn");
  c.Report(c.Hooked(three + 4, 2) == c.Ansi(" x"), "and the next run begins with a space");

  c.Report(c.Hooked(L"xy\x00D6", 3) == c.Ansi("xy\xD6"), "a run at the end of its text is drawn as it is");
  EdgeText edge(L"xy\x00D6", 3);
  c.Report(c.Hooked(edge.at, edge.count) == c.Ansi("xy\xD6"),
           "a run at the end of readable memory: nothing read beyond it");
}

// A Chinese system's language with a lone high byte at the end of a run: no
// carrying, the run is drawn as it is.
void ChineseSystemChecks(Checker& c) {
  const wchar_t* text = L"ab\x20AC" L"cd";  // the euro sign is the single byte 0x80 in code page 936
  const auto first = c.Hooked(text, 3);
  c.Report(first == c.Ansi("ab\x80") && first != c.Ansi("ab\x80" "c"), "no carrying on a Chinese system");
  c.Report(c.Hooked(text + 3, 2) == c.Ansi("cd"), "the next run is drawn as it is");
}

}  // namespace

HFONT ChineseFont(int height) {
  return CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"WenQuanYi Zen Hei");
}

int RunChecks(const std::string& group, DrawTextFn renderer) {
  Checker c(renderer);
  if (group == "chinese") ChineseChecks(c);
  else if (group == "carry") CarryChecks(c);
  else if (group == "chinese-system") ChineseSystemChecks(c);
  else c.Report(false, ("unknown check group " + group).c_str());
  return c.failures();
}

}  // namespace standin
