#!/usr/bin/env bash
# Brings every catalog in translations/ up to date with the texts in src/:
# new texts arrive unfinished (the catalogs test fails until they are
# translated), texts gone from the code leave. Then translate the unfinished
# ones, with Qt Linguist or by hand, and build: the catalogs compile into
# the programs.
#   scripts/update_translations.sh            every catalog
#   scripts/update_translations.sh de ja      some
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || "$root/scripts/setup.sh"
catalogs=()
if [ $# -gt 0 ]; then
  for language in "$@"; do catalogs+=("$root/translations/brimfold_$language.ts"); done
else
  catalogs=("$root"/translations/brimfold_*.ts)
fi
"$lupdate" -locations none -no-obsolete -source-language en "$root/src" -ts "${catalogs[@]}"
