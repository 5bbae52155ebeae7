#!/usr/bin/env bash
# Builds the normal and the sanitizer (ASan + UBSan) configurations and runs
# every test in both, smoke-runs the fuzz targets, then the Windows programs.
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)
for preset in default asan; do
  echo "=== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "=== $preset tests"
  ctest --preset "$preset" -j "$jobs"
done
# The fuzz targets (clang with libFuzzer, ASan and UBSan): built, every seed
# and stored crash input replayed, then a short search each, so that they
# stay buildable and a fixed crash stays fixed (tools/fuzz.sh runs them long).
if command -v clang++ >/dev/null; then
  echo "=== fuzz build and smoke run"
  WB_JOBS=$jobs tools/fuzz.sh --smoke "${WB_FUZZ_SMOKE:-10s}"
elif [ "${WB_REQUIRE_FUZZ:-0}" = 1 ]; then
  echo "clang is missing: the fuzz targets cannot be built" >&2; exit 1
else
  echo "=== fuzz build SKIPPED: clang++ not installed"
fi
# The Windows programs: the mingw-w64 cross build, then their tests under
# Wine. Without the cross compiler or Wine they are skipped, loudly (CI sets
# WB_REQUIRE_WINE=1 and installs both).
if command -v i686-w64-mingw32-g++-posix >/dev/null; then
  echo "=== mingw cross build"
  cmake --preset mingw >/dev/null
  cmake --build --preset mingw -j "$jobs"
  if command -v wine >/dev/null && command -v Xvfb >/dev/null; then
    echo "=== Wine tests"
    mkdir -p build-mingw/bin  # no Windows program may have been built yet
    tests/wine/run.sh build-mingw/bin
  elif [ "${WB_REQUIRE_WINE:-0}" = 1 ]; then
    echo "Wine or Xvfb missing: the Windows programs cannot be tested" >&2; exit 1
  else
    echo "=== Wine tests SKIPPED: wine or Xvfb not installed"
  fi
elif [ "${WB_REQUIRE_WINE:-0}" = 1 ]; then
  echo "the mingw-w64 cross compiler is missing" >&2; exit 1
else
  echo "=== mingw cross build SKIPPED: i686-w64-mingw32-g++-posix not installed"
fi
