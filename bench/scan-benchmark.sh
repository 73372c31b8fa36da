#!/usr/bin/env bash
# scan-benchmark.sh [BUILD_DIR [RUNS]]: makes 100,000 files in 1,000 folders under the build
# folder (once; shared with list-benchmark.sh), then runs scan_bench.exe over them under Wine
# with the window shown: the folder command (files only) from the command to its completion
# with every file in the list, beside the floor (a bare FindFirstFileW walk plus the same rows,
# ready made, into a list view), by turns, best of RUNS (five by default); and how long posted
# messages waited meanwhile.
set -euo pipefail
. "$(dirname "$0")/list-files.sh"
list_bench_setup scan_bench "${1:-}"

# The program times itself; the emulator brings up a Wine environment for the run if none is up.
"$root/scripts/wine-emulator.sh" "$state" "$bench" "Z:${tree//\//\\}" ${2:+"$2"}
