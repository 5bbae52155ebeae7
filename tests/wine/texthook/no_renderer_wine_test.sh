# A browser without "MSHTML.DLL": the hook reports it and removes itself,
# Gleam4 shows its message and waits; the next browser is hooked as usual.
# Also: searches with no browser open install the shell library's hook once
# and keep waiting.
LOCALE=zh_CN.UTF-8
source "$(dirname "$0")/lib.sh"
printf '不能装载某些动态链接库，请与开发者联系。\n' >"$WB_WORK/message.txt"

start_gleam4
wait_for_log 'waiting for the shell library' 20
# Two more searches while nothing is open: still one shell hook, still waiting.
probe post-command '*Gleam4*' 1025 3
probe post-command '*Gleam4*' 1025 3
sleep 0.5
[ "$(said 'waiting for the shell library')" = 1 ] || fail "the shell hook was installed again"

# Wine's own MSHTML is disabled too, so the hook cannot load any.
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" start_browser bare --no-mshtml --stay 20
bare_pid=$browser_pid
probe message-box "@$WB_WORK/message.txt" 30 || fail "no message about the missing library"
screenshot no-renderer-message
echo "  the message was shown and answered"
probe close-title 'Stand-in browser' || fail "the bare browser is gone too early"
wait_exit "$bare_pid" 30 || true

wait_for_log 'waiting for the shell library' 20 2
start_browser after --then posted
expect_browser after "$browser_pid"
probe close-title '*Gleam4*'
wait_exit "$gleam_pid" 20 || fail "Gleam4 did not end"
echo "  passed"
