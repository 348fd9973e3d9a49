// The emulator's start: the menu, the picture, the plots and the side panel,
// kept in step with the simulated TV through the event stream.
import * as api from './api.js';
import { Menu } from './menu.js';
import { Screen } from './picture.js';
import { drawToneCurve, drawWhiteBalance } from './plots.js';
import { Side } from './side.js';

const $ = (id) => document.getElementById(id);
const KEYS = {
  ArrowUp: 'Up',
  ArrowDown: 'Down',
  ArrowLeft: 'Left',
  ArrowRight: 'Right',
  Enter: 'Enter',
  Escape: 'Back',
  Backspace: 'Back',
  i: 'Info',
  I: 'Info',
  m: 'Menu',
  M: 'Menu',
};

const screen = new Screen($('screen'));
let values = null;
let off = false; // picture off: dark until the next key, as on the TV

function draw() {
  if (!values) return;
  screen.draw(values, { ...side.page(), off });
  drawWhiteBalance($('wb-plot'), values);
  drawToneCurve($('tone-plot'), values);
  document.body.dataset.drawn = String(Number(document.body.dataset.drawn || 0) + 1);
}

async function refresh() {
  values = (await api.get('/api/panel')).body;
  side.update(values);
  draw();
}

const side = new Side({
  changed: async () => {
    await refresh();
    await menu.load();
  },
  page: draw,
});

const menu = new Menu($('osd'), $('help'), {
  changed: refresh,
  pictureOff: () => {
    off = true;
    menu.shown = false;
    draw();
  },
});

// One key at a time, in order, as a remote sends them.
let queue = Promise.resolve();
document.addEventListener('keydown', (e) => {
  const name = KEYS[e.key];
  if (!name || e.target.closest('.side')) return;
  e.preventDefault();
  queue = queue
    .then(async () => {
      if (off) {
        off = false;
        menu.shown = true;
        menu.render();
        draw();
        return;
      }
      await menu.key(name);
    })
    .catch((err) => {
      menu.message = String(err);
      menu.render();
    })
    .finally(() => {
      document.body.dataset.keys = String(Number(document.body.dataset.keys || 0) + 1);
    });
});

api.listen({
  onRequest: (event) => side.request(event),
  onPanel: (v) => {
    values = v;
    side.update(v);
    draw();
  },
});

(async () => {
  side.vocabulary((await api.get('/api/vocabulary')).body);
  await refresh();
  await menu.load();
  $('tv').focus();
  document.body.dataset.ready = 'true';
})();
