#pragma once
#include <windows.h>

#include <optional>

namespace gleam4 {

// The system's language: the language half of the first translation entry
// in the version information of the system directory's kernel32.dll.
// Nothing when the file has no version information (or no translation).
std::optional<WORD> GetSystemLanguage();

}  // namespace gleam4
