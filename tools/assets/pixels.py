# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns a large RGBA picture into a small 16-colour icon image with a 1-bit transparency mask."""

from dataclasses import dataclass

from PIL import Image, ImageChops, ImageFilter

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
EMOJI_PIXELS = 109  # the font's only bitmap strike
OUTLINE = (0, 0, 0)
ALPHA_THRESHOLD = 128
# Channel weights for colour distances: the eye is most sensitive to green, least to blue.
WEIGHTS = (2, 4, 3)


@dataclass
class IconImage:
    """size x size pixels as palette indices, a palette of at most 16 colours, and a mask."""

    size: int
    palette: list[tuple[int, int, int]]
    indices: list[int]  # row by row from the top, len == size * size
    opaque: list[bool]  # same layout

    def to_rgba(self) -> Image.Image:
        image = Image.new("RGBA", (self.size, self.size))
        image.putdata([self.palette[i] + (255,) if o else (0, 0, 0, 0)
                       for i, o in zip(self.indices, self.opaque)])
        return image


def render_emoji(text: str) -> Image.Image:
    """The emoji as the font draws it, cropped to its visible pixels."""
    from PIL import ImageDraw, ImageFont

    font = ImageFont.truetype(EMOJI_FONT, EMOJI_PIXELS)
    canvas = Image.new("RGBA", (EMOJI_PIXELS * 2, EMOJI_PIXELS * 2), (0, 0, 0, 0))
    ImageDraw.Draw(canvas).text((EMOJI_PIXELS // 2, EMOJI_PIXELS // 2), text, font=font,
                                embedded_color=True)
    return crop_to_content(canvas)


def crop_to_content(image: Image.Image) -> Image.Image:
    box = image.getchannel("A").point(lambda a: 255 if a >= 16 else 0).getbbox()
    if box is None:
        raise ValueError("empty picture")
    return image.crop(box)


def fit(image: Image.Image, size: int, margin: int) -> Image.Image:
    """Scales the picture, keeping its shape, into size x size with margin pixels left on each
    side, and centres it. Scaling works on premultiplied colour so that edges do not darken."""
    inner = size - 2 * margin
    scale = inner / max(image.width, image.height)
    width = max(1, round(image.width * scale))
    height = max(1, round(image.height * scale))
    small = image.convert("RGBa").resize((width, height), Image.LANCZOS, reducing_gap=3.0)
    small = small.convert("RGBA")
    out = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    out.paste(small, ((size - width) // 2, (size - height) // 2))
    return out


def shrink(image: Image.Image, size: int) -> Image.Image:
    """The square picture at size x size, each pixel the average of the area it covers, on
    premultiplied colour so that edges do not darken."""
    return image.convert("RGBa").resize((size, size), Image.BOX).convert("RGBA")


def ringed(image: Image.Image, width: int) -> Image.Image:
    """The picture on a black ring width pixels wide round its shape, its edge as smooth as
    the shape's own."""
    alpha = image.getchannel("A")
    grown = Image.new("L", image.size, 0)
    for dy in range(-width, width + 1):
        for dx in range(-width, width + 1):
            if dx * dx + dy * dy <= width * width + 1:
                shifted = Image.new("L", image.size, 0)
                shifted.paste(alpha, (dx, dy))
                grown = ImageChops.lighter(grown, shifted)
    out = Image.new("RGBA", image.size, OUTLINE + (0,))
    out.putalpha(grown)
    out.alpha_composite(image)
    return out


def sharpen(image: Image.Image, amount: int) -> Image.Image:
    if amount <= 0:
        return image
    colour = image.convert("RGB").filter(ImageFilter.UnsharpMask(radius=1, percent=amount,
                                                                 threshold=2))
    colour.putalpha(image.getchannel("A"))
    return colour


def distance(a, b) -> int:
    return sum(w * (x - y) ** 2 for w, x, y in zip(WEIGHTS, a, b))


def nearest(colour, palette) -> int:
    return min(range(len(palette)), key=lambda i: distance(colour, palette[i]))


def choose_palette(colours: list[tuple[int, int, int]], count: int) -> list[tuple[int, int, int]]:
    """Median cut for a start, then Lloyd iterations: deterministic, no random seeds."""
    if not colours:
        return []
    strip = Image.new("RGB", (len(colours), 1))
    strip.putdata(colours)
    quantised = strip.quantize(colors=count, method=Image.Quantize.MEDIANCUT,
                               dither=Image.Dither.NONE)
    flat = quantised.getpalette()[: 3 * count]
    used = sorted(set(quantised.getdata()))
    palette = [tuple(flat[3 * i: 3 * i + 3]) for i in used]
    for _ in range(12):
        sums = [[0, 0, 0, 0] for _ in palette]
        for colour in colours:
            entry = sums[nearest(colour, palette)]
            for channel in range(3):
                entry[channel] += colour[channel]
            entry[3] += 1
        palette = [tuple(round(s[c] / s[3]) for c in range(3)) if s[3] else p
                   for s, p in zip(sums, palette)]
    return sorted(set(palette))


def outline_mask(opaque: list[bool], size: int) -> list[bool]:
    """Transparent pixels that touch an opaque pixel side by side or corner to corner."""
    ring = [False] * (size * size)
    for y in range(size):
        for x in range(size):
            if opaque[y * size + x]:
                continue
            ring[y * size + x] = any(
                opaque[ny * size + nx]
                for ny in range(max(0, y - 1), min(size, y + 2))
                for nx in range(max(0, x - 1), min(size, x + 2)))
    return ring


def to_icon_image(image: Image.Image, outline: bool) -> IconImage:
    """Thresholds the alpha, optionally rings the shape in black, and quantises to 16 colours.

    Palette entry 0 is black: the colour beneath every masked pixel, as the icon format wants,
    and the outline colour."""
    size = image.width
    pixels = list(image.getdata())
    opaque = [p[3] >= ALPHA_THRESHOLD for p in pixels]
    ring = outline_mask(opaque, size) if outline else [False] * len(opaque)
    painted = [p[:3] for p, o in zip(pixels, opaque) if o]
    palette = [OUTLINE] + [c for c in choose_palette(painted, 15) if c != OUTLINE]
    indices = []
    for p, o, r in zip(pixels, opaque, ring):
        indices.append(nearest(p[:3], palette) if o else 0)
    visible = [o or r for o, r in zip(opaque, ring)]
    return IconImage(size, palette, indices, visible)
