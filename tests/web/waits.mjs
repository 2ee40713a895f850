// Waiting in the browser for the screen the next step needs: the canvas held
// against the native driver's picture of that screen at rest, outside the parts
// that move by themselves. A change alone proves nothing, since the game
// animates parts of its screens. A wait that times out names the step and what
// it expected, and keeps the last screenshot.
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, readFileSync } from 'node:fs';

export const pictureWidth = 640;
export const pictureHeight = 480;

// A 24-bit bottom-up BMP as top-down RGB rows.
export function readBmp(path) {
  const file = readFileSync(path);
  const offset = file.readUInt32LE(10);
  const width = file.readInt32LE(18);
  const height = file.readInt32LE(22);
  const stride = Math.ceil((width * 3) / 4) * 4;
  const rgb = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; ++y) {
    const row = offset + (height - 1 - y) * stride;
    for (let x = 0; x < width; ++x) {
      rgb[(y * width + x) * 3] = file[row + x * 3 + 2];
      rgb[(y * width + x) * 3 + 1] = file[row + x * 3 + 1];
      rgb[(y * width + x) * 3 + 2] = file[row + x * 3];
    }
  }
  return rgb.toString('base64');
}

// The canvas's pixels through a copy made for reading, as the game's own
// canvas is made for drawing.
export const readCanvas = `(left, top, width, height) => {
  const copy = window.readableCopy ??= document.createElement('canvas').getContext('2d', { willReadFrequently: true });
  copy.canvas.width = width;
  copy.canvas.height = height;
  copy.drawImage(document.getElementById('canvas'), left, top, width, height, 0, 0, width, height);
  return copy.getImageData(0, 0, width, height).data;
}`;

// The driver's pictures by name, as files and as base64 for the page.
const pictures = {};
const files = {};
export function loadPicture(name, path) {
  pictures[name] = readBmp(path);
  files[name] = path;
}

// The number of canvas pixels inside the regions (the whole picture when none)
// and outside the left-out rectangles ([left, top, width, height]) that differ
// from a picture; all of them when the canvas is not ready yet. The driver's
// screenshots widen the 16-bit picture by repeating its top bits; SDL's blit
// into the browser's 32-bit frame buffer uses lookup tables that come out one
// lower for some green levels (85, 89, 93, 170 to 190 and 255), so green may
// differ by one and red and blue not at all.
export async function differingPixels(page, name, regions = [], leftOut = []) {
  const compare = ([reference, base64, width, height, read, inside, outside]) => {
    const canvas = document.getElementById('canvas');
    window.references ??= {};
    if (base64) {
      window.references[reference] = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    }
    const want = window.references[reference];
    if (!want) {
      return -1;
    }
    if (canvas.width !== width || canvas.height !== height) {
      return width * height;
    }
    const have = eval(read)(0, 0, width, height);
    const within = (x, y, [l, t, w, h]) => x >= l && x < l + w && y >= t && y < t + h;
    const areas = inside.length > 0 ? inside : [[0, 0, width, height]];
    let differing = 0;
    for (const [left, top, w, h] of areas) {
      for (let y = top; y < top + h; ++y) {
        for (let x = left; x < left + w; ++x) {
          const i = y * width + x;
          if ((have[i * 4] !== want[i * 3] || Math.abs(have[i * 4 + 1] - want[i * 3 + 1]) > 1 ||
              have[i * 4 + 2] !== want[i * 3 + 2] || have[i * 4 + 3] !== 255) &&
              !outside.some((r) => within(x, y, r))) {
            ++differing;
          }
        }
      }
    }
    return differing;
  };
  // The picture goes to the page once per page load.
  const args = [name, null, pictureWidth, pictureHeight, readCanvas, regions, leftOut];
  const differing = await page.evaluate(compare, args);
  if (differing >= 0) {
    return differing;
  }
  args[1] = pictures[name];
  return page.evaluate(compare, args);
}

// A digest of a rectangle of the canvas.
export function digest(page, left = 0, top = 0, width = pictureWidth, height = pictureHeight) {
  return page.evaluate(([l, t, w, h, read]) => {
    const data = eval(read)(l, t, w, h);
    let hash = 2166136261;
    for (let i = 0; i < data.length; ++i) {
      hash = Math.imul(hash ^ data[i], 16777619);
    }
    return hash >>> 0;
  }, [left, top, width, height, readCanvas]);
}

// Made only when a wait fails; each failure keeps its own pictures there.
let keptFolder = null;
let failures = 0;
async function keep(page, expected) {
  keptFolder ??= mkdtempSync('/tmp/plumbrix-web-');
  const shot = `${keptFolder}/${++failures}-last.png`;
  await page.screenshot({ path: shot });
  if (expected && files[expected]) {
    copyFileSync(files[expected], `${keptFolder}/${failures}-expected.bmp`);
  }
  return shot;
}

// Waits up to timeout ms for a condition; a null step leaves the failure
// named by what was expected alone.
export async function waitFor(page, step, expected, condition, timeout = 20000) {
  const end = Date.now() + timeout;
  for (;;) {
    if (await condition()) {
      return;
    }
    if (Date.now() >= end) {
      assert.fail(`${step === null ? '' : `step "${step}" did nothing: `}${expected} did not show within ` +
        `${timeout} ms; last screenshot kept in ${await keep(page, null)}`);
    }
    await page.waitForTimeout(40);
  }
}

// Waits up to timeout ms for a screen at rest: { name, picture, regions,
// animated, ownState }, rectangles as [left, top, width, height]. It has come
// once two readings at least 150 ms apart match the picture in its regions,
// outside the animated parts and the run's own state (the pieces, the score),
// and that own state is alike in both. A single reading might catch the last
// frame of a transition with its tiles gone.
export async function reaches(page, step, screen, timeout = 20000) {
  const { name, picture, regions = [], animated = [], ownState = [] } = screen;
  const end = Date.now() + timeout;
  let matched = null;
  for (;;) {
    if (await differingPixels(page, picture, regions, [...animated, ...ownState]) === 0) {
      const own = [];
      for (const r of ownState) {
        own.push(await digest(page, ...r));
      }
      const same = matched && own.every((d, i) => d === matched.own[i]);
      if (same && Date.now() - matched.at >= 150) {
        return;
      }
      if (!same) {
        matched = { own, at: Date.now() };
      }
    } else {
      matched = null;
    }
    if (Date.now() >= end) {
      assert.fail(`step "${step}" did nothing: ${name} did not show at rest within ${timeout} ms; ` +
        `last screenshot kept in ${await keep(page, picture)}`);
    }
    await page.waitForTimeout(40);
  }
}
