// The TV's picture: a test picture made here, passed through a pipeline
// driven by the simulated panel's live values (docs/emulator.md lists what
// each setting does on a panel and what is drawn for it).

export const WIDTH = 960;
export const HEIGHT = 540;

// Media players whose picture size settings take over while they are visible.
export const VIDEO_PLAYERS = ['org.kavri.video-player-tv', 'org.kavri.mycontent-video-player-tv'];
export const PHOTO_PLAYERS = ['org.kavri-photo-player-tv', 'org.kavri.mycontent-photo-player-tv'];

// ---- the test picture --------------------------------------------------------

const BARS = [
  [191, 191, 191],
  [191, 191, 0],
  [0, 191, 191],
  [0, 191, 0],
  [191, 0, 191],
  [191, 0, 0],
  [0, 0, 191],
];
const SKIN = ['#8d5524', '#c68642', '#e0ac69', '#f1c27d', '#ffdbac', '#a0522d'];

function bars(g, w, h) {
  BARS.forEach(([r, gr, b], i) => {
    g.fillStyle = `rgb(${r},${gr},${b})`;
    g.fillRect(Math.floor((i * w) / 7), 0, Math.ceil(w / 7), h);
  });
}

// 21 steps from black to white, 5 % apart.
function greyRamp(g, w, y, h) {
  for (let i = 0; i <= 20; i++) {
    const v = Math.round((i * 255) / 20);
    g.fillStyle = `rgb(${v},${v},${v})`;
    g.fillRect(Math.floor((i * w) / 21), y, Math.ceil(w / 21), h);
  }
}

function scene(g, x, y, w, h) {
  const sky = g.createLinearGradient(0, y, 0, y + h * 0.6);
  sky.addColorStop(0, '#1b4f9c');
  sky.addColorStop(1, '#f4c27a');
  g.fillStyle = sky;
  g.fillRect(x, y, w, h * 0.6);
  g.fillStyle = '#fff3c4';
  g.beginPath();
  g.arc(x + w * 0.7, y + h * 0.42, h * 0.1, 0, 2 * Math.PI);
  g.fill();
  const land = g.createLinearGradient(0, y + h * 0.55, 0, y + h);
  land.addColorStop(0, '#4f7a2b');
  land.addColorStop(1, '#16260c');
  g.fillStyle = land;
  g.beginPath();
  g.moveTo(x, y + h);
  g.lineTo(x, y + h * 0.62);
  g.quadraticCurveTo(x + w * 0.3, y + h * 0.45, x + w * 0.55, y + h * 0.62);
  g.quadraticCurveTo(x + w * 0.8, y + h * 0.75, x + w, y + h * 0.58);
  g.lineTo(x + w, y + h);
  g.fill();
}

function skinTones(g, x, y, w, h) {
  SKIN.forEach((c, i) => {
    g.fillStyle = c;
    g.fillRect(
      x + ((i % 3) * w) / 3,
      y + (Math.floor(i / 3) * h) / 2,
      Math.ceil(w / 3),
      Math.ceil(h / 2),
    );
  });
}

// Lines of 1, 2 and 3 pixels and a zone plate: where scaling and sharpness show.
function detail(g, x, y, w, h) {
  const img = g.createImageData(Math.floor(w), Math.floor(h));
  const d = img.data;
  for (let j = 0; j < img.height; j++) {
    for (let i = 0; i < img.width; i++) {
      let v;
      if (i < img.width / 2) {
        const pitch = 1 + Math.floor((3 * j) / img.height);
        v = Math.floor(i / pitch) % 2 ? 255 : 0;
      } else {
        const dx = i - img.width * 0.75;
        const dy = j - img.height / 2;
        v = 127.5 + 127.5 * Math.cos((dx * dx + dy * dy) * 0.02);
      }
      const o = (j * img.width + i) * 4;
      d[o] = d[o + 1] = d[o + 2] = v;
      d[o + 3] = 255;
    }
  }
  g.putImageData(img, Math.floor(x), Math.floor(y));
}

