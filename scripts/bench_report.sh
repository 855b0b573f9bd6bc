#!/usr/bin/env bash
# Times brimfold-report over generated result files, and what writing a result
# file costs brimfold-count, each figure beside its target:
#   - 1,000,000 records from 4 hosts merged into one report (time, peak memory);
#   - the same split into one report per client folder (1,000 of them);
#   - brimfold-count --format jsonl against --format tsv over the search
#     benchmark's warm corpus, best of ROUNDS (counts from the page-count cache,
#     so the output is most of the work).
#   scripts/bench_report.sh [ROUNDS]
set -euo pipefail
rounds=${1:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" release --target brimfold-report brimfold-count >/dev/null
bin="$root/build/release/bin"
work=$(mktemp -d /tmp/brimfold-report-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# 4 hosts x 250,000 files in 1,000 client folders of 5 months each.
python3 - "$work" <<'PY'
import sys, json
work = sys.argv[1]
worths = ['b=1,A4=1', 'c=2,A4=1,A3=1', 'g=3,U=3', 'b=1,L=1']
for host in range(4):
    with open('%s/host%d.jsonl' % (work, host), 'w') as out:
        out.write(json.dumps({"brimfold_results": 1, "host": "scan%02d" % host, "start_folder": "/srv/scans",
                              "subfolders": True, "searched": [["File names", "*.tif,*.tiff"]],
                              "started": "2026-12-01T06:00:00+01:00", "program": "bench"},
                             separators=(',', ':')) + '\n')
        pages = unreadable = 0
        for i in range(250000):
            folder = '/srv/scans/client%04d/2026-%02d' % (i % 1000, 7 + i % 5)
            record = {"folder": folder, "name": "scan_%07d.tif" % i, "size": 4096 + i % 977,
                      "modified": "2026-11-03T10:00:00+01:00"}
            if i % 97 == 0:
                record.update(pages=None, reason="Not a TIFF file")
                unreadable += 1
            else:
                n = 1 + i % 3
                record.update(pages=n, worth=worths[i % 4])
                pages += n
            out.write(json.dumps(record, separators=(',', ':')) + '\n')
        out.write('{"end":true,"files":250000,"pages":%d,"unreadable":%d,"cancelled":false}\n' % (pages, unreadable))
PY

measure() { # LABEL TARGET_SECONDS TARGET_MB command...
  local label=$1 target_s=$2 target_mb=$3
  shift 3
  /usr/bin/time -f "%e %M" "$@" 2>"$work/time" >/dev/null || { cat "$work/time"; return 1; }
  tail -n1 "$work/time" | (read -r secs kb
    printf '  %-52s %6.2f s (target <= %s s), peak memory %4d MB%s\n' "$label" "$secs" "$target_s" $((kb / 1024)) \
      "${target_mb:+ (target <= $target_mb MB)}")
}
echo "-- brimfold-report, 1,000,000 records from 4 hosts --"
measure "merged into one report" 5 300 "$bin/brimfold-report" -o "$work/all.pdf" "$work"/host*.jsonl
measure "and one report per client (1,000)" 20 "" "$bin/brimfold-report" -o "$work/all.pdf" \
  --per-folder 1 --folder-reports "$work/clients" "$work"/host*.jsonl
echo "  reports written: $(find "$work/clients" -name '*.pdf' | wc -l), pages of the whole: $(pdfinfo "$work/all.pdf" | awk '/^Pages/ {print $2}')"

corpus=${BRIMFOLD_CORPUS:-/tmp/brimfold-corpus}/tree
if [ -d "$corpus" ]; then
  echo "-- writing a result file: brimfold-count -r -q over $corpus, best of $rounds --"
  export XDG_CACHE_HOME="$work/cache"
  "$bin/brimfold-count" -r -q "$corpus" >/dev/null || true # fills the page-count cache
  . "$root/scripts/bench_common.sh"

  tsv=$(best_of "$bin/brimfold-count" -r -q --format tsv "$corpus")
  jsonl=$(best_of "$bin/brimfold-count" -r -q --format jsonl "$corpus")
  python3 -c "import sys; t, j = map(float, sys.argv[1:]); print('  --format jsonl %.3f s   --format tsv %.3f s   ratio %.3f (target <= 1.05)' % (j, t, j / t))" "$tsv" "$jsonl"
else
  echo "-- writing a result file: skipped, no corpus at $corpus (scripts/bench_search.sh makes it) --"
fi
