#pragma once
// Reading a page whole and writing a result so that a failed run never
// leaves a half-written file where a good one stood.

#include <string>
#include <string_view>

namespace wb {

// Reads the whole file; on failure error names the file and the reason.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& error);

// Writes content to a temporary file beside path and renames it into place.
// On failure the old file (if any) is untouched and no temporary is left.
bool WriteFileReplacing(const std::string& path, std::string_view content, std::string& error);

}  // namespace wb
