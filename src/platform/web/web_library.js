// web_library.js -- the page's side of the browser backend (an emscripten JS library).
// The page hands the module a canvas and a `pelmo` object (clock, showMessage,
// framePresented, toggleFullScreen, ended); everything else is here.

var PelmoWebLibrary = {
  $PelmoWeb: {
    // The key changes since the game's last read, oldest first: a DirectInput code, with
    // 0x100 added for a press; 0 when every key was released.
    keyChanges: [],
    listeners: [],  // [target, type, function], removed when the game ends
    image: null,
    context: null,
    audio: null,  // {context, gain, buffer, source, startedAt}

    // DOM key codes to the DirectInput codes the game reads.
    dik: {
      Escape: 0x01, Digit1: 0x02, Digit2: 0x03, Digit3: 0x04, Digit4: 0x05, Digit5: 0x06,
      Digit6: 0x07, Digit7: 0x08, Digit8: 0x09, Digit9: 0x0A, Digit0: 0x0B, Minus: 0x0C,
      Equal: 0x0D, Backspace: 0x0E, Tab: 0x0F, KeyQ: 0x10, KeyW: 0x11, KeyE: 0x12, KeyR: 0x13,
      KeyT: 0x14, KeyY: 0x15, KeyU: 0x16, KeyI: 0x17, KeyO: 0x18, KeyP: 0x19,
      BracketLeft: 0x1A, BracketRight: 0x1B, Enter: 0x1C, ControlLeft: 0x1D, KeyA: 0x1E,
      KeyS: 0x1F, KeyD: 0x20, KeyF: 0x21, KeyG: 0x22, KeyH: 0x23, KeyJ: 0x24, KeyK: 0x25,
      KeyL: 0x26, Semicolon: 0x27, Quote: 0x28, Backquote: 0x29, ShiftLeft: 0x2A,
      Backslash: 0x2B, KeyZ: 0x2C, KeyX: 0x2D, KeyC: 0x2E, KeyV: 0x2F, KeyB: 0x30, KeyN: 0x31,
      KeyM: 0x32, Comma: 0x33, Period: 0x34, Slash: 0x35, ShiftRight: 0x36,
      NumpadMultiply: 0x37, AltLeft: 0x38, Space: 0x39, CapsLock: 0x3A, F1: 0x3B, F2: 0x3C,
      F3: 0x3D, F4: 0x3E, F5: 0x3F, F6: 0x40, F7: 0x41, F8: 0x42, F9: 0x43, F10: 0x44,
      NumLock: 0x45, ScrollLock: 0x46, Numpad7: 0x47, Numpad8: 0x48, Numpad9: 0x49,
      NumpadSubtract: 0x4A, Numpad4: 0x4B, Numpad5: 0x4C, Numpad6: 0x4D, NumpadAdd: 0x4E,
      Numpad1: 0x4F, Numpad2: 0x50, Numpad3: 0x51, Numpad0: 0x52, NumpadDecimal: 0x53,
      F11: 0x57, F12: 0x58, NumpadEnter: 0x9C, ControlRight: 0x9D, NumpadDivide: 0xB5,
      AltRight: 0xB8, Home: 0xC7, ArrowUp: 0xC8, PageUp: 0xC9, ArrowLeft: 0xCB,
      ArrowRight: 0xCD, End: 0xCF, ArrowDown: 0xD0, PageDown: 0xD1, Insert: 0xD2, Delete: 0xD3
    },
    // The keys the game acts on: the browser's own use of them (scrolling, help, the
    // menu bar) would fight the game. Other keys keep their browser shortcuts.
    gameKeys: ['Escape', 'Digit1', 'Space', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown',
               'Numpad4', 'Numpad6', 'F1', 'F2', 'ControlLeft', 'AltLeft', 'Enter'],

    page: function() { return Module['pelmo'] || {}; },

    listen: function(target, type, handler, capture) {
      target.addEventListener(type, handler, capture);
      PelmoWeb.listeners.push([target, type, handler, capture]);
    },

    onKey: function(event, down) {
      var code = event.code;
      if ((code === 'Enter' || code === 'NumpadEnter') && event.altKey) {
        // Alt+Enter belongs to the page, never to the game's keys.
        event.preventDefault();
        var page = PelmoWeb.page();
        if (down && !event.repeat && page.toggleFullScreen) page.toggleFullScreen();
        return;
      }
      var dik = PelmoWeb.dik[code];
      if (dik) PelmoWeb.keyChanges.push(down ? dik | 0x100 : dik);
      if (PelmoWeb.gameKeys.indexOf(code) >= 0) event.preventDefault();
    },

    audioContext: function() {
      if (PelmoWeb.audio) return PelmoWeb.audio.context;
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return null;
      try {
        var context = new Context();
        var gain = context.createGain();
        gain.connect(context.destination);
        PelmoWeb.audio = {context: context, gain: gain, buffer: null, source: null, startedAt: 0};
      } catch (e) {
        return null;
      }
      // Browsers let sound out only after a gesture: the first key or click starts it.
      var resume = function() {
        if (PelmoWeb.audio && PelmoWeb.audio.context.state === 'suspended') {
          PelmoWeb.audio.context.resume();
        }
      };
      PelmoWeb.listen(document, 'keydown', resume, true);
      PelmoWeb.listen(document, 'pointerdown', resume, true);
      return PelmoWeb.audio.context;
    },

    stopSource: function() {
      var audio = PelmoWeb.audio;
      if (!audio || !audio.source) return;
      try { audio.source.stop(); } catch (e) {}
      audio.source.disconnect();
      audio.source = null;
    }
  },

  pelmo_web_open__deps: ['$PelmoWeb'],
  pelmo_web_open: function() {
    var canvas = Module['canvas'];
    if (!canvas || !canvas.getContext) return 0;
    PelmoWeb.keyChanges = [];
    PelmoWeb.context = canvas.getContext('2d');
    PelmoWeb.image = PelmoWeb.context.createImageData(640, 480);
    PelmoWeb.listen(canvas, 'keydown', function(e) { PelmoWeb.onKey(e, true); });
    PelmoWeb.listen(canvas, 'keyup', function(e) { PelmoWeb.onKey(e, false); });
    // Keys released while another element has the focus are never reported.
    PelmoWeb.listen(canvas, 'blur', function() { PelmoWeb.keyChanges.push(0); });
    return PelmoWeb.page().clock === 'virtual' ? 2 : 1;
  },

  pelmo_web_draw__deps: ['$PelmoWeb'],
  pelmo_web_draw: function(rgba, frame) {
    var data = PelmoWeb.image.data;
    data.set(HEAPU8.subarray(rgba, rgba + data.length));
    PelmoWeb.context.putImageData(PelmoWeb.image, 0, 0);
    var page = PelmoWeb.page();
    if (page.framePresented) page.framePresented(frame);
  },

  pelmo_web_wait_frame: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) {
      // Half a frame early is on time: the monitor's frames and the game's 60 Hz ticks
      // drift against each other, and waiting for the next one would skip a tick.
      var target = performance.now() + ms - 1000 / 120;
      var woken = false;
      var wake = function() {
        if (woken) return;
        woken = true;
        wakeUp();
      };
      var onFrame = function() {
        if (performance.now() >= target) wake(); else requestAnimationFrame(onFrame);
      };
      requestAnimationFrame(onFrame);
      // A monitor slower than 60 Hz still gets 60 ticks a second.
      setTimeout(wake, Math.max(0, ms) + 1000 / 60);
    });
  },

  pelmo_web_yield: function() {
    return Asyncify.handleSleep(function(wakeUp) { setTimeout(wakeUp, 0); });
  },

  pelmo_web_sleep: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) { setTimeout(wakeUp, ms); });
  },

  pelmo_web_now: function() { return performance.now(); },

  pelmo_web_take_key_changes__deps: ['$PelmoWeb'],
  pelmo_web_take_key_changes: function(changes, capacity) {
    var taken = PelmoWeb.keyChanges.splice(0, capacity);
    HEAP32.set(taken, changes >> 2);
    return taken.length;
  },

  pelmo_web_message_box__deps: ['$PelmoWeb'],
  pelmo_web_message_box: function(title, text) {
    var t = UTF8ToString(title), x = UTF8ToString(text);
    return Asyncify.handleSleep(function(wakeUp) {
      PelmoWeb.keyChanges = [];  // the keys that answer the box are not the game's
      var page = PelmoWeb.page();
      var answered = page.showMessage ? page.showMessage(t, x) : (window.alert(t + '\n\n' + x));
      Promise.resolve(answered).then(function() { wakeUp(); }, function() { wakeUp(); });
    });
  },

  pelmo_web_ended__deps: ['$PelmoWeb'],
  pelmo_web_ended: function() {
    // The page may start another game on the same canvas.
    PelmoWeb.listeners.forEach(function(l) { l[0].removeEventListener(l[1], l[2], l[3]); });
    PelmoWeb.listeners = [];
    PelmoWeb.stopSource();
    var page = PelmoWeb.page();
    if (page.ended) setTimeout(page.ended, 0);
  },

  pelmo_web_audio_available: function() {
    return (window.AudioContext || window.webkitAudioContext) ? 1 : 0;
  },

  pelmo_web_music_open__deps: ['$PelmoWeb'],
  pelmo_web_music_open: function(path) {
    var name = UTF8ToString(path);
    return Asyncify.handleSleep(function(wakeUp) {
      var bytes;
      try {
        bytes = FS.readFile(name);
      } catch (e) {
        wakeUp(-1);
        return;
      }
      var context = PelmoWeb.audioContext();
      if (!context) {
        wakeUp(-1);
        return;
      }
      var copy = bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength);
      context.decodeAudioData(copy).then(function(buffer) {
        PelmoWeb.audio.buffer = buffer;
        wakeUp(buffer.duration);
      }, function() { wakeUp(-1); });
    });
  },

  pelmo_web_music_run__deps: ['$PelmoWeb'],
  pelmo_web_music_run: function(from) {
    var audio = PelmoWeb.audio;
    if (!audio || !audio.buffer) return;
    PelmoWeb.stopSource();
    var source = audio.context.createBufferSource();
    source.buffer = audio.buffer;
    source.connect(audio.gain);
    // While the context waits for the player's first gesture its time stands still, so
    // the music starts from here when the sound comes on.
    source.start(0, Math.min(from, audio.buffer.duration));
    audio.source = source;
    audio.startedAt = audio.context.currentTime;
  },

  pelmo_web_music_stop__deps: ['$PelmoWeb'],
  pelmo_web_music_stop: function() { PelmoWeb.stopSource(); },

  pelmo_web_music_elapsed__deps: ['$PelmoWeb'],
  pelmo_web_music_elapsed: function() {
    var audio = PelmoWeb.audio;
    if (!audio || !audio.source) return 0;
    return audio.context.currentTime - audio.startedAt;
  },

  pelmo_web_music_volume__deps: ['$PelmoWeb'],
  pelmo_web_music_volume: function(gain) {
    if (PelmoWeb.audio) PelmoWeb.audio.gain.gain.value = gain;
  },

  pelmo_web_music_close__deps: ['$PelmoWeb'],
  pelmo_web_music_close: function() {
    PelmoWeb.stopSource();
    if (!PelmoWeb.audio) return;
    PelmoWeb.audio.context.close();
    PelmoWeb.audio = null;
  }
};

mergeInto(LibraryManager.library, PelmoWebLibrary);
