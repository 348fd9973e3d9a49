// The on-screen Picture menu, built from the provider's answers and driven by
// the remote: Up/Down move, Right/Enter open, Left/Right preview a value,
// Enter commits it, Back returns to the committed value, Info shows the help.
// It follows the TV: every change, wherever it was made, redraws it.
import * as api from './api.js';
import { MenuView } from './menu_view.js';

// How a key is edited, from what the provider does with it (the keys command).
function kindOf(item, info) {
  if (!info) return 'readonly';
  if (info.strings) return 'text';
  if (!info.reads) return info.writes ? 'action' : 'readonly';
  if (!info.writes) return 'readonly';
  return item.choices && item.choices.length ? 'list' : 'slider';
}

export class Menu {
  // hooks: changed() after anything was set, pictureOff() when the picture went off.
  constructor(root, helpBox, hooks) {
    this.view = new MenuView(root, this);
    this.helpBox = helpBox;
    this.hooks = hooks;
    this.groups = [];
    this.keys = new Map(); // key -> what the provider does with it
    this.previews = {}; // key -> {committed, page}: the previews in force on the TV
    this.path = []; // focused index per level: [group, item]
    this.focus = 0;
    this.edit = null; // {key, kind, previews, committed, live, pending, stepped}
    this.message = '';
    this.shown = true;
  }

  // Reads the whole menu again, and what the open editor shows with it.
  async load({ keys = false } = {}) {
    if (keys || !this.keys.size) {
      const k = await api.get('/api/keys');
      for (const info of k.body.keys || []) this.keys.set(info.key, info);
    }
    const r = await api.get('/api/menu');
    this.groups = r.body.sections || [];
    this.follow();
    this.render();
  }

  // The open editor after a change: at the TV's new value, unless a value of
  // its own waits for Enter.
  follow() {
    const e = this.edit;
    const item = e && this.item(e.key);
    if (!item || e.kind === 'text' || item.status !== 0) return;
    const committed = this.previews[e.key] ? this.previews[e.key].committed : null;
    if (item.value !== e.live && (e.previews || !e.stepped)) e.pending = item.value;
    e.live = item.value;
    e.committed = committed ?? item.value;
  }

  item(key) {
    for (const g of this.groups) for (const i of g.items) if (i.key === key) return i;
    return null;
  }

  kind(item) {
    return kindOf(item, this.keys.get(item.key));
  }

  // Where the menu stops a number and the words of its values (the keys
  // command's), or null for a key it does not bound.
  range(key) {
    const info = this.keys.get(key);
    if (!info || info.lowest === null) return null;
    return { min: info.lowest, max: info.highest, words: info.words };
  }

  level() {
    return this.path.length;
  }

  rows() {
    if (this.level() === 0) return this.groups.map((g) => ({ label: g.section, key: g.section }));
    return this.groups[this.path[0]].items;
  }

  focused() {
    return this.level() === 1 ? this.rows()[this.focus] : null;
  }

  // One remote key; the name is Up, Down, Left, Right, Enter, Back, Info or Menu.
  async key(name) {
    if (name === 'Menu') {
      this.shown = !this.shown;
      this.helpBox.hidden = true;
      return this.render();
    }
    if (!this.shown) {
      if (name !== 'Enter') return undefined;
      this.shown = true;
      return this.render();
    }
    if (name === 'Info') return this.info();
    this.helpBox.hidden = true;
    if (this.edit) return this.editKey(name);
    const rows = this.rows();
    if (name === 'Up') this.focus = (this.focus + rows.length - 1) % rows.length;
    if (name === 'Down') this.focus = (this.focus + 1) % rows.length;
    if (name === 'Right' || name === 'Enter') return this.open(name);
    if ((name === 'Back' || name === 'Left') && this.level() > 0) this.focus = this.path.pop();
    this.message = '';
    return this.render();
  }

  async open(name) {
    if (this.level() === 0) {
      this.path.push(this.focus);
      this.focus = 0;
      this.message = '';
      return this.render();
    }
    const item = this.focused();
    const kind = this.kind(item);
    if (kind === 'readonly') {
      this.message = 'This setting is only shown here.';
      return this.render();
    }
    if (kind === 'action') {
      if (name !== 'Enter') return undefined;
      return this.commit(item, 0);
    }
    const range = this.range(item.key);
    const fallback = kind === 'list' ? item.choices[0].value : range ? range.min : 0;
    const live = item.status === 0 ? item.value : fallback;
    const shown = this.previews[item.key];
    this.edit = {
      key: item.key,
      kind,
      previews: this.keys.get(item.key).previews,
      committed: shown ? shown.committed : live,
      live,
      pending: live,
      stepped: false,
    };
    this.message = '';
    return this.render();
  }

