#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Debian package that build_deb.sh made and unpacked: its files and
# their places, the control fields, that its dependencies are what the program
# loads, that a desktop menu finds the program and its icon, and what lintian says.
#   check_deb.sh <work folder> <packaging folder> <application id> <project version>
set -uo pipefail
# shellcheck source=tests/packaging/lib.sh
. "$(dirname "$0")/lib.sh"
need_tool dpkg-deb dpkg-query desktop-file-validate appstreamcli readelf file fc-list lintian

work=$1 packaging=$2 id=$3 version=$4
deb=$(the_deb "$work/debs")
root=$work/root
share=$root/usr/share

# Files, places, owners and modes.
expected_files="./usr/bin/tarnivo
./usr/share/applications/$id.desktop
./usr/share/doc/tarnivo/changelog.gz
./usr/share/doc/tarnivo/copyright
./usr/share/man/man1/tarnivo.1.gz
./usr/share/metainfo/$id.metainfo.xml"
for size in 16 32 48 64 128 256; do
  expected_files+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
expected_files+=$'\n'"./usr/share/icons/hicolor/scalable/apps/$id.svg"
listing=$(dpkg-deb -c "$deb")
expect_equal "files in the package" "$(sort <<<"$expected_files")" \
  "$(awk '$1 !~ /^d/ {print $6}' <<<"$listing" | sort)"
expect_equal "entries not owned by root/root" "" "$(awk '$2 != "root/root" {print $6}' <<<"$listing")"
expect_equal "mode of the program" "-rwxr-xr-x" "$(awk '$6 == "./usr/bin/tarnivo" {print $1}' <<<"$listing")"
expect_equal "data files not -rw-r--r--" "" \
  "$(awk '$1 !~ /^d/ && $6 != "./usr/bin/tarnivo" && $1 != "-rw-r--r--" {print $6}' <<<"$listing")"

# `cmake --install` puts the same files in the same places under its prefix.
expect_equal "files from cmake --install" \
  "$(cd "$root/usr" && find . -type f | sort)" "$(cd "$work/prefix" && find . -type f | sort)"

for pair in "applications/$id.desktop:$packaging/$id.desktop" \
            "metainfo/$id.metainfo.xml:$packaging/$id.metainfo.xml" \
            "doc/tarnivo/copyright:$packaging/../LICENSE" \
            "icons/hicolor/48x48/apps/$id.png:$packaging/icons/hicolor/48x48/apps/$id.png" \
            "icons/hicolor/scalable/apps/$id.svg:$packaging/icons/hicolor/scalable/apps/$id.svg"; do
  if cmp -s "$share/${pair%%:*}" "${pair#*:}"; then pass "installed ${pair%%:*} is the source file"
  else fail "installed ${pair%%:*} differs from ${pair#*:}"; fi
done
for pair in "man/man1/tarnivo.1.gz:$packaging/tarnivo.1" "doc/tarnivo/changelog.gz:$packaging/changelog"; do
  if zcat "$share/${pair%%:*}" | cmp -s - "${pair#*:}"; then pass "installed ${pair%%:*} is the source file compressed"
  else fail "installed ${pair%%:*} does not unpack to ${pair#*:}"; fi
done
kind=$(file -b "$root/usr/bin/tarnivo")
if [[ $kind != ELF*executable* ]]; then
  fail "usr/bin/tarnivo is not an executable: $kind"
elif [[ $kind != *", stripped"* ]]; then
  fail "the program is not stripped: $kind"
else
  pass "the program is a stripped executable"
fi
# The one hardening measure lintian does not look for.
if grep -q ' __stack_chk_fail@' <<<"$(readelf --dyn-syms -W "$root/usr/bin/tarnivo")"; then
  pass "the program is built with the stack protector"
else
  fail "the program does not call the stack protector's __stack_chk_fail"
fi

