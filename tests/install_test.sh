#!/usr/bin/env bash
# wenb97 installed into a temporary prefix finds its data files there and
# translates; --version and the manual page agree with --help.
#   install_test.sh BUILD_DIR SOURCE_DIR VERSION
set -u
build=$1 src=$2 version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
passed=0 failed=0
check() {  # check NAME CONDITION...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

cmake --install "$build" --prefix "$prefix/usr" >"$prefix/install.log" 2>&1
check "install" test $? = 0
bin="$prefix/usr/bin/wenb97"
check "program in bin/" test -x "$bin"
for f in LEXICON.MTX big52gb badwords.xtm; do
  check "$f in share/wenbridge/" test -s "$prefix/usr/share/wenbridge/$f"
done
# Nothing but the data beside the installed program tells it where they are.
env -u WENB97_DATA_DIR "$bin" page "$src/examples/library.html" -o "$prefix/out.html" 2>"$prefix/err"
check "installed program translates" test $? = 0
check "installed program writes Chinese" grep -q "。" "$prefix/out.html"
check "--version" test "$("$bin" --version)" = "wenb97 (Wenbridge) $version"

man="$prefix/usr/share/man/man1/wenb97.1"
if command -v help2man >/dev/null; then
  check "manual page installed" test -s "$man"
  check "manual page names the version" grep -q "^.TH WENB97 .*Wenbridge $version" "$man"
  for c in page text sentence analyse; do
    for opt in $("$bin" $c --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
      check "manual page: $c $opt" grep -q -F -e "$opt" -e "${opt//-/\\-}" "$man"
    done
  done
fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
