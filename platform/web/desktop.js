// The page's desktop for the web driver (web_driver.cpp): every top-level
// window of the program is an element of #desktop placed at its screen
// position (the desktop's top-left corner is the screen's origin), with a
// title bar and close box when the window has a frame and a canvas of its
// content. Input is queued for the program and wakes its wait. Also the
// list of the program's files beside the desktop, and timings that the
// browser tests read (ZT738Desktop.stats).
globalThis.ZT738Desktop = (function () {
  'use strict';
  const kinds = { move: 1, down: 2, up: 3, keyDown: 4, keyUp: 5, close: 6, activate: 7, moved: 8 };
  const modifiers = { ctrl: 1, alt: 2, altGraph: 4 };
  const browserKeys = new Set(['F5', 'F11', 'F12']);  // left to the browser

  const windows = new Map();  // id -> { element, canvas, context, title, focusable }
  const queue = [];
  const held = new Map();  // code -> key, for the keys down
  let wakeUp = null;
  let timer = 0;
  let top = 0;
  let dragging = null;
  const stats = { firstFrame: 0, presents: 0, lastInput: 0, inputToFrame: [], waits: 0 };
  let firstPresent = true;
  let inputPending = false;

  const desktop = () => document.getElementById('desktop');
  const setStatus = (text) => { document.getElementById('status').textContent = text; };

  function post(event) {
    const last = queue[queue.length - 1];
    if (event.kind === kinds.move && last && last.kind === kinds.move) queue.pop();
    queue.push(event);
    if (wakeUp) wakeUp();
  }

  function screenPoint(e) {
    const r = desktop().getBoundingClientRect();
    return { x: Math.round(e.clientX - r.left), y: Math.round(e.clientY - r.top) };
  }

  function windowOf(target) {
    const element = target.closest && target.closest('.zt-window');
    return element ? Number(element.dataset.id) : 0;
  }

  function activate(id) {
    const w = windows.get(id);
    if (!w || !w.focusable) return;
    raise(id);
    post({ kind: kinds.activate, window: id });
  }

  function raise(id) {
    const w = windows.get(id);
    if (!w) return;
    w.element.style.zIndex = String((w.focusable ? 0 : 1000000) + ++top);
    if (!w.focusable) return;
    for (const [other, o] of windows) o.element.classList.toggle('zt-active', other === id);
  }

  function pointer(e, kind) {
    if (dragging) return;
    const at = screenPoint(e);
    post({ kind: kind, x: at.x, y: at.y, button: e.button });
  }

  function attachPointer() {
    const d = desktop();
    d.addEventListener('pointerdown', (e) => {
      if (e.target.tagName !== 'CANVAS') return;
      e.preventDefault();
      // The keyboard comes back to the program from the page's own controls.
      if (document.activeElement && document.activeElement !== document.body) document.activeElement.blur();
      d.setPointerCapture(e.pointerId);
      stats.lastInput = performance.now();
      inputPending = true;
      activate(windowOf(e.target));
      pointer(e, kinds.down);
    });
    d.addEventListener('pointerup', (e) => {
      if (dragging) { dragging = null; return; }
      pointer(e, kinds.up);
    });
    d.addEventListener('pointermove', (e) => {
      if (dragging) return drag(e);
      pointer(e, kinds.move);
    });
    d.addEventListener('contextmenu', (e) => e.preventDefault());
  }

  function drag(e) {
    const at = screenPoint(e);
    const w = windows.get(dragging.id);
    if (!w) return;
    const x = dragging.x + at.x - dragging.from.x, y = dragging.y + at.y - dragging.from.y;
    w.element.style.left = x + 'px';
    w.element.style.top = y + 'px';
    post({ kind: kinds.moved, window: dragging.id, x: x, y: y });
  }

  // Keys go to the program, except while the page's own controls have the focus.
  function key(e, down) {
    if (e.target.closest && e.target.closest('#files')) return;
    if (browserKeys.has(e.key)) return;
    e.preventDefault();
    if (down) held.set(e.code, e.key);
    else held.delete(e.code);
    let mods = 0;
    if (e.ctrlKey) mods |= modifiers.ctrl;
    if (e.altKey) mods |= modifiers.alt;
    if (e.getModifierState && e.getModifierState('AltGraph')) mods |= modifiers.altGraph;
    if (down) { stats.lastInput = performance.now(); inputPending = true; }
    post({ kind: down ? kinds.keyDown : kinds.keyUp, code: e.code, key: e.key, modifiers: mods });
  }

  // exit() ends the program by throwing Emscripten's ExitStatus; from a wait
  // that the page resumed, it ends up as a rejected promise: not an error.
  addEventListener('unhandledrejection', (e) => {
    if (e.reason && e.reason.name === 'ExitStatus') e.preventDefault();
  });
  addEventListener('error', (e) => {
    if (e.error && e.error.name === 'ExitStatus') e.preventDefault();
  });

  function attachKeys() {
    document.addEventListener('keydown', (e) => key(e, true));
    document.addEventListener('keyup', (e) => key(e, false));
    // Keys held when the page loses the focus are released for the program.
    window.addEventListener('blur', () => {
      for (const [code, k] of held) post({ kind: kinds.keyUp, code: code, key: k, modifiers: 0 });
      held.clear();
    });
  }

  function frameShown() {
    requestAnimationFrame(() => {
      const now = performance.now();
      if (!stats.firstFrame) stats.firstFrame = now;
      if (inputPending) {
        inputPending = false;
        stats.inputToFrame.push(now - stats.lastInput);
      }
    });
  }

  // ---- the files beside the windows
  function files() { return Module.zt738Files; }

  function listFiles() {
    const list = document.getElementById('file-list');
    if (!list || !files()) return;
    list.replaceChildren();
    for (const f of files().list()) {
      const item = document.createElement('li');
      const link = document.createElement('a');
      link.href = '#';
      link.textContent = f.name;
      link.addEventListener('click', (e) => {
        e.preventDefault();
        const url = URL.createObjectURL(new Blob([files().read(f.name)]));
        const a = document.createElement('a');
        a.href = url;
        a.download = f.name;
        a.click();
        setTimeout(() => URL.revokeObjectURL(url), 1000);
      });
      const size = document.createElement('span');
      size.textContent = f.size + ' B';
      item.append(link, size);
      list.append(item);
    }
  }

  function attachUpload() {
    const input = document.getElementById('upload');
    input.addEventListener('change', async () => {
      for (const file of input.files) {
        const bytes = new Uint8Array(await file.arrayBuffer());
        if (!files().write(file.name, bytes)) setStatus('"' + file.name + '" is not a file name.');
      }
      input.value = '';
      listFiles();
    });
  }

  const api = {
    stats: stats,
    // The Module object of the page's program.
    module() {
      return {
        preRun: [() => { files().onChange = listFiles; }],
        onRuntimeInitialized() {
          attachPointer();
          attachKeys();
          attachUpload();
          setStatus('Running.');
        },
        onExit(status) {
          for (const id of [...windows.keys()]) api.destroy(id);
          if (files()) files().persist();
          setStatus(status ? 'The program has ended (status ' + status + ').' : 'The program has ended.');
        },
        onAbort(what) { setStatus('The program stopped: ' + what); },
      };
    },
    create(id, x, y, w, h, title, decorated, focusable, owner) {
      const element = document.createElement('div');
      element.className = 'zt-window';
      element.dataset.id = String(id);
      element.style.display = 'none';
      let titleText = null;
      if (decorated) {
        const bar = document.createElement('div');
        bar.className = 'zt-title';
        titleText = document.createElement('span');
        titleText.textContent = title;
        const close = document.createElement('button');
        close.className = 'zt-close';
        close.title = 'Close';
        close.textContent = '\u00d7';
        close.addEventListener('click', () => post({ kind: kinds.close, window: id }));
        close.addEventListener('pointerdown', (e) => e.stopPropagation());
        bar.append(titleText, close);
        bar.addEventListener('pointerdown', (e) => {
          if (e.button !== 0) return;
          activate(id);
          const at = screenPoint(e);
          dragging = { id: id, from: at, x: parseInt(element.style.left), y: parseInt(element.style.top) };
          desktop().setPointerCapture(e.pointerId);
        });
        element.append(bar);
      }
      const canvas = document.createElement('canvas');
      element.append(canvas);
      desktop().append(element);
      windows.set(id, { element, canvas, context: canvas.getContext('2d'), title: titleText, focusable, owner });
      this.place(id, x, y, w, h);
    },
    show(id, visible, activateIt) {
      const w = windows.get(id);
      if (!w) return;
      w.element.style.display = visible ? '' : 'none';
      if (visible && (activateIt || !w.focusable)) raise(id);
    },
    place(id, x, y, width, height) {
      const w = windows.get(id);
      if (!w) return;
      w.element.style.left = x + 'px';
      w.element.style.top = y + 'px';
      width = Math.max(width, 1);
      height = Math.max(height, 1);
      if (w.canvas.width === width && w.canvas.height === height) return;
      // A canvas forgets its pixels when resized: the kept part goes back.
      const old = w.canvas.width && w.canvas.height
        ? w.context.getImageData(0, 0, w.canvas.width, w.canvas.height) : null;
      w.canvas.width = width;
      w.canvas.height = height;
      if (old) w.context.putImageData(old, 0, 0);
    },
    retitle(id, title) {
      const w = windows.get(id);
      if (w && w.title) w.title.textContent = title;
    },
    destroy(id) {
      const w = windows.get(id);
      if (!w) return;
      w.element.remove();
      windows.delete(id);
    },
    present(id, rgba, x, y, width, height) {
      const w = windows.get(id);
      if (!w) return;
      w.context.putImageData(new ImageData(new Uint8ClampedArray(rgba), width, height), x, y);
      stats.presents++;
      if (firstPresent || inputPending) { firstPresent = false; frameShown(); }
    },
    // Resolves on input, or after ms milliseconds (never when ms < 0).
    wait(ms) {
      stats.waits++;
      if (queue.length) return Promise.resolve();
      return new Promise((resolve) => {
        wakeUp = () => { wakeUp = null; clearTimeout(timer); resolve(); };
        if (ms >= 0) timer = setTimeout(wakeUp, ms);
      });
    },
    nextEvent() { return queue.shift() || null; },
    screenWidth() { return Math.max(desktop().clientWidth, 640); },
    screenHeight() { return Math.max(desktop().clientHeight, 480); },
    setClipboard(text) {
      if (navigator.clipboard && window.isSecureContext) navigator.clipboard.writeText(text).catch(() => {});
    },
  };
  return api;
})();
