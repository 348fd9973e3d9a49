// The on-screen Picture menu, built from the provider's answers and driven by
// the remote: Up/Down move, Right/Enter open, Left/Right preview a value,
// Enter commits it, Back returns to the committed value, Info shows the help.
import * as api from './api.js';

const ROWS = 9; // rows the menu shows at once

const tail = (key) => key.split('/').slice(-2).join('/');

// How a key is edited, from what the provider does with it (the keys command).
function kindOf(item, info) {
  if (!info) return 'readonly';
  if (info.strings) return 'text';
  if (!info.reads) return info.writes ? 'action' : 'readonly';
  if (!info.writes) return 'readonly';
  return item.choices && item.choices.length ? 'list' : 'slider';
}

function valueText(item, kind) {
  if (kind === 'action') return 'Enter ›';
  if (!item.reads) return '';
  if (item.status !== 0) return `status ${item.status}`;
  return item.text ?? String(item.value);
}

export class Menu {
  // hooks: changed() after anything was set, pictureOff() when the picture went off.
  constructor(root, helpBox, hooks) {
    this.root = root;
    this.helpBox = helpBox;
    this.hooks = hooks;
    this.groups = [];
    this.keys = new Map(); // key -> what the provider does with it
    this.path = []; // focused index per level: [group, item]
    this.focus = 0;
    this.edit = null; // {item, kind, committed, pending, previewed}
    this.message = '';
    this.shown = true;
  }

  async load() {
    if (!this.keys.size) {
      const k = await api.get('/api/keys');
      for (const info of k.body.keys || []) this.keys.set(info.key, info);
    }
    const r = await api.get('/api/menu');
    this.groups = r.body.sections || [];
    this.render();
  }

  kind(item) {
    return kindOf(item, this.keys.get(item.key));
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
    switch (name) {
      case 'Up':
        this.focus = (this.focus + rows.length - 1) % rows.length;
        break;
      case 'Down':
        this.focus = (this.focus + 1) % rows.length;
        break;
      case 'Right':
      case 'Enter':
        return this.open(name);
      case 'Back':
      case 'Left':
        if (this.level() > 0) this.focus = this.path.pop();
        break;
      default:
        break;
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
    const kind = this.kind(item);
    if (kind === 'readonly') {
      this.message = 'This setting is only shown here.';
      return this.render();
    }
    if (kind === 'action') {
      if (name !== 'Enter') return undefined;
      return this.commit(item, 0);
    }
    const read = item.status === 0 ? item.value : null;
    const start = read ?? (kind === 'list' ? item.choices[0].value : 0);
    const previews = this.keys.get(item.key).previews;
    this.edit = { item, kind, previews, committed: start, pending: start, previewed: false };
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
      if (!e.previews) return undefined; // shown in the menu only, until Enter
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
    const r = await api.post('/api/set-string', {
      key: e.item.key,
      value: step > 0 ? 'Up' : 'Down',
    });
    await this.report('set', r);
    await this.refresh(e.item);
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
    const root = this.root;
    root.hidden = !this.shown;
    root.replaceChildren();
    const title = document.createElement('h1');
    title.textContent = this.level() === 0 ? 'Picture' : this.groups[this.path[0]].section;
    root.append(title);
    const rows = this.rows();
    const list = document.createElement('ul');
    const first = Math.max(0, Math.min(this.focus - Math.floor(ROWS / 2), rows.length - ROWS));
    rows.slice(first, first + ROWS).forEach((row, n) => {
      const li = document.createElement('li');
      li.dataset.key = row.key;
      if (first + n === this.focus) li.classList.add('focused');
      const kind = this.level() > 0 ? this.kind(row) : 'group';
      if (kind !== 'group' && row.reads && row.status !== 0) li.classList.add('failed');
      if (kind === 'readonly') li.classList.add('readonly');
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
      value.textContent = kind === 'group' ? '›' : valueText(row, kind);
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
    if (!e.previews && e.kind !== 'text' && e.pending !== e.committed) box.classList.add('pending');
    const current = document.createElement('div');
    current.className = 'current';
    const choice = (e.item.choices || []).find((c) => c.value === e.pending);
    current.textContent =
      e.kind === 'text'
        ? `◀ ${e.item.text} ▶`
        : `◀ ${choice && e.kind === 'list' ? choice.text : e.pending} ▶`;
    box.append(current);
    return box;
  }
}
