#!/usr/bin/env bash
# Installs what building, running and testing Quillot needs on Debian 12, if it is missing, and
# the further Debian packages named as arguments.
set -euo pipefail
. "$(dirname "$0")/common.sh"

packages=(
  g++ cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libcanberra-dev
  fonts-wqy-microhei
  xvfb xauth xdotool imagemagick
  desktop-file-utils appstream dpkg-dev file man-db faketime
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
