#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs fuzz targets for MINUTES (default 30) each, all of them at once (or only the NAMEs given:
# ProjectFile, OldProjectFile, UnpackImage, JsonProject, LanguageFile, SettingsFile, Markup,
# TransferEngine), with their corpora growing in build-fuzz/corpus, then minimises each corpus.
# Prints one line per target: executions, corpus size before and after minimising, and whether it
# found anything (a crashing input lands in build-fuzz/crashes/ and the script fails).
#   scripts/fuzz-long.sh MINUTES [NAME ...]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-30}"
shift || true

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_all -j "$(nproc)"

names=("$@")
if [ "${#names[@]}" -eq 0 ]; then
    for target in build-fuzz/tests/fuzz/fuzz_*; do names+=("${target##*/fuzz_}"); done
fi
mkdir -p build-fuzz/crashes
pids=()
for name in "${names[@]}"; do
    target="build-fuzz/tests/fuzz/fuzz_$name"
    [ -x "$target" ] || { echo "$name: no such fuzz target" >&2; exit 2; }
    mkdir -p "build-fuzz/corpus/$name"
    "$target" "build-fuzz/corpus/$name" "tests/fuzz/corpus/$name" -max_total_time=$((minutes * 60)) \
        -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$name-" -max_len=65536 \
        >"build-fuzz/$name.long.log" 2>&1 &
    pids+=($!)
done

failed=0
for i in "${!names[@]}"; do
    name="${names[$i]}"
    status=0
    wait "${pids[$i]}" || status=$?
    log="build-fuzz/$name.long.log"
    runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*' || echo 0)
    # Minimising: keep only the inputs that reach coverage no smaller set reaches.
    before=$(find "build-fuzz/corpus/$name" -type f | wc -l)
    rm -rf "build-fuzz/corpus/$name.min"
    mkdir -p "build-fuzz/corpus/$name.min"
    "build-fuzz/tests/fuzz/fuzz_$name" -merge=1 "build-fuzz/corpus/$name.min" "build-fuzz/corpus/$name" \
        >"build-fuzz/$name.merge.log" 2>&1
    rm -rf "build-fuzz/corpus/$name"
    mv "build-fuzz/corpus/$name.min" "build-fuzz/corpus/$name"
    after=$(find "build-fuzz/corpus/$name" -type f | wc -l)
    if [ "$status" -eq 0 ]; then
        echo "$name: $runs runs in $minutes min, corpus $before -> $after inputs, no finding"
    else
        echo "$name: FINDING after $runs runs, see $log and build-fuzz/crashes/"
        tail -n 40 "$log"
        failed=1
    fi
done
exit "$failed"
