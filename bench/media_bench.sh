#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Media benchmark: our one-pass job against the ffmpeg tool doing the same conversion in one
# command and against the format's encoder alone fed the sound already decoded to WAV, on a
# 10-minute AVI and WMV; medians of 3 runs as ratios, with peak memory and the bytes written
# per job over the output's size; then even loudness on against off, against the ffmpeg tool
# in two steps, and the limiter against lowering the whole clip; then the peak memory for a
# 2-hour source.
#   bench/media_bench.sh [build-dir] [work-dir]
# SOURCES and FORMATS (space-separated) narrow the comparison table; TABLES names the tables
# made (default all: compare loudness replaygain twostep limiter memory).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
WORK=${2:-/tmp/clipvox-bench}
RUNS=3
TABLES=${TABLES:-compare loudness replaygain twostep limiter memory}
want() { [[ " $TABLES " == *" $1 "* ]]; }

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLIPVOX_SANITIZE=OFF \
      -DCLIPVOX_TESTS=OFF -DCLIPVOX_BENCH=ON >/dev/null
cmake --build "$BUILD" --target bench_media -j2 >/dev/null
DRIVER="$BUILD/bench_media"
mkdir -p "$WORK"
cd "$WORK"

# name, seconds, video size and rate, codecs
make_source() {
    [ -s "$1" ] && return
    echo "making $1 ..." >&2
    ffmpeg -v error -y -f lavfi -i "testsrc=size=$3:duration=$2" \
        -f lavfi -i "anoisesrc=color=pink:amplitude=0.2:sample_rate=44100:duration=$2" -ac 2 \
        "${@:4}" "$1"
}
make_source ten.avi 600 320x240:rate=25 -c:v mpeg4 -c:a libmp3lame -b:a 128k
want compare && make_source ten.wmv 600 320x240:rate=25 -c:v wmv2 -c:a wmav2 -b:a 128k
want memory && make_source long.avi 7200 64x48:rate=2 -c:v mpeg4 -c:a libmp3lame -b:a 128k

# Prints "wall_seconds cpu_seconds peak_kb" for one run of a command.
timed() {
    /usr/bin/time -f "%e %U %S %M" -o time.txt "$@" >out.txt 2>err.txt || { cat err.txt >&2; exit 1; }
    awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' time.txt
}
middle() { sort -g | sed -n "$(( (RUNS + 1) / 2 ))p"; }

# Runs the ffmpeg tool and our driver in turns, so that load from elsewhere hits both alike,
# and prints the ratios of the medians (wall and CPU) and both peak memories in MB.
compare() { # source format
    local fw=() ew=() ow=() fm=0 om=0 w c m
    ffmpeg -v error -y -i "$1" -vn -c:a pcm_s16le -ar 44100 -ac 2 decoded.wav
    for _ in $(seq $RUNS); do
        # shellcheck disable=SC2046
        read -r w c m < <(timed ffmpeg -v error -y -i "$1" -vn $(ffargs "$2") "ref.$2")
        fw+=("$w"); (( m > fm )) && fm=$m
        # shellcheck disable=SC2046
        read -r w c m < <(timed $(alone "$2"))
        ew+=("$w")
        read -r w c m < <(timed "$DRIVER" "$1" "ours.$2")
        ow+=("$w"); (( m > om )) && om=$m
    done
    local FW EW OW written
    FW=$(printf '%s\n' "${fw[@]}" | middle); EW=$(printf '%s\n' "${ew[@]}" | middle)
    OW=$(printf '%s\n' "${ow[@]}" | middle)
    written=$(awk '/^write_bytes/ { print $2 }' out.txt)
    printf '%s %s %s %s %s %s %d %d\n' "$FW" "$EW" "$OW" "$(echo "$OW / $FW" | bc -l)" \
        "$(echo "$OW / $EW" | bc -l)" "$(echo "$written / $(stat -c %s "ours.$2")" | bc -l)" \
        $(( om / 1024 )) $(( fm / 1024 ))
}

