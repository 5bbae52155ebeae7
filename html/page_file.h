#pragma once
// Reading a page whole and writing a result so that a failed run never
// leaves a half-written file where a good one stood.

#include <cstddef>
#include <string>
#include <string_view>

namespace wb {

// Reads the whole file; on failure error names the file and the reason. A
// file larger than maxBytes is refused without being read to its end.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& error,
                   std::size_t maxBytes = static_cast<std::size_t>(-1));

// Writes content to a temporary file beside path and renames it into place.
// On failure the old file (if any) is untouched and no temporary is left.
bool WriteFileReplacing(const std::string& path, std::string_view content, std::string& error);

}  // namespace wb
