// Takes the docs' picture of the emulator at 1920 by 1080: a group with
// titles, an editor previewing a value, and white balance points in the plot.
//   npm run screenshot [-- FILE]   (docs/images/emulator.jpg by default)
import path from 'node:path';
import { focus, launch, open, press, request, startServer } from './harness.mjs';

const here = path.dirname(new URL(import.meta.url).pathname);
const file = process.argv[2] || path.resolve(here, '../../docs/images/emulator.jpg');
const WB = 'menu/picture/advanced-settings/10p-white-balance';

const server = await startServer();
const browser = await launch();
try {
  const { page } = await open(browser.context, server.url);
  await page.setViewportSize({ width: 1920, height: 1080 });
  for (const [key, value] of [
    [`${WB}/mode`, 1],
    [`${WB}/interval`, 7],
    [`${WB}/red`, 30],
    [`${WB}/blue`, -20],
    ['menu/picture/picture-options/color-tone', 3],
  ]) {
    await request(server.url, '/api/set', { key, value });
  }
  await page.waitForFunction(() => Number(document.body.dataset.followed || 0) > 0);
  await press(page, 'ArrowDown');
  await press(page, 'ArrowDown');
  await press(page, 'Enter');
  await focus(page, 'menu/picture/advanced-settings/black-enhance');
  await press(page, 'Enter');
  await press(page, 'ArrowRight');
  await press(page, 'ArrowRight');
  await page.screenshot({
    path: file,
    ...(file.endsWith('.png') ? {} : { type: 'jpeg', quality: 80 }),
  });
  console.log(`picture-menu: screenshot in ${file}`);
} finally {
  await browser.close();
  await server.stop();
}
