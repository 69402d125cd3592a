#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-License-Identifier: GPL-3.0-or-later
# Naming benchmark: how long `clipvox --convert` takes to decide its names before the work
# starts, from its start until the first job's hidden temporary appears in the output folder
# (then it is interrupted), as wall time and as the processor time of all its threads (which
# a busy machine does not inflate), medians of 3 runs:
#  1. 10,000 files in 10,000 folders that share one name, into one folder (target: 2 s);
#  2. one file split into 10,000 chapters, --split-chapters (target: 5 s);
# and, for the record, how many of those chapters the whole run converts in 20 s.
#   bench/names_bench.sh [build-dir] [work-dir]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
WORK=${2:-/tmp/clipvox-namesbench}
RUNS=3
COUNT=10000

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLIPVOX_SANITIZE=OFF \
      -DCLIPVOX_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target clipvox -j2 >/dev/null
CLIPVOX=$BUILD/clipvox
mkdir -p "$WORK/config/clipvox"
: >"$WORK/config/clipvox/setup.ini"
export XDG_CONFIG_HOME=$WORK/config

# A one-second video, linked as d/N/clip.avi into COUNT folders.
[ -s "$WORK/one.avi" ] || ffmpeg -nostdin -v error -y -f lavfi -i "color=size=32x32:rate=5:duration=1" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=1" -c:v mpeg4 -c:a libmp3lame "$WORK/one.avi"
if [ ! -e "$WORK/d/$COUNT/clip.avi" ]; then
    for i in $(seq 1 $COUNT); do
        mkdir -p "$WORK/d/$i"
        ln -f "$WORK/one.avi" "$WORK/d/$i/clip.avi"
    done
fi
# A 100-second MKV with COUNT chapters of 10 ms.
if [ ! -s "$WORK/many.mkv" ]; then
    { echo ";FFMETADATA1"
      for i in $(seq 0 $((COUNT - 1))); do
          printf '[CHAPTER]\nTIMEBASE=1/1000\nSTART=%d\nEND=%d\ntitle=Part %d\n' $((i * 10)) $((i * 10 + 10)) $((i + 1))
      done; } >"$WORK/chapters.txt"
    ffmpeg -nostdin -v error -y -f lavfi -i "color=size=32x32:rate=1:duration=100" \
        -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=100" -i "$WORK/chapters.txt" \
        -map 0 -map 1 -map_chapters 2 -c:v mpeg4 -c:a libmp3lame -b:a 64k "$WORK/many.mkv"
fi

now() { date +%s.%N; }
median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }

# Seconds from the start of clipvox with the given arguments until its first temporary, and
# its processor seconds then; checks that the interrupted run still says one line per job
# and ends with 130.
until_work() {
    rm -rf "$WORK/out"
    mkdir "$WORK/out"
    local t0 t1 pid code=0
    t0=$(now)
    "$CLIPVOX" --convert --output "$WORK/out" "$@" >"$WORK/lines.txt" 2>/dev/null &
    pid=$!
    until compgen -G "$WORK/out/.*.clipvox-*" >/dev/null; do
        kill -0 $pid 2>/dev/null || { echo "clipvox ended before any work" >&2; exit 1; }
        sleep 0.005
    done
    t1=$(now)
    local cpu
    cpu=$(awk '{ print ($14 + $15) / 100 }' /proc/$pid/stat)
    kill -INT $pid
    wait $pid || code=$?
    [ "$code" = 130 ] && [ "$(wc -l <"$WORK/lines.txt")" = $COUNT ] ||
        { echo "interrupted run: exit $code, $(wc -l <"$WORK/lines.txt") lines" >&2; exit 1; }
    echo "$(echo "$t1 - $t0" | bc) $cpu"
}

echo "| case | until the work starts, wall s | processor s |"
echo "|---|---|---|"
row() { # label, then the arguments of clipvox
    local label=$1 wall=() cpu=() w c
    shift
    for _ in $(seq $RUNS); do
        read -r w c < <(until_work "$@")
        wall+=("$w") cpu+=("$c")
    done
    printf '| %s | %.2f | %.2f |\n' "$label" "$(median "${wall[@]}")" "$(median "${cpu[@]}")"
}
row "$COUNT files sharing one name" "$WORK"/d/*/clip.avi
row "one file split into $COUNT chapters" --split-chapters "$WORK/many.mkv"

rm -rf "$WORK/out"
mkdir "$WORK/out"
timeout -s INT 20 "$CLIPVOX" --convert --jobs 2 --format mp3 --split-chapters --output "$WORK/out" "$WORK/many.mkv" \
    >"$WORK/lines.txt" 2>/dev/null || true
echo
echo "Chapters converted in 20 s (--jobs 2, MP3): $(grep -c '^ok' "$WORK/lines.txt")"
