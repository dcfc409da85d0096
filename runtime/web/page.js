// SPDX-License-Identifier: MIT
// The page's side of the game window: the elements that stand for Form1's controls, built and
// changed as the C++ front end (form1page.cpp) asks, and the player's events passed back to it
// (main.cpp). Controls are numbered as in the window description, coins from 1 to 10; a control's
// kind comes by name (scrollbar, button, label, coin), which is also its class. Not in strict mode:
// Debian's Emscripten (3.1.6) minifies every 'use strict' away; the scroll bar, a class, is.

mergeInto(LibraryManager.library, {
  $Page: {
    controls: [],
    scrollBars: [],
    coins: [],
    focusOrder: [],

    // How long the flips must pause before the last is read out, in milliseconds.
    announceDelay: 150,
    announcing: 0,

    // The window drawn around the client area in a larger page.
    frame: { caption: 24, border: 1, margin: 16 },

    client: function () { return document.getElementById('client'); },

    // The title as the desktop shows it, leading blank and all, in the caption; the browser's own
    // title drops the blank.
    title: function (title) {
      document.title = title;
      document.getElementById('caption-title').textContent = title;
    },

    // The client area stands alone when the window is its size (an app window); in anything larger
    // (a tab, an installed app, a phone) the page shows it as a window with a caption, centred and
    // scaled to fit, and fits it again as that changes size or turns. Worked out from the sizes
    // alone: asking the page for its layout here would lay it out twice before it is shown.
    fit: function () {
      const client = Page.clientSize, frame = Page.frame;
      const framed = innerWidth >= client.width + 40 && innerHeight >= client.height + 80;
      document.body.classList.toggle('framed', framed);
      const border = framed ? frame.border : 0, margin = framed ? frame.margin : 0;
      const width = client.width + 2 * border;
      const height = client.height + (framed ? frame.caption : 0) + 2 * border;
      const scale = Math.min((innerWidth - 2 * margin) / width, (innerHeight - 2 * margin) / height);
      document.getElementById('window').style.zoom = scale > 0 ? scale : 1;
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

    // Enter presses the focused button as Space does: down on the key, a click when it comes up,
    // so that a held key clicks once.
    pressWithEnter: function (button) {
      button.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter') return;
        event.preventDefault();
        if (!event.repeat) button.classList.add('pressed');
      });
      button.addEventListener('keyup', (event) => {
        if (event.key !== 'Enter' || !button.classList.contains('pressed')) return;
        button.classList.remove('pressed');
        button.click();
      });
      button.addEventListener('blur', () => button.classList.remove('pressed'));
    },

    place: function (element, left, top, width, height) {
      element.style.left = left + 'px';
      element.style.top = top + 'px';
      element.style.width = width + 'px';
      element.style.height = height + 'px';
    },
  },

  page_create_control__deps: ['$Page'],
  page_create_control: function (control, kind, name, left, top, width, height, text, centred,
    bold, visible) {
    kind = UTF8ToString(kind);
    const element = document.createElement(kind === 'button' ? 'button' : 'div');
    element.id = UTF8ToString(name);
    element.className = kind;
    element.classList.toggle('centred', !!centred);
    element.classList.toggle('bold', !!bold);
    element.hidden = !visible;
    element.textContent = kind === 'button' || kind === 'label' ? UTF8ToString(text) : '';
    Page.place(element, left, top, width, height);
    if (kind === 'button') {
      element.type = 'button';
      Page.pressWithEnter(element);
      element.addEventListener('click', () => _tencoins_flip());
    }
    if (kind === 'coin') Page.coins[0] = element;
    Page.controls[control] = Page.client().appendChild(element);
  },

  page_make_scroll_bar__deps: ['$Page'],
  page_make_scroll_bar: function (control, minimum, maximum, value, arrowStep, pageStep, name,
    label) {
    const bar = Page.controls[control];
    bar.setAttribute('aria-label', UTF8ToString(name));
    bar.setAttribute('aria-controls', Page.controls[label].id);
    Page.scrollBars[control] = new ScrollBar(bar,
      { minimum: minimum, maximum: maximum, value: value, arrowStep: arrowStep, pageStep: pageStep },
      (requested) => _tencoins_scroll(control, requested),
      (delta) => _tencoins_wheel(control, delta));
  },

  page_order_focus__deps: ['$Page'],
  page_order_focus: function (controls, count) {
    for (let i = 0; i < count; ++i) {
      const element = Page.controls[HEAP32[(controls >> 2) + i]];
      // Over the labels and coins where they meet, in the order Tab visits them.
      element.style.zIndex = 1 + i;
      element.tabIndex = 0;
      Page.focusOrder.push(element);
    }
    document.addEventListener('keydown', Page.tab);
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

  page_create_coin__deps: ['$Page'],
  page_create_coin: function (coin, name) {
    const copy = Page.coins[0].cloneNode(false);
    copy.id = 'Qtr' + coin;
    copy.hidden = true;
    copy.setAttribute('role', 'img');
    copy.setAttribute('aria-label', UTF8ToString(name));
    Page.coins[coin] = Page.client().appendChild(copy);
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

  page_show__deps: ['$Page'],
  page_show: function (title, focus, width, height, fontFamily, fontPixels) {
    Page.clientSize = { width: width, height: height };
    const style = document.documentElement.style;
    style.setProperty('--client-width', width + 'px');
    style.setProperty('--client-height', height + 'px');
    style.setProperty('--caption', Page.frame.caption + 'px');
    style.setProperty('--border', Page.frame.border + 'px');
    style.setProperty('--font-family', UTF8ToString(fontFamily));
    style.setProperty('--font-size', fontPixels + 'px');
    Page.title(UTF8ToString(title));
    Page.fit();
    // A page that opened as the game's own window keeps its layout, as a desktop window does:
    // made larger or smaller, it moves and scales nothing.
    if (document.body.classList.contains('framed')) addEventListener('resize', Page.fit);
    // In the frame that first draws the window, whose layout it then needs only once.
    requestAnimationFrame(() => Page.controls[focus].focus());
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
