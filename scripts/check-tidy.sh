#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy with the project's .clang-tidy over every C++ source of the project and fails when
# it reports anything. Usage: scripts/check-tidy.sh [build-dir]   (default: build)
# The build dir must be configured and built once, so compile_commands.json and the generated
# moc/rcc files exist. Too slow for ./test; run it before sending a change.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
if [[ ! -f "$build_dir/compile_commands.json" ]]; then
    echo "No $build_dir/compile_commands.json: configure and build $build_dir first" >&2
    echo "  (cmake -S . -B $build_dir -G Ninja && ninja -C $build_dir -j2)" >&2
    exit 2
fi
tidy="$(command -v clang-tidy || command -v clang-tidy-14 || true)"
if [[ -z "$tidy" ]]; then
    echo "clang-tidy is not installed (Debian package clang-tidy)" >&2
    exit 2
fi
mapfile -t sources < <(git ls-files '*.cpp')
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
printf '%s\n' "${sources[@]}" | xargs -P 2 -n 1 "$tidy" -p "$build_dir" --quiet >"$log" 2>&1 || status=$?
findings="$(grep -cE ': (warning|error): ' "$log" || true)"
if [[ "$status" -ne 0 || "$findings" -ne 0 ]]; then
    cat "$log"
    echo "clang-tidy: $findings finding(s) in ${#sources[@]} sources" >&2
    exit 1
fi
echo "clang-tidy: ${#sources[@]} sources, no findings."
