#!/usr/bin/env python3
"""Draws the tool bar bitmap strips and the main icon of velmor.exe from their character art.

Usage: make_images.py ART_FILE OUTPUT_FOLDER

Writes the seven strips (TOOLBAR*.bmp), velmor.ico and images.rc, the resource script lines
that name them by absolute path.
"""
import pathlib
import struct
import sys

# The standard 16-colour VGA palette in palette order; its magenta is the transparent colour.
VGA = {
    "black": (0, 0, 0), "maroon": (128, 0, 0), "green": (0, 128, 0), "olive": (128, 128, 0),
    "navy": (0, 0, 128), "purple": (128, 0, 128), "teal": (0, 128, 128),
    "silver": (192, 192, 192), "gray": (128, 128, 128), "red": (255, 0, 0),
    "lime": (0, 255, 0), "yellow": (255, 255, 0), "blue": (0, 0, 255),
    "magenta": (255, 0, 255), "aqua": (0, 255, 255), "white": (255, 255, 255),
}
VGA_INDEX = {rgb: index for index, rgb in enumerate(VGA.values())}
MAGENTA = VGA["magenta"]
TRANSPARENT = "."
IMAGE_SIZE = 16
IMAGE_COUNT = 15

# Resource name and drawing style of each strip; the style fixes the bits per pixel.
STRIPS = (
    ("TOOLBAR95_LO", "lo"), ("TOOLBAR98_LO", "lo"), ("TOOLBAR98_HI", "hi"),
    ("TOOLBAR2K_LO", "lo"), ("TOOLBAR2K_HI", "hi"), ("TOOLBARXP_LO", "lo"),
    ("TOOLBARXP_HI", "xp"),
)
BITS = {"lo": 4, "hi": 8, "xp": 24}


class Colour:
    def __init__(self, lo, deep, outline):
        self.lo, self.deep, self.outline = lo, deep, outline


class Art:
    """The parsed art file: the palette, the tool bar images in order and the icon sizes."""

    def __init__(self, text):
        self.palette, self.images, self.icons = {}, [], {}
        grids, block = [], None
        for number, line in enumerate(text.splitlines(), 1):
            words = line.split()
            if not words or line.startswith("#"):
                continue
            try:
                if words[0] == "palette":
                    block = self._add_colour
                elif words[0] in ("image", "icon"):
                    size = IMAGE_SIZE if words[0] == "image" else int(words[1])
                    grid = []
                    if words[0] == "image":
                        self.images.append(grid)
                    else:
                        self.icons[size] = grid
                    grids.append((grid, size))
                    block = self._row_adder(grid, size)
                elif block is None:
                    raise ValueError("art before the first block")
                else:
                    block(line.strip())
            except (ValueError, KeyError, IndexError) as error:
                raise SystemExit(f"art line {number}: {error}")
        for grid, size in grids:
            if len(grid) != size:
                raise SystemExit(f"an image has {len(grid)} rows instead of {size}")
        if len(self.images) != IMAGE_COUNT:
            raise SystemExit(f"{len(self.images)} tool bar images instead of {IMAGE_COUNT}")

    def _add_colour(self, line):
        key, name, deep, *flags = line.split()
        rgb = tuple(bytes.fromhex(deep))
        if len(key) != 1 or len(rgb) != 3 or flags not in ([], ["outline"]):
            raise ValueError(f"bad palette entry {line!r}")
        if (key == TRANSPARENT) != (rgb == MAGENTA) or (key == TRANSPARENT) != (name == "magenta"):
            raise ValueError("magenta is the transparent colour and only that")
        self.palette[key] = Colour(VGA[name], rgb, bool(flags))

    def _row_adder(self, grid, size):
        def add_row(row):
            if len(row) != size or len(grid) == size:
                raise ValueError(f"rows of {size} characters, {size} of them")
            unknown = set(row) - self.palette.keys()
            if unknown:
                raise ValueError(f"no palette entry for {''.join(sorted(unknown))}")
            grid.append(row)
        return add_row


def mix(rgb, other, amount):
    return tuple(round(a + (b - a) * amount) for a, b in zip(rgb, other))


