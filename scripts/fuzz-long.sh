#!/usr/bin/env bash
# Runs every fuzz target for HOURS (default 4) each, one after another, with the corpora growing in
# build-fuzz/corpus. Start it in the evening; read build-fuzz/*.log and build-fuzz/crashes/ after.
set -euo pipefail
cd "$(dirname "$0")/.."
hours="${1:-4}"
exec scripts/fuzz.sh "$((hours * 3600))"
