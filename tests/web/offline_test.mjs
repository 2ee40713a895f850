// The browser build as an installed game: the manifest passes the browser's
// installability check, the whole game plays from the cache with no network
// at all, and a rebuilt site replaces the cached one on the next visit.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { chromium } from 'playwright-core';

import {
  at, chromiumArgs, firstPicture, scoringSwap, toPage, waitFor, waitForStill, watchConsole,
} from './helpers.mjs';
import { serveSite } from './site_server.mjs';

const root = new URL('../..', import.meta.url).pathname;
const work = mkdtempSync(join(tmpdir(), 'plumbrix-offline-'));
const siteDir = join(work, 'site');
let server;
let context;
let page;
const problems = [];

// The site as ./web.sh assembles it, from the data folder given.
function assemble(data) {
  execFileSync('python3', [join(root, 'packaging/web/site.py'), '--js', join(root, 'build-web/plumbrix.js'),
    '--wasm', join(root, 'build-web/plumbrix.wasm'), '--data', data, '--icons', join(root, 'build/icons/hicolor'),
    '--out', siteDir]);
}

const siteVersion = () => JSON.parse(readFileSync(join(siteDir, 'index.html'), 'utf8')
  .match(/var site = (\{.*\});/)[1]).version;

// Every file of this version in the cache, the music too.
async function wholeInCache() {
  await waitFor(page, 'the site in the cache', () => page.evaluate(async () => {
    const cache = await caches.open('plumbrix-files');
    const kept = new Set((await cache.keys()).map((request) => request.url));
    return [site.code, site.wasm, ...site.first, ...site.late]
      .every((item) => kept.has(new URL(item.url, location.href).href));
  }), 60000);
}

async function click(point) {
  await page.mouse.move(...await toPage(page, point));
  await page.waitForTimeout(60);
  await page.mouse.down();
  await page.waitForTimeout(120);
  await page.mouse.up();
}

before(async () => {
  assemble(join(root, 'build/data'));
  server = await serveSite(siteDir);
  context = await chromium.launchPersistentContext(join(work, 'profile'), {
    executablePath: '/usr/bin/chromium',
    args: [...chromiumArgs, '--autoplay-policy=no-user-gesture-required'],
    viewport: { width: 1024, height: 800 },
  });
  page = context.pages()[0] ?? await context.newPage();
  watchConsole(page, problems, [/Failed to load resource/, /ERR_INTERNET_DISCONNECTED/]);
});

after(async () => {
  await context?.close();
  await server?.close();
  rmSync(work, { recursive: true, force: true });
});

describe('the browser build offline', { concurrency: false }, () => {
  test('the browser finds it installable, with its manifest and icons', async () => {
    await page.goto(server.url, { waitUntil: 'commit' });
    assert.ok((await firstPicture(page)) < Infinity, 'a first picture');
    await waitFor(page, 'the service worker', () => page.evaluate(() => navigator.serviceWorker.controller !== null),
      10000);
    const devtools = await context.newCDPSession(page);
    const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const { url, data } = await devtools.send('Page.getAppManifest');
    assert.match(url, /manifest\.webmanifest$/);
    const manifest = JSON.parse(data);
    assert.equal(manifest.name, 'Plumbrix');
    assert.ok(manifest.icons.some((icon) => icon.sizes === '256x256'));
    await devtools.detach();
  });

  test('with no network at all the game plays from the cache, music and all', async () => {
    await wholeInCache();
    const devtools = await context.newCDPSession(page);
    await devtools.send('Network.clearBrowserCache');
    await devtools.detach();
    await server.close();
    await context.setOffline(true);
    await page.reload({ waitUntil: 'commit' });
    assert.ok((await firstPicture(page)) < Infinity, 'a first picture offline');
    await waitFor(page, 'the menu tune', () => page.evaluate(() => Object.values(AL.currentCtx.sources)
      .some((source) => source.state === 0x1012 /* AL_PLAYING */)), 10000);

    await click(at.play);
    await page.waitForTimeout(2500);
    await waitForStill(page, 10000);
    await click(at.newGame);
    await page.waitForTimeout(1500);
    await waitForStill(page, 10000);
    await click(at.start);
    await page.mouse.move(2, 2);
    await scoringSwap(page, async (from, to) => {
      await click(from);
      await click(to);
      await page.mouse.move(2, 2);
    });
  });

  test('a rebuilt site replaces the cached one on the next visit, code and data together', async () => {
    const oldVersion = siteVersion();
    const oldFiles = await page.evaluate(() => [site.code, site.wasm, ...site.first].map((item) => item.url));
    // The same data, with a changed help page and one picture one byte longer.
    const data = join(work, 'data');
    cpSync(join(root, 'build/data'), data, { recursive: true, dereference: true });
    writeFileSync(join(data, 'ReadMe.htm'), readFileSync(join(data, 'ReadMe.htm'), 'utf8')
      .replace('</body>', '<p id="rebuilt">Rebuilt.</p></body>'));
    writeFileSync(join(data, 'bmp/Cursor.bmp'), Buffer.concat([readFileSync(join(data, 'bmp/Cursor.bmp')),
      Buffer.from([0])]));
    assemble(data);
    assert.notEqual(siteVersion(), oldVersion);

    await context.setOffline(false);
    server = await serveSite(siteDir, () => null, server.port);
    const requested = [];
    page.on('request', (request) => requested.push(new URL(request.url()).pathname.slice(1)));
    await page.goto(server.url, { waitUntil: 'commit' });
    assert.ok((await firstPicture(page)) < Infinity, 'a first picture');
    assert.equal(await page.evaluate(() => site.version), siteVersion());
    await wholeInCache();
    // The new pictures came from the network; none of the old files was asked
    // for, and none is left in the cache.
    assert.ok(requested.some((path) => /^pictures\./.test(path)), `requested: ${requested}`);
    // (The code is the same in both builds, and keeps its name.)
    const old = (path) => oldFiles.includes(path) && !/^plumbrix\./.test(path);
    assert.deepEqual(requested.filter(old), []);
    await waitFor(page, 'the old version out of the cache', async () => (await page.evaluate(async () =>
      (await (await caches.open('plumbrix-files')).keys()).map((request) => new URL(request.url).pathname.slice(1))))
      .filter(old).length === 0, 10000);
    assert.match(await page.evaluate(async () => (await fetch('ReadMe.htm')).text()), /Rebuilt\./);
  });

  test('nothing of ours on the console', () => {
    assert.deepEqual(problems, []);
  });
});
