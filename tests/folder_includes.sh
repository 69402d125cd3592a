#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The source folders include each other without a loop, directly or around a circle: each
# folder's includes of other folders are the edges, and tsort refuses a graph with a loop.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
edges=$(for dir in app cli clip core desktop engine extras formats main media progress settings; do
    grep -ho '#include "[a-z]*/' "$dir"/*.cpp "$dir"/*.h "$dir"/*/*.cpp "$dir"/*/*.h 2>/dev/null | sed 's/#include "//; s/\///' |
        sort -u | grep -vx "$dir" | sed "s/^/$dir /" || true
done)
if ! printf '%s\n' "$edges" | tsort >/dev/null 2>/tmp/folder_includes.$$; then
    cat /tmp/folder_includes.$$ >&2
    rm -f /tmp/folder_includes.$$
    echo "folder includes form a loop" >&2
    exit 1
fi
rm -f /tmp/folder_includes.$$
