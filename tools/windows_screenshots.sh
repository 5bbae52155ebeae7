#!/usr/bin/env bash
# Takes the README's pictures of Wenb97.exe under Wine: the toolbar with its
# menu open, a mail translated into the result window, and the options
# dialog. Uses a Wine prefix and an X display of its own (Xvfb), removed
# afterwards; needs the cross build (build-mingw/bin) and ImageMagick.
#
#   tools/windows_screenshots.sh [OUTDIR]      (default docs/images)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/docs/images}" && cd "${1:-$root/docs/images}" && pwd)
bin=$root/build-mingw/bin
[ -x "$bin/Wenb97.exe" ] && [ -x "$bin/toolbar_driver.exe" ] ||
  { echo "build the Windows programs first: cmake --preset mingw && cmake --build --preset mingw" >&2; exit 1; }

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
xvfb_pid=
cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# -noreset: the backdrop would go with the X server's reset after its first
# client, the backdrop painter itself, disconnects.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$scratch/display")"
# A desktop-blue backdrop instead of X's black root window.
convert -size 1024x768 gradient:'#3a6ea5-#1d3f66' "$scratch/backdrop.png"
timeout 20 display -window root "$scratch/backdrop.png" >/dev/null 2>&1 || true

echo "making a Wine prefix"
timeout -k 5 180 wineboot -i >/dev/null 2>&1 || true
timeout -k 5 60 wineserver -w || true
# Window frames drawn by Wine (there is no window manager), smoothed text.
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 2 /f >/dev/null 2>&1
timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 2 /f >/dev/null 2>&1

# The menus and message boxes are drawn in the system's font. A Chinese
# Windows draws them with its Song face; the pictures do the same with the
# nearest face a Linux system has. (A .reg file in UTF-16, because Wine reads
# non-ASCII command-line arguments in the Unix locale's character set.)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" SimSun; do printf '"%s"="文泉驿点阵正黑"\r\n' "$face"; done
} | iconv -f UTF-8 -t UTF-16 >"$scratch/fonts.reg"
timeout 60 wine regedit /S "$(winepath -w "$scratch/fonts.reg" 2>/dev/null)" >/dev/null 2>&1

drive() { timeout -k 5 60 wine "$bin/toolbar_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }
shot() {  # shot NAME X Y WIDTH HEIGHT: that part of the screen
  import -display "$DISPLAY" -window root -crop "$4x$5+$2+$3" +repage "$out/$1.png"
  echo "wrote $out/$1.png"
}

timeout -k 5 300 wine "$bin/Wenb97.exe" /nohome >/dev/null 2>&1 &
read -r x0 _ < <(drive wait-window THaldenWenbridge 60000)

drive click-child 1
drive wait-menu 10000 >/dev/null
sleep 0.5
# The mouse on the options item, out of the way of the hints.
drive move "$((x0 + 60))" 110
sleep 0.5
shot toolbar 440 0 260 260
drive key $'\e'
# The menu button stays down after a menu left with Escape: one click lets it
# up, the next opens the menu again.
drive click-child 1
sleep 0.3
drive click-child 1
drive wait-menu 10000 >/dev/null
drive key O
drive wait-window TOptions 10000 >/dev/null
sleep 0.5
read -r x y w h < <(drive wait-window TOptions 1000)
shot options "$((x - 10))" "$((y - 10))" "$((w + 20))" "$((h + 20))"
drive press TOptions 2 5000

drive set-clipboard "$root/tests/wine/toolbar/mail.txt"
drive hotkey
drive result 60000 >/dev/null
sleep 0.5
shot result-window 180 0 480 420
