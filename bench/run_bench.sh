#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Conversion run benchmark, on Clipvox's own run (main window, progress dialog and run
# engine, offscreen), against the ffmpeg tool on the same files, in one run, as ratios:
#  1. a queue of five 2-minute AVIs with 1 job at a time and with 2 at a time, against the
#     ffmpeg tool converting the same five one after the other (targets: at most 1.05 and
#     at most 0.55 on 2 cores); medians of 3 runs;
#  2. the longest event-loop stall while a 10-minute AVI converts, in each format
#     (target: at most 30 ms);
#  3. Cancel with 2 jobs running: from the click until the run has ended (target: 200 ms).
#   bench/run_bench.sh [build-dir] [work-dir]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
WORK=${2:-/tmp/clipvox-runbench}
RUNS=3
export QT_QPA_PLATFORM=offscreen

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLIPVOX_SANITIZE=OFF \
      -DCLIPVOX_TESTS=OFF -DCLIPVOX_BENCH=ON >/dev/null
cmake --build "$BUILD" --target bench_run -j2 >/dev/null
DRIVER=$BUILD/bench_run
mkdir -p "$WORK/out" "$WORK/ref"

# mpeg4 video with a 44.1 kHz stereo MP3 sound track, as a camera or a download gives.
make_avi() { # path seconds tone
    [ -s "$1" ] || ffmpeg -nostdin -v error -y -f lavfi -i "testsrc=size=320x240:rate=25:duration=$2" \
        -f lavfi -i "sine=frequency=$3:sample_rate=44100:duration=$2" -ac 2 \
        -c:v mpeg4 -c:a libmp3lame -b:a 128k -f avi "$1"
}
make_avi "$WORK/ten.avi" 600 440
QUEUE=()
for i in 1 2 3 4 5; do
    make_avi "$WORK/q$i.avi" 120 $((300 + 100 * i))
    QUEUE+=("$WORK/q$i.avi")
done

# What the ffmpeg tool is asked for: the run's default settings of each format.
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
ours() { # format jobs
    rm -f "$WORK/out/"*
    "$DRIVER" queue "$1" "$2" "$WORK/out" "${QUEUE[@]}" 2>/dev/null | awk '/^run_s/ {print $2}'
}

echo "## Queue of five 2-minute AVIs against the ffmpeg tool, one after the other (median of $RUNS)"
echo
echo "| format | ffmpeg tool (s) | 1 job (s) | ratio | 2 jobs (s) | ratio |"
echo "|---|---|---|---|---|---|"
for fmt in mp3 wma wav ogg; do
    one=() two=() theirs=()
    for _ in $(seq $RUNS); do
        rm -f "$WORK/ref/"*
        t0=$(now)
        for v in "${QUEUE[@]}"; do
            # shellcheck disable=SC2046
            ffmpeg -nostdin -v error -y -i "$v" -vn -ar 44100 -ac 2 $(ffmpeg_args "$fmt") \
                "$WORK/ref/$(basename "${v%.*}").$fmt"
        done
        theirs+=("$(echo "$(now) - $t0" | bc -l)")
        one+=("$(ours "$fmt" 1)")
        two+=("$(ours "$fmt" 2)")
    done
    t=$(median "${theirs[@]}")
    o=$(median "${one[@]}")
    w=$(median "${two[@]}")
    printf '| %s | %.2f | %.2f | %.2f | %.2f | %.2f |\n' "$fmt" "$t" "$o" "$(echo "$o / $t" | bc -l)" \
        "$w" "$(echo "$w / $t" | bc -l)"
done

echo
echo "## Event-loop stall during a 10-minute conversion, and Cancel with 2 jobs running"
echo
echo "| format | longest stall (ms) | run (s) | Cancel with 2 running (ms) | Cancel in the loudness pass (ms) |"
echo "|---|---|---|---|---|"
for fmt in mp3 wma wav ogg flac opus m4a; do
    rm -f "$WORK/out/"*
    res=$("$DRIVER" stall "$fmt" "$WORK/out" "$WORK/ten.avi" 2>/dev/null)
    stall=$(awk '/^stall_ms/ {print $2}' <<<"$res")
    run=$(awk '/^stall_ms/ {print $4}' <<<"$res")
    rm -f "$WORK/out/"*
    cancel=$("$DRIVER" cancel "$fmt" "$WORK/out" "$WORK/ten.avi" "$WORK/ten.avi" 2>/dev/null |
             awk '/^cancel_ms/ {print $2}')
    left=$(find "$WORK/out" -type f | wc -l)
    loud=$("$DRIVER" cancel-loud "$fmt" "$WORK/out" "$WORK/ten.avi" "$WORK/ten.avi" 2>/dev/null |
           awk '/^cancel_ms/ {print $2}')
    loudleft=$(find "$WORK/out" -type f | wc -l)
    echo "| $fmt | $stall | $run | $cancel ($left files left) | $loud ($loudleft files left) |"
done
