// The browser build played by keys alone in headless Chromium: the title, the
// menu and the set-up panel into a game, the board's cursor walked to a move
// that scores, the piece picked with Enter and sent on its way by an arrow.
// The pointer never moves, and the page never scrolls under the keys.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readdirSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { boardArea, boardLeft, boardTop, cellSize, digest, findSwap, launch, readBoard, watchConsole } from
  './helpers.mjs';
import * as waits from './waits.mjs';

const site = process.env.PLUMBRIX_SITE;
const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');

// The native driver given the same keys: Enter lights the title's button and
// takes it, New Game and Start are lit as their screens open, and the game
// (untimed, six kinds) has settled by frame 500. Frames at 64 a second.
const keysRoad = `#! dt 0.015625
#! frames 505
#! shots 5 15 140 250 500
10 key enter
20 key enter
150 key enter
260 key enter
`;

// Rectangles of the picture, as [left, top, width, height].
const titleButton = [161, 406, 320, 65];
const blinkingEyes = [112, 200, 77, 28];
const levelBar = [174, 339, 20, 73];
const scoreDigits = [470, 425, 130, 42];
const levelDigits = [330, 449, 80, 31];
// The cursor's frame covers a cell's edge this deep; a picked piece moves inside it.
const frameDepth = 5;
const start = [3, 3];
const cell = ([column, row]) => [boardLeft + column * cellSize, boardTop + row * cellSize, cellSize, cellSize];
const inside = ([column, row]) => {
  const [l, t, w, h] = cell([column, row]);
  return [l + frameDepth, t + frameDepth, w - 2 * frameDepth, h - 2 * frameDepth];
};

const screens = {
  title: { name: 'the title', picture: 'title', animated: [titleButton] },
  titleLit: { name: 'the title\'s button lit', picture: 'title-lit', regions: [titleButton] },
  newGameLit: { name: 'the menu with New Game lit', picture: 'new-game-lit' },
  startLit: { name: 'the set-up panel with Start lit', picture: 'start-lit' },
  board: {
    name: 'the board at rest', picture: 'board', animated: [blinkingEyes],
    ownState: [boardArea, scoreDigits, levelDigits, levelBar],
  },
};

let work;
let browser;
let page;
const problems = [];

before(async () => {
  work = mkdtempSync('/tmp/plumbrix-keys-');
  mkdirSync(join(work, 'data'));
  for (const entry of readdirSync(join(root, 'build', 'data'))) {
    symlinkSync(join(root, 'build', 'data', entry), join(work, 'data', entry));
  }
  writeFileSync(join(work, 'road.script'), keysRoad);
  execFileSync(join(root, 'build', 'plumbrix-replay'),
    ['--data', join(work, 'data'), '--script', join(work, 'road.script'), '--out', work],
    { env: { ...process.env, SDL_VIDEODRIVER: 'dummy' }, stdio: 'ignore' });
  const shots = { title: 5, 'title-lit': 15, 'new-game-lit': 140, 'start-lit': 250, board: 500 };
  for (const [name, frame] of Object.entries(shots)) {
    waits.loadPicture(name, join(work, `shot-${frame}.bmp`));
  }
  browser = await launch();
  // A window lower than the page's picture at full size, where a page that
  // scrolls would show it.
  const context = await browser.newContext({ viewport: { width: 800, height: 520 } });
  page = await context.newPage();
  watchConsole(page, problems);
});

after(async () => {
  await browser?.close();
  if (work) {
    rmSync(work, { recursive: true, force: true });
  }
});

// Where the page stands: how far it has scrolled, and the canvas's box.
async function placing() {
  const scrolled = await page.evaluate(() => [window.scrollY, window.scrollX,
    document.scrollingElement.scrollTop, document.scrollingElement.scrollLeft]);
  return { scrolled, box: await page.locator('#canvas').boundingBox() };
}

let placed;
async function press(key) {
  await page.keyboard.press(key);
  assert.deepEqual(await placing(), placed, `the page moved under the ${key} key`);
}

