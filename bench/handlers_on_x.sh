#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the window benchmarks on a private X server with a window manager, so that the
# repaints go all the way to an X display. Arguments after the build dir go to the
# benchmark program (e.g. --benchmark_filter=Submit).
# Usage: bench/handlers_on_x.sh [build-dir] [benchmark options...]   (default build)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
shift $(( $# > 0 ? 1 : 0 ))
program=$build/bench/bench_windows
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 2; }
# shellcheck source=tests/support/x_session.sh
. "$here/../tests/support/x_session.sh"
trap stop_x_session EXIT
trap 'exit 130' INT TERM

start_x_session || exit 1
echo "display $DISPLAY"
QT_QPA_PLATFORM=xcb "$program" "$@"
