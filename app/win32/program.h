#pragma once
// What the toolbar program's forms share: where the program lives, the
// desktop, the engine with its data files, and the settings.

#include "platform/win32/win32_api.h"

#include <string>

#include "app/engine_host.h"
#include "app/settings.h"
#include "platform/win32/win32_desktop.h"

namespace wb {

struct Program {
  explicit Program(HINSTANCE inst) : instance(inst), desktop(inst) {}

  HINSTANCE instance;
  // The program's directory with its trailing backslash: the data files,
  // the help page and the sounds lie there.
  std::string programDir;
  // The working directory "cache\" beside the program.
  std::string frameDir;
  bool isWinNT = false;
  // Whether the Internet Explorer cache functions could be loaded; without
  // them the "ie" button is hidden.
  bool winInetLoaded = true;
  // The home page opens one start in 21; "/nohome" on the command line
  // turns that off (the tests start the program many times).
  bool homePageAtStart = true;

  Win32Desktop desktop;
  EngineHost host;
  Settings settings{desktop};
  RuntimeFlags flags;
};

}  // namespace wb
