#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Peak resident memory: a whole set worked through (offscreen, then on a private X
# server), and the real program sitting at start-up on that X server.
# Usage: bench/memory.sh [build-dir]   (default build; needs tarnivo and bench/whole_set_memory)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
program=$build/tarnivo
driver=$build/bench/whole_set_memory
for file in "$program" "$driver"; do
    [ -x "$file" ] || { echo "no program at $file: build it first" >&2; exit 2; }
done
# shellcheck source=tests/support/x_session.sh
. "$here/../tests/support/x_session.sh"

APP_PID=
cleanup() {
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null; wait "$APP_PID" 2>/dev/null; fi
    stop_x_session
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "== a whole set, offscreen"
QT_QPA_PLATFORM=offscreen "$driver" 2>/dev/null || exit 1

start_x_session || exit 1
echo "== a whole set, on X ($DISPLAY, with openbox)"
QT_QPA_PLATFORM=xcb "$driver" 2>/dev/null || exit 1

echo "== the program at start-up, on X"
QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
APP_PID=$!
for _ in $(seq 400); do
    [ "$(windows_shown "Please Sign In" "Tarnivo Practice")" -ge 2 ] && break
    sleep 0.05
done
# Let it run a few flashes of the sign-in prompt before reading its peak.
sleep 3
grep -E '^(VmHWM|VmRSS)' "/proc/$APP_PID/status"
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null
APP_PID=
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
