// The page's front end: builds Form1's controls from the layout the program
// hands over (no copy of the table here), shows the program's raster on a
// canvas pixel for pixel, and passes texts in and clicks on. Every handler
// runs in the WebAssembly module, through the same dispatch as on the desktop.
// One unit of the page (see page.html.in), the last: takes
// { createPageModule, wasmBase64, setUpFigure, setUpWorking, setUpDrag } and starts the page.
(parts) => {
  'use strict';

  const { createPageModule, wasmBase64, setUpFigure, setUpWorking, setUpDrag } = parts;

  // The module's bytes, handed to it directly: no fetch, not even of a data: URL.
  function bytesOfBase64(text) {
    // Native where the browser has it: a loop in cold JavaScript takes
    // tens of milliseconds over these few hundred kilobytes.
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
  }

  // The decimal mark of the browser's language, as the desktop takes its
  // locale's: "it" gives ",".
  function decimalMark() {
    try {
      const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
      const mark = parts.find((part) => part.type === 'decimal');
      return mark ? mark.value : '.';
    } catch (error) {
      return '.';
    }
  }

  function fontOf(layout, pixels) {
    return `${layout.fontWeight} ${pixels}px "${layout.fontFamily}", "${layout.fallbackFamily} Form", sans-serif`;
  }

  class Page {
    constructor(module) {
      this.module = module;
      this.call = {
        layout: module.cwrap('pr_layout_json', 'string', []),
        open: module.cwrap('pr_open', null, ['number']),
        setDecimalMark: module.cwrap('pr_set_decimal_mark', null, ['string']),
        setRatio: module.cwrap('pr_set_ratio', 'number', ['number']),
        setText: module.cwrap('pr_set_text', null, ['string', 'number', 'string']),
        text: module.cwrap('pr_text', 'string', ['string', 'number']),
        click: module.cwrap('pr_click', 'string', ['string']),
        caption: module.cwrap('pr_caption', 'string', ['string', 'number']),
        readingNote: module.cwrap('pr_reading_note', 'string', ['string']),
        rasterRatio: module.cwrap('pr_raster_ratio', 'number', []),
        width: module.cwrap('pr_raster_width', 'number', []),
        height: module.cwrap('pr_raster_height', 'number', []),
        rgba: module.cwrap('pr_raster_rgba', 'number', []),
      };
      this.layout = JSON.parse(this.call.layout());
      this.form = document.getElementById('form');
      this.labels = [];
      this.boxes = [];
      this.focusOrder = [];
      this.pressListeners = [];
      this.decimalMarkKnown = false;
      // Room kept free beside the form (the working's panel) in CSS pixels,
      // for a viewport of the given size.
      this.reserve = () => ({ right: 0, bottom: 0 });
    }

    // `listener()` runs after every press, once labels and canvas show its results.
    onPress(listener) {
      this.pressListeners.push(listener);
    }

    start() {
      // Fitted while the form is still empty: measuring the viewport then
      // lays out nothing, and the controls are laid out once, for the first frame.
      this.fit();
      this.build();
      this.call.open(this.ratio());
      this.draw();
      this.focusOrder[0].focus();
      // A rotation, a resized window, the browser's zoom (a new device pixel
      // ratio changes the viewport's CSS size too).
      window.addEventListener('resize', () => this.followViewport());
      this.watchRatio();
      requestAnimationFrame(() => setTimeout(() => this.learnDecimalMark()));
    }

    // The results' decimal mark. Intl takes tens of milliseconds the first
    // time in a browser, so the plane does not wait for it: the program
    // learns it just after the first frame, or at the first press if sooner.
    learnDecimalMark() {
      if (this.decimalMarkKnown) return;
      this.call.setDecimalMark(decimalMark());
      this.decimalMarkKnown = true;
    }

    // The controls

    build() {
      const { layout, form } = this;
      form.style.width = `${layout.width}px`;
      form.style.height = `${layout.height}px`;
      form.style.background = layout.background;
      form.style.font = fontOf(layout, layout.fontPixels);
      document.documentElement.style.background = layout.background;

      this.canvas = document.createElement('canvas');
      this.canvas.dataset.name = 'Form1';
      this.canvas.setAttribute('aria-hidden', 'true');
      form.append(this.canvas);

      // In the table's order: later rows lie above earlier ones.
      for (const row of layout.controls) {
        const element = this.create(row);
        element.dataset.name = row.dataName;
        element.classList.add('control', row.kind);
        Object.assign(element.style, { left: `${row.left}px`, top: `${row.top}px` });
        if (row.kind !== 'label' || !row.autoSize) {
          Object.assign(element.style, { width: `${row.width}px`, height: `${row.height}px` });
        }
        form.append(element);
      }
      const focusable = layout.controls
        .map((row, i) => ({ row, element: form.children[i + 1] }))
        .filter(({ row }) => row.kind === 'textbox' || row.kind === 'button')
        .sort((a, b) => a.row.tabIndex - b.row.tabIndex);
      this.focusOrder = focusable.map(({ element }) => element);
      this.focusOrder.forEach((element, i) => { element.tabIndex = i + 1; });
      form.addEventListener('keydown', (event) => this.closeTabChain(event));
    }

    create(row) {
      switch (row.kind) {
        case 'label': return this.createLabel(row);
        case 'textbox': return this.createTextBox(row);
        case 'button': return this.createButton(row);
        default: return this.createShape(row);
      }
    }

    createLabel(row) {
      const label = document.createElement('div');
      if (row.colour) label.style.color = row.colour;
      if (row.fontPixels !== this.layout.fontPixels) label.style.font = fontOf(this.layout, row.fontPixels);
      label.style.minHeight = `${row.height}px`;
      // An auto-size label grows to the right up to the form's edge: the
      // form's scroll area never grows where "clip" is unknown.
      if (row.autoSize) label.style.maxWidth = `${this.layout.width - row.left}px`;
      // The name stays the caption, so a screen reader reads the values; the
      // description says what the value is.
      if (row.spoken) label.setAttribute('aria-description', row.spoken);
      this.labels.push({ row, element: label });
      this.showCaption(row, label, row.caption);
      return label;
    }

    createTextBox(row) {
      const box = document.createElement('input');
      box.type = 'text';
      box.spellcheck = false;
      box.autocomplete = 'off';
      // The desktop's boxes take at most 32767 characters: the exact
      // arithmetic on the numbers typed then stays well under a second.
      box.maxLength = 32767;
      if (row.colour) box.style.color = row.colour;
      box.setAttribute('aria-label', row.spoken);
      box.addEventListener('input', () => this.markReading(box));
      this.boxes.push({ row, element: box });
      return box;
    }

    // A box whose text is not read as it stands ("2,5" reads as 2) shows a
    // small mark, and the program's sentence on how it is read as its
    // tooltip and description; at every edit, before any press.
    markReading(box) {
      const note = this.call.readingNote(box.value);
      box.classList.toggle('misread', note !== '');
      for (const attribute of ['title', 'aria-description']) {
        if (note) {
          box.setAttribute(attribute, note);
        } else {
          box.removeAttribute(attribute);
        }
      }
    }

    createButton(row) {
      const button = document.createElement('button');
      button.type = 'button';
      const caption = document.createElement('span');
      caption.textContent = row.caption;
      button.append(caption);
      // Space presses a focused button, Enter does not, as on the desktop.
      button.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') event.preventDefault();
      });
      button.addEventListener('click', () => this.press(row.name));
      return button;
    }

    createShape(row) {
      const marker = document.createElement('div');
      marker.style.background = row.colour;
      marker.setAttribute('role', 'img');
      marker.setAttribute('aria-label', row.spoken);
      return marker;
    }

    showCaption(row, element, caption) {
      element.textContent = caption;
      // An empty auto-size label stays a sliver wide.
      if (row.autoSize) element.style.width = caption === '' ? `${row.emptyWidth}px` : '';
    }

    // Tab from the last control goes back to the first, Shift+Tab the other
    // way: the chain closes on itself, as in the desktop window.
    closeTabChain(event) {
      if (event.key !== 'Tab') return;
      const order = this.focusOrder;
      const at = order.indexOf(document.activeElement);
      if (at < 0) return;
      const next = event.shiftKey ? (at === 0 ? order.length - 1 : -1) : (at === order.length - 1 ? 0 : -1);
      if (next < 0) return;
      event.preventDefault();
      order[next].focus();
    }

    // A click

    // What the boxes hold now, handed to the program's form.
    sendTexts() {
      for (const { row, element } of this.boxes) this.call.setText(row.name, row.index, element.value);
    }

    press(button) {
      this.learnDecimalMark();
      this.sendTexts();
      this.showResults(this.call.click(button));
    }

    // What a press, a moved point or a key left: the boxes as the program's
    // form holds them (a moved point's texts), the labels, the canvas, the
    // working; then the run-time error's message, if any.
    showResults(report) {
      for (const { row, element } of this.boxes) {
        const text = this.call.text(row.name, row.index);
        if (text !== element.value) element.value = text;
      }
      for (const { row, element } of this.labels) {
        const caption = this.call.caption(row.name, row.index);
        if (caption !== element.textContent) this.showCaption(row, element, caption);
      }
      this.draw();
      for (const listener of this.pressListeners) listener();
      if (report) showError(report);
    }

    // The raster, one canvas pixel to one device pixel

    draw() {
      const width = this.call.width();
      const height = this.call.height();
      const pointer = this.call.rgba();
      if (this.canvas.width !== width || this.canvas.height !== height) {
        this.canvas.width = width;
        this.canvas.height = height;
      }
      // The CSS size that is exactly the raster's device pixels at the ratio
      // in effect, a hair wider than the form where the ratio is fractional.
      const ratio = this.call.rasterRatio();
      this.canvas.style.width = `${width / ratio}px`;
      this.canvas.style.height = `${height / ratio}px`;
      // Straight from the module's memory, without a copy of its own.
      const bytes = new Uint8ClampedArray(this.module.HEAPU8.buffer, pointer, width * height * 4);
      this.canvas.getContext('2d').putImageData(new ImageData(bytes, width, height), 0, 0);
    }

    // The form as large as the screen: it fills the viewport as far
    // as its proportions allow, up or down, centred on the background. The
    // raster is made for the device pixels the scaled canvas covers (form
    // scale x device pixel ratio), so it stays one pixel to one device pixel.

    ratio() {
      return window.devicePixelRatio * this.scale;
    }

    // The viewport less the room kept free beside the form.
    room() {
      const view = viewportSize();
      const kept = this.reserve(view);
      return { width: view.width - kept.right, height: view.height - kept.bottom };
    }

    fitScale() {
      const { width, height } = this.room();
      const scale = Math.min(width / this.layout.width, height / this.layout.height);
      return scale > 0 && Number.isFinite(scale) ? scale : 1;
    }

    // Scales and centres the form; its top-left corner on a device pixel, so
    // the canvas's pixels fall on the screen's.
    fit() {
      this.scale = this.fitScale();
      const { width, height } = this.room();
      const onDevicePixel = (css) => Math.max(0, Math.floor(css * window.devicePixelRatio) / window.devicePixelRatio);
      const { style } = this.form;
      style.left = `${onDevicePixel((width - this.layout.width * this.scale) / 2)}px`;
      style.top = `${onDevicePixel((height - this.layout.height * this.scale) / 2)}px`;
      style.transform = `scale(${this.scale})`;
    }

    // After any change of scale the raster is made anew and the program
    // redraws the plane with the last command's figure on it.
    followViewport() {
      this.fit();
      if (this.call.setRatio(this.ratio())) this.draw();
    }

    // A window moved to another screen, or the browser's zoom, changes the
    // device pixel ratio; the query is made anew for each new ratio.
    watchRatio() {
      const query = window.matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
      query.addEventListener('change', () => {
        this.followViewport();
        this.watchRatio();
      }, { once: true });
    }
  }

  // The run-time error's message box: modal, titled as the window, closed
  // by Enter, Escape or its button; the page goes on afterwards.
  function showError(report) {
    const dialog = document.getElementById('error');
    dialog.querySelector('.message').textContent = report;
    dialog.showModal();
    dialog.querySelector('button').focus();
  }

  // The viewport the browser shows the page in, in CSS pixels. The form is
  // fixed, so it never widens the layout the way a page wider than a phone's
  // screen does (the browser would zoom it out): the layout viewport is the
  // screen. Its size, unlike the visual viewport's, stays as it is under a
  // pinch zoom and when the on-screen keyboard opens, so typing into a box
  // does not shrink the form; the browser pans to the box instead.
  function viewportSize() {
    const page = document.documentElement;
    return { width: page.clientWidth, height: page.clientHeight };
  }

  function setUpErrorDialog(title) {
    const dialog = document.getElementById('error');
    dialog.querySelector('.title').textContent = title;
    dialog.querySelector('button').addEventListener('click', () => dialog.close());
  }

  createPageModule({ wasmBinary: bytesOfBase64(wasmBase64) }).then((module) => {
    const page = new Page(module);
    document.title = page.layout.title;
    setUpErrorDialog(page.layout.title);
    setUpWorking(page);
    page.start();
    setUpFigure(page);
    setUpDrag(page);
  });
}
