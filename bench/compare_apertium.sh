#!/usr/bin/env bash
# Whole-pipeline speed of `wenb97 sentence` beside Apertium's English to
# Spanish pipeline (apertium eng-spa) on the same texts: words per second by
# wall clock and by processor time (user + system, all processes of the
# pipeline), and peak memory. The lexicon load of wenb97 is included, as a
# person running the tool pays it.
#
#   bench/compare_apertium.sh BUILD_BIN_DIR [TEXT...]
#
# Without texts the development sets are used (WB_EVAL_DIR, else shared/eval
# above the source tree). Build BUILD_BIN_DIR in Release for the figures.
set -euo pipefail
bin="${1:?give the folder holding wenb97 (a Release build)}"
shift
texts=("$@")
if [ ${#texts[@]} -eq 0 ]; then
  dir="${WB_EVAL_DIR:-}"
  here=$(cd "$(dirname "$0")" && pwd)
  for up in .. ../.. ../../..; do [ -z "$dir" ] && [ -d "$here/$up/shared/eval" ] && dir="$here/$up/shared/eval"; done
  texts=("$dir"/flores-dev.en.txt "$dir"/tatoeba-dev.en.txt)
fi
measure() {  # measure NAME TEXT COMMAND...
  local name=$1 text=$2; shift 2
  local words out
  words=$(wc -w <"$text")
  out=$(mktemp)
  /usr/bin/time -o "$out" -f '%e %U %S %M' "$@" <"$text" >/dev/null 2>&1
  read -r wall user sys kb <"$out"
  rm -f "$out"
  awk -v n="$name" -v f="$(basename "$text")" -v w="$words" -v wall="$wall" -v cpu="$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')" -v kb="$kb" \
    'BEGIN { printf "%-9s %-20s %7d words  %6.2f s wall %9.0f words/s  %6.2f s cpu %9.0f words/s  %6.1f MB\n",
             n, f, w, wall, (wall > 0 ? w / wall : 0), cpu, (cpu > 0 ? w / cpu : 0), kb / 1024 }'
}
for text in "${texts[@]}"; do
  measure wenb97 "$text" "$bin/wenb97" sentence
  if command -v apertium >/dev/null; then
    measure apertium "$text" apertium eng-spa
  fi
done
