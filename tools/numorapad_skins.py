#!/usr/bin/python3
"""Draws the skin art of Numorapad: the face and pressed-face image of every key layout,
the two history arrows and the program icon, into scientific/skins/.

    tools/numorapad_skins.py [OUTPUT_DIR]

The key rectangles are read from the dialog templates of scientific/app/Numorapad.rc and
converted from dialog units with the same fixed base units as the program
(6 x 13 pixels at 96 dpi, scaled to the image's dpi, MulDiv rounding), so every key face
lands exactly under its key window. Labels follow the program's key table: the normal
function in white, the "2ndF" function above it in amber, the register / hexadecimal
letter in green, the RPN meaning of a key in blue.

Needs Debian's python3-pil and fonts-dejavu-core (installed by ./x build).
"""

import os
import re
import sys

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RC_FILE = os.path.join(ROOT, "scientific", "app", "Numorapad.rc")
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")
FONT_REGULAR = os.path.join(FONT_DIR, "DejaVuSans.ttf")

FIRST_KEY_ID = 32801
KEY_COUNT = 44
SUPERSAMPLE = 4

# Layouts: template name in the resource script, native dpi, client size of the device
# screen at that dpi (screen less the top bar and the menu bar), image names, and the
# display panel in 96-dpi pixels (scaled with the image).
LAYOUTS = [
    ("portrait", "IDD_MAIN_PORTRAIT", 96, (240, 268), (3, 3, 237, 63)),
    ("portrait-hi", "IDD_MAIN_PORTRAIT", 192, (480, 536), (3, 3, 237, 63)),
    ("landscape", "IDD_MAIN_LANDSCAPE", 96, (320, 188), (3, 2, 237, 56)),
    ("landscape-hi", "IDD_MAIN_LANDSCAPE", 192, (640, 376), (3, 2, 237, 56)),
    ("square", "IDD_MAIN_SQUARE", 96, (240, 188), (2, 2, 179, 56)),
]

# Colours of the body, the display panel and the label inks.
BODY_TOP = (58, 65, 80)
BODY_BOTTOM = (33, 37, 46)
PANEL_TOP = (228, 234, 240)
PANEL_BOTTOM = (205, 214, 224)
PANEL_EDGE = (20, 23, 29)
INK_MAIN = (255, 255, 255)
INK_SECOND = (247, 185, 66)
INK_LETTER = (140, 226, 140)
INK_RPN = (170, 225, 255)
INK_RPN_ON_LIGHT = (96, 44, 0)
ARROW_INK = (78, 87, 97)
MAGENTA = (255, 0, 255)

# Key face colours (top and bottom of the gradient) by kind.
FACES = {
    "digit": ((104, 114, 130), (72, 80, 93)),
    "operator": ((70, 104, 148), (47, 72, 106)),
    "equals": ((236, 139, 52), (196, 98, 22)),
    "function": ((66, 74, 88), (43, 49, 59)),
    "memory": ((52, 122, 126), (32, 86, 90)),
    "shift": ((214, 150, 30), (170, 110, 12)),
    "clear": ((190, 66, 62), (140, 40, 38)),
}

# The keypad as the program dispatches it, by key index:
# (kind, normal label, "2ndF" label, register letter, RPN label).
KEYS = {
    0: ("equals", "=", None, None, "ENTER"),
    1: ("operator", "EXP", None, None, None),
    2: ("operator", "+/\u2212", None, None, None),
    3: ("digit", ".", None, None, None),
    4: ("digit", "0", None, None, None),
    5: ("operator", "\u2212", None, None, None),
    6: ("operator", "+", None, None, None),
    7: ("digit", "3", None, None, None),
    8: ("digit", "2", None, None, None),
    9: ("digit", "1", None, None, None),
    10: ("operator", "\u00f7", None, None, None),
    11: ("operator", "\u00d7", None, None, None),
    12: ("digit", "6", None, None, None),
    13: ("digit", "5", None, None, None),
    14: ("digit", "4", None, None, None),
    15: ("operator", "(", None, None, "x\u2194y"),
    16: ("operator", ")", None, None, "R\u2193"),
    17: ("digit", "9", None, None, None),
    18: ("digit", "8", None, None, None),
    19: ("digit", "7", None, None, None),
    20: ("function", "ANS", "DEC", None, None),
    21: ("function", "\u03c0", "BIN", None, None),
    22: ("memory", "M1+", "M1\u2212", None, None),
    23: ("memory", "M2+", "M2\u2212", None, None),
    24: ("memory", "RCL", None, None, None),
    25: ("memory", "STO", None, None, None),
    26: ("function", "x\u02b8", "HEX", "F", None),
    27: ("function", "x\u207b\u00b9", "OCT", "E", None),
    28: ("function", "x\u00b2", "x\u00b3", "D", None),
    29: ("function", "ln", "e\u02e3", "C", None),
    30: ("function", "log", "10\u02e3", "B", None),
    31: ("function", "%", "|x|", "A", None),
    32: ("function", "\u221ax", "\u02e3\u221ay", None, None),
    33: ("function", "n!", "\u03a3", None, None),
    34: ("function", "tan", "tan\u207b\u00b9", None, None),
    35: ("function", "cos", "cos\u207b\u00b9", None, None),
    36: ("function", "sin", "sin\u207b\u00b9", None, None),
    37: ("shift", "HYP", None, None, None),
    38: ("clear", "AC", None, None, None),
    39: ("clear", "OFF", None, None, None),
    40: ("function", "DEL", None, None, None),
    41: ("function", "DRG\u25b8", "DRG", None, None),
    42: ("function", "\u25b8DMS", "DMS\u25b8", None, None),
    43: ("shift", "2ndF", None, None, None),
}


