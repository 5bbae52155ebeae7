# Shared by the Tapx32 and Gleam4 tests under Wine (sourced, not run). Lays
# out the programs as a user would install them: Gleam4 with its two
# libraries in one folder, the stand-in browser with its stand-in
# "MSHTML.DLL" in another, and a browser without it in a third.
set -euo pipefail

standins="$WB_BIN/wine-tests/texthook"
gleam_dir="$WB_WORK/gleam4"
browser_dir="$WB_WORK/browser"
bare_dir="$WB_WORK/bare-browser"
mkdir -p "$gleam_dir" "$browser_dir" "$bare_dir"
cp "$WB_BIN/Gleam4.exe" "$WB_BIN/Tapx32.dll" "$WB_BIN/WbShell.dll" "$gleam_dir/"
cp "$standins/standin_browser.exe" "$standins/MSHTML.DLL" "$standins/probe.exe" "$browser_dir/"
cp "$standins/standin_browser.exe" "$bare_dir/"

# The stand-in renderer is a native "MSHTML.DLL"; Wine's own is never used.
export WINEDLLOVERRIDES="mscoree=;mshtml=n;winemenubuilder.exe=d"
# Gleam4 says what it does through OutputDebugString; the tests read it.
gleam_log="$WB_WORK/gleam4.log"

pids=()
cleanup_pids() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap cleanup_pids EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# wine with the locale the test chose (LOCALE: zh_CN.UTF-8 gives code page
# 936 and language 0x0804; empty gives 1252 and 0x0409), always bounded.
run_wine() {
  local limit=$1; shift
  env ${LOCALE:+LC_ALL=$LOCALE} timeout -k 5 "$limit" wine "$@"
}

probe() { run_wine 30 "$browser_dir/probe.exe" "$@"; }

start_gleam4() {
  env ${LOCALE:+LC_ALL=$LOCALE} WINEDEBUG=-all,+debugstr timeout -k 5 240 wine "$gleam_dir/Gleam4.exe" \
    >>"$gleam_log" 2>&1 &
  gleam_pid=$!
  pids+=("$gleam_pid")
  probe wait-title '*Gleam4*' 30 || fail "Gleam4 did not start"
}

# start_browser NAME [ARGS...]: the stand-in browser in the background, its
# output in $WB_WORK/NAME.log; sets browser_pid.
start_browser() {
  local name=$1; shift
  local dir=$browser_dir
  [ "${1:-}" = --no-mshtml ] && dir=$bare_dir
  run_wine 90 "$dir/standin_browser.exe" "$@" >"$WB_WORK/$name.log" 2>&1 &
  browser_pid=$!
  pids+=("$browser_pid")
}

# wait_exit PID SECONDS: the process's exit status, or 124 when it is still
# running after SECONDS.
wait_exit() {
  local pid=$1 limit=$2 i
  for ((i = 0; i < limit * 10; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && return 124
  local status=0
  wait "$pid" || status=$?
  return $status
}

# expect_browser NAME PID: the browser passed every check; its output shown.
expect_browser() {
  local name=$1 pid=$2 status=0
  wait_exit "$pid" 60 || status=$?
  sed "s/^/    [$name] /" "$WB_WORK/$name.log"
  [ $status -eq 0 ] || fail "$name ended with status $status"
  grep -q '^hooked' "$WB_WORK/$name.log" || fail "$name was never hooked"
}

# said TEXT: how many times Gleam4 has said TEXT.
said() {
  local n
  n=$(grep -c -- "$1" "$gleam_log" 2>/dev/null) || true
  echo "${n:-0}"
}

# wait_for_log TEXT SECONDS [COUNT]: Gleam4 has said TEXT (COUNT times).
wait_for_log() {
  local text=$1 limit=$2 count=${3:-1} i
  for ((i = 0; i < limit * 10; i++)); do
    [ "$(said "$text")" -ge "$count" ] && return 0
    sleep 0.1
  done
  fail "Gleam4 did not say $count times: $text"
}

# A picture of the screen, kept when WB_SCREENSHOTS names a folder.
screenshot() {
  [ -n "${WB_SCREENSHOTS:-}" ] && command -v import >/dev/null || return 0
  mkdir -p "$WB_SCREENSHOTS"
  timeout 20 import -display "$DISPLAY" -window root "$WB_SCREENSHOTS/$1.png" || true
}
