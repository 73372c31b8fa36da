#!/usr/bin/env bash
# run-benchmark.sh [BUILD_DIR]: makes 10,000 files in 100 folders under the build folder (once),
# then runs run_bench.exe over them under Wine: a same-value date run with the window shown
# against the bare loop of time writes over the same files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build/windows}")
bench=$build/bench/run_bench.exe
state=$build/wine
tree=$build/bench/run-files
[ -f "$bench" ] || { echo "no $bench: cmake --build --preset windows --target run_bench" >&2; exit 2; }
WINE_STATE=$state
. "$root/scripts/wine-lib.sh"

if [ ! -f "$tree.complete" ]; then
    echo "making 10,000 files in 100 folders under $tree (once)..."
    rm -rf "$tree"
    for folder in $(seq -w 0 99); do
        mkdir -p "$tree/d$folder"
        touch $(printf "$tree/d$folder/f%02d.txt " $(seq 0 99))
    done
    # Owned by whoever Wine runs as, so that they are not read-only to it.
    [ "$(wine_user)" = "$(id -un)" ] || chown -R "$(wine_user):" "$tree"
    touch "$tree.complete"
fi

"$root/scripts/wine-emulator.sh" "$state" "$bench" "Z:${tree//\//\\}"
