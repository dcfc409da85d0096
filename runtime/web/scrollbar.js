// SPDX-License-Identifier: MIT
// A horizontal scroll bar for the page, built from elements as a desktop draws one: an arrow at
// either end, a track and a thumb. The page has none: <input type=range> is a slider, which jumps
// to a click in its track instead of paging and has no arrows.
//
// It never sets its own value, nor works one out. It asks for a move (requestMove: a step, a page
// or an end, which the game's scroll rule turns into a value) or, for a dragged thumb, for a value
// (requestValue), which may lie past either end; whoever owns the value holds it to the range and
// sets it back with setValue. Arrows step, a press in the track pages towards the pointer, both
// repeat while held; a dragged thumb asks for its value only when it is let go; the keys work
// while it has the focus; the wheel is passed on as it turns (turnWheel, in 120ths of a notch).
//
// Screen readers hear it as a slider, a value picked from a range: that is what it is to the
// player, and a screen reader leaves a slider its arrow keys, where it would take them from a
// scroll bar to move through the page.

class ScrollBar {
  // The bar's element, with its role, names, range and parts (arrow less, track with its thumb,
  // arrow more) as the page's markup gives them.
  constructor(bar, settings, { requestMove, requestValue, turnWheel }) {
    this.bar = bar;
    this.settings = settings; // minimum, maximum, value
    this.requestMove = requestMove;
    this.requestValue = requestValue;
    this.press = null;
    const part = (selector) => {
      const element = bar.querySelector(selector);
      if (!element) throw new Error(`The scroll bar ${bar.id} has no ${selector}.`);
      return element;
    };
    this.less = part('.less');
    this.track = part('.track');
    this.thumb = part('.thumb');
    this.more = part('.more');
    this.setValue(settings.value);

    bar.addEventListener('pointerdown', (event) => this.pointerDown(event));
    bar.addEventListener('pointermove', (event) => this.pointerMove(event));
    bar.addEventListener('pointerup', (event) => this.pointerUp(event, true));
    bar.addEventListener('pointercancel', (event) => this.pointerUp(event, false));
    bar.addEventListener('lostpointercapture', (event) => this.pointerUp(event, false));
    // A finger on the bar makes no gesture of the page's: a quick drag would otherwise fling, and
    // the next tap (on Flip, say) would only stop the fling and be lost.
    bar.addEventListener('touchstart', (event) => event.preventDefault(), { passive: false });
    bar.addEventListener('keydown', (event) => this.keyDown(event));
    bar.addEventListener('wheel', (event) => {
      event.preventDefault();
      turnWheel(ScrollBar.wheelDelta(event));
    }, { passive: false });
  }

  // A turn of the wheel in 120ths of a notch, towards the player negative, as desktops count it.
  static wheelDelta(event) {
    if (event.wheelDeltaY) return event.wheelDeltaY;
    const perUnit = [1.2, 40, 120][event.deltaMode] || 1.2; // pixels, lines, pages
    return -event.deltaY * perUnit;
  }

  value() {
    return this.settings.value;
  }

  setValue(value) {
    this.settings.value = value;
    this.bar.setAttribute('aria-valuenow', value);
    // Else VoiceOver reads the value as a percentage of the range.
    this.bar.setAttribute('aria-valuetext', value);
    if (!this.press || this.press.part !== 'thumb') this.placeThumb(this.fractionOf(value));
  }

  fractionOf(value) {
    const { minimum, maximum } = this.settings;
    return (value - minimum) / (maximum - minimum);
  }

  placeThumb(fraction) {
    this.thumb.style.setProperty('--fraction', fraction);
  }

