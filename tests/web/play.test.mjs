// play.test.mjs -- the page's test mode on the virtual clock against the Linux game headless:
// the same key script and seed must give the same dump, the same pictures, and the same
// message boxes when a data file is missing.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {
  WebSession,
  canvasRgba,
  linuxData,
  pngRgb,
  runLinux,
  tempDir,
  waitDone,
  waitFor,
  walkthroughKeys,
} from './harness.mjs';

let web;
before(async () => {
  web = await WebSession.start();
});
after(() => web?.close());

const walkthrough = { seed: 1, input: 'walkthrough.keys' };
const linuxWalkthrough = ['--seed', '1', '--input', walkthroughKeys];

test('the demo walkthrough ends with the dump of the Linux game', { timeout: 180_000 }, async () => {
  const [linux, browser] = await Promise.all([
    runLinux(linuxWalkthrough),
    web.play(walkthrough, { timeoutMs: 150_000 }),
  ]);
  assert.equal(browser.dump, linux.dump);
  await browser.page.close();
});

// Moments of the walkthrough, each with what the Linux dump at that frame shows, so that
// a change of the demo's content that moves them is noticed rather than silently tested.
const moments = [
  { frame: 100, what: 'the opening cut-scene', is: (d) => d.visual.playing === 1 },
  { frame: 300, what: 'a balloon', is: (d) => d.textIndex >= 0 && d.visual.playing === 0 },
  { frame: 500, what: 'the hero walking', is: (d) => d.hero?.motion === 1 && d.textIndex < 0 },
];

for (const { frame, what, is } of moments) {
  test(`the canvas after frame ${frame} (${what}) is the Linux shot`, { timeout: 180_000 }, async () => {
    const dir = tempDir('shot');
    const shot = path.join(dir, 'shot.png');
    const linux = await runLinux([...linuxWalkthrough, '--frames', frame, '--shot', `${frame}:${shot}`]);
    assert.ok(is(JSON.parse(linux.dump)), `frame ${frame} no longer shows ${what}`);
    const rgb = await pngRgb(shot);
    fs.rmSync(dir, { recursive: true });

    const { page } = await web.play({ ...walkthrough, frames: frame });
    const rgba = await canvasRgba(page);
    await page.close();
    assert.equal(rgba.length, (rgb.length / 3) * 4, 'the canvas is not 640 x 480');
    const wrong = [];
    for (let p = 0; p < rgb.length / 3; ++p) {
      const [r, g, b, a] = rgba.subarray(p * 4, p * 4 + 4);
      const want = rgb.subarray(p * 3, p * 3 + 3);
      if (r !== want[0] || g !== want[1] || b !== want[2] || a !== 255)
        wrong.push(`(${p % 640}, ${Math.floor(p / 640)}): ${[r, g, b, a]} not ${[...want, 255]}`);
    }
    assert.equal(wrong.length, 0, `${wrong.length} pixels differ, first ${wrong.slice(0, 5).join('; ')}`);
  });
}

// A missing palette ends the game at its start, a missing map only when it is entered and
// the game goes on there; either way after one message box, which the page shows with the
// text the Linux game prints as "TITLE: TEXT".
const missingFiles = [
  { file: 'grim/pal.pal', frames: null },
  { file: 'map/21.if', frames: 2000 },
];

for (const { file, frames } of missingFiles) {
  test(`without ${file} the page shows the Linux message box and plays on as Linux does`, { timeout: 180_000 }, async () => {
    const data = tempDir('data');
    fs.cpSync(linuxData, data, { recursive: true });
    fs.rmSync(path.join(data, file));
    const limit = frames ? ['--frames', frames] : [];
    // Without the palette the start-up stops after its box, with status 1.
    const expectedStatus = file === 'grim/pal.pal' ? 1 : 0;
    const linux = await runLinux([...linuxWalkthrough, ...limit], { data, expectedStatus });
    fs.rmSync(data, { recursive: true });
    // The author's warning lines come besides the box; the box is the one line left.
    const shown = linux.stderr.trim().split('\n').filter((line) => !line.startsWith('game: warning: '));
    assert.equal(shown.length, 1, `the Linux game printed ${linux.stderr}`);
    const [, title, text] = shown[0].match(/^(.*?): (.*)$/);

    const page = await web.open({ play: true, ...walkthrough, missing: file, ...(frames && { frames }) });
    const dialog = await waitFor(page, 'message box', 60_000, () => {
      const message = document.getElementById('message');
      return message?.checkVisibility() && message.textContent;
    });
    assert.equal(dialog, text);
    assert.ok(
      await page.evaluate((t) => document.body.innerText.includes(t), title),
      `the dialog lacks its title "${title}"`,
    );
    await page.click('#message-ok');
    await waitDone(page, 120_000);
    assert.equal(await page.$eval('#dump', (e) => e.textContent), linux.dump);
    await page.close();
  });
}
