#!/usr/bin/env bash
# Wenb97.exe under Wine, driven as a user drives it: first start, a second
# copy that ends at once, the toolbar's window and buttons, the menu toggles
# and the options dialog writing the registry, the hot key translating the
# clipboard into the result window (compared with "wenb97 text --mail" on the
# same text), the exit question answered No and Yes, and the settings after
# a restart. Run by tests/wine/run.sh, which provides the Wine prefix, the
# X display, WB_BIN and WB_WORK.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
host_bin=${WB_HOST_BIN:-$root/build/bin}
bin=${WB_BIN:?} work=${WB_WORK:?}
# The Chinese code page for the program, as a Chinese Windows has it.
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null

passed=0 failed=0
check() {  # check NAME COMMAND...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
equals() { [ "$1" = "$2" ] || { echo "  got '$1', expected '$2'"; return 1; }; }
# Non-ASCII arguments travel as hexadecimal UTF-8 (see toolbar_driver.cpp).
hex() { printf 'x:%s' "$(printf %s "$1" | od -An -tx1 | tr -d ' \n')"; }
confirm=$(hex 确认)
drive() { timeout -k 5 60 wine "$bin/toolbar_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }
setting() { drive setting "$1"; }
# Waits (at most 10 s) until a setting has a value.
setting_becomes() {
  for _ in $(seq 40); do [ "$(setting "$1")" = "$2" ] && return 0; sleep 0.25; done
  echo "  $1 is '$(setting "$1")', expected '$2'"; return 1
}
result_has() {  # waits (at most 10 s) for the result window to hold a text
  for _ in $(seq 20); do drive result 2000 | grep -q -- "$1" && return 0; sleep 0.25; done
  return 1
}
menu() {  # opens the menu with the menu button and picks an item by its letter
  drive click-child 1 && drive wait-menu 10000 >/dev/null && drive key "$1"
}

toolbar_pid=
start_toolbar() {
  timeout -k 5 600 wine "$bin/Wenb97.exe" /nohome >"$work/toolbar.log" 2>&1 &
  toolbar_pid=$!
  drive wait-window THaldenWenbridge 60000 >/dev/null
}
stop_toolbar() {  # the way a user ends it: Exit, then Yes
  menu X && drive press "$confirm" 6 10000 && drive wait-gone THaldenWenbridge 10000 || return 1
  for _ in $(seq 100); do kill -0 "$toolbar_pid" 2>/dev/null || break; sleep 0.1; done
  ! kill -0 "$toolbar_pid" 2>/dev/null
}
cleanup() { [ -n "$toolbar_pid" ] && kill "$toolbar_pid" 2>/dev/null; true; }
trap cleanup EXIT

drive_c="$WINEPREFIX/drive_c"
timeout -k 5 60 wine reg delete 'HKCU\Software\Halden' /f >/dev/null 2>&1
echo old >"$drive_c/trans5.htm"
echo old >"$drive_c/transc.htm"
echo kept >"$drive_c/trans.txt"

# ---- first start ------------------------------------------------------------
check "toolbar starts" start_toolbar
check "first run: AutoProperName 0" equals "$(setting AutoProperName)" 0
check "old result pages deleted" test ! -e "$drive_c/trans5.htm" -a ! -e "$drive_c/transc.htm"
check "trans.txt kept" test -e "$drive_c/trans.txt"
check "cache directory" test -d "$bin/cache"
check "splash screen gone once the toolbar shows" equals "$(drive count TSplashScreen)" 0

start=$(date +%s)
timeout -k 5 60 wine "$bin/Wenb97.exe" /nohome >/dev/null 2>&1; status=$?
check "second copy ends at once" test $status -eq 0 -a $(( $(date +%s) - start )) -lt 20
check "one toolbar" equals "$(drive count THaldenWenbridge)" 1

# ---- the toolbar's window ------------------------------------------------------
geometry=$(drive geometry)
echo "$geometry" >"$work/geometry"
line() { echo "$geometry" | sed -n "s/^$1 //p"; }
check "toolbar class, place and size" equals "$(line toolbar)" "THaldenWenbridge 512 2 78 25 1"
check "toolbar caption" equals "$(line title)" "Wenbridge 3.0"
check "toolbar borderless" equals "$(line caption)" 0
check "toolbar stays on top" equals "$(line topmost)" 1
check "SpeedButton1" equals "$(line child1)" "TSpeedButton 0 0 27 25 1"
check "Ns" equals "$(line child2)" "Button 26 0 27 25 1"
check "ie" equals "$(line child4)" "Button 53 0 25 25 1"
check "progress bar below the buttons" equals "$(line child5)" "msctls_progress32 0 25 78 10 1"

# Dragged by the menu button, the toolbar follows the mouse (and the button's
# click, when the mouse is let go, opens the menu, which Escape closes).
drive drag-child 1 -100 40
drive wait-menu 5000 >/dev/null && drive key $'\e'
check "dragged by the menu button" equals "$(drive geometry | sed -n 's/^toolbar //p')" "THaldenWenbridge 412 42 78 25 1"
drive drag-child 1 100 -40
drive wait-menu 5000 >/dev/null && drive key $'\e'

# The About box, and the program's pictures, sounds and icon.
menu A
check "About box" drive wait-window TAboutForm 10000 >/dev/null
drive press TAboutForm 1 5000
check "About box closes" drive wait-gone TAboutForm 10000
check "resources" drive resources "$(winepath -w "$bin/Wenb97.exe" 2>/dev/null)"
imports=$(i686-w64-mingw32-objdump -p "$bin/Wenb97.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' |
          grep -v -x -E 'KERNEL32.DLL|USER32.DLL|GDI32.DLL|ADVAPI32.DLL|SHELL32.DLL|COMCTL32.DLL|WINMM.DLL|MSVCRT.DLL')
check "only system libraries imported" equals "$imports" ""

# ---- menu toggles and options ------------------------------------------------------
check "PICS starts on" equals "$(setting PICS)" ""
menu P
check "PICS toggled off" setting_becomes PICS 0
menu M
check "Sound Effect toggled off" setting_becomes "Sound Effect" 0
menu R
check "Content Evaluation toggled off" setting_becomes "Content Evaluation" 0
menu R
check "Content Evaluation toggled on" setting_becomes "Content Evaluation" 1

menu O
check "options dialog" drive wait-window TOptions 10000 >/dev/null
check "options start at translation only" equals "$(drive checked TOptions 15)" 1
drive press TOptions 16 5000   # 左右对照
drive press TOptions 13 5000   # 翻译<PRE>标记
drive press TOptions 1 5000    # 确认
check "options OK stores ShowTran 1" setting_becomes ShowTran 1
check "options OK stores TranPre 1" equals "$(setting TranPre)" 1
check "options OK stores TranBlockquote 0" equals "$(setting TranBlockquote)" 0
menu O
drive wait-window TOptions 10000 >/dev/null
drive press TOptions 17 5000   # 上下对照
drive press TOptions 2 5000    # 取消
sleep 0.5
check "options Cancel stores nothing" equals "$(setting ShowTran)" 1

# ---- the hot key: clipboard text into the result window ------------------------------
"$host_bin/wenb97" text --mail "$here/mail.txt" >"$work/expected.txt"
drive set-clipboard "$here/mail.txt"
drive hotkey
drive result 60000 >"$work/result.txt"
check "result window shows the translation" test -s "$work/result.txt"
check "result window's place and size" equals "$(drive wait-window TEmail 1000)" "200 108 435 300"
check "result window in front" equals "$(tail -1 "$work/result.txt")" "foreground 1"
sed -i '$d' "$work/result.txt"
check "result equals wenb97 text --mail" diff -u "$work/expected.txt" "$work/result.txt"
check "quoted lines keep their marks" test "$(grep -c '^>' "$work/result.txt")" -ge 1
check "result is Chinese" grep -q '。' "$work/result.txt"

# 999 bytes are translated, 1000 are left alone.
printf 'Zorblax %.0s' $(seq 124) | head -c 999 >"$work/t999.txt"
drive set-clipboard "$work/t999.txt"
drive hotkey
check "999 characters translated" result_has Zorblax
drive result 5000 >"$work/before.txt"
printf 'Quux %.0s' $(seq 200) | head -c 1000 >"$work/t1000.txt"
drive set-clipboard "$work/t1000.txt"
drive hotkey
# Long enough for a translation to have begun: the result window would be
# hidden then, and the read below would wait for its new text.
sleep 3
drive result 5000 >"$work/after.txt"
check "1000 characters left alone" diff -q "$work/before.txt" "$work/after.txt"

# ---- exit -------------------------------------------------------------------------
menu X
check "exit question" equals "$(drive box-text "$confirm" 10000)" "你肯定要退出吗?"
drive press "$confirm" 7 10000   # No
sleep 1
check "No keeps the toolbar" equals "$(drive count THaldenWenbridge)" 1
check "Yes ends the program" stop_toolbar

# ---- a restart keeps the settings ---------------------------------------------------
check "toolbar starts again" start_toolbar
menu P
check "PICS read as off at start, toggled on" setting_becomes PICS 1
menu O
drive wait-window TOptions 10000 >/dev/null
check "options read at start" equals "$(drive checked TOptions 16)" 1
drive press TOptions 2 5000
check "ends again" stop_toolbar

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
