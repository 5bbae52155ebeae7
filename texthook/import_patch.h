#pragma once
// The replacement of the rendering library's ExtTextOutW import, inside the
// browser's process.

namespace tapx {

// Finds (or loads) "MSHTML.DLL" and points its import of GDI32's
// ExtTextOutW at MyExtTextOutW. When the library cannot be had at all,
// reports kNoRenderer to Gleam4 and removes the message hook. A failed
// header check or a missing entry changes nothing.
void InstallReplacement();

// Puts the genuine address back (when a replacement was made) and removes
// the message hook.
void RestoreReplacement();

}  // namespace tapx
