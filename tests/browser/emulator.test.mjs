// The emulator in the system's headless chromium: the page is driven with the
// keyboard as a remote, and the picture is checked by sampling its pixels.
import assert from 'node:assert/strict';
import { after, afterEach, before, beforeEach, test } from 'node:test';
import {
  editorText,
  focus,
  focusedKey,
  isBlack,
  launch,
  open,
  press,
  screenPixels,
  startServer,
} from './harness.mjs';

// Every wait below is for a condition; this only stops a hang.
const GUARD = { timeout: 120000 };

let browser;
let server;
let page;
let errors;

before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});
beforeEach(async () => {
  server = await startServer();
  ({ page, errors } = await open(browser.context, server.url));
});
afterEach(async () => {
  await page.close();
  assert.equal(await server.stop(), 0);
  assert.deepEqual(errors, []);
});

// Opens a group of the top level by its title.
async function openGroup(title) {
  for (let i = 0; i < 6; i++) {
    const label = await page.$eval('#osd li.focused .name', (e) => e.textContent);
    if (label === title) return press(page, 'Enter');
    await press(page, 'ArrowDown');
  }
  throw new Error(`no group ${title}`);
}

// In an open list, steps right until the editor shows `text`.
async function choose(text) {
  for (let i = 0; i < 12; i++) {
    if ((await editorText(page)).includes(text)) return;
    await press(page, 'ArrowRight');
  }
  throw new Error(`no choice ${text}`);
}

const apiGet = (path) => page.evaluate((p) => fetch(p).then((r) => r.json()), path);

test('the menu opens over the picture and walks with the keyboard', GUARD, async () => {
  const groups = await page.$$eval('#osd li', (rows) => rows.map((r) => r.dataset.key));
  assert.deepEqual(groups, [
    'Picture size',
    'Picture-in-picture',
    'Advanced settings',
    'Picture options',
    'Picture-wide',
  ]);
  await press(page, 'ArrowUp'); // wraps to the last group
  assert.equal(await focusedKey(page), 'Picture-wide');
  await press(page, 'ArrowDown');
  await press(page, 'ArrowDown');
  await press(page, 'Enter');
  assert.equal(await page.$eval('#osd h1', (h) => h.textContent), 'Picture-in-picture');
  assert.equal(await focusedKey(page), 'menu/picture/pip/antenna');
  assert.match(await page.$eval('#osd li.focused .value', (v) => v.textContent), /Air/);
  await press(page, 'Escape');
  assert.equal(await focusedKey(page), 'Picture-in-picture');
  // The picture is drawn: the top right colour bar is blue.
  const [blue] = await screenPixels(page, [[900, 60]]);
  assert.ok(blue[2] > 120 && blue[0] < 40, `top right ${blue}`);
});

test('picture size 4:3 puts black bars at the sides', GUARD, async () => {
  const points = [
    [10, 60],
    [10, 300],
    [930, 60],
    [930, 300],
    [480, 60],
    [560, 300],
  ];
  const wide = await screenPixels(page, points);
  assert.ok(
    wide.every((p) => !isBlack(p)),
    `16:9 fills the screen: ${JSON.stringify(wide)}`,
  );
  await openGroup('Picture size');
  assert.equal(await focusedKey(page), 'menu/picture/picturesize/mode');
  await press(page, 'Enter');
  await choose('4:3');
  await press(page, 'Enter');
  assert.equal(await editorText(page), null);
  assert.equal((await apiGet('/api/get?key=menu/picture/picturesize/mode')).value, 3);
  const [leftTop, leftMid, rightTop, rightMid, centre, inside] = await screenPixels(page, points);
  for (const p of [leftTop, leftMid, rightTop, rightMid]) assert.ok(isBlack(p), `side bar: ${p}`);
  assert.ok(!isBlack(centre) && !isBlack(inside), 'the picture stays in the middle');
});

test('a previewed colour tone shows at once and Back restores it', GUARD, async () => {
  const white = [[920, 190]]; // the last step of the grey ramp
  const [before] = await screenPixels(page, white);
  await openGroup('Picture options');
  await focus(page, 'menu/picture/picture-options/color-tone');
  await press(page, 'Enter');
  await choose('Warm 2');
  const [warm] = await screenPixels(page, white);
  assert.ok(warm[2] < before[2] - 30, `warmer: blue ${before[2]} -> ${warm[2]}`);
  assert.match(await page.$eval('#osd .editor', (e) => e.className), /previewing/);
  // A preview changes what the panel shows, not what is committed.
  const previewed = await apiGet('/api/panel');
  assert.equal(previewed.avoc.color_tone_mode, 4);
  assert.equal(previewed.committed.color_tone_mode, 1);
  await press(page, 'Escape');
  const [restored] = await screenPixels(page, white);
  assert.deepEqual(restored, before);
  assert.equal((await apiGet('/api/get?key=menu/picture/picture-options/color-tone')).value, 1);
});

test('picture off leaves a black screen until the next key', GUARD, async () => {
  await openGroup('Picture-wide');
  assert.equal(await focusedKey(page), 'menu/picture/pictureoff');
  await press(page, 'Enter');
  const grid = [];
  for (let x = 10; x < 960; x += 95) for (let y = 10; y < 540; y += 105) grid.push([x, y]);
  const dark = await screenPixels(page, grid);
  assert.ok(
    dark.every(isBlack),
    `every sampled pixel is black: ${JSON.stringify(dark)} ${await page.$eval('#osd', (e) => e.textContent)}`,
  );
  assert.equal(await page.$eval('#osd', (e) => e.hidden), true);
  await press(page, 'ArrowDown');
  const back = await screenPixels(page, grid);
  assert.ok(
    back.some((p) => !isBlack(p)),
    'the picture is back',
  );
});

test('Info shows the help text of the focused setting', GUARD, async () => {
  await openGroup('Picture size');
  await press(page, 'i');
  const help = await apiGet('/api/help?key=menu/picture/picturesize/mode');
  assert.equal(help.status, 0);
  await page.waitForSelector('#help:not([hidden])');
  assert.equal(await page.$eval('#help', (e) => e.textContent), help.text);
  assert.match(help.text, /16:9/);
  await press(page, 'i');
  assert.equal(await page.$eval('#help', (e) => e.hidden), true);
});

test('a failing operation shows its status and reason in the menu', GUARD, async () => {
  await page.evaluate(() =>
    fetch('/api/sim', {
      method: 'POST',
      body: JSON.stringify({ line: 'force avoc_set_film_mode 1' }),
    }),
  );
  await openGroup('Picture options');
  await focus(page, 'menu/picture/picture-options/film-mode');
  await press(page, 'Enter');
  await press(page, 'ArrowRight');
  await press(page, 'Enter');
  await page.waitForFunction(() =>
    /avoc_set_film_mode/.test(document.querySelector('#osd .message').textContent),
  );
  assert.match(await page.$eval('#osd .message', (e) => e.textContent), /set failed: status 1/);
  const log = await page.$eval('#log', (e) => e.textContent);
  assert.match(log, /avoc_set_film_mode\(0, 1, 1\)/);
});
