#!/usr/bin/env bash
# Times the search against find(1) and libtiff, in one invocation, over
# generated trees: warm, with the page cache dropped, and on a simulated
# network share at 500 us and 5 ms per request; the second run over an
# unchanged tree with the page-count cache (warm, cold, on the share, the
# TIFFs it opens, the first run against --no-cache, the cold floor). Then counts reads and
# file-system calls per listed file, times Cancel (also with one file hung on
# the share, and a search after a Cancel that left every I/O thread hung),
# and takes the peak memory of a 50,000-file window search.
#   scripts/bench_search.sh [ROUNDS] [--cache-only]   (--cache-only: the cache's rows alone)
# The trees are made once and kept in $BRIMFOLD_CORPUS (default
# /tmp/brimfold-corpus); delete that folder to make fresh ones. The share is
# stood up with ../shared/tools/netshare.sh (override with $NETSHARE) and
# always taken down on exit; without it the share's rows are skipped. The
# command-line counter is timed against find, libtiff and one tiffinfo per
# file, and its memory taken over 1,000,000 files.
set -euo pipefail
rounds=${1:-3}
cache_only=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
corpus=${BRIMFOLD_CORPUS:-/tmp/brimfold-corpus}
netshare=${NETSHARE:-$root/../shared/tools/netshare.sh}
share_timeout=${BRIMFOLD_SHARE_TIMEOUT:-900} # seconds for one program run on the share

"$root/scripts/setup.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMFOLD_SANITIZE=OFF >/dev/null
fi
cmake --build "$build" -j2 --target windowsearch_bench searchrun_bench brimfold-count
bench="$build/bench/windowsearch_bench"
[ -x "$bench" ] || bench=$(find "$build" -name windowsearch_bench -type f -perm -u+x | head -n1)
maketree=$(dirname "$bench")/searchrun_bench

# The trees: the corpus (about 1,000 folders up to 6 deep, 50,000 files,
# mostly TIFFs); for the share, the same kinds of files, about 2,000 TIFFs in
# 90 folders; for counting system calls, a tree of single-page TIFFs only.
if [ ! -f "$corpus/ready" ]; then
  rm -rf "$corpus"
  mkdir -p "$corpus"
  python3 "$root/scripts/make_corpus.py" "$corpus/tree" | tee "$corpus/summary.txt"
  python3 - "$root/scripts" "$corpus/share" <<'PY' | tee "$corpus/share-summary.txt"
import sys
sys.path.insert(0, sys.argv[1])
import make_corpus
make_corpus.FOLDERS = 90
sys.argv = ["make_corpus.py", sys.argv[2], "2350", "--seed", "2"]
make_corpus.main()
PY
  "$maketree" --make-tree "$corpus/single" 100 100
  mkdir -p "$corpus/empty"
  sync
  touch "$corpus/ready"
fi
echo "corpus: $corpus/tree"; cat "$corpus/summary.txt"
echo "share tree: $corpus/share"; cat "$corpus/share-summary.txt"

