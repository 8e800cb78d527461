// The figure out of the page, as out of the desktop window: Ctrl+S downloads
// it as punti-e-rette.png, Ctrl+Shift+C copies it (image and text), and the
// printed page shows it at its true size with its text below. The figure is
// the plot square exactly as the canvas shows it now, never redrawn; its text
// is written by the program itself (pr_figure_text), the same as the desktop's.
// One unit of the page (see page.html.in): takes the PNG chunk writer
// (png_chunks.js), gives setUpFigure(page), which page.js calls once the
// page is ready.
(png) => {
  'use strict';

  const FILE_NAME = 'punti-e-rette.png';
  const CSS_PIXELS_PER_INCH = 96;
  const METRES_PER_INCH = 0.0254;

  // The printed page's measures come with the layout, the same as the
  // desktop's; figure.css has the rest of its look.
  function printStyle(print) {
    const style = document.createElement('style');
    style.textContent = `@page { size: A4; margin: ${print.marginMm}mm; }
@media print {
  #figure-sheet .title { margin-bottom: ${print.titleGapMm}mm; }
  #figure-sheet .text { margin-top: ${print.textGapMm}mm; }
}`;
    return style;
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

    // The inputs as the last command read them and the results true of them.
    text() {
      return this.call.text();
    }

    // One raster pixel is 1/ratio CSS pixel, and a CSS pixel 1/96 inch.
    dotsPerMetre() {
      return Math.round(CSS_PIXELS_PER_INCH * this.page.ratio() / METRES_PER_INCH);
    }

    async png(pixels, text) {
      const blob = await new Promise((resolve) => pixels.toBlob(resolve, 'image/png'));
      const bytes = new Uint8Array(await blob.arrayBuffer());
      return png.withChunks(bytes, [png.physicalSize(this.dotsPerMetre()), png.description(text)]);
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
      const { title: titleText, print } = this.page.layout;
      const sheet = document.createElement('section');
      sheet.id = 'figure-sheet';
      sheet.setAttribute('aria-hidden', 'true');
      const title = document.createElement('div');
      title.className = 'title';
      title.textContent = titleText;
      const canvas = document.createElement('canvas');
      const text = document.createElement('div');
      text.className = 'text';
      sheet.append(title, canvas, text);
      document.body.append(sheet);
      const font = this.page.form.style.font;
      sheet.style.font = font;
      title.style.font = font;
      title.style.fontSize = `${print.titlePoints}pt`;
      document.head.append(printStyle(print));
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
}
