#!/usr/bin/env bash
# Installs the Debian 12 packages that Zorvane needs to build, test and run.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 icoutils pngcheck python3 python3-pil giflib-tools imagemagick
  bc time clang-format git
  xvfb x11-apps clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
