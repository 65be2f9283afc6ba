# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes shapes given on a square grid (drawings.ROAD_SIGN) as a scalable SVG picture."""


def _number(value: float) -> str:
    return f"{value:g}"


def _colour(rgba: tuple[int, int, int, int]) -> str:
    fill = "#{:02x}{:02x}{:02x}".format(*rgba[:3])
    return fill if rgba[3] == 255 else f'{fill}" fill-opacity="{_number(rgba[3] / 255)}'


def _element(kind: str, corners, radius: float, colour) -> str:
    if kind == "polygon":
        spots = " ".join(f"{_number(x)},{_number(y)}" for x, y in corners)
        return f'<polygon points="{spots}" fill="{_colour(colour)}"/>'
    (x0, y0), (x1, y1) = corners
    rounded = f' rx="{_number(radius)}"' if kind == "rounded" else ""
    return (f'<rect x="{_number(x0)}" y="{_number(y0)}" width="{_number(x1 - x0)}"'
            f' height="{_number(y1 - y0)}"{rounded} fill="{_colour(colour)}"/>')


def write(path: str, shapes, grid: int, title: str) -> None:
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{grid}" height="{grid}"'
             f' viewBox="0 0 {grid} {grid}">', f"<title>{title}</title>"]
    lines += [_element(*shape) for shape in shapes]
    lines.append("</svg>")
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write("\n".join(lines) + "\n")
