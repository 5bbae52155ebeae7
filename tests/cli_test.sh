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
for c in "" page text sentence analyse parse; do
  "$bin" $c --help >"$work/help" 2>&1; s=$?
  check "help $c" status_is $s 0
  check "help $c text" grep -qi "usage: wenb97" "$work/help"
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
    check "no English function word: $(basename "$f")" python3 "$src/function_words_check.py" "$work/dev.out"
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
"$bin" analyse "$long" >"$work/analyse.out"
check "analyse in pieces" contains "$work/analyse.out" "# piece 5"
check "analyse of every word" status_is "$(grep -c '^[0-9]' "$work/analyse.out")" 200
"$bin" parse --frobnicate >/dev/null 2>&1; check "parse unknown option" status_is $? 2
mkdir -p "$work/nolex"
WENB97_DATA_DIR="$work/nolex" "$bin" parse x >/dev/null 2>"$work/err"; s=$?
check "parse without lexicon" status_is $s 5
check "parse names the lexicon" contains "$work/err" "LEXICON.MTX"

# ---- Nothing lost, nothing clobbered -------------------------------------

# The two-frame page is never written over the input or the output.
printf '<p>Zorblax.</p>' >"$work/transc.htm"; cp "$work/transc.htm" "$work/transc.keep"
"$bin" page "$work/transc.htm" -o "$work/tc-out.htm" --show-tran 1 2>"$work/err"; s=$?
check "frame page over the input refused" status_is $s 2
check "frame page over the input: input kept" cmp -s "$work/transc.htm" "$work/transc.keep"
check "frame page over the input: nothing written" test ! -e "$work/tc-out.htm"
mkdir "$work/tc"
"$bin" page "$work/in.html" -o "$work/tc/transc.htm" --show-tran 1 2>"$work/err"; s=$?
check "frame page over the output refused" status_is $s 2
check "frame page over the output: nothing written" bash -c "[ -z \"\$(ls -A '$work/tc')\" ]"

# Special files are written into, never replaced; links are followed; a
# replaced file keeps its mode.
mkfifo "$work/fifo"
timeout 30 cat "$work/fifo" >"$work/fifo.out" & reader=$!
"$bin" page "$work/in.html" -o "$work/fifo" 2>/dev/null; s=$?
wait $reader
check "fifo output" status_is $s 0
check "fifo stays a fifo" test -p "$work/fifo"
check "fifo reader got the page" contains "$work/fifo.out" "<base href="
# "/dev/stdout" names the open descriptor; as root a regression would
# replace the real one, so a link of our own to the same place stands in.
stdout=/dev/stdout
if [ "$(id -u)" = 0 ]; then stdout="$work/stdout-link"; ln -s /proc/self/fd/1 "$stdout"; fi
"$bin" page "$work/in.html" -o "$stdout" >"$work/stdout.html" 2>/dev/null; s=$?
check "standard output by name" status_is $s 0
check "standard output by name got the page" contains "$work/stdout.html" "<base href="
echo "first line" >"$work/append.html"
"$bin" page "$work/in.html" -o "$stdout" >>"$work/append.html" 2>/dev/null
check "standard output by name appends after >>" contains "$work/append.html" "first line"
# As root a regression would replace the real /dev/null: a device node of
# our own stands in for it then.
null=/dev/null
if [ "$(id -u)" = 0 ]; then null="$work/null"; mknod "$null" c 1 3; fi
"$bin" page "$work/in.html" -o "$null" 2>/dev/null; s=$?
check "device output" status_is $s 0
check "device stays a device" test -c "$null"
mkdir "$work/real"; echo OLD >"$work/real/page.html"; chmod 640 "$work/real/page.html"
ln -s real/page.html "$work/link.html"
"$bin" page "$work/in.html" -o "$work/link.html" 2>/dev/null
check "link followed" test -L "$work/link.html"
check "link target replaced" contains "$work/real/page.html" "<base href="
check "mode kept" status_is "$(stat -c %a "$work/real/page.html")" 640

# Output names are checked before any work is done.
"$bin" page "$work/in.html" -o "" 2>"$work/err"; s=$?
check "empty output name" status_is $s 2
check "empty output message" contains "$work/err" "output name is empty"

