#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing Clipvox need, when missing.
set -euo pipefail
packages=(
  cmake ninja-build pkg-config g++ clang clang-tidy libfuzzer-14-dev
  qt6-base-dev libgl-dev qt6-wayland qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
  libmp3lame-dev libvorbis-dev libogg-dev libsndfile1-dev libtag1-dev libmpv-dev
  libflac-dev libopusenc-dev libopus-dev libebur128-dev
  ffmpeg flac sox opus-tools python3-mutagen dbus-daemon libglib2.0-bin desktop-file-utils xvfb
  dpkg-dev appstream man-db file lintian binutils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
