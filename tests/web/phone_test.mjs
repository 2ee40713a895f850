// The browser build on a phone, in Chromium's device emulation: the picture as
// large as the screen allows each way up, taps through to a game, a finger's
// drag that swaps and scores, sound that wakes on the first touch, and a page
// that never scrolls or zooms under the fingers.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { at, firstPicture, launch, scoringSwap, toPage, waitForStill, watchConsole } from './helpers.mjs';
import { serveSite } from './site_server.mjs';

const siteDir = process.env.PLUMBRIX_SITE_DIR;
let server;
let browser;
const problems = [];

async function phone(width, height) {
  const context = await browser.newContext({
    viewport: { width, height }, deviceScaleFactor: 3, hasTouch: true, isMobile: true,
  });
  const page = await context.newPage();
  watchConsole(page, problems);
  await page.goto(server.url, { waitUntil: 'commit' });
  assert.ok((await firstPicture(page)) < Infinity, 'a first picture');
  return page;
}

async function tap(page, point) {
  await page.touchscreen.tap(...await toPage(page, point));
}

// A finger put down on one cell, moved to the next in steps, and lifted.
async function fingerDrag(page, from, to) {
  const touch = await page.context().newCDPSession(page);
  const [x0, y0] = await toPage(page, from);
  const [x1, y1] = await toPage(page, to);
  await touch.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: x0, y: y0 }] });
  await page.waitForTimeout(100);
  for (let step = 1; step <= 8; ++step) {
    await touch.send('Input.dispatchTouchEvent', {
      type: 'touchMove', touchPoints: [{ x: x0 + ((x1 - x0) * step) / 8, y: y0 + ((y1 - y0) * step) / 8 }],
    });
    await page.waitForTimeout(40);
  }
  await touch.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.waitForTimeout(100);
  await touch.detach();
}

// Where the picture lies, whether the hint to turn the phone shows, and
// whether the page could scroll or has scrolled.
function layout(page) {
  return page.evaluate(() => {
    const box = document.getElementById('canvas').getBoundingClientRect();
    const turn = document.getElementById('turn');
    return {
      box: [box.x, box.y, box.width, box.height].map((v) => Math.round(v * 10) / 10),
      turnHint: turn.offsetParent !== null && turn.getBoundingClientRect().bottom <= innerHeight,
      overflow: document.scrollingElement.scrollHeight - innerHeight,
      scrolled: scrollX !== 0 || scrollY !== 0 || visualViewport.scale !== 1,
    };
  });
}

before(async () => {
  server = await serveSite(siteDir);
  browser = await launch();
});

after(async () => {
  await browser?.close();
  await server?.close();
});

describe('the browser build on a phone', { concurrency: false }, () => {
  test('upright: the picture fills the width, a finger plays a game to a scoring swap, nothing scrolls', async () => {
    const page = await phone(390, 844);
    const upright = await layout(page);
    assert.deepEqual(upright.box, [0, 0, 390, 292.5]);
    assert.ok(upright.turnHint, 'the hint to turn the phone');
    assert.equal(upright.overflow, 0);

    // Headless Chromium lets sound start without a gesture, so the two audio
    // contexts (the effects' and the music's) are put to sleep as a phone has them.
    const audioStates = () => page.evaluate(() => [Module.SDL2.audioContext.state, AL.currentCtx.audioCtx.state]);
    await page.evaluate(() => Promise.all([Module.SDL2.audioContext.suspend(), AL.currentCtx.audioCtx.suspend()]));
    assert.deepEqual(await audioStates(), ['suspended', 'suspended']);
    await tap(page, at.play);
    await page.waitForTimeout(300);
    assert.deepEqual(await audioStates(), ['running', 'running'], 'the first touch wakes the sound');
    await page.waitForTimeout(2200);
    await waitForStill(page, 10000);
    await tap(page, at.newGame);
    await page.waitForTimeout(1500);
    await waitForStill(page, 10000);
    await tap(page, at.start);
    await scoringSwap(page, (from, to) => fingerDrag(page, from, to));
    const after = await layout(page);
    assert.ok(!after.scrolled, 'the page did not scroll or zoom');
    assert.deepEqual(after.box, upright.box);
    await page.context().close();
  });

  test('on its side: the picture fills the height, alone, and taps reach the menu', async () => {
    const page = await phone(844, 390);
    const sideways = await layout(page);
    assert.deepEqual(sideways.box, [162, 0, 520, 390]);
    assert.ok(!sideways.turnHint, 'no hint once turned');
    assert.equal(sideways.overflow, 0);
    const menu = await page.evaluate(() => document.querySelector('h1').offsetParent === null &&
      document.querySelector('p').offsetParent === null);
    assert.ok(menu, 'no title or text beside the picture');
    await tap(page, at.play);
    await page.waitForTimeout(2500);
    await waitForStill(page, 10000);
    const title = await page.evaluate(() => document.getElementById('canvas').width);
    assert.equal(title, 640);
    assert.ok(!(await layout(page)).scrolled);
    await page.context().close();
  });

  test('nothing of ours on the console', () => {
    assert.deepEqual(problems, []);
  });
});
