// SPDX-License-Identifier: MIT
// A horizontal scroll bar for the page, built from elements as a desktop draws one: an arrow at
// either end, a track and a thumb. The page has none: <input type=range> is a slider, which jumps
// to a click in its track instead of paging and has no arrows.
//
// It never sets its own value. It asks for one (requestValue), which may lie past either end, and
// whoever owns the value holds it to the range and sets it back with setValue. Arrows step, a press
// in the track pages towards the pointer, both repeat while held; a dragged thumb asks for its
// value only when it is let go; the keys work while it has the focus; the wheel is passed on as it
// turns (turnWheel, in 120ths of a notch).
//
// Screen readers hear it as a slider, a value picked from a range: that is what it is to the
// player, and a screen reader leaves a slider its arrow keys, where it would take them from a
// scroll bar to move through the page.

function ScrollBar(bar, settings, requestValue, turnWheel) {
  this.bar = bar;
  this.settings = settings; // minimum, maximum, value, arrowStep, pageStep
  this.requestValue = requestValue;
  this.press = null;
  bar.classList.add('scrollbar');
  bar.setAttribute('role', 'slider');
  bar.setAttribute('aria-orientation', 'horizontal');
  bar.setAttribute('aria-valuemin', settings.minimum);
  bar.setAttribute('aria-valuemax', settings.maximum);
  bar.tabIndex = 0;
  var part = function (name) {
    var element = document.createElement('div');
    element.className = name;
    return element;
  };
  this.less = bar.appendChild(part('arrow less'));
  this.track = bar.appendChild(part('track'));
  this.thumb = this.track.appendChild(part('thumb'));
  this.more = bar.appendChild(part('arrow more'));
  this.setValue(settings.value);

  var self = this;
  bar.addEventListener('pointerdown', function (event) { self.pointerDown(event); });
  bar.addEventListener('pointermove', function (event) { self.pointerMove(event); });
  bar.addEventListener('pointerup', function (event) { self.pointerUp(event, true); });
  bar.addEventListener('pointercancel', function (event) { self.pointerUp(event, false); });
  bar.addEventListener('lostpointercapture', function (event) { self.pointerUp(event, false); });
  // A finger on the bar makes no gesture of the page's: a quick drag would otherwise fling, and
  // the next tap (on Flip, say) would only stop the fling and be lost.
  bar.addEventListener('touchstart', function (event) { event.preventDefault(); }, { passive: false });
  bar.addEventListener('keydown', function (event) { self.keyDown(event); });
  bar.addEventListener('wheel', function (event) {
    event.preventDefault();
    turnWheel(ScrollBar.wheelDelta(event));
  }, { passive: false });
}

// Arrows and the track repeat after half a second, then twenty times a second, as on desktops.
ScrollBar.RepeatDelay = 500;
ScrollBar.RepeatInterval = 50;

// A turn of the wheel in 120ths of a notch, towards the player negative, as desktops count it.
ScrollBar.wheelDelta = function (event) {
  if (event.wheelDeltaY) return event.wheelDeltaY;
  var perUnit = [1.2, 40, 120][event.deltaMode] || 1.2; // pixels, lines, pages
  return -event.deltaY * perUnit;
};

ScrollBar.prototype.value = function () {
  return this.settings.value;
};

ScrollBar.prototype.setValue = function (value) {
  this.settings.value = value;
  this.bar.setAttribute('aria-valuenow', value);
  if (!this.press || this.press.part !== 'thumb') this.placeThumb(this.fractionOf(value));
};

ScrollBar.prototype.fractionOf = function (value) {
  var settings = this.settings;
  return (value - settings.minimum) / (settings.maximum - settings.minimum);
};

ScrollBar.prototype.placeThumb = function (fraction) {
  this.thumb.style.left = 'calc((100% - var(--thumb)) * ' + fraction + ')';
};

ScrollBar.prototype.keyDown = function (event) {
  var settings = this.settings, value = settings.value;
  var moves = {
    ArrowLeft: value - settings.arrowStep, ArrowUp: value - settings.arrowStep,
    ArrowRight: value + settings.arrowStep, ArrowDown: value + settings.arrowStep,
    PageUp: value - settings.pageStep, PageDown: value + settings.pageStep,
    Home: settings.minimum, End: settings.maximum,
  };
  if (!(event.key in moves) || event.altKey || event.ctrlKey || event.metaKey) return;
  event.preventDefault();
  this.requestValue(moves[event.key]);
};

