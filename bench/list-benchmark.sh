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

if [ ! -f "$tree.complete" ]; then
    echo "making 100,000 files in 1,000 folders under $tree (once)..."
    rm -rf "$tree"
    extensions=(.txt .doc .JPG .mp3 .ini .msi "" .tar.gz .Txt .gif)
    for folder in $(seq -w 0 999); do
        mkdir -p "$tree/d$folder"
        names=()
        for file in $(seq -w 0 99); do
            names+=("$tree/d$folder/f$file${extensions[$((10#$file % ${#extensions[@]}))]}")
        done
        touch "${names[@]}"
    done
    # Some sizes that are not 0, one of them over 4 GiB (sparse).
    truncate -s 1234567 "$tree"/d*/f00.txt
    truncate -s 4096 "$tree"/d*/f11.doc
    truncate -s 5368709127 "$tree/d000/f20.txt"
    # Owned by whoever Wine runs as, so that they are not all read-only to it.
    [ "$(wine_user)" = "$(id -un)" ] || chown -R "$(wine_user):" "$tree"
    touch "$tree.complete"
fi

# The program times itself; the emulator brings up a Wine environment for the run if none is up.
"$root/scripts/wine-emulator.sh" "$state" "$bench" "Z:${tree//\//\\}" ${2:+"$2"}