def render(grid, palette, style):
    """The grid's pixels as rows of RGB: plain 16 colours ("lo"), deep colours lit from the
    top left ("hi"), or that with outer outlines tinted by the colours they enclose ("xp")."""
    size = len(grid)

    def key(x, y):
        return grid[y][x] if 0 <= x < size and 0 <= y < size else TRANSPARENT

    def lit(x, y):
        colour = palette[key(x, y)]
        if key(x, y) == TRANSPARENT or colour.outline:
            return colour.deep
        before = key(x, y - 1) != key(x, y) or key(x - 1, y) != key(x, y)
        after = key(x, y + 1) != key(x, y) or key(x + 1, y) != key(x, y)
        if before and not after:
            return mix(colour.deep, (255, 255, 255), 0.3)
        if after and not before:
            return mix(colour.deep, (0, 0, 0), 0.18)
        return colour.deep

    def soft(x, y):
        around = [key(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)]
        if not palette[key(x, y)].outline or TRANSPARENT not in around:
            return lit(x, y)
        inside = [palette[k].deep for k in around if k != TRANSPARENT and not palette[k].outline]
        if not inside:
            return palette[key(x, y)].deep
        average = tuple(sum(channel) // len(inside) for channel in zip(*inside))
        return mix(palette[key(x, y)].deep, average, 0.25)

    pixel = {"lo": lambda x, y: palette[key(x, y)].lo, "hi": lit, "xp": soft}[style]
    rows = [[pixel(x, y) for x in range(size)] for y in range(size)]
    for y, row in enumerate(rows):
        for x, rgb in enumerate(row):
            if (rgb == MAGENTA) != (key(x, y) == TRANSPARENT):
                raise SystemExit("a drawn pixel came out magenta, which would make it transparent")
    return rows


def packed_rows(rows, bits, value):
    """Pixel rows bottom-up, `value` turning a pixel into its number, each row padded to 4 bytes."""
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bits == 24:
            for rgb in row:
                line += bytes(reversed(rgb))
        elif bits == 32:
            for rgb, alpha in row:
                line += bytes(reversed(rgb)) + bytes([alpha])
        else:
            accumulator, filled = 0, 0
            for pixel in row:
                accumulator, filled = (accumulator << bits) | value(pixel), filled + bits
                if filled == 8:
                    line.append(accumulator)
                    accumulator, filled = 0, 0
            if filled:
                line.append(accumulator << (8 - filled))
        data += line + bytes(-len(line) % 4)
    return bytes(data)


def info_header(width, height, bits, colours, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835,
                       colours, 0)


def palette_bytes(colours):
    return b"".join(bytes(reversed(rgb)) + b"\0" for rgb in colours)


def bitmap_file(rows, bits):
    """A BI_RGB Windows bitmap; 4 bits use the VGA palette, 8 bits the colours that occur."""
    if bits == 4:
        colours = list(VGA.values())
    elif bits == 8:
        colours = sorted({rgb for row in rows for rgb in row})
        if len(colours) > 256:
            raise SystemExit(f"{len(colours)} colours do not fit a 256-colour strip")
    else:
        colours = []
    index = {rgb: number for number, rgb in enumerate(colours)}
    pixels = packed_rows(rows, bits, index.__getitem__)
    dib = (info_header(len(rows[0]), len(rows), bits, len(colours), len(pixels))
           + palette_bytes(colours))
    offset = 14 + len(dib)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + dib + pixels


def icon_file(art):
    """One 16-colour and one 32-bit image for each icon size, each with its AND mask."""
    entries = []
    for size, grid in sorted(art.icons.items()):
        clear = [[key == TRANSPARENT for key in row] for row in grid]
        mask = packed_rows(clear, 1, int)
        # Under the AND mask a pixel is black, and at 32 bits fully transparent too.
        lo = [[VGA["black"] if hidden else rgb for rgb, hidden in zip(pixels, hiddens)]
              for pixels, hiddens in zip(render(grid, art.palette, "lo"), clear)]
        xp = [[((0, 0, 0), 0) if hidden else (rgb, 255) for rgb, hidden in zip(pixels, hiddens)]
              for pixels, hiddens in zip(render(grid, art.palette, "xp"), clear)]
        for bits, rows, colours in ((4, lo, list(VGA.values())), (32, xp, [])):
            pixels = packed_rows(rows, bits, VGA_INDEX.__getitem__)
            image = (info_header(size, 2 * size, bits, len(colours), len(pixels) + len(mask))
                     + palette_bytes(colours) + pixels + mask)
            entries.append((size, bits, len(colours), image))
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for size, bits, colours, image in entries:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                                 len(image), offset)
        offset += len(image)
    return directory + b"".join(image for *_, image in entries)


def strip(art, style):
    cells = [render(grid, art.palette, style) for grid in art.images]
    return [sum((cell[y] for cell in cells), []) for y in range(IMAGE_SIZE)]


def main(arguments):
    if len(arguments) != 2:
        raise SystemExit(__doc__)
    art = Art(pathlib.Path(arguments[0]).read_text(encoding="utf-8"))
    if not art.icons:
        raise SystemExit("the art has no icon")
    output = pathlib.Path(arguments[1]).resolve()
    files = {f"{name}.bmp": bitmap_file(strip(art, style), BITS[style]) for name, style in STRIPS}
    files["velmor.ico"] = icon_file(art)
    script = ["// Made by make_images.py from the character art; changes belong there."]
    script += [f'{name} BITMAP "{(output / name).as_posix()}.bmp"' for name, _ in STRIPS]
    script.append(f'MAINICON ICON "{(output / "velmor.ico").as_posix()}"')
    # The script last: the build takes it as the mark that everything was written.
    files["images.rc"] = ("\n".join(script) + "\n").encode("utf-8")
    output.mkdir(parents=True, exist_ok=True)
    for name, content in files.items():
        (output / name).write_bytes(content)


if __name__ == "__main__":
    main(sys.argv[1:])
