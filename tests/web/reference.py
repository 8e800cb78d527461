"""The native reference: tests/web/PageRaster.cpp renders the page's form
without a browser for the same key presses and clicks."""

import json
import os
import subprocess
import tempfile

TOOL = os.environ.get("PR_PAGE_RASTER", os.path.join(os.path.dirname(__file__), "..", "..",
                                                     "build", "tests", "web", "page_raster"))


def _run(actions, ratio, mark):
    """(the tool's JSON summary, the raster's RGBA bytes) after `actions`."""
    arguments = [a if isinstance(a, str) else f"{a[0]}={a[1]}" for a in actions]
    with tempfile.NamedTemporaryFile(prefix="pr-raster-") as raster:
        summary = subprocess.run([TOOL, "--ratio", str(ratio), "--mark", mark, "--out", raster.name, *arguments],
                                 check=True, capture_output=True, text=True, timeout=60).stdout
        pixels = raster.read()
    return json.loads(summary), pixels


def render(actions, ratio=1, mark=","):
    """(width, height, RGBA bytes, captions by data-name, reports) after
    `actions`: ("Text1(0)", "2.5") types into a box, "Command2" presses a button."""
    result, pixels = _run(actions, ratio, mark)
    return result["width"], result["height"], pixels, result["captions"], result["reports"]


def figure_text(actions, ratio=1, mark=","):
    """The figure's plain text after `actions`, written by the desktop's code."""
    return _run(actions, ratio, mark)[0]["figureText"]


def typed(full_scale, p1, p2, p3):
    """The actions typing the full scale and the three points into their
    boxes, in the form's tab order: the focus ends in y1."""
    return [("Text4", full_scale), ("Text1(2)", p3[0]), ("Text2(2)", p3[1]), ("Text2(1)", p2[1]),
            ("Text1(1)", p2[0]), ("Text1(0)", p1[0]), ("Text2(0)", p1[1])]


def first_difference(width, actual, expected):
    """Where two RGBA rasters of `width` pixels first differ, for a failure message."""
    for i, (a, e) in enumerate(zip(actual, expected)):
        if a != e:
            pixel = i // 4
            return f"first difference at pixel ({pixel % width}, {pixel // width}), byte {i % 4}: {a}, not {e}"
    return f"{len(actual)} bytes, not {len(expected)}"


def top_left(width, pixels, part_width, part_height):
    """The top-left `part_width` x `part_height` pixels of an RGBA raster `width` pixels wide."""
    return b"".join(pixels[y * width * 4:(y * width + part_width) * 4] for y in range(part_height))
