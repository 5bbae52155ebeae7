#include "texthook/import_patch.h"

#include <cstdint>

#include "texthook/core/import_walk.h"
#include "texthook/memory_access.h"
#include "texthook/tapx32.h"

namespace tapx {
namespace {

// The span of the image that is locked and made writable around a change;
// the renderer keeps its import address table at the start of its image.
constexpr std::size_t kPatchWindow = 16384;

// Per-process data (ordinary data of the library, in the browser's
// process): the renderer's base and the one replacement made there.
struct Replacement {
  HMODULE renderer = nullptr;
  DWORD* entry = nullptr;  // the patched import entry, or none
  DWORD saved = 0;         // the address that stood there before
};
Replacement g_replacement;

HMODULE FindRenderer() {
  HMODULE m = GetModuleHandleA("MSHTML.DLL");
  if (!m) {
    LoadLibraryA("MSHTML.DLL");
    m = GetModuleHandleA("MSHTML.DLL");
  }
  return m;
}

// Writes one entry of the renderer's image. The first 16 KiB are locked and
// made writable as one window; an entry that lies beyond them gets its own
// page made writable too, or the write would fault and end the browser.
// Afterwards every page has its old protection again.
bool WriteEntry(DWORD* entry, DWORD value) {
  void* base = g_replacement.renderer;
  VirtualLock(base, kPatchWindow);
  bool written = false;
  {
    WritableRange window(base, kPatchWindow);
    const auto offset = reinterpret_cast<std::uintptr_t>(entry) - reinterpret_cast<std::uintptr_t>(base);
    const bool inside = offset + sizeof(DWORD) <= kPatchWindow;
    WritableRange own(inside ? nullptr : entry, inside ? 0 : sizeof(DWORD));
    if ((inside && window.ok()) || own.ok()) {
      *entry = value;
      written = true;
    }
  }
  VirtualUnlock(base, kPatchWindow);
  return written;
}

// Once the renderer calls into this library, the library must outlive any
// way the hook can go (Gleam4 ending without the restore, a window closed
// behind the hook's back, another browser thread still drawing): an extra
// reference keeps it loaded until the browser's process ends.
void KeepLibraryLoaded() {
  static bool kept = false;
  if (kept) return;
  HMODULE self = nullptr;
  wchar_t path[MAX_PATH];
  if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&MyExtTextOutW), &self) &&
      GetModuleFileNameW(self, path, MAX_PATH) > 0 && LoadLibraryW(path))
    kept = true;
}

void RemoveHook() {
  UnhookWindowsHookEx(SharedData.hook);
  SharedData.hook = nullptr;
}

}  // namespace

void InstallReplacement() {
  g_replacement.renderer = FindRenderer();
  if (!g_replacement.renderer) {
    PostMessageA(SharedData.notifyWindow, WM_COMMAND, kReport, kNoRenderer);
    RemoveHook();
    return;
  }
  // Already replaced in this process (a second browser window of the same
  // process): the entry no longer holds the genuine address, and the record
  // must keep the one that did.
  if (g_replacement.entry) return;

  HMODULE gdi = GetModuleHandleA("GDI32.DLL");
  const auto genuine = reinterpret_cast<std::uintptr_t>(gdi ? GetProcAddress(gdi, "ExtTextOutW") : nullptr);
  if (!genuine) return;
  const auto offset = wb::FindImportEntry(LoadedImage(g_replacement.renderer), "GDI32.DLL",
                                          static_cast<std::uint32_t>(genuine));
  if (!offset) return;

  KeepLibraryLoaded();
  auto* entry = reinterpret_cast<DWORD*>(reinterpret_cast<std::uintptr_t>(g_replacement.renderer) + *offset);
  if (!WriteEntry(entry, static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(&MyExtTextOutW)))) return;
  g_replacement.entry = entry;
  g_replacement.saved = static_cast<DWORD>(genuine);
}

void RestoreReplacement() {
  if (g_replacement.entry && WriteEntry(g_replacement.entry, g_replacement.saved)) g_replacement.entry = nullptr;
  RemoveHook();
}

}  // namespace tapx
