# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes .ico files whose images are 4-bit palette bitmaps with a 1-bit AND mask."""

import struct

from pixels import IconImage

BITS = 4
COLOURS = 1 << BITS


def _row_bytes(bits_per_row: int) -> int:
    return (bits_per_row + 31) // 32 * 4  # rows are padded to whole 32-bit words


def _bitmap(icon: IconImage) -> bytes:
    size = icon.size
    if len(icon.palette) > COLOURS:
        raise ValueError(f"{len(icon.palette)} colours do not fit in {BITS} bits")
    palette = icon.palette + [(0, 0, 0)] * (COLOURS - len(icon.palette))
    colour_rows = []
    mask_rows = []
    for y in reversed(range(size)):  # bitmaps are stored bottom row first
        start = y * size
        indices = icon.indices[start:start + size]
        visible = icon.opaque[start:start + size]
        nibbles = bytearray()
        for x in range(0, size, 2):
            high = indices[x] if visible[x] else 0
            low = indices[x + 1] if x + 1 < size and visible[x + 1] else 0
            nibbles.append(high << 4 | low)
        nibbles.extend(bytes(_row_bytes(size * BITS) - len(nibbles)))
        colour_rows.append(bytes(nibbles))
        mask = bytearray(_row_bytes(size))
        for x in range(size):
            if not visible[x]:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(mask))
    colour = b"".join(colour_rows)
    masks = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, BITS, 0,
                         len(colour) + len(masks), 0, 0, COLOURS, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + colour + masks


def write(path: str, images: list[IconImage]) -> None:
    """One .ico file holding the given images, largest first as listed."""
    bitmaps = [_bitmap(image) for image in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for image, bitmap in zip(images, bitmaps):
        out += struct.pack("<BBBBHHII", image.size % 256, image.size % 256, COLOURS, 0, 1, BITS,
                           len(bitmap), offset)
        offset += len(bitmap)
    for bitmap in bitmaps:
        out += bitmap
    with open(path, "wb") as file:
        file.write(out)
