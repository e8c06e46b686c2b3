# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the measuring scripts and the packaging test: a private X server with a
# window manager, started and stopped by process id. After start_x_session, DISPLAY
# names the new server.

# Times are written and read with a decimal point, also when the programs are started in a
# locale that writes a comma (LANG=de_DE.UTF-8); the programs' language follows LANG still.
export LC_NUMERIC=C
XVFB_PID=
WM_PID=
# The program start_program started, and how long its windows took to come up.
PROGRAM_PID=
SHOWN_MS=
# The titles of the program's two windows; the bare Qt program of bench/ copies them.
# Started in a translated locale, the program's titles are those of its translations.
WINDOW_TITLES=("Please Sign In" "Tarnivo Practice"
               "Bitte anmelden" "Tarnivo – Übung" "Identifiez-vous" "Tarnivo – Entraînement"
               "Identifícate" "Tarnivo – Práctica" "Identifique-se" "Tarnivo – Prática"
               "Accedi" "Tarnivo – Esercitazione" "Meld je aan" "Tarnivo – Oefenen"
               "Zaloguj się" "Tarnivo – ćwiczenia" "Увійдіть" "Tarnivo – вправи"
               "Giriş yap" "Tarnivo – Alıştırma")

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
    stop_program
    if [ -n "$WM_PID" ]; then kill "$WM_PID" 2>/dev/null; wait "$WM_PID" 2>/dev/null; WM_PID=; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=; fi
}

# How many windows with one of these exact titles are mapped and viewable (one X query).
windows_shown() {
    local titles
    titles=$(IFS='|'; echo "$*")
    xdotool search --onlyvisible --name "^($titles)\$" 2>/dev/null | wc -l
}

# start_program <path>: starts a program on the session's display and waits until both
# windows are shown, polling with no pause (one xdotool run a poll, the resolution of
# the figure). SHOWN_MS is the time from just before the start. Fails when the program
# ends or 20 s pass first.
start_program() {
    local begin=$EPOCHREALTIME
    QT_QPA_PLATFORM=xcb "$1" >/dev/null 2>&1 &
    PROGRAM_PID=$!
    local deadline=$((${begin%.*} + 20))
    while [ "${EPOCHREALTIME%.*}" -lt "$deadline" ]; do
        if [ "$(windows_shown "${WINDOW_TITLES[@]}")" -ge 2 ]; then
            # shellcheck disable=SC2034 # read by the scripts that source this one
            SHOWN_MS=$(awk -v a="$begin" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
            return 0
        fi
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
    done
    echo "$1: the windows did not both appear" >&2
    stop_program
    return 1
}

# Stops what start_program started and waits until its windows are gone from the
# server, so that the next start does not find them still there.
stop_program() {
    [ -n "$PROGRAM_PID" ] || return 0
    kill "$PROGRAM_PID" 2>/dev/null
    wait "$PROGRAM_PID" 2>/dev/null
    PROGRAM_PID=
    for _ in $(seq 500); do
        [ "$(windows_shown "${WINDOW_TITLES[@]}")" -eq 0 ] && return 0
        sleep 0.01
    done
}
