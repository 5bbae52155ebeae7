#!/usr/bin/env bash
# Builds the normal and the sanitizer (ASan + UBSan) configurations and runs
# every test in both. Exits non-zero on the first failure.
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
# The engine and the page code also build for the 32-bit Windows programs.
if command -v i686-w64-mingw32-g++-posix >/dev/null; then
  echo "=== mingw cross build"
  cmake --preset mingw >/dev/null
  cmake --build --preset mingw -j "$jobs"
fi
