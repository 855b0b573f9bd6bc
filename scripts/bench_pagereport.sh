#!/usr/bin/env bash
# Times the page report of 10,000 folders and 100,000 unreadable files:
# building it, laying out its pages, previewing a page, saving the PDF, and
# the longest page (the longest the window waits between two progress steps).
#   scripts/bench_pagereport.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" release --target pagereport_bench >/dev/null
QT_QPA_PLATFORM=offscreen "$root/build/release/bench/pagereport_bench"
