// The browser build's first sight, measured in headless Chromium on lines of
// three speeds (throttled over the DevTools protocol): the bytes carried
// before the first picture, its time, when the progress bar first moves, when
// the game's own first frame runs (the bar goes), the music's first byte after
// the picture, and a second visit from the cache, online and offline. Prints
// the median of RUNS runs of each. Several sites (PLUMBRIX_SITES: "name=url"
// separated by spaces) take turns run by run, so that the load of a shared
// machine falls on all of them alike.
import { createRequire } from 'node:module';

// Chromium's driver is the browser tests' own dependency.
const { chromium } = createRequire(new URL('../tests/web/package.json', import.meta.url))('playwright-core');

const sites = process.env.PLUMBRIX_SITES.split(' ').map((entry) => {
  const at = entry.indexOf('=');
  return { name: entry.slice(0, at), url: entry.slice(at + 1) };
});
const runs = Number(process.env.RUNS ?? 5);
const lines = [
  { name: 'no limit', latency: 0, throughput: -1 },
  { name: '10 Mbit/s, 40 ms', latency: 40, throughput: 10e6 / 8 },
  { name: '1.6 Mbit/s, 150 ms', latency: 150, throughput: 1.6e6 / 8 },
].filter((line) => !process.env.LINES || process.env.LINES.split(';').includes(line.name));

// Watches the page from its first moment: the time its canvas first shows more
// than 20 colours, and the time the progress bar first moves. The canvas is read
// through a small copy, so that the watch takes little from the page it times.
function watchFirstSight() {
  window.sight = { picture: null, barMoved: null, barStart: null, game: null };
  const copy = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
  copy.canvas.width = 64;
  copy.canvas.height = 48;
  copy.imageSmoothingEnabled = false;
  const watch = () => {
    const bar = document.getElementById('progress');
    if (bar && bar.max > 0) {
      window.sight.barStart ??= bar.value;
      if (window.sight.barMoved === null && bar.value > window.sight.barStart) {
        window.sight.barMoved = performance.now();
      }
    }
    const canvas = document.getElementById('canvas');
    if (canvas && canvas.width > 0) {
      copy.drawImage(canvas, 0, 0, 64, 48);
      const data = copy.getImageData(0, 0, 64, 48).data;
      const colours = new Set();
      for (let i = 0; i < data.length && colours.size <= 20; i += 4) {
        colours.add((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
      }
      if (colours.size > 20) {
        window.sight.picture = performance.now();
        return;
      }
    }
    requestAnimationFrame(watch);
  };
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', watch);
  } else {
    watch();
  }
  // The bar may move, or go, between two frames' looks.
  new MutationObserver(() => {
    const loading = document.getElementById('loading');
    if (loading && loading.hidden && window.sight.game === null) {
      window.sight.game = performance.now();
    }
    const bar = document.getElementById('progress');
    if (bar && window.sight.barMoved === null) {
      window.sight.barStart ??= bar.value;
      if (bar.value > window.sight.barStart) {
        window.sight.barMoved = performance.now();
      }
    }
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['value', 'hidden'] });
}

async function firstSight(page) {
  await page.waitForFunction(() => window.sight && window.sight.picture !== null &&
    (window.sight.game !== null || !document.getElementById('loading')), null, { timeout: 120000, polling: 50 });
  return page.evaluate(() => {
    const picture = window.sight.picture;
    const entries = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')];
    const bytes = entries.filter((entry) => entry.responseEnd <= picture)
      .reduce((sum, entry) => sum + entry.transferSize, 0);
    // A site without a bar starts its game with its first picture.
    return { picture, bytes, barMoved: window.sight.barMoved, game: window.sight.game ?? picture };
  });
}

// When the first piece of music began to arrive, after the first picture (a
// site that packs the music with the pictures has it before: negative).
function musicAfterPicture(page) {
  return page.evaluate(() => new Promise((resolve) => {
    const look = () => {
      const music = performance.getEntriesByType('resource').find((entry) => /\/music\/|\.data$/.test(entry.name));
      if (music) {
        resolve(music.responseStart - window.sight.picture);
      } else {
        setTimeout(look, 100);
      }
    };
    look();
  }));
}

function wholeInCache(page) {
  return page.waitForFunction(async () => {
    const cache = await caches.open('plumbrix-files');
    const kept = new Set((await cache.keys()).map((request) => request.url));
    return [site.title, site.code, site.wasm, ...site.first, ...site.late].filter((item) => item)
      .every((item) => kept.has(new URL(item.url, location.href).href));
  }, null, { timeout: 180000, polling: 250 });
}

async function measure(browser, line, site) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 800 } });
  await context.addInitScript(watchFirstSight);
  const page = await context.newPage();
  const devtools = await context.newCDPSession(page);
  await devtools.send('Network.enable');
  await devtools.send('Network.emulateNetworkConditions', {
    offline: false, latency: line.latency, downloadThroughput: line.throughput, uploadThroughput: line.throughput,
  });
  await page.goto(site, { waitUntil: 'commit' });
  const first = await firstSight(page);
  const music = await musicAfterPicture(page);
  // A site from before the service worker has no second visit to measure.
  if (!(await page.evaluate(() => typeof window.site === 'object'))) {
    await context.close();
    return { ...first, music, second: NaN, secondGame: NaN, offline: NaN };
  }
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 60000 });
  await wholeInCache(page);

  // The second visit: the browser's own HTTP cache emptied, so that the
  // site's cache answers.
  await devtools.send('Network.clearBrowserCache');
  await page.goto(site, { waitUntil: 'commit' });
  const second = await firstSight(page);
  await context.setOffline(true);
  await page.reload({ waitUntil: 'commit' });
  const offline = await firstSight(page);
  await context.close();
  return { ...first, music, second: second.picture, secondGame: second.game, offline: offline.picture };
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run', '--autoplay-policy=no-user-gesture-required'],
});
try {
  console.log(`medians of ${runs} runs; times in seconds after navigation`);
  console.log('line                 | site     | MB before picture | bar moves | first picture | game runs | ' +
    'music after picture | second visit | its game runs | offline');
  for (const line of lines) {
    const results = sites.map(() => []);
    for (let run = 0; run < runs; ++run) {
      for (let i = 0; i < sites.length; ++i) {
        results[i].push(await measure(browser, line, sites[i].url));
      }
    }
    const s = (ms) => (Number.isFinite(ms) ? (ms / 1000).toFixed(2) : '-');
    sites.forEach((site, i) => {
      const m = (key) => median(results[i].map((result) => result[key] ?? NaN));
      console.log(`${line.name.padEnd(20)} | ${site.name.padEnd(8)} | ${(m('bytes') / 1e6).toFixed(2).padStart(17)} | ` +
        `${s(m('barMoved')).padStart(9)} | ${s(m('picture')).padStart(13)} | ${s(m('game')).padStart(9)} | ` +
        `${s(m('music')).padStart(19)} | ${s(m('second')).padStart(12)} | ${s(m('secondGame')).padStart(13)} | ` +
        `${s(m('offline')).padStart(7)}`);
    });
  }
} finally {
  await browser.close();
}