function sweeps(g, w, y, h) {
  const hue = g.createLinearGradient(0, 0, w, 0);
  for (let i = 0; i <= 6; i++) hue.addColorStop(i / 6, `hsl(${i * 60},100%,50%)`);
  g.fillStyle = hue;
  g.fillRect(0, y, w, h / 2);
  const grey = g.createLinearGradient(0, 0, w, 0);
  grey.addColorStop(0, '#000');
  grey.addColorStop(1, '#fff');
  g.fillStyle = grey;
  g.fillRect(0, y + h / 2, w, h / 2);
}

// The test picture at the source's width (16:9 or 4:3) and the screen's height.
export function testPicture(width) {
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = HEIGHT;
  const g = canvas.getContext('2d', { willReadFrequently: true });
  const h = HEIGHT;
  bars(g, width, h * 0.28);
  greyRamp(g, width, h * 0.28, h * 0.12);
  scene(g, 0, h * 0.4, width * 0.4, h * 0.36);
  skinTones(g, width * 0.4, h * 0.4, width * 0.3, h * 0.36);
  detail(g, width * 0.7, h * 0.4, width * 0.3, h * 0.36);
  sweeps(g, width, h * 0.76, h * 0.24);
  return canvas;
}

// ---- the settings in force ----------------------------------------------------

const avoc = (v, name, fallback = 0) => v.avoc[name] ?? fallback;

// White point gains of the colour tones, red, green, blue: Off, Cool, Standard, Warm 1, Warm 2.
export const TONE_GAINS = [
  [1, 1, 1],
  [0.9, 0.96, 1],
  [1, 1, 1],
  [1, 0.95, 0.84],
  [1, 0.9, 0.7],
];
const CHANNELS = ['red', 'green', 'blue'];

// Offsets of a multi-point white balance, per channel, at its points 1..n.
export function whiteBalancePoints(values, points) {
  return CHANNELS.map((c) =>
    Array.from({ length: points }, (_, i) =>
      avoc(values, `${points === 10 ? '10p' : '20p'}_white_balance_by_interval/${i + 1}/${c}`),
    ),
  );
}

// One channel's offset at signal level x (0..1), interpolated between points.
function offsetAt(points, x) {
  const n = points.length;
  const at = x * n - 1;
  if (at <= 0) return points[0] * Math.max(0, x * n);
  const i = Math.min(n - 2, Math.floor(at));
  const t = Math.min(1, at - i);
  return points[i] * (1 - t) + points[i + 1] * t;
}

// The luminance curve: contrast, gamma, black tone, black enhancer, HDMI black level, HDR+.
export function toneCurve(values) {
  const k = [0, 0.25, 0.4, 0.55, 0.7, 0.85][avoc(values, 'dynamic_contrast')] ?? 0;
  const gamma = Math.min(2, Math.max(0.5, 1 + 0.1 * avoc(values, 'gamma')));
  const crush = [0, 0.03, 0.06, 0.1][avoc(values, 'black_tone')] ?? 0;
  const deepen = [0, 0.3, 0.5, 0.7][avoc(values, 'black_enhancer')] ?? 0;
  const floor = avoc(values, 'hdmi_black_level') === 2 ? 16 / 255 : 0;
  const hdr = avoc(values, 'hdr_plus_mode') !== 0;
  return (x) => {
    let y = x - (k * Math.sin(2 * Math.PI * x)) / (2 * Math.PI);
    y = Math.pow(Math.min(1, Math.max(0, y)), gamma);
    y = Math.max(0, (y - crush) / (1 - crush));
    y *= 1 - deepen * Math.pow(1 - y, 4);
    if (hdr) y = Math.min(1, Math.pow(y, 0.85) * 1.04);
    return floor + y * (1 - floor);
  };
}

