#!/usr/bin/env bash
# gif_roundtrip.sh EMULATOR WINE_STATE GIF_STRIP_EXE: strips the comments of GIFs made by
# ImageMagick, gifsicle and giflib through our Windows build, then checks the result with
# those tools: no comment block is left, every other block and all image data stay, the frames
# decode to the same pixels, and a file without comments is written back byte for byte.
set -euo pipefail
emulator=$(realpath "$1") state=$(realpath "$2") strip=$(realpath "$3")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 777 "$work"  # Wine may run as another user and writes its outputs here
cd "$work"

# Our own reading of the block structure: one line per block, comment text left out, so that
# the lines before and after stripping differ exactly by the comment lines.
blocks() {
    python3 - "$1" <<'EOF'
import sys
data = open(sys.argv[1], 'rb').read()
assert data[:6] in (b'GIF87a', b'GIF89a'), 'no GIF signature'
def table(flags):
    return 3 << ((flags & 7) + 1) if flags & 0x80 else 0
def sub_blocks(at):
    while data[at]:
        at += 1 + data[at]
    return at + 1
at = 13 + table(data[10])
while data[at] != 0x3B:
    if data[at] == 0x21:
        print('extension %02X' % data[at + 1])
        at = sub_blocks(at + 2)
    elif data[at] == 0x2C:
        print('image')
        at = sub_blocks(at + 11 + table(data[at + 9]))
    else:
        sys.exit('unknown block byte at %d' % at)
print('trailer')
EOF
}

winpath() {
    echo "Z:${work//\//\\}\\$1"
}

run_strip() {
    "$emulator" "$state" "$strip" "$(winpath "$1")" "$(winpath "$2")" >/dev/null
}

frames() {
    convert "$1" -coalesce rgba:- | md5sum
}

make_inputs() {
    convert -size 24x16 gradient:red-blue -set comment "ImageMagick single" im-single.gif
    convert -delay 10 -loop 0 -size 16x16 \
        \( xc:red -set comment "first frame" \) \( xc:lime -set comment "second frame" \) \
        \( plasma:fractal -seed 3 -set comment "third frame" \) im-animation.gif
    convert -size 16x16 xc:red xc:blue -loop 0 plain.gif
    gifsicle plain.gif --comment "gifsicle one" "#0" --comment "gifsicle two" "#1" \
        --comment "gifsicle again" "#1" > gifsicle-animation.gif
    gifbuild > giflib-blocks.gif <<'EOF'
screen width 4
screen height 2
screen map
rgb 0 0 0 is a
rgb 255 255 255 is b
end

netscape loop 0

comment
first comment
end

image
image bits 4 by 2
abab
baba

comment
second comment
end

plaintext
\x00\x00\x00\x00\x04\x00\x02\x00\x04\x02\x01\x00
Hi
end

graphics control
delay 20
end

image
image bits 4 by 2
bbbb
aaaa

comment
after the last image
end
EOF
}

failures=0
fail() {
    echo "FAIL $1: $2" >&2
    failures=$((failures + 1))
}

check() {
    local in=$1 out=stripped-$1 again=again-$1
    blocks "$in" > "$in.blocks"
    grep -q 'extension FE' "$in.blocks" || fail "$in" "the tool wrote no comment block"
    run_strip "$in" "$out" || { fail "$in" "gif_strip failed"; return; }
    blocks "$out" > "$out.blocks"
    grep -v 'extension FE' "$in.blocks" | cmp -s - "$out.blocks" \
        || fail "$in" "blocks other than the comments changed: $(diff "$in.blocks" "$out.blocks" | tr '\n' ' ')"
    gifsicle --info "$out" >/dev/null || fail "$in" "gifsicle cannot read the result"
    if gifsicle --info "$out" | grep -q comment; then fail "$in" "gifsicle still sees a comment"; fi
    [ "$(identify "$in" | wc -l)" = "$(identify "$out" | wc -l)" ] || fail "$in" "frame count changed"
    [ "$(frames "$in")" = "$(frames "$out")" ] || fail "$in" "decoded frames differ"
    run_strip "$out" "$again" || { fail "$in" "gif_strip failed on its own output"; return; }
    cmp -s "$out" "$again" || fail "$in" "a file without comments was not written back unchanged"
}

make_inputs
for file in im-single.gif im-animation.gif gifsicle-animation.gif giflib-blocks.gif; do
    check "$file"
done
grep -q 'extension 01' giflib-blocks.gif.blocks || fail giflib-blocks.gif "no plain text block"
grep -q 'extension FF' gifsicle-animation.gif.blocks || fail gifsicle-animation.gif "no loop block"
tail -2 giflib-blocks.gif.blocks | grep -q 'extension FE' || fail giflib-blocks.gif "no comment after the last image"

# Files the tools wrote without comments come back byte for byte.
gifsicle --no-comments gifsicle-animation.gif > gifsicle-plain.gif
gifbuild -d plain.gif | gifbuild > giflib-plain.gif
for file in plain.gif gifsicle-plain.gif giflib-plain.gif; do
    run_strip "$file" "copy-$file" && cmp -s "$file" "copy-$file" || fail "$file" "not written back unchanged"
done

[ "$failures" -eq 0 ] && echo "GIF round trips: all passed"
exit $((failures > 0))
