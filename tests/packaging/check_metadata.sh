#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop entry and the metadata in the source tree are valid and name the
# program by one application id everywhere; the change log and the manual page
# are well formed and name this version.
#   check_metadata.sh <packaging folder> <application id> <project version>
set -uo pipefail
# shellcheck source=tests/packaging/lib.sh
. "$(dirname "$0")/lib.sh"
need_tool desktop-file-validate appstreamcli dpkg-parsechangelog man

dir=$1 id=$2 version=$3
desktop=$dir/$id.desktop
metainfo=$dir/$id.metainfo.xml
[ -f "$desktop" ] || { echo "FAIL: no desktop entry $desktop" >&2; exit 1; }
[ -f "$metainfo" ] || { echo "FAIL: no metadata $metainfo" >&2; exit 1; }

validate "$desktop" "$metainfo"

expect_equal "metadata id" "$id" "$(xml_text "$metainfo" id)"
expect_equal "metadata launchable" "$id.desktop" "$(xml_text "$metainfo" launchable)"
expect_equal "desktop entry icon" "$id" "$(desktop_value "$desktop" Icon)"
expect_equal "program named by the entry and the metadata" \
  "$(xml_text "$metainfo" binary)" "$(desktop_value "$desktop" Exec | cut -d' ' -f1)"
expect_equal "newest release in the metadata" "$version" \
  "$(sed -n 's|.*<release version="\([^"]*\)".*|\1|p' "$metainfo" | head -1)"
expect_equal "newest entry in the change log" "$version" "$(dpkg-parsechangelog -l "$dir/changelog" -S Version 2>&1)"
expect_equal "what man says about the manual page" "" \
  "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$dir/tarnivo.1" 2>&1 >/dev/null)"
expect_equal "version in the manual page" "Tarnivo $version" "$(sed -n 's/^\.TH [^"]*"\([^"]*\)".*/\1/p' "$dir/tarnivo.1")"

# A menu and a software centre show the program in the user's language, as the program speaks it.
description=$(sed -n '/^  <description>/,/^  <\/description>/p' "$metainfo")
for lang in de es fr pt_BR it nl pl uk tr; do
  for key in GenericName Comment Keywords; do
    value=$(desktop_value "$desktop" "$key\\[$lang\\]")
    if [ -n "$value" ] && [ "$value" != "$(desktop_value "$desktop" "$key")" ]; then pass "desktop entry $key[$lang]"
    else fail "desktop entry has no $key in $lang"; fi
  done
  summary=$(sed -n 's|.*<summary xml:lang="'"$lang"'">\([^<]*\)</summary>.*|\1|p' "$metainfo")
  if [ -n "$summary" ]; then pass "metadata summary in $lang"; else fail "metadata has no summary in $lang"; fi
  expect_equal "paragraphs of the description in $lang" "$(grep -c '^ *<p>' <<<"$description")" \
    "$(grep -c '<p xml:lang="'"$lang"'">' <<<"$description")"
done

# French typography: a no-break space before ":", ";", "?" and "!" and inside « », never an ordinary one.
french=$(awk '/xml:lang="fr"/,/<\/p>|<\/summary>/' "$metainfo"; grep '^[A-Za-z]*\[fr\]=' "$desktop")
if grep -qE ' [:;?!»]|« ' <<<"$french"; then fail "an ordinary space at a French colon or quote: $(grep -E ' [:;?!»]|« ' <<<"$french")"
else pass "French no-break spaces"; fi

for size in 16 32 48 64 128 256; do
  png=$dir/icons/hicolor/${size}x${size}/apps/$id.png
  if [ -f "$png" ]; then
    expect_equal "icon $(basename "$png") at $size px" "${size} x ${size}" \
      "$(file -b "$png" | sed -n 's/^PNG image data, \([0-9]* x [0-9]*\),.*/\1/p')"
  else
    fail "missing icon $png"
  fi
done
if [ -f "$dir/icons/hicolor/scalable/apps/$id.svg" ]; then pass "scalable icon"; else fail "missing scalable icon"; fi

finish
