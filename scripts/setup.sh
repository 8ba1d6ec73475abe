#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: packages
# already present are skipped, so a second run does nothing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgl-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-lohit-deva
  xvfb xauth x11-apps imagemagick
  clang libclang-rt-14-dev
  # static checks: clang-tidy (scripts/check-tidy.sh), clang-format (test_docs)
  clang-tidy clang-format
  valgrind
  # the package check (tests/package): dpkg-deb and dpkg-shlibdeps, readelf,
  # a file-access trace, systemd-analyze, lintian
  dpkg-dev binutils strace systemd lintian
  # the folder-layer check (scripts/check-layers.py, run by test_docs)
  python3
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
