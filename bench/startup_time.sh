#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time from starting a program until both of its windows are on the screen, on a
# private X server with a window manager: tarnivo and bench/bare_windows (two empty
# windows like tarnivo's, the floor) started in turn, N times each. Prints the median,
# fastest and slowest of each and tarnivo's medians over the bare program's.
# Usage: bench/startup_time.sh [build-dir] [starts]   (default build, 20)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
starts=${2:-20}
programs=("$build/tarnivo" "$build/bench/bare_windows")
for program in "${programs[@]}"; do
    [ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 2; }
done
for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done
# shellcheck source=tests/support/x_session.sh
. "$here/../tests/support/x_session.sh"
trap stop_x_session EXIT
trap 'exit 130' INT TERM

start_x_session || exit 1
echo "display $DISPLAY, $starts starts of each program, in turn"

# The CPU time of the whole process, finished threads included, read from the kernel's
# process clock (clock id -8 * pid - 6) by one helper started beforehand, so that reading
# it takes microseconds, not a new interpreter's start.
coproc CPU_CLOCK { perl -MTime::HiRes=clock_gettime -ne '$| = 1; printf "%.1f\n", clock_gettime(-8 * $_ - 6) * 1000'; }
process_cpu_ms() {
    echo "$1" >&"${CPU_CLOCK[1]}"
    read -r -u "${CPU_CLOCK[0]}" cpuMs
    echo "$cpuMs"
}

declare -A shown onCpu
for run in $(seq "$starts"); do
    for program in "${programs[@]}"; do
        name=$(basename "$program")
        start_program "$program" || exit 1
        cpu=$(process_cpu_ms "$PROGRAM_PID")
        # How long its running threads waited for a CPU, so far: on a busy machine the
        # waiting, not the program, makes most of the time.
        waiting=$(cat "/proc/$PROGRAM_PID/task/"*/schedstat 2>/dev/null | awk '{ w += $2 } END { printf "%.1f", w / 1e6 }')
        stop_program
        shown[$name]+="$SHOWN_MS "
        onCpu[$name]+="$cpu "
        printf 'start %2d %-12s %7.1f ms   (on a CPU %5.1f ms, waiting for a CPU %5.1f ms)\n' \
            "$run" "$name" "$SHOWN_MS" "$cpu" "$waiting"
    done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }
summary() {
    tr ' ' '\n' | grep . | sort -n | awk -v what="$1" '
        { t[NR] = $1 }
        END {
            median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
            printf "%s: median %.1f ms, min %.1f ms, max %.1f ms (%d starts)\n", what, median, t[1], t[NR], NR
        }'
}
for name in tarnivo bare_windows; do
    summary "$name, both windows shown after" <<<"${shown[$name]}"
    summary "$name, its own CPU time until then" <<<"${onCpu[$name]}"
done
awk -v t="$(median <<<"${shown[tarnivo]}")" -v b="$(median <<<"${shown[bare_windows]}")" \
    -v tc="$(median <<<"${onCpu[tarnivo]}")" -v bc="$(median <<<"${onCpu[bare_windows]}")" \
    'BEGIN { printf "tarnivo / bare_windows: %.2f shown (target at most 1.15), %.2f CPU time (target at most 1.3)\n", t / b, tc / bc }'
poll_begin=$EPOCHREALTIME
for _ in $(seq 20); do windows_shown "${WINDOW_TITLES[@]}" >/dev/null; done
awk -v a="$poll_begin" -v b="$EPOCHREALTIME" 'BEGIN { printf "one poll (one xdotool run) takes %.1f ms\n", (b - a) * 1000 / 20 }'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
