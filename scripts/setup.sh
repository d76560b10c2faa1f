#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing.
# Run as root on Debian 12 (or with sudo); does nothing when all are present.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang ccache pkg-config
  libsdl2-dev libsdl2-mixer-dev libpng-dev libjpeg62-turbo-dev zlib1g-dev
  libcurl4-openssl-dev libfreetype-dev libgl-dev libopengl-dev libegl-dev libgles-dev libgl1-mesa-dri
  libvorbis-dev libexpat1-dev libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev
  xvfb xauth xdotool imagemagick fonts-dejavu-core fonts-liberation2
  nodejs
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
