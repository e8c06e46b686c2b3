#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a C++ source of the project is not formatted by .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find app engine ui tests bench tools -name '*.cpp' -o -name '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "All ${#sources[@]} sources are formatted."
