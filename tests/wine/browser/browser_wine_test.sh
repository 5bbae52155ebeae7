#!/usr/bin/env bash
# The toolbar's Ns and ie buttons under Wine, against stand-in browsers and
# mail readers: Navigator's frameset saved over DDE and shown by
# WWW_ShowFile, an anchor opened in the translation, a .TXT page, the
# two-frame pages, the composed page left alone; Internet Explorer's page
# and frames from the real WinInet cache through its page-properties
# dialogs, typed into the address box, and its shell window over DDE; mail
# messages into the result window; browsers that are missing or never
# answer. Every translated page is compared with what "wenb97 page" makes of
# the same file and settings. Run by tests/wine/run.sh, which provides the
# Wine prefix, the X display, WB_BIN and WB_WORK. WB_SHOTS, when set, names
# a folder for screenshots of what the user sees.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
host_bin=${WB_HOST_BIN:-$root/build/bin}
bin=${WB_BIN:?} work=${WB_WORK:?}
shots=${WB_SHOTS:-}
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null

passed=0 failed=0
check() {  # check NAME COMMAND...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
  [ -z "${WB_TRACE:-}" ] || echo "$SECONDS s: $name"
}
equals() { [ "$1" = "$2" ] || { echo "  got '$1', expected '$2'"; return 1; }; }
hex() { printf 'x:%s' "$(printf %s "$1" | od -An -tx1 | tr -d ' \n')"; }
drive() { timeout -k 5 60 wine "$bin/toolbar_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }
helper() { timeout -k 5 60 wine "$bin/browser_check.exe" "$@" 2>/dev/null | tr -d '\r'; }
win() { winepath -w "$1" 2>/dev/null; }
shot() { [ -n "$shots" ] && mkdir -p "$shots" && import -display "$DISPLAY" -window root "$shots/$1.png"; true; }
menu() { drive click-child 1 && drive wait-menu 10000 >/dev/null && drive key "$1"; }
show_tran() {  # the display option, chosen in the options dialog as a user does
  menu O && drive wait-window TOptions 10000 >/dev/null && drive press TOptions $((15 + $1)) 5000 &&
    drive press TOptions 1 5000 && drive wait-gone TOptions 10000
}
# The toolbar's message box, waited for at most $1 ms: its text (a
# screenshot named $2 taken while it shows), then OK.
box() {
  drive box-text "Wenbridge 3.0" "$1" || return 1
  [ -z "${2:-}" ] || shot "$2"
  drive press "Wenbridge 3.0" 1 5000 >/dev/null
}
no_box() { ! drive box-text "Wenbridge 3.0" 500 >/dev/null; }
toolbar_up() { drive wait-window THaldenWenbridge 60000 >/dev/null; }
toolbar_answers() { helper ping THaldenWenbridge 2000 >/dev/null; }
log_has() {  # waits (at most $3 s) for a line of a stand-in's log
  local n=$(( ${3:-30} * 4 ))
  for _ in $(seq "$n"); do grep -qxF -- "$2" "$1" 2>/dev/null && return 0; sleep 0.25; done
  echo "  no line '$2' in $(basename "$1"):"; sed 's/^/    /' "$1" 2>/dev/null; return 1
}

drive_c="$WINEPREFIX/drive_c"
site="$here/site"
site_w=$(win "$site")
frames_dir="$bin/cache"
url=http://www.example.com

pids=()
standin() {  # standin PROGRAM LOG ARGS...: started, and ready within 30 s
  local program=$1 log=$2; shift 2
  : >"$log"
  timeout -k 5 300 wine "$bin/$program.exe" --log "$(win "$log")" --lifetime 240 "$@" >/dev/null 2>&1 &
  pids+=($!)
  log_has "$log" ready 30 >/dev/null
}
stop_standins() {
  for class in Afx:400000:b:1c4e:6:4a5c IEFrame CabinetWClass ATH_Note rctrl_renwnd32; do
    helper quit "$class" 5000 >/dev/null
  done
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  pids=()
}
toolbar_pid=
cleanup() { stop_standins; [ -n "$toolbar_pid" ] && kill "$toolbar_pid" 2>/dev/null; true; }
trap cleanup EXIT

# What "wenb97 page" makes of a page of the site (GBK, as the toolbar writes).
expect() {  # expect NAME PAGE BROWSER SHOWTRAN
  mkdir -p "$work/expected"
  "$host_bin/wenb97" page "$site/$2" --encoding gbk --browser "$3" --url "$url/$2" --show-tran "$4" \
    --frame-dir "$work/expected" --content-eval off -o "$work/expected/$1" 2>/dev/null
}
same_page() {  # same_page EXPECTED ACTUAL [--exact|--text]
  [ -f "$2" ] || { echo "  $2 was not written"; return 1; }
  python3 "$here/compare_pages.py" "$1" "$2" "${@:3}"
}

# ---- set-up: a first run, Internet Explorer's cache, the toolbar ---------------------
timeout -k 5 60 wine reg delete 'HKCU\Software\Halden' /f >/dev/null 2>&1
# Wine without a window manager holds a program for two seconds whenever it
# closes a window a manager would look after; the stand-ins close a window
# for every frame, so their windows are left unmanaged.
for app in navigator_standin.exe ie_standin.exe mail_standin.exe; do
  timeout -k 5 60 wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$app\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
done
rm -f "$drive_c"/trans*.htm "$drive_c/trans.txt"
# A page of the cache that no stand-in shows, for the helper's own check.
check "a page put into the WinInet cache" helper cache "$url/notes.txt" "$(win "$site/notes.txt")"

timeout -k 5 600 wine "$bin/Wenb97.exe" /nohome >"$work/toolbar.log" 2>&1 &
toolbar_pid=$!
check "toolbar starts" toolbar_up

# ---- Navigator -----------------------------------------------------------------------------
nav="$work/navigator.log"
standin navigator_standin "$nav" --site "$site_w" --page "$url/index.htm"
drive click-child 2
check "Navigator: shown by WWW_ShowFile" log_has "$nav" 'WWW_ShowFile c:\trans.htm,,0xFFFFFFFF' 60
shot navigator-frameset
check "Navigator: document information read and closed" log_has "$nav" "document info closed" 1
check "Navigator: the page and its three frames saved" test "$(grep -c '^saved http' "$nav")" -eq 4
expect index.htm index.htm netscape 0
check "Navigator: c:\\trans.htm as wenb97 page makes it" same_page "$work/expected/index.htm" "$drive_c/trans.htm" --exact
for f in top.htm nav.htm main.htm; do
  expect "$f" "$f" netscape 0
  check "Navigator: frame $f translated into cache\\" same_page "$work/expected/$f" "$frames_dir/$f"
done
# The banner is a UTF-8 page: its translation is GB throughout and says so,
# the character GB lacks kept as a reference.
check "Navigator: a UTF-8 frame says it is GB" grep -qF '<meta charset="gb2312">' "$frames_dir/top.htm"
check "Navigator: a UTF-8 frame comes out in GB" \
  env LC_ALL=C grep -qF $'title="Caf\xa8\xa6 \xa1\xaa &#128218;"' "$frames_dir/top.htm"
check "Navigator: the frameset points at the frames' files" \
  grep -qF "src=\"file:///$(win "$frames_dir")\\main.htm\"" "$drive_c/trans.htm"
check "Navigator: no message" no_box

# An address with an anchor opens the translation at the anchor.
stop_standins
standin navigator_standin "$nav" --site "$site_w" --page "$url/page.htm#sec2" --title-last
drive click-child 2
check "Navigator: anchor opened by WWW_OpenURL" log_has "$nav" 'WWW_OpenURL file:///c|/trans.htm#sec2,,0xFFFFFFFF' 60
check "Navigator: page fetched without its anchor" grep -q "^WWW_OpenURL $url/page.htm,.*,0x4$" "$nav"
check "Navigator: the other title's command" grep -qx "document info opened by 32842" "$nav"
expect page.htm page.htm netscape 0
check "Navigator: anchored page translated" same_page "$work/expected/page.htm" "$drive_c/trans.htm"

# A .TXT page goes to c:\trans.txt.
stop_standins
standin navigator_standin "$nav" --site "$site_w" --page "$url/NOTES.TXT"
drive click-child 2
check "Navigator: .TXT shown from c:\\trans.txt" log_has "$nav" 'WWW_ShowFile c:\trans.txt,,0xFFFFFFFF' 60
"$host_bin/wenb97" page "$site/notes.txt" --encoding gbk --url "$url/NOTES.TXT" -o "$work/expected/notes.txt" 2>/dev/null
check "Navigator: c:\\trans.txt as wenb97 page makes it" same_page "$work/expected/notes.txt" "$drive_c/trans.txt" --text

# Side by side: the two-frame page, and a press on it does nothing.
stop_standins
check "options: side by side" show_tran 1
standin navigator_standin "$nav" --site "$site_w" --page "$url/index.htm"
drive click-child 2
check "Navigator: two-frame page shown" log_has "$nav" 'WWW_ShowFile c:\transc.htm,,0xFFFFFFFF' 60
shot navigator-side-by-side
printf '<HTML><HEAD><TITLE>()</TITLE></HEAD><FRAMESET COLS="*, *"><FRAME SRC="%s"><FRAME SRC="file://c:\\trans.htm"></FRAMESET></HTML>' \
  "$url/index.htm" >"$work/expected/transc.htm"
check "Navigator: c:\\transc.htm byte for byte" cmp -s "$work/expected/transc.htm" "$drive_c/transc.htm"
expect index-1.htm main.htm netscape 1
check "Navigator: links leave the frames" same_page "$work/expected/index-1.htm" "$frames_dir/main.htm"
lines=$(wc -l <"$nav")
drive click-child 2
check "Navigator: the composed page is asked for" log_has "$nav" "document info closed" 10
sleep 2
check "Navigator: the composed page is not translated again" \
  test -z "$(tail -n +$((lines + 1)) "$nav" | grep -E '^(WWW_OpenURL|WWW_ShowFile)')"
check "Navigator: and nothing is said" no_box

# A Navigator that never answers: the toolbar stays responsive and says so.
stop_standins
standin navigator_standin "$nav" --site "$site_w" --page "$url/index.htm" --mute
drive click-child 2
log_has "$nav" "request left unanswered WWW_GetWindowInfo 0xFFFFFFFF" 10 >/dev/null
check "Navigator silent: the toolbar still answers" toolbar_answers
# The hot key waits its turn while the page work waits on Navigator.
printf 'Good morning.' >"$work/hotkey.txt"
drive set-clipboard "$work/hotkey.txt"
drive hotkey
check "Navigator silent: the hot key translates nothing meanwhile" bash -c "! wine '$bin/toolbar_driver.exe' result 2000 >/dev/null 2>&1"
check "Navigator silent: the toolbar says so" equals "$(box 20000 navigator-silent)" \
  "Netscape 没有回答，翻译已停止。请稍后再试。"

# No Navigator at all.
stop_standins
drive click-child 2
check "no Navigator: the user is asked to start it" equals "$(box 10000 no-navigator)" "请启动Netscape浏览器！"

# Navigator's mail window: its message into the result window.
printf 'Subject: Re: lunch\r\n\r\n' >"$work/nsmail.txt"
cat "$here/mail.txt" >>"$work/nsmail.txt"
standin mail_standin "$work/mail.log" --kind netscape --text "$(win "$work/nsmail.txt")"
drive click-child 2
drive result 60000 | sed '$d' >"$work/nsmail.result"
"$host_bin/wenb97" text --mail "$here/mail.txt" >"$work/nsmail.expected"
check "Navigator mail: the body translated into the result window" diff -u "$work/nsmail.expected" "$work/nsmail.result"
check "Navigator mail: copied with the edit commands" grep -qx "command 57634" "$work/mail.log"
shot navigator-mail

# ---- Internet Explorer -------------------------------------------------------------------
stop_standins
check "options: one above the other" show_tran 2
ie="$work/ie.log"
standin ie_standin "$ie" --site "$site_w" --page "$url/index.htm" --dde
drive click-child 4
check "IE: typed into the address box" log_has "$ie" 'navigate c:\transc.htm' 60
shot ie-above-below
check "IE: four page-properties dialogs read" test "$(grep -c '^properties opened' "$ie")" -eq 4
expect ie-index.htm index.htm ie 2
check "IE: c:\\trans1.htm as wenb97 page makes it" same_page "$work/expected/ie-index.htm" "$drive_c/trans1.htm"
for f in top.htm nav.htm main.htm; do
  expect "ie-$f" "$f" ie 2
  check "IE: frame $f from the cache into cache\\" same_page "$work/expected/ie-$f" "$frames_dir/$f"
done
check "IE: c:\\transc.htm one above the other" grep -qF '<FRAMESET ROWS="*, *"><FRAME SRC="http://www.example.com/index.htm"><FRAME SRC="file://c:\trans1.htm">' "$drive_c/transc.htm"
check "IE: no message" no_box

# Internet Explorer 4's shell window: its address by its copy command, the
# result opened over DDE.
stop_standins
check "options: translation only" show_tran 0
standin ie_standin "$ie" --site "$site_w" --page "$url/page.htm" --shell
drive click-child 4
check "IE shell window: opened over DDE" log_has "$ie" 'WWW_OpenURL "c:\trans2.htm"' 60
check "IE shell window: address copied" grep -qx "address copied" "$ie"
expect ie-page.htm page.htm ie 0
check "IE shell window: c:\\trans2.htm translated" same_page "$work/expected/ie-page.htm" "$drive_c/trans2.htm"

# Page-properties dialogs that never open: a bounded wait, one message, and
# the page is still translated.
stop_standins
standin ie_standin "$ie" --site "$site_w" --page "$url/index.htm" --dde --no-dialogs
drive click-child 4
log_has "$ie" "properties command left unanswered" 10 >/dev/null
check "IE silent: the toolbar still answers" toolbar_answers
check "IE silent: the toolbar says so" equals "$(box 20000 ie-silent)" \
  "Internet Explorer 的“页的属性”窗口没有全部打开，框架窗口数：地址数 = 4:0"
check "IE silent: the page shown after all" log_has "$ie" 'navigate c:\trans3.htm' 60

# An Outlook Express message in front of the browser; then Outlook's.
stop_standins
standin ie_standin "$ie" --site "$site_w" --page "$url/index.htm" --dde
standin mail_standin "$work/mail.log" --kind ath_note --text "$(win "$here/mail.txt")"
drive click-child 4
drive result 60000 >"$work/oe.shown"
sed '$d' "$work/oe.shown" >"$work/oe.result"
"$host_bin/wenb97" text --mail "$here/mail.txt" >"$work/oe.expected"
check "Outlook Express: the result window in front" equals "$(tail -1 "$work/oe.shown")" "foreground 1"
check "Outlook Express: the message in the result window" diff -u "$work/oe.expected" "$work/oe.result"
check "Outlook Express: select all and copy" grep -qx "command 119" "$work/mail.log"
check "Outlook Express: the page is left alone" test "$(grep -c 'GetWindowInfo' "$ie")" -eq 0
shot outlook-express
helper quit ATH_Note 5000 >/dev/null
standin mail_standin "$work/mail.log" --kind outlook --text "$(win "$here/mail.txt")"
drive click-child 4
sleep 1
drive result 60000 | sed '$d' >"$work/outlook.result"
check "Outlook: the message in the result window" diff -u "$work/oe.expected" "$work/outlook.result"

stop_standins
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
