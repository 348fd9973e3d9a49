// The side panel: controls for the simulated TV and the live log of requests
// with their platform calls and log lines.
import * as api from './api.js';
import { PHOTO_PLAYERS, VIDEO_PLAYERS } from './picture.js';

const KEPT = 200; // requests the log keeps
const $ = (id) => document.getElementById(id);

// Each button's sim commands, from the form's fields.
const ACTIONS = {
  'picture-mode': () => [`picture-mode ${$('picture-mode').value.trim()}`],
  inputs: () => [`sysinfo 122 ${$('hdmi-count').value}`, `sysinfo 111 ${$('av-count').value}`],
  'add-channel': () => [
    `channel ${JSON.stringify($('channel-name').value)} 1=1 13=${$('channel-major').value}` +
      ` 14=${$('channel-minor').value}`,
  ],
  'clear-channels': () => ['channels clear'],
  force: () => [`force ${$('force-function').value} ${$('force-result').value}`],
  'sim-line': () => [$('sim-line').value],
  reset: () => ['reset'],
};

export class Side {
  // hooks: changed() after the TV was changed here, page() after a page-only control.
  constructor(hooks) {
    this.hooks = hooks;
    this.log = $('log');
    $('controls').addEventListener('submit', (e) => e.preventDefault());
    $('controls').addEventListener('click', (e) => {
      const action = e.target.dataset && e.target.dataset.action;
      if (action) {
        e.preventDefault();
        this.run(ACTIONS[action]());
      }
    });
    $('clear-log').addEventListener('click', () => this.log.replaceChildren());
    $('panel-219').addEventListener('change', (e) =>
      this.run([`sysinfo 303 ${e.target.checked ? 1 : 0}`]),
    );
    const app = (ids, on) =>
      ids.map((id) => `app ${id} ${on ? 'visible' : 'hidden'}`).slice(0, on ? 1 : ids.length);
    $('video-player').addEventListener('change', (e) =>
      this.run(app(VIDEO_PLAYERS, e.target.checked)),
    );
    $('photo-player').addEventListener('change', (e) =>
      this.run(app(PHOTO_PLAYERS, e.target.checked)),
    );
    for (const id of ['source-ratio', 'pip-shown']) {
      $(id).addEventListener('change', () => hooks.page());
    }
    // Keys typed in the panel's fields are not the remote's.
    $('controls').addEventListener('keydown', (e) => e.stopPropagation());
  }

  page() {
    return {
      ratio: $('source-ratio').value === '4:3' ? 4 / 3 : 16 / 9,
      pip: $('pip-shown').checked,
    };
  }

  async run(lines) {
    const status = $('control-status');
    status.textContent = '';
    for (const line of lines) {
      const r = await api.sim(line);
      if (r.http !== 200) {
        status.textContent = r.body.error;
        break;
      }
    }
    await this.hooks.changed();
  }

  vocabulary(v) {
    const select = $('force-function');
    select.replaceChildren(...v.functions.map((f) => new Option(f, f)));
  }

  // The controls follow the TV's values.
  update(values) {
    const apps = values['visible-apps'];
    $('panel-219').checked = values.sysinfo['303'] === 1;
    $('video-player').checked = apps.some((a) => VIDEO_PLAYERS.includes(a));
    $('photo-player').checked = apps.some((a) => PHOTO_PLAYERS.includes(a));
    $('channels').replaceChildren(
      ...values.tv.channels.map((c, i) => {
        const li = document.createElement('li');
        const number = [c.fields['13'], c.fields['14']]
          .filter((n) => n !== undefined && n !== 0)
          .join('-');
        li.textContent = `${number} ${c.name}${i === values.tv['pip-channel'] ? '  (PIP)' : ''}`;
        return li;
      }),
    );
    $('forced').replaceChildren(
      ...Object.entries(values.forced).map(([name, result]) => {
        const li = document.createElement('li');
        li.textContent = `${name} → ${result}`;
        const b = document.createElement('button');
        b.type = 'button';
        b.textContent = 'Unforce';
        b.setAttribute('aria-label', `Unforce ${name}`);
        b.addEventListener('click', () => this.run([`unforce ${name}`]));
        li.append(b);
        return li;
      }),
    );
  }

  request(event) {
    const li = document.createElement('li');
    const head = document.createElement('div');
    head.className = 'head';
    const outcome = event.error ? `refused: ${event.error}` : `status ${event.status}`;
    if (event.error || event.status !== 0) head.classList.add('failed');
    head.textContent = `#${event.id} ${event.words.join(' ')} → ${outcome}`;
    li.append(head);
    const add = (cls, text) => {
      const div = document.createElement('div');
      div.className = cls;
      div.textContent = text;
      li.append(div);
    };
    // The whole menu is hundreds of lines; its count says enough.
    if (event.words[0] === 'menu') {
      add('line', `${event.calls.length} platform calls, ${event.log.length} log lines`);
    } else {
      event.calls.forEach((c) => add('call', c));
      event.log.forEach((l) => add('line', `${l.file}:${l.line} ${l.message}`));
    }
    this.log.prepend(li);
    while (this.log.children.length > KEPT) this.log.lastChild.remove();
  }
}
