#pragma once
// What the stand-in browser checks once its renderer's text call is hooked:
// text drawn by the renderer through its (replaced) ExtTextOutW import gives
// the same pixels as the expected bytes drawn directly with ExtTextOutA, in
// two memory bitmaps with the same font.
#include <windows.h>

#include <string>

namespace standin {

using DrawTextFn = BOOL (*)(HDC, int, int, UINT, const RECT*, const wchar_t*, UINT, const INT*);

// A font with Chinese glyphs, with the GB2312 character set, so that the
// ANSI call reads its bytes as GB whatever the system's code page.
HFONT ChineseFont(int height);

// Runs one named group of checks ("chinese", "carry", "chinese-system"),
// printing a PASS or FAIL line for each; returns the number of failures.
int RunChecks(const std::string& group, DrawTextFn renderer);

}  // namespace standin
