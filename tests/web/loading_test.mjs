// The browser build's loading: the title's picture shows first; on a slow line
// the game's first frame follows with little to carry, under a progress bar
// that moves and then goes; the sounds and the music come after it, and start
// whenever they land, even late.
import assert from 'node:assert/strict';
import { statSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';

import { at, firstPicture, launch, toPage, waitFor, waitForStill, watchConsole } from './helpers.mjs';
import { serveSite } from './site_server.mjs';
import { readCanvas } from './waits.mjs';

const siteDir = process.env.PLUMBRIX_SITE_DIR;
const budget = 2.0e6;

let browser;
const problems = [];

async function newPage(viewport = { width: 1024, height: 800 }) {
  const context = await browser.newContext({ viewport });
  const page = await context.newPage();
  watchConsole(page, problems);
  return page;
}

before(async () => {
  browser = await launch();
});

after(async () => {
  await browser?.close();
});

describe('loading the browser build', { concurrency: false }, () => {
  test('on a 10 Mbit/s line the game\'s first frame carries under 2 MB, behind a moving bar, before any sound', async () => {
    const server = await serveSite(siteDir);
    try {
      const page = await newPage();
      const network = await page.context().newCDPSession(page);
      await network.send('Network.enable');
      await network.send('Network.emulateNetworkConditions', {
        offline: false, latency: 40, downloadThroughput: 10e6 / 8, uploadThroughput: 10e6 / 8,
      });
      const requested = [];
      page.on('request', (request) => requested.push(new URL(request.url()).pathname));

      // Every value the bar shows, as the page sets it, and when it goes: at
      // the game's first frame.
      await page.addInitScript(() => {
        window.barValues = [];
        new MutationObserver(() => {
          const loading = document.getElementById('loading');
          if (loading && loading.hidden) {
            window.barGone ??= performance.now();
            return;
          }
          const bar = document.getElementById('progress');
          if (bar) {
            window.barValues.push([bar.value, bar.max]);
          }
        }).observe(document, { subtree: true, attributes: true, attributeFilter: ['value', 'max', 'hidden'] });
      });
      await page.goto(server.url, { waitUntil: 'commit' });
      const shown = await firstPicture(page);
      assert.ok(shown < Infinity, 'a first picture');
      // What crossed the line before the game's first frame: the page, and the
      // files asked for before the bar went (the page's own blob: handles
      // carry nothing).
      const before = ['/', ...new Set(await page.evaluate(() => performance.getEntriesByType('resource')
        .filter((entry) => entry.startTime < window.barGone && entry.name.startsWith('http'))
        .map((entry) => new URL(entry.name).pathname)))];
      // The bar, found by its role as a screen reader finds it, moved on its way
      // up: bytes arrived of the bytes the picture needs.
      assert.equal(await page.getByRole('progressbar', { includeHidden: true }).count(), 1);
      const values = await page.evaluate(() => window.barValues);
      const between = values.filter(([value, max]) => value > values[0][0] && value < max);
      assert.ok(between.length >= 2, `the bar's values on the way: ${JSON.stringify(values)}`);

      const late = /\/(music|sounds)[./]/;
      assert.deepEqual(before.filter((path) => late.test(path)), [], 'nothing but the first frame\'s files');
      const carried = before.reduce((sum, path) => {
        const file = join(siteDir, path.endsWith('/') ? `${path}index.html` : path);
        return sum + statSync(file).size;
      }, 0);
      assert.ok(carried <= budget, `${carried} bytes before the game's first frame`);
      await waitFor(page, 'the music after the picture', async () => requested.some((path) => /\/music\//.test(path)),
        30000);
      await page.context().close();
    } finally {
      await server.close();
    }
  });

  test('sounds and music held back on the way: the game plays, and each starts once it lands', async () => {
    let release;
    const gate = new Promise((resolve) => {
      release = resolve;
    });
    const server = await serveSite(siteDir, (path) => (/^\/(music|sounds)[./]/.test(path) ? gate : null));
    try {
      const page = await newPage();
      await page.goto(server.url, { waitUntil: 'commit' });
      assert.ok((await firstPicture(page)) < Infinity, 'a first picture');
      // What the effects' audio node hands to the speakers, and the music's
      // sources that play.
      await page.evaluate(() => {
        const node = Module.SDL2.audio.scriptProcessorNode;
        const mix = node.onaudioprocess;
        window.loudestEffect = 0;
        node.onaudioprocess = (event) => {
          mix(event);
          const samples = event.outputBuffer.getChannelData(0);
          for (let i = 0; i < samples.length; ++i) {
            window.loudestEffect = Math.max(window.loudestEffect, Math.abs(samples[i]));
          }
        };
      });
      const playingTracks = () => page.evaluate(() => Object.values(AL.currentCtx.sources)
        .filter((source) => source.state === 0x1012 /* AL_PLAYING */).length);
      // Onto a menu button from off it: the hover sound, once its file is there.
      const hoverButton = async () => {
        await page.mouse.move(...await toPage(page, [20, 20]));
        await page.waitForTimeout(200);
        await page.mouse.move(...await toPage(page, at.newGame));
        await page.waitForTimeout(400);
        return page.evaluate(() => window.loudestEffect);
      };

      // The title's click reaches the menu, whose buttons answer the pointer.
      await page.mouse.move(...await toPage(page, at.play));
      await page.mouse.down();
      await page.waitForTimeout(100);
      await page.mouse.up();
      await page.waitForTimeout(2500);
      await waitForStill(page, 10000);
      assert.equal(await hoverButton(), 0, 'no effect before its file');
      assert.equal(await playingTracks(), 0, 'no music before its file');

      release();
      await waitFor(page, 'the menu tune', async () => (await playingTracks()) === 1, 10000);
      await waitFor(page, 'the hover sound', async () => (await hoverButton()) > 0, 10000);
      await page.context().close();
    } finally {
      release();
      await server.close();
    }
  });

  test('the title\'s picture shows while the code is held back, where the game then draws its title', async () => {
    let release;
    const gate = new Promise((resolve) => {
      release = resolve;
    });
    const server = await serveSite(siteDir, (path) => (/\.wasm\.gz$/.test(path) ? gate : null));
    try {
      const page = await newPage();
      await page.goto(server.url, { waitUntil: 'commit' });
      // Kept in the page as it was while the bar still showed.
      await waitFor(page, 'the title\'s picture before the game', () => page.evaluate((read) => {
        const loading = document.getElementById('loading');
        if (!loading || loading.hidden || !document.getElementById('canvas')) {
          return false;
        }
        const data = eval(read)(0, 0, 640, 480);
        const colours = new Set();
        for (let i = 0; i < data.length && colours.size <= 20; i += 4 * 97) {
          colours.add((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
        }
        window.shownEarly = data;
        return colours.size > 20;
      }, readCanvas), 20000);
      assert.equal(await page.locator('#loading').isVisible(), true, 'the bar over the early picture');
      release();
      assert.ok((await firstPicture(page)) < Infinity, 'the game\'s first picture');
      // Outside the title's button the two differ only as a 24-bit and a 16-bit
      // picture of the same JPEG do: no jump when the game takes over.
      const meanDifference = await page.evaluate((read) => {
        const now = eval(read)(0, 0, 640, 480);
        let sum = 0;
        let count = 0;
        for (let y = 0; y < 480; ++y) {
          for (let x = 0; x < 640; ++x) {
            if (y >= 406 && y < 471 && x >= 161 && x < 481) {
              continue;
            }
            const i = (y * 640 + x) * 4;
            for (let c = 0; c < 3; ++c) {
              sum += Math.abs(now[i + c] - window.shownEarly[i + c]);
            }
            count += 3;
          }
        }
        return sum / count;
      }, readCanvas);
      assert.ok(meanDifference < 4, `the early picture is the title's, ${meanDifference} levels off on average`);
      await page.context().close();
    } finally {
      release();
      await server.close();
    }
  });

  test('nothing of ours on the console', () => {
    assert.deepEqual(problems, []);
  });
});
