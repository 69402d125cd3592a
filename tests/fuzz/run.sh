#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the media fuzz target from the seed corpus, with what it finds kept in a scratch folder
# that starts empty, so that a run with a fixed -seed and -runs walks the same inputs each time.
# The tests run a short fixed walk; a developer runs a long random one, for example:
#   tests/fuzz/run.sh build-test/fuzz/clipvox_fuzz -max_total_time=3600
# and puts each input it reports (under the scratch folder's artifacts/) into the corpus once
# the fault is mended.
# Usage: tests/fuzz/run.sh FUZZER [libFuzzer options...]   (scratch: $CLIPVOX_FUZZ_SCRATCH,
# default: a folder beside FUZZER)
set -euo pipefail
fuzzer=$1
shift
corpus="$(cd "$(dirname "$0")" && pwd)/corpus"
scratch=${CLIPVOX_FUZZ_SCRATCH:-"$(dirname "$fuzzer")/scratch"}
rm -rf "$scratch/found"
mkdir -p "$scratch/found" "$scratch/artifacts"
# One allocation over 512 MB for a source of a few KB is a fault, as is a crash.
exec "$fuzzer" -rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=30 -print_final_stats=1 \
  -artifact_prefix="$scratch/artifacts/" "$@" "$scratch/found" "$corpus"
