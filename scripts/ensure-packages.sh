#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those still missing.
# Sourced or run by test.sh and run.sh; safe to call again on a ready machine.
set -euo pipefail

VELK_PACKAGES=(
  g++ cmake ninja-build
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-serialport-dev libusb-1.0-0-dev
  clang-14 libclang-rt-14-dev
  libexpat1-dev libxml2-dev
  iso-codes shared-mime-info xvfb
  fonts-liberation2
  umockdev libumockdev-dev pkg-config
  desktop-file-utils appstream lintian dpkg-dev
  sigrok-cli
)

missing=()
for pkg in "${VELK_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt_get=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
  apt_get=(sudo apt-get)
else
  echo "error: packages missing and not running as root: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt_get[@]}" update
"${apt_get[@]}" install -y "${missing[@]}"
