// The figure's points moved by hand and by keys, as on the desktop: a press
// on or near a point of the plot grabs it (mouse, pen or finger), moving
// moves it on the grid (Shift: a hundredth of the full scale), releasing
// drops it; Escape puts it back, Ctrl+Z takes the move back; Up and Down in
// a coordinate box step its value and Enter in any box runs the last command
// again. The program decides everything (PointMover, in the WebAssembly
// module): this unit passes positions and keys in and asks for one run per
// displayed frame, however many moves come in between.
// One unit of the page (see page.html.in): gives setUpDrag(page), which
// page.js calls once the page is ready.
() => {
  'use strict';

  // What the program calls the pointers (drag::PointerKind).
  const KINDS = { mouse: 0, pen: 1, touch: 2 };

  class Drag {
    constructor(page) {
      this.page = page;
      const { module } = page;
      const number = 'number';
      this.call = {
        pointAt: module.cwrap('pr_point_at', number, [number, number, number, number]),
        press: module.cwrap('pr_drag_press', number, [number, number, number, number]),
        move: module.cwrap('pr_drag_move', number, [number, number, number]),
        frame: module.cwrap('pr_drag_frame', number, []),
        release: module.cwrap('pr_drag_release', number, []),
        cancel: module.cwrap('pr_drag_cancel', number, []),
        canUndo: module.cwrap('pr_can_undo', number, ['string', number]),
        undo: module.cwrap('pr_undo', number, ['string', number]),
        step: module.cwrap('pr_step', number, ['string', number, number, number]),
        enter: module.cwrap('pr_enter', number, []),
        report: module.cwrap('pr_rerun_report', 'string', []),
        xBox: module.cwrap('pr_x_box', 'string', [number]),
      };
      this.held = null;  // { pointer, at, fine } while a point is held
      this.plot = this.buildPlot();
    }

    // A pane over the plot square alone: only there does a finger move a
    // point instead of panning or zooming the page (touch-action: none).
    buildPlot() {
      const plot = document.createElement('div');
      plot.className = 'plot';
      plot.setAttribute('aria-hidden', 'true');
      const side = `${this.page.layout.plotSide}px`;
      Object.assign(plot.style, { width: side, height: side });
      this.page.form.append(plot);
      plot.addEventListener('pointerdown', (event) => this.onDown(event));
      plot.addEventListener('pointermove', (event) => this.onMove(event));
      plot.addEventListener('pointerup', (event) => this.onUp(event));
      plot.addEventListener('pointercancel', (event) => this.onCancel(event));
      plot.addEventListener('pointerleave', () => { if (!this.held) plot.style.cursor = ''; });
      return plot;
    }

    // Where a pointer is, in the form's CSS pixels at 100 % (15 twips each).
    at(event) {
      const box = this.plot.getBoundingClientRect();
      return { x: (event.clientX - box.left) / this.page.scale, y: (event.clientY - box.top) / this.page.scale };
    }

    kind(event) {
      return KINDS[event.pointerType] ?? KINDS.mouse;
    }

    onDown(event) {
      if (this.held || !event.isPrimary || event.button !== 0) return;
      const at = this.at(event);
      this.page.sendTexts();
      const point = this.call.press(at.x, at.y, this.kind(event), this.page.scale);
      if (point < 0) return;  // elsewhere on the plot: what it always did
      // No focus change, text selection or emulated mouse events of its own.
      event.preventDefault();
      this.held = { pointer: event.pointerId, at, fine: event.shiftKey };
      this.plot.setPointerCapture(event.pointerId);
      this.plot.style.cursor = 'grabbing';
      // Its boxes are what a screen reader follows; a finger would open the
      // on-screen keyboard over the figure instead.
      if (event.pointerType !== 'touch') {
        this.page.form.querySelector(`[data-name="${this.call.xBox(point)}"]`).focus({ preventScroll: true });
      }
    }

    onMove(event) {
      if (!this.held) {
        if (event.pointerType === 'touch') return;
        const at = this.at(event);
        const over = this.call.pointAt(at.x, at.y, this.kind(event), this.page.scale) >= 0;
        this.plot.style.cursor = over ? 'grab' : '';
        return;
      }
      if (event.pointerId !== this.held.pointer) return;
      event.preventDefault();
      this.held.at = this.at(event);
      this.held.fine = event.shiftKey;
      this.moved();
    }

    // The program says when a frame is wanted: once until it comes.
    moved() {
      const { at, fine } = this.held;
      if (!this.call.move(at.x, at.y, fine ? 1 : 0)) return;
      requestAnimationFrame(() => {
        if (this.call.frame()) this.page.showResults('');
      });
    }

    onUp(event) {
      if (!this.held || event.pointerId !== this.held.pointer) return;
      this.call.release();
      this.end();
      // A run-time error during the drag is shown now, once.
      this.page.showResults(this.call.report());
    }

    // The browser took the pointer away: the move did not end as the student
    // meant, so it is taken back.
    onCancel(event) {
      if (this.held && event.pointerId === this.held.pointer) this.cancel();
    }

    cancel() {
      this.call.cancel();
      this.end();
      this.page.showResults('');
    }

    end() {
      if (this.plot.hasPointerCapture(this.held.pointer)) this.plot.releasePointerCapture(this.held.pointer);
      this.held = null;
      this.plot.style.cursor = '';
    }

    // Keys, wherever the focus is: Escape and Shift while a point is held,
    // Ctrl+Z after a move; in a box Up, Down and Enter.
    onKey(event) {
      if (this.held) {
        if (event.key === 'Escape') {
          event.preventDefault();
          event.stopPropagation();
          this.cancel();
        } else if (event.key === 'Shift') {
          this.held.fine = event.type === 'keydown';
          this.moved();
        }
        return;
      }
      if (event.type !== 'keydown') return;
      const box = this.page.boxes.find(({ element }) => element === event.target);
      const name = box ? box.row.name : '';
      const index = box ? box.row.index : -1;
      const plain = !event.ctrlKey && !event.metaKey && !event.altKey;
      if ((event.ctrlKey || event.metaKey) && !event.altKey && !event.shiftKey && event.key.toLowerCase() === 'z') {
        this.page.sendTexts();
        if (this.call.canUndo(name, index)) this.handled(event, this.call.undo(name, index));
      } else if (box && plain && (event.key === 'ArrowUp' || event.key === 'ArrowDown')) {
        this.page.sendTexts();
        const direction = event.key === 'ArrowUp' ? 1 : -1;
        this.handled(event, this.call.step(name, index, direction, event.shiftKey ? 1 : 0));
      } else if (box && plain && !event.shiftKey && event.key === 'Enter') {
        this.page.sendTexts();
        this.handled(event, this.call.enter());
      }
    }

    handled(event, done) {
      if (!done) return;
      event.preventDefault();
      this.page.showResults(this.call.report());
    }
  }

  return (page) => {
    const drag = new Drag(page);
    for (const type of ['keydown', 'keyup']) document.addEventListener(type, (event) => drag.onKey(event), true);
    return drag;
  };
}
