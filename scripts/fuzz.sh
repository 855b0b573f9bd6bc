#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UBSan on), writes their seed corpora, runs each for a fixed time and
# reports executions and findings.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]    default: 600 s, every target
#   FUZZ_JOBS=2 scripts/fuzz.sh ...          targets run side by side (default 1)
#   scripts/fuzz.sh --merge [TARGET...]      fold the grown corpus into fuzz/corpus/
#
# Runs at the lowest priority. Findings land in build/fuzz/findings/<target>/;
# reproduce one with build/fuzz/bin/<target>_fuzz FILE, and keep it as a
# regression case in fuzz/regressions/<target>/ once fixed. Exits 1 when
# anything was found.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
jobs=${FUZZ_JOBS:-1}

merge=0
if [ "${1:-}" = "--merge" ]; then
  merge=1
  shift
fi
seconds=600
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DBRIMFOLD_FUZZ=ON -DBRIMFOLD_BENCH=OFF >/dev/null
nice -n 19 cmake --build "$build" -j"$jobs" --target fuzz_seeds "${targets[@]/%/_fuzz}"
mkdir -p "$build/bin"
for target in "${targets[@]}"; do
  cp "$build/fuzz/${target}_fuzz" "$build/bin/"
done
rm -rf "$build/seeds"
"$build/fuzz/fuzz_seeds" "$build/seeds"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Existing input folders for a target: what the run adds goes to the first.
inputs_for() {
  local target=$1
  echo "$build/corpus/$target"
  for folder in "$build/seeds/$target" "$root/fuzz/corpus/$target" "$root/fuzz/regressions/$target"; do
    [ -d "$folder" ] && echo "$folder"
  done
}

if [ $merge -eq 1 ]; then
  for target in "${targets[@]}"; do
    mkdir -p "$root/fuzz/corpus/$target" "$build/corpus/$target"
    "$build/bin/${target}_fuzz" -merge=1 "$root/fuzz/corpus/$target" "$build/corpus/$target" \
      "$build/seeds/$target" 2>&1 | grep -E '^MERGE-OUTER: [0-9]+ new files' || true
  done
  exit 0
fi

# TIFF files need room beyond the counter's first 4 KiB read window; text
# inputs find their faults small, and run far more often so.
max_len_for() {
  case "$1" in
    pagecounter) echo 65536 ;;
    *) echo 8192 ;;
  esac
}

run_one() {
  local target=$1
  mkdir -p "$build/corpus/$target" "$build/findings/$target"
  mapfile -t folders < <(inputs_for "$target")
  nice -n 19 "$build/bin/${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
    -max_len="$(max_len_for "$target")" -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target/" \
    "${folders[@]}" >"$build/$target.log" 2>&1 || true
}

pids=()
for target in "${targets[@]}"; do
  run_one "$target" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}"
    pids=("${pids[@]:1}")
  fi
done
wait

status=0
printf '%-16s %14s %10s %9s\n' target executions "exec/s" findings
for target in "${targets[@]}"; do
  log="$build/$target.log"
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  findings=$(find "$build/findings/$target" -type f 2>/dev/null | wc -l)
  printf '%-16s %14s %10s %9s\n' "$target" "${executions:-?}" "${rate:-?}" "$findings"
  if [ "$findings" -gt 0 ] || [ -z "$executions" ]; then
    status=1
    find "$build/findings/$target" -type f | sed 's/^/  finding: /'
    grep -m3 -E 'ERROR|property broken|runtime error' "$log" | sed 's/^/  /' || true
  fi
done
exit $status
