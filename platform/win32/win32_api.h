#pragma once
// The Windows API as the toolbar's Windows code includes it: the system
// headers it uses, all at once, then the two parameter annotations IN and
// OUT taken back. <windef.h> defines them as empty macros, which would erase
// the engine's noun code named IN wherever an engine header came after the
// system's. Include this header instead of <windows.h> and its companions.

#include <windows.h>
#include <commctrl.h>
#include <ddeml.h>
#include <mmsystem.h>
#include <shellapi.h>

#undef IN
#undef OUT