// Which part of the bar a press lands on: an arrow, the thumb, or the track on either side.
ScrollBar.prototype.partAt = function (event) {
  if (this.less.contains(event.target)) return 'less';
  if (this.more.contains(event.target)) return 'more';
  if (this.thumb.contains(event.target)) return 'thumb';
  return event.clientX < this.span(this.thumb).left ? 'pageLess' : 'pageMore';
};

// Where an element of the bar lies across the page, in the pointer's pixels. Scaled with CSS zoom,
// WebKit gives an element's box unzoomed while the pointer is in the page's pixels; Chromium and
// Firefox zoom both. The bar's own box against its layout width tells which it is.
ScrollBar.prototype.span = function (element) {
  var zoom = 1;
  for (var each = this.bar; each; each = each.parentElement)
    zoom *= parseFloat(getComputedStyle(each).zoom) || 1;
  var perBoxPixel = zoom * this.bar.offsetWidth / this.bar.getBoundingClientRect().width;
  var box = element.getBoundingClientRect();
  return { left: box.left * perBoxPixel, right: box.right * perBoxPixel,
    width: box.width * perBoxPixel };
};

ScrollBar.prototype.pointerDown = function (event) {
  if (event.button !== 0 || this.press) return;
  // No text selection, no scrolling of the page; the bar takes the focus, as on the desktop.
  event.preventDefault();
  this.bar.focus();
  this.bar.setPointerCapture(event.pointerId);
  var part = this.partAt(event);
  this.press = { part: part, pointer: event.pointerId, x: event.clientX, y: event.clientY };
  if (part === 'thumb') {
    this.press.fraction = this.fractionOf(this.settings.value);
    this.bar.classList.add('dragging');
    return;
  }
  this.step();
  var self = this;
  this.press.timer = setTimeout(function repeat() {
    if (!self.press) return;
    self.step();
    self.press.timer = setTimeout(repeat, ScrollBar.RepeatInterval);
  }, ScrollBar.RepeatDelay);
};

// One step of a held arrow or track: only while the pointer stays on the arrow, or beyond the
// thumb in the direction of the press.
ScrollBar.prototype.step = function () {
  var press = this.press, settings = this.settings;
  var under = document.elementFromPoint(press.x, press.y);
  var thumb = this.span(this.thumb);
  switch (press.part) {
    case 'less':
      if (this.less.contains(under)) this.requestValue(settings.value - settings.arrowStep);
      break;
    case 'more':
      if (this.more.contains(under)) this.requestValue(settings.value + settings.arrowStep);
      break;
    case 'pageLess':
      if (press.x < thumb.left) this.requestValue(settings.value - settings.pageStep);
      break;
    case 'pageMore':
      if (press.x >= thumb.right) this.requestValue(settings.value + settings.pageStep);
      break;
  }
};

ScrollBar.prototype.dragFraction = function (event) {
  var travel = this.span(this.track).width - this.span(this.thumb).width;
  var fraction = this.press.fraction + (event.clientX - this.press.x) / travel;
  return Math.max(0, Math.min(1, fraction));
};

ScrollBar.prototype.pointerMove = function (event) {
  var press = this.press;
  if (!press || event.pointerId !== press.pointer) return;
  if (press.part === 'thumb') {
    // The thumb follows the pointer; the value waits for it to be let go.
    this.placeThumb(this.dragFraction(event));
    return;
  }
  press.x = event.clientX;
  press.y = event.clientY;
};

ScrollBar.prototype.pointerUp = function (event, released) {
  var press = this.press, settings = this.settings;
  if (!press || event.pointerId !== press.pointer) return;
  clearTimeout(press.timer);
  var dropped = press.part === 'thumb' && Math.round(settings.minimum +
    this.dragFraction(event) * (settings.maximum - settings.minimum));
  this.press = null;
  if (press.part !== 'thumb') return;
  this.bar.classList.remove('dragging');
  this.placeThumb(this.fractionOf(settings.value));
  if (released) this.requestValue(dropped);
};

// Lets go of any press, as when the game stops taking input.
ScrollBar.prototype.release = function () {
  if (this.press) clearTimeout(this.press.timer);
  this.press = null;
  this.placeThumb(this.fractionOf(this.settings.value));
};
