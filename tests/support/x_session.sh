# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the measuring scripts and the packaging test: a private X server with a
# window manager, started and stopped by process id. After start_x_session, DISPLAY
# names the new server.

XVFB_PID=
WM_PID=

start_x_session() {
    local numberFile
    numberFile=$(mktemp)
    # -displayfd picks a free display number and writes it once the server accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 200); do
        [ -s "$numberFile" ] && break
        sleep 0.05
    done
    if [ ! -s "$numberFile" ]; then
        echo "Xvfb did not start" >&2
        rm -f "$numberFile"
        stop_x_session
        return 1
    fi
    DISPLAY=":$(tr -d '[:space:]' <"$numberFile")"
    export DISPLAY
    rm -f "$numberFile"

    # openbox runs its start-up command once it manages windows, a little after it
    # names itself on the root window.
    local readyFile
    readyFile=$(mktemp -u)
    openbox --sm-disable --startup "touch $readyFile" >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 200); do
        if [ -e "$readyFile" ]; then rm -f "$readyFile"; return 0; fi
        sleep 0.05
    done
    echo "openbox did not take over $DISPLAY" >&2
    stop_x_session
    return 1
}

stop_x_session() {
    if [ -n "$WM_PID" ]; then kill "$WM_PID" 2>/dev/null; wait "$WM_PID" 2>/dev/null; WM_PID=; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=; fi
}

# How many windows with one of these exact titles are mapped and viewable (one X query).
windows_shown() {
    local titles
    titles=$(IFS='|'; echo "$*")
    xdotool search --onlyvisible --name "^($titles)\$" 2>/dev/null | wc -l
}
