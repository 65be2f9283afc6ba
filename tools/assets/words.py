# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's words and tile tags, read from the C++ header so that there is one list."""

import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parents[2]
WORDS_HEADER = ROOT / "src" / "board" / "words.h"


def _string_array(name: str, text: str) -> list[str]:
    match = re.search(name + r"\s*=\s*\{(.*?)\};", text, re.S)
    if not match:
        raise SystemExit(f"{WORDS_HEADER}: no {name}")
    return re.findall(r'"([^"]*)"', match.group(1))


def _header() -> str:
    return WORDS_HEADER.read_text(encoding="utf-8")


def words() -> list[str]:
    """The 36 word captions, exactly as the labels show them."""
    found = _string_array("kWords", _header())
    if len(found) != 36 or len(set(found)) != 36:
        raise SystemExit(f"{WORDS_HEADER}: expected 36 distinct words, found {len(found)}")
    return found


def spare_tag() -> str:
    match = re.search(r'kSpareTag\s*=\s*"([^"]*)"', _header())
    if not match:
        raise SystemExit(f"{WORDS_HEADER}: no kSpareTag")
    return match.group(1)
