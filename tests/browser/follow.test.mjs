// The page follows the TV: a change made by another client or page redraws
// the menu, a page that goes away leaves no preview behind, and a server
// that went away and came back is shown and resynced.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { focus, open, perTest, press, request, runProgram, startServer } from './harness.mjs';

const GUARD = { timeout: 180000 };
const TONE = 'menu/picture/picture-options/color-tone';

const t = perTest();

const row = (p, key) => p.locator(`[role="menuitem"][data-key="${key}"]`);
const rowValue = (p, key) =>
  row(p, key)
    .locator('.value')
    .evaluate((e) => e.firstChild.textContent);
const editor = (p) => p.locator('#osd .editor .current');
const panel = () => request(t.server.url, '/api/panel');

// Opens Picture options on the colour tone row.
async function toTone(p) {
  for (let i = 0; i < 3; i++) await press(p, 'ArrowDown');
  await press(p, 'Enter');
  await focus(p, TONE);
}

test('a change made elsewhere redraws the row and the open editor', GUARD, async () => {
  await toTone(t.page);
  await request(t.server.url, '/api/set', { key: TONE, value: 4 });
  await t.page.waitForFunction(
    (k) => /Warm 2/.test(document.querySelector(`[data-key="${k}"]`).textContent),
    TONE,
  );
  await press(t.page, 'Enter');
  assert.match(await editor(t.page).textContent(), /Warm 2/);
  // The editor follows a change made while it is open, too.
  await request(t.server.url, '/api/set', { key: TONE, value: 2 });
  await editor(t.page)
    .filter({ hasText: /Standard/ })
    .waitFor();
  // A preview and Back return to what is committed now, not to what was.
  await press(t.page, 'ArrowRight');
  await press(t.page, 'Escape');
  const v = await panel();
  assert.equal(v.committed.color_tone_mode, 2);
  assert.equal(v.avoc.color_tone_mode, 2);
  assert.deepEqual(v.previews, {});
});

test('a preview shows on other pages and ends when its page leaves', GUARD, async () => {
  await toTone(t.page);
  const standard = await rowValue(t.page, TONE);
  for (const leave of [(p) => p.reload(), (p) => p.close()]) {
    const other = await open(t.browser.context, t.server.url);
    await toTone(other.page);
    await press(other.page, 'Enter');
    await press(other.page, 'ArrowRight');
    await row(t.page, TONE).locator('.live').waitFor();
    assert.equal(
      await row(t.page, TONE).locator('.live').textContent(),
      `preview, set ${standard}`,
    );
    await leave(other.page);
    await row(t.page, TONE).locator('.live').waitFor({ state: 'detached' });
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
  await t.server.stop();
  t.server = await startServer(['--state', state]);
  await t.page.goto(t.server.url);
  await t.page.waitForSelector('body[data-ready="true"]');
  await toTone(t.page);
  const port = new URL(t.server.url).port;
  assert.equal(await t.server.stop(), 0);
  t.server = null;
  await t.page.waitForSelector('body[data-connection="down"]');
  assert.match(await t.page.locator('#connection').textContent(), /No connection to the TV/);
  await press(t.page, 'Enter');
  await press(t.page, 'ArrowRight');
  await t.page
    .getByRole('alert')
    .filter({ hasText: /No connection to the TV/ })
    .waitFor();
  // While it is away, the TV changes; the page shows it once the server is back.
  assert.equal(await runProgram(['--state', state, 'set', TONE, '4']), 0);
  t.server = await startServer(['--state', state], `127.0.0.1:${port}`);
  await t.page.waitForSelector('body[data-connection="up"]');
  await t.page.waitForFunction(
    (k) => /Warm 2/.test(document.querySelector(`[data-key="${k}"]`).textContent),
    TONE,
  );
  assert.equal(await t.page.locator('#connection').isHidden(), true);
  assert.equal(await t.page.locator('#osd [role="alert"]').textContent(), '');
  fs.rmSync(dir, { recursive: true, force: true });
  // What the browser logged about the refused connections is expected.
  t.errors.splice(0, t.errors.length, ...t.errors.filter((e) => !/ERR_CONNECTION_REFUSED/.test(e)));
});
