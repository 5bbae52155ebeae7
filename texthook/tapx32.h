#pragma once
// Tapx32.dll: the text-output hook. Gleam4 loads it into the browser's user
// interface thread with a get-message hook; inside the browser it replaces
// the rendering library's import of ExtTextOutW so that every Unicode text
// run is drawn through the ANSI call. This header is what Gleam4 and the
// tests see of it: the exports, the shared data and the message protocol.

#include <windows.h>

#ifdef TAPX32_BUILDING
#define TAPX32_API extern "C" __declspec(dllexport)
#else
#define TAPX32_API extern "C" __declspec(dllimport)
#endif

// One data section shared by every process that has the library loaded.
// The field order is part of the interface.
struct TapxSharedData {
  HWND notifyWindow;     // Gleam4's window, which receives the reports
  HWND targetWindow;     // the browser window that was hooked
  HHOOK hook;            // the message hook; cleared once the hook removed itself
  DWORD systemLanguage;  // language identifier, zero-extended
  BYTE carryByte1;       // the two remembered bytes of a double-byte
  BYTE carryByte2;       // character split between runs
};

TAPX32_API TapxSharedData SharedData;

// Stores the three values and hooks the thread that owns the target window;
// returns the hook, or nothing when the window has no thread any more.
TAPX32_API HHOOK WINAPI SetHook(HWND notifyWindow, HWND targetWindow, DWORD language);
TAPX32_API LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam);
TAPX32_API BOOL WINAPI MyExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text,
                                     UINT count, const INT* spacing);
TAPX32_API BOOL WINAPI MyExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                                     UINT count, const INT* spacing);
TAPX32_API BOOL WINAPI MyTextOutA(HDC dc, int x, int y, LPCSTR text, int count);
TAPX32_API BOOL WINAPI MyTextOutW(HDC dc, int x, int y, LPCWSTR text, int count);

// The messages between Gleam4 and the hook, all posted.
namespace tapx {
// Gleam4 to any window of the hooked thread: WM_NULL with one of these as
// wParam.
inline constexpr WPARAM kEcho = 1;      // answer kReport with the same lParam
inline constexpr WPARAM kInstall = 2;   // replace the renderer's text call
inline constexpr WPARAM kRestore = 10;  // undo the replacement, remove the hook
// The hook (and Gleam4 itself) to Gleam4: WM_COMMAND with wParam kReport.
inline constexpr WPARAM kReport = 1025;
inline constexpr LPARAM kBrowserClosing = 3;  // also Gleam4's own "search now"
inline constexpr LPARAM kNoRenderer = 4;      // "MSHTML.DLL" could not be loaded
inline constexpr LPARAM kFoundBySearch = 7;   // how the browser window was found,
inline constexpr LPARAM kFoundByShell = 8;    // echoed back by the hook
}  // namespace tapx