// Per channel: 256 entries of tone curve, white point and white balance.
export function channelCurves(values) {
  const curve = toneCurve(values);
  const gains = TONE_GAINS[avoc(values, 'color_tone_mode')] ?? TONE_GAINS[2];
  const wb = [];
  if (avoc(values, '10p_white_balance')) wb.push(whiteBalancePoints(values, 10));
  if (avoc(values, '20p_white_balance')) wb.push(whiteBalancePoints(values, 20));
  return [0, 1, 2].map((c) => {
    const lut = new Uint8ClampedArray(256);
    for (let i = 0; i < 256; i++) {
      const x = i / 255;
      let y = curve(x) * gains[c];
      for (const points of wb) y += offsetAt(points[c], x) / 200;
      lut[i] = Math.round(y * 255);
    }
    return lut;
  });
}

// ---- colour -------------------------------------------------------------------

// Hue centres of the six colours a custom colour space edits.
const COLOUR_HUES = [0, 120, 240, 60, 180, 300];

function colourSettings(values) {
  const space = avoc(values, 'color_space');
  const custom =
    space === 4
      ? COLOUR_HUES.map((hue, c) => ({
          hue,
          dh: avoc(values, `color_space_hsl/${c}/hue`),
          ds: avoc(values, `color_space_hsl/${c}/saturation`),
          dl: avoc(values, `color_space_hsl/${c}/lightness`),
          rgb: CHANNELS.map((ch) => {
            const b = avoc(values, `color_space_custom_rgb/${c}/${ch}`) & 255;
            return (b > 127 ? b - 256 : b) / 255;
          }),
        })).filter((e) => e.dh || e.ds || e.dl || e.rgb.some(Boolean))
      : [];
  return {
    saturation: (space === 1 ? 1.12 : 1) * (1 + 0.03 * avoc(values, 'color_gamut')),
    flesh: avoc(values, 'flesh_tone'),
    only: avoc(values, 'rgb_only_mode'),
    custom,
  };
}

function toHsl(r, g, b) {
  const max = Math.max(r, g, b);
  const min = Math.min(r, g, b);
  const l = (max + min) / 2;
  if (max === min) return [0, 0, l];
  const d = max - min;
  const s = l > 0.5 ? d / (2 - max - min) : d / (max + min);
  const h =
    max === r ? (g - b) / d + (g < b ? 6 : 0) : max === g ? (b - r) / d + 2 : (r - g) / d + 4;
  return [h * 60, s, l];
}

function fromHsl(h, s, l, out) {
  const q = l < 0.5 ? l * (1 + s) : l + s - l * s;
  const p = 2 * l - q;
  const k = (t) => {
    t = ((t % 1) + 1) % 1;
    if (t < 1 / 6) return p + (q - p) * 6 * t;
    if (t < 1 / 2) return q;
    if (t < 2 / 3) return p + (q - p) * (2 / 3 - t) * 6;
    return p;
  };
  out[0] = k(h / 360 + 1 / 3);
  out[1] = k(h / 360);
  out[2] = k(h / 360 - 1 / 3);
}

const near = (hue, centre, width) => {
  const d = Math.abs(((hue - centre + 540) % 360) - 180);
  return Math.max(0, 1 - d / width);
};

function needsColour(c) {
  return c.saturation !== 1 || c.flesh !== 0 || c.custom.length > 0;
}

// Saturation, flesh tone and the custom colours, on one pixel in 0..1.
function colourPixel(c, rgb) {
  let [h, s, l] = toHsl(rgb[0], rgb[1], rgb[2]);
  s *= c.saturation;
  if (c.flesh && s > 0.15) h += near(h, 30, 25) * c.flesh * 0.8;
  const add = [0, 0, 0];
  for (const e of c.custom) {
    const w = near(h, e.hue, 40) * Math.min(1, s * 2);
    if (!w) continue;
    h += w * e.dh;
    s *= 1 + (w * e.ds) / 50;
    l += (w * e.dl) / 200;
    e.rgb.forEach((v, i) => {
      add[i] += w * v;
    });
  }
  fromHsl(h, Math.min(1, Math.max(0, s)), Math.min(1, Math.max(0, l)), rgb);
  for (let i = 0; i < 3; i++) rgb[i] += add[i];
}

