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
# Mail as the toolbar's result window shows it: quoted lines keep their marks,
# an empty line ends a paragraph, CR LF text keeps CR LF.
out=$(printf 'Zorblax. Frobnitz:\n> Quux zorp.\n\nGlorp.' | "$bin" text --mail)
check "mail text" status_is "$out" "Zorblax 。
Frobnitz ：
>Quux zorp 。

Glorp 。"
out=$(printf '>> Zorblax.\r\n' | "$bin" text --mail --encoding gbk | od -An -c | tr -s ' ')
check "mail text gbk" status_is "$out" " > > Z o r b l a x 241 243 \r \n \r \n"
"$bin" sentence --mail Zorblax >/dev/null 2>&1; check "mail only for text" status_is $? 2
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

# Sentences longer than the word table (49 words) are translated in pieces:
# no word is lost in sentence, text or page.
long=$(seq -f 'w%g' 0 199 | tr '\n' ' ')
has_every_word() {  # has_every_word FILE COUNT
  local i
  for i in $(seq 0 $(($2 - 1))); do grep -qw "w$i" "$1" || { echo "w$i lost" >&2; return 1; }; done
}
for n in 60 200; do
  "$bin" sentence "$(seq -f 'w%g' 0 $((n - 1)) | tr '\n' ' ')." >"$work/long.out"
  check "sentence of $n words keeps them all" has_every_word "$work/long.out" "$n"
done
printf '%s.\n' "$long" | "$bin" text >"$work/long.out"
check "text keeps every word" has_every_word "$work/long.out" 200
printf '<p>%s.</p>' "$long" >"$work/long.html"
"$bin" page "$work/long.html" -o "$work/long.out" 2>/dev/null
check "page keeps every word" has_every_word "$work/long.out" 200

# The run-of-dots mark is written as text, never as the control byte that
# stands for it inside the engine; so are runs of 256 and more dots.
no_control_bytes() { ! LC_ALL=C grep -q $'[\x01-\x08\x0b\x0c\x0e-\x1f]' "$@"; }
out=$("$bin" sentence "..." "Zorblax...")
check "dots alone" status_is "$out" "......
Zorblax ......"
printf '<ul><li>\xe2\x80\xa6</li><li>%s</li></ul>' "$(printf '%300s' | tr ' ' .)" >"$work/dots.html"
"$bin" page "$work/dots.html" -o "$work/dots.out"
check "dots in a page" contains "$work/dots.out" "<li>......</li><li>......</li>"
check "no control byte in a page" no_control_bytes "$work/dots.out"
printf 'a\x01b c\x1f.\n' | "$bin" sentence >"$work/ctl.out"
check "no control byte from the input" no_control_bytes "$work/ctl.out"
# No control byte in any output of the development sets or the golden pages.
eval_dir="${WB_EVAL_DIR:-}"
for up in .. ../.. ../../..; do
  [ -z "$eval_dir" ] && [ -d "$src/$up/shared/eval" ] && eval_dir="$src/$up/shared/eval"
done
if [ -n "$eval_dir" ] && ls "$eval_dir"/*-dev.en.txt >/dev/null 2>&1; then
  for f in "$eval_dir"/*-dev.en.txt; do
    "$bin" sentence <"$f" >"$work/dev.out"
    check "no control byte: $(basename "$f")" no_control_bytes "$work/dev.out"
    check "one line per sentence: $(basename "$f")" status_is "$(wc -l <"$work/dev.out")" "$(wc -l <"$f")"
  done
else
  echo "development sets not found (set WB_EVAL_DIR): their control-byte check skipped"
fi
check "no control byte in the golden pages" no_control_bytes "$src"/golden/*.expected

# The parse: columns under a header, every kept parse, the tree.
"$bin" parse "Zorblax frobnitz." >"$work/parse.out"
check "parse header" status_is "$(head -1 "$work/parse.out")" "$(printf 'pos\tword\tcategory\thead\trelation\tmarks')"
check "parse rows" status_is "$(wc -l <"$work/parse.out" | tr -d ' ')" 3
check "parse columns" status_is "$(sed -n 2p "$work/parse.out" | awk -F'\t' '{print NF}')" 6
"$bin" parse --all "Zorblax frobnitz." >"$work/parse.out"
check "parse --all" contains "$work/parse.out" "# parse 1: score "
check "parse --all chosen" contains "$work/parse.out" "(chosen)"
"$bin" parse --tree "Zorblax frobnitz." >"$work/parse.out"
check "parse --tree" bash -c "grep -q '^[0-9]' '$work/parse.out' && ! grep -q '^pos' '$work/parse.out'"
printf 'Zorblax.\nFrobnitz!\n' | "$bin" parse >"$work/parse.out"
check "parse standard input" status_is "$(grep -c '^pos' "$work/parse.out")" 2
"$bin" parse "$long" >"$work/parse.out"
check "parse in pieces" contains "$work/parse.out" "# piece 5"
check "parse of every word" status_is "$(grep -c '^[0-9]' "$work/parse.out")" 200
"$bin" parse --frobnicate >/dev/null 2>&1; check "parse unknown option" status_is $? 2
"$bin" parse --help >"$work/help"; check "parse help" contains "$work/help" "usage: wenb97 parse"
mkdir -p "$work/nolex"
WENB97_DATA_DIR="$work/nolex" "$bin" parse x >/dev/null 2>"$work/err"; s=$?
check "parse without lexicon" status_is $s 5
check "parse names the lexicon" contains "$work/err" "LEXICON.MTX"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