# Interrupted and failed writes leave the old file and no temporary.
mkdir "$work/big"
yes '<p>The quick brown fox jumps over the lazy dog near the bank.</p>' | head -n 500000 >"$work/big/page.html"
echo GOOD >"$work/big/out.html"
"$bin" page "$work/big/page.html" -o "$work/big/out.html" 2>/dev/null & pid=$!
for _ in $(seq 100); do ls -A "$work/big" | grep -q wenb97 && break; sleep 0.1; done
kill -TERM $pid; wait $pid; s=$?
check "killed by SIGTERM" status_is $s 143
check "killed run keeps the old output" contains "$work/big/out.html" GOOD
check "killed run leaves no temporary" status_is "$(ls -A "$work/big" | grep -c wenb97)" 0
head -c 300000 "$work/big/page.html" >"$work/big/small.html"
(ulimit -f 64; "$bin" page "$work/big/small.html" -o "$work/big/out.html" 2>"$work/err"); s=$?
check "file size limit status" status_is $s 4
check "file size limit message" contains "$work/err" "File too large"
check "file size limit keeps the old output" contains "$work/big/out.html" GOOD
check "file size limit leaves no temporary" status_is "$(ls -A "$work/big" | grep -c wenb97)" 0

# ---- Every input decoded or refused -------------------------------------

# A Western page is never taken for Big5; a real Big5 page still is.
printf '<p>He is na\xefve.</p>' >"$work/naive.html"
"$bin" page "$work/naive.html" -o "$work/naive.out" 2>/dev/null
check "western page keeps its word" contains "$work/naive.out" "naïve"
printf '<p>這是一本書。我們學習語言，也看報紙。</p>' | iconv -t BIG5 >"$work/big5.html"
"$bin" page "$work/big5.html" -o "$work/big5.out" 2>/dev/null
check "big5 page simplified" contains "$work/big5.out" "这是一本书"
# UTF-16 and UTF-32 are decoded; a broken one is refused.
for code in UTF-16 UTF-16BE UTF-32; do
  printf '\xef\xbb\xbf<p>Zorblax frobnitz.</p>' | iconv -f UTF-8 -t $code >"$work/u.html"
  "$bin" page "$work/u.html" -o "$work/u.out" 2>/dev/null; s=$?
  check "$code page" status_is $s 0
  check "$code page decoded" contains "$work/u.out" "<p>Zorblax frobnitz 。</p>"
done
printf '\xff\xfe<\x00p' >"$work/broken16.html"
"$bin" page "$work/broken16.html" -o "$work/u.out" 2>"$work/err"; s=$?
check "broken UTF-16 refused" status_is $s 3
check "broken UTF-16 message" contains "$work/err" "not valid UTF-16LE"
# Characters outside GBK come through as they were written.
printf '<p>Zorblax \xf0\x9f\x98\x80 \xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac \xe6\xb8\xac\xe8\xa9\xa6.</p>' >"$work/wide.html"
"$bin" page "$work/wide.html" -o "$work/wide.out" 2>/dev/null
check "emoji, Greek and traditional kept" contains "$work/wide.out" "😀 Ελληνικά 測試"
out=$("$bin" sentence "Zoë and the café 😀.")
check "sentence keeps words outside GB" bash -c "[[ '$out' == *Zoë* && '$out' == *café* && '$out' == *😀* ]]"

# Damaged data files: status 5 and the file named.
mkdir "$work/data"; cp "$(dirname "$bin")"/{big52gb,badwords.xtm,LEXICON.MTX} "$work/data/"
: >"$work/data/badwords.xtm"
WENB97_DATA_DIR="$work/data" "$bin" page "$work/in.html" >/dev/null 2>"$work/err"; s=$?
check "empty bad-word list" status_is $s 5
check "empty bad-word list named" contains "$work/err" "badwords.xtm"
head -c 100 "$(dirname "$bin")/badwords.xtm" >"$work/data/badwords.xtm"
WENB97_DATA_DIR="$work/data" "$bin" page "$work/in.html" >/dev/null 2>"$work/err"; s=$?
check "cut-off bad-word list" status_is $s 5
printf '\x01\x00\x02\x00\x00\x00\x00\x5f\x03' >"$work/data/LEXICON.MTX"
WENB97_DATA_DIR="$work/data" "$bin" sentence x >/dev/null 2>"$work/err"; s=$?
check "damaged lexicon" status_is $s 5
check "damaged lexicon message" contains "$work/err" "LEXICON.MTX: the lexicon file is damaged"
rm "$work/data/LEXICON.MTX"; mkdir "$work/data/LEXICON.MTX"
WENB97_DATA_DIR="$work/data" "$bin" sentence x >/dev/null 2>"$work/err"
check "lexicon directory message" contains "$work/err" "LEXICON.MTX: is a directory"

# ---- Clear errors ---------------------------------------------------------

