#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UBSan, and runs the whole suite headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" asan
cd "$root/build/asan"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
