// realtime.test.mjs -- the page's test mode on the real clock: keys held in the browser reach
// the game, and frames come at 60 Hz.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { WebSession, framesSoFar, waitDone, waitFor } from './harness.mjs';

let web;
before(async () => {
  web = await WebSession.start();
});
after(() => web?.close());

// On map 21 no event stops the hero: every frame Right is held moves him one step right.
test('Right held in the browser walks the hero right for as long as it is held', { timeout: 60_000 }, async (t) => {
  const start = 100;
  let held;
  const { page, dump } = await web.play({ clock: 'real', map: 21, hero: start, frames: 200 }, {
    whilePlaying: async (page) => {
      await waitFor(page, 'frame 20', 20_000, () => window.pelmoFrames >= 20);
      await page.keyboard.down('ArrowRight');
      const down = await framesSoFar(page);
      await waitFor(page, 'frame 140', 20_000, () => window.pelmoFrames >= 140);
      await page.keyboard.up('ArrowRight');
      held = (await framesSoFar(page)) - down;
    },
  });
  await page.close();
  const { hero } = JSON.parse(dump);
  const walked = hero.x - start;
  t.diagnostic(`Right held ${held} frames, the hero walked ${walked.toFixed(1)} px`);
  // A key reaches the game at its next frame; the polls above may each miss a few frames.
  const slack = 8 * hero.speed;
  assert.ok(
    Math.abs(walked - held * hero.speed) <= slack,
    `the hero walked ${walked} px while Right was held ${held} frames at ${hero.speed} px a frame`,
  );
});

// Both events in one task of the page: the game cannot read the keys between them.
test('Right pressed and released between two frames still walks the hero', { timeout: 60_000 }, async () => {
  const start = 100;
  const { page, dump } = await web.play({ clock: 'real', map: 21, hero: start, frames: 60 }, {
    whilePlaying: async (page) => {
      await waitFor(page, 'frame 20', 20_000, () => window.pelmoFrames >= 20);
      await page.evaluate(() => {
        const canvas = document.getElementById('canvas');
        for (const type of ['keydown', 'keyup'])
          canvas.dispatchEvent(new KeyboardEvent(type, { code: 'ArrowRight', bubbles: true }));
      });
    },
  });
  await page.close();
  const { hero } = JSON.parse(dump);
  assert.ok(hero.x > start, `the hero stayed at ${hero.x}`);
  assert.ok(hero.x <= start + 2 * hero.speed, `one frame of Right walked the hero to ${hero.x}`);
});

test('300 frames on the real clock take 5 s of wall time, within 10 %', { timeout: 60_000 }, async (t) => {
  const page = await web.open({ play: true, clock: 'real', frames: 300 });
  // Polled in the page, so that the end is seen within milliseconds.
  const ended = page.evaluate(
    () =>
      new Promise((resolve) => {
        const poll = () =>
          document.title === 'done' ? resolve(performance.now() - window.pelmoFirstFrameAt) : setTimeout(poll, 2);
        poll();
      }),
  );
  await waitDone(page, 30_000);
  const ms = await ended;
  t.diagnostic(`300 frames took ${Math.round(ms)} ms`);
  await page.close();
  assert.ok(Math.abs(ms - 5000) <= 500, `300 frames took ${Math.round(ms)} ms`);
});
