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


# Notes of the strictest AppStream check that the metadata keeps, with the reason
# in its comment: the id keeps its capital because desktops find the desktop
# entry and the icons, and match the program's windows to them, by that name.
appstream_notes_kept='cid-contains-uppercase-letter'
# AppStream 1.0 replaced <developer_name> by <developer>, which the 0.16 validator of Debian 12
# does not know yet; from 1.0 on it warns of a missing homepage, and Tarnivo has no web site.
if dpkg --compare-versions "$(appstreamcli --version | sed -n 's/^AppStream version: //p')" lt 1.0; then
  appstream_notes_kept+='|unknown-tag developer'
else
  appstream_notes_kept+='|url-homepage-missing'
fi

# appstream_findings <appstreamcli output>: its notes, less the ones kept above.
appstream_findings() {
  grep -E '^ *[EWIP]: ' <<<"$1" | grep -Ev ": ($appstream_notes_kept)( |$)"
}

# validate <desktop file> <metainfo file>: the checks a software centre and a
# menu run before they show the program, at their strictest.
validate() {
  local out findings
  if out=$(desktop-file-validate "$1" 2>&1) && [ -z "$out" ]; then
    pass "desktop-file-validate $(basename "$1")"
  else
    fail "desktop-file-validate $1: ${out:-exit status non-zero}"
  fi
  out=$(appstreamcli validate --pedantic --no-net "$2" 2>&1)
  local status=$?
  findings=$(appstream_findings "$out")
  # A run that ended in its verdict and found only the kept notes passes, whatever its status.
  if [ -z "$findings" ] && { [ "$status" -eq 0 ] || grep -q 'Validation failed' <<<"$out"; }; then
    pass "appstreamcli validate --pedantic $(basename "$2")"
  else
    fail "appstreamcli validate --pedantic $2: $out"
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

# depends_names <deb>: the package names in its Depends, one a line.
depends_names() {
  dpkg-deb -f "$1" Depends | tr ',|' '\n' | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d'
}

# owned_by_dependency <what> <file or pattern> <Depends names>: some package that
# owns the file is in Depends. The owner found is added to depends_used.
depends_used=''
owned_by_dependency() {
  local owners owner
  owners=$(dpkg -S "$2" 2>/dev/null | sed 's/: .*//' | tr ',' '\n' | sed 's/^ *//; s/:.*//' | sort -u)
  for owner in $owners; do
    if grep -qx "$owner" <<<"$3"; then
      pass "$1 comes from $owner"
      depends_used+="$owner"$'\n'
      return
    fi
  done
  fail "$1 ($2) comes from ${owners:-no package}, which is not in Depends: $(tr '\n' ' ' <<<"$3")"
}
