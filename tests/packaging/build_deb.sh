#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the program in a build folder of its own, as a packager would (no tests,
# no benchmarks), makes the Debian package with CPack and unpacks it, and also
# installs the same build with `cmake --install`, for the checks that follow.
#   build_deb.sh <source folder> <work folder> <generator> <C++ compiler>
set -euo pipefail
# shellcheck source=tests/packaging/lib.sh
. "$(dirname "$0")/lib.sh"
need_tool cmake cpack dpkg-deb

src=$1 work=$2 generator=$3 compiler=$4
build=$work/build
mkdir -p "$work"
rm -rf "$work/debs" "$work/root" "$work/prefix"

cmake -S "$src" -B "$build" -G "$generator" -DCMAKE_CXX_COMPILER="$compiler" \
      -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTARNIVO_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel 2
(cd "$build" && cpack -G DEB -B "$work/debs")
cmake --install "$build" --prefix "$work/prefix" >/dev/null

deb=$(the_deb "$work/debs")
dpkg-deb -x "$deb" "$work/root"
echo "made $(basename "$deb") ($(stat -c %s "$deb") bytes)"
