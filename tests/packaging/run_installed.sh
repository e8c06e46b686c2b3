#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the packaged program the way a desktop menu does, from the Exec line of
# its installed desktop entry, on a real X server with a window manager; checks
# that it stays up with its windows shown, then closes its windows one by one
# as a user would (Alt+F4) and expects the program to end with status 0. The
# plugins it needs (platform, print support) and the fonts it has loaded by then
# must come from packages in Depends; the desktop's optional plugins may come from
# anywhere.
#   run_installed.sh <work folder> <application id> <folder for the screenshot>
set -uo pipefail
# shellcheck source=tests/packaging/lib.sh
. "$(dirname "$0")/lib.sh"
# shellcheck source=tests/support/x_session.sh
. "$(dirname "$0")/../support/x_session.sh"
need_tool Xvfb openbox xdotool xprop dpkg-deb

work=$1 id=$2 shots=$3
root=$work/root
desktop=$root/usr/share/applications/$id.desktop
[ -f "$desktop" ] || { echo "FAIL: no installed desktop entry $desktop" >&2; exit 1; }
tmp=$(mktemp -d)
app=''
stop() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null && wait "$app" 2>/dev/null; fi
  stop_x_session
  rm -rf "$tmp"
}
trap stop EXIT

# poll <tries of 0.05 s> <command...>
poll() {
  local tries=$1; shift
  for ((i = 0; i < tries; i++)); do "$@" && return 0; sleep 0.05; done
  return 1
}

start_x_session || { echo "SKIP: no X server with a window manager could be started" >&2; exit 77; }

# The menu's launch: the Exec line without its field codes, found on the PATH.
command_line=$(desktop_value "$desktop" Exec | sed 's/ *%[fFuUick]//g')
read -r -a command <<<"$command_line"
PATH="$root/usr/bin:$PATH" XDG_DATA_DIRS="$root/usr/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
  QT_QPA_PLATFORM=xcb "${command[@]}" >"$tmp/out.log" 2>"$tmp/err.log" & app=$!

windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null; }
running() { kill -0 "$app" 2>/dev/null; }
# ended_early <when>: records how the program ended by itself and stops the checks.
ended_early() {
  wait "$app"
  fail "the program ended $1 with status $?"
  app=''
  cat "$tmp/err.log" >&2
  finish
}
if ! poll 400 windows >/dev/null; then
  running || ended_early "at start"
  fail "no window appeared within 20 s"
  finish
fi
expect_equal "the running program" "$(readlink -f "$root/usr/bin/tarnivo")" "$(readlink -f "/proc/$app/exe")"
sleep 1
running || ended_early "one second after its windows appeared"
pass "still running one second after its windows appeared"
# What the program loaded at run time, which no library scan sees.
names=$(depends_names "$(the_deb "$work/debs")")
loaded=$(awk '$6 ~ /\/qt6\/plugins\/|\/fonts\// {print $6}' "/proc/$app/maps" | sort -u)
if grep -q '/platforms/libqxcb\.so$' <<<"$loaded"; then pass "the X11 platform plugin is among the files the program maps"
else fail "the program maps no X11 platform plugin: ${loaded:-no plugin or font at all}"; fi
for file in $loaded; do
  case $file in
    # Qt loads these whenever they are installed, whether the program needs them or not:
    # they belong to the desktop (its icon formats, style, colour scheme, input method).
    */qt6/plugins/imageformats/* | */qt6/plugins/styles/* | */qt6/plugins/platformthemes/* | \
      */qt6/plugins/platforminputcontexts/*)
      pass "loaded ${file##*/} is one of the desktop's optional plugins" ;;
    *) owned_by_dependency "loaded ${file##*/}" "$file" "$names" ;;
  esac
done
for window in $(windows); do
  echo "window: $(xdotool getwindowname "$window")"
  # A dock matches running windows to the menu entry by the class in WM_CLASS.
  wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')
  expect_equal "WM_CLASS class of \"$(xdotool getwindowname "$window")\"" \
    "$(desktop_value "$desktop" StartupWMClass)" "$wm_class"
done
if command -v import >/dev/null; then
  mkdir -p "$shots"
  import -window root "$shots/installed-program.png" && echo "screen saved in $shots/installed-program.png"
fi

# Close the frontmost window of the program, again and again, until it has none left.
ended=no
for attempt in $(seq 10); do
  window=$(xdotool getactivewindow 2>/dev/null)
  windows | grep -qx "${window:-none}" || window=$(windows | head -1)
  [ -n "$window" ] || break
  echo "closing \"$(xdotool getwindowname "$window")\""
  xdotool windowactivate --sync "$window" 2>/dev/null
  xdotool key --clearmodifiers alt+F4
  if poll 60 eval '! running'; then ended=yes; break; fi
done
if [ "$ended" = yes ]; then
  wait "$app"; status=$?; app=''
  expect_equal "exit status after its windows were closed" 0 "$status"
else
  fail "the program was still running after its windows were closed $attempt times"
fi
if [ -s "$tmp/err.log" ]; then echo "the program wrote to stderr:"; cat "$tmp/err.log"; fi

finish