alone() { # the format's encoder alone on the decoded WAV
    case $1 in
        mp3) echo "ffmpeg -v error -y -i decoded.wav -c:a libmp3lame -b:a 128k alone.mp3" ;;
        ogg) echo "ffmpeg -v error -y -i decoded.wav -c:a libvorbis -q:a 5 alone.ogg" ;;
        wma) echo "ffmpeg -v error -y -i decoded.wav -c:a wmav2 -b:a 128k alone.wma" ;;
        wav) echo "cp decoded.wav alone.wav" ;;
        flac) echo "flac -s -f -5 -o alone.flac decoded.wav" ;;
        opus) echo "opusenc --quiet --bitrate 128 --vbr decoded.wav alone.opus" ;;
        m4a) echo "ffmpeg -v error -y -i decoded.wav -c:a aac -b:a 192k alone.m4a" ;;
    esac
}

ffargs() { # the ffmpeg tool's one-command conversion for a format
    case $1 in
        mp3) echo "-c:a libmp3lame -b:a 128k" ;;
        ogg) echo "-c:a libvorbis -q:a 5" ;;
        wma) echo "-c:a wmav2 -b:a 128k -ar 44100 -ac 2" ;;
        wav) echo "-c:a pcm_s16le -ar 44100 -ac 2" ;;
        flac) echo "-c:a flac -compression_level 5 -sample_fmt s16 -ar 44100 -ac 2" ;;
        opus) echo "-c:a libopus -b:a 128k -vbr on -ac 2" ;;
        m4a) echo "-c:a aac -b:a 192k -ar 44100 -ac 2" ;;
    esac
}

want compare && echo "| source | output | ffmpeg tool s | encoder alone s | ours s | ours / ffmpeg | ours / encoder alone | written / output size | ours peak MB | ffmpeg peak MB |"
want compare && echo "|---|---|---|---|---|---|---|---|---|---|"
want compare && for src in ${SOURCES:-ten.avi ten.wmv}; do
    for fmt in ${FORMATS:-mp3 ogg wma wav flac opus m4a}; do
        read -r a e b r q d om fm < <(compare "$src" $fmt)
        printf '| %s | %s | %.2f | %.2f | %.2f | %.2f | %.2f | %.3f | %d | %d |\n' \
            "$src" "$fmt" "$a" "$e" "$b" "$r" "$q" "$d" "$om" "$fm"
    done
done

# The same job of ours with loudness evened to -16 LUFS against without: ratio of medians.
loudness() { # source format
    local off=() on=() w
    for _ in $(seq $RUNS); do
        read -r w _ _ < <(timed "$DRIVER" "$1" "ours.$2"); off+=("$w")
        read -r w _ _ < <(timed "$DRIVER" "$1" "ours.$2" -16); on+=("$w")
    done
    local OFF ON
    OFF=$(printf '%s\n' "${off[@]}" | middle); ON=$(printf '%s\n' "${on[@]}" | middle)
    printf '%s %s %s\n' "$OFF" "$ON" "$(echo "$ON / $OFF" | bc -l)"
}
want loudness && echo && echo "| source | output | loudness off wall s | loudness -16 LUFS wall s | ratio |"
want loudness && echo "|---|---|---|---|---|"
want loudness && for fmt in ${FORMATS:-mp3 ogg wma wav flac opus m4a}; do
    read -r a b r < <(loudness ten.avi $fmt)
    printf '| ten.avi | %s | %.2f | %.2f | %.2f |\n' "$fmt" "$a" "$b" "$r"
done

# ReplayGain tags (track; the meter rides the encoding pass) against loudness off: ratio of
# medians, and the track's loudness as measured.
replaygain() { # source format
    local off=() on=() w
    for _ in $(seq $RUNS); do
        read -r w _ _ < <(timed "$DRIVER" "$1" "ours.$2"); off+=("$w")
        read -r w _ _ < <(timed "$DRIVER" "$1" "ours.$2" rg); on+=("$w")
    done
    local OFF ON
    OFF=$(printf '%s\n' "${off[@]}" | middle); ON=$(printf '%s\n' "${on[@]}" | middle)
    printf '%s %s %s %s\n' "$OFF" "$ON" "$(echo "$ON / $OFF" | bc -l)" "$(awk '/^lufs/ { print $2 }' out.txt)"
}
want replaygain && echo && echo "| source | output | loudness off wall s | ReplayGain tags wall s | ratio | track LUFS |"
want replaygain && echo "|---|---|---|---|---|---|"
want replaygain && for fmt in ${FORMATS:-mp3 ogg wma wav flac opus m4a}; do
    read -r a b r l < <(replaygain ten.avi $fmt)
    printf '| ten.avi | %s | %.2f | %.2f | %.2f | %s |\n' "$fmt" "$a" "$b" "$r" "$l"
