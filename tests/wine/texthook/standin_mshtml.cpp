// Stand-in for the browser's rendering library "MSHTML.DLL" (never shipped):
// like the real one it imports ExtTextOutW from GDI32 and draws every text
// run through that import, which is what Tapx32 replaces.
#include <windows.h>

// The import address table entry itself, by the name the import library
// gives it.
extern "C" void* volatile ExtTextOutWEntry __asm__("__imp__ExtTextOutW@32");

extern "C" __declspec(dllexport) BOOL StandinDrawText(HDC dc, int x, int y, UINT options, const RECT* rect,
                                                      const wchar_t* text, UINT count, const INT* spacing) {
  return ExtTextOutW(dc, x, y, options, rect, text, count, spacing);
}

// What the entry holds now: GDI32's ExtTextOutW, or a replacement.
extern "C" __declspec(dllexport) void* StandinTextImport() { return ExtTextOutWEntry; }
