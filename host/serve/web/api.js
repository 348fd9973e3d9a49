// Requests to picture-menu serve. Every answer is JSON: a command's record, or
// {"error": reason} with a 4xx status. The event stream tells each request's
// platform calls and log lines, by the number the answer carries.

// This page, for the server to revert its previews when it goes away.
export const PAGE = `${Date.now().toString(36)}-${Math.random().toString(36).slice(2)}`;

// A request that never reached the server.
export class Offline extends Error {
  constructor() {
    super('No connection to the TV: retrying');
    this.name = 'Offline';
  }
}

let connected = true;
const connectionHooks = [];
// onChange(up) when the connection to the server is lost or back.
export const onConnection = (onChange) => connectionHooks.push(onChange);
function setConnected(up) {
  if (up === connected) return;
  connected = up;
  connectionHooks.forEach((hook) => hook(up));
}

async function send(url, init = {}) {
  try {
    return await fetch(url, { ...init, headers: { ...init.headers, 'X-Page': PAGE } });
  } catch {
    setConnected(false);
    throw new Offline();
  }
}

async function answer(response) {
  let body;
  try {
    body = await response.json();
  } catch {
    body = { error: `HTTP ${response.status}` };
  }
  const id = Number(response.headers.get('X-Request-Id') || 0);
  return { http: response.status, body, id };
}

export async function get(path, params = {}) {
  const query = new URLSearchParams(params).toString();
  return answer(await send(query ? `${path}?${query}` : path));
}

export async function post(path, fields) {
  return answer(
    await send(path, {
      method: 'POST',
      headers: { 'Content-Type': 'application/json' },
      body: JSON.stringify(fields),
    }),
  );
}

export const sim = (line) => post('/api/sim', { line });

// The request events seen so far, and waiters for those still to come.
const requests = new Map();
const waiting = new Map();

function remember(event) {
  requests.set(event.id, event);
  if (requests.size > 500) requests.delete(requests.keys().next().value);
  const resolve = waiting.get(event.id);
  if (resolve) {
    waiting.delete(event.id);
    resolve(event);
  }
}

// The event of a request: at once when it came before the answer, else when it comes.
export function requestEvent(id) {
  if (requests.has(id)) return Promise.resolve(requests.get(id));
  return new Promise((resolve) => waiting.set(id, resolve));
}

// Listens to the stream: onRequest(event) for each request, onPanel(values) for new values.
// The browser retries a stream that broke; one the server refused (too many
// open, or a server not yet up) is retried here.
export function listen(hooks) {
  const source = new EventSource(`/api/events?page=${PAGE}`);
  source.addEventListener('request', (e) => {
    const event = JSON.parse(e.data);
    remember(event);
    hooks.onRequest(event);
  });
  source.addEventListener('panel', (e) => hooks.onPanel(JSON.parse(e.data)));
  source.addEventListener('open', () => setConnected(true));
  source.addEventListener('error', () => {
    setConnected(false);
    if (source.readyState === EventSource.CLOSED) setTimeout(() => listen(hooks), 5000);
  });
  return source;
}

// A page that goes away (reload, close, another address) leaves no preview behind.
window.addEventListener('pagehide', () =>
  navigator.sendBeacon('/api/leave', JSON.stringify({ page: PAGE })),
);

// A record's reason in a line: the call that was made to fail, the provider's last line.
export function reasonText(r) {
  return [r.call && `${r.call} returned ${r.result}`, r.log && r.log.trim()]
    .filter(Boolean)
    .join('; ');
}

// Why a request failed, from its event: the provider's last words before its
// exit lines and the last platform call.
export function reason(event) {
  if (!event) return '';
  if (event.error) return event.error;
  const exits = /^(Picture Menu set|PIcture Menu get|ret = \[)/;
  const lines = event.log.map((l) => l.message.trim()).filter((m) => m && !exits.test(m));
  const last = lines.length ? lines[lines.length - 1] : '';
  const call = event.calls.length ? event.calls[event.calls.length - 1] : '';
  return [last, call && `last call ${call}`].filter(Boolean).join('; ');
}
