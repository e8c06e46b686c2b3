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
# shellcheck source=bench/x_session.sh
. "$here/x_session.sh"

APP_PID=
cleanup() {
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null; wait "$APP_PID" 2>/dev/null; fi
    stop_x_session
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_x_session || exit 1
echo "display $DISPLAY, program $program, $starts starts"

times=()
for run in $(seq "$starts"); do
    begin=$EPOCHREALTIME
    QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    APP_PID=$!
    # The practice window is shown first and the sign-in window in front of it, so the
    # sign-in title is the one to wait for; the practice title is then checked as well.
    shown=
    deadline=$(( ${begin%.*} + 20 ))
    while [ "${EPOCHREALTIME%.*}" -lt "$deadline" ]; do
        if window_shown "Please Sign In" && window_shown "Tarnivo Practice"; then
            shown=$EPOCHREALTIME
            break
        fi
        kill -0 "$APP_PID" 2>/dev/null || break
    done
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=
    if [ -z "$shown" ]; then
        echo "start $run: the windows did not both appear" >&2
        exit 1
    fi
    ms=$(awk -v a="$begin" -v b="$shown" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
    times+=("$ms")
    printf 'start %2d: %7.1f ms\n' "$run" "$ms"
    # The next start must not find this one's windows still on the server.
    while window_shown "Please Sign In" || window_shown "Tarnivo Practice"; do sleep 0.01; done
done

printf '%s\n' "${times[@]}" | sort -n | awk '
    { t[NR] = $1 }
    END {
        median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "both windows shown after: median %.1f ms, min %.1f ms, max %.1f ms (%d starts)\n", median, t[1], t[NR], NR
    }'
