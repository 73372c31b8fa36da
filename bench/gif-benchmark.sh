#!/usr/bin/env bash
# gif-benchmark.sh [BUILD_DIR]: makes a large animated GIF with a comment in every frame, then
# times the program's comment removal (gif_strip.exe under Wine: load, remove, save) against
# gifsicle --no-comments on the same file and prints both times and their ratio.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build/windows}")
strip=$build/bench/gif_strip.exe
state=$build/wine
runs=3
[ -f "$strip" ] || { echo "no $strip: cmake --build --preset windows --target gif_strip" >&2; exit 2; }

work=$(mktemp -d)
chmod 777 "$work"  # Wine may run as another user and writes its output here
started=0
cleanup() {
    [ "$started" = 1 ] && "$root/scripts/wine-env.sh" stop "$state" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
if [ ! -f "$state/running" ]; then
    # Its servers must not keep our output open, or a pipe reading it never ends.
    "$root/scripts/wine-env.sh" start "$state" >"$work/wine.log" 2>&1 </dev/null \
        || { cat "$work/wine.log" >&2; exit 1; }
    started=1
fi

cd "$work"
echo "making the input (ImageMagick noise frames, repeated by gifsicle)..."
convert -size 400x300 -seed 1 xc: +noise Random \( +clone +noise Random \) \
    \( +clone +noise Random \) \( +clone +noise Random \) -set comment "frame comment" \
    -loop 0 -delay 4 frames.gif
gifsicle --merge $(for _ in $(seq 75); do echo frames.gif; done) > big.gif
rm frames.gif

seconds_of_best_run() {
    local best="" start end elapsed
    "$@" >/dev/null  # warm-up: file cache, Wine's DLLs
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        elapsed=$((end - start))
        if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
    done
    awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}

ours=$(seconds_of_best_run "$root/scripts/wine-emulator.sh" "$state" "$strip" \
    "Z:${work//\//\\}\\big.gif" "Z:${work//\//\\}\\ours.gif")
theirs=$(seconds_of_best_run gifsicle --no-comments big.gif -o gifsicle.gif)

frames=$(gifsicle --info big.gif | grep -c '+ image')
comments=$(gifsicle --info big.gif | grep -c 'comment')
size=$(stat -c %s big.gif)
same=$(cmp -s ours.gif gifsicle.gif && echo "identical" || echo "different")
echo "input: $(awk -v b="$size" 'BEGIN { printf "%.1f MB", b / 1e6 }'), $frames frames, $comments comment blocks"
echo "gif_strip.exe under Wine (load, RemoveComments, save): $ours s (best of $runs, Wine start included)"
echo "gifsicle --no-comments:                                $theirs s (best of $runs)"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "gifsicle time / our time: %.2f\n", b / a }'
echo "the two outputs are $same"
