#!/usr/bin/env bash
# Runs the Windows programs' tests under Wine: one 32-bit prefix and one Xvfb
# for the whole run, every test script tests/wine/*/*_wine_test.sh in turn,
# and Wine and Xvfb always cleaned up.
#
#   tests/wine/run.sh BIN_DIR [FILTER]
#
# BIN_DIR holds the cross-built programs (build-mingw/bin). Each test script
# gets WB_BIN (that folder), WB_WORK (a scratch folder of its own) and the
# Wine environment; it exits 0 when it passes. FILTER, when given, runs only
# the scripts whose path contains it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:?usage: tests/wine/run.sh BIN_DIR [FILTER]}" && pwd)
filter=${2:-}

export WINEPREFIX=${WB_WINEPREFIX:-$(cd "$here/../.." && pwd)/.wineprefix}
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$scratch/display" ] && break; sleep 0.05; done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$scratch/display")"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "making the Wine prefix $WINEPREFIX"
  timeout -k 5 180 wineboot -i >/dev/null 2>&1 || true
  timeout -k 5 60 wineserver -w || true
fi

failed=()
count=0
for t in "$here"/*/*_wine_test.sh; do
  [ -e "$t" ] || continue
  case "$t" in *"$filter"*) ;; *) continue ;; esac
  name=${t#"$here"/}
  work="$scratch/${name//\//_}"
  mkdir -p "$work"
  count=$((count + 1))
  echo "--- $name"
  start=$(date +%s)
  if WB_BIN="$bin" WB_WORK="$work" timeout -k 10 900 bash "$t"; then
    echo "    passed ($(( $(date +%s) - start )) s)"
  else
    echo "    FAILED ($(( $(date +%s) - start )) s)"
    failed+=("$name")
  fi
  # Nothing a test started may outlive it.
  timeout 30 wineserver -k >/dev/null 2>&1 || true
done

echo "=== Wine tests: $count run, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ] || { printf '  %s\n' "${failed[@]}"; exit 1; }
