# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures drawn in code, for subjects that the emoji font lacks or draws otherwise.

Each function returns a large RGBA picture on a transparent background; the caller scales
it down. Coordinates are on a 32 x 32 grid, multiplied by S, so that straight edges fall on
whole pixels of the 32 x 32 icon.
"""

from PIL import Image, ImageDraw, ImageFilter, ImageOps

import pixels

S = 16
GRID = 32
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)


def canvas() -> tuple[Image.Image, ImageDraw.ImageDraw]:
    image = Image.new("RGBA", (GRID * S, GRID * S), (0, 0, 0, 0))
    return image, ImageDraw.Draw(image)


def box(x0: float, y0: float, x1: float, y1: float) -> list[float]:
    """A rectangle given in grid units, as pixel coordinates (right and bottom exclusive)."""
    return [x0 * S, y0 * S, x1 * S - 1, y1 * S - 1]


def points(*grid_points: tuple[float, float]) -> list[tuple[float, float]]:
    return [(x * S, y * S) for x, y in grid_points]


def flag() -> Image.Image:
    """A flag on a pole with three vertical stripes: blue, white and red."""
    image, draw = canvas()
    draw.rectangle(box(3, 3, 6, 31), fill=BLACK)  # pole with its outline
    draw.rectangle(box(4, 4, 5, 30), fill=(150, 150, 160, 255))
    draw.ellipse(box(2.5, 1, 6.5, 5), fill=BLACK)
    draw.ellipse(box(3.5, 2, 5.5, 4), fill=(250, 200, 40, 255))
    draw.rectangle(box(6, 5, 30, 22), fill=BLACK)
    for i, colour in enumerate(((0, 70, 180, 255), WHITE, (225, 30, 40, 255))):
        draw.rectangle(box(7 + 7.33 * i, 6, 7 + 7.33 * (i + 1), 21), fill=colour)
    return image


def stamp() -> Image.Image:
    """A postage stamp: white paper with a toothed, perforated edge around a little landscape."""
    image, draw = canvas()
    left, top, right, bottom = 5, 3, 27, 29  # the paper inside its teeth
    draw.rectangle(box(left, top, right, bottom), fill=WHITE)
    for x in range(left, right, 2):  # one-pixel teeth with one-pixel gaps
        draw.rectangle(box(x, top - 1, x + 1, top), fill=WHITE)
        draw.rectangle(box(x, bottom, x + 1, bottom + 1), fill=WHITE)
    for y in range(top, bottom, 2):
        draw.rectangle(box(left - 1, y, left, y + 1), fill=WHITE)
        draw.rectangle(box(right, y, right + 1, y + 1), fill=WHITE)
    frame = box(left + 2, top + 2, right - 2, bottom - 2)
    draw.rectangle(frame, fill=(200, 40, 60, 255))
    scene, paint = canvas()
    paint.rectangle(box(left + 3, top + 3, right - 3, bottom - 3), fill=(120, 200, 250, 255))
    paint.ellipse(box(16, 7, 22, 13), fill=(255, 200, 0, 255))
    paint.ellipse(box(2, 17, 30, 37), fill=(50, 160, 60, 255))
    inside = Image.new("L", image.size, 0)
    ImageDraw.Draw(inside).rectangle(box(left + 3, top + 3, right - 3, bottom - 3), fill=255)
    image.paste(scene, mask=inside)
    return image


def circled_one() -> Image.Image:
    """The digit one in a ring."""
    image, draw = canvas()
    draw.ellipse(box(1, 1, 31, 31), fill=BLACK)
    draw.ellipse(box(3, 3, 29, 29), fill=WHITE)
    draw.polygon(points((14, 7), (18, 7), (18, 22), (21, 22), (21, 25), (11, 25), (11, 22),
                        (14, 22), (14, 11.5), (11, 13), (11, 9.5)), fill=BLACK)
    return image


# The program's sign on the 32 x 32 grid, as shapes: grey square, yellow dashed centre line,
# arrows left above it and right below it. Each shape: (kind, grid points, corner radius, colour),
# a "rect" or "rounded" by two corners, a "polygon" by its corners.
_ARROW = ((5, 9), (11, 3), (11, 7), (26, 7), (26, 11), (11, 11), (11, 15))
ROAD_SIGN = (
    ("rounded", ((1, 1), (31, 31)), 4, (40, 40, 40, 255)),
    ("rounded", ((2, 2), (30, 30)), 3, (128, 128, 128, 255)),
    *(("rect", ((x, 15), (x + 5, 17)), 0, (255, 220, 0, 255)) for x in (3, 10, 17, 24)),
    ("polygon", _ARROW, 0, WHITE),
    ("polygon", tuple((GRID - x, y + 14) for x, y in _ARROW), 0, WHITE),
)


def road_sign(scale: int = S) -> Image.Image:
    """The program's sign, ROAD_SIGN drawn at scale pixels a grid unit."""
    image = Image.new("RGBA", (GRID * scale, GRID * scale), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    for kind, corners, radius, colour in ROAD_SIGN:
        if kind == "polygon":
            draw.polygon([(x * scale, y * scale) for x, y in corners], fill=colour)
            continue
        (x0, y0), (x1, y1) = corners
        rectangle = [x0 * scale, y0 * scale, x1 * scale - 1, y1 * scale - 1]
        if kind == "rounded":
            draw.rounded_rectangle(rectangle, radius=radius * scale, fill=colour)
        else:
            draw.rectangle(rectangle, fill=colour)
    return image


def road_sign_small() -> Image.Image:
    """The program's sign laid out on a 16 x 16 grid of its own, so that the arrows stay sharp."""
    size = GRID // 2
    image = Image.new("RGBA", (size * S, size * S), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle(box(0, 0, 16, 16), radius=2 * S, fill=(40, 40, 40, 255))
    draw.rounded_rectangle(box(1, 1, 15, 15), radius=1 * S, fill=(128, 128, 128, 255))
    for x in (2, 7, 12):
        draw.rectangle(box(x, 7, x + 2, 9), fill=(255, 220, 0, 255))
    arrow = ((2, 4), (5, 1), (5, 3), (13, 3), (13, 5), (5, 5), (5, 7))  # rows 1 to 6
    draw.polygon(points(*arrow), fill=WHITE)
    draw.polygon(points(*((size - x, y + 8) for x, y in arrow)), fill=WHITE)
    return image


def sheet_music() -> Image.Image:
    """Musical notes on a staff: two beamed notes and a single note on five lines, on paper."""
    image, draw = canvas()
    draw.rectangle(box(1, 4, 31, 28), fill=WHITE)
    for line in range(5):
        y = 8 + 4 * line
        draw.rectangle(box(2, y, 30, y + 1), fill=(90, 90, 110, 255))
    note = (20, 20, 30, 255)
    for x, y in ((5, 20), (13, 16)):  # beamed pair
        draw.ellipse(box(x, y, x + 5, y + 4), fill=note)
        draw.rectangle(box(x + 3.6, y - 11 + (y - 16) * 0.0, x + 5, y + 2), fill=note)
    draw.polygon(points((8.6, 9), (18, 5), (18, 8), (8.6, 12)), fill=note)
    draw.ellipse(box(21, 12, 26, 16), fill=note)
    draw.rectangle(box(24.6, 2, 26, 14), fill=note)
    draw.polygon(points((26, 2), (29.5, 6.5), (29.5, 9), (26, 5.5)), fill=note)
    return image


def book_row() -> Image.Image:
    """A row of books standing on a shelf, one leaning on its neighbour."""
    image, draw = canvas()
    books = (  # left, top, width, colour
        (2, 5, 5, (210, 50, 50, 255)), (7, 3, 6, (40, 110, 200, 255)),
        (13, 7, 4, (60, 160, 70, 255)), (17, 4, 5, (240, 180, 40, 255)))
    for left, top, width, colour in books:
        draw.rectangle(box(left, top, left + width, 28), fill=BLACK)
        draw.rectangle(box(left + 1, top + 1, left + width - 1, 27), fill=colour)
        for band in (top + 4, 23):
            draw.rectangle(box(left + 1, band, left + width - 1, band + 1),
                           fill=(250, 230, 170, 255))
    leaning = Image.new("RGBA", image.size, (0, 0, 0, 0))
    lean = ImageDraw.Draw(leaning)
    lean.rectangle(box(22, 6, 27, 28), fill=BLACK)
    lean.rectangle(box(23, 7, 26, 27), fill=(150, 80, 180, 255))
    for band in (10, 23):
        lean.rectangle(box(23, band, 26, band + 1), fill=(250, 230, 170, 255))
    leaning = leaning.rotate(-18, resample=Image.BICUBIC, center=(22 * S, 28 * S))
    image.alpha_composite(leaning)
    draw = ImageDraw.Draw(image)
    draw.rectangle(box(1, 28, 31, 31), fill=BLACK)
    draw.rectangle(box(2, 28, 30, 30), fill=(150, 95, 50, 255))
    return image


def with_edge(picture: Image.Image, width: int) -> Image.Image:
    """The picture on a black silhouette grown by width pixels, to part it from what it covers."""
    alpha = picture.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    grown = alpha.filter(ImageFilter.MaxFilter(2 * width + 1))
    edged = Image.new("RGBA", picture.size, (0, 0, 0, 0))
    edged.paste(Image.new("RGBA", picture.size, BLACK), mask=grown)
    edged.alpha_composite(picture)
    return edged


def overlay(back: Image.Image, front: Image.Image, front_at: tuple[int, int],
            size: tuple[int, int], edge: int) -> Image.Image:
    image = Image.new("RGBA", size, (0, 0, 0, 0))
    image.alpha_composite(back, (0, 0))
    framed = Image.new("RGBA", (front.width + 2 * edge, front.height + 2 * edge), (0, 0, 0, 0))
    framed.alpha_composite(front, (edge, edge))
    image.alpha_composite(with_edge(framed, edge), (front_at[0] - edge, front_at[1] - edge))
    return image


def crossed_rulers() -> Image.Image:
    """Two rulers crossed: the emoji ruler and its mirror image, the front one edged in black."""
    ruler = pixels.render_emoji("\N{STRAIGHT RULER}")
    mirrored = ImageOps.mirror(ruler)
    return overlay(ruler, mirrored, (0, 0), ruler.size, edge=6)


def two_cars() -> Image.Image:
    """Two cars, one behind the other: a blue one at the back and a red one in front."""
    back = pixels.render_emoji("\N{RECREATIONAL VEHICLE}")
    front = pixels.render_emoji("\N{AUTOMOBILE}")
    width = max(back.width, front.width)
    offset = (width * 3 // 10, back.height * 11 // 20)
    size = (offset[0] + width, offset[1] + front.height)
    behind = Image.new("RGBA", size, (0, 0, 0, 0))
    behind.alpha_composite(back, (offset[0], 0))
    return overlay(behind, front, (0, offset[1]), size, edge=6)
