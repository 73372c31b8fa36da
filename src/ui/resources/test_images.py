#!/usr/bin/env python3
"""Checks the tool bar strips, the main icon and the resource script in the folder that
make_images.py wrote. Usage: test_images.py IMAGES_FOLDER"""
import pathlib
import struct
import sys
import unittest

FOLDER = pathlib.Path(".")
MAGENTA = (255, 0, 255)
STRIP_BITS = {"TOOLBAR95_LO": 4, "TOOLBAR98_LO": 4, "TOOLBAR2K_LO": 4, "TOOLBARXP_LO": 4,
              "TOOLBAR98_HI": 8, "TOOLBAR2K_HI": 8, "TOOLBARXP_HI": 24}
VGA = {(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)}


def unpack_row(line, width, depth, palette):
    """One row of pixels: RGB (RGBA at 32 bits), palette colours, or the bits of a mask."""
    if depth >= 24:
        step = depth // 8
        return [tuple(line[x * step:x * step + 3][::-1]) + tuple(line[x * step + 3:x * step + step])
                for x in range(width)]
    numbers = [line[x * depth // 8] >> (8 - depth - x * depth % 8) & (1 << depth) - 1
               for x in range(width)]
    return numbers if depth == 1 else [palette[number] for number in numbers]


def read_dib(data, icon=False):
    """Header fields, palette and top-down rows of a BI_RGB DIB; for an icon image also its AND
    mask rows (True where transparent)."""
    header, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data)
    used = struct.unpack_from("<I", data, 32)[0]
    if icon:
        height //= 2
    colours = used or (1 << bits if bits <= 8 else 0)
    palette = [tuple(data[header + 4 * i:header + 4 * i + 3][::-1]) for i in range(colours)]
    offset = header + 4 * colours

    def rows(depth):
        nonlocal offset
        stride = (width * depth + 31) // 32 * 4
        lines = [data[offset + y * stride:offset + (y + 1) * stride] for y in range(height)]
        offset += stride * height
        return [unpack_row(line, width, depth, palette) for line in reversed(lines)]

    pixels = rows(bits)
    mask = [[bit == 1 for bit in row] for row in rows(1)] if icon else None
    return {"size": (width, height), "bits": bits, "compression": compression,
            "palette": palette, "pixels": pixels, "mask": mask}


class Strips(unittest.TestCase):
    def test_each_strip_holds_fifteen_drawn_images_on_magenta(self):
        transparent_by_strip = {}
        for name, bits in STRIP_BITS.items():
            with self.subTest(strip=name):
                data = (FOLDER / f"{name}.bmp").read_bytes()
                self.assertEqual(data[:2], b"BM")
                bitmap = read_dib(data[14:])
                self.assertEqual((bitmap["size"], bitmap["bits"], bitmap["compression"]),
                                 ((240, 16), bits, 0))
                pixels = bitmap["pixels"]
                if bits == 4:
                    self.assertLessEqual(set(bitmap["palette"]), VGA)
                # A colour next to magenta would show as a pink fringe instead of vanishing.
                fringes = {rgb for row in pixels for rgb in row
                           if rgb != MAGENTA and rgb[0] > 200 and rgb[1] < 90 and rgb[2] > 200}
                self.assertEqual(fringes, set(), "pixels close to the transparent magenta")
                for cell in range(15):
                    colours = {rgb for row in pixels for rgb in row[16 * cell:16 * cell + 16]}
                    self.assertIn(MAGENTA, colours, f"image {cell} has no transparent background")
                    self.assertGreater(len(colours), 1, f"image {cell} is empty")
                transparent_by_strip[name] = [[rgb == MAGENTA for rgb in row] for row in pixels]
        shapes = list(transparent_by_strip.values())
        self.assertTrue(all(shape == shapes[0] for shape in shapes),
                        "the strips differ in their outlines")


class Icon(unittest.TestCase):
    def test_icon_has_masked_images_of_16_and_32_pixels(self):
        data = (FOLDER / "velmor.ico").read_bytes()
        reserved, kind, count = struct.unpack_from("<HHH", data)
        self.assertEqual((reserved, kind), (0, 1))
        sizes = set()
        for number in range(count):
            width, height, _, _, _, bits, length, offset = struct.unpack_from(
                "<BBBBHHII", data, 6 + 16 * number)
            with self.subTest(size=width, bits=bits):
                image = read_dib(data[offset:offset + length], icon=True)
                self.assertEqual((image["size"], image["bits"]), ((width, height), bits))
                mask = image["mask"]
                clear = sum(map(sum, mask))
                self.assertTrue(0 < clear < width * height, "the mask hides nothing or everything")
                if bits == 32:
                    alpha_clear = [[pixel[3] == 0 for pixel in row] for row in image["pixels"]]
                    self.assertEqual(alpha_clear, mask, "alpha and AND mask disagree")
                sizes.add(width)
        self.assertLessEqual({16, 32}, sizes)


class ResourceScript(unittest.TestCase):
    def test_script_names_every_resource_by_absolute_path(self):
        lines = (FOLDER / "images.rc").read_text(encoding="utf-8").splitlines()
        named = {}
        for line in lines:
            words = line.split(maxsplit=2)
            if len(words) == 3 and words[1] in ("BITMAP", "ICON"):
                named[words[0]] = (words[1], pathlib.Path(words[2].strip('"')))
        expected = {name: ("BITMAP", FOLDER / f"{name}.bmp") for name in STRIP_BITS}
        expected["MAINICON"] = ("ICON", FOLDER / "velmor.ico")
        self.assertEqual(named.keys(), expected.keys())
        for name, (kind, path) in named.items():
            self.assertTrue(path.is_absolute(), name)
            self.assertEqual((kind, path.resolve()),
                             (expected[name][0], expected[name][1].resolve()))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    FOLDER = pathlib.Path(sys.argv.pop(1))
    unittest.main()
