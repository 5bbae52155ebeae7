# Tapx32 on a non-Chinese system (code page 1252, language 0x0409) showing a
# GB page that the browser reads one character per byte: a double-byte
# character split between two text runs is drawn whole.
LOCALE=
source "$(dirname "$0")/lib.sh"

start_gleam4
start_browser carry --checks carry --then posted
sleep 2
screenshot carry-hooked
expect_browser carry "$browser_pid"
grep -q 'PASS closing the window put the import back' "$WB_WORK/carry.log" || fail "the import was not restored"
probe close-title '*Gleam4*'
wait_exit "$gleam_pid" 20 || fail "Gleam4 did not end"
echo "  passed"
