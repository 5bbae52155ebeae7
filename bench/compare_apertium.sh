#!/usr/bin/env bash
# wenb97 beside Apertium on the same English text: words per second of each,
# by the clock and per CPU second (Apertium's English-Spanish pipeline is a
# dozen processes in a pipe, so it uses more than one processor), and the
# ratio. Needs the Debian packages apertium and apertium-eng-spa.
#
#   bench/compare_apertium.sh [TEXT] [WORDS]
#
# TEXT: English plain text (default: the FLORES development set under
# ../shared/eval if present, else the example text), repeated until it holds
# at least WORDS words (default 300000). WENB97 names the program (default
# build/bin/wenb97).
set -euo pipefail
cd "$(dirname "$0")/.."
wenb97=${WENB97:-build/bin/wenb97}
text=${1:-}
if [ -z "$text" ]; then
  text=../../shared/eval/flores-dev.en.txt
  [ -f "$text" ] || text=/work/shared/eval/flores-dev.en.txt
  [ -f "$text" ] || text=examples/notice.txt
fi
want=${2:-300000}
command -v apertium >/dev/null || { echo "apertium is not installed (apt-get install apertium apertium-eng-spa)" >&2; exit 2; }
[ -x "$wenb97" ] || { echo "$wenb97 is not built" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/in.txt"
while [ "$(wc -w <"$work/in.txt")" -lt "$want" ]; do cat "$text" >>"$work/in.txt"; done
words=$(wc -w <"$work/in.txt")

# Runs a command on the text; prints "wall user+sys" in seconds.
measure() {
  /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" <"$work/in.txt" >"$work/out" 2>/dev/null
  awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/time"
}
report() {  # NAME WALL CPU
  awk -v n="$1" -v w="$words" -v wall="$2" -v cpu="$3" \
    'BEGIN { printf "%-22s %8.2f s %8.2f cpu-s %10.0f words/s %10.0f words/cpu-s\n", n, wall, cpu, w / wall, w / cpu }'
}

echo "text: $text, repeated to $words words"
read -r a_wall a_cpu < <(measure apertium eng-spa)
read -r t_wall t_cpu < <(measure "$wenb97" text)
read -r s_wall s_cpu < <(measure "$wenb97" sentence)
report "apertium eng-spa" "$a_wall" "$a_cpu"
report "wenb97 text" "$t_wall" "$t_cpu"
report "wenb97 sentence" "$s_wall" "$s_cpu"
awk -v aw="$a_wall" -v ac="$a_cpu" -v tw="$t_wall" -v tc="$t_cpu" 'BEGIN {
  printf "wenb97 text / apertium: %.1fx words/s, %.1fx words per cpu-second (target: at least 5x per core)\n",
         aw / tw, ac / tc }'
