#!/usr/bin/env bash
# list-benchmark.sh [BUILD_DIR [FULL_COUNT]]: makes 100,000 files in 1,000 folders under the
# build folder (once; later runs reuse them), then runs list_bench.exe over them under Wine with
# the window shown: the floor (bare listing plus rows with ready texts), the row reader, the
# single-file queries and the main window's AddFileToList (for the first FULL_COUNT files, all
# by default), in total and per entry.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build/windows}")
bench=$build/bench/list_bench.exe
state=$build/wine
tree=$build/bench/list-files
[ -f "$bench" ] || { echo "no $bench: cmake --build --preset windows --target list_bench" >&2; exit 2; }
WINE_STATE=$state
. "$root/scripts/wine-lib.sh"
. "$root/bench/file-tree.sh"
make_file_tree "$tree"

# The program times itself; the emulator brings up a Wine environment for the run if none is up.
"$root/scripts/wine-emulator.sh" "$state" "$bench" "Z:${tree//\//\\}" ${2:+"$2"}