// The source picture through colour and the channel curves.
function process(source, values) {
  const g = source.getContext('2d', { willReadFrequently: true });
  const img = g.getImageData(0, 0, source.width, source.height);
  const d = img.data;
  const luts = channelCurves(values);
  const colour = colourSettings(values);
  const rgb = [0, 0, 0];
  const mask = [
    colour.only === 0 || colour.only === 1,
    colour.only === 0 || colour.only === 2,
    colour.only === 0 || colour.only === 3,
  ];
  for (let o = 0; o < d.length; o += 4) {
    if (needsColour(colour)) {
      rgb[0] = d[o] / 255;
      rgb[1] = d[o + 1] / 255;
      rgb[2] = d[o + 2] / 255;
      colourPixel(colour, rgb);
      for (let i = 0; i < 3; i++) d[o + i] = Math.round(Math.min(1, Math.max(0, rgb[i])) * 255);
    }
    for (let i = 0; i < 3; i++) d[o + i] = mask[i] ? luts[i][d[o + i]] : 0;
  }
  const out = document.createElement('canvas');
  out.width = source.width;
  out.height = source.height;
  out.getContext('2d').putImageData(img, 0, 0);
  return out;
}

// ---- geometry -----------------------------------------------------------------

// The picture size in force and whether screen fit is on: a visible media
// player's own settings, else the TV's.
export function sizeInForce(values) {
  const apps = values['visible-apps'];
  const vconf = values['vconf-int'];
  const wide = values.sysinfo['303'] === 1;
  if (apps.some((a) => VIDEO_PLAYERS.includes(a))) {
    return {
      size: vconf[
        wide ? 'db/video-player-tv/picture_size_widetv' : 'db/video-player-tv/picture_size'
      ],
      fit: vconf['db/video-player-tv/psize_screen_fit'] !== 0,
      screenMode: values.tv['screen-mode'],
    };
  }
  if (apps.some((a) => PHOTO_PLAYERS.includes(a))) {
    return { size: vconf['db/photo-player-tv/picture_size'], fit: false, screenMode: 0 };
  }
  return {
    size: values.tv['picture-size'],
    fit: values.tv['screen-fit'] !== 0,
    screenMode: values.tv['screen-mode'],
    autoWide: values.tv['auto-wide'],
  };
}

const fullScreen = () => ({ x: 0, y: 0, w: WIDTH, h: HEIGHT });
const pillar = (ratio) => ({ x: (WIDTH - HEIGHT * ratio) / 2, y: 0, w: HEIGHT * ratio, h: HEIGHT });
// A part of the source: fractions of its width and height.
const crop = (x, y, w, h) => ({ x, y, w, h });
const zoom = (f, anchorY = 0.5) => crop((1 - 1 / f) / 2, (1 - 1 / f) * anchorY, 1 / f, 1 / f);

// Where the source goes on the screen and which part of it: by picture size
// (16:9, fit, custom, 4:3, 21:9, auto, caption, original) and, for a 4:3
// source at 16:9, by the 4:3 size (16:9, zoom, 4:3, 21:9).
export function geometry(values, sourceRatio) {
  const { size, fit, screenMode, autoWide } = sizeInForce(values);
  const four3 = sourceRatio === 4 / 3;
  let dst = fullScreen();
  let src = crop(0, 0, 1, 1);
  switch (size) {
    case 0:
      if (four3 && !autoWide) {
        if (screenMode === 2) src = crop(0, 0.125, 1, 0.75);
        else if (screenMode === 3) dst = pillar(4 / 3);
        else if (screenMode === 4) src = crop(0, 0.2, 1, 0.6);
      }
      break;
    case 2:
      src = zoom(1.25);
      break;
    case 3:
      dst = pillar(4 / 3);
      break;
    case 4: {
      const h = (WIDTH * 9) / 21;
      dst = { x: 0, y: (HEIGHT - h) / 2, w: WIDTH, h };
      src = crop(0, (1 - 16 / 21) / 2, 1, 16 / 21);
      break;
    }
    case 5:
    case 7:
      if (four3 && !(size === 5 && autoWide)) dst = pillar(4 / 3);
      break;
    case 6:
      src = zoom(1.2, 0);
      break;
    default:
      break;
  }
  // Without screen fit the panel hides a thin border, as broadcast pictures expect.
  if (!fit && size !== 1) {
    const o = 0.025;
    src = crop(src.x + src.w * o, src.y + src.h * o, src.w * (1 - 2 * o), src.h * (1 - 2 * o));
  }
  return { src, dst };
}

