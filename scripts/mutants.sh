#!/usr/bin/env bash
# Seeds random faults into the product lines changed since BASE and counts those the tests catch.
#   scripts/mutants.sh BASE [N] [--seed S] [--only src/PATH] [--list]
# Scratch copy and build in build/mutants; see scripts/mutants.py for the rules.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
exec python3 "$root/scripts/mutants.py" "$@"