done

# Loudness by changing the sound against the ffmpeg tool doing the same job in two steps:
# ebur128 measuring, then volume and encoding (the gain it read); ratio of medians.
twostep() { # source format
    local i gain
    i=$(ffmpeg -nostats -v info -i "$1" -vn -af ebur128=peak=true -f null - 2>&1 | awk '/^ *I:/ { v = $2 } END { print v }')
    gain=$(echo "-16 - ($i)" | bc -l)
    # shellcheck disable=SC2046
    ffmpeg -v error -y -i "$1" -vn -af "volume=${gain}dB" $(ffargs "$2") "ref.$2"
}
want twostep && echo && echo "| source | output | ffmpeg tool, ebur128 then volume s | ours -16 LUFS s | ratio |"
want twostep && echo "|---|---|---|---|---|"
want twostep && for fmt in ${FORMATS:-mp3 ogg wma wav flac opus m4a}; do
    ref=() ours=()
    for _ in $(seq $RUNS); do
        read -r w _ _ < <(timed bash -c "$(declare -f twostep ffargs); twostep ten.avi $fmt"); ref+=("$w")
        read -r w _ _ < <(timed "$DRIVER" ten.avi "ours.$fmt" -16); ours+=("$w")
    done
    R=$(printf '%s\n' "${ref[@]}" | middle); O=$(printf '%s\n' "${ours[@]}" | middle)
    printf '| ten.avi | %s | %.2f | %.2f | %.2f |\n' "$fmt" "$R" "$O" "$(echo "$O / $R" | bc -l)"
done

# The limiter: drums whose peaks hold -16 LUFS 5 LU short, limited against lowered as a whole.
D="0.27*sin(2*PI*55*t)*exp(-10*mod(t\\,0.5))+0.8*(random(1)*2-1)*exp(-400*mod(t+0.25\\,0.5))"
D="$D+0.15*(random(1)*2-1)*exp(-25*mod(t+0.25\\,0.5))+0.05*(random(1)*2-1)*exp(-60*mod(t\\,0.125))"
want limiter && { [ -s drums.avi ] || ffmpeg -v error -y -f lavfi -i "testsrc=size=320x240:rate=25:duration=600" \
    -f lavfi -i "aevalsrc=$D|$D:s=88200:d=600" -af aresample=44100:resampler=soxr \
    -c:v mpeg4 -c:a libmp3lame -b:a 192k drums.avi; }
want limiter && echo && echo "| source | output | lower the clip s | limit the peaks s | ratio | LUFS lowered | LUFS limited |"
want limiter && echo "|---|---|---|---|---|---|---|"
want limiter && for fmt in ${FORMATS:-mp3 ogg wma wav flac opus m4a}; do
    lower=() limit=()
    for _ in $(seq $RUNS); do
        read -r w _ _ < <(timed "$DRIVER" drums.avi "ours.$fmt" -16 lower); lower+=("$w")
        a=$(awk '/^lufs/ { print $2 }' out.txt)
        read -r w _ _ < <(timed "$DRIVER" drums.avi "ours.$fmt" -16); limit+=("$w")
        b=$(awk '/^lufs/ { print $2 }' out.txt)
    done
    L=$(printf '%s\n' "${lower[@]}" | middle); M=$(printf '%s\n' "${limit[@]}" | middle)
    printf '| drums.avi | %s | %.2f | %.2f | %.2f | %s | %s |\n' "$fmt" "$L" "$M" "$(echo "$M / $L" | bc -l)" "$a" "$b"
done

if want memory; then
    read -r _ _ lm < <(timed "$DRIVER" long.avi long.mp3)
    read -r _ _ lw < <(timed "$DRIVER" long.avi long.wav)
    echo
    echo "2-hour AVI: peak memory $(( lm / 1024 )) MB to MP3, $(( lw / 1024 )) MB to WAV"
fi
rm -f ref.* ours.* alone.* decoded.wav long.mp3 long.wav time.txt err.txt out.txt
