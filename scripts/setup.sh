#!/usr/bin/env bash
# Installs the Debian packages Brimfold needs to build, test and be looked at.
# Idempotent: only missing packages are installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libtiff-dev libtiff-tools libsqlite3-dev sqlite3
  adwaita-icon-theme hicolor-icon-theme fonts-liberation2 shared-mime-info
  xvfb xauth imagemagick x11-utils xdotool qt6ct fonts-dejavu-core
  clang libclang-rt-dev strace python3 dbus dbus-x11 xdg-utils
  fp-utils desktop-file-utils
  poppler-utils
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-ipafont-gothic
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
