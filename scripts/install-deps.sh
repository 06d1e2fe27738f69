#!/usr/bin/env bash
# Installs everything the build, the program and the tests need, on Debian 12.
# Idempotent: only packages that are missing are installed. This is the one
# place that lists them.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang-format
  # Qt 6: widgets, SQL with the SQLite driver, multimedia for the sound cues
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-multimedia-dev
  libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libgl-dev
  # fonts: a rounded Japanese font for the screens, a CJK sans for the status bar
  fonts-motoya-l-maruberi fonts-noto-cjk fontconfig
  # tests and checks: a virtual display, screenshots, the sqlite3 shell,
  # desktop entry and metainfo validators
  xvfb xauth x11-utils imagemagick sqlite3 desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is already installed"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
