// What the browser tests share: Chromium and its console, the picture's points
// on the page, reading the board, finding and playing a swap that scores.
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';

import * as waits from './waits.mjs';
import { digest, pictureHeight, pictureWidth, readCanvas } from './waits.mjs';

export { digest, pictureHeight, pictureWidth };

export const boardLeft = 236;
export const boardTop = 4;
export const cellSize = 50;
export const boardArea = [boardLeft, boardTop, 8 * cellSize, 8 * cellSize];
// The score's digits under the board.
export const scoreArea = [435, 420, 200, 34];
// Buttons in picture coordinates, as the replay scripts click them.
export const at = { play: [320, 440], newGame: [170, 257], start: [407, 402], boardMenu: [60, 420] };

export const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

// Collects the page's errors and warnings into `problems`, but for Chromium's
// own notice about the audio node SDL 2.26 plays through and the `expected` ones.
export function watchConsole(page, problems, expected = []) {
  const notices = [/ScriptProcessorNode is deprecated/, ...expected];
  page.on('console', (message) => {
    if ((message.type() === 'error' || message.type() === 'warning') &&
        !notices.some((notice) => notice.test(message.text()))) {
      problems.push(`${message.type()}: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
}

export function launch() {
  return chromium.launch({
    executablePath: '/usr/bin/chromium', args: [...chromiumArgs, '--autoplay-policy=no-user-gesture-required'],
  });
}

// The game's first picture: watched in the page at every display frame until
// the canvas shows more than 20 colours and the loading bar has gone, which it
// does at the game's first frame (the page shows the title's picture before
// the game runs); resolves with its time after navigation.
export function firstPicture(page, timeout = 30000) {
  return page.evaluate(([limit, read]) => new Promise((resolve) => {
    const watch = () => {
      if (document.getElementById('canvas')) {
        const data = eval(read)(0, 0, 640, 480);
        const colours = new Set();
        for (let i = 0; i < data.length && colours.size <= 20; i += 4 * 97) {
          colours.add((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
        }
        const loading = document.getElementById('loading');
        if (colours.size > 20 && loading && loading.hidden) {
          resolve(performance.now());
          return;
        }
      }
      if (performance.now() > limit) {
        resolve(Infinity);
        return;
      }
      requestAnimationFrame(watch);
    };
    watch();
  }), [timeout, readCanvas]);
}

// A wait named by what it waits for alone, as these tests have no steps of a
// road to name.
export function waitFor(page, what, condition, timeout) {
  return waits.waitFor(page, null, what, condition, timeout);
}

// Waits until a rectangle of the picture has stopped changing.
export async function waitForStill(page, timeout, ...rectangle) {
  let last = -1;
  let still = 0;
  await waitFor(page, 'a still picture', async () => {
    const now = await digest(page, ...rectangle);
    still = now === last ? still + 1 : 0;
    last = now;
    return still >= 8;
  }, timeout);
}

// A point of the picture on the page.
export async function toPage(page, [x, y]) {
  const box = await page.locator('#canvas').boundingBox();
  return [box.x + ((x + 0.5) * box.width) / pictureWidth, box.y + ((y + 0.5) * box.height) / pictureHeight];
}

// The kinds of the 64 pieces, as numbers: pieces of one kind look the same.
export async function readBoard(page) {
  const looks = await page.evaluate(([left, top, size, read]) => {
    const cells = [];
    for (let column = 0; column < 8; ++column) {
      for (let row = 0; row < 8; ++row) {
        const data = eval(read)(left + column * size + 10, top + row * size + 10, 30, 30);
        let hash = 2166136261;
        for (let i = 0; i < data.length; ++i) {
          hash = Math.imul(hash ^ data[i], 16777619);
        }
        cells.push(hash >>> 0);
      }
    }
    return cells;
  }, [boardLeft, boardTop, cellSize, readCanvas]);
  const kinds = [...new Set(looks)];
  return { kinds: kinds.length, at: (column, row) => kinds.indexOf(looks[column * 8 + row]) };
}

function linesThrough(kind, column, row) {
  const run = (dc, dr) => {
    let n = 0;
    for (let c = column + dc, r = row + dr; c >= 0 && c < 8 && r >= 0 && r < 8 && kind(c, r) === kind(column, row);
      c += dc, r += dr) {
      ++n;
    }
    return n;
  };
  return run(-1, 0) + run(1, 0) >= 2 || run(0, -1) + run(0, 1) >= 2;
}

// A swap of neighbours that lines up three, as two cells.
export function findSwap(board) {
  for (let column = 0; column < 8; ++column) {
    for (let row = 0; row < 8; ++row) {
      for (const [dc, dr] of [[1, 0], [0, 1]]) {
        const c2 = column + dc;
        const r2 = row + dr;
        if (c2 > 7 || r2 > 7) {
          continue;
        }
        const swapped = (c, r) => {
          if (c === column && r === row) return board.at(c2, r2);
          if (c === c2 && r === r2) return board.at(column, row);
          return board.at(c, r);
        };
        if (linesThrough(swapped, column, row) || linesThrough(swapped, c2, r2)) {
          return [[column, row], [c2, r2]];
        }
      }
    }
  }
  return null;
}

export const cellCentre = ([column, row]) => [boardLeft + column * cellSize + 25, boardTop + row * cellSize + 25];

// A dealt board at rest, with six kinds of piece on it.
export async function restingBoard(page) {
  let board;
  await waitFor(page, 'a board of six kinds at rest', async () => {
    await waitForStill(page, 10000, ...boardArea);
    board = await readBoard(page);
    return board.kinds === 6;
  }, 20000);
  return board;
}

// Swaps two pieces that line up three with `swap(from, to)` (a mouse or a
// finger), and checks that the board and the score change.
export async function scoringSwap(page, swap) {
  const board = await restingBoard(page);
  const dealt = await digest(page, ...boardArea);
  const scoreBefore = await digest(page, ...scoreArea);
  const cells = findSwap(board);
  assert.ok(cells, 'a move on the board');
  await swap(cellCentre(cells[0]), cellCentre(cells[1]));
  // The pieces fly off, the counter counts and new pieces drop in; then the
  // whole picture rests.
  await page.waitForTimeout(500);
  await waitForStill(page, 15000);
  assert.notEqual(await digest(page, ...boardArea), dealt, 'the board changed');
  assert.notEqual(await digest(page, ...scoreArea), scoreBefore, 'the score changed');
}
