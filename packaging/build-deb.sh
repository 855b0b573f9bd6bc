#!/usr/bin/env bash
# Builds the Debian package from a release build of its own:
#   packaging/build-deb.sh [BUILD_FOLDER]   (default build/package-rel)
# and prints the path of the .deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$root/build/package-rel}")

"$root/scripts/setup.sh"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIMFOLD_SANITIZE=OFF \
        -DBRIMFOLD_TESTS=OFF -DBRIMFOLD_BENCH=OFF
fi
# Everything the package installs: the program, the counter, the help file
# and the manual pages (tests and benchmarks are off in this folder).
cmake --build "$dir"
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/brimfold_*.deb
