#!/usr/bin/env bash
# Sets up, builds and starts Brimfold.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# Only the program itself: the tests and benchmarks are not needed to use it.
"$root/scripts/build.sh" release --target brimfold
exec "$root/build/release/bin/brimfold"