// Whether the cursor's frame shows on a cell as the driver draws it on its
// starting cell: the canvas against the reference, green within one as the
// waits allow.
let reference;
async function cursorOn(at) {
  reference ??= Buffer.from(waits.readBmp(join(work, 'shot-500.bmp')), 'base64');
  const [left, top] = cell(at);
  const [refLeft, refTop] = cell(start);
  const have = await page.evaluate(([read, l, t, size]) => Array.from(eval(read)(l, t, size, size)),
    [waits.readCanvas, left, top, cellSize]);
  for (let y = 0; y < cellSize; ++y) {
    for (let x = 0; x < cellSize; ++x) {
      if (x >= frameDepth && y >= frameDepth && x < cellSize - frameDepth && y < cellSize - frameDepth) {
        continue;
      }
      const i = ((refTop + y) * waits.pictureWidth + refLeft + x) * 3;
      const j = (y * cellSize + x) * 4;
      if (have[j] !== reference[i] || Math.abs(have[j + 1] - reference[i + 1]) > 1 || have[j + 2] !== reference[i + 2]) {
        return false;
      }
    }
  }
  return true;
}

// The board at rest with the cursor on a cell.
async function boardWithCursor(step, at) {
  await waits.waitFor(page, step, `the cursor on column ${at[0]}, row ${at[1]}`, () => cursorOn(at));
  await waits.reaches(page, step, screens.board);
  assert.ok(await cursorOn(at), `step "${step}": the cursor left column ${at[0]}, row ${at[1]}`);
}

test('the whole way into a game and a scoring swap by keys, the page holding still', async () => {
  await page.goto(site);
  await waits.reaches(page, 'loading the page', screens.title);
  placed = await placing();
  assert.deepEqual(placed.scrolled, [0, 0, 0, 0]);

  await press('Enter');
  await waits.reaches(page, 'Enter on the title', screens.titleLit);
  await press('Enter');
  await waits.reaches(page, 'Enter on the lit title button', screens.newGameLit);
  await press('Space');
  await waits.reaches(page, 'Space on New Game', screens.startLit);
  await press('Enter');
  await boardWithCursor('Enter on Start', start);

  const board = await readBoard(page);
  assert.equal(board.kinds, 6, 'a board of six kinds');
  const swap = findSwap(board);
  assert.ok(swap, 'a move on the board');
  const [from, to] = swap;
  const at = [...start];
  while (at[0] !== from[0] || at[1] !== from[1]) {
    let key;
    if (at[0] !== from[0]) {
      key = at[0] < from[0] ? 'ArrowRight' : 'ArrowLeft';
      at[0] += at[0] < from[0] ? 1 : -1;
    } else {
      key = at[1] < from[1] ? 'ArrowDown' : 'ArrowUp';
      at[1] += at[1] < from[1] ? 1 : -1;
    }
    await press(key);
    await boardWithCursor(`the ${key} key`, [...at]);
  }

  // The picked piece moves inside its cell and never looks as it does at
  // rest; the rest of the board holds still around it.
  const resting = await digest(page, ...inside(from));
  const scoreBefore = await digest(page, ...scoreDigits);
  await press('Enter');
  await waits.waitFor(page, 'Enter on the cursor\'s piece', 'the piece picked',
    async () => await cursorOn(from) && await digest(page, ...inside(from)) !== resting);
  const [l, t, w, h] = inside(from);
  const [bl, bt, bw, bh] = boardArea;
  await waits.reaches(page, 'Enter on the cursor\'s piece', {
    name: 'the board with a piece picked', picture: 'board', animated: [blinkingEyes, inside(from)],
    ownState: [[bl, bt, bw, t - bt], [bl, t + h, bw, bt + bh - t - h], [bl, t, l - bl, h], [l + w, t, bl + bw - l - w, h],
      scoreDigits, levelDigits, levelBar],
  });

  const key = to[0] > from[0] ? 'ArrowRight' : to[0] < from[0] ? 'ArrowLeft' : to[1] > from[1] ? 'ArrowDown' : 'ArrowUp';
  await press(key);
  await waits.waitFor(page, `the ${key} key on the picked piece`, 'the score counting up',
    async () => await digest(page, ...scoreDigits) !== scoreBefore);
  // The cleared pieces replaced and the counter stopped; the cursor stays
  // where the pick was.
  await boardWithCursor(`the ${key} key on the picked piece`, from);
  assert.equal((await readBoard(page)).kinds, 6, 'the board settled with six kinds');
  if (process.env.PLUMBRIX_WEB_KEEP) {
    await page.screenshot({ path: process.env.PLUMBRIX_WEB_KEEP });
  }
  assert.deepEqual(problems, []);
});
