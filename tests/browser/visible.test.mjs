// What the emulator shows is what a person sees: the focused row inside the
// menu's list, a failure inside the menu box, values in words and in range,
// a TV that scales with the window, and pictures and plots that are drawn.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { focus, perTest, press, request, screenPixels } from './harness.mjs';

const GUARD = { timeout: 180000 };

const t = perTest();

const menuList = () => t.page.getByRole('menu');
const selected = () => t.page.locator('[role="menuitem"][aria-selected="true"]');
const box = (locator) => locator.boundingBox();

// True when `inner` lies within `outer`, to a pixel.
function inside(inner, outer) {
  return (
    inner.x >= outer.x - 1 &&
    inner.y >= outer.y - 1 &&
    inner.x + inner.width <= outer.x + outer.width + 1 &&
    inner.y + inner.height <= outer.y + outer.height + 1
  );
}

async function openGroup(title) {
  for (let i = 0; i < 6; i++) {
    if ((await selected().locator('.name').textContent()) === title) return press(t.page, 'Enter');
    await press(t.page, 'ArrowDown');
  }
  throw new Error(`no group ${title}`);
}

test(
  'every row of every group comes into view with its place, title and value',
  GUARD,
  async () => {
    const { sections } = await request(t.server.url, '/api/menu');
    for (const [g, section] of sections.entries()) {
      await openGroup(section.section);
      assert.equal(await menuList().getAttribute('aria-labelledby'), 'osd-title');
      assert.equal(await t.page.locator('#osd-title').textContent(), section.section);
      const rows = await t.page.getByRole('menuitem').count();
      assert.equal(rows, section.items.length);
      for (const [n, item] of section.items.entries()) {
        const row = selected();
        assert.equal(await row.count(), 1, 'one row is selected');
        assert.equal(await row.getAttribute('data-key'), item.key);
        assert.equal(await t.page.locator('#osd .position').textContent(), `${n + 1} of ${rows}`);
        assert.ok(
          inside(await box(row), await box(menuList())),
          `${item.key} is in the list's view`,
        );
        const name = await row.locator('.name').evaluate((e) => e.firstChild.textContent);
        assert.equal(name, item.title ?? item.label);
        await press(t.page, 'ArrowDown');
      }
      assert.ok(inside(await box(t.page.locator('#osd')), await box(t.page.locator('#screen'))));
      await press(t.page, 'Escape');
      assert.equal(await selected().locator('.name').textContent(), section.section, `group ${g}`);
    }
  },
);

test('settings show words, stop at their range and grey what cannot be used', GUARD, async () => {
  await request(t.server.url, '/api/sim', { line: 'force avoc_get_film_mode 1' });
  await t.page.waitForFunction(() => Number(document.body.dataset.followed || 0) > 0);
  const table = [
    ['Picture size', 'picturesize/autowide', 'Off', null],
    ['Picture size', 'picturesize/entry', '16:9 Standard', 'only shown here'],
    ['Advanced settings', 'advanced-settings/rgb-onlymode', 'Off', null],
    ['Picture options', 'picture-options/film-mode', 'status 1', 'cannot be read now (status 1)'],
    ['Picture-wide', 'senior-mode', 'Off', null],
  ];
  for (const [group, key, value, why] of table) {
    await openGroup(group);
    await focus(t.page, `menu/picture/${key}`);
    const row = selected();
    assert.equal(await row.locator('.value').evaluate((e) => e.firstChild.textContent), value);
    assert.equal(await row.getAttribute('aria-disabled'), why ? 'true' : null, key);
    if (why) assert.equal(await row.locator('.why').textContent(), why);
    await press(t.page, 'Escape');
  }
  // An on/off setting turns on in words; gamma stops at its highest value.
  await openGroup('Picture-wide');
  await focus(t.page, 'menu/picture/senior-mode');
  await press(t.page, 'Enter');
  await press(t.page, 'ArrowRight');
  assert.match(await t.page.locator('#osd .editor .current').textContent(), /On/);
  await press(t.page, 'Enter');
  assert.equal(await selected().locator('.value').textContent(), 'On');
  await press(t.page, 'Escape');
  await openGroup('Advanced settings');
  await focus(t.page, 'menu/picture/advanced-settings/gamma');
  await press(t.page, 'Enter');
  assert.equal(await t.page.locator('#osd .editor .range').textContent(), '-5 to 10');
  for (let i = 0; i < 14; i++) await press(t.page, 'ArrowRight');
  assert.match(await t.page.locator('#osd .editor .current').textContent(), /◀ 10 ▶/);
  await press(t.page, 'Enter');
  const gamma = await request(t.server.url, '/api/get?key=menu/picture/advanced-settings/gamma');
  assert.equal(gamma.value, 10);
});

