#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Command-line benchmark: `clipvox --convert` on five 2-minute AVIs against the ffmpeg tool
# converting the same five one after the other, with one job and with two at a time;
# medians of 3 runs as ratios (targets: at most 1.05 with one job, 0.60 with two).
#   bench/cli_bench.sh [build-dir] [work-dir]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
WORK=${2:-/tmp/clipvox-clibench}
RUNS=3

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLIPVOX_SANITIZE=OFF \
      -DCLIPVOX_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target clipvox -j2 >/dev/null
mkdir -p "$WORK/out" "$WORK/ref" "$WORK/config/clipvox"
# The command line reads the window's settings: here the defaults, in a folder of its own.
: >"$WORK/config/clipvox/setup.ini"
export XDG_CONFIG_HOME=$WORK/config

QUEUE=()
for i in 1 2 3 4 5; do
    f=$WORK/q$i.avi
    [ -s "$f" ] || ffmpeg -nostdin -v error -y -f lavfi -i "testsrc=size=320x240:rate=25:duration=120" \
        -f lavfi -i "sine=frequency=$((300 + 100 * i)):sample_rate=44100:duration=120" -ac 2 \
        -c:v mpeg4 -c:a libmp3lame -b:a 128k -f avi "$f"
    QUEUE+=("$f")
done

ffmpeg_args() {
    case $1 in
        mp3) echo "-c:a libmp3lame -b:a 128k" ;;
        wma) echo "-c:a wmav2 -b:a 128k" ;;
        wav) echo "-c:a pcm_s16le" ;;
        ogg) echo "-c:a libvorbis -b:a 128k" ;;
    esac
}
now() { date +%s.%N; }
median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }

echo "| format | ffmpeg tool, one after the other (s) | clipvox --convert (s) | ratio | --jobs 2 (s) | ratio |"
echo "|---|---|---|---|---|---|"
for fmt in mp3 wma wav ogg; do
    ref=() one=() two=()
    for _ in $(seq $RUNS); do
        rm -f "$WORK/ref/"* "$WORK/out/"*
        t0=$(now)
        for f in "${QUEUE[@]}"; do
            # shellcheck disable=SC2046
            ffmpeg -nostdin -v error -y -i "$f" -vn -ar 44100 -ac 2 $(ffmpeg_args "$fmt") \
                "$WORK/ref/$(basename "${f%.*}").$fmt"
        done
        t1=$(now)
        "$BUILD/clipvox" --convert --overwrite --jobs 1 --format "$fmt" --output "$WORK/out" "${QUEUE[@]}" >/dev/null
        t2=$(now)
        "$BUILD/clipvox" --convert --overwrite --jobs 2 --format "$fmt" --output "$WORK/out" "${QUEUE[@]}" >/dev/null
        t3=$(now)
        ref+=("$(echo "$t1 - $t0" | bc)") one+=("$(echo "$t2 - $t1" | bc)") two+=("$(echo "$t3 - $t2" | bc)")
    done
    r=$(median "${ref[@]}") a=$(median "${one[@]}") b=$(median "${two[@]}")
    printf '| %s | %.2f | %.2f | %.2f | %.2f | %.2f |\n' "$fmt" "$r" "$a" "$(echo "$a / $r" | bc -l)" \
        "$b" "$(echo "$b / $r" | bc -l)"
done
