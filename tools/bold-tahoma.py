#!/usr/bin/python3
"""Writes a bold face for the family "Tahoma" made from DejaVu Sans Condensed Bold,
whose advance widths are within a pixel of Tahoma Bold's at the sizes the programs use.

    tools/bold-tahoma.py OUT.ttf

Wine's bundled Tahoma Bold carries regular outlines above 12 pixels, so bold labels
draw regular; a prefix with this face instead draws them bold at every size.
"""

import sys

from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    font = TTFont(SOURCE)
    names = font["name"]
    # The font's own names go; it is a different face now (its licence asks for that).
    for record in list(names.names):
        if record.nameID in (1, 2, 3, 4, 6, 16, 17, 21, 22):
            names.removeNames(nameID=record.nameID)
    for name_id, text in ((1, "Tahoma"), (2, "Bold"), (3, "Zoq Tahoma Bold substitute"),
                          (4, "Tahoma Bold"), (6, "Tahoma-Bold")):
        names.setName(text, name_id, 3, 1, 0x409)
        names.setName(text, name_id, 1, 0, 0)
    font["OS/2"].usWeightClass = 700
    font["OS/2"].fsSelection = (font["OS/2"].fsSelection & ~0x41) | 0x20  # bold, not regular
    font["head"].macStyle |= 0x01
    font.save(sys.argv[1])


if __name__ == "__main__":
    main()
