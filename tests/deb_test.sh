#!/usr/bin/env bash
# The Debian package as a user meets it: built from a build folder,
# installed with apt-get, the example page translated by the installed
# program, and the package removed again. Needs root (CI runs it).
#   deb_test.sh BUILD_DIR
set -euo pipefail
build=$1
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
cleanup() {
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq wenbridge >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/wenbridge_*.deb)
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
wenb97=$(command -v wenb97)
[ "$wenb97" = /usr/bin/wenb97 ] || { echo "deb_test: wenb97 is $wenb97, not /usr/bin/wenb97" >&2; exit 1; }
env -u WENB97_DATA_DIR wenb97 page "$src/examples/library.html" -o "$work/library.zh.html"
grep -q "。" "$work/library.zh.html"
man -w wenb97 >/dev/null
echo "deb_test: $(basename "$deb") installs, translates the example page and is removed"
