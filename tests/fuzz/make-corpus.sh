#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the fuzz target's seed corpus with the ffmpeg tool: one tiny source of each kind the
# program reads (a few KB each), some with tags, chapters, a cover or two sound tracks, and
# streams that change partway. Inputs the fuzzer found (wav-float-nan.wav...) are kept as found.
# Usage: tests/fuzz/make-corpus.sh [folder]   (default: tests/fuzz/corpus)
set -euo pipefail
out=${1:-"$(dirname "$0")/corpus"}
mkdir -p "$out"
cd "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
f() { ffmpeg -v error -y -bitexact "$@"; }
tone() { echo "sine=frequency=${3:-440}:sample_rate=$1:duration=$2"; }

f -f lavfi -i "$(tone 8000 0.2)" -c:a pcm_s16le -ac 1 wav-s16-mono.wav
f -f lavfi -i "$(tone 8000 0.1 300)" -c:a pcm_f32le -ac 2 wav-float-stereo.wav
f -f lavfi -i testsrc=size=16x16:rate=1:duration=3 -f lavfi -i "$(tone 8000 3)" \
  -c:v mpeg4 -q:v 31 -c:a libmp3lame -b:a 8k -ac 1 -f avi mp3-in.avi
f -f lavfi -i "$(tone 8000 0.5)" -metadata title=Seed -metadata artist=Clipvox -metadata track=3/9 \
  -metadata date=2024 -c:a aac -b:a 12k -ac 1 aac-tags.mp4
f -f lavfi -i "$(tone 8000 1)" -c:a aac -b:a 12k -ac 1 -movflags +faststart "$tmp/full.mp4"
head -c 1400 "$tmp/full.mp4" > mp4-truncated.mp4
f -f lavfi -i "$(tone 8000 0.5)" -c:a aac -b:a 12k -ac 1 -f adts aac.adts
printf ';FFMETADATA1\ntitle=Chapters\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=3000\ntitle=Two\n' > "$tmp/chapters.txt"
f -f lavfi -i "$(tone 48000 3)" -i "$tmp/chapters.txt" -map 0 -map_metadata 1 -map_chapters 1 \
  -c:a libopus -b:a 6k -ac 1 -metadata:s:a:0 language=eng opus-chapters.mkv
f -f lavfi -i "$(tone 8000 0.4)" -f lavfi -i "$(tone 8000 0.4 660)" -map 0 -map 1 -c:a libvorbis -q:a 0 -ac 1 \
  -metadata:s:a:0 language=ger -metadata:s:a:1 language=eng -metadata:s:a:1 title=Commentary \
  -disposition:a:0 0 -disposition:a:1 default two-tracks.mka
f -f lavfi -i "$(tone 48000 0.3)" -c:a ac3 -b:a 32k -ac 1 -f mpegts ac3.ts
f -f lavfi -i "$(tone 8000 0.5)" -c:a wmav2 -b:a 24k -ac 1 -f asf wma.asf
f -f lavfi -i "$(tone 8000 0.3)" -ac 1 -f wav - 2>/dev/null | flac -s --no-padding --no-seektable -o flac.flac - 2>/dev/null
f -f lavfi -i "$(tone 8000 0.5)" -c:a libvorbis -q:a 0 -ac 1 vorbis.ogg
f -f lavfi -i "$(tone 8000 0.5)" -c:a mp2 -b:a 32k -ac 1 -f mpeg mp2.mpg
f -f lavfi -i color=c=red:size=8x8 -frames:v 1 "$tmp/cover.png"
f -f lavfi -i "$(tone 8000 0.5)" -i "$tmp/cover.png" -map 0 -map 1 -c:a libmp3lame -b:a 8k -ac 1 -c:v copy \
  -disposition:v attached_pic -id3v2_version 3 -metadata title=Cover -metadata genre=Jazz mp3-id3-cover.mp3
# Streams that change partway: two files of different rates or channels, one after the other.
f -f lavfi -i "$(tone 48000 0.3)" -c:a mp2 -b:a 32k -ac 1 -f mpegts "$tmp/a.ts"
f -f lavfi -i "$(tone 44100 0.3)" -c:a mp2 -b:a 32k -ac 1 -f mpegts "$tmp/b.ts"
cat "$tmp/a.ts" "$tmp/b.ts" > mp2-48k-then-44k.ts
f -f lavfi -i "$(tone 8000 0.5)" -c:a libmp3lame -b:a 8k -ac 2 "$tmp/st.mp3"
f -f lavfi -i "$(tone 8000 0.5)" -c:a libmp3lame -b:a 8k -ac 1 "$tmp/mo.mp3"
cat "$tmp/st.mp3" "$tmp/mo.mp3" > mp3-stereo-then-mono.mp3
f -f lavfi -i "$(tone 48000 0.3)" -c:a ac3 -b:a 96k -ac 6 -f mpegts "$tmp/a.ts"
f -f lavfi -i "$(tone 48000 0.3)" -c:a ac3 -b:a 32k -ac 2 -f mpegts "$tmp/b.ts"
cat "$tmp/a.ts" "$tmp/b.ts" > ac3-51-then-20.ts
# A float WAV with one sample far beyond full scale (an encoder aborted on such a value).
# wav-extensible-bc-sl.wav, a header naming a speaker set the resampler cannot mix, is kept as found.
f -f lavfi -i "$(tone 8000 0.2)" -c:a pcm_f32le -ac 1 wav-float-wild.wav
python3 -c 'import struct, sys; b = bytearray(open(sys.argv[1], "rb").read()); d = b.index(b"data") + 8
b[d + 400:d + 404] = struct.pack("<f", 5.6e36); open(sys.argv[1], "wb").write(b)' wav-float-wild.wav
