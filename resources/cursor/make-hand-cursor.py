#!/usr/bin/env python3
"""Writes HAND-M.CUR, the pointing-hand cursor of the command buttons.

The hand is drawn below as text ('#' outline, '.' fill, anything else transparent) and
stored as a 32 x 32 Windows cursor: one 32-bit image with its AND mask, and the hotspot
at the tip of the index finger. Run it from this folder to regenerate the file.
"""
import struct

HAND = r"""
      ##
     #..#
     #..#
     #..#
     #..#
     #..###
     #..#..###
     #..#..#..##
  ## #..#..#..#.#
 #..##........#..#
 #...#...........#
  #..............#
  #..............#
   #.............#
   #............#
    #...........#
    #..........#
     #.........#
     #.........#
     ###########
"""
HOTSPOT = (7, 0)  # the fingertip
SIZE = 32

rows = HAND.strip("\n").split("\n")
rows = [row.ljust(SIZE)[:SIZE] for row in rows] + [" " * SIZE] * (SIZE - len(rows))

def pixel(ch):
    if ch == "#":
        return (0, 0, 0, 255)
    if ch == ".":
        return (255, 255, 255, 255)
    return (0, 0, 0, 0)

# Bitmap rows run bottom-up; colours are stored as blue, green, red, alpha.
colour = b"".join(
    struct.pack("BBBB", b, g, r, a)
    for row in reversed(rows)
    for (r, g, b, a) in (pixel(ch) for ch in row)
)
mask = b""
for row in reversed(rows):
    bits = 0
    for x, ch in enumerate(row):
        if pixel(ch)[3] == 0:
            bits |= 1 << (SIZE - 1 - x)
    mask += struct.pack(">I", bits)  # one 32-bit row, most significant bit first

header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
image = header + colour + mask
directory = struct.pack("<HHH", 0, 2, 1)  # reserved, type 2 = cursor, one image
entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)

with open("HAND-M.CUR", "wb") as out:
    out.write(directory + entry + image)
