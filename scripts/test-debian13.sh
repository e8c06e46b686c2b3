#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs ./test for the committed HEAD inside a Debian 13 ("trixie") chroot beside this machine's
# Debian, so one machine proves both releases. Needs root (or sudo) for debootstrap, chroot and
# the bind mounts. The chroot is kept between runs (TARNIVO_DEBIAN13_ROOT, default
# /var/cache/tarnivo/debian13); every bind mount made here is undone when the script ends, also
# when it fails or is interrupted.
#   scripts/test-debian13.sh              the whole ./test inside the chroot
#   scripts/test-debian13.sh --prepare    only make the chroot and install the test packages
# Extra environment for ./test inside (TARNIVO_SANITIZE_PASS=0, say) passes through as is.
set -euo pipefail
cd "$(dirname "$0")/.."

root=${TARNIVO_DEBIAN13_ROOT:-/var/cache/tarnivo/debian13}
mirror=${TARNIVO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
mode=${1:-test}

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

if ! command -v debootstrap >/dev/null; then
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends debootstrap
fi

if [ ! -e "$root/.tarnivo-ready" ]; then
  echo "== Making a Debian 13 chroot in $root (a few minutes, once per machine)"
  "${sudo[@]}" rm -rf "$root"
  "${sudo[@]}" mkdir -p "$root"
  "${sudo[@]}" debootstrap --variant=minbase trixie "$root" "$mirror" >/dev/null
  "${sudo[@]}" tee "$root/etc/apt/sources.list" >/dev/null <<LIST
deb $mirror trixie main
deb $mirror trixie-updates main
deb ${mirror%/debian}/debian-security trixie-security main
LIST
  "${sudo[@]}" touch "$root/.tarnivo-ready"
fi
"${sudo[@]}" cp /etc/resolv.conf "$root/etc/resolv.conf"

mounted=()
unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    "${sudo[@]}" umount "${mounted[i]}" || "${sudo[@]}" umount -l "${mounted[i]}" || true
  done
}
trap unmount_all EXIT
trap 'exit 130' INT TERM
for m in proc sys dev dev/pts dev/shm; do
  if ! mountpoint -q "$root/$m"; then
    "${sudo[@]}" mount --bind "/$m" "$root/$m"
    mounted+=("$root/$m")
  fi
done

inside() { "${sudo[@]}" chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
                                  LANG=C.UTF-8 CI="${CI:-}" \
                                  TARNIVO_SANITIZE_PASS="${TARNIVO_SANITIZE_PASS:-}" /bin/bash -c "$1"; }

inside 'command -v git >/dev/null && dpkg -s locales >/dev/null 2>&1 ||
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            git ca-certificates locales sudo >/dev/null; }'

# The commit under test, never the working tree; the build folders stay between runs.
work=$root/root/tarnivo
"${sudo[@]}" rm -rf "$work/src"
"${sudo[@]}" mkdir -p "$work"
"${sudo[@]}" git clone -q --no-hardlinks "$PWD" "$work/src"
"${sudo[@]}" git -C "$work/src" checkout -q "$(git rev-parse HEAD)"

if [ "$mode" = --prepare ]; then
  inside 'cd /root/tarnivo/src && scripts/install-deps.sh test'
  exit 0
fi

echo "== Debian 13 ($(inside '. /etc/os-release; echo "$PRETTY_NAME"')): ./test"
inside 'cd /root/tarnivo/src && ./test'
