#pragma once
// Text at the edge of the Windows system: the system speaks UTF-16, the
// program's own texts are UTF-8 and the engine's bytes are ASCII and GBK
// (code page 936), whatever code page the system itself runs in.

#include <string>
#include <string_view>

namespace wb {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// The engine's bytes (GBK) and back. Typographic quotes, dashes, the
// ellipsis and no-break spaces reach the engine as their ASCII forms, as
// they do from the command-line tool; characters GBK lacks become "?".
std::wstring EngineToWide(std::string_view gbk);
std::string WideToEngine(std::wstring_view wide);

}  // namespace wb
