#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Tarnivo needs that are not installed yet.
#   scripts/install-deps.sh run    what building and running the program needs
#   scripts/install-deps.sh test   that, plus what the tests need (X server, Wayland compositor, printing,
#                                  accessibility bus, packaging checks, a desktop colour scheme)
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libfontconfig-dev libgl-dev libgtest-dev libgmock-dev googletest
                libbenchmark-dev qt6-tools-dev qt6-l10n-tools)
run_packages=(libqt6widgets6 libqt6printsupport6 fonts-liberation fonts-dejavu-core)
# Debian 13 moved Liberation Sans Narrow, the face of the big digits, into a package of its own.
. /etc/os-release
case "${VERSION_CODENAME:-}" in
  bullseye | bookworm) ;;
  *) run_packages+=(fonts-liberation-sans-narrow) ;;
esac
# Qt's own dialog texts (file dialog, message-box buttons) in the program's languages.
run_packages+=(qt6-translations-l10n)
# Students' names in Chinese, Japanese and Korean: the smallest Debian font with all three.
run_packages+=(fonts-wqy-microhei)
# Names in the Indic scripts, Sinhala and Thai, one small font a script (about 2 MB in all);
# DejaVu Sans already has Hebrew and Arabic.
run_packages+=(fonts-lohit-deva fonts-lohit-beng-bengali fonts-lohit-gujr fonts-lohit-guru fonts-lohit-knda
               fonts-lohit-mlym fonts-lohit-orya fonts-lohit-taml fonts-lohit-telu fonts-lklug-sinhala
               fonts-tlwg-loma-otf)
test_packages=(xvfb openbox xdotool x11-utils imagemagick cups cups-client printer-driver-cups-pdf
               poppler-utils desktop-file-utils appstream time dpkg-dev file tesseract-ocr clang-format
               wmctrl lintian man-db weston qt6-wayland dbus dbus-x11 at-spi2-core python3-pyatspi qt6ct locales)
# The locales the language tests start the program in.
test_locales=(de_DE fr_FR es_ES pt_BR it_IT nl_NL pl_PL uk_UA tr_TR)

profile=${1:-run}
wanted=("${build_packages[@]}" "${run_packages[@]}")
[ "$profile" = test ] && wanted+=("${test_packages[@]}")

sudo=()
[ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null && sudo=(sudo)

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
  [ "${status:0:2}" = ii ] || missing+=("$package")
done

# Compiles the test locales that are missing; `locale -a` lists "de_DE.utf8" for de_DE.UTF-8.
make_test_locales() {
  [ "$profile" = test ] || return 0
  local have
  have=$(locale -a 2>/dev/null)
  for name in "${test_locales[@]}"; do
    grep -qx "$name.utf8" <<<"$have" || "${sudo[@]}" localedef -i "$name" -f UTF-8 "$name.UTF-8"
  done
}

if [ ${#missing[@]} -eq 0 ]; then
  make_test_locales
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -ne 0 ] && [ ${#sudo[@]} -eq 0 ]; then
  echo "These packages are missing and sudo is not available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
# Without systemd, the cups package says it failed to reload the service; the install still succeeds.
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
make_test_locales
