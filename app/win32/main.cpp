// Wenb97: the Wenbridge toolbar for Windows.
//
// Start-up, in order: the data files beside the program, Internet
// Explorer's cache library, the settings key on first run, Navigator's
// cache settings, the working directory, one copy of the program only, the
// splash screen, the forms (toolbar, result window, options, About), the
// engine when the toolbar is first shown, then the message loop.

#include "platform/win32/win32_api.h"

#include <memory>
#include <string>

#include "app/messages.h"
#include "app/toolbar.h"
#include "app/win32/about_form.h"
#include "app/win32/options_form.h"
#include "app/win32/program.h"
#include "app/win32/result_form.h"
#include "app/win32/splash_screen.h"
#include "app/win32/toolbar_form.h"
#include "browser/page_source.h"
#include "platform/win32/win32_text.h"

namespace {

// The program's directory with its trailing backslash. Paths of any length
// the system allows are kept whole.
std::string ProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return "C:\\";
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    if (path.size() >= 32768) return "C:\\";
    path.resize(path.size() * 2);
  }
  path.resize(path.find_last_of(L"\\/") + 1);
  return wb::WideToUtf8(path);
}

bool IsWindowsNT() {
  OSVERSIONINFOW v{};
  v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&v)) return false;
#pragma GCC diagnostic pop
  return v.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// "/nohome" (or "-nohome") on the command line: no home page at start-up.
bool HomePageAllowed() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  bool allowed = true;
  for (int k = 1; argv != nullptr && k < argc; ++k)
    if (lstrcmpiW(argv[k], L"/nohome") == 0 || lstrcmpiW(argv[k], L"-nohome") == 0) allowed = false;
  LocalFree(argv);
  return allowed;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);

  wb::Program program(instance);
  program.programDir = ProgramDirectory();
  program.homePageAtStart = HomePageAllowed();

  // The page translation needs the Big5 table and the bad-word list; without
  // them the program does not start, and says which file is at fault.
  std::string error;
  if (!program.host.LoadPageTables(program.programDir, error)) {
    program.desktop.ShowMessage(std::string(wb::text::kDataFileMissing) + error, wb::text::kDataFileCaption,
                                wb::MessageButtons::kOk, wb::MessageKind::kError);
    return 1;
  }
  // Without WININET.DLL the toolbar does without its Internet Explorer
  // button; a library without the cache functions is no library to go on
  // with.
  switch (program.desktop.LoadWinInet()) {
    case wb::WinInetCache::LoadResult::kLoaded:
      break;
    case wb::WinInetCache::LoadResult::kMissing:
      program.winInetLoaded = false;
      break;
    case wb::WinInetCache::LoadResult::kUnusable:
      program.desktop.ShowMessage("wininet.dll unusable", wb::text::kDataFileCaption, wb::MessageButtons::kOk,
                                  wb::MessageKind::kError);
      return 1;
  }
  program.settings.FirstRun();
  wb::AdjustNetscapeCache(program.desktop);
  program.frameDir = wb::MakeFrameDir(program.desktop, program.programDir);
  program.isWinNT = IsWindowsNT();

  if (wb::AnotherInstanceRunning(program.desktop)) return 0;

  auto splash = std::make_unique<wb::SplashScreen>();
  splash->Show(instance);

  wb::ResultForm result;
  wb::OptionsForm options(program.settings, program.flags);
  wb::AboutForm about;
  wb::ToolbarForm toolbar(program, result, options, about);
  if (!toolbar.Create() || !result.Create(instance) || !options.Create(instance, toolbar.hwnd()) ||
      !about.Create(instance, toolbar.hwnd()))
    return 1;
  toolbar.Show([&splash] { splash.reset(); });

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
