#pragma once
// The data files the program reads at start-up live beside the program.

#include <string>

namespace wb {

// The directory the running program was started from, with a trailing "/".
// WENB97_DATA_DIR, when set, names another directory instead.
std::string DataDirectory(const char* argv0);

}  // namespace wb
