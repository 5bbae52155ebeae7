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
