#!/usr/bin/env bash
# list-benchmark.sh [BUILD_DIR [FULL_COUNT]]: makes 100,000 files in 1,000 folders under the
# build folder (once; later runs reuse them), then runs list_bench.exe over them under Wine with
# the window shown: the floor (bare listing plus rows with ready texts), the row reader, the
# single-file queries and the main window's AddFileToList (for the first FULL_COUNT files, all
# by default), in total and per entry.
set -euo pipefail
. "$(dirname "$0")/list-files.sh"
list_bench_setup list_bench "${1:-}"

# The program times itself; the emulator brings up a Wine environment for the run if none is up.
"$root/scripts/wine-emulator.sh" "$state" "$bench" "Z:${tree//\//\\}" ${2:+"$2"}
