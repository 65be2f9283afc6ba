# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's words and tile tags, read from the C++ header so that there is one list.

The reader takes the quoted strings of an initialiser, whatever holds them: a braced list after
`kWords =`, `kWords{...}` or `std::to_array<...>({...})`; plain, `u8` or `sv` literals; escapes
and UTF-8 text alike. Comments are passed over."""

import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parents[2]
WORDS_HEADER = ROOT / "src" / "rules" / "words.h"

# One token at a time: a C++ string literal (its text in group 1), a comment, a name, a
# blank or any other character.
_TOKEN = re.compile(r'(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"|//[^\n]*|/\*.*?\*/|[A-Za-z_]\w*|\s+|.',
                    re.S)
_ESCAPE = re.compile(rb'\\(x[0-9a-fA-F]+|u[0-9a-fA-F]{4}|U[0-9a-fA-F]{8}|[0-7]{1,3}|.)', re.S)
_SIMPLE = {b"n": b"\n", b"t": b"\t", b"r": b"\r", b"a": b"\a", b"b": b"\b", b"f": b"\f",
           b"v": b"\v"}


def _unescape(body: str) -> str:
    def one(match: re.Match) -> bytes:
        code = match.group(1)
        if code[:1] == b"x":
            return bytes([int(code[1:], 16) & 0xFF])
        if code[:1] in (b"u", b"U"):
            return chr(int(code[1:], 16)).encode("utf-8")
        if code[:1].isdigit():
            return bytes([int(code, 8) & 0xFF])
        return _SIMPLE.get(code, code)
    return _ESCAPE.sub(one, body.encode("utf-8")).decode("utf-8")


def _tokens() -> list[tuple[str, str | None]]:
    """The header's tokens as (token, the string's text or None), blanks and comments left out."""
    text = WORDS_HEADER.read_text(encoding="utf-8")
    return [(m.group(0), None if m.group(1) is None else _unescape(m.group(1)))
            for m in _TOKEN.finditer(text)
            if not m.group(0).isspace() and not m.group(0).startswith(("//", "/*"))]


def _strings_of(name: str) -> list[str]:
    """The strings that initialise `name`: those up to the end of its declaration."""
    tokens = _tokens()
    for i, (token, _) in enumerate(tokens[:-1]):
        if token == name and tokens[i + 1][0] in ("=", "{"):
            found, depth = [], 0
            for token, text in tokens[i + 1:]:
                depth += {"{": 1, "(": 1, "}": -1, ")": -1}.get(token, 0)
                if depth == 0 and token in (";", ","):
                    return found
                if text is not None:
                    found.append(text)
            break
    raise SystemExit(f"{WORDS_HEADER}: no {name} = ...;")


def words() -> list[str]:
    """The word captions, exactly as the labels show them."""
    found = _strings_of("kWords")
    if not found or len(set(found)) != len(found):
        raise SystemExit(f"{WORDS_HEADER}: kWords holds no words, or one twice: {found}")
    return found


def spare_tag() -> str:
    found = _strings_of("kSpareTag")
    if len(found) != 1:
        raise SystemExit(f"{WORDS_HEADER}: kSpareTag is not one string: {found}")
    return found[0]
