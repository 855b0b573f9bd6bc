# Sourced by the benchmark scripts; $rounds must be set.
best_of() { # command... -> the fastest wall time in seconds of $rounds runs, output thrown away
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
