#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UBSan, and runs the whole suite headless.
#   scripts/test.sh [CTEST ARGS]   the whole suite (build/asan)
#   scripts/test.sh --tsan         the tests of the threaded search under ThreadSanitizer (build/tsan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
if [ "${1:-}" = "--tsan" ]; then
  threaded=(searchahead_test searchrun_test churn_test mainwindow_search_test brimfoldcount_test pagecountcache_test)
  "$root/scripts/build.sh" tsan --target "${threaded[@]}"
  cd "$root/build/tsan"
  # die_after_fork=0: a test that starts programs (QProcess) while its cache
  # and I/O threads run is otherwise stopped by TSan's fork check.
  QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 die_after_fork=0 second_deadlock_stack=1 suppressions=$root/tests/tsan.supp" \
    ctest --output-on-failure --parallel "$(nproc)" -R "$(IFS='|'; echo "${threaded[*]}")"
  exit
fi
"$root/scripts/build.sh" asan
cd "$root/build/asan"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
