#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Clip editor benchmark, on Clipvox's own editor opened from the main window's edit command:
#  1. the longest event-loop stall while the editor opens a 10-minute source, plays, seeks
#     five times and closes (target: at most 100 ms), offscreen and, when xvfb-run and
#     openbox are at hand, in a real X window with the player drawing into it;
#  2. the time until the sound strip is complete for 10-minute and 2-hour sources (targets
#     1.5 s and 15 s), beside the ffmpeg tool decoding the same sound alone (-vn -f null).
# Medians of 3 runs.
#   bench/editor_bench.sh [build-dir] [work-dir]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
WORK=${2:-/tmp/clipvox-editorbench}
RUNS=3

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLIPVOX_SANITIZE=OFF \
      -DCLIPVOX_TESTS=OFF -DCLIPVOX_BENCH=ON >/dev/null
cmake --build "$BUILD" --target bench_editor -j2 >/dev/null
DRIVER=$BUILD/bench_editor
mkdir -p "$WORK"

make_source() { # path seconds video codecs...
    [ -s "$1" ] && return
    echo "making $1 ..." >&2
    ffmpeg -nostdin -v error -y -f lavfi -i "testsrc=size=$3:duration=$2" \
        -f lavfi -i "anoisesrc=color=pink:amplitude=0.2:sample_rate=44100:duration=$2" -ac 2 \
        "${@:4}" "$1"
}
make_source "$WORK/ten.avi" 600 320x240:rate=25 -c:v mpeg4 -c:a libmp3lame -b:a 128k -f avi
make_source "$WORK/ten.mpg" 600 320x240:rate=25 -c:v mpeg1video -c:a mp2 -b:a 192k -f mpeg
make_source "$WORK/long.avi" 7200 64x48:rate=2 -c:v mpeg4 -c:a libmp3lame -b:a 128k -f avi

now() { date +%s.%N; }
median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }

# Prints "longest open seeks close" as medians of the runs, by the longest stall.
stalls() { # runner...
    local lines=()
    for _ in $(seq $RUNS); do
        lines+=("$("$@" 2>/dev/null | awk '/^stall_ms/ {print $2, $4, $6, $8}')")
    done
    printf '%s\n' "${lines[@]}" | sort -g | sed -n "$(( (RUNS + 1) / 2 ))p"
}
offscreen() { QT_QPA_PLATFORM=offscreen "$DRIVER" stall "$1"; }
x11() {
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
        'openbox >/dev/null 2>&1 & sleep 1; QT_QPA_PLATFORM=xcb "$0" stall "$1"' "$DRIVER" "$1"
}

echo "## Longest stall of the window: open, play, five seeks, close (median of $RUNS)"
echo
echo "| source | platform | longest stall (ms) | opening (ms) | seeks (ms) | closing (ms) |"
echo "|---|---|---|---|---|---|"
for src in ten.avi ten.mpg; do
    read -r all open seeks close < <(stalls offscreen "$WORK/$src")
    echo "| $src | offscreen | $all | $open | $seeks | $close |"
    if command -v xvfb-run >/dev/null && command -v openbox >/dev/null; then
        read -r all open seeks close < <(stalls x11 "$WORK/$src")
        echo "| $src | X11 (Xvfb), picture drawn | $all | $open | $seeks | $close |"
    fi
done

echo
echo "## Sound strip complete, from the edit command (median of $RUNS)"
echo
echo "| source | strip complete (s) | ffmpeg tool, sound alone (s) | ratio |"
echo "|---|---|---|---|"
for src in ten.avi ten.mpg long.avi; do
    ours=() theirs=()
    for _ in $(seq $RUNS); do
        ours+=("$(QT_QPA_PLATFORM=offscreen "$DRIVER" strip "$WORK/$src" 2>/dev/null | awk '/^strip_s/ {print $2}')")
        t0=$(now)
        ffmpeg -nostdin -v error -i "$WORK/$src" -vn -f null -
        theirs+=("$(echo "$(now) - $t0" | bc -l)")
    done
    o=$(median "${ours[@]}")
    t=$(median "${theirs[@]}")
    printf '| %s | %.2f | %.2f | %.2f |\n' "$src" "$o" "$t" "$(echo "$o / $t" | bc -l)"
done