  async editKey(name) {
    const e = this.edit;
    const step = { Left: -1, Right: 1, Up: -1, Down: 1 }[name];
    if (step && e.kind === 'text') return this.stepText(step);
    if (step) return this.step(e, step);
    if (name === 'Enter') {
      if (e.kind === 'text') return this.close();
      return this.commit(this.item(e.key), e.pending);
    }
    if (name === 'Back') return this.back(e);
    return undefined;
  }

  // A step previews the next value; a number stops at the ends of its range.
  async step(e, step) {
    const next = this.next(e, step);
    if (next === e.pending) return this.render();
    e.pending = next;
    e.stepped = true;
    this.render();
    if (!e.previews) return undefined; // shown in the menu only, until Enter
    const r = await api.post('/api/preview', { key: e.key, value: next });
    if (await this.report('preview', r)) {
      e.live = next;
      // The row shows it at once, before the change event redraws the menu.
      this.item(e.key).value = next;
    }
    this.render();
    return this.hooks.changed();
  }

  // Back to the committed value: the TV's, which another page may have changed.
  async back(e) {
    const shown = this.previews[e.key];
    const committed = shown && shown.committed !== null ? shown.committed : e.committed;
    if (e.previews && (shown || e.live !== committed)) {
      const r = await api.post('/api/preview', { key: e.key, value: committed });
      await this.report('restore', r);
      await this.hooks.changed();
    }
    return this.close();
  }

  next(e, step) {
    if (e.kind === 'list') {
      const values = this.item(e.key).choices.map((c) => c.value);
      const at = Math.max(0, values.indexOf(e.pending));
      return values[(at + step + values.length) % values.length];
    }
    const range = this.range(e.key);
    if (!range) return e.pending + step;
    return Math.min(range.max, Math.max(range.min, e.pending + step));
  }

  // A text setting steps with its own words, Up and Down, and commits at once.
  async stepText(step) {
    const e = this.edit;
    const r = await api.post('/api/set-string', { key: e.key, value: step > 0 ? 'Up' : 'Down' });
    await this.report('set', r);
    await this.refresh(this.item(e.key));
    this.hooks.changed();
    return this.render();
  }

  async commit(item, value) {
    const r = await api.post('/api/set', { key: item.key, value });
    const ok = await this.report('set', r);
    if (ok && /pictureoff$/.test(item.key)) this.hooks.pictureOff();
    if (ok && this.kind(item) === 'action') await this.load();
    else await this.refresh(item);
    this.hooks.changed();
    if (ok) this.edit = null;
    return this.render();
  }

  close() {
    this.edit = null;
    return this.render();
  }

  // Reads one item again: its value and the text of its choice.
  async refresh(item) {
    const string = this.kind(item) === 'text';
    const r = await api.get(string ? '/api/string' : '/api/get', { key: item.key });
    item.status = r.body.status;
    if (string) {
      item.text = r.body.text;
      return;
    }
    if (r.body.status === 0) item.value = r.body.value;
    const choice = (item.choices || []).find((c) => c.value === item.value);
    item.text = choice ? choice.text : null;
  }

  // Shows a failing answer in the menu with its status and reason; true when it succeeded.
  async report(what, r) {
    if (r.http !== 200) {
      this.message = `${what} refused: ${r.body.error}`;
      this.render();
      return false;
    }
    if (r.body.status === 0) {
      this.message = '';
      this.render();
      return true;
    }
    this.message = `${what} failed: status ${r.body.status}`;
    this.render();
    const why = r.body.reason
      ? api.reasonText(r.body.reason)
      : api.reason(await api.requestEvent(r.id));
    if (why) this.message = `${what} failed: status ${r.body.status}: ${why}`;
    this.render();
    return false;
  }

  async info() {
    if (!this.helpBox.hidden) {
      this.helpBox.hidden = true;
      return undefined;
    }
    await api.post('/api/key', { name: 'XF86Info' });
    const item = this.focused();
    if (!item) {
      this.helpBox.textContent = 'Choose a group with Enter; Info then explains its settings.';
    } else {
      const r = await api.get('/api/help', { key: item.key });
      this.helpBox.textContent =
        r.body.status === 0 && r.body.text ? r.body.text : `No help text (status ${r.body.status})`;
    }
    this.helpBox.hidden = false;
    return undefined;
  }

  render() {
    this.view.render();
  }
}
