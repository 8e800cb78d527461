"""Just enough of PNG for the browser suite, no image library in its way: the
chunks (with their CRCs checked), their texts, and the pixels of an 8-bit,
non-interlaced RGB or RGBA image (Chromium's screenshots, the page's saved
figure) as RGBA bytes."""

import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunks(data):
    """[(type, data)] in the file's order."""
    assert data[:8] == SIGNATURE, "not a PNG"
    found, at = [], 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        (crc,) = struct.unpack(">I", data[at + 8 + length:at + 12 + length])
        assert crc == zlib.crc32(kind + body), f"bad CRC in {kind}"
        found.append((kind.decode("ascii"), body))
        at += 12 + length
    return found


def texts(data):
    """{keyword: text} of the tEXt (Latin-1) and uncompressed iTXt (UTF-8) chunks."""
    found = {}
    for kind, body in chunks(data):
        if kind == "tEXt":
            key, text = body.split(b"\0", 1)
            found[key.decode("latin-1")] = text.decode("latin-1")
        elif kind == "iTXt":
            key, rest = body.split(b"\0", 1)
            _language, _translated, text = rest[2:].split(b"\0", 2)
            found[key.decode("latin-1")] = text.decode("utf-8")
    return found


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def pixels(data):
    """(width, height, RGBA bytes row after row)."""
    found = chunks(data)
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", found[0][1])
    assert depth == 8 and colour in (2, 6) and interlace == 0, "only 8-bit RGB(A), not interlaced"
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(b"".join(body for kind, body in found if kind == "IDAT"))
    stride = width * channels
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            line[i] = (line[i] + (0, a, b, (a + b) // 2, _paeth(a, b, c))[kind]) & 0xFF
        rows.append(line)
        previous = line
    if channels == 4:
        return width, height, b"".join(rows)
    rgba = bytearray()
    for line in rows:
        for i in range(0, stride, 3):
            rgba += line[i:i + 3] + b"\xff"
    return width, height, bytes(rgba)