# ---- the share: mounted one at a time, never left behind ------------------
# A plain clone has no ../shared/tools: the share's rows are then skipped.
have_share() {
  [ -f "$netshare" ] && return 0
  echo "-- $1: skipped, no share simulator at $netshare (set \$NETSHARE) --"
  return 1
}
mnt=$(mktemp -d /tmp/brimfold-share.XXXXXX)
unmount_share() {
  if mountpoint -q "$mnt"; then
    "$netshare" umount "$mnt" 2>/dev/null || fusermount3 -uz "$mnt" 2>/dev/null || umount -l "$mnt" || true
  fi
}
# Every page-count cache of this script lives here and goes with it; rows
# that time counting itself run with --no-cache.
export XDG_CACHE_HOME
XDG_CACHE_HOME=$(mktemp -d /tmp/brimfold-bench-cache.XXXXXX)
cleanup() {
  unmount_share
  rmdir "$mnt" 2>/dev/null || true
  rm -rf "$XDG_CACHE_HOME"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mount_share() { # DELAY_US; LATFS_SLOW_NAME / LATFS_SLOW_US pass through
  unmount_share
  "$netshare" mount "$corpus/share" "$mnt" "$1" >/dev/null
  for _ in $(seq 50); do mountpoint -q "$mnt" && return 0; sleep 0.1; done
  echo "the share did not come up at $mnt" >&2
  return 1
}
on_share() { # a program run on the share, cut off after $share_timeout s
  local status=0
  timeout -k 10 "$share_timeout" "$@" || status=$?
  [ "$status" -eq 124 ] || [ "$status" -eq 137 ] && echo "  (cut off after ${share_timeout} s)"
  return 0
}

if [ "$cache_only" != --cache-only ]; then
echo
echo "== timings, one invocation: ratios to find in the same table =="
# Warm the cache: every folder and every byte read once.
find "$corpus/tree" -type f -print0 | xargs -0 cat > /dev/null
"$bench" "$corpus/tree" "$rounds" --check --title "(a) warm, 50,000-file corpus" \
  --walk-target 2.0 --window-target 3.0 --cache-target 2.0

echo
if [ "$(id -u)" -eq 0 ] && [ -w /proc/sys/vm/drop_caches ]; then
  "$bench" "$corpus/tree" "$rounds" --cold --title "(b) cold, 50,000-file corpus" --window-target 2.5 --cache-target 1.5
else
  echo "-- (b) cold: skipped, dropping the page cache needs root (echo 3 > /proc/sys/vm/drop_caches) --"
fi

echo
if have_share "(c) share"; then
  mount_share 500
  on_share "$bench" "$mnt" 1 --title "(c) share at 500 us per request, $corpus/share" --window-target 1.0 --cache-target 0.1
  echo
  mount_share 5000
  on_share "$bench" "$mnt" 1 --title "(c) share at 5 ms per request, $corpus/share" --window-target 0.5
  unmount_share
fi
fi

# The command-line counter against find -printf listing the same tree (best
# of ROUNDS runs each, output thrown away).
. "$root/scripts/bench_common.sh"
ratio() { # LABEL SECONDS PEER_SECONDS PEER_LABEL [TARGET]
  python3 -c "import sys; l, c, f, p, t = (sys.argv[1:] + [''])[:5]; print('  %-34s %7.3f s   %s %7.3f s   ratio %7.3f%s' % (l, float(c), p, float(f), float(c) / float(f), t and ' (target <= %s)' % t))" "$@"
}
if [ "$cache_only" = --cache-only ]; then
  . "$root/scripts/bench_cache.sh"
  exit
fi
echo
echo "== brimfold-count --subfolders --format tsv > /dev/null, best of $rounds =="
echo "-- warm, 50,000-file corpus --"
find_s=$(best_of find "$corpus/tree" -printf '%p\t%s\t%T@\n')
for jobs in 16 2 0; do
  count_s=$(best_of "$build/bin/brimfold-count" --no-cache --subfolders --format tsv -j "$jobs" "$corpus/tree")
  ratio "brimfold-count -j $jobs" "$count_s" "$find_s" "find -printf" 1.5
done
libtiff_s=$(best_of "$bench" --libtiff-only "$corpus/tree")
count_s=$(best_of "$build/bin/brimfold-count" --no-cache --subfolders --format tsv "$corpus/tree")
ratio "brimfold-count" "$count_s" "$libtiff_s" "libtiff walk + count in-process"
echo "-- warm, the share's tree on the local disk ($corpus/share) --"
tiffinfo_s=$(best_of sh -c "find '$corpus/share' -type f \\( -iname '*.tif' -o -iname '*.tiff' \\) -exec tiffinfo {} \\; 2>/dev/null | grep -c '^TIFF Directory'")
count_s=$(best_of "$build/bin/brimfold-count" --no-cache --subfolders --format tsv "$corpus/share")
ratio "brimfold-count" "$count_s" "$tiffinfo_s" "one tiffinfo per file"
if have_share "simulated share, 500 us per request"; then
  echo "-- simulated share, 500 us per request --"
  mount_share 500
  find_s=$(best_of find "$mnt" -printf '%p\t%s\t%T@\n')
  count_s=$(best_of "$build/bin/brimfold-count" --no-cache --subfolders --format tsv "$mnt")
  unmount_share
  ratio "brimfold-count" "$count_s" "$find_s" "find -printf" 0.5
fi
. "$root/scripts/bench_cache.sh"

# Memory stays bounded by the look-ahead: a tree of 1,000,000 single-page
# TIFFs (made once, kept beside the corpus; skipped with BRIMFOLD_MILLION=0).
if [ "${BRIMFOLD_MILLION:-1}" != 0 ]; then
  [ -f "$corpus/million-ready" ] || { "$maketree" --make-tree "$corpus/million" 1000 1000 >/dev/null && touch "$corpus/million-ready"; }
  for format in tsv table; do
    /usr/bin/time -f "%e %M" "$build/bin/brimfold-count" --no-cache --subfolders --format "$format" "$corpus/million" 2>&1 >/dev/null |
      tail -n1 | (read -r secs kb; printf '  1,000,000 files, --format %-5s  %6.1f s, peak memory %d MB (target <= 50 MB)\n' "$format" "$secs" $((kb / 1024)))
  done
fi

# ---- file-system calls --------------------------------------------------------
# Each run is traced whole (strace -f -y). Calls: every file-system call of a
# search of the tree minus those of a search of an empty folder (start-up and
# window set-up cancel out); also those naming the tree itself. Reads: read
# calls on the tree's files only (the window's event-loop wake-ups are reads
# too, on an eventfd, and are not the storage's round trips).
fs_calls='openat,open,close,read,pread64,readv,preadv,lseek,fstat,newfstatat,statx,stat,lstat,getdents64,readlink,readlinkat,access,faccessat,faccessat2,fcntl'
trace_calls() { # TRACE FOLDER MODE... -> the files listed
  local trace=$1 folder=$2
  shift 2
  timeout -k 10 "$share_timeout" strace -f -y -qq -e trace="$fs_calls" -o "$trace" -- "$bench" "$@" "$folder" |
    sed -n 's/^listed \([0-9]*\) files$/\1/p'
}
per_file() { # LABEL FOLDER MODE...
  local label=$1 folder=$2 base full listed
  shift 2
  base=$(mktemp) full=$(mktemp)
  trace_calls "$base" "$corpus/empty" "$@" >/dev/null
  listed=$(trace_calls "$full" "$folder" "$@")
  python3 - "$label" "$folder" "${listed:-0}" "$base" "$full" <<'PY'
import collections, re, sys
label, folder, listed, base, full = sys.argv[1:]
call = re.compile(r"^\d+\s+(\w+)\(")
def count(path):
    every, tree = collections.Counter(), collections.Counter()
    for line in open(path, errors="replace"):
        m = call.match(line)
        if m:
            every[m.group(1)] += 1
            if folder in line:
                tree[m.group(1)] += 1
    return every, tree
b, _ = count(base)
f, tree = count(full)
n = max(1, int(listed))
diff = {k: f[k] - b[k] for k in set(f) | set(b) if f[k] - b[k]}
reads = sum(tree[k] for k in ("read", "pread64", "readv", "preadv"))
detail = ", ".join("%s %.2f" % (k, tree[k] / n) for k in sorted(tree))
print("  %-40s %5d files: %5.2f calls/file (%.2f on the tree), %4.2f reads/file  [on the tree: %s]"
      % (label, n, sum(diff.values()) / n, sum(tree.values()) / n, reads / n, detail))
PY
  rm -f "$base" "$full"
}
if command -v strace >/dev/null; then
  echo
  echo "== reads and file-system calls per listed file (strace -f, start-up subtracted) =="
  echo "   targets: reads per listed file on the share tree <= 1.3; calls per single-page TIFF <= 4.5"
  if have_share "calls on the share"; then
    mount_share 500
    for mode in "--walk-only --io-threads 16" "--walk-only --io-threads 0" "--window-only"; do
      # shellcheck disable=SC2086
      per_file "share tree (500 us) $mode" "$mnt" $mode
    done
    unmount_share
  fi
  for mode in "--walk-only --io-threads 16" "--window-only"; do
    # shellcheck disable=SC2086
    per_file "single-page TIFFs (local) $mode" "$corpus/single" $mode
  done
else
  echo "strace is not installed: no system-call counts"
fi

# ---- Cancel -------------------------------------------------------------------
if have_share "Cancel on the share"; then
  echo
  echo "== Cancel during a window search on the share (500 us) =="
  mount_share 500
  on_share "$bench" --cancel "$mnt" 500
  # One file early in the walk hangs for 10 s: the rows before it show, the
  # window stays live, and Cancel ends the search at once.
  hung=$(find "$corpus/share" -maxdepth 1 -type f -iname '*.tif*' -printf '%f\n' | sed -n 3p)
  if [ -n "$hung" ]; then
    LATFS_SLOW_NAME="/$hung\$" LATFS_SLOW_US=10000000 mount_share 500
    echo "  with \"$hung\" (third TIFF of the top folder) hung for 10 s on every request:"
    start=$(date +%s.%N)
    on_share "$bench" --cancel "$mnt" 1500
    echo "  the program ended $(python3 -c "import sys; print('%.1f' % (float(sys.argv[2]) - float(sys.argv[1])))" "$start" "$(date +%s.%N)") s after it started"
  fi
  # Every file of every tenth subfolder hangs for 120 s, so the I/O threads
  # of a recursive search end up held; Cancel, then the top folder alone,
  # whose own requests answer. (The simulator serialises the lookups of one
  # folder, so a hung lookup of a subfolder itself would hold up the top
  # folder's files too: only files below the top folder are hung.) The
  # program's exit waits for the hung requests, as any exit does on a
  # share that ignores interrupts: on_share's time limit ends it.
  LATFS_SLOW_NAME="0/scan_" LATFS_SLOW_US=120000000 mount_share 500
  echo "  with the files of every tenth subfolder hung for 120 s: Cancel after 4 s, then the top folder alone:"
  share_timeout=30 on_share "$bench" --cancel "$mnt" 4000 "$mnt"
  unmount_share
fi

# ---- memory -------------------------------------------------------------------
echo
echo "== peak memory (max RSS, /usr/bin/time -v) of one window search =="
max_rss() { /usr/bin/time -v "$@" 2>&1 >/dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'; }
empty_kb=$(max_rss "$bench" --window-only "$corpus/empty")
seq_kb=$(max_rss "$bench" --window-only "$corpus/tree" --io-threads 0)
io_kb=$(max_rss "$bench" --window-only "$corpus/tree")
printf '  empty folder: %d MB; 50,000-file corpus: %d MB with 16 I/O threads, %d MB without (%+d MB; target <= +20 MB over the sequential search)\n' \
  $((empty_kb / 1024)) $((io_kb / 1024)) $((seq_kb / 1024)) $(((io_kb - seq_kb) / 1024))