test('a failed preview shows why inside the menu box, not as a preview', GUARD, async () => {
  await request(t.server.url, '/api/sim', { line: 'force avoc_set_black_enhancer 1' });
  await openGroup('Advanced settings');
  await press(t.page, 'ArrowUp'); // the last row of the longest group
  assert.equal(
    await selected().getAttribute('data-key'),
    'menu/picture/advanced-settings/black-enhance',
  );
  await press(t.page, 'Enter');
  await press(t.page, 'ArrowRight');
  const alert = t.page.getByRole('alert');
  await alert.filter({ hasText: /avoc_set_black_enhancer/ }).waitFor();
  assert.match(await alert.textContent(), /preview failed: status 1/);
  assert.ok(
    inside(await box(alert), await box(t.page.locator('#osd'))),
    'the message is in the box',
  );
  assert.ok(inside(await box(selected()), await box(menuList())), 'so is the focused row');
  const editor = t.page.locator('#osd .editor');
  assert.doesNotMatch(await editor.getAttribute('class'), /previewing/);
  assert.match(await editor.getAttribute('class'), /pending/);
});

// Points of the picture that are not black, as in the 4:3 test, and a plot's line.
const PICTURE = [
  [10, 60],
  [480, 60],
  [930, 300],
];
const drawnPixels = (selector) =>
  t.page.$eval(selector, (canvas) => {
    const d = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let coloured = 0;
    for (let i = 0; i < d.length; i += 4) if (Math.max(d[i], d[i + 1], d[i + 2]) > 150) coloured++;
    return coloured;
  });

test('the TV scales to the window at 16:9 and the side panel goes below', GUARD, async () => {
  for (const [width, height, below] of [
    [800, 600, true],
    [1920, 1080, false],
  ]) {
    await t.page.setViewportSize({ width, height });
    await t.page.waitForFunction((w) => document.documentElement.scrollWidth <= w, width);
    const tv = await box(t.page.locator('#tv'));
    const side = await box(t.page.locator('aside.side'));
    assert.ok(Math.abs(tv.width / tv.height - 16 / 9) < 0.02, `16:9 at ${width}: ${tv.width}`);
    assert.equal(side.y >= tv.y + tv.height, below, `side panel below at ${width}`);
    if (width > 960) assert.ok(tv.width > 960, `the TV grows: ${tv.width}`);
    const pixels = await screenPixels(t.page, PICTURE);
    assert.ok(
      pixels.every((p) => p.some((c) => c > 40)),
      JSON.stringify(pixels),
    );
    assert.ok(inside(await box(t.page.locator('#osd')), await box(t.page.locator('#screen'))));
  }
  // F shows the TV alone on the whole window, the picture still 16:9 and whole.
  await t.page.keyboard.press('f');
  await t.page.waitForFunction(() => document.fullscreenElement?.id === 'tv');
  const full = await box(t.page.locator('#screen'));
  const tv = await box(t.page.locator('#tv'));
  assert.ok(Math.abs(full.width / full.height - 16 / 9) < 0.02, JSON.stringify(full));
  assert.ok(inside(full, tv) && (full.width >= tv.width - 1 || full.height >= tv.height - 1));
  await t.page.keyboard.press('f');
  await t.page.waitForFunction(() => !document.fullscreenElement);
  for (const plot of ['#wb-plot', '#tone-plot']) assert.ok((await drawnPixels(plot)) > 100, plot);
  assert.match(
    await t.page
      .getByRole('img', { name: /White balance: 2-point gains/ })
      .getAttribute('aria-label'),
    /gains red 0.9, green 0.96, blue 1;/, // the colour tone Cool in force
  );
  assert.match(
    await t.page.locator('#tone-plot').getAttribute('aria-label'),
    /at 50 % red 45, green 48, blue 50;/,
  );
  assert.match(await t.page.locator('#screen').getAttribute('aria-label'), /Test picture/);
  // Info's help is a status region; the side panel's fields all have names.
  await openGroup('Picture size');
  await press(t.page, 'i');
  await t.page.getByRole('status').filter({ hasText: /16:9/ }).waitFor();
  const unnamed = await t.page.$$eval('.side input, .side select, .side button', (fields) =>
    fields
      .filter(
        (f) =>
          !f.labels?.length &&
          !f.getAttribute('aria-label') &&
          !f.getAttribute('aria-labelledby') &&
          !f.textContent.trim(),
      )
      .map((f) => f.id),
  );
  assert.deepEqual(unnamed, []);
});