# What a menu and a software centre read.
desktop=$share/applications/$id.desktop
validate "$desktop" "$share/metainfo/$id.metainfo.xml"
exec_name=$(desktop_value "$desktop" Exec | cut -d' ' -f1)
if [ -x "$root/usr/bin/$exec_name" ]; then pass "Exec=$exec_name is the installed program"
else fail "Exec=$exec_name names no program in usr/bin"; fi
icon=$(desktop_value "$desktop" Icon)
expect_equal "Icon= is a bare theme name" "$id" "$icon"
# A theme lookup searches only the folders that the theme's index lists.
theme_index=/usr/share/icons/hicolor/index.theme
found=0
for file in "$share"/icons/hicolor/*/apps/"$icon".*; do
  [ -e "$file" ] || continue
  found=$((found + 1))
  folder=${file#"$share"/icons/hicolor/}
  folder=${folder%/*}
  if [ -f "$theme_index" ]; then
    if grep -q "^\[$folder\]" "$theme_index"; then pass "icon folder $folder is part of the hicolor theme"
    else fail "icon folder $folder is not listed in $theme_index"; fi
  fi
done
expect_equal "icons the theme name resolves to" 7 "$found"
[ -f "$theme_index" ] || echo "note: $theme_index is missing; icon folders checked by name only"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
expect_equal "Package" tarnivo "$(field Package)"
expect_equal "Version" "$version" "$(field Version)"
expect_equal "Architecture" "$(dpkg --print-architecture)" "$(field Architecture)"
expect_equal "Section" education "$(field Section)"
expect_equal "Maintainer" "Tarnivo developers <developers@tarnivo.org>" "$(field Maintainer)"
expect_equal "package file name" "tarnivo_${version}_$(dpkg --print-architecture).deb" "$(basename "$deb")"
if [[ $(field Description) == *"For teachers"* ]]; then pass "the description speaks to teachers"
else fail "the description does not say what the program does for teachers"; fi

# Dependencies: named, installable here, covering what the program loads and
# naming nothing else. (run_installed.sh checks what the running program maps.)
depends=$(field Depends)
names=$(depends_names "$deb")
# The libraries' package names differ between releases (libqt6core6, libqt6core6t64): the
# libraries are checked below through the files the program links.
for package in fonts-liberation fonts-dejavu-core; do
  if grep -qx "$package" <<<"$names"; then pass "Depends names $package"
  else fail "Depends lacks $package: $depends"; fi
done
while IFS= read -r clause; do
  clause=$(sed 's/^[[:space:]]*//; s/[[:space:]]*$//' <<<"$clause")
  package=${clause%% *}
  installed=$(dpkg-query -W -f='${db:Status-Abbrev}${Version}' "$package" 2>/dev/null)
  if [ "${installed:0:2}" != ii ]; then
    fail "dependency $package is not installed on this machine"
  elif [[ $clause =~ \((.*)\ (.*)\) ]] && \
       ! dpkg --compare-versions "${installed:3}" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"; then
    fail "dependency $clause: installed version is ${installed:3}"
  else
    pass "dependency $clause is met here"
  fi
done < <(tr ',' '\n' <<<"$depends")

for library in $(readelf -d "$root/usr/bin/tarnivo" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  owned_by_dependency "library $library" "*/$library" "$names"
done
owned_by_dependency "the X11 platform plugin" "*/qt6/plugins/platforms/libqxcb.so" "$names"
owned_by_dependency "the CUPS print plugin" "*/qt6/plugins/printsupport/libcupsprintersupport.so" "$names"
# The toolkit asks for these faces in place of the ones the windows name.
for face in "Liberation Sans" "Liberation Sans Narrow" "Liberation Serif" "DejaVu Sans"; do
  file=$(fc-list ":family=$face" file | head -1 | sed 's/: *$//')
  if [ -n "$file" ]; then owned_by_dependency "font $face" "$file" "$names"; else fail "no font $face here"; fi
done
for package in $names; do
  if grep -qx "$package" <<<"$depends_used"; then pass "Depends names $package for something the program loads"
  else fail "Depends names $package, which holds nothing the program loads"; fi
done

# Recommends: fonts for names in every large script and Qt's own texts in the program's
# languages, each installable here.
recommends=$(dpkg-deb -f "$deb" Recommends | tr ',' '\n' | sed 's/[[:space:]]//g' | sed '/^$/d')
for script in hi bn gu pa kn ml or ta te si th zh-cn ja ko he ar; do
  owners=$(fc-list ":lang=$script" file | sed 's/: *$//' | xargs -r -d '\n' dpkg-query -S 2>/dev/null | cut -d: -f1 | sort -u)
  covered=$(grep -xF -f <(printf '%s\n' $recommends $names) <<<"$owners" | head -1)
  if [ -n "$covered" ]; then pass "names in :lang=$script have a font the package asks for ($covered)"
  else fail "no font for :lang=$script comes from a package the package depends on or recommends (${owners:-none here})"; fi
done
if grep -qx qt6-translations-l10n <<<"$recommends"; then pass "Recommends qt6-translations-l10n for Qt's own texts"
else fail "Recommends lacks qt6-translations-l10n"; fi
for package in $recommends; do
  if apt-cache show "$package" >/dev/null 2>&1; then pass "recommended $package is available"
  else fail "recommended $package is not a package here"; fi
done

# What a Debian developer runs on a package: any error or warning fails, and so
# does any hardening hint; the pedantic and informational tags are shown.
lintian_out=$(lintian -I -E --pedantic "$deb" 2>"$work/lintian.err")
lintian_status=$?
echo "lintian -I -E --pedantic $(basename "$deb"):"
echo "${lintian_out:-(no tags)}"
lintian_faults=$(grep -E '^[EW]: |hardening-' <<<"$lintian_out")
# lintian fails the metadata on any note of the AppStream validator; only the notes kept above
# for a reason (a missing homepage) may stand behind that.
if grep -q 'appstream-metadata-validation-failed' <<<"$lintian_faults" &&
   [ -z "$(appstream_findings "$(appstreamcli validate-tree --no-net "$root" 2>&1)" | grep -v 'dir-no-metadata-found')" ]; then
  echo "note: lintian's appstream-metadata-validation-failed stands for the kept notes only: $appstream_notes_kept"
  lintian_faults=$(grep -v 'appstream-metadata-validation-failed' <<<"$lintian_faults")
fi
if [ -n "$lintian_faults" ]; then
  fail "lintian: $lintian_faults"
elif [ "$lintian_status" -ne 0 ]; then
  fail "lintian ended with status $lintian_status: $(cat "$work/lintian.err")"
else
  pass "lintian finds no error, warning or hardening hint"
fi

finish
