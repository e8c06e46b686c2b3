#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time from starting the program until both of its windows are on the screen, on a
# private X server with a window manager: median, fastest and slowest of N starts.
# Usage: bench/startup_time.sh [path/to/tarnivo] [starts]   (default build/tarnivo, 20)
set -u
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/tarnivo}
starts=${2:-20}
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 2; }
for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
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

start_x_session || exit 1
echo "display $DISPLAY, program $program, $starts starts"

titles=("Please Sign In" "Tarnivo Practice")
times=()
onCpu=()
for run in $(seq "$starts"); do
    begin=$EPOCHREALTIME
    QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    APP_PID=$!
    # No pause between polls: one poll is one xdotool run, whose own time is the
    # resolution of the figure (printed below).
    shown=
    deadline=$(( ${begin%.*} + 20 ))
    while [ "${EPOCHREALTIME%.*}" -lt "$deadline" ]; do
        if [ "$(windows_shown "${titles[@]}")" -ge 2 ]; then
            shown=$EPOCHREALTIME
            break
        fi
        kill -0 "$APP_PID" 2>/dev/null || break
    done
    # What the program's threads spent on a CPU and waiting for one, so far: on a busy
    # machine the waiting, not the program, makes most of the time.
    cpu=$(cat "/proc/$APP_PID/task/"*/schedstat 2>/dev/null |
        awk '{ on += $1; waiting += $2 } END { printf "%.1f %.1f", on / 1e6, waiting / 1e6 }')
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=
    if [ -z "$shown" ]; then
        echo "start $run: the windows did not both appear" >&2
        exit 1
    fi
    ms=$(awk -v a="$begin" -v b="$shown" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
    times+=("$ms")
    onCpu+=("${cpu% *}")
    printf 'start %2d: %7.1f ms   (program on a CPU %5.1f ms, waiting for a CPU %5.1f ms)\n' "$run" "$ms" "${cpu% *}" "${cpu#* }"
    # The next start must not find this one's windows still on the server.
    while [ "$(windows_shown "${titles[@]}")" -gt 0 ]; do sleep 0.01; done
done

summary() {
    sort -n | awk -v what="$1" '
        { t[NR] = $1 }
        END {
            median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
            printf "%s: median %.1f ms, min %.1f ms, max %.1f ms (%d starts)\n", what, median, t[1], t[NR], NR
        }'
}
printf '%s\n' "${times[@]}" | summary "both windows shown after"
printf '%s\n' "${onCpu[@]}" | summary "program's own CPU time until then"
poll_begin=$EPOCHREALTIME
for _ in $(seq 20); do windows_shown "${titles[@]}" >/dev/null; done
awk -v a="$poll_begin" -v b="$EPOCHREALTIME" 'BEGIN { printf "one poll (one xdotool run) takes %.1f ms\n", (b - a) * 1000 / 20 }'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

