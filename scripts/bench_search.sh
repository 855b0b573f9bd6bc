#!/usr/bin/env bash
# Times the search against find(1) and libtiff, in one invocation, over a
# generated corpus; then counts the file-system calls per listed file.
#   scripts/bench_search.sh [ROUNDS]
# The corpus is made once and kept in $BRIMFOLD_CORPUS (default
# /tmp/brimfold-corpus); delete that folder to make a fresh one.
set -euo pipefail
rounds=${1:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
corpus=${BRIMFOLD_CORPUS:-/tmp/brimfold-corpus}

"$root/scripts/setup.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMFOLD_SANITIZE=OFF >/dev/null
fi
cmake --build "$build" --target windowsearch_bench searchrun_bench brimfold-count
bench="$build/bench/windowsearch_bench"
[ -x "$bench" ] || bench=$(find "$build" -name windowsearch_bench -type f -perm -u+x | head -n1)
maketree=$(dirname "$bench")/searchrun_bench

# The corpus: about 1,000 folders up to 6 deep, 50,000 files (mostly TIFFs);
# and, for counting system calls, a tree of single-page TIFFs only.
if [ ! -f "$corpus/ready" ]; then
  rm -rf "$corpus"
  mkdir -p "$corpus"
  python3 "$root/scripts/make_corpus.py" "$corpus/tree" | tee "$corpus/summary.txt"
  "$maketree" --make-tree "$corpus/single" 100 100
  mkdir -p "$corpus/empty"
  touch "$corpus/ready"
fi
echo "corpus: $corpus/tree"; cat "$corpus/summary.txt"

# Warm the cache: every folder and every byte read once.
find "$corpus" -type f -print0 | xargs -0 cat > /dev/null

echo
echo "== timings (one invocation) =="
"$bench" "$corpus/tree" "$rounds"

# The command-line counter against find -printf listing the same tree (best
# of ROUNDS runs each, output thrown away).
best_of() { # command... -> the fastest wall time in seconds
  python3 - "$rounds" "$@" <<'PY'
import subprocess, sys, time
rounds, command = int(sys.argv[1]), sys.argv[2:]
times = []
for _ in range(rounds):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL)
    times.append(time.perf_counter() - start)
print("%.3f" % min(times))
PY
}
echo
echo "== brimfold-count --subfolders --format tsv > /dev/null (warm) =="
find_s=$(best_of find "$corpus/tree" -printf '%p\t%s\t%T@\n')
for jobs in 16 0; do
  count_s=$(best_of "$build/bin/brimfold-count" --subfolders --format tsv -j "$jobs" "$corpus/tree")
  python3 -c "import sys; c, f = map(float, sys.argv[1:]); print('-j %-3s %.3f s   find -printf %.3f s   ratio %.2f (target <= 1.5)' % ('$jobs', c, f, c / f))" "$count_s" "$find_s"
done

# File-system calls: a search of the single-page tree minus one of an empty
# folder (start-up and window set-up cancel out).
fs_calls='openat|open|close|read|pread64|readv|preadv|lseek|fstat|newfstatat|statx|stat|lstat|getdents64|readlink|readlinkat|access|faccessat|faccessat2|fcntl'
count_calls() { # mode folder -> "total listed" and the per-call lines in $2.calls
  local out
  out=$(mktemp)
  listed=$(strace -c -f -o "$out" -- "$bench" "$1" "$2" | sed -n 's/^listed \([0-9]*\) files$/\1/p')
  awk -v pat="^($fs_calls)\$" '$NF ~ pat && $4 ~ /^[0-9]+$/ { print $NF, $4 }' "$out" | sort
  echo "listed $listed"
  rm -f "$out"
}
if command -v strace >/dev/null; then
  echo
  echo "== file-system calls per listed single-page TIFF (strace -c -f, start-up subtracted) =="
  for mode in --walk-only --window-only; do
    base=$(count_calls "$mode" "$corpus/empty")
    full=$(count_calls "$mode" "$corpus/single")
    python3 - "$mode" "$base" "$full" <<'PY'
import sys
mode, base, full = sys.argv[1:]
def parse(text):
    calls, listed = {}, 0
    for line in text.splitlines():
        name, value = line.split()
        if name == "listed":
            listed = int(value)
        else:
            calls[name] = int(value)
    return calls, listed
b, _ = parse(base)
f, listed = parse(full)
names = sorted(set(b) | set(f))
diff = {n: f.get(n, 0) - b.get(n, 0) for n in names}
total = sum(diff.values())
per = total / max(1, listed)
detail = ", ".join("%s %.2f" % (n, diff[n] / max(1, listed)) for n in names if diff[n])
print("%-14s %d files: %.2f calls/file (target <= 4.5)  [%s]" % (mode, listed, per, detail))
PY
  done
fi
