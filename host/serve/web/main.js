// The emulator's start: the menu, the picture, the plots and the side panel,
// kept in step with the simulated TV through the event stream.
import * as api from './api.js';
import { Menu } from './menu.js';
import { Screen } from './picture.js';
import {
  describeToneCurve,
  describeWhiteBalance,
  drawToneCurve,
  drawWhiteBalance,
} from './plots.js';
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
const count = (name) => {
  document.body.dataset[name] = String(Number(document.body.dataset[name] || 0) + 1);
};

const screen = new Screen($('screen'));
let values = null;
let off = false; // picture off: dark until the next key, as on the TV

function draw() {
  if (!values) return;
  screen.draw(values, { ...side.page(), off });
  drawWhiteBalance($('wb-plot'), values);
  drawToneCurve($('tone-plot'), values);
  $('screen').setAttribute('aria-label', describePicture());
  $('wb-plot').setAttribute('aria-label', describeWhiteBalance(values));
  $('tone-plot').setAttribute('aria-label', describeToneCurve(values));
  count('drawn');
}

function describePicture() {
  if (off) return 'The picture is off until the next key.';
  const a = values.avoc;
  const previews = Object.keys(values.previews || {});
  return (
    'Test picture (colour bars, grey ramp, skin tones, landscape, fine lines, hue sweep) ' +
    `with picture size ${values.tv['picture-size']}, colour tone ${a.color_tone_mode}, ` +
    `gamma ${a.gamma ?? 0}, black tone ${a.black_tone ?? 0}` +
    (previews.length ? `; previewing ${previews.join(', ')}` : '')
  );
}

function show(v) {
  values = v;
  menu.previews = v.previews || {};
  side.update(v);
  draw();
}

async function refresh() {
  show((await api.get('/api/panel')).body);
}

const side = new Side({
  changed: () =>
    enqueue(async () => {
      await refresh();
      await menu.load();
    }),
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

// Keys and redraws one at a time, in order, as a remote sends them.
let queue = Promise.resolve();
function enqueue(task) {
  queue = queue.then(task).catch((err) => {
    menu.message = err instanceof api.Offline ? err.message : String(err);
    menu.render();
  });
  return queue;
}

document.addEventListener('keydown', (e) => {
  if (e.target.closest('.side, button')) return; // the side panel's keys and buttons' own
  if (e.key === 'f' || e.key === 'F') {
    e.preventDefault();
    if (document.fullscreenElement) document.exitFullscreen();
    else $('tv').requestFullscreen();
    return;
  }
  const name = KEYS[e.key];
  if (!name) return;
  e.preventDefault();
  enqueue(async () => {
    if (off) {
      off = false;
      menu.shown = true;
      menu.render();
      draw();
      return;
    }
    await menu.key(name);
  }).finally(() => count('keys'));
});
$('fullscreen').addEventListener('click', () => $('tv').requestFullscreen());

// A change made anywhere redraws the menu; changes that come together, once.
let following = false;
function follow() {
  if (following) return;
  following = true;
  enqueue(async () => {
    following = false;
    await menu.load();
    count('followed');
  });
}

// Everything again: what changed while the server was away is not in the stream.
async function resync() {
  side.vocabulary((await api.get('/api/vocabulary')).body);
  await refresh();
  await menu.load({ keys: true });
}

api.onConnection((up) => {
  document.body.dataset.connection = up ? 'up' : 'down';
  $('connection').textContent = up ? '' : 'No connection to the TV: retrying…';
  $('connection').hidden = up;
  if (up) {
    enqueue(async () => {
      menu.message = '';
      await resync();
      count('resynced');
    });
  }
});

// A page back from the browser's cache left when it was hidden: its previews
// were reverted and the TV may have changed since.
window.addEventListener('pageshow', (e) => {
  if (e.persisted) enqueue(resync);
});

api.listen({
  onRequest: (event) => side.request(event),
  onPanel: (v) => {
    show(v);
    follow();
  },
});

// The screen keeps its 960 by 540 coordinates, scaled and centred in the TV.
new ResizeObserver(([entry]) => {
  const { width, height } = entry.contentRect;
  const scale = Math.min(width / 960, height / 540);
  const style = $('tv').style;
  style.setProperty('--scale', String(scale));
  style.setProperty('--x', `${(width - 960 * scale) / 2}px`);
  style.setProperty('--y', `${(height - 540 * scale) / 2}px`);
}).observe($('tv'));

enqueue(async () => {
  await resync();
  $('tv').focus();
  document.body.dataset.connection = 'up';
  document.body.dataset.ready = 'true';
});
