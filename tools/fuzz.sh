#!/usr/bin/env bash
# Runs the libFuzzer targets of tests/fuzz/ (built with the "fuzz" preset:
# clang, AddressSanitizer and UndefinedBehaviorSanitizer).
#
#   tools/fuzz.sh DURATION [TARGET...]   fuzz each target for DURATION (90s, 30m, 2h)
#   tools/fuzz.sh --smoke DURATION       what ./test.sh runs: every seed and regression
#                                        input once, then DURATION of fuzzing per target,
#                                        leaving the tree as it was
#
# A long run keeps its corpus in build-fuzz/corpus/TARGET between runs and at
# the end leaves in tests/fuzz/corpus/TARGET the hand-written seeds and a
# small set of inputs that reaches every edge the whole corpus reaches. An input that crashes, hangs or runs out of memory is stored
# as tests/fuzz/regressions/TARGET/crash-... (timeout-..., oom-...): commit it
# with the fix, and every later run replays it. Without TARGET every target
# is run, one after the other, at nice 10. Exits non-zero when a target
# failed. A summary with runs and coverage ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."

smoke=0
if [ "${1:-}" = "--smoke" ]; then smoke=1; shift; fi
if [ $# -lt 1 ]; then
  sed -n '2,17s/^# \{0,1\}//p' "$0" >&2
  exit 2
fi
duration=$1; shift
case "$duration" in
  *h) seconds=$(( ${duration%h} * 3600 )) ;;
  *m) seconds=$(( ${duration%m} * 60 )) ;;
  *s) seconds=${duration%s} ;;
  *) seconds=$duration ;;
esac
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "fuzz.sh: DURATION like 90s, 30m or 2h, not '$duration'" >&2; exit 2; }

bin=build-fuzz/bin
if [ "${WB_FUZZ_SKIP_BUILD:-0}" != 1 ]; then
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz -j "${WB_JOBS:-2}" >/dev/null
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

# The seeds kept in the tree: the hand-written ones (named for what they
# hold) and a small set, named by their SHA-1, that covers every edge the
# seeds and the long run's corpus reach (a greedy set cover, counting edges
# only, so the tree gets dozens of inputs rather than thousands).
distill_seeds() {
  local program=$1 seed=$2 work=$3 cover
  cover=$(mktemp -d)
  nice -n 10 "$program" -set_cover_merge=1 -use_counters=0 "$cover" "$seed" "$work" || { rm -rf "$cover"; return 1; }
  local hand
  hand=$(find "$seed" -type f ! -regex '.*/[0-9a-f]\{40\}' -exec sha1sum {} + | cut -d' ' -f1)
  find "$seed" -type f -regex '.*/[0-9a-f]\{40\}' -delete
  for f in "$cover"/*; do
    [ -f "$f" ] || continue
    grep -qx "$(basename "$f")" <<<"$hand" || cp "$f" "$seed/"
  done
  rm -rf "$cover"
}

scratch=$(mktemp -d)
trap '[ "${WB_FUZZ_KEEP:-0}" = 1 ] || rm -rf "$scratch"' EXIT
failed=()
summary=()

for target in "${targets[@]}"; do
  name=${target%_fuzz}
  target=${name}_fuzz
  program=$bin/$target
  [ -x "$program" ] || { echo "fuzz.sh: $program not built" >&2; exit 2; }
  seed=tests/fuzz/corpus/$name
  regressions=tests/fuzz/regressions/$name
  mkdir -p "$seed"
  opts=(-timeout=20 -rss_limit_mb=2048 -print_final_stats=1)
  [ -f "tests/fuzz/$name.dict" ] && opts+=("-dict=tests/fuzz/$name.dict")
  case "$name" in
    lexicon|lexicon_source) opts+=(-max_len=65536) ;;
    html|page_decoding) opts+=(-max_len=16384) ;;
  esac
  log=$scratch/$name.log
  inputs=("$seed")
  [ -d "$regressions" ] && inputs+=("$regressions")

  if [ $smoke = 1 ]; then
    # Every known input once, then a short search; nothing is kept.
    work=$scratch/corpus-$name
    mkdir -p "$work" "$scratch/artifacts-$name"
    status=0
    "$program" "${opts[@]}" -runs=0 "${inputs[@]}" >"$log" 2>&1 || status=$?
    if [ $status = 0 ] && [ "$seconds" -gt 0 ]; then
      "$program" "${opts[@]}" -max_total_time="$seconds" -artifact_prefix="$scratch/artifacts-$name/" \
        "$work" "${inputs[@]}" >>"$log" 2>&1 || status=$?
    fi
  else
    work=build-fuzz/corpus/$name
    mkdir -p "$work" "$regressions"
    echo "=== $target: $duration"
    status=0
    nice -n 10 "$program" "${opts[@]}" -max_total_time="$seconds" -artifact_prefix="$regressions/" \
      "$work" "${inputs[@]}" >"$log" 2>&1 || status=$?
    cp "$log" "build-fuzz/$name.log"
    before=$(find "$seed" -type f | wc -l)
    distill_seeds "$program" "$seed" "$work" >"build-fuzz/$name.merge.log" 2>&1 || true
    after=$(find "$seed" -type f | wc -l)
    rmdir "$regressions" 2>/dev/null || true
  fi

  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo 0)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || echo "cov: ? ft: ?")
  line="$(printf '%-16s %10s runs  %s' "$name" "$runs" "$cov")"
  [ $smoke = 0 ] && line+="  seeds $before -> $after"
  if [ $status != 0 ]; then
    failed+=("$name")
    line+="  FAILED (status $status)"
    echo "--- $target failed; the end of its log:" >&2
    tail -40 "$log" >&2
  fi
  summary+=("$line")
done

echo "=== fuzzing summary ($duration per target)"
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}" >&2
  [ $smoke = 0 ] && echo "crash inputs are under tests/fuzz/regressions/" >&2
  exit 1
fi
