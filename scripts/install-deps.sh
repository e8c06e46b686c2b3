#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Tarnivo needs that are not installed yet.
#   scripts/install-deps.sh run    what building and running the program needs
#   scripts/install-deps.sh test   that, plus what the tests need (X server, Wayland compositor, printing,
#                                  accessibility bus, packaging checks, a desktop colour scheme)
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev googletest
                libbenchmark-dev)
run_packages=(libqt6widgets6 libqt6printsupport6 fonts-liberation fonts-dejavu-core)
# Students' names in Chinese, Japanese and Korean: the smallest Debian font with all three.
run_packages+=(fonts-wqy-microhei)
test_packages=(xvfb openbox xdotool x11-utils imagemagick cups cups-client printer-driver-cups-pdf
               poppler-utils desktop-file-utils appstream time dpkg-dev file tesseract-ocr clang-format
               wmctrl lintian man-db weston qt6-wayland dbus dbus-x11 at-spi2-core python3-pyatspi qt6ct)

profile=${1:-run}
wanted=("${build_packages[@]}" "${run_packages[@]}")
[ "$profile" = test ] && wanted+=("${test_packages[@]}")

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
  [ "${status:0:2}" = ii ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "These packages are missing and sudo is not available: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
# Without systemd, the cups package says it failed to reload the service; the install still succeeds.
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
