#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One window for every start: under a session bus of its own, a first clipvox opens its
# window with one video; a second `clipvox VIDEO` hands its video to that window and ends
# at once with 0. The window's setup.ini shows the hand-over: adding files records their
# folder as the last one, and only the first window can have written the second folder.
# A start without a session bus keeps its own window.
# Usage: single_window.sh PATH-TO-CLIPVOX (run under dbus-run-session)
set -euo pipefail
clipvox=$(realpath "$1")
fail() { echo "single_window failed: $*" >&2; exit 1; }
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"

scratch=$(mktemp -d)
first=
cleanup() { [ -z "$first" ] || kill "$first" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" XDG_STATE_HOME="$scratch/state"
mkdir -p "$scratch/one" "$scratch/two" "$scratch/config/clipvox"
# No tip window at start: nothing stands in front of the queue.
printf '[tips]\nshowtip=0\n' > "$scratch/config/clipvox/setup.ini"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=1" -f lavfi -i "testsrc=size=64x48:rate=10:duration=1" \
  -c:a aac -c:v mpeg4 "$scratch/one/a.mp4" || fail "ffmpeg could not make the test video"
cp "$scratch/one/a.mp4" "$scratch/two/b.mp4"
ini="$scratch/config/clipvox/setup.ini"

# Waits (up to a minute, checking every tenth of a second) until setup.ini names the folder.
wait_for_folder() {
  for _ in $(seq 600); do
    grep -qxF "lastfolder=$1" "$ini" 2>/dev/null && return 0
    kill -0 "$first" 2>/dev/null || fail "the first clipvox ended: $(cat "$scratch/first.log")"
    sleep 0.1
  done
  fail "the window did not queue the video of $1: $(cat "$ini")"
}

(cd "$scratch/one" && exec "$clipvox" a.mp4) > "$scratch/first.log" 2>&1 &
first=$!
wait_for_folder "$scratch/one/"
# A relative name, from another folder: the window resolves it where it was given.
rc=0
(cd "$scratch" && timeout 60 "$clipvox" two/b.mp4) > "$scratch/second.log" 2>&1 || rc=$?
[ "$rc" -eq 0 ] || fail "the second clipvox exited with $rc: $(cat "$scratch/second.log")"
wait_for_folder "$scratch/two/"
kill -0 "$first" 2>/dev/null || fail "the first clipvox ended"

# Without a session bus the second start opens a window of its own and keeps running.
rc=0
DBUS_SESSION_BUS_ADDRESS=unix:path=$scratch/no-bus timeout 3 "$clipvox" "$scratch/two/b.mp4" \
  > "$scratch/alone.log" 2>&1 || rc=$?
[ "$rc" -eq 124 ] || fail "without a session bus clipvox ended with $rc: $(cat "$scratch/alone.log")"
echo "a second clipvox handed its video to the first window and ended"
