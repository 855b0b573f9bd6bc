#!/usr/bin/env bash
# Saves pictures of the main window (maximised and at its smallest size, with
# the advanced-options panel shown and hidden) and of the about box, drawn by
# the program itself on the offscreen platform: no X server needed.
#   scripts/windowshots.sh OUT_FOLDER [BUILD_FOLDER]   (default build/release)
# The first search runs over a scratch folder of a few TIFF files.
set -euo pipefail
out=$(realpath -m "${1:?usage: windowshots.sh OUT_FOLDER [BUILD_FOLDER]}")
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${2:-$root/build/release}")

"$root/scripts/setup.sh"
[ -f "$build/build.ninja" ] || "$root/scripts/build.sh" release >/dev/null
cmake --build "$build" --target windowshots_bench >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$out" "$scratch/scans/2024"
convert -size 64x48 xc:white xc:gray xc:black "$scratch/scans/three pages.tif"
convert -size 64x48 xc:white "$scratch/scans/one page.tiff"
convert -size 640x480 plasma:fractal -compress lzw "$scratch/scans/2024/photo.tif"
convert -size 64x48 xc:white xc:gray "$scratch/scans/2024/two pages.tif"

# A desktop-sized screen at 96 dpi, where 15 twips make a pixel.
cat > "$scratch/screen.json" <<'JSON'
{
  "screens": [ { "name": "shots", "x": 0, "y": 0, "width": 1600, "height": 1000,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
QT_QPA_PLATFORM="offscreen:configfile=$scratch/screen.json" \
  "$build/bench/windowshots_bench" "$out" "$scratch/scans"
