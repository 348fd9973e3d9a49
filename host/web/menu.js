// The on-screen Picture menu, built from the provider's answers and driven by
// the remote: Up/Down move, Right/Enter open, Left/Right preview a value,
// Enter commits it, Back returns to the committed value, Info shows the help.
import * as api from './api.js';

const ROWS = 9;  // rows the menu shows at once

const tail = (key) => key.split('/').slice(-2).join('/');
const kindOf = (item) => {
  if (typeof item.value === 'string') return 'text';
  if (item.choices && item.choices.length) return 'list';
  if (item.status === 0) return 'slider';
  return /(reset|pictureoff)$/.test(item.key) ? 'action' : 'slider';
};

function valueText(item) {
  if (item.status !== 0) return item.status === undefined ? '' : `status ${item.status}`;
  return item.text ?? String(item.value);
}

export class Menu {
  // hooks: changed() after anything was set, pictureOff() when the picture went off.
  constructor(root, helpBox, hooks) {
    this.root = root;
    this.helpBox = helpBox;
    this.hooks = hooks;
    this.groups = [];
    this.path = [];  // focused index per level: [group, item]
    this.focus = 0;
    this.edit = null;  // {item, kind, committed, pending, previewed}
    this.message = '';
    this.shown = true;
  }

  async load() {
    const r = await api.get('/api/menu');
    this.groups = r.body.groups || [];
    this.render();
  }

  level() { return this.path.length; }

  rows() {
    if (this.level() === 0) return this.groups.map((g) => ({ label: g.group, value: '›', key: g.group }));
    return this.groups[this.path[0]].items;
  }

  focused() { return this.level() === 1 ? this.rows()[this.focus] : null; }

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
    switch (name) {
    case 'Up': this.focus = (this.focus + rows.length - 1) % rows.length; break;
    case 'Down': this.focus = (this.focus + 1) % rows.length; break;
    case 'Right': case 'Enter': return this.open(name);
    case 'Back': case 'Left':
      if (this.level() > 0) this.focus = this.path.pop();
      break;
    default: break;
    }
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
    const kind = kindOf(item);
    if (kind === 'action') {
      if (name !== 'Enter') return undefined;
      return this.commit(item, 0);
    }
    const start = kind === 'list' ? item.value ?? item.choices[0].value : item.value ?? 0;
    this.edit = { item, kind, committed: start, pending: start, previewed: false };
    this.message = '';
    return this.render();
  }

  async editKey(name) {
    const e = this.edit;
    const step = { Left: -1, Right: 1, Up: -1, Down: 1 }[name];
    if (step && e.kind === 'text') return this.stepText(step);
    if (step) {
      e.pending = this.next(e, step);
      this.render();
      const r = await api.post('/api/preview', { key: e.item.key, value: e.pending });
      e.previewed = true;
      await this.report('preview', r);
      return this.hooks.changed();
    }
    if (name === 'Enter') {
      if (e.kind === 'text') return this.close();
      return this.commit(e.item, e.pending);
    }
    if (name === 'Back') {
      if (e.previewed && e.pending !== e.committed) {
        const r = await api.post('/api/preview', { key: e.item.key, value: e.committed });
        await this.report('restore', r);
        this.hooks.changed();
      }
      return this.close();
    }
    return undefined;
  }

  next(e, step) {
    if (e.kind !== 'list') return e.pending + step;
    const values = e.item.choices.map((c) => c.value);
    const at = Math.max(0, values.indexOf(e.pending));
    return values[(at + step + values.length) % values.length];
  }

  // A text setting steps with its own words, Up and Down, and commits at once.
  async stepText(step) {
    const e = this.edit;
    const r = await api.post('/api/set-string', { key: e.item.key, value: step > 0 ? 'Up' : 'Down' });
    await this.report('set', r);
    await this.refresh(e.item);
    this.hooks.changed();
    return this.render();
  }

  async commit(item, value) {
    const r = await api.post('/api/set', { key: item.key, value });
    const ok = await this.report('set', r);
    if (ok && /pictureoff$/.test(item.key)) this.hooks.pictureOff();
    if (ok && kindOf(item) === 'action') await this.load();
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
    const string = typeof item.value === 'string';
    const r = await api.get(string ? '/api/string' : '/api/get', { key: item.key });
    item.status = r.body.status;
    if (string) item.value = r.body.text ?? '';
    else if (r.body.status === 0) item.value = r.body.value;
    const choice = (item.choices || []).find((c) => c.value === item.value);
    if (choice && !string) item.text = choice.text;
    else delete item.text;
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
    const why = api.reason(await api.requestEvent(r.id));
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
      this.helpBox.textContent = r.body.status === 0 && r.body.text ? r.body.text
        : `No help text (status ${r.body.status})`;
    }
    this.helpBox.hidden = false;
    return undefined;
  }

  render() {
    const root = this.root;
    root.hidden = !this.shown;
    root.replaceChildren();
    const title = document.createElement('h1');
    title.textContent = this.level() === 0 ? 'Picture' : this.groups[this.path[0]].group;
    root.append(title);
    const rows = this.rows();
    const list = document.createElement('ul');
    const first = Math.max(0, Math.min(this.focus - Math.floor(ROWS / 2), rows.length - ROWS));
    rows.slice(first, first + ROWS).forEach((row, n) => {
      const li = document.createElement('li');
      li.dataset.key = row.key;
      if (first + n === this.focus) li.classList.add('focused');
      if (this.level() > 0 && row.status !== 0 && kindOf(row) !== 'action') li.classList.add('failed');
      const name = document.createElement('span');
      name.className = 'name';
      name.textContent = row.label ?? row.key;
      if (this.level() > 0) {
        const small = document.createElement('small');
        small.textContent = tail(row.key);
        name.append(small);
      }
      const value = document.createElement('span');
      value.className = 'value';
      value.textContent = this.level() === 0 ? row.value
        : kindOf(row) === 'action' ? 'Enter ›' : valueText(row);
      li.append(name, value);
      list.append(li);
    });
    root.append(list);
    if (this.edit) root.append(this.editor());
    const message = document.createElement('div');
    message.className = 'message';
    message.textContent = this.message;
    root.append(message);
  }

  editor() {
    const e = this.edit;
    const box = document.createElement('div');
    box.className = 'editor';
    if (e.previewed && e.pending !== e.committed) box.classList.add('previewing');
    const current = document.createElement('div');
    current.className = 'current';
    const choice = (e.item.choices || []).find((c) => c.value === e.pending);
    current.textContent = e.kind === 'text' ? `◀ ${e.item.value} ▶`
      : `◀ ${choice && e.kind === 'list' ? choice.text : e.pending} ▶`;
    box.append(current);
    return box;
  }
}
