#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy over the program's own sources with the checks of .clang-tidy (functions of at
# most 80 lines, Qt's naming): any finding fails.
#   tests/tidy.sh BUILD-DIR   (a build folder with compile_commands.json)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
cd "$root"
find app cli clip core desktop engine extras formats main media progress settings -name '*.cpp' -print0 |
  xargs -0 -P"$(nproc)" -n4 clang-tidy -p "$build" --quiet 2>&1 | grep -E "(warning|error):" && exit 1
exit 0
