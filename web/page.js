// page.js -- the web edition's page: the launcher, the game's view around the module
// (createPelmoGame from game.js) and the test mode (index.html?play&...).
'use strict';

(function () {
  const LauncherTitle = 'Quenmar 런쳐';
  const GameTitle = 'Pelmo';
  const HomePageAddress = 'https://example.org/';
  const ReadmeMissingMessage = 'readme.txt 파일을 읽을 수 없습니다.';
  const GameStartFailedMessage = '게임을 시작할 수 없습니다.';
  const GameStoppedMessage = '게임이 멈췄습니다.';

  const params = new URLSearchParams(location.search);
  const testMode = params.has('play');

  const byId = (id) => document.getElementById(id);

  // Checks read these while the game runs; they start over with each game.
  window.pelmoFrames = 0;
  window.pelmoFirstFrameAt = null;

  // --- Views ---------------------------------------------------------------------------

  function showView(name) {
    byId('launcher').hidden = name !== 'launcher';
    byId('game').hidden = name !== 'game';
    document.title = name === 'launcher' ? LauncherTitle : GameTitle;
  }

  // The first reason is the one that matters; what follows from it would only bury it.
  let failed = false;

  function showError(message, reason) {
    let box = byId('error');
    if (!box) {
      box = document.createElement('p');
      box.id = 'error';
      box.className = 'error';
      box.setAttribute('role', 'alert');
      document.body.prepend(box);
    }
    box.textContent = message + '\n(' + reason + ')';
    box.hidden = false;
  }

  function clearError() {
    const box = byId('error');
    if (box) box.hidden = true;
  }

  // --- The launcher --------------------------------------------------------------------

  async function loadReadme() {
    const box = byId('readme');
    try {
      const response = await fetch('readme.txt');
      if (!response.ok) throw new Error('HTTP ' + response.status);
      // The read-me ships in code page 949, which browsers decode under this name.
      const text = new TextDecoder('euc-kr').decode(await response.arrayBuffer());
      box.textContent = text.replace(/\r\n?/g, '\n');
    } catch (e) {
      box.textContent = ReadmeMissingMessage;
      box.classList.add('missing');
    }
  }

  function openLauncher() {
    showView('launcher');
    loadReadme();
    byId('start').addEventListener('click', () => startFromLauncher());
    byId('home-page').addEventListener('click', () => {
      window.open(HomePageAddress, '_blank', 'noopener');
    });
    byId('start').focus();
  }

  function startFromLauncher() {
    clearError();
    startGame({
      clock: 'real',
      args: ['--data', '/data', '--window'],
      prepare() {},
      ended() {
        leaveFullScreen();
        closeGame();
        showView('launcher');
        byId('start').focus();
      },
      failed() {
        leaveFullScreen();
        closeGame();
        showView('launcher');
        byId('start').focus();
      },
    });
  }

  // --- The game's view -----------------------------------------------------------------

  let gameScript = null;

  function loadGameScript() {
    if (!gameScript) {
      gameScript = new Promise((resolve, reject) => {
        const script = document.createElement('script');
        script.src = 'game.js';
        script.onload = () => {
          if (typeof window.createPelmoGame === 'function') resolve(window.createPelmoGame);
          else reject(new Error('game.js에 createPelmoGame이 없습니다'));
        };
        script.onerror = () => {
          script.remove();
          reject(new Error('game.js를 불러올 수 없습니다'));
        };
        document.head.append(script);
      });
      // A failed load is tried again at the next start: the server may have been down.
      gameScript.catch(() => { gameScript = null; });
    }
    return gameScript;
  }

  // The module keeps listeners on its canvas, so each game gets a canvas of its own.
  let canvas = null;
  let running = null;

  function newCanvas() {
    if (canvas) canvas.remove();
    canvas = document.createElement('canvas');
    canvas.id = 'canvas';
    canvas.width = 640;
    canvas.height = 480;
    canvas.tabIndex = 0;
    canvas.setAttribute('aria-label', '게임 화면');
    canvas.addEventListener('pointerdown', () => canvas.focus());
    byId('screen').prepend(canvas);
    return canvas;
  }

  function focusCanvas() {
    if (canvas && canvas.isConnected) canvas.focus({ preventScroll: true });
  }

  function closeGame() {
    running = null;
    if (canvas) canvas.remove();
    canvas = null;
    setLoading(null);
  }

  function setLoading(text) {
    const loading = byId('loading');
    loading.hidden = text === null;
    if (text !== null) loading.textContent = text;
  }

  // emscripten reports the data's download as "Downloading data... (done/total)".
  function loadingStatus(status) {
    if (!running || running.initialized) return;
    const progress = /\((\d+)\/(\d+)\)/.exec(status || '');
    let text = '불러오는 중…';
    if (progress && Number(progress[2]) > 0) {
      text += ' ' + Math.floor((100 * Number(progress[1])) / Number(progress[2])) + '%';
    }
    setLoading(text);
  }

  function leaveFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
  }

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    } else if (byId('screen').requestFullscreen) {
      byId('screen').requestFullscreen().catch(() => {});
    }
    focusCanvas();
  }

  function presented(frame) {
    if (window.pelmoFirstFrameAt === null) window.pelmoFirstFrameAt = performance.now();
    window.pelmoFrames = typeof frame === 'number' ? frame : window.pelmoFrames + 1;
  }

  // run: {clock, args, prepare(module), ended(module), failed()}
  async function startGame(run) {
    if (running) return;
    running = { run, initialized: false, module: null };
    const game = running;
    window.pelmoFrames = 0;
    window.pelmoFirstFrameAt = null;
    showView('game');
    newCanvas();
    focusCanvas();
    setLoading('불러오는 중…');
    byId('start').disabled = true;

    const fail = (reason) => {
      if (running !== game) return;
      gameFailed(reason);
    };
    const moduleArgs = {
      arguments: run.args,
      canvas,
      pelmo: {
        clock: run.clock,
        showMessage,
        framePresented: presented,
        toggleFullScreen,
        ended() {
          if (running !== game) return;
          byId('start').disabled = false;
          run.ended(game.module || moduleArgs);
        },
      },
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
      setStatus: loadingStatus,
      onRuntimeInitialized() {
        game.initialized = true;
        setLoading(null);
        try {
          run.prepare(this || moduleArgs);
        } catch (e) {
          fail(e.message);
        }
        focusCanvas();
      },
      onAbort: (what) => fail(String(what)),
    };
    try {
      const create = await loadGameScript();
      game.module = await create(moduleArgs);
    } catch (e) {
      fail(e && e.message ? e.message : String(e));
    }
  }

  function gameFailed(reason) {
    const game = running;
    failed = true;
    showError(window.pelmoFrames > 0 ? GameStoppedMessage : GameStartFailedMessage, reason);
    if (testMode) document.title = 'error';
    byId('start').disabled = false;
    setLoading(null);
    if (game && !testMode) game.run.failed();
  }

  // Errors thrown from the module's callbacks reach no promise. A player's game may well go
  // on after one (the console has it); a check wants to hear of it at once.
  function onUncaught(error) {
    if (!running || !testMode) return;
    const text = error && error.message ? error.message : String(error);
    // emscripten's own ways of leaving main() are no failures.
    if (/^unwind$|ExitStatus|Program terminated with exit\(0\)/.test(text)) return;
    gameFailed(text);
  }

  window.addEventListener('error', (e) => onUncaught(e.error || e.message));
  window.addEventListener('unhandledrejection', (e) => onUncaught(e.reason));

  byId('full-screen').addEventListener('click', toggleFullScreen);
  byId('screen').addEventListener('pointerdown', focusCanvas);

  // --- The message box -----------------------------------------------------------------

  // The game waits for each answer; a second box would only come after the first.
  let lastMessage = Promise.resolve();

  function showMessage(title, text) {
    lastMessage = lastMessage.then(() => openMessage(String(title), String(text)));
    return lastMessage;
  }

  function openMessage(title, text) {
    return new Promise((resolve) => {
      const dialog = document.createElement('dialog');
      dialog.className = 'message-box';
      dialog.setAttribute('aria-labelledby', 'message-title');
      dialog.setAttribute('aria-describedby', 'message');
      const heading = document.createElement('h2');
      heading.id = 'message-title';
      heading.textContent = title;
      const body = document.createElement('pre');
      body.id = 'message';
      body.textContent = text;
      const ok = document.createElement('button');
      ok.id = 'message-ok';
      ok.type = 'button';
      ok.textContent = '확인';
      const buttons = document.createElement('div');
      buttons.className = 'message-buttons';
      buttons.append(ok);
      dialog.append(heading, body, buttons);

      const answer = () => {
        dialog.close();
        dialog.remove();
        focusCanvas();
        resolve();
      };
      ok.addEventListener('click', answer);
      // Escape answers it as a message box's OK does.
      dialog.addEventListener('cancel', (e) => {
        e.preventDefault();
        answer();
      });
      // A key held in the game when the box opens repeats onto the button; it is no answer.
      dialog.addEventListener('keydown', (e) => {
        if (e.repeat) e.preventDefault();
      });

      // Inside the full-screen element it stays visible there.
      (document.fullscreenElement || document.body).append(dialog);
      dialog.showModal();
      ok.focus();
    });
  }

  // --- The test mode -------------------------------------------------------------------

  function testArguments() {
    const args = ['--data', '/data', '--window'];
    const option = (param, name, value) => {
      const given = params.get(param);
      if (given) args.push(name, value === undefined ? given : value);
    };
    option('frames', '--frames');
    option('seed', '--seed');
    option('input', '--input', '/input.keys');
    args.push('--dump', '/dump.json');
    option('map', '--map');
    option('hero', '--hero-x');
    return args;
  }

  function writeDump(module) {
    let text = '';
    try {
      text = module.FS.readFile('/dump.json', { encoding: 'utf8' });
    } catch (e) {
      // No dump was written: the element stays empty.
    }
    const dump = document.createElement('pre');
    dump.id = 'dump';
    dump.className = 'dump';
    dump.textContent = text;
    document.body.append(dump);
  }

  async function openTest() {
    showView('game');
    let keys = null;
    const input = params.get('input');
    if (input) {
      try {
        const response = await fetch(new URL(input, location.href));
        if (!response.ok) throw new Error('HTTP ' + response.status);
        keys = new Uint8Array(await response.arrayBuffer());
      } catch (e) {
        failed = true;
        showError(GameStartFailedMessage, input + ': ' + e.message);
        document.title = 'error';
        return;
      }
    }
    const missing = (params.get('missing') || '').replace(/^\/+/, '');
    startGame({
      clock: params.get('clock') === 'real' ? 'real' : 'virtual',
      args: testArguments(),
      prepare(module) {
        if (keys) module.FS.writeFile('/input.keys', keys);
        if (missing) {
          try {
            module.FS.unlink('/data/' + missing);
          } catch (e) {
            throw new Error('/data/' + missing + '를 지울 수 없습니다');
          }
        }
      },
      ended(module) {
        writeDump(module);
        if (!failed) document.title = 'done';
      },
      failed() {},
    });
  }

  if (testMode) openTest();
  else openLauncher();
})();
