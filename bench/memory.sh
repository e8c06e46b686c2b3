#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Peak resident memory: a whole set worked through (offscreen, then on a private X
# server), and on that X server tarnivo sitting at start-up beside bench/bare_windows
# (two empty windows like tarnivo's, the floor), three starts of each in turn, with
# tarnivo's median over the bare program's.
# Usage: bench/memory.sh [build-dir]   (default build; needs tarnivo, bench/whole_set_memory
# and bench/bare_windows)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
driver=$build/bench/whole_set_memory
programs=("$build/tarnivo" "$build/bench/bare_windows")
for file in "$driver" "${programs[@]}"; do
    [ -x "$file" ] || { echo "no program at $file: build it first" >&2; exit 2; }
done
# shellcheck source=tests/support/x_session.sh
. "$here/../tests/support/x_session.sh"
trap stop_x_session EXIT
trap 'exit 130' INT TERM

echo "== a whole set, offscreen"
QT_QPA_PLATFORM=offscreen "$driver" 2>/dev/null || exit 1

start_x_session || exit 1
echo "== a whole set, on X ($DISPLAY, with openbox)"
QT_QPA_PLATFORM=xcb "$driver" 2>/dev/null || exit 1

echo "== at start-up, on X"
declare -A peaks
for run in 1 2 3; do
    for program in "${programs[@]}"; do
        name=$(basename "$program")
        start_program "$program" || exit 1
        # Let it run a few flashes of the sign-in prompt before reading its peak.
        sleep 3
        peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$PROGRAM_PID/status")
        stop_program
        peaks[$name]+="$peak "
        printf 'start %d %-12s peak resident set size %6d KiB (%.1f MiB)\n' "$run" "$name" "$peak" "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')"
    done
done
median() { tr ' ' '\n' | grep . | sort -n | awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }
awk -v t="$(median <<<"${peaks[tarnivo]}")" -v b="$(median <<<"${peaks[bare_windows]}")" \
    'BEGIN { printf "median peak: tarnivo %d KiB, bare_windows %d KiB; tarnivo / bare_windows: %.2f (target at most 1.3)\n", t, b, t / b }'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
