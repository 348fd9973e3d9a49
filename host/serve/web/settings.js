// How the settings host's menu shows and edits the settings that have no list
// of choices: the range a number stops at, or the words of each value.
// The provider passes most of these through unchecked; the menu is what keeps
// them in range (a value table's size where the provider has one).
const ON_OFF = ['Off', 'On'];

// [key below menu/picture/, lowest, highest, words of the values from the lowest]
const ROWS = [
  ['picturesize/autowide', 0, 1, ON_OFF],
  ['picturesize/screenfit', 0, 1, ON_OFF],
  ['picturesize/screenfit-mm', 0, 1, ON_OFF],
  ['picturesize/panorama', 0, 1, ON_OFF],
  ['pip/pipsize', 0, 2, ['Small', 'Medium', 'Large']],
  ['pip/pippos', 0, 3, ['Bottom right', 'Bottom left', 'Top left', 'Top right']],
  ['pip/pipss', 0, 1, ON_OFF],
  ['advanced-settings/black-tone', 0, 3, ['Off', 'Dark', 'Darker', 'Darkest']],
  ['advanced-settings/flesh-tone', -15, 15],
  ['advanced-settings/rgb-onlymode', 0, 3, ['Off', 'Red', 'Green', 'Blue']],
  ['advanced-settings/color-space/mode', 0, 2, ['Auto', 'Native', 'Custom']],
  ['advanced-settings/color-space/gamut', 0, 4],
  [
    'advanced-settings/color-space/color',
    0,
    5,
    ['Red', 'Green', 'Blue', 'Yellow', 'Cyan', 'Magenta'],
  ],
  ['advanced-settings/color-space/red', 0, 255],
  ['advanced-settings/color-space/green', 0, 255],
  ['advanced-settings/color-space/blue', 0, 255],
  ['advanced-settings/color-space/hue', -50, 50],
  ['advanced-settings/color-space/saturation', -50, 50],
  ['advanced-settings/color-space/lightness', -50, 50],
  ['advanced-settings/10p-white-balance/mode', 0, 1, ON_OFF],
  ['advanced-settings/10p-white-balance/interval', 1, 10],
  ['advanced-settings/10p-white-balance/red', -50, 50],
  ['advanced-settings/10p-white-balance/green', -50, 50],
  ['advanced-settings/10p-white-balance/blue', -50, 50],
  ['advanced-settings/20p-white-balance/mode', 0, 1, ON_OFF],
  ['advanced-settings/20p-white-balance/interval', 1, 20],
  ['advanced-settings/20p-white-balance/red', -50, 50],
  ['advanced-settings/20p-white-balance/green', -50, 50],
  ['advanced-settings/20p-white-balance/blue', -50, 50],
  ['advanced-settings/gamma', -5, 10],
  ['advanced-settings/org-gamma', 0, 2, ['HLG', 'ST.2084', 'BT.1886']],
  ['advanced-settings/org-value-gamma', -5, 10],
  ['advanced-settings/black-enhance', 0, 3, ['Off', 'Low', 'Medium', 'High']],
  ['picture-options/digital-cleanview', 0, 5],
  ['picture-options/mpeg-noise-filter', 0, 5],
  ['picture-options/hdmi-black-level', 0, 2, ['Auto', 'Normal', 'Low']],
  ['picture-options/uhdcolorhdmi1', 0, 1, ON_OFF],
  ['picture-options/uhdcolorhdmi2', 0, 1, ON_OFF],
  ['picture-options/uhdcolorhdmi3', 0, 1, ON_OFF],
  ['picture-options/uhdcolorhdmi4', 0, 1, ON_OFF],
  ['picture-options/uhdcolorhdmi5', 0, 1, ON_OFF],
  ['picture-options/film-mode', 0, 2, ['Off', 'Auto 1', 'Auto 2']],
  ['picture-options/auto-motion-plus/mode', 0, 4],
  ['picture-options/auto-motion-plus/blur-reduction', 0, 10],
  ['picture-options/auto-motion-plus/judder-reduction', 0, 10],
  ['picture-options/auto-motion-plus/led-clear-motion', 0, 1, ON_OFF],
  ['picture-options/analog-clean-view', 0, 1, ON_OFF],
  ['picture-options/smart-led', 0, 5],
  ['picture-options/cinema-black', 0, 4],
  ['picture-options/black-optimizer', 0, 2],
  ['senior-mode', 0, 1, ON_OFF],
  ['expert-settings/hdrplus', 0, 1, ON_OFF],
];

const BY_KEY = new Map(
  ROWS.map(([key, min, max, words]) => [`menu/picture/${key}`, { min, max, words }]),
);

// The key's range and words, or null for a setting the menu does not bound.
export const setting = (key) => BY_KEY.get(key) ?? null;

// A value as the menu shows it: its word, else the number.
export function valueWord(key, value) {
  const s = setting(key);
  const word = s && s.words && s.words[value - s.min];
  return word ?? String(value);
}
