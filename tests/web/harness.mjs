// harness.mjs -- what the web tests and the web benchmark share: the Linux game as the
// reference, the build-web folder served with the tests' key scripts beside it, and headless
// Chromium driven through puppeteer-core.
//
// Environment: PELMO_BUILD (default build/, for bin/game and data/), PELMO_WEB_BUILD (default
// build-web/), CHROMIUM (default /usr/bin/chromium).
import { execFile } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { promisify } from 'node:util';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serve } from './server.mjs';

const run = promisify(execFile);

export const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const build = path.resolve(repo, process.env.PELMO_BUILD ?? 'build');
export const linuxGame = path.join(build, 'bin/game');
export const linuxData = path.join(build, 'data');
export const webBuild = path.resolve(repo, process.env.PELMO_WEB_BUILD ?? 'build-web');
export const walkthroughKeys = path.join(repo, 'content/walkthrough.keys');
const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';

export function tempDir(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `pelmo-web-${prefix}-`));
}

// Plays the Linux game headless: options as on its command line, less --headless, --data and
// --dump. Returns the dump's text, stderr and the time the process took. A start-up that
// stops after its box exits 1 and still writes its dump: give expectedStatus 1 for it.
export async function runLinux(options, { data = linuxData, expectedStatus = 0 } = {}) {
  const dir = tempDir('linux');
  const dump = path.join(dir, 'dump.json');
  const args = ['--headless', '--data', data, ...options.map(String), '--dump', dump];
  const started = performance.now();
  let stderr;
  try {
    ({ stderr } = await run(linuxGame, args, { timeout: 300_000, maxBuffer: 1 << 24 }));
  } catch (e) {
    if (e.code !== expectedStatus || expectedStatus === 0)
      throw new Error(`game ${args.join(' ')} failed (${e.code ?? e.signal}): ${e.stderr}`);
    stderr = e.stderr;
  }
  const ms = performance.now() - started;
  const text = fs.readFileSync(dump, 'utf8');
  fs.rmSync(dir, { recursive: true });
  return { dump: text, stderr, ms };
}

// The RGB bytes of a PNG, decoded by ImageMagick.
export async function pngRgb(file) {
  const { stdout } = await run('convert', [file, '-depth', '8', 'rgb:-'], {
    encoding: 'buffer',
    maxBuffer: 1 << 24,
  });
  return stdout;
}

// The build-web folder and the key scripts, served, and one headless Chromium with a profile
// of its own. Each open() is a new tab; its page errors, failed requests and console errors
// and warnings (emscripten warns there, for one, when game.wasm cannot be compiled as it
// streams in) are kept in page.problems.
export class WebSession {
  static async start() {
    const s = new WebSession();
    s.fixtures = tempDir('fixtures');
    fs.copyFileSync(walkthroughKeys, path.join(s.fixtures, 'walkthrough.keys'));
    s.server = await serve([webBuild, s.fixtures]);
    s.profile = tempDir('profile');
    s.browser = await puppeteer.launch({
      executablePath: chromium,
      headless: true,
      userDataDir: s.profile,
      args: [
        '--no-sandbox',
        '--disable-gpu',
        '--disable-quic',
        '--no-first-run',
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
      ],
    });
    return s;
  }

  get url() {
    return this.server.url;
  }

  // Opens index.html with the query made of params: true stands for a bare name (play).
  async open(params = {}) {
    const page = await this.browser.newPage();
    page.problems = [];
    page.on('pageerror', (e) => page.problems.push(`page error: ${e.message}`));
    page.on('console', (m) => {
      if (m.type() === 'error' || m.type() === 'warn') page.problems.push(`console ${m.type()}: ${m.text()}`);
    });
    page.on('requestfailed', (r) => page.problems.push(`request failed: ${r.url()}`));
    page.on('response', (r) => {
      if (r.status() >= 400) page.problems.push(`${r.status()}: ${r.url()}`);
    });
    const query = Object.entries(params)
      .map(([k, v]) => (v === true ? k : `${k}=${encodeURIComponent(v)}`))
      .join('&');
    await page.goto(`${this.url}/index.html${query ? '?' + query : ''}`);
    return page;
  }

  // Test mode to the game's end: the page and the dump text it shows.
  async play(params, { timeoutMs = 120_000, whilePlaying } = {}) {
    const page = await this.open({ play: true, ...params });
    if (whilePlaying) await whilePlaying(page);
    await waitDone(page, timeoutMs);
    const dump = await page.$eval('#dump', (e) => e.textContent);
    return { page, dump };
  }

  async close() {
    await this.browser?.close();
    await this.server?.close();
    for (const dir of [this.fixtures, this.profile]) fs.rmSync(dir, { recursive: true, force: true });
  }
}

// Polls fn in the page until it returns something true, and returns that; a page error or
// the page's own failure ends the wait at once.
export async function waitFor(page, what, timeoutMs, fn, ...args) {
  const started = Date.now();
  for (;;) {
    const value = await page.evaluate(fn, ...args);
    if (value) return value;
    // In test mode the page shows its own failures with the title 'error'.
    const shown = await page.evaluate(() => document.title === 'error' && document.body.innerText);
    const problem = page.problems.find((p) => p.startsWith('page error')) ?? (shown && `the page shows: ${shown}`);
    if (problem) throw new Error(`${page.url()} failed before ${what}: ${problem}`);
    if (Date.now() - started > timeoutMs)
      throw new Error(`${page.url()}: no ${what} after ${timeoutMs} ms, ` +
        `${await framesSoFar(page)} frames presented; ${page.problems.join('; ') || 'no page errors'}`);
    await new Promise((r) => setTimeout(r, 50));
  }
}

// Waits for the test mode's end (title 'done').
export function waitDone(page, timeoutMs) {
  return waitFor(page, 'end', timeoutMs, () => document.title === 'done');
}

export function framesSoFar(page) {
  return page.evaluate(() => window.pelmoFrames);
}

// The canvas's RGBA pixels as the page reads them.
export async function canvasRgba(page) {
  const base64 = await page.evaluate(() => {
    const canvas = document.querySelector('canvas');
    const bytes = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000)
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    return btoa(text);
  });
  return Buffer.from(base64, 'base64');
}
