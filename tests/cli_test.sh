#!/usr/bin/env bash
# The wenb97 tool run the way a person runs it: exit statuses, messages,
# encodings and the promise never to leave a half-written or clobbered file.
set -u
src="$1"
bin="${WENB97:?set WENB97 to the wenb97 program}"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
passed=0 failed=0

check() {  # check NAME CONDITION...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
status_is() { [ "$1" = "$2" ]; }
contains() { grep -q -F -- "$2" "$1"; }

# Help for every command.
for c in "" page text sentence; do
  "$bin" $c --help >"$work/help" 2>&1; s=$?
  check "help $c" status_is $s 0
  check "help $c text" contains "$work/help" "usage: wenb97"
done
"$bin" >/dev/null 2>&1; check "no command" status_is $? 2
"$bin" page --frobnicate x >/dev/null 2>"$work/err"; check "unknown option" status_is $? 2
check "unknown option message" contains "$work/err" "unknown option '--frobnicate'"

# The bundled example, UTF-8 by default.
"$bin" page "$src/../examples/library.html" -o "$work/out.html" 2>"$work/err"; s=$?
check "page ok" status_is $s 0
check "page bom" status_is "$(head -c 3 "$work/out.html" | od -An -tx1 | tr -d ' ')" "efbbbf"
check "page base" status_is "$(head -c 23 "$work/out.html" | tail -c 20)" '<base href="file:///'
check "page chinese stop" contains "$work/out.html" "。"
check "page markup kept" contains "$work/out.html" '<FORM ACTION="/cgi-bin/search" METHOD=GET>'

# The engine's own bytes.
"$bin" page "$src/../examples/library.html" --encoding gbk --url http://example.com/ -o "$work/gbk.html"
check "gbk stop" bash -c "grep -q \$'\xa1\xa3' '$work/gbk.html'"
check "gbk base" bash -c "head -c 40 '$work/gbk.html' | grep -q '^<base href=\"http://example.com/\">'"

# A missing input names the file, exits 3 and leaves the output alone.
echo GOOD >"$work/keep.html"
"$bin" page "$work/missing.html" -o "$work/keep.html" 2>"$work/err"; s=$?
check "missing input status" status_is $s 3
check "missing input message" contains "$work/err" "missing.html"
check "missing input keeps output" contains "$work/keep.html" GOOD

# Never over the input.
cp "$src/golden/frames.html" "$work/in.html"
"$bin" page "$work/in.html" -o "$work/in.html" 2>"$work/err"; s=$?
check "input as output refused" status_is $s 2
check "input untouched" cmp -s "$work/in.html" "$src/golden/frames.html"

# An output that cannot be written: status 4, no leftovers.
mkdir "$work/ro"; chmod a-w "$work/ro"
if [ "$(id -u)" != 0 ]; then
  "$bin" page "$work/in.html" -o "$work/ro/out.html" 2>"$work/err"; s=$?
  check "unwritable status" status_is $s 4
  check "unwritable message" contains "$work/err" "ro/out.html"
fi
"$bin" page "$work/in.html" -o "$work/nodir/out.html" 2>"$work/err"; s=$?
check "no such directory" status_is $s 4
check "nothing left behind" bash -c "[ -z \"\$(ls -A '$work/ro')\" ]"

# The two-frame page beside the output; frames are reported.
"$bin" page "$work/in.html" -o "$work/t.htm" --show-tran 1 --url http://example.com/f.html 2>"$work/err"
check "two-frame page" contains "$work/transc.htm" '<FRAMESET COLS="*, *">'
check "frame report" contains "$work/err" "main.asp@page=2.htm"
"$bin" page "$work/in.html" --show-tran 2 >/dev/null 2>&1; check "show-tran needs -o" status_is $? 2

# Sentences and plain text.
# Made-up words stay as they are, whatever the lexicon holds.
out=$("$bin" sentence "Zorblax frobnitz." "Zorblax...")
check "sentence" status_is "$out" "Zorblax frobnitz 。
Zorblax ......"
out=$(printf 'Zorblax.\nFrobnitz!\n' | "$bin" text)
check "text stdin" status_is "$out" "Zorblax 。
Frobnitz ！"
out=$(printf 'Zorblax\xe2\x80\x99s \xe2\x80\x9cfrobnitz\xe2\x80\x9d.\n' | "$bin" sentence)
check "typographic quotes" status_is "$out" "“Zorblax 的frobnitz ”。"

# The word table, for people who work on the lexicon.
"$bin" analyse "Zorblax frobnitz." "Zorblax" >"$work/an" 2>&1
check "analyse header" status_is "$(head -1 "$work/an")" "$(printf 'pos\tsurface\tlexical\tflags\tcategories\tsenses\tphrase')"
check "analyse row" status_is "$(sed -n 2p "$work/an")" "$(printf '1\tZorblax\tZorblax\tWF_NOTFOUND\tn\t0\t0')"
check "analyse blank line between sentences" status_is "$(sed -n 4p "$work/an")" ""
check "analyse second sentence" status_is "$(wc -l <"$work/an" | tr -d ' ')" "6"

# An older Latin-1 page comes out as UTF-8 throughout.
printf '<p title="caf\xe9">Hello.</p>' >"$work/latin.html"
"$bin" page "$work/latin.html" -o "$work/latin.out.html"
check "latin-1 markup converted" contains "$work/latin.out.html" 'title="café"'

# Content rating: a page full of words from the list is not delivered unless
# the question is answered Yes; a rated PICS label brings the warning page.
printf '<p>shit fuck crap piss.</p>' >"$work/rude.html"
echo GOOD >"$work/rude.out"
"$bin" page "$work/rude.html" -o "$work/rude.out" </dev/null 2>"$work/err"; s=$?
check "content warning declined" status_is $s 6
check "content warning message" contains "$work/err" "page not delivered"
check "declined page not written" contains "$work/rude.out" GOOD
"$bin" page "$work/rude.html" -o "$work/rude.out" --yes 2>/dev/null; s=$?
check "content warning accepted" status_is $s 0
check "accepted page written" contains "$work/rude.out" "<p>"
"$bin" page "$work/rude.html" -o "$work/rude.out" --content-eval off </dev/null 2>/dev/null
check "content evaluation off" status_is $? 0
pics="<meta http-equiv=\"PICS-Label\" content='(PICS-1.1 \"http://www.rsac.org/ratingsv01.html\" l r (n 2 s 0 v 3 l 0))'><p>Zorblax.</p>"
printf '%s' "$pics" >"$work/pics.html"
"$bin" page "$work/pics.html" -o "$work/pics.out" --no 2>"$work/err"; s=$?
check "pics declined status" status_is $s 0
check "pics warning page" contains "$work/pics.out" "所以，不宜观看！！！"
check "pics warning names nudity" contains "$work/pics.out" "裸体级别（2）"
"$bin" page "$work/pics.html" -o "$work/pics.out" --yes 2>/dev/null
check "pics accepted" contains "$work/pics.out" "<p>Zorblax 。</p>"
"$bin" page "$work/pics.html" -o "$work/pics.out" --pics off </dev/null 2>/dev/null
check "pics off" contains "$work/pics.out" "<p>Zorblax 。</p>"

# The data files beside the program are required and named when missing.
mkdir "$work/nodata"
WENB97_DATA_DIR="$work/nodata" "$bin" page "$work/in.html" >/dev/null 2>"$work/err"; s=$?
check "missing data file" status_is $s 5
check "missing data file named" contains "$work/err" "big52gb"

# Foreign entities: left untranslated, and kept as entities in UTF-8 output.
printf '<p>Caf&eacute; cr&egrave;me.</p>' >"$work/fr.html"
"$bin" page "$work/fr.html" -o "$work/fr.out"
check "foreign text kept" contains "$work/fr.out" "<p>Caf&eacute; cr&egrave;me.</p>"
"$bin" page "$work/fr.html" -o "$work/fr.gbk" --encoding gbk
check "foreign text decoded for GB" bash -c "grep -q \$'<p>Caf\xe9 cr' '$work/fr.gbk'"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
