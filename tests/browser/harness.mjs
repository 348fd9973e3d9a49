// The browser tests' harness: picture-menu serve on a free port, the system's
// headless chromium, remote key presses, and pixels sampled from screenshots.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import assert from 'node:assert/strict';
import { after, afterEach, before, beforeEach } from 'node:test';
import { chromium } from 'playwright-core';

const here = path.dirname(new URL(import.meta.url).pathname);
export const PROGRAM =
  process.env.PICTURE_MENU || path.resolve(here, '../../build/default/bin/picture-menu');
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

// The network is closed and the tests run as root: no sandbox, nothing fetched.
const ARGS = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// A server on a free loopback port (or `listen`); resolves once it printed its URL.
export function startServer(extra = [], listen = '127.0.0.1:0') {
  const child = spawn(PROGRAM, [...extra, 'serve', '--listen', listen], {
    stdio: ['ignore', 'pipe', 'inherit'],
  });
  return new Promise((resolve, reject) => {
    const lines = readline.createInterface({ input: child.stdout });
    lines.once('line', (line) => {
      const url = /http:\/\/\S+/.exec(line);
      if (url) resolve({ url: url[0], stop: () => stopServer(child) });
      else reject(new Error(`unexpected first line: ${line}`));
    });
    child.once('exit', (code) => reject(new Error(`picture-menu exited with ${code}`)));
  });
}

function stopServer(child) {
  return new Promise((resolve) => {
    child.once('exit', (code) => resolve(code));
    child.kill('SIGTERM');
  });
}

// A browser with a fresh, empty profile directory.
export async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'picture-menu-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: ARGS,
    viewport: { width: 1560, height: 900 },
  });
  return {
    context,
    close: async () => {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Runs picture-menu on the command line to its end; resolves with its exit status.
export function runProgram(args) {
  const child = spawn(PROGRAM, args, { stdio: ['ignore', 'ignore', 'inherit'] });
  return new Promise((resolve) => child.once('exit', resolve));
}

// A request to the server from outside the page, as another client makes it.
export async function request(url, path, body) {
  const init = body
    ? {
        method: 'POST',
        headers: { 'Content-Type': 'application/json' },
        body: JSON.stringify(body),
      }
    : {};
  return (await fetch(new URL(path, url), init)).json();
}

// Opens the page and waits until it drew the menu over the picture. Errors
// thrown in the page and errors it logs are collected.
export async function open(context, url) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  return { page, errors };
}

// Presses a remote key and waits until the page has handled it.
export async function press(page, key) {
  const before = await page.evaluate(() => Number(document.body.dataset.keys || 0));
  await page.keyboard.press(key);
  await page.waitForFunction((n) => Number(document.body.dataset.keys || 0) > n, before);
}

// The text of the focused row's label, and of the open editor.
export const focusedKey = (page) => page.$eval('#osd li.focused', (li) => li.dataset.key);
export const editorText = (page) =>
  page.$eval('#osd .editor .current', (e) => e.textContent).catch(() => null);

// Moves the focus down until the row of `key` is focused.
export async function focus(page, key) {
  for (let i = 0; i < 80 && (await focusedKey(page)) !== key; i++) await press(page, 'ArrowDown');
  if ((await focusedKey(page)) !== key) throw new Error(`no row for ${key}`);
}

// Pixels of a screenshot of the TV's screen at points of its 960 by 540
// picture, whatever size the window gives it, read back through an image in the page.
export async function screenPixels(page, points) {
  const png = await page.locator('#screen').screenshot();
  return page.evaluate(
    async ({ data, points: at }) => {
      const img = new Image();
      img.src = `data:image/png;base64,${data}`;
      await img.decode();
      const canvas = document.createElement('canvas');
      canvas.width = img.width;
      canvas.height = img.height;
      const g = canvas.getContext('2d');
      g.drawImage(img, 0, 0);
      const k = img.width / 960;
      const pixel = ([x, y]) => g.getImageData(Math.floor(x * k), Math.floor(y * k), 1, 1).data;
      return at.map((p) => Array.from(pixel(p).slice(0, 3)));
    },
    { data: png.toString('base64'), points },
  );
}

export const isBlack = ([r, g, b]) => r + g + b <= 6;

// A suite's hooks: one browser for the file and, for each test, a server and
// the page open on it. A test fails when the server does not stop cleanly or
// the page threw or logged an error; a test that stopped the server itself
// sets `server` to null.
export function perTest() {
  const t = {};
  before(async () => {
    t.browser = await launch();
  });
  after(() => t.browser.close());
  beforeEach(async () => {
    t.server = await startServer();
    Object.assign(t, await open(t.browser.context, t.server.url));
  });
  afterEach(async () => {
    await t.page.close();
    if (t.server) assert.equal(await t.server.stop(), 0);
    assert.deepEqual(t.errors, []);
  });
  return t;
}