"$bin" page /dev/zero -o "$work/zero.out" 2>"$work/err"; s=$?
check "endless input refused" status_is $s 3
check "endless input message" contains "$work/err" "larger than 128 MiB"
if ! ldd "$bin" 2>/dev/null | grep -q libasan; then
  # Address space for the program and its lexicon, not for this page.
  (ulimit -v 70000; "$bin" page "$work/big/page.html" -o "$work/big/out.html" 2>"$work/err"); s=$?
  check "out of memory status" status_is $s 7
  check "out of memory message" status_is "$(cat "$work/err")" "wenb97: out of memory"
  check "out of memory leaves no temporary" status_is "$(ls -A "$work/big" | grep -c wenb97)" 0
fi
"$bin" text <"$work" >/dev/null 2>"$work/err"; s=$?
check "text from a directory" status_is $s 3
check "text from a directory message" contains "$work/err" "standard input: Is a directory"
"$bin" text <&- >/dev/null 2>"$work/err"; s=$?
check "text from closed input" status_is $s 3
"$bin" sentence <&- >/dev/null 2>"$work/err"; s=$?
check "sentence from closed input" status_is $s 3

# Addresses written into the base tag cannot add attributes.
"$bin" page "$work/in.html" --url 'http://x/a"onmouseover="alert(1)' 2>/dev/null >"$work/url.out"
check "address escaped" contains "$work/url.out" '<base href="http://x/a%22onmouseover=%22alert(1)">'
cp "$work/in.html" "$work/a b#\"1\".html"
"$bin" page "$work/a b#\"1\".html" 2>/dev/null >"$work/url.out"
check "file address escaped" contains "$work/url.out" 'a%20b%23%221%22.html">'

# Out-of-range PICS levels count as the highest.
printf "<meta http-equiv=\"PICS-Label\" content='(PICS-1.1 \"http://www.rsac.org/ratingsv01.html\" l r (n 2147483648 s 0 v 0 l 0))'><p>Zorblax.</p>" >"$work/pics2.html"
"$bin" page "$work/pics2.html" -o "$work/pics2.out" --no 2>/dev/null
check "huge PICS level rated" contains "$work/pics2.out" "裸体级别（4）"

# Mark-up stays mark-up.
printf '<img alt='"''"' src="a.gif"><!- p { font-family: Arial } ->' >"$work/alt.html"
"$bin" page "$work/alt.html" 2>/dev/null >"$work/alt.out"
check "empty alt quoted" contains "$work/alt.out" '<img alt="" src="a.gif">'
check "font kept out of other comments" contains "$work/alt.out" '<!- p { font-family: Arial } ->'

# Consistency: "page -", lines ended by CR, long lines in analyse.
printf '<p>Zorblax.</p>' | "$bin" page - >"$work/stdin.out" 2>/dev/null
check "page from standard input" contains "$work/stdin.out" "<p>Zorblax 。</p>"
check "CR ends a line" status_is "$(printf 'Zorblax.\rFrobnitz.\r\n\nQuux' | "$bin" sentence | wc -l)" 4
long=$(printf 'Zorblax %.0s' $(seq 60))
check "analyse shows long lines in pieces" status_is "$("$bin" analyse "$long" | grep -c '^pos')" 2

# ---- Whole sites and corpora ---------------------------------------------

# A folder of linked pages comes out as the same tree; pictures beside them;
# the result is the same byte for byte whatever -j says.
site="$work/site"
mkdir -p "$site/sub" "$site/img" "$site/.hidden"
for i in $(seq 30); do
  printf '<html><body><p>Page %d is about the book.</p><a href="sub/p%d.html">next</a><img src="img/x.gif" alt="A picture"></body></html>' $i $i >"$site/p$i.html"
  printf '<p>Back to <a href="../p%d.html">the start</a>. It was a good day.</p>' $i >"$site/sub/p$i.html"
done
printf 'Plain text.\nTwo lines.\n' >"$site/notes.txt"
printf 'GIF89a' >"$site/img/x.gif"
echo secret >"$site/.hidden/x.html"
"$bin" page -j1 -d "$work/j1" "$site" 2>"$work/err"; s=$?
check "site run" status_is $s 0
check "site summary" contains "$work/err" "61 pages and 1 other files (0 failed)"
check "site tree" test -f "$work/j1/sub/p30.html"
check "site text page" contains "$work/j1/notes.txt" "。"
check "site picture beside the pages" cmp -s "$site/img/x.gif" "$work/j1/img/x.gif"
check "site hidden files left out" test ! -e "$work/j1/.hidden"
check "site links lead to the translations" contains "$work/j1/sub/p7.html" '<base href="p7.html"><p>'
mv "$work/j1" "$work/j1.first"
"$bin" page -j1 -d "$work/j1" "$site" 2>/dev/null; mv "$work/j1" "$work/j1.again"
for j in 2 3; do
  "$bin" page -j$j -d "$work/j1" "$site" 2>/dev/null
  check "-j$j output identical to -j1" diff -r "$work/j1.first" "$work/j1"
  rm -rf "$work/j1"
