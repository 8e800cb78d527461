// The "Procedimento" panel: the last command's working, step by step, beside
// the form (to its right or below it, wherever the form stays larger), never
// over it: the form is fitted to the rest of the viewport. F9 or the small
// "Procedimento" button in a free corner shows it, F9 or its own button
// hides it; it follows every press. The working is written by the program
// itself (pr_working_json), the same as the desktop's window shows.
// One unit of the page (see page.html.in): gives setUpWorking(page), which
// page.js calls before it starts the page.
() => {
  'use strict';

  const TITLE = 'Procedimento';
  const KEY = 'F9';  // shows and hides a side pane on Linux desktops
  // The panel beside the form: a third of the width, within these bounds.
  const SIDE = { share: 0.34, min: 260, max: 520 };
  // Below the form: this share of the height, this much at least.
  const BELOW = { share: 0.42, min: 150 };
  // The button that shows the panel (working.css): a tab on the right edge
  // where the form leaves a margin there, else a bar at the bottom right, in
  // the margin below the form, on the form's empty bottom-right corner, or,
  // where it would meet a control there, in a strip kept for it.
  const TAB = { width: 24, height: 132 };
  const BAR = { height: 20 };

  class WorkingPanel {
    constructor(page) {
      this.page = page;
      this.json = page.module.cwrap('pr_working_json', 'string', []);
      this.open = false;
      this.build();
      page.reserve = (view) => this.reserve(view);
      page.onPress(() => this.refresh());
    }

    build() {
      const panel = document.createElement('aside');
      panel.id = 'working';
      panel.dataset.name = TITLE;
      panel.setAttribute('aria-labelledby', 'working-title');
      panel.hidden = true;
      const header = document.createElement('div');
      header.className = 'header';
      const title = document.createElement('h2');
      title.id = 'working-title';
      title.textContent = TITLE;
      const close = document.createElement('button');
      close.type = 'button';
      close.textContent = '\u00D7';
      close.title = `Nascondi il procedimento (${KEY})`;
      close.setAttribute('aria-label', 'Nascondi il procedimento');
      close.addEventListener('click', () => this.show(false));
      header.append(title, close);
      this.steps = document.createElement('div');
      this.steps.className = 'steps';
      panel.append(header, this.steps);

      const toggle = document.createElement('button');
      toggle.type = 'button';
      toggle.id = 'working-toggle';
      toggle.textContent = TITLE;
      toggle.title = `Mostra il procedimento (${KEY})`;
      toggle.setAttribute('aria-controls', panel.id);
      toggle.setAttribute('aria-expanded', 'false');
      toggle.addEventListener('click', () => this.show(true));
      document.body.append(panel, toggle);
      this.panel = panel;
      this.toggle = toggle;
      document.addEventListener('keydown', (event) => {
        if (event.key !== KEY || event.ctrlKey || event.altKey || event.metaKey || event.shiftKey) return;
        event.preventDefault();
        this.show(!this.open);
      }, true);
    }

    show(open) {
      this.open = open;
      if (open) this.refresh();
      this.panel.hidden = !open;
      this.toggle.hidden = open;
      this.toggle.setAttribute('aria-expanded', String(open));
      this.page.followViewport();
    }

    refresh() {
      const items = JSON.parse(this.json());
      const lines = items.map(({ kind, runs }) => {
        const line = document.createElement(kind === 'heading' ? 'h3' : 'p');
        if (kind !== 'heading') line.className = kind;
        // A line wraps only between its runs, as the program cuts it.
        runs.forEach((text, i) => {
          if (i > 0) line.append(' ');
          const run = document.createElement('span');
          run.className = 'run';
          run.textContent = text;
          line.append(run);
        });
        return line;
      });
      this.steps.replaceChildren(...lines);
    }

    // The room the form leaves: the open panel's side or strip; when it is
    // closed, a strip for the button only where nothing else holds it.
    reserve(view) {
      const { width: formWidth, height: formHeight } = this.page.layout;
      if (this.open) {
        // Beside or below, wherever the form stays larger.
        const width = Math.round(Math.min(SIDE.max, Math.max(SIDE.min, view.width * SIDE.share)));
        const height = Math.round(Math.max(BELOW.min, view.height * BELOW.share));
        const besideScale = Math.min((view.width - width) / formWidth, view.height / formHeight);
        const belowScale = Math.min(view.width / formWidth, (view.height - height) / formHeight);
        const style = this.panel.style;
        if (besideScale >= belowScale) {
          Object.assign(style, { left: '', top: '0', right: '0', bottom: '0', width: `${width}px`, height: '' });
          return { right: width, bottom: 0 };
        }
        Object.assign(style, { left: '0', top: '', right: '0', bottom: '0', width: '', height: `${height}px` });
        return { right: 0, bottom: height };
      }
      const scale = Math.min(view.width / formWidth, view.height / formHeight);
      const left = (view.width - formWidth * scale) / 2;
      const top = (view.height - formHeight * scale) / 2;
      const asTab = left >= TAB.width && view.height >= TAB.height;
      this.toggle.classList.toggle('tab', asTab);
      // The bar takes no room where it lies on the form's empty bottom-right
      // corner: a viewport the form's own size keeps the form at 100 %.
      const bar = { left: view.width - this.toggle.offsetWidth, top: view.height - BAR.height };
      const barFree = asTab || top >= BAR.height || !this.coversControl(bar, left, top, scale);
      return { right: 0, bottom: barFree ? 0 : BAR.height };
    }

    // Whether a rectangle from `corner` to the viewport's bottom-right corner
    // meets a control of the form placed at (left, top) at this scale.
    coversControl(corner, left, top, scale) {
      return Array.from(this.page.form.querySelectorAll('.control')).some((element) => {
        const right = left + (element.offsetLeft + element.offsetWidth) * scale;
        const bottom = top + (element.offsetTop + element.offsetHeight) * scale;
        return right > corner.left && bottom > corner.top;
      });
    }
  }

  return (page) => new WorkingPanel(page);
}
