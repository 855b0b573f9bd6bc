#!/usr/bin/env bash
# Sets up, builds and starts Brimfold.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" release
exec "$root/build/release/bin/brimfold"
