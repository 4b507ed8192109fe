// bench.mjs -- the web edition's figures, each beside its budget (and baseline, where it has
// one), as scripts/bench prints the native ones:
//   1. page load to the first presented frame, test mode in headless Chromium (no budget yet)
//   2. the size of game.wasm (<= 1.5 MB)
//   3. a frame's logic and drawing in the browser against the Linux game headless, both
//      playing the walkthrough's first N frames (<= 3 times)
//   4. what a player downloads: build-web's files, each compressed by gzip -9 (<= 3 MB)
// Figures only: the exit status is 0 whatever they are, and not 0 when one cannot be measured.
// Usage: node bench/web/bench.mjs [--quick]   (environment as for tests/web/harness.mjs)
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import {
  WebSession,
  runLinux,
  waitDone,
  walkthroughKeys,
  webBuild,
} from '../../tests/web/harness.mjs';

const quick = process.argv.includes('--quick');
const loads = quick ? 3 : 7;
const frames = quick ? 2000 : 6000;
const repeats = quick ? 1 : 3;
const MB = 1e6;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

let number = 0;
function figure({ what, value, unit, digits = 2, baseline, baselineWhat, budget, ratio = false }) {
  console.log(`figure ${++number}: ${what}`);
  console.log(`  measured  ${value.toFixed(digits).padStart(10)} ${unit}`);
  let checked = value;
  if (baseline !== undefined) {
    checked = value / baseline;
    console.log(`  baseline  ${baseline.toFixed(digits).padStart(10)} ${unit}  (${baselineWhat}; ratio ${checked.toFixed(2)})`);
  }
  if (budget === undefined) return;
  const within = checked <= budget ? 'within' : 'OVER';
  console.log(ratio ? `  budget    ratio <= ${budget}  ${within}` : `  budget    <= ${budget} ${unit}  ${within}`);
}

const web = await WebSession.start();
try {
  // 1. performance.now() counts from the navigation's start.
  const firstFrames = [];
  for (let i = 0; i < loads; ++i) {
    const page = await web.open({ play: true, frames: 2 });
    await waitDone(page, 60_000);
    firstFrames.push(await page.evaluate(() => window.pelmoFirstFrameAt));
    await page.close();
  }
  figure({
    what: `page load to the first presented frame (median of ${loads} loads, test mode)`,
    value: median(firstFrames),
    unit: 'ms',
    digits: 0,
  });

  // 2.
  figure({
    what: 'game.wasm',
    value: fs.statSync(path.join(webBuild, 'game.wasm')).size / MB,
    unit: 'MB',
    budget: 1.5,
  });

  // 3. The CPU time of the page's scripts (the game's code and the page's own) counts in the
  // browser, not the waits between frames; against the native game's time over the same
  // frames, less its start-up (a run of one frame). On the virtual clock the canvas is drawn
  // at the page's turns only, as the headless game draws no window: both count the game's
  // drawing of its frames, neither their showing.
  const walk = ['--seed', '1', '--input', walkthroughKeys];
  const native = [];
  const browser = [];
  for (let i = 0; i < repeats; ++i) {
    const whole = await runLinux([...walk, '--frames', frames]);
    const start = await runLinux([...walk, '--frames', 1]);
    native.push((whole.ms - start.ms) / (frames - 1));

    const page = await web.open({ play: true, seed: 1, input: 'walkthrough.keys', frames });
    const session = await page.createCDPSession();
    await session.send('Performance.enable');
    const scriptTime = async () =>
      (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'ScriptDuration').value;
    await page.waitForFunction(() => window.pelmoFrames >= 1, { polling: 'raf', timeout: 60_000 });
    const before = await scriptTime();
    const from = await page.evaluate(() => window.pelmoFrames);
    await waitDone(page, 600_000);
    browser.push(((await scriptTime()) - before) * 1000 / (frames - from));
    await page.close();
  }
  figure({
    what: `a frame's logic and drawing in headless Chromium (walkthrough, ${frames} frames, median of ${repeats})`,
    value: median(browser),
    unit: 'ms',
    digits: 4,
    baseline: median(native),
    baselineWhat: 'the Linux game headless',
    budget: 3,
    ratio: true,
  });

  // 4.
  let total = 0;
  const sizes = [];
  for (const entry of fs.readdirSync(webBuild, { recursive: true })) {
    const file = path.join(webBuild, entry);
    if (!fs.statSync(file).isFile()) continue;
    const size = zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
    total += size;
    sizes.push(`${entry} ${(size / MB).toFixed(3)}`);
  }
  figure({
    what: `build-web compressed, gzip -9 file by file (${sizes.join(', ')} MB)`,
    value: total / MB,
    unit: 'MB',
    budget: 3,
  });
} finally {
  await web.close();
}
