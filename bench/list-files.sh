# Sourced by the list benchmarks' scripts: list_bench_setup EXE [BUILD_DIR] sets root, build,
# bench (the program), state (the Wine state folder) and tree, and makes the tree once: 100,000
# files in 1,000 folders under the build folder, owned by the user Wine runs as.
list_bench_setup() {
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    build=$(realpath "${2:-$root/build/windows}")
    bench=$build/bench/$1.exe
    state=$build/wine
    tree=$build/bench/list-files
    [ -f "$bench" ] || { echo "no $bench: cmake --build --preset windows --target $1" >&2; exit 2; }
    WINE_STATE=$state
    . "$root/scripts/wine-lib.sh"
    [ -f "$tree.complete" ] && return 0
    echo "making 100,000 files in 1,000 folders under $tree (once)..."
    rm -rf "$tree"
    local extensions=(.txt .doc .JPG .mp3 .ini .msi "" .tar.gz .Txt .gif)
    local folder file names
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
}
