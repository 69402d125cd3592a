#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Queue benchmark: 5,000 files (or count) added to the main window (targets: at most 0.5 s of the
# program's CPU time; scrolling without a stall over 30 ms; at most 10 ms of the window's
# thread to save the queue after a change; a queue file under 2 MB). Median of 3 runs.
#   bench/queue_bench.sh [build-dir] [work-dir] [count]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
WORK=${2:-/tmp/clipvox-queuebench}
COUNT=${3:-5000}
RUNS=3

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLIPVOX_SANITIZE=OFF \
      -DCLIPVOX_TESTS=OFF -DCLIPVOX_BENCH=ON >/dev/null
cmake --build "$BUILD" --target bench_queue -j2 >/dev/null
mkdir -p "$WORK/videos"
for i in $(seq 0 $((COUNT - 1))); do
    f=$(printf '%s/videos/video %05d.avi' "$WORK" "$i")
    [ -e "$f" ] || : > "$f"
done

echo "| run | adding: window thread CPU (s) | adding: process CPU (s) | longest scroll stall (ms) | save on the window thread (ms) | queue file (bytes) |"
echo "|---|---|---|---|---|---|"
for r in $(seq $RUNS); do
    QT_QPA_PLATFORM=offscreen "$BUILD/bench_queue" "$COUNT" "$WORK/videos" 2>/dev/null |
        awk -v r="$r" '{print "| " r " | " $2 " | " $4 " | " $6 " | " $8 " | " $10 " |"}'
done

# The same files as a saved queue: the window's start with it, and removing one row and
# undoing that (targets at 100,000 rows: open within 2 s and 300 MB, a removal within 50 ms).
echo
echo "| run | rows | open (ms) | peak memory (MB) | remove one row (ms) | undo it (ms) |"
echo "|---|---|---|---|---|---|"
for r in $(seq $RUNS); do
    QT_QPA_PLATFORM=offscreen "$BUILD/bench_queue" "$COUNT" "$WORK/videos" --restore 2>/dev/null |
        awk -v r="$r" '{print "| " r " | " $2 " | " $4 " | " $6 " | " $8 " | " $10 " |"}'
done
