#!/usr/bin/env bash
# make-gif-seeds.sh DIR: writes a few small GIFs made by independent tools into DIR, as seed
# corpus for gif_fuzz (single image, animation with comments and loop, local colour tables).
set -euo pipefail
dir=$1
mkdir -p "$dir"
convert -size 4x3 xc:red -comment "seed comment" "$dir/single.gif"
convert -size 4x4 xc:blue xc:green xc:yellow -loop 0 -delay 5 -comment "frame comment" "$dir/animation.gif"
convert -size 3x3 xc:white -interlace GIF "$dir/interlaced.gif"
gifsicle --comment "gifsicle comment" "$dir/animation.gif" > "$dir/gifsicle.gif"
gifsicle --no-comments "$dir/animation.gif" > "$dir/no-comments.gif"