done
check "repeated -j1 run identical" diff -r "$work/j1.first" "$work/j1.again"

# On a terminal, one progress bar over the whole run.
if command -v script >/dev/null; then
  script -qec "'$bin' page -j2 -d '$work/tty-out' '$site'" /dev/null >"$work/tty" 2>&1
  check "one progress bar on a terminal" contains "$work/tty" "62/62 files"
fi

# A page that fails in the middle does not stop the others, and sets the
# status; several inputs without -d, or -d over its own input, are refused.
cp -r "$site" "$work/site2"
printf '\xff\xfe<\x00p' >"$work/site2/p15.html"
"$bin" page -j2 -d "$work/bad" "$work/site2" 2>"$work/err"; s=$?
check "failing page status" status_is $s 3
check "failing page named" contains "$work/err" "p15.html: is not valid UTF-16LE"
check "other pages written" test -f "$work/bad/p30.html" -a -f "$work/bad/p14.html" -a -f "$work/bad/sub/p15.html"
check "failed page not written" test ! -e "$work/bad/p15.html"
check "failure in the summary" contains "$work/err" "(1 failed)"
"$bin" page "$site/p1.html" "$site/p2.html" 2>"$work/err"; s=$?
check "several pages need -d" status_is $s 2
"$bin" page -d "$site" "$site" 2>"$work/err"; s=$?
check "output folder over its input refused" status_is $s 2
"$bin" page -d "$work/dup" "$site/p1.html" "$work/site2/p1.html" 2>"$work/err"; s=$?
check "two pages for one output" status_is $s 2
check "two pages for one output named" contains "$work/err" "site2/p1.html: would be written to"

# The content questions over several pages: the cautious answer, named.
mkdir "$work/rude"
cp "$work/rude.html" "$work/rude/a.html"; cp "$work/rude.html" "$work/rude/b.html"
"$bin" page -d "$work/rude-out" "$work/rude" 2>"$work/err" </dev/null; s=$?
check "several rude pages declined" status_is $s 6
check "declined pages named" bash -c "grep -q 'rude/a.html:.*taking No' '$work/err' && grep -q 'rude/b.html:.*taking No' '$work/err'"
"$bin" page -d "$work/rude-out" "$work/rude" --yes 2>/dev/null; s=$?
check "several rude pages accepted" status_is $s 0

# An interrupted run leaves every finished output whole and no temporary.
mkdir "$work/bigsite"
for i in $(seq 12); do head -n 10000 "$work/big/page.html" >"$work/bigsite/p$i.html"; done
"$bin" page -j2 -d "$work/bigref" "$work/bigsite" 2>/dev/null
# (A background job of a script starts with SIGINT ignored; env gives it back.)
env --default-signal=INT "$bin" page -j2 -d "$work/bigint" "$work/bigsite" 2>/dev/null & pid=$!
for _ in $(seq 1200); do [ "$(ls "$work/bigint" 2>/dev/null | grep -c html)" -ge 2 ] && break; sleep 0.05; done
kill -INT $pid; wait $pid; s=$?
check "interrupted run status" status_is $s 130
check "interrupted run leaves no temporary" status_is "$(ls -A "$work/bigint" | grep -c wenb97)" 0
whole=1
for f in $(ls "$work/bigint" | grep 'html$'); do cmp -s "$work/bigint/$f" "$work/bigref/$f" || whole=0; done
check "interrupted run: finished outputs whole" status_is $whole 1

# The line filter: one line out for every line in, also under GNU parallel.
{ seq -f 'Line %g: the quick brown fox jumps over the lazy dog.' 3000; printf '\n\r\nLast line' ; } >"$work/corpus.txt"
"$bin" sentence <"$work/corpus.txt" >"$work/corpus.one" 2>/dev/null
check "one line out per line in" status_is "$(wc -l <"$work/corpus.one")" 3003
if command -v parallel >/dev/null; then
  parallel --pipe -k -j2 --block 20k "$bin" sentence <"$work/corpus.txt" >"$work/corpus.par" 2>/dev/null
  check "parallel --pipe identical to one process" cmp -s "$work/corpus.one" "$work/corpus.par"
fi
# Into a pipe, each line comes out as soon as it is translated.
{ echo "Zorblax."; sleep 8; echo "Frobnitz."; } | "$bin" sentence | { read -r -t 7 first; echo "$first" >"$work/first"; cat >/dev/null; }
check "line written before the input ends" contains "$work/first" "Zorblax 。"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
