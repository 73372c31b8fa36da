# Sourced by the list benchmarks: make_file_tree TREE makes 100,000 files in 1,000 folders under
# TREE once (later runs reuse them), owned by the user Wine runs as. Needs wine-lib.sh.
make_file_tree() {
    local tree=$1
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
