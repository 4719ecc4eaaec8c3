"""The ornament pictures a design shows where the family's photos go: layered hills under
a sun, drawn in the design's palette and written as PNG with nothing but the standard
library.

Each month has its own hills and its own sun: low in winter, high in summer, moving from
left to right through the year, so that twelve pages without photos still look made for
their month. The shapes are smooth and every edge is anti-aliased, so the picture prints
cleanly at a modest resolution and compresses to a few kilobytes.
"""

import dataclasses
import math
import random
import struct
import zlib

# Enough for soft shapes on paper; a photo that replaces the ornament brings its own.
PIXELS_PER_INCH = 150


@dataclasses.dataclass(frozen=True)
class OrnamentPalette:
    sky_top: str
    sky_horizon: str   # at midsummer and on the cover
    sky_winter: str    # the horizon at midwinter
    sun: str
    hills: tuple       # far to near


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def pixel_size(width_mm, height_mm):
    return (round(width_mm / 25.4 * PIXELS_PER_INCH), round(height_mm / 25.4 * PIXELS_PER_INCH))


def hill_profile(width, height, layer, layers, generator):
    """The top edge of one hill layer: a few gentle waves around a height that grows
    towards the viewer, in pixels from the top of the picture."""
    base = height * (0.42 + 0.44 * (layer + 1) / (layers + 1))
    amplitude = height * (0.10 - 0.015 * layer)
    waves = [(generator.uniform(0.6, 1.6) * (wave + 1), generator.uniform(0, 2 * math.pi),
              generator.uniform(0.35, 1.0) / (wave + 1)) for wave in range(3)]
    profile = []
    for x in range(width):
        t = x / width * 2 * math.pi
        profile.append(base - amplitude * sum(weight * math.sin(frequency * t + phase)
                                              for frequency, phase, weight in waves))
    return profile


def sun_position(month, width, height):
    """Centre and radius of the sun: month 0 is the cover (high, in the middle), 1 … 12
    walk from left to right and rise towards midsummer."""
    if month == 0:
        return width * 0.5, height * 0.30, height * 0.12
    across = (month - 0.5) / 12
    rise = math.sin(math.pi * (month - 0.5) / 12)
    return width * (0.12 + 0.76 * across), height * (0.46 - 0.26 * rise), height * 0.085


def warmth(month):
    """0 at midwinter, 1 at midsummer and on the cover (month 0)."""
    return 1.0 if month == 0 else (1 - math.cos(math.pi * (month - 0.5) / 6)) / 2


def draw(palette, width, height, month):
    """Rows of RGB bytes: the sky, the sun and the hills of one month (0 for the cover)."""
    generator = random.Random(1000 + month)  # the same picture every time it is generated
    hills = [rgb(colour) for colour in palette.hills]
    profiles = [hill_profile(width, height, layer, len(hills), generator)
                for layer in range(len(hills))]
    tops = [min(profile) for profile in profiles]
    sky_top, sun = rgb(palette.sky_top), rgb(palette.sun)
    sky_horizon = mix(rgb(palette.sky_winter), rgb(palette.sky_horizon), warmth(month))
    sun_x, sun_y, radius = sun_position(month, width, height)
    rows = []
    for y in range(height):
        sky = mix(sky_top, sky_horizon, min(1.0, y / (height * 0.75)))
        pixels = [sky] * width
        if abs(y + 0.5 - sun_y) < radius + 1:
            half = math.sqrt(max(0.0, (radius + 1) ** 2 - (y + 0.5 - sun_y) ** 2))
            for x in range(max(0, int(sun_x - half)), min(width, int(sun_x + half) + 1)):
                distance = math.hypot(x + 0.5 - sun_x, y + 0.5 - sun_y)
                cover = min(1.0, max(0.0, radius - distance + 0.5))
                if cover > 0:
                    pixels[x] = mix(pixels[x], sun, cover)
        for colour, profile, top in zip(hills, profiles, tops):
            if y + 1 <= top:
                continue
            for x in range(width):
                cover = y + 1 - profile[x]
                if cover >= 1:
                    pixels[x] = colour
                elif cover > 0:
                    pixels[x] = mix(pixels[x], colour, cover)
        rows.append(bytes(channel for pixel in pixels for channel in pixel))
    return rows


def png(rows, width, height):
    """An 8-bit RGB PNG that records its resolution, each row filtered against the one above."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = bytearray()
    previous = bytes(width * 3)
    for row in rows:
        raw.append(2)  # "Up": the sky and the hills change little from row to row
        raw.extend((a - b) & 0xFF for a, b in zip(row, previous))
        previous = row
    pixels_per_metre = round(PIXELS_PER_INCH / 0.0254)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"pHYs", struct.pack(">IIB", pixels_per_metre, pixels_per_metre, 1))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def ornament_png(palette, width_mm, height_mm, month):
    width, height = pixel_size(width_mm, height_mm)
    return png(draw(palette, width, height, month), width, height)
