#!/usr/bin/env bash
# wenb97 page -d over a generated site of at least 50 MB, with -j1 and -j2:
# MB/s of each, the speed-up, and the peak memory of each (the lexicon is
# loaded once and shared by the worker threads).
#
#   bench/site_speed.sh [MEGABYTES] [JOBS...]     (default: 50, then 1 2)
#
# WENB97 names the program (default build/bin/wenb97). The pages are made of
# the FLORES development sentences under ../shared/eval when present, else of
# the example text.
set -euo pipefail
cd "$(dirname "$0")/.."
wenb97=${WENB97:-build/bin/wenb97}
mb=${1:-50}
shift || true
jobs=("$@")
[ ${#jobs[@]} -gt 0 ] || jobs=(1 2)
[ -x "$wenb97" ] || { echo "$wenb97 is not built" >&2; exit 2; }
text=/work/shared/eval/flores-dev.en.txt
[ -f "$text" ] || text=examples/notice.txt

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$text" "$work/site" "$mb" <<'PY'
import os, sys, html
text, root, mb = sys.argv[1], sys.argv[2], int(sys.argv[3])
sentences = [l.strip() for l in open(text, encoding='utf-8') if l.strip()]
total, page, i = 0, 0, 0
while total < mb * 1000 * 1000:
    folder = os.path.join(root, 'section%02d' % (page % 20))
    os.makedirs(folder, exist_ok=True)
    parts = ['<html><head><title>Page %d</title></head><body><h1>Page %d</h1>' % (page, page)]
    size = 0
    while size < 100000:
        para = ' '.join(sentences[(i + k) % len(sentences)] for k in range(5))
        i += 5
        parts.append('<p>%s <a href="../section%02d/page%05d.html">more</a></p>\n' % (html.escape(para), (page + 1) % 20, page + 1))
        size += len(parts[-1])
    parts.append('</body></html>\n')
    data = ''.join(parts).encode('utf-8')
    open(os.path.join(folder, 'page%05d.html' % page), 'wb').write(data)
    total += len(data)
    page += 1
print('site: %d pages, %.1f MB' % (page, total / 1e6))
PY
bytes=$(du -sb "$work/site" | cut -f1)
first_wall=
for j in "${jobs[@]}"; do
  rm -rf "$work/out"
  /usr/bin/time -f "%e %M" -o "$work/time" "$wenb97" page -j "$j" -d "$work/out" "$work/site" 2>"$work/log" || {
    cat "$work/log" >&2; exit 1; }
  read -r wall rss <"$work/time"
  [ -n "$first_wall" ] || { first_wall=$wall; first_rss=$rss; }
  awk -v j="$j" -v w="$wall" -v b="$bytes" -v r="$rss" -v fw="$first_wall" -v fr="$first_rss" 'BEGIN {
    printf "-j%-3s %7.2f s %7.1f MB/s  speed-up %.2fx  peak memory %6.1f MB (%.2fx, %+.1f MB)\n",
           j, w, b / 1e6 / w, fw / w, r / 1024, r / fr, (r - fr) / 1024 }'
  tail -1 "$work/log"
done