  keyDown(event) {
    const move = ScrollBar.Moves;
    const moves = {
      ArrowLeft: move.less, ArrowUp: move.less, ArrowRight: move.more, ArrowDown: move.more,
      PageUp: move.pageLess, PageDown: move.pageMore, Home: move.minimum, End: move.maximum,
    };
    if (!(event.key in moves) || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    this.requestMove(moves[event.key]);
  }

  // Which part of the bar a press lands on: an arrow, the thumb, or the track on either side.
  partAt(event) {
    if (this.less.contains(event.target)) return 'less';
    if (this.more.contains(event.target)) return 'more';
    if (this.thumb.contains(event.target)) return 'thumb';
    return event.clientX < this.span(this.thumb).left ? 'pageLess' : 'pageMore';
  }

  // The pointer's pixels to an element box's. Scaled with CSS zoom, WebKit gives an element's box
  // unzoomed while the pointer is in the page's pixels; Chromium and Firefox zoom both, and every
  // engine scales both with a transform. The bar's own box against its layout width, scaled by
  // its ancestors' zoom and transforms, tells which it is.
  pointerPixelsPerBoxPixel() {
    let scale = 1;
    for (let each = this.bar; each; each = each.parentElement) {
      const { zoom, transform } = getComputedStyle(each);
      scale *= (parseFloat(zoom) || 1) * (transform === 'none' ? 1 : new DOMMatrix(transform).a);
    }
    return scale * this.bar.offsetWidth / this.bar.getBoundingClientRect().width;
  }

  // Where an element of the bar lies across the page, in the pointer's pixels.
  span(element) {
    const perBoxPixel = this.pointerPixelsPerBoxPixel();
    const { left, right } = element.getBoundingClientRect();
    return { left: left * perBoxPixel, right: right * perBoxPixel };
  }

  pointerDown(event) {
    if (event.button !== 0 || this.press) return;
    // No text selection, no scrolling of the page; the bar takes the focus, as on the desktop.
    event.preventDefault();
    this.bar.focus();
    this.bar.setPointerCapture(event.pointerId);
    const part = this.partAt(event);
    this.press = { part, pointer: event.pointerId, x: event.clientX, y: event.clientY };
    if (part === 'thumb') {
      this.press.fraction = this.fractionOf(this.settings.value);
      this.bar.classList.add('dragging');
      return;
    }
    this.step(true);
    const repeat = () => {
      if (!this.press) return;
      this.step(false);
      this.press.timer = setTimeout(repeat, ScrollBar.RepeatInterval);
    };
    this.press.timer = setTimeout(repeat, ScrollBar.RepeatDelay);
  }

  // One step of a pressed arrow or track: at the press, and then as it repeats while held, only
  // while the pointer stays on the arrow, or beyond the thumb in the direction of the press. (The
  // press itself is not asked again: at a part's very edge the pointer's pixel and the part's box
  // can disagree.)
  step(pressed) {
    const { part, x, y } = this.press;
    if (pressed || this.stillOn(part, x, y)) this.requestMove(ScrollBar.Moves[part]);
  }

  stillOn(part, x, y) {
    if (part === 'less' || part === 'more') return this[part].contains(document.elementFromPoint(x, y));
    const thumb = this.span(this.thumb);
    return part === 'pageLess' ? x < thumb.left : x >= thumb.right;
  }

  dragFraction(event) {
    const width = (element) => element.getBoundingClientRect().width;
    const travel = (width(this.track) - width(this.thumb)) * this.pointerPixelsPerBoxPixel();
    const fraction = this.press.fraction + (event.clientX - this.press.x) / travel;
    return Math.max(0, Math.min(1, fraction));
  }

  pointerMove(event) {
    const press = this.press;
    if (!press || event.pointerId !== press.pointer) return;
    if (press.part === 'thumb') {
      // The thumb follows the pointer; the value waits for it to be let go.
      this.placeThumb(this.dragFraction(event));
      return;
    }
    press.x = event.clientX;
    press.y = event.clientY;
  }

  pointerUp(event, released) {
    const press = this.press, { minimum, maximum, value } = this.settings;
    if (!press || event.pointerId !== press.pointer) return;
    clearTimeout(press.timer);
    const dropped = press.part === 'thumb'
      && Math.round(minimum + this.dragFraction(event) * (maximum - minimum));
    this.press = null;
    if (press.part !== 'thumb') return;
    this.bar.classList.remove('dragging');
    this.placeThumb(this.fractionOf(value));
    if (released) this.requestValue(dropped);
  }

  // Lets go of any press, as when the game stops taking input.
  release() {
    if (this.press) clearTimeout(this.press.timer);
    this.press = null;
    this.placeThumb(this.fractionOf(this.settings.value));
  }
}

// The moves, numbered as the game's scroll rule numbers them (ScrollMove in scrolling.h).
ScrollBar.Moves = { less: 0, more: 1, pageLess: 2, pageMore: 3, minimum: 4, maximum: 5 };
// Arrows and the track repeat after half a second, then twenty times a second, as on desktops.
ScrollBar.RepeatDelay = 500;
ScrollBar.RepeatInterval = 50;
