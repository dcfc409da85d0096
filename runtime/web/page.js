// SPDX-License-Identifier: MIT
// The page's side of the game window: the elements that stand for Form1's controls, which the
// window's first look puts in the page (firstlook.cpp), taken over and changed as the C++ front
// end (form1page.cpp) asks, and the player's events passed back to it (main.cpp). Controls are
// numbered as in the window description, coins from 1 to 10. Not in strict mode: Debian's
// Emscripten (3.1.6) minifies every 'use strict' away; the scroll bar, a class, is.

mergeInto(LibraryManager.library, {
  $Page: {
    controls: [],
    scrollBars: [],
    coins: [],
    focusOrder: [],

    // How long the flips must pause before the last is read out, in milliseconds.
    announceDelay: 150,
    announcing: 0,

    client: function () { return document.getElementById('client'); },

    // The title as the desktop shows it, leading blank and all, in the caption; the browser's own
    // title drops the blank.
    title: function (title) {
      document.title = title;
      document.getElementById('caption-title').textContent = title;
    },

    // Tab and Shift+Tab go round Flip and the scroll bars in the window's order, as on a desktop.
    // WebKitGTK can name Shift+Tab's key Unidentified; its code is still Tab.
    tab: function (event) {
      const tab = event.key === 'Tab' || (event.key === 'Unidentified' && event.code === 'Tab');
      if (!tab || event.altKey || event.ctrlKey || event.metaKey) return;
      event.preventDefault();
      const order = Page.focusOrder, at = order.indexOf(document.activeElement);
      const next = at < 0 ? (event.shiftKey ? order.length - 1 : 0)
        : (at + (event.shiftKey ? order.length - 1 : 1)) % order.length;
      order[next].focus();
    },

    element: function (id) {
      const element = document.getElementById(id);
      if (!element) throw new Error(`The page has no element ${id}.`);
      return element;
    },

    // A click, tap or press on what takes no focus on a desktop (a coin, a label, the window's
    // face, the caption, the page around it) leaves the focus where it was, and Space and the
    // arrows with it.
    keepFocus: function (event) {
      if (!Page.focusOrder.some((control) => control.contains(event.target))) event.preventDefault();
    },

    // Enter presses the focused button as Space does: down on the key, a click when it comes up,
    // so that a held key clicks once.
    pressWithEnter: function (button) {
      let down = false;
      const press = (pressed) => {
        down = pressed;
        button.classList.toggle('pressed', pressed);
      };
      button.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter') return;
        event.preventDefault();
        if (!event.repeat) press(true);
      });
      button.addEventListener('keyup', (event) => {
        if (event.key !== 'Enter' || !down) return;
        press(false);
        button.click();
      });
      button.addEventListener('blur', () => press(false));
    },

    // A finger or a pen shows the button pressed while it is on it, and not after: a touch
    // screen's :active can outlast the tap, and iOS sets it only on what listens to touches.
    pressWithFinger: function (button) {
      button.addEventListener('pointerdown', (event) => {
        if (event.pointerType !== 'mouse') button.classList.add('touched');
      });
      for (const end of ['pointerup', 'pointercancel', 'pointerleave'])
        button.addEventListener(end, () => button.classList.remove('touched'));
    },
  },

  // The element of a control, as the window's first look wrote it; Flip starts to flip.
  page_take_control__deps: ['$Page'],
  page_take_control: function (control, id) {
    const element = Page.element(UTF8ToString(id));
    if (element.classList.contains('button')) {
      Page.pressWithEnter(element);
      Page.pressWithFinger(element);
      element.addEventListener('click', () => _tencoins_flip());
    }
    Page.controls[control] = element;
  },

  page_make_scroll_bar__deps: ['$Page'],
  page_make_scroll_bar: function (control, minimum, maximum, value) {
    Page.scrollBars[control] = new ScrollBar(Page.controls[control],
      { minimum: minimum, maximum: maximum, value: value }, {
        requestMove: (move) => _tencoins_move(control, move),
        requestValue: (requested) => _tencoins_scroll(control, requested),
        turnWheel: (delta) => _tencoins_wheel(control, delta),
      });
  },

  page_order_focus__deps: ['$Page'],
  page_order_focus: function (controls, count) {
    for (let i = 0; i < count; ++i) Page.focusOrder.push(Page.controls[HEAP32[(controls >> 2) + i]]);
    document.addEventListener('keydown', Page.tab);
    document.addEventListener('mousedown', Page.keepFocus);
  },

  page_text__deps: ['$Page'],
  page_text: function (control) {
    return allocateUTF8(Page.controls[control].textContent);
  },

  page_set_text__deps: ['$Page'],
  page_set_text: function (control, text) {
    Page.controls[control].textContent = UTF8ToString(text);
  },

  page_value__deps: ['$Page'],
  page_value: function (control) {
    return Page.scrollBars[control].value();
  },

  page_set_value__deps: ['$Page'],
  page_set_value: function (control, value) {
    Page.scrollBars[control].setValue(value);
  },

  page_set_title__deps: ['$Page'],
  page_set_title: function (title) {
    Page.title(UTF8ToString(title));
  },

  // Read out by a screen reader through the polite live region, once the flips stop for a moment:
  // a storm of them is told once, not queued one after another. Set afresh even when the same as
  // before, so that it is read again.
  page_announce__deps: ['$Page'],
  page_announce: function (message) {
    const text = UTF8ToString(message);
    clearTimeout(Page.announcing);
    Page.announcing = setTimeout(() => {
      document.getElementById('announcer').textContent = text;
    }, Page.announceDelay);
  },

  page_take_coin__deps: ['$Page'],
  page_take_coin: function (coin, id) {
    Page.coins[coin] = Page.element(UTF8ToString(id));
  },

  page_show_coin__deps: ['$Page'],
  page_show_coin: function (coin) {
    Page.coins[coin].hidden = false;
  },

  page_place_coin__deps: ['$Page'],
  page_place_coin: function (coin, left, top) {
    Page.coins[coin].style.left = left + 'px';
    Page.coins[coin].style.top = top + 'px';
  },

  page_set_coin_colour__deps: ['$Page'],
  page_set_coin_colour: function (coin, red, green, blue, face) {
    const element = Page.coins[coin];
    element.style.backgroundColor = `rgb(${red}, ${green}, ${blue})`;
    element.setAttribute('aria-description', UTF8ToString(face));
  },

  // The game has started. Flip has the focus, as the window's first look gave it, unless the
  // player has since moved it; given in the next frame, where the page is laid out anyway.
  page_show__deps: ['$Page'],
  page_show: function (title, focus) {
    Module.started = true;
    Page.title(UTF8ToString(title));
    requestAnimationFrame(() => {
      if (!Page.focusOrder.includes(document.activeElement)) Page.controls[focus].focus();
    });
  },

  // The game has stopped: the player reads why, and nothing more can be pressed or moved.
  page_report_error__deps: ['$Page'],
  page_report_error: function (message) {
    Page.client().inert = true;
    Page.scrollBars.forEach((bar) => bar && bar.release());
    const report = document.getElementById('error');
    report.textContent = UTF8ToString(message);
    report.hidden = false;
  },
});
