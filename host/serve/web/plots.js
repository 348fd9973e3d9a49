// Plots of what numbers tell badly: the white balance per channel and the
// tone curve in force.
import { TONE_GAINS, channelCurves, whiteBalancePoints } from './picture.js';

const COLOURS = ['#ff5a5a', '#5ad45a', '#5a8cff'];

function frame(g, w, h) {
  g.clearRect(0, 0, w, h);
  g.strokeStyle = '#333';
  g.lineWidth = 1;
  for (let i = 1; i < 4; i++) {
    g.beginPath();
    g.moveTo((i * w) / 4, 0);
    g.lineTo((i * w) / 4, h);
    g.moveTo(0, (i * h) / 4);
    g.lineTo(w, (i * h) / 4);
    g.stroke();
  }
}

function line(g, points, colour, dashed) {
  g.strokeStyle = colour;
  g.lineWidth = 1.5;
  g.setLineDash(dashed ? [4, 3] : []);
  g.beginPath();
  points.forEach(([x, y], i) => (i ? g.lineTo(x, y) : g.moveTo(x, y)));
  g.stroke();
  g.setLineDash([]);
}

// Three panels side by side: 2-point (gains of the colour tone), 10-point and
// 20-point offsets, each channel in its colour.
export function drawWhiteBalance(canvas, values) {
  const g = canvas.getContext('2d');
  const { width: W, height: H } = canvas;
  frame(g, W, H);
  const pw = W / 3;
  const top = 18;
  const ph = H - top - 4;
  const gains = TONE_GAINS[values.avoc.color_tone_mode] ?? TONE_GAINS[2];
  const panels = [
    { title: '2-point', series: gains.map((k) => [0, 200 * (k - 1)]) },
    {
      title: '10-point',
      series: whiteBalancePoints(values, 10),
      on: values.avoc['10p_white_balance'],
    },
    {
      title: '20-point',
      series: whiteBalancePoints(values, 20),
      on: values.avoc['20p_white_balance'],
    },
  ];
  panels.forEach((p, n) => {
    const x0 = n * pw + 6;
    const w = pw - 12;
    g.fillStyle = '#aaa';
    g.font = '11px sans-serif';
    g.fillText(p.title + (p.on === 0 ? ' (off)' : ''), x0, 12);
    g.strokeStyle = '#555';
    g.beginPath();
    g.moveTo(x0, top + ph / 2);
    g.lineTo(x0 + w, top + ph / 2);
    g.stroke();
    const range = Math.max(50, ...p.series.flat().map(Math.abs));
    p.series.forEach((s, c) => {
      const pts = s.map((v, i) => [
        x0 + (w * i) / Math.max(1, s.length - 1),
        top + ph / 2 - (v / range) * (ph / 2),
      ]);
      line(g, pts, COLOURS[c], p.on === 0);
    });
  });
}

export function drawToneCurve(canvas, values) {
  const g = canvas.getContext('2d');
  const { width: W, height: H } = canvas;
  frame(g, W, H);
  line(
    g,
    [
      [0, H],
      [W, 0],
    ],
    '#555',
    true,
  );
  channelCurves(values).forEach((lut, c) => {
    const pts = Array.from(lut, (v, i) => [(i / 255) * W, H - (v / 255) * H]);
    line(g, pts, COLOURS[c], false);
  });
}

// ---- the plots in words, for those who cannot see them ------------------------

const NAMES = ['red', 'green', 'blue'];
const each = (f) => NAMES.map((n, c) => `${n} ${f(c)}`).join(', ');

export function describeWhiteBalance(values) {
  const gains = TONE_GAINS[values.avoc.color_tone_mode] ?? TONE_GAINS[2];
  const points = (n) => {
    const series = whiteBalancePoints(values, n);
    const on = values.avoc[`${n}p_white_balance`] ? 'on' : 'off';
    return `${n}-point ${on}, offsets ${each((c) => series[c].join(' '))}`;
  };
  return `White balance: 2-point gains ${each((c) => gains[c])}; ${points(10)}; ${points(20)}.`;
}

export function describeToneCurve(values) {
  const curves = channelCurves(values);
  const at = (x) => each((c) => Math.round((curves[c][Math.round(x * 2.55)] / 255) * 100));
  return `Tone curve, output in % of full scale: at 25 % input ${at(25)}; at 50 % ${at(50)}; at 75 % ${at(75)}.`;
}
