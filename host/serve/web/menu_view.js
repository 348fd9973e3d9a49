// How the on-screen menu looks: the group's title with the focus's place in
// it, the rows (a scrolled list that keeps the focus in view), the editor and
// a message line, all inside the menu box.
const tail = (key) => key.split('/').slice(-2).join('/');
const el = (tag, cls, text) => {
  const e = document.createElement(tag);
  if (cls) e.className = cls;
  if (text !== undefined) e.textContent = text;
  return e;
};

// The host's title of a row when it has one, else the provider's label.
const titleOf = (row) => row.title ?? row.label ?? row.key;

// A value of a range as the menu shows it: its word, else the number.
function valueWord(range, value) {
  const word = range && range.words && range.words[value - range.min];
  return word ?? String(value);
}

// A value as the menu shows it: the choice's text, the setting's word, or the number.
function shownValue(item, value, range) {
  const choice = (item.choices || []).find((c) => c.value === value);
  return choice ? choice.text : valueWord(range, value);
}

function valueText(item, kind, range) {
  if (kind === 'action') return 'Enter ›';
  if (!item.reads) return '';
  if (item.status !== 0) return `status ${item.status}`;
  if (kind === 'text') return item.text ?? '';
  return shownValue(item, item.value, range);
}

// Why a row cannot be used now, or '' when it can.
function unavailable(item, kind) {
  if (kind === 'readonly') return 'only shown here';
  if (item.reads && item.status !== 0) return `cannot be read now (status ${item.status})`;
  return '';
}

export class MenuView {
  constructor(root, menu) {
    this.root = root;
    this.menu = menu;
    this.title = el('h1');
    this.title.id = 'osd-title';
    this.position = el('span', 'position');
    const head = el('div', 'head');
    head.append(this.title, this.position);
    this.list = el('ul');
    this.list.setAttribute('role', 'menu');
    this.list.setAttribute('aria-labelledby', 'osd-title');
    this.editor = el('div', 'editor');
    this.message = el('div', 'message');
    this.message.setAttribute('role', 'alert');
    root.replaceChildren(head, this.list, this.editor, this.message);
  }

  render() {
    const m = this.menu;
    this.root.hidden = !m.shown;
    const rows = m.rows();
    this.title.textContent = m.level() === 0 ? 'Picture' : m.groups[m.path[0]].section;
    this.position.textContent = rows.length ? `${m.focus + 1} of ${rows.length}` : '';
    this.list.replaceChildren(...rows.map((row, n) => this.row(row, n === m.focus)));
    this.editor.hidden = !m.edit;
    if (m.edit) this.renderEditor(m.edit);
    else this.editor.replaceChildren();
    this.message.textContent = m.message;
    this.scrollToFocus();
  }

  row(row, focused) {
    const m = this.menu;
    const li = el('li');
    li.setAttribute('role', 'menuitem');
    li.setAttribute('aria-selected', String(focused));
    li.dataset.key = row.key;
    if (focused) li.classList.add('focused');
    const kind = m.level() > 0 ? m.kind(row) : 'group';
    const range = m.range(row.key);
    const name = el('span', 'name', kind === 'group' ? row.label : titleOf(row));
    const value = el('span', 'value', kind === 'group' ? '›' : valueText(row, kind, range));
    li.append(name, value);
    if (kind === 'group') return li;
    name.append(el('small', 'key', tail(row.key)));
    const why = unavailable(row, kind);
    if (why) {
      li.classList.add('unavailable');
      li.setAttribute('aria-disabled', 'true');
      name.append(el('small', 'why', why));
    }
    if (row.reads && row.status !== 0) li.classList.add('failed');
    const preview = m.previews[row.key];
    if (preview && row.status === 0) {
      li.classList.add('previewed');
      const set =
        preview.committed === null ? '' : `, set ${shownValue(row, preview.committed, range)}`;
      value.append(el('small', 'live', `preview${set}`));
    }
    return li;
  }

  // Only the list scrolls, and only as far as the focused row needs.
  scrollToFocus() {
    const li = this.list.querySelector('li.focused');
    if (!li) return;
    const top = li.offsetTop; // the list is the row's offset parent
    const bottom = top + li.offsetHeight;
    const view = this.list.clientHeight;
    if (top < this.list.scrollTop) this.list.scrollTop = top;
    else if (bottom > this.list.scrollTop + view) this.list.scrollTop = bottom - view;
  }

  renderEditor(e) {
    const item = this.menu.item(e.key) || { key: e.key, choices: [] };
    const words = this.menu.range(e.key);
    const range = e.kind === 'slider' ? words : null;
    const shown = e.pending === e.live;
    this.editor.className = 'editor';
    if (e.previews && shown && e.pending !== e.committed) this.editor.classList.add('previewing');
    if (e.kind !== 'text' && !shown) this.editor.classList.add('pending');
    const current = el('div', 'current');
    const left = el('span', 'arrow', '◀ ');
    const right = el('span', 'arrow', ' ▶');
    if (range && e.pending <= range.min) left.classList.add('limit');
    if (range && e.pending >= range.max) right.classList.add('limit');
    const text = e.kind === 'text' ? (item.text ?? '') : shownValue(item, e.pending, words);
    current.append(left, el('span', 'text', text), right);
    this.editor.replaceChildren(current);
    if (range) {
      const ends = `${valueWord(range, range.min)} to ${valueWord(range, range.max)}`;
      this.editor.append(el('div', 'range', ends));
    }
  }
}
