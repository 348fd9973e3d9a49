// The page follows the TV: a change made by another client or page redraws
// the menu, a page that goes away leaves no preview behind, and a server
// that went away and came back is shown and resynced.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, afterEach, before, beforeEach, test } from 'node:test';
import { focus, launch, open, press, request, runProgram, startServer } from './harness.mjs';

const GUARD = { timeout: 180000 };
const TONE = 'menu/picture/picture-options/color-tone';

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
  if (server) assert.equal(await server.stop(), 0);
  assert.deepEqual(errors, []);
});

const row = (p, key) => p.locator(`[role="menuitem"][data-key="${key}"]`);
const rowValue = (p, key) =>
  row(p, key)
    .locator('.value')
    .evaluate((e) => e.firstChild.textContent);
const editor = (p) => p.locator('#osd .editor .current');
const panel = () => request(server.url, '/api/panel');

// Opens Picture options on the colour tone row.
async function toTone(p) {
  for (let i = 0; i < 3; i++) await press(p, 'ArrowDown');
  await press(p, 'Enter');
  await focus(p, TONE);
}

test('a change made elsewhere redraws the row and the open editor', GUARD, async () => {
  await toTone(page);
  await request(server.url, '/api/set', { key: TONE, value: 4 });
  await page.waitForFunction(
    (k) => /Warm 2/.test(document.querySelector(`[data-key="${k}"]`).textContent),
    TONE,
  );
  await press(page, 'Enter');
  assert.match(await editor(page).textContent(), /Warm 2/);
  // The editor follows a change made while it is open, too.
  await request(server.url, '/api/set', { key: TONE, value: 2 });
  await editor(page)
    .filter({ hasText: /Standard/ })
    .waitFor();
  // A preview and Back return to what is committed now, not to what was.
  await press(page, 'ArrowRight');
  await press(page, 'Escape');
  const v = await panel();
  assert.equal(v.committed.color_tone_mode, 2);
  assert.equal(v.avoc.color_tone_mode, 2);
  assert.deepEqual(v.previews, {});
});

test('a preview shows on other pages and ends when its page leaves', GUARD, async () => {
  await toTone(page);
  const standard = await rowValue(page, TONE);
  for (const leave of [(p) => p.reload(), (p) => p.close()]) {
    const other = await open(browser.context, server.url);
    await toTone(other.page);
    await press(other.page, 'Enter');
    await press(other.page, 'ArrowRight');
    await row(page, TONE).locator('.live').waitFor();
    assert.equal(await row(page, TONE).locator('.live').textContent(), `preview, set ${standard}`);
    await leave(other.page);
    await row(page, TONE).locator('.live').waitFor({ state: 'detached' });
    const v = await panel();
    assert.equal(v.avoc.color_tone_mode, 1);
    assert.equal(v.committed.color_tone_mode, 1);
    assert.deepEqual(v.previews, {});
    await other.page.close();
    assert.deepEqual(other.errors, []);
  }
});

test('a lost server is shown, retried and resynced when it is back', GUARD, async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'picture-menu-follow-'));
  const state = path.join(dir, 'tv.txt');
  await server.stop();
  server = await startServer(['--state', state]);
  await page.goto(server.url);
  await page.waitForSelector('body[data-ready="true"]');
  await toTone(page);
  const port = new URL(server.url).port;
  assert.equal(await server.stop(), 0);
  server = null;
  await page.waitForSelector('body[data-connection="down"]');
  assert.match(await page.locator('#connection').textContent(), /No connection to the TV/);
  await press(page, 'Enter');
  await press(page, 'ArrowRight');
  await page
    .getByRole('alert')
    .filter({ hasText: /No connection to the TV/ })
    .waitFor();
  // While it is away, the TV changes; the page shows it once the server is back.
  assert.equal(await runProgram(['--state', state, 'set', TONE, '4']), 0);
  server = await startServer(['--state', state], `127.0.0.1:${port}`);
  await page.waitForSelector('body[data-connection="up"]');
  await page.waitForFunction(
    (k) => /Warm 2/.test(document.querySelector(`[data-key="${k}"]`).textContent),
    TONE,
  );
  assert.equal(await page.locator('#connection').isHidden(), true);
  assert.equal(await page.locator('#osd [role="alert"]').textContent(), '');
  fs.rmSync(dir, { recursive: true, force: true });
  // What the browser logged about the refused connections is expected.
  errors.splice(0, errors.length, ...errors.filter((e) => !/ERR_CONNECTION_REFUSED/.test(e)));
});
