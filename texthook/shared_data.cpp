// The shared section "shared" (read, write, shared between every process that
// loads the library): GCC makes a section shared only for initialised
// variables placed in it by name (it ignores #pragma data_seg).
#include "texthook/tapx32.h"

__attribute__((section("shared"), shared)) TapxSharedData SharedData = {nullptr, nullptr, nullptr, 0, 0, 0};
