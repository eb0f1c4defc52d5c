// The page side of the browser backend, run before the program starts
// (--pre-js). The program calls these through small EM_JS functions; DOM
// events wait in a queue until the program's message pump takes them,
// since the program only reads input between its own steps.
Module.tramox = (function () {
  var canvas = document.getElementById('canvas');
  var events = [];
  var askedForFullScreen = false;
  var audio = null;
  var playing = null;
  // Every sound the program asked for, and those that reached Web Audio;
  // the browser tests read them.
  var soundLog = { requested: [], started: [] };

  // Full screen needs a user gesture: the first click or key asks for it,
  // and for the Escape key, which would otherwise only leave full screen.
  function firstGesture() {
    if (askedForFullScreen) return;
    askedForFullScreen = true;
    var page = document.documentElement;
    if (page.requestFullscreen) {
      page.requestFullscreen().then(function () {
        if (navigator.keyboard && navigator.keyboard.lock) return navigator.keyboard.lock(['Escape']);
      }).catch(function () {});
    }
    // Browsers start sound only after a gesture; a context made before it
    // waits suspended until now.
    if (audio && audio.state === 'suspended') audio.resume();
  }

  function bufferPoint(event) {
    var rect = canvas.getBoundingClientRect();
    var x = rect.width > 0 ? (event.clientX - rect.left) * canvas.width / rect.width : 0;
    var y = rect.height > 0 ? (event.clientY - rect.top) * canvas.height / rect.height : 0;
    return [Math.max(0, Math.min(canvas.width - 1, Math.floor(x))),
            Math.max(0, Math.min(canvas.height - 1, Math.floor(y)))];
  }

  // Keys whose browser meaning (scrolling, leaving full screen, going
  // back) would get in the game's way; the rest (F5, Ctrl+R, F11, ...) keep
  // theirs, so the page can always be reloaded.
  var gameKeys = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', ' ', 'Escape', 'Backspace', 'Tab'];
  var ended = false;

  // Kinds as DomEvent::Kind numbers them.
  function onKey(kind) {
    return function (event) {
      if (ended) return;
      firstGesture();
      if (dialogOpen()) return;
      events.push({ kind: kind, key: event.key, code: event.code, alt: event.altKey, button: 0, x: 0, y: 0 });
      if (gameKeys.indexOf(event.key) >= 0 && !event.ctrlKey && !event.metaKey) event.preventDefault();
    };
  }
  function onButton(kind) {
    return function (event) {
      if (ended) return;
      firstGesture();
      if (dialogOpen()) return;
      var point = bufferPoint(event);
      events.push({ kind: kind, key: '', code: '', alt: false, button: event.button, x: point[0], y: point[1] });
      event.preventDefault();
    };
  }
  window.addEventListener('keydown', onKey(0));
  window.addEventListener('keyup', onKey(1));
  canvas.addEventListener('mousedown', onButton(2));
  // A release outside the canvas is no click, as without capture on the desktop.
  canvas.addEventListener('mouseup', onButton(3));
  canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });
  document.addEventListener('visibilitychange', function () {
    events.push({ kind: document.hidden ? 5 : 4, key: '', code: '', alt: false, button: 0, x: 0, y: 0 });
  });

  function dialogOpen() {
    return !document.getElementById('dialog').hidden;
  }

  return {
    soundLog: soundLog,
    screenMode: function () {
      return [window.screen.width, window.screen.height, window.screen.colorDepth || 24];
    },
    showCanvas: function (title, width, height) {
      document.title = title;
      canvas.width = width;
      canvas.height = height;
      canvas.hidden = false;
    },
    setBufferSize: function (width, height) {
      canvas.width = width;
      canvas.height = height;
    },
    hideCanvas: function () { canvas.hidden = true; },
    takeEvent: function () { return events.shift() || null; },
    // The next frame: what was drawn is shown, and the page's events run.
    // The time of each frame and the program's work before it (sleeps
    // left out) are kept for measurements, the last ones only.
    frames: [],
    nextFrame: function (workMs) {
      var frames = Module.tramox.frames;
      frames.push({ at: performance.now(), work: workMs });
      if (frames.length > 2000) frames.splice(0, frames.length - 1000);
      return new Promise(function (resolve) {
        // Hidden pages get no animation frames; a timer keeps the program
        // going at a slow pace there.
        if (document.hidden) setTimeout(resolve, 100); else requestAnimationFrame(function () { resolve(); });
      });
    },
    messageBox: function (text, caption) {
      var dialog = document.getElementById('dialog');
      document.getElementById('dialog-caption').textContent = caption;
      document.getElementById('dialog-text').textContent = text;
      var ok = document.getElementById('dialog-ok');
      dialog.hidden = false;
      ok.focus();
      return new Promise(function (resolve) {
        function close(event) {
          if (event.type === 'keydown' && event.key !== 'Enter' && event.key !== 'Escape' && event.key !== ' ') return;
          // The key that closes the box is not the game's.
          event.preventDefault();
          event.stopPropagation();
          ok.removeEventListener('click', close);
          window.removeEventListener('keydown', close, true);
          dialog.hidden = true;
          resolve();
        }
        ok.addEventListener('click', close);
        window.addEventListener('keydown', close, true);
      });
    },
    showEnded: function () {
      ended = true;
      canvas.hidden = true;
      document.getElementById('dialog').hidden = true;
      document.getElementById('ended').hidden = false;
      if (document.fullscreenElement && document.exitFullscreen) document.exitFullscreen().catch(function () {});
    },
    // One sound at a time, a new one replacing the one playing; a file
    // that cannot be decoded is silence.
    playSound: function (path) {
      soundLog.requested.push(path);
      var bytes;
      try { bytes = FS.readFile(path); } catch (e) { return; }
      if (!audio) {
        var Context = window.AudioContext || window.webkitAudioContext;
        if (!Context) return;
        audio = new Context();
      }
      if (playing) { try { playing.stop(); } catch (e) {} playing = null; }
      var request = {};
      playing = request;
      audio.decodeAudioData(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength))
        .then(function (buffer) {
          if (playing !== request) return;  // replaced while decoding
          var source = audio.createBufferSource();
          source.buffer = buffer;
          source.connect(audio.destination);
          source.start();
          playing = source;
          soundLog.started.push(path);
        }).catch(function () { if (playing === request) playing = null; });
    },
    // Settings.xml lives in IndexedDB between visits. The program reads
    // and writes it in its working folder as on the desktop; it is copied
    // from the store before the start and back after the save at the end.
    openStore: function (folder) {
      return new Promise(function (resolve) {
        try {
          FS.mkdir(folder);
          FS.mount(IDBFS, {}, folder);
          FS.syncfs(true, function (error) { resolve(error ? 0 : 1); });
        } catch (e) { resolve(0); }
      });
    },
    saveStore: function () {
      return new Promise(function (resolve) {
        try { FS.syncfs(false, function (error) { resolve(error ? 0 : 1); }); } catch (e) { resolve(0); }
      });
    },
  };
})();
