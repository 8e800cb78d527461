#!/usr/bin/python3
"""Puts the page together as one self-contained HTML file: the template with
the CSS, the form font (base64), the WebAssembly bytes (base64), emscripten's
module loader and the page's script units written into it. Nothing is left
to load."""

import argparse
import base64
import pathlib
import re

FONT_TYPES = {".woff2": ("font/woff2", "woff2"), ".woff": ("font/woff", "woff"), ".ttf": ("font/ttf", "truetype")}


def base64_of(path):
    return base64.b64encode(path.read_bytes()).decode("ascii")


def script_text(path):
    text = path.read_text(encoding="utf-8")
    # Inline, a "</script" in the code would end the element early.
    if re.search(r"</script", text, re.IGNORECASE):
        raise SystemExit(f"{path} contains </script and cannot be inlined")
    return text


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for name in ("template", "css", "figure-css", "working-css", "page-js", "figure-js", "working-js", "drag-js", "png-chunks-js",
                 "module-js", "wasm", "font", "output"):
        parser.add_argument("--" + name, type=pathlib.Path, required=True)
    args = parser.parse_args()

    mime, font_format = FONT_TYPES[args.font.suffix]
    values = {
        "FONT_MIME": mime,
        "FONT_FORMAT": font_format,
        "FONT_BASE64": base64_of(args.font),
        "PAGE_CSS": args.css.read_text(encoding="utf-8"),
        "WASM_BASE64": base64_of(args.wasm),
        "MODULE_JS": script_text(args.module_js),
        "PAGE_JS": script_text(args.page_js),
        "FIGURE_CSS": args.figure_css.read_text(encoding="utf-8"),
        "FIGURE_JS": script_text(args.figure_js),
        "WORKING_CSS": args.working_css.read_text(encoding="utf-8"),
        "WORKING_JS": script_text(args.working_js),
        "DRAG_JS": script_text(args.drag_js),
        "PNG_CHUNKS_JS": script_text(args.png_chunks_js),
    }
    template = args.template.read_text(encoding="utf-8")
    # One pass, so nothing written in is read again as a placeholder.
    page = re.sub(r"@([A-Z0-9_]+)@", lambda m: values[m.group(1)], template)
    args.output.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