def scaled(length, dpi):
    return (length * dpi + 48) // 96


def mul_div(a, b, c):
    # Win32 MulDiv for non-negative values: rounds half away from zero.
    return (2 * a * b + c) // (2 * c)


def read_templates(path):
    """Returns {template name: {key index: (x, y, w, h) in dialog units}}."""
    templates = {}
    current = None
    control = re.compile(r'CONTROL\s+"",\s*(\d+),\s*"Static",[^,]*,\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)')
    with open(path, encoding="utf-8") as rc:
        for line in rc:
            head = re.match(r"(IDD_MAIN_\w+)\s+DIALOGEX", line)
            if head:
                current = templates.setdefault(head.group(1), {})
                continue
            if line.strip() == "END":
                current = None
                continue
            match = control.search(line)
            if current is not None and match:
                ident, x, y, w, h = (int(v) for v in match.groups())
                current[ident - FIRST_KEY_ID] = (x, y, w, h)
    for name, keys in templates.items():
        if sorted(keys) != list(range(KEY_COUNT)):
            sys.exit(f"{path}: template {name} does not hold keys 0..{KEY_COUNT - 1}")
    return templates


def key_pixels(rect, dpi):
    x, y, w, h = rect
    bx, by = scaled(6, dpi), scaled(13, dpi)
    return (mul_div(x, bx, 4), mul_div(y, by, 8), mul_div(x + w, bx, 4), mul_div(y + h, by, 8))


def blend(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def vertical_gradient(size, top, bottom):
    w, h = size
    image = Image.new("RGB", (w, h))
    draw = ImageDraw.Draw(image)
    for row in range(h):
        draw.line([(0, row), (w, row)], fill=blend(top, bottom, row / max(1, h - 1)))
    return image


def rounded_mask(size, radius, inset=0):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        [inset, inset, size[0] - 1 - inset, size[1] - 1 - inset], radius=radius, fill=255)
    return mask


def draw_panel(image, box, unit):
    """The display window: a dark bezel around a light, slightly graded panel."""
    s = SUPERSAMPLE
    x0, y0, x1, y1 = box
    size = ((x1 - x0) * s, (y1 - y0) * s)
    layer = Image.new("RGB", size, PANEL_EDGE)
    inner = vertical_gradient(size, PANEL_TOP, PANEL_BOTTOM)
    border = max(1, unit) * s
    layer.paste(inner, (0, 0), rounded_mask(size, 3 * unit * s, inset=border))
    layer = layer.resize((x1 - x0, y1 - y0), Image.LANCZOS)
    mask = rounded_mask(size, 4 * unit * s).resize((x1 - x0, y1 - y0), Image.LANCZOS)
    image.paste(layer, (x0, y0), mask)


def draw_key_shape(image, rect, kind, pressed, unit):
    s = SUPERSAMPLE
    x0, y0, x1, y1 = rect
    w, h = x1 - x0, y1 - y0
    top, bottom = FACES[kind]
    if pressed:
        # Lit and sunk: lighter, with the gradient turned over.
        top, bottom = blend(bottom, (255, 255, 255), 0.30), blend(top, (255, 255, 255), 0.30)
    size = (w * s, h * s)
    inset = unit * s
    radius = 3 * unit * s
    layer = Image.new("RGB", size, (0, 0, 0))
    edge = blend(bottom, (0, 0, 0), 0.55)
    ImageDraw.Draw(layer).rounded_rectangle([0, 0, size[0] - 1, size[1] - 1], radius=radius,
                                            fill=edge)
    face = vertical_gradient(size, top, bottom)
    layer.paste(face, (0, 0), rounded_mask(size, radius, inset=inset))
    if not pressed:
        # A thin highlight along the top edge makes the key stand up from the body.
        shine = Image.new("RGB", size, blend(top, (255, 255, 255), 0.35))
        band = Image.new("L", size, 0)
        ImageDraw.Draw(band).rounded_rectangle(
            [inset, inset, size[0] - 1 - inset, inset + 2 * unit * s], radius=radius, fill=150)
        band.paste(0, (0, inset + unit * s, size[0], size[1]))
        layer.paste(shine, (0, 0), band)
    layer = layer.resize((w, h), Image.LANCZOS)
    mask = rounded_mask(size, radius).resize((w, h), Image.LANCZOS)
    image.paste(layer, (x0, y0), mask)


_fonts = {}


