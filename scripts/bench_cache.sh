# The page-count cache's rows of scripts/bench_search.sh (sourced by it: it
# uses its corpus, best_of, ratio and the share's functions). Each row is the
# run of a month later: a second run over an unchanged tree, against find in
# the same invocation; then what the first run costs, the TIFFs a second run
# opens, the file's size, and the cold floor.
count=("$build/bin/brimfold-count" --subfolders --format tsv)
# brimfold-count exits 3 over the corpus (it holds broken TIFFs): no failure here.
total_files() { { "${count[@]}" --total "$1" || true; } | awk -F'\t' 'NR == 2 { print $1 }'; }
cache_file="$XDG_CACHE_HOME/brimfold/pagecounts.sqlite"
first_run="rm -rf '$XDG_CACHE_HOME/brimfold'; exec ${count[*]}" # sh -c: a run with an empty cache
can_drop() { [ "$(id -u)" -eq 0 ] && [ -w /proc/sys/vm/drop_caches ]; }
best_cold() { # command... -> the fastest wall time with the page cache dropped before each run
  python3 - "$rounds" "$@" <<'PY'
import subprocess, sys, time
rounds, command = int(sys.argv[1]), sys.argv[2:]
times = []
for _ in range(rounds):
    subprocess.run(["sh", "-c", "sync && echo 3 > /proc/sys/vm/drop_caches"])
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL)
    times.append(time.perf_counter() - start)
print("%.3f" % min(times))
PY
}
# The floor of a cold first count: the first 32 KiB of every listed file read
# by 16 threads in a plain loop, as a reader that knew where every page's tags
# are would read at least.
floor_read() { # FOLDER
  python3 - "$1" <<'PY'
import concurrent.futures, os, sys
files = [os.path.join(d, f) for d, _, names in os.walk(sys.argv[1]) for f in names
         if f.lower().endswith((".tif", ".tiff"))]
def head(path):
    with open(path, "rb") as f:
        return len(f.read(32768))
with concurrent.futures.ThreadPoolExecutor(16) as pool:
    sum(pool.map(head, files, chunksize=64))
PY
}

echo
echo "== the page-count cache: brimfold-count's second run over an unchanged tree, best of $rounds =="
echo "-- warm, 50,000-file corpus --"
find_s=$(best_of find "$corpus/tree" -printf '%p\t%s\t%T@\n')
nocache_s=$(best_of "${count[@]}" --no-cache "$corpus/tree")
first_s=$(best_of sh -c "$first_run '$corpus/tree'")
ratio "first run (empty cache)" "$first_s" "$nocache_s" "--no-cache" 1.05
second_s=$(best_of "${count[@]}" "$corpus/tree")
ratio "second run" "$second_s" "$find_s" "find -printf" 1.2
listed=$(total_files "$corpus/tree")
trace=$(mktemp)
strace -f -qq -e trace=openat -o "$trace" "${count[@]}" "$corpus/tree" >/dev/null 2>&1 || true
opened=$(grep -c -i -E '\.tiff?"' "$trace" || true)
bytes=$(stat -c %s "$cache_file")
echo "  second run: $opened TIFFs opened (openat, strace -f) of $listed listed (target 0);" \
  "cache file $bytes bytes, $((bytes / listed)) bytes per listed file (target <= 150)"
if can_drop; then
  echo "-- cold: page cache dropped before each run (the cache file's too) --"
  find_s=$(best_cold find "$corpus/tree" -printf '%p\t%s\t%T@\n')
  second_s=$(best_cold "${count[@]}" "$corpus/tree")
  ratio "second run, cold" "$second_s" "$find_s" "find -printf, cold" 1.5
  floor_s=$(best_cold bash -c "$(declare -f floor_read); floor_read '$corpus/tree'")
  first_s=$(best_cold sh -c "$first_run '$corpus/tree'")
  ratio "floor: 32 KiB of each file, 16 threads" "$floor_s" "$find_s" "find -printf, cold"
  ratio "first run (empty cache), cold" "$first_s" "$floor_s" "the floor"
  "${count[@]}" "$corpus/tree" >/dev/null || true # leaves the cache filled
else
  echo "-- cold: skipped, dropping the page cache needs root --"
fi
if have_share "the cache on the simulated share"; then
  echo "-- simulated share, 500 us per request --"
  mount_share 500
  find_s=$(best_of find "$mnt" -printf '%p\t%s\t%T@\n')
  nocache_s=$(best_of "${count[@]}" --no-cache "$mnt")
  first_s=$(best_of sh -c "$first_run '$mnt'")
  ratio "first run on the share (empty cache)" "$first_s" "$nocache_s" "--no-cache" 1.05
  "${count[@]}" "$mnt" >/dev/null || true # the first run fills the cache
  second_s=$(best_of "${count[@]}" "$mnt")
  ratio "second run on the share" "$second_s" "$find_s" "find -printf" 0.10
  listed=$(total_files "$mnt")
  strace -f -y -qq -e trace=statx,openat,read,pread64,getdents64 -o "$trace" "${count[@]}" "$mnt" >/dev/null 2>&1 || true
  python3 -c "
import collections, sys
mnt, listed = sys.argv[1], int(sys.argv[2])
import re
calls = collections.Counter(m.group(1) for m in (re.match(r'^\d+\s+(\w+)\(', l) for l in sys.stdin if mnt in l) if m)
print('  second run on the share: calls naming the share per listed file (%d files): %s'
      % (listed, ', '.join('%s %.2f' % (k, v / listed) for k, v in sorted(calls.items()))))" "$mnt" "$listed" < "$trace"
  unmount_share
fi
rm -f "$trace"
if [ -f "$corpus/million-ready" ]; then
  echo "-- 1,000,000 single-page TIFFs --"
  "${count[@]}" --no-cache "$corpus/million" >/dev/null || true # warm, as the runs after it
  for run in --no-cache first second; do
    options=(); [ "$run" = --no-cache ] && options=(--no-cache)
    [ "$run" = first ] && rm -rf "$XDG_CACHE_HOME/brimfold"
    { /usr/bin/time -f "%e %M" "${count[@]}" "${options[@]}" "$corpus/million" 2>&1 >/dev/null || true; } | tail -n1 |
      (read -r secs kb; printf '  %-10s %6.1f s, peak memory %d MB\n' "$run" "$secs" $((kb / 1024)))
  done
  echo "  cache file $(($(stat -c %s "$cache_file") / 1000000)) MB (target <= 100 MB; peak memory target: <= 30 MB over --no-cache)"
fi
