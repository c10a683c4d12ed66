#!/usr/bin/env bash
# Installs the Debian packages Memvalo needs to build, run and test, when they are missing.
set -euo pipefail

packages=(cmake g++ make pkg-config googletest libgtest-dev libbenchmark-dev clang-format
          clang libclang-rt-dev
          libzip-dev libsqlite3-dev libzstd-dev zlib1g-dev libexpat1-dev sqlite3
          qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-image-formats-plugins
          qt6-translations-l10n
          libgl-dev xvfb xauth xdotool imagemagick poppler-utils
          dpkg-dev desktop-file-utils shared-mime-info lintian appstream man-db)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