// ---- PIP ------------------------------------------------------------------------

// PIP size 0..2 as a share of the screen's width; position 0..3 as a corner.
const PIP_WIDTHS = [0.22, 0.3, 0.4];
const PIP_CORNERS = [
  [1, 1],
  [0, 1],
  [0, 0],
  [1, 0],
];

export function pipWindow(values) {
  const vconf = values['vconf-int'];
  const w = WIDTH * (PIP_WIDTHS[vconf['db/menu/picture/pip/pipsize']] ?? PIP_WIDTHS[0]);
  const h = (w * 9) / 16;
  const [cx, cy] = PIP_CORNERS[vconf['db/menu/picture/pip/pippos']] ?? PIP_CORNERS[0];
  const m = 24;
  return { x: cx ? WIDTH - w - m : m, y: cy ? HEIGHT - h - m : m, w, h };
}

function pipChannel(values) {
  const tv = values.tv;
  const c = tv.channels[tv['pip-channel']];
  if (!c) return { number: '-', name: 'No channel' };
  const major = c.fields['13'];
  const minor = c.fields['14'];
  const number = major === undefined ? '-' : minor ? `${major}-${minor}` : `${major}`;
  return { number, name: c.name };
}

function drawPip(g, values) {
  const r = pipWindow(values);
  const { number, name } = pipChannel(values);
  const grad = g.createLinearGradient(r.x, r.y, r.x + r.w, r.y + r.h);
  grad.addColorStop(0, '#2c3e7a');
  grad.addColorStop(1, '#7a2c5c');
  g.fillStyle = grad;
  g.fillRect(r.x, r.y, r.w, r.h);
  g.strokeStyle = '#ddd';
  g.lineWidth = 2;
  g.strokeRect(r.x, r.y, r.w, r.h);
  g.fillStyle = '#fff';
  g.font = `bold ${Math.round(r.h / 4)}px sans-serif`;
  g.fillText(number, r.x + 12, r.y + r.h / 3 + 8);
  g.font = `${Math.round(r.h / 8)}px sans-serif`;
  g.fillText(name, r.x + 12, r.y + r.h - 14);
}

// ---- the screen ------------------------------------------------------------------

export class Screen {
  constructor(canvas) {
    this.g = canvas.getContext('2d');
    this.sources = new Map();
    this.cache = { key: '', canvas: null };
  }

  source(ratio) {
    if (!this.sources.has(ratio)) this.sources.set(ratio, testPicture(Math.round(HEIGHT * ratio)));
    return this.sources.get(ratio);
  }

  // Draws the live values; page: {ratio, pip, off}.
  draw(values, page) {
    const g = this.g;
    g.fillStyle = '#000';
    g.fillRect(0, 0, WIDTH, HEIGHT);
    if (page.off) return;
    const key = JSON.stringify([page.ratio, values.avoc]);
    if (this.cache.key !== key) {
      this.cache = { key, canvas: process(this.source(page.ratio), values) };
    }
    const pic = this.cache.canvas;
    const { src, dst } = geometry(values, page.ratio);
    g.drawImage(
      pic,
      src.x * pic.width,
      src.y * pic.height,
      src.w * pic.width,
      src.h * pic.height,
      dst.x,
      dst.y,
      dst.w,
      dst.h,
    );
    if (page.pip) drawPip(g, values);
  }
}
