#!/usr/bin/python3
"""Draws the icons of Trendora, Parabix and numora in the colours of their keypads
and writes them as .ico files (16, 32, 48 and 256 pixels) beside their resource
scripts. Run it after changing a drawing; the .ico files are committed.

    tools/program_icons.py
"""

import os

from PIL import Image, ImageDraw

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SIZE = 256
SIZES = [(16, 16), (32, 32), (48, 48), (256, 256)]


def tile(light, dark):
    """A rounded square with the keypad's key colours: the light face on a dark rim."""
    image = Image.new("RGBA", (SIZE, SIZE), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([8, 8, SIZE - 8, SIZE - 8], radius=40, fill=dark + (255,))
    draw.rounded_rectangle([22, 22, SIZE - 22, SIZE - 22], radius=30, fill=light + (255,))
    return image, draw


def trendora():
    # Scattered points and the line fitted through them.
    image, draw = tile((228, 146, 27), (164, 47, 4))
    ink = (40, 22, 10, 255)
    draw.line([(44, 206), (212, 58)], fill=ink, width=18)
    for x, y in ((62, 160), (98, 176), (120, 118), (158, 124), (184, 72)):
        draw.ellipse([x - 17, y - 17, x + 17, y + 17], fill=(255, 255, 255, 255),
                     outline=ink, width=7)
    return image


def parabix():
    # A parabola crossing the axis at its two roots.
    image, draw = tile((100, 218, 87), (36, 130, 13))
    ink = (12, 34, 9, 255)
    draw.line([(40, 170), (216, 170)], fill=(36, 130, 13, 255), width=10)
    points = []
    for i in range(41):
        x = 52 + i * 152 / 40
        t = (x - 128) / 76
        points.append((x, 200 - 150 * (1 - t * t) + 2))
    draw.line(points, fill=ink, width=18, joint="curve")
    for x in (128 - 76 * 0.8944, 128 + 76 * 0.8944):
        draw.ellipse([x - 16, 170 - 16, x + 16, 170 + 16], fill=(255, 255, 255, 255),
                     outline=ink, width=7)
    return image


def numora():
    # A console window with a prompt: the command-line calculator.
    image = Image.new("RGBA", (SIZE, SIZE), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([8, 24, SIZE - 8, SIZE - 24], radius=24, fill=(33, 37, 46, 255))
    draw.rounded_rectangle([8, 24, SIZE - 8, 64], radius=24, fill=(70, 104, 148, 255))
    draw.rectangle([8, 48, SIZE - 8, 64], fill=(70, 104, 148, 255))
    green = (100, 218, 87, 255)
    draw.line([(40, 104), (88, 140), (40, 176)], fill=green, width=20, joint="curve")
    draw.rectangle([112, 164, 200, 184], fill=(236, 139, 52, 255))
    return image


def main():
    for drawing, path in ((trendora, "regression/app/Trendora.ico"),
                          (parabix, "quadratic/app/Parabix.ico"),
                          (numora, "cli/numora.ico")):
        drawing().save(os.path.join(ROOT, path), sizes=SIZES)


if __name__ == "__main__":
    main()
