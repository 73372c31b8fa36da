#!/usr/bin/env bash
# run-benchmark.sh [BUILD_DIR]: makes the list benchmarks' 100,000 files (once), then runs
# run_bench.exe under Wine over the first 10,000 of them: a same-value date run with the window
# shown against the bare loop of time writes over the same files.
set -euo pipefail
. "$(dirname "$0")/list-files.sh"
list_bench_setup run_bench "${1:-}"

"$root/scripts/wine-emulator.sh" "$state" "$bench" "Z:${tree//\//\\}" 10000
