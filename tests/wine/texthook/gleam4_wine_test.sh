# Gleam4 and Tapx32 on a Chinese system (code page 936, language 0x0804), as
# a user meets them: the browser is hooked when Gleam4 starts, its text comes
# out right, closing it gives the import back, and the next browser window
# is hooked again, whether Gleam4 finds it or the shell library reports it.
LOCALE=zh_CN.UTF-8
source "$(dirname "$0")/lib.sh"

echo "  a browser open before Gleam4 starts is found and hooked"
start_browser first --checks chinese,chinese-system --then posted
first_pid=$browser_pid
probe wait-title 'Stand-in browser' 30 || fail "the stand-in browser did not start"
start_gleam4
screenshot chinese-hooked
expect_browser first "$first_pid"
grep -q 'PASS closing the window put the import back' "$WB_WORK/first.log" || fail "the import was not restored"
[ "$(said 'hooking the window found')" -ge 1 ] || fail "Gleam4 did not find the open browser"

echo "  a second Gleam4 ends at once and the first keeps running"
second_start=$(date +%s)
run_wine 30 "$gleam_dir/Gleam4.exe" || fail "the second Gleam4 failed"
[ $(( $(date +%s) - second_start )) -le 10 ] || fail "the second Gleam4 did not end at once"
[ "$(probe count-title '*Gleam4*' | tr -d '\r')" = 1 ] || fail "not exactly one Gleam4 window"
kill -0 "$gleam_pid" || fail "the first Gleam4 ended"

echo "  with no browser left, the next one is reported by the shell library and hooked"
wait_for_log 'waiting for the shell library' 20 1
start_browser reported --checks chinese --then destroy
expect_browser reported "$browser_pid"
[ "$(said 'hooking the reported window')" -ge 1 ] || fail "the new browser was not reported"

echo "  a browser window destroyed behind the hook's back: Gleam4 notices and waits again"
wait_for_log 'the browser window went without a report' 20
wait_for_log 'waiting for the shell library' 20 2

echo "  a refused close: Gleam4 waits for the window, answering messages, gives up and hooks it again"
start_browser refused --then refuse
for _ in $(seq 300); do grep -q '^close refused' "$WB_WORK/refused.log" && break; sleep 0.1; done
sleep 1
probe responds '*Gleam4*' || fail "Gleam4 does not answer while it waits"
expect_browser refused "$browser_pid"
wait_for_log 'the closing window is still there' 5
wait_for_log 'waiting for the shell library' 20 3

echo "  ending Gleam4 gives the running browser its import back"
start_browser kept --then restore
for _ in $(seq 300); do grep -q '^hooked' "$WB_WORK/kept.log" && break; sleep 0.1; done
echo "  the presence check posted to any window of the hooked thread is answered"
answered=$(said 'hook answered')
probe post-null-child 'Stand-in browser' 1 7 || fail "the browser has no child window"
wait_for_log 'hook answered' 20 $((answered + 1))
probe close-title '*Gleam4*' || fail "no Gleam4 to close"
expect_browser kept "$browser_pid"
grep -q 'PASS the import was put back while the browser runs' "$WB_WORK/kept.log" || fail "the import stayed replaced"
wait_exit "$gleam_pid" 20 || fail "Gleam4 did not end"
echo "  passed"
