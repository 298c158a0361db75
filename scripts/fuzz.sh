#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for SECONDS (default 30) from the seed corpus in
# tests/fuzz/corpus. New inputs go to build-fuzz/corpus, never into the repository; a crashing input
# is kept in build-fuzz/crashes and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_all -j "$(nproc)"

mkdir -p build-fuzz/crashes
failed=0
for target in build-fuzz/tests/fuzz/fuzz_*; do
    name="${target##*/fuzz_}"
    work="build-fuzz/corpus/$name"
    mkdir -p "$work"
    log="build-fuzz/$name.log"
    if "$target" "$work" "tests/fuzz/corpus/$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crashes/$name-" -max_len=65536 >"$log" 2>&1; then
        echo "$name: $(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*') runs, no finding"
    else
        echo "$name: FINDING, see $log and build-fuzz/crashes/"
        tail -n 40 "$log"
        failed=1
    fi
done
exit "$failed"