def font(path, size):
    key = (path, size)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(path, size)
    return _fonts[key]


def fitted_font(draw, text, path, size, max_width):
    while size > 6:
        f = font(path, size)
        if draw.textlength(text, font=f) <= max_width:
            return f
        size -= 1
    return font(path, size)


def draw_labels(image, rect, labels, pressed, dpi, large):
    kind, main, second, letter, rpn = labels
    draw = ImageDraw.Draw(image)
    x0, y0, x1, y1 = rect
    w, h = x1 - x0, y1 - y0
    shift = scaled(1, dpi) if pressed else 0
    pad = scaled(3, dpi)
    ink = INK_MAIN
    small_size = scaled(7, dpi)
    if large:
        main_size = scaled(14 if len(main) <= 2 else 10, dpi)
    else:
        main_size = scaled(10 if len(main) <= 3 else 9, dpi)
    has_top = second is not None or letter is not None or rpn is not None
    main_font = fitted_font(draw, main, FONT_BOLD, main_size, w - 2 * pad)
    if has_top and not large:
        # Small keys: the second line sits in the top part, the main label below it.
        centre_y = y0 + h * 0.66 + shift
    elif has_top:
        centre_y = y0 + h * 0.60 + shift
    else:
        centre_y = y0 + h * 0.5 + shift
    draw.text((x0 + w / 2, centre_y), main, font=main_font, fill=ink, anchor="mm")
    top_y = y0 + scaled(2, dpi) + shift
    if second is not None:
        f = fitted_font(draw, second, FONT_BOLD, small_size, w - 2 * pad - scaled(7, dpi))
        draw.text((x0 + pad, top_y), second, font=f, fill=INK_SECOND, anchor="lt")
    if rpn is not None:
        f = fitted_font(draw, rpn, FONT_BOLD, small_size, w - 2 * pad)
        rpn_ink = INK_RPN_ON_LIGHT if kind == "equals" else INK_RPN
        draw.text((x0 + pad, top_y), rpn, font=f, fill=rpn_ink, anchor="lt")
    if letter is not None:
        f = font(FONT_BOLD, small_size)
        draw.text((x1 - pad, top_y), letter, font=f, fill=INK_LETTER, anchor="rt")


def draw_skin(template, dpi, size, panel, pressed):
    image = vertical_gradient(size, BODY_TOP, BODY_BOTTOM)
    unit = scaled(1, dpi)
    draw_panel(image, tuple(scaled(v, dpi) for v in panel), unit)
    for index in range(KEY_COUNT):
        rect = key_pixels(template[index], dpi)
        draw_key_shape(image, rect, KEYS[index][0], pressed, unit)
        draw_labels(image, rect, KEYS[index], pressed, dpi, index < 20)
    return image


def draw_arrow(pointing_up):
    """History arrows, 96 dpi, on the transparent colour."""
    w, h = 9, 5
    image = Image.new("RGB", (w, h), MAGENTA)
    draw = ImageDraw.Draw(image)
    if pointing_up:
        draw.polygon([(0, h - 1), (w - 1, h - 1), (w // 2, 0)], fill=ARROW_INK)
    else:
        draw.polygon([(0, 0), (w - 1, 0), (w // 2, h - 1)], fill=ARROW_INK)
    return image


def draw_icon():
    size = 256
    s = size / 48
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([4 * s, 1 * s, 44 * s, 47 * s], radius=6 * s, fill=BODY_BOTTOM + (255,))
    draw.rounded_rectangle([8 * s, 5 * s, 40 * s, 16 * s], radius=2 * s, fill=PANEL_TOP + (255,))
    colours = [FACES["digit"][0], FACES["operator"][0], FACES["equals"][0]]
    for row in range(3):
        for col in range(3):
            colour = colours[2] if (row, col) == (2, 2) else colours[1 if col == 2 else 0]
            x, y = 8 * s + col * 11 * s, 20 * s + row * 9 * s
            draw.rounded_rectangle([x, y, x + 9 * s, y + 7 * s], radius=1.5 * s,
                                   fill=colour + (255,))
    return image


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "scientific", "skins")
    os.makedirs(out_dir, exist_ok=True)
    templates = read_templates(RC_FILE)
    for name, template_name, dpi, size, panel in LAYOUTS:
        for pressed, suffix in ((False, ""), (True, "-pressed")):
            image = draw_skin(templates[template_name], dpi, size, panel, pressed)
            # Few colours are needed; a palette keeps the committed files small.
            image = image.quantize(colors=256, method=Image.MEDIANCUT, dither=Image.NONE)
            image.save(os.path.join(out_dir, f"{name}{suffix}.png"), optimize=True)
    draw_arrow(pointing_up=True).save(os.path.join(out_dir, "history-back.png"))
    draw_arrow(pointing_up=False).save(os.path.join(out_dir, "history-forward.png"))
    draw_icon().save(os.path.join(out_dir, "numorapad.ico"),
                    sizes=[(16, 16), (32, 32), (48, 48), (256, 256)])


if __name__ == "__main__":
    main()
