# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Shared by the packaging checks: sourced, never run.

failures=0

# Records a failed check and goes on, so one run reports every fault at once.
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

pass() { echo "ok: $*"; }

# expect_equal <what> <expected> <actual>
expect_equal() {
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: expected '$2', got '$3'"; fi
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}

# A tool the check cannot do without: exit 77, which CTest reports as skipped.
need_tool() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
  done
}

# The value of a key in the [Desktop Entry] group of a desktop file.
desktop_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$2"'=//p}' "$1" | head -1
}


# validate <desktop file> <metainfo file>: the checks a software centre and a
# menu run before they show the program.
validate() {
  local out
  if out=$(desktop-file-validate "$1" 2>&1) && [ -z "$out" ]; then
    pass "desktop-file-validate $(basename "$1")"
  else
    fail "desktop-file-validate $1: ${out:-exit status non-zero}"
  fi
  if out=$(appstreamcli validate --no-net "$2" 2>&1); then
    pass "appstreamcli validate $(basename "$2")"
  else
    fail "appstreamcli validate $2: $out"
  fi
}

# The text of the first <element ...>text</element> of an XML file (one line each here).
xml_text() {
  sed -n 's|.*<'"$2"'[^>]*>\([^<]*\)</'"$2"'>.*|\1|p' "$1" | head -1
}

# The one tarnivo .deb in a folder.
the_deb() {
  local debs=("$1"/tarnivo_*.deb)
  if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected one tarnivo .deb in $1" >&2
    exit 1
  fi
  echo "${debs[0]}"
}
