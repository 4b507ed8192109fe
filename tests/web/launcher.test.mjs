// launcher.test.mjs -- the page as players open it: the launcher's first button starts the
// game, with nothing missing on the way.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { WebSession, waitFor } from './harness.mjs';

let web;
before(async () => {
  web = await WebSession.start();
});
after(() => web?.close());

test('"게임 시작 !!" starts the game in the canvas, which takes the keys', { timeout: 60_000 }, async () => {
  const page = await web.open();
  const start = await page.waitForFunction(
    () =>
      [...document.querySelectorAll('button, [role=button], a, input')].find(
        (e) => (e.textContent || e.value || e.ariaLabel || e.title || '').trim() === '게임 시작 !!',
      ),
    { timeout: 20_000 },
  );
  assert.equal(await page.evaluate(() => window.pelmoFrames ?? 0), 0, 'the game ran before the button');
  await start.asElement().click();
  await waitFor(page, '60 presented frames', 30_000, () => window.pelmoFrames >= 60);
  assert.ok(await page.evaluate(() => document.querySelector('canvas').checkVisibility()), 'the canvas is hidden');
  assert.ok(
    await page.evaluate(() => document.activeElement === document.querySelector('canvas')),
    'the canvas does not have the focus',
  );
  // Every file the page and the game ask for is in build-web and comes as it should.
  assert.deepEqual(page.problems, []);
  await page.close();
});
