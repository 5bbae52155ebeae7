#include "ie4helper/system_language.h"

#include <string>
#include <vector>

namespace gleam4 {

std::optional<WORD> GetSystemLanguage() {
  char directory[MAX_PATH];
  const UINT n = GetSystemDirectoryA(directory, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::nullopt;
  const std::string path = std::string(directory) + "\\kernel32.dll";

  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return std::nullopt;
  std::vector<char> info(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data())) return std::nullopt;

  void* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &translation, &length) ||
      length < sizeof(WORD) * 2)
    return std::nullopt;
  return static_cast<const WORD*>(translation)[0];
}

}  // namespace gleam4
