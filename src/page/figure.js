// The figure out of the page, as out of the desktop window: Ctrl+S downloads
// it as punti-e-rette.png, Ctrl+Shift+C copies it (image and text), and the
// printed page shows it at its true size with its text below. The figure is
// the plot square exactly as the canvas shows it now, never redrawn; its text
// is written by the program itself (pr_figure_text), the same as the desktop's.
// page.js calls setUpFigure(page) once the page is ready.
'use strict';

const setUpFigure = (() => {
  const FILE_NAME = 'punti-e-rette.png';
  const TITLE = document.title;
  const TITLE_POINTS = 13.2;  // the window's largest caption, as on the desktop's page
  const CSS_PIXELS_PER_INCH = 96;
  const METRES_PER_INCH = 0.0254;
  const DESCRIPTION = 'Description';

  // PNG chunks: a CRC-32 over type and data closes each one.

  const CRC_TABLE = (() => {
    const table = new Uint32Array(256);
    for (let n = 0; n < 256; ++n) {
      let c = n;
      for (let k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
      table[n] = c >>> 0;
    }
    return table;
  })();

  function crc32(bytes) {
    let c = 0xFFFFFFFF;
    for (const byte of bytes) c = CRC_TABLE[(c ^ byte) & 0xFF] ^ (c >>> 8);
    return (c ^ 0xFFFFFFFF) >>> 0;
  }

  function chunk(type, data) {
    const bytes = new Uint8Array(12 + data.length);
    const view = new DataView(bytes.buffer);
    view.setUint32(0, data.length);
    for (let i = 0; i < 4; ++i) bytes[4 + i] = type.charCodeAt(i);
    bytes.set(data, 8);
    view.setUint32(8 + data.length, crc32(bytes.subarray(4, 8 + data.length)));
    return bytes;
  }

  // The pixel's true size: pHYs in pixels per metre, both ways.
  function physicalSize(dotsPerMetre) {
    const data = new Uint8Array(9);
    const view = new DataView(data.buffer);
    view.setUint32(0, dotsPerMetre);
    view.setUint32(4, dotsPerMetre);
    data[8] = 1;  // the unit is the metre
    return chunk('pHYs', data);
  }

  // tEXt holds Latin-1 only; a text typed with other letters goes into an
  // iTXt chunk (UTF-8) under the same keyword.
  function description(text) {
    const latin1 = [...text].every((c) => c.codePointAt(0) <= 0xFF);
    if (latin1) {
      const whole = `${DESCRIPTION}\0${text}`;
      return chunk('tEXt', Uint8Array.from(whole, (c) => c.charCodeAt(0)));
    }
    // Keyword, then no compression, no language tag, no translated keyword.
    const head = Uint8Array.from(`${DESCRIPTION}\0\0\0\0\0`, (c) => c.charCodeAt(0));
    const body = new TextEncoder().encode(text);
    const data = new Uint8Array(head.length + body.length);
    data.set(head);
    data.set(body, head.length);
    return chunk('iTXt', data);
  }

  // The browser's PNG with the figure's size and text put in right after
  // IHDR (any of its own pHYs or text chunks left out).
  function withChunks(png, added) {
    const view = new DataView(png.buffer, png.byteOffset, png.byteLength);
    const parts = [png.subarray(0, 8)];
    for (let at = 8; at < png.length;) {
      const end = at + 12 + view.getUint32(at);
      const type = String.fromCharCode(...png.subarray(at + 4, at + 8));
      if (!['pHYs', 'tEXt', 'zTXt', 'iTXt'].includes(type)) parts.push(png.subarray(at, end));
      if (type === 'IHDR') parts.push(...added);
      at = end;
    }
    return new Blob(parts, { type: 'image/png' });
  }

  class Figure {
    constructor(page) {
      this.page = page;
      const { module } = page;
      this.call = {
        width: module.cwrap('pr_figure_width', 'number', []),
        height: module.cwrap('pr_figure_height', 'number', []),
        text: module.cwrap('pr_figure_text', 'string', []),
      };
      this.sheet = this.buildSheet();
    }

    // The plot square's pixels, copied from the canvas as it shows them.
    pixels() {
      const width = this.call.width();
      const height = this.call.height();
      const copy = document.createElement('canvas');
      copy.width = width;
      copy.height = height;
      const image = this.page.canvas.getContext('2d').getImageData(0, 0, width, height);
      copy.getContext('2d').putImageData(image, 0, 0);
      return copy;
    }

    // What the boxes hold now, as typed, and what the labels show.
    text() {
      this.page.sendTexts();
      return this.call.text();
    }

    // One raster pixel is 1/ratio CSS pixel, and a CSS pixel 1/96 inch.
    dotsPerMetre() {
      return Math.round(CSS_PIXELS_PER_INCH * this.page.ratio() / METRES_PER_INCH);
    }

    async png(pixels, text) {
      const blob = await new Promise((resolve) => pixels.toBlob(resolve, 'image/png'));
      const bytes = new Uint8Array(await blob.arrayBuffer());
      return withChunks(bytes, [physicalSize(this.dotsPerMetre()), description(text)]);
    }

    // Ctrl+S: a download, with no dialog, into the browser's downloads.
    async save() {
      const blob = await this.png(this.pixels(), this.text());
      const url = URL.createObjectURL(blob);
      const link = document.createElement('a');
      link.href = url;
      link.download = FILE_NAME;
      link.click();
      setTimeout(() => URL.revokeObjectURL(url), 60000);
    }

    // Ctrl+Shift+C: image and text together where the browser lets the page
    // write images, the text alone where it takes only text, nothing where
    // the page may not write the clipboard at all.
    copy() {
      const text = this.text();
      const clipboard = navigator.clipboard;
      if (!clipboard) return;
      const textOnly = () => (clipboard.writeText ? clipboard.writeText(text).catch(() => {}) : undefined);
      try {
        const item = new ClipboardItem({
          'image/png': this.png(this.pixels(), text),
          'text/plain': new Blob([text], { type: 'text/plain' }),
        });
        clipboard.write([item]).catch(textOnly);
      } catch (error) {
        textOnly();
      }
    }

    // The printed page: hidden on the screen, refreshed right before
    // printing, so it always shows the current figure.
    buildSheet() {
      const sheet = document.createElement('section');
      sheet.id = 'figure-sheet';
      sheet.setAttribute('aria-hidden', 'true');
      const title = document.createElement('div');
      title.className = 'title';
      title.textContent = TITLE;
      const canvas = document.createElement('canvas');
      const text = document.createElement('div');
      text.className = 'text';
      sheet.append(title, canvas, text);
      document.body.append(sheet);
      const font = this.page.form.style.font;
      sheet.style.font = font;
      title.style.font = font;
      title.style.fontSize = `${TITLE_POINTS}pt`;
      return { canvas, text };
    }

    refreshSheet() {
      const pixels = this.pixels();
      const { canvas, text } = this.sheet;
      canvas.width = pixels.width;
      canvas.height = pixels.height;
      canvas.getContext('2d').drawImage(pixels, 0, 0);
      // At its true size: each raster pixel 1/ratio CSS pixel, as on the screen.
      canvas.style.width = `${pixels.width / this.page.ratio()}px`;
      canvas.style.height = `${pixels.height / this.page.ratio()}px`;
      text.textContent = this.text();
    }

    onKey(event) {
      if (!(event.ctrlKey || event.metaKey) || event.altKey) return;
      const key = event.key.toLowerCase();
      if (key === 's' && !event.shiftKey) {
        event.preventDefault();  // not the browser's "save page"
        this.save();
      } else if (key === 'c' && event.shiftKey) {
        event.preventDefault();  // not the developer tools' element picker
        this.copy();
      }
    }
  }

  return (page) => {
    const figure = new Figure(page);
    // The printed page is brought up to date right before printing, however
    // the printing starts (Ctrl+P, the browser's menu, print to PDF).
    window.addEventListener('beforeprint', () => figure.refreshSheet());
    document.addEventListener('keydown', (event) => figure.onKey(event), true);
    return figure;
  };
})();
