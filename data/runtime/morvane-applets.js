// Morvane applets: plays the applets that Morvane writes, on a canvas, in today's browsers.
// Built from src/runtime by tools/build-runtime.mjs; edit the sources, not this file.
(() => {
'use strict';
// --- core/params.js
// Parameter declarations and the typed readers behind them. Values come from untrusted page
// text: every reader falls back to the declared default instead of throwing.

const INTEGER = /^\s*[+-]?\d{1,9}\s*$/;
const HEX_COLOR = /^\s*#?([0-9a-fA-F]{6})\s*$/;
const MAX_LIST = 256;

// A default may be a value or a function of the applet's size ({width, height}).
const P = {
  int: (def, { min = 1, max = 1_000_000 } = {}) => ({ type: 'int', def, min, max }),
  text: (def = '') => ({ type: 'text', def }),
  color: (def) => ({ type: 'color', def }),
  // Case-insensitive match against `values`; the stored value is the one from `values`.
  choice: (values, def) => ({ type: 'choice', values, def }),
  // base1, base2, ... up to the count parameter when it is valid, else up to the first gap.
  list: (count) => ({ type: 'list', count, def: [] }),
};

// The <param> children of an applet element, names lower-cased; the first of a name wins.
function readRawParams(element) {
  const raw = new Map();
  for (const child of element.children) {
    if (child.localName !== 'param') continue;
    const name = (child.getAttribute('name') ?? '').trim().toLowerCase();
    if (name && !raw.has(name)) raw.set(name, child.getAttribute('value') ?? '');
  }
  return raw;
}

function defaultOf(decl, size) {
  return typeof decl.def === 'function' ? decl.def(size) : decl.def;
}

function parseInteger(text, min, max) {
  if (typeof text !== 'string' || !INTEGER.test(text)) return null;
  const value = Number.parseInt(text, 10);
  return value >= min && value <= max ? value : null;
}

function parseColor(text) {
  const match = typeof text === 'string' ? HEX_COLOR.exec(text) : null;
  return match ? `#${match[1].toUpperCase()}` : null;
}

function rgbOf(color) {
  const n = Number.parseInt(color.slice(1), 16);
  return [(n >> 16) & 255, (n >> 8) & 255, n & 255];
}

function readList(raw, base, countName) {
  const count = countName ? parseInteger(raw.get(countName), 0, MAX_LIST) : null;
  const items = [];
  for (let i = 1; i <= (count ?? MAX_LIST); i++) {
    const value = raw.get(`${base}${i}`);
    if (value === undefined) {
      if (count === null) break;
      continue;
    }
    if (value !== '') items.push(value);
  }
  return items;
}

// How many entries the numbered list base1, base2, ... holds: its count parameter when that is
// valid, else up to the first missing entry.
function listLength(raw, countName, base) {
  const count = countName ? parseInteger(raw.get(countName), 0, MAX_LIST) : null;
  if (count !== null) return count;
  let n = 0;
  while (n < MAX_LIST && raw.has(`${base}${n + 1}`)) n++;
  return n;
}

// base1 .. base`length`, trimmed, '' where one is missing or empty: parallel lists (texts and
// their links, pictures and their names) stay aligned, where `P.list` leaves out empty entries.
function alignedList(raw, base, length = listLength(raw, null, base)) {
  return Array.from({ length }, (_, i) => (raw.get(`${base}${i + 1}`) ?? '').trim());
}

// Declared names may carry capitals as the generator writes them ("topLeftCorner").
function readOne(raw, declared, decl, size) {
  const name = declared.toLowerCase();
  const text = raw.get(name);
  switch (decl.type) {
    case 'int':
      return parseInteger(text, decl.min, decl.max) ?? defaultOf(decl, size);
    case 'text':
      return text ? text : defaultOf(decl, size);
    case 'color':
      return parseColor(text) ?? defaultOf(decl, size);
    case 'choice': {
      const wanted = (text ?? '').trim().toLowerCase();
      return decl.values.find((v) => String(v).toLowerCase() === wanted) ?? defaultOf(decl, size);
    }
    case 'list':
      return readList(raw, name, decl.count?.toLowerCase());
    default:
      throw new Error(`unknown parameter type ${decl.type}`);
  }
}

// Typed values for every declared parameter.
function resolveParams(decls, raw, size) {
  const values = {};
  for (const [name, decl] of Object.entries(decls)) values[name] = readOne(raw, name, decl, size);
  return values;
}
// --- core/links.js
// Links and media addresses come from page text: only a short list of schemes may be followed.

const LINK_SCHEMES = new Set(['http:', 'https:', 'mailto:']);
const MEDIA_SCHEMES = new Set(['http:', 'https:']);
// A relative address takes the page's scheme; a page opened from the disk is a file: page.
const PAGE_SCHEMES = new Set(['http:', 'https:', 'file:']);
const TARGETS = new Set(['_self', '_blank', '_parent', '_top']);

function isAbsolute(text) {
  try {
    new URL(text);
    return true;
  } catch {
    return false;
  }
}

function resolve(text, base, schemes) {
  if (typeof text !== 'string' || text.trim() === '') return null;
  let url;
  try {
    url = new URL(text, base);
  } catch {
    return null;
  }
  // The URL parser drops tabs and line breaks and trims blanks, so "java\tscript:" and
  // " javascript:" are absolute javascript: addresses here and are refused like the plain one.
  const allowed = isAbsolute(text) ? schemes : PAGE_SCHEMES;
  return allowed.has(url.protocol) ? url.href : null;
}

// The address a link may open, or null when it must not be followed.
function safeLink(link, base) {
  return resolve(link, base, LINK_SCHEMES);
}

// The address an image or sound may load from, or null.
function safeMediaUrl(name, base) {
  return resolve(name, base, MEDIA_SCHEMES);
}

// A window name for window.open: the four reserved names (any case), else a frame name.
function windowTarget(target) {
  const text = (target ?? '').trim();
  if (text === '') return '_self';
  const lower = text.toLowerCase();
  return TARGETS.has(lower) ? lower : text;
}
// --- core/kit.js
// What several kinds draw, read or listen to the same way: the text color that reads on a
// background, a one-line message, the grey push button, a file beside the page, the keys of a
// focused applet.


// Black or white, whichever reads better on `color` ('#RRGGBB').
function inkOn(color) {
  const n = Number.parseInt((color ?? '#000000').slice(1), 16);
  return 0.299 * ((n >> 16) & 255) + 0.587 * ((n >> 8) & 255) + 0.114 * (n & 255) > 140 ? '#000000' : '#FFFFFF';
}

// The background color the page gives the applet, black when it gives none.
function backgroundOf(ctx) {
  return parseColor(ctx.rawParams.get('background_color')) ?? '#000000';
}

// One line in the middle of the applet: what it shows when it has nothing else to show.
function drawMessage(g, ctx, text, ink) {
  g.font = `${Math.max(8, Math.min(12, ctx.height - 4))}px sans-serif`;
  g.textAlign = 'center';
  g.textBaseline = 'middle';
  g.fillStyle = ink;
  g.fillText(text, ctx.width / 2, ctx.height / 2, Math.max(1, ctx.width - 8));
}

const inside = (x, y, r) => x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;

// A raised grey button with its label in the rectangle `r`; a pressed one is sunk.
function drawButton(g, r, label, pressed = false) {
  g.fillStyle = '#D4D0C8';
  g.fillRect(r.x, r.y, r.w, r.h);
  g.fillStyle = pressed ? '#808080' : '#FFFFFF';
  g.fillRect(r.x, r.y, r.w, 1);
  g.fillRect(r.x, r.y, 1, r.h);
  g.fillStyle = pressed ? '#FFFFFF' : '#404040';
  g.fillRect(r.x, r.y + r.h - 1, r.w, 1);
  g.fillRect(r.x + r.w - 1, r.y, 1, r.h);
  g.font = `${Math.max(8, Math.min(13, r.h - 8))}px sans-serif`;
  g.textAlign = 'center';
  g.textBaseline = 'middle';
  g.fillStyle = '#000000';
  g.fillText(label, r.x + r.w / 2, r.y + r.h / 2 + 1, Math.max(1, r.w - 4));
}

// The text (its first `limit` characters) of a file beside the page, or { error } with the one
// line the applet shows instead. Never from the cache: the file may have just changed.
async function readPageFile(name, limit) {
  const url = safeMediaUrl(name, document.baseURI);
  if (!url) return { error: `Cannot read ${name}` };
  // A page opened from the disk may not read other files: say so rather than try.
  if (new URL(url).protocol === 'file:') return { error: `Cannot read ${name}: open the page from a web server` };
  try {
    const response = await fetch(url, { cache: 'no-cache' });
    if (!response.ok) return { error: `Cannot read ${name} (${response.status})` };
    return { text: (await response.text()).slice(0, limit) };
  } catch {
    return { error: `Cannot read ${name}` };
  }
}

// Keys go to `onKey(key, event)` while the canvas has the focus (it takes the focus by tab); a
// true answer keeps the browser from its own use of the key. The applet is redrawn as the focus
// comes and goes, for the kinds that outline their focused part. Returns what stops listening.
function listenKeys(ctx, onKey) {
  const canvas = ctx.canvas;
  if (canvas.tabIndex < 0) canvas.tabIndex = 0;
  const handler = (event) => {
    if (onKey(event.key, event)) event.preventDefault();
  };
  const redraw = () => ctx.invalidate();
  canvas.addEventListener('keydown', handler);
  canvas.addEventListener('focus', redraw);
  canvas.addEventListener('blur', redraw);
  return () => {
    canvas.removeEventListener('keydown', handler);
    canvas.removeEventListener('focus', redraw);
    canvas.removeEventListener('blur', redraw);
  };
}
// --- core/au.js
// AU sound files (".snd" header; mu-law, 8-bit or 16-bit linear, big-endian): browsers do not
// play them, so they are decoded here into float samples for Web Audio.

const MAGIC = 0x2e736e64;
const HEADER_SIZE = 24;
const UNKNOWN_SIZE = 0xffffffff;
const ENCODINGS = { 1: 'mulaw', 2: 'linear8', 3: 'linear16' };

function muLawToLinear(code) {
  const u = ~code & 0xff;
  const exponent = (u >> 4) & 7;
  const magnitude = ((((u & 0x0f) << 3) + 0x84) << exponent) - 0x84;
  return u & 0x80 ? -magnitude : magnitude;
}

const MU_LAW = Float32Array.from({ length: 256 }, (_, code) => muLawToLinear(code) / 32768);

class AuError extends Error {}

// Returns { sampleRate, channels: Float32Array[] }. Throws AuError on anything it cannot play;
// no header field is trusted beyond the bytes really present.
function decodeAu(buffer) {
  const view = new DataView(buffer);
  if (view.byteLength < HEADER_SIZE || view.getUint32(0) !== MAGIC) throw new AuError('not an AU file');
  const offset = view.getUint32(4);
  const declared = view.getUint32(8);
  const encoding = ENCODINGS[view.getUint32(12)];
  const sampleRate = view.getUint32(16);
  const channelCount = view.getUint32(20);
  if (!encoding) throw new AuError(`unsupported AU encoding ${view.getUint32(12)}`);
  if (offset < HEADER_SIZE || offset > view.byteLength) throw new AuError('bad AU data offset');
  if (channelCount < 1 || channelCount > 8) throw new AuError('bad AU channel count');
  if (sampleRate < 1000 || sampleRate > 384000) throw new AuError('bad AU sample rate');

  const available = view.byteLength - offset;
  const size = declared === UNKNOWN_SIZE ? available : Math.min(declared, available);
  const bytesPerSample = encoding === 'linear16' ? 2 : 1;
  const frames = Math.floor(size / (bytesPerSample * channelCount));
  if (frames === 0) throw new AuError('empty AU file');

  const channels = Array.from({ length: channelCount }, () => new Float32Array(frames));
  let at = offset;
  for (let f = 0; f < frames; f++) {
    for (let c = 0; c < channelCount; c++) {
      let sample;
      if (encoding === 'mulaw') sample = MU_LAW[view.getUint8(at)];
      else if (encoding === 'linear8') sample = view.getInt8(at) / 128;
      else sample = view.getInt16(at) / 32768;
      channels[c][f] = sample;
      at += bytesPerSample;
    }
  }
  return { sampleRate, channels };
}

function isAu(buffer) {
  return buffer.byteLength >= 4 && new DataView(buffer).getUint32(0) === MAGIC;
}
// --- core/sound.js
// Sounds through Web Audio. Browsers keep audio suspended until the visitor's first gesture:
// sounds asked to wait for it (the on-load sound) start then; the others are dropped meanwhile.


let audio = null;
const waiting = new Set();
const GESTURES = ['pointerdown', 'keydown', 'touchend'];

function unlock() {
  if (!audio) return;
  audio.resume().then(() => {
    for (const start of waiting) start();
    waiting.clear();
    for (const type of GESTURES) document.removeEventListener(type, unlock, true);
  }, () => {});
}

function audioContext() {
  if (audio) return audio;
  const Context = globalThis.AudioContext ?? globalThis.webkitAudioContext;
  if (!Context) return null;
  audio = new Context();
  for (const type of GESTURES) document.addEventListener(type, unlock, true);
  return audio;
}

async function decode(context, bytes) {
  if (isAu(bytes)) {
    const { sampleRate, channels } = decodeAu(bytes);
    const buffer = context.createBuffer(channels.length, channels[0].length, sampleRate);
    channels.forEach((samples, c) => buffer.copyToChannel(samples, c));
    return buffer;
  }
  return context.decodeAudioData(bytes);
}

// A sound named by a parameter, loaded in the background. play() before it has loaded plays it
// as soon as it has; a sound that cannot load stays silent and logs one line.
class Sound {
  constructor(name, base, log) {
    this.source = null;
    this.pending = null;
    this.stopped = false;
    const url = safeMediaUrl(name, base);
    const context = url && audioContext();
    this.ready = !context
      ? Promise.resolve(null)
      : fetch(url)
          .then((response) => {
            if (!response.ok) throw new Error(`HTTP ${response.status}`);
            return response.arrayBuffer();
          })
          .then((bytes) => decode(context, bytes))
          .catch((error) => {
            log(`sound ${name} not played (${error.message})`);
            return null;
          });
    this.ready.then((buffer) => {
      this.buffer = buffer;
      if (buffer && this.pending) this.play(this.pending);
    });
  }

  // options: { loop, waitForGesture }
  play(options = {}) {
    if (this.stopped) return;
    if (!this.buffer) {
      this.pending = options;
      return;
    }
    this.pending = null;
    const start = () => {
      if (this.stopped) return;
      if (options.loop) this.stopSource();
      const source = audio.createBufferSource();
      source.buffer = this.buffer;
      source.loop = Boolean(options.loop);
      source.connect(audio.destination);
      source.start();
      // The latest source, so that stop() and stopSource() also end a clip still playing.
      this.source = source;
    };
    if (audio.state === 'running') start();
    else if (options.waitForGesture) waiting.add(start);
  }

  stopSource() {
    if (this.source) {
      try {
        this.source.stop();
      } catch {
        // already ended
      }
      this.source = null;
    }
  }

  stop() {
    this.stopped = true;
    this.stopSource();
  }
}
// --- core/images.js
// Images named by parameters, and their pixels where the browser lets the page read them.


// Resolves to the loaded image, or null (refused address, missing or broken file).
function loadImage(name, base, log) {
  const url = safeMediaUrl(name, base);
  if (!url) {
    log(`image ${name} not loaded (address refused)`);
    return Promise.resolve(null);
  }
  return new Promise((resolve) => {
    const image = new Image();
    image.onload = () => resolve(image);
    image.onerror = () => {
      log(`image ${name} not loaded`);
      resolve(null);
    };
    image.src = url;
  });
}

// The image's pixels at the given size, or null when the browser forbids reading them (a page
// opened from the disk cannot read its own images); pixel kinds then draw without pixel work.
function imagePixels(image, width = image.naturalWidth, height = image.naturalHeight) {
  const canvas = document.createElement('canvas');
  canvas.width = Math.max(1, width);
  canvas.height = Math.max(1, height);
  const g = canvas.getContext('2d', { willReadFrequently: true });
  g.drawImage(image, 0, 0, canvas.width, canvas.height);
  try {
    return g.getImageData(0, 0, canvas.width, canvas.height);
  } catch {
    return null;
  }
}
// --- core/loop.js
// One animation loop for every applet of the page: each applet steps at its own pause, and
// nothing steps or draws while the applet is out of view or the tab is hidden.

// After a long stall (a slow machine, a debugger) the animation resumes instead of catching up.
const MAX_STEPS = 8;

const applets = new Set();
let frame = 0;
let observer = null;
let clock = null;

// A page that defines `morvaneAppletsClock = { now: 0 }` before the script drives the time
// itself: the loop then reads the time from it, and `advance(ms)` steps every applet at once,
// so an animation goes exactly as far whatever the machine's load.
function useManualClock(hook) {
  clock = hook;
  hook.now = Number(hook.now) || 0;
  hook.advance = (ms) => {
    hook.now += ms;
    run(hook.now);
  };
}

function loopNow() {
  return clock ? clock.now : performance.now();
}

function tick(now) {
  frame = 0;
  run(clock ? clock.now : now);
}

function run(now) {
  if (document.hidden) return;
  let again = false;
  for (const applet of applets) {
    if (!applet.canvas.isConnected) {
      applets.delete(applet);
      observer?.unobserve(applet.canvas);
      applet.dispose();
      continue;
    }
    if (!applet.visible) continue;
    applet.tick(now);
    if (applet.animated || applet.dirty) again = true;
  }
  if (again) wake();
}

function wake() {
  if (!frame && !document.hidden) frame = requestAnimationFrame(tick);
}

function visibilityObserver() {
  if (!observer && typeof IntersectionObserver === 'function') {
    observer = new IntersectionObserver((entries) => {
      for (const entry of entries) {
        const applet = entry.target.morvaneApplet;
        if (applet) applet.setVisible(entry.isIntersecting);
      }
      wake();
    });
    document.addEventListener('visibilitychange', wake);
  }
  return observer;
}

function addToLoop(applet) {
  applets.add(applet);
  const io = visibilityObserver();
  if (io) io.observe(applet.canvas);
  else applet.setVisible(true);
  wake();
}

function removeFromLoop(applet) {
  applets.delete(applet);
  observer?.unobserve(applet.canvas);
}

// Steps owed to an applet whose last step was at `last`: [steps, new last].
function stepsDue(now, last, pause) {
  const steps = Math.floor((now - last) / pause);
  if (steps <= 0) return [0, last];
  if (steps > MAX_STEPS) return [1, now];
  return [steps, last + steps * pause];
}
// --- core/common.js
// The parameters every kind shares: background, sounds, tooltip, mouse-over effects, click link.


const COMMON_PARAMS = {
  background_color: P.color('#000000'),
  background_image: P.text(),
  status_bar_text: P.text(),
  sound_name: P.text(),
  loop_sound: P.choice(['yes', 'no'], 'no'),
  enter_sound_name: P.text(),
  enter_background_color: P.color(null),
  enter_text: P.text(),
  enter_text_color: P.color('#000000'),
  enter_text_height: P.int(10, { max: 2000 }),
  clic_sound_name: P.text(),
  link: P.text(),
  target: P.text('_self'),
};

// Opens a link the way a click on the applet does; false when the link is refused.
function openLink(link, target, base) {
  const url = safeLink(link, base);
  if (!url) return false;
  const name = windowTarget(target);
  if (name === '_self') window.location.assign(url);
  else window.open(url, name, name === '_blank' ? 'noopener' : '');
  return true;
}

// `kindParams` names the parameters the kind declares itself: a kind whose own "link" is a
// button's link keeps it from acting as the click link.
class Common {
  constructor(applet, values, kindParams) {
    this.applet = applet;
    const own = (name) => Object.hasOwn(kindParams, name);
    const v = (name) => (own(name) ? COMMON_PARAMS[name].def : values[name]);
    this.background = v('background_color');
    this.hoverBackground = v('enter_background_color');
    this.message = v('enter_text');
    this.messageColor = v('enter_text_color');
    this.messageHeight = v('enter_text_height');
    this.link = v('link');
    this.target = v('target');
    this.pattern = null;

    const canvas = applet.canvas;
    if (v('status_bar_text')) canvas.title = v('status_bar_text');
    if (this.link) {
      canvas.style.cursor = 'pointer';
      canvas.tabIndex = 0;
      canvas.setAttribute('role', 'link');
    }
    const sound = (name) => (v(name) ? applet.loadSound(v(name)) : null);
    this.loadSound = sound('sound_name');
    this.enterSound = sound('enter_sound_name');
    this.clickSound = sound('clic_sound_name');
    this.loadSound?.play({ loop: v('loop_sound') === 'yes', waitForGesture: true });

    if (v('background_image')) {
      this.imageReady = applet.loadImage(v('background_image')).then((image) => {
        if (image) this.pattern = applet.g.createPattern(image, 'repeat');
        applet.invalidate();
      });
    }
  }

  enter() {
    this.enterSound?.play();
    if (this.hoverBackground || this.message) this.applet.invalidate();
  }

  leave() {
    if (this.hoverBackground || this.message) this.applet.invalidate();
  }

  click() {
    this.clickSound?.play();
    if (this.link && !openLink(this.link, this.target, document.baseURI)) {
      this.applet.log(`link ${JSON.stringify(this.link)} not followed`);
    }
  }

  paintBackground(g, width, height) {
    g.fillStyle = (this.applet.hovered && this.hoverBackground) || this.background;
    g.fillRect(0, 0, width, height);
    if (this.pattern) {
      g.fillStyle = this.pattern;
      g.fillRect(0, 0, width, height);
    }
  }

  paintOverlay(g, width, height) {
    if (!this.applet.hovered || !this.message) return;
    g.save();
    g.font = `${this.messageHeight}px sans-serif`;
    g.textAlign = 'center';
    g.textBaseline = 'middle';
    g.fillStyle = this.messageColor;
    g.fillText(this.message, width / 2, height / 2);
    g.restore();
  }

  dispose() {
    for (const sound of [this.loadSound, this.enterSound, this.clickSound]) sound?.stop();
  }
}
// --- core/applet.js
// The kinds registry and one running applet: its canvas in place of the element, its typed
// parameters, the common parameters around the kind's drawing, and its pointer events.


const kinds = new Map();
const MAX_SIDE = 4096;

function log(message) {
  console.warn(`morvane-applets: ${message}`);
}

// definition: { params: {name: P.int(...), ...}, common: true, create(ctx) -> kind object }
function registerKind(name, definition) {
  if (typeof definition?.create !== 'function') throw new Error(`kind ${name} has no create()`);
  kinds.set(name, { params: {}, common: true, ...definition });
}

function findKind(name) {
  return kinds.get(name) ?? null;
}

function kindNames() {
  return [...kinds.keys()];
}

const POINTER_EVENTS = ['pointerenter', 'pointerleave', 'pointermove', 'pointerdown', 'pointerup', 'click'];

class Applet {
  constructor(element, kind, name) {
    const width = parseInteger(element.getAttribute('width') ?? '', 1, MAX_SIDE);
    const height = parseInteger(element.getAttribute('height') ?? '', 1, MAX_SIDE);
    if (!width || !height) throw new Error(`${name}: WIDTH and HEIGHT must be whole numbers from 1 to ${MAX_SIDE}`);
    this.element = element;
    this.name = name;
    this.width = width;
    this.height = height;
    this.visible = false;
    this.hovered = false;
    this.dirty = true;
    this.last = null;
    this.instance = null;
    this.disposed = false;

    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    canvas.className = 'morvane-applet';
    canvas.dataset.kind = name;
    canvas.morvaneApplet = this;
    this.canvas = canvas;
    this.g = canvas.getContext('2d');

    const raw = readRawParams(element);
    this.rawParams = raw;
    const size = { width, height };
    this.params = resolveParams(kind.params, raw, size);
    this.savedDisplay = element.style.display;
    element.before(canvas);
    element.style.display = 'none';
    element.morvaneApplet = this;

    this.common = kind.common ? new Common(this, resolveParams(COMMON_PARAMS, raw, size), kind.params) : null;
    for (const type of POINTER_EVENTS) canvas.addEventListener(type, (event) => this.pointer(type, event));
    canvas.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') this.common?.click();
    });
    this.render();

    this.ready = Promise.resolve()
      .then(() => kind.create(this.context()))
      .then((instance) => {
        if (this.disposed) return;
        if (!instance || typeof instance.draw !== 'function') throw new Error('create() returned no draw()');
        this.instance = instance;
        this.dirty = true;
        addToLoop(this);
      })
      .catch((error) => this.fail(error));
  }

  // What a kind sees of its applet (documented in the runtime's README).
  context() {
    const applet = this;
    return {
      width: this.width,
      height: this.height,
      canvas: this.canvas,
      g: this.g,
      params: this.params,
      rawParams: this.rawParams,
      get hovered() {
        return applet.hovered;
      },
      loadImage: (name) => this.loadImage(name),
      loadImages: (names) => Promise.all(names.map((n) => this.loadImage(n))).then((list) => list.filter(Boolean)),
      loadSound: (name) => this.loadSound(name),
      imagePixels,
      openLink: (link, target) => openLink(link, target, document.baseURI),
      invalidate: () => this.invalidate(),
      paintBackground: (g = this.g) => this.paintBackground(g),
      log: (message) => this.log(message),
      now: loopNow,
    };
  }

  get animated() {
    return this.instance?.pause > 0;
  }

  log(message) {
    log(`${this.name}: ${message}`);
  }

  loadImage(name) {
    return loadImage(name, document.baseURI, (m) => this.log(m));
  }

  loadSound(name) {
    return new Sound(name, document.baseURI, (m) => this.log(m));
  }

  invalidate() {
    this.dirty = true;
    wake();
  }

  setVisible(visible) {
    this.visible = visible;
    this.last = null;
    if (visible) this.dirty = true;
  }

  tick(now) {
    const pause = this.instance.pause;
    if (pause > 0) {
      if (this.last === null) this.last = now;
      const [steps, last] = stepsDue(now, this.last, pause);
      this.last = last;
      if (steps > 0) {
        this.guard(() => this.instance.step?.(steps));
        this.dirty = true;
      }
    }
    if (this.dirty) this.render();
  }

  paintBackground(g) {
    if (this.common) this.common.paintBackground(g, this.width, this.height);
  }

  render() {
    if (this.disposed) return;
    this.dirty = false;
    this.guard(() => {
      const g = this.g;
      if (!this.instance?.paintsBackground) this.paintBackground(g);
      this.instance?.draw(g);
      this.common?.paintOverlay(g, this.width, this.height);
    });
  }

  pointer(type, event) {
    if (this.disposed) return;
    const box = this.canvas.getBoundingClientRect();
    const x = ((event.clientX - box.left) * this.width) / (box.width || 1);
    const y = ((event.clientY - box.top) * this.height) / (box.height || 1);
    if (type === 'pointerenter') {
      this.hovered = true;
      this.common?.enter();
    } else if (type === 'pointerleave') {
      this.hovered = false;
      this.common?.leave();
    } else if (type === 'click') {
      this.common?.click();
    }
    if (this.instance?.pointer) this.guard(() => this.instance.pointer(type.replace('pointer', ''), x, y, event));
  }

  guard(action) {
    try {
      action();
    } catch (error) {
      this.fail(error);
    }
  }

  // A failing applet gives the page back its element, so the no-Java text shows again.
  fail(error) {
    if (this.disposed) return;
    this.log(`stopped: ${error?.message ?? error}`);
    this.dispose();
    this.canvas.remove();
    this.element.style.display = this.savedDisplay;
  }

  dispose() {
    if (this.disposed) return;
    this.disposed = true;
    removeFromLoop(this);
    this.common?.dispose();
    try {
      this.instance?.dispose?.();
    } catch {
      // the applet is going away anyway
    }
  }
}
// --- core/loader.js
// Finds the applet elements of the page, now and whenever the page inserts more.


const seen = new WeakSet();

// "Stars.class", "Stars", "classes/Stars.class" all name the kind Stars.
function kindNameOf(code) {
  const file = (code ?? '').trim().split('/').pop();
  return file.endsWith('.class') ? file.slice(0, -'.class'.length) : file;
}

function startApplet(element) {
  if (seen.has(element)) return;
  seen.add(element);
  const code = element.getAttribute('code') ?? '';
  const kind = findKind(kindNameOf(code));
  if (!kind) {
    log(`unknown applet ${JSON.stringify(code)} left as it is`);
    return;
  }
  try {
    new Applet(element, kind, kindNameOf(code));
  } catch (error) {
    log(error.message);
  }
}

function startApplets(root) {
  if (root.nodeType !== Node.ELEMENT_NODE && root.nodeType !== Node.DOCUMENT_NODE) return;
  if (root.localName === 'applet') startApplet(root);
  for (const element of root.querySelectorAll('applet')) startApplet(element);
}

function stopApplets(root) {
  if (root.nodeType !== Node.ELEMENT_NODE) return;
  const elements = root.localName === 'applet' ? [root] : root.querySelectorAll('applet');
  for (const element of elements) {
    const applet = element.morvaneApplet;
    if (applet && !element.isConnected) {
      applet.dispose();
      applet.canvas.remove();
    }
  }
}

function watchPage() {
  const observer = new MutationObserver((records) => {
    for (const record of records) {
      for (const node of record.removedNodes) stopApplets(node);
      for (const node of record.addedNodes) if (node.isConnected) startApplets(node);
    }
  });
  observer.observe(document.documentElement, { childList: true, subtree: true });
}
// --- kinds/data.js
{
// Data and tools: a graph and a table drawn from a data file beside the page, a color picker
// that shows the HTML code of a color, and the visitor's address label.


const MAX_FILE = 4 * 1024 * 1024;
const MAX_ROWS = 20000;
const FONT = 'px sans-serif';

// The data file's text, or { error } with the one line the applet shows.
function readDataFile(name) {
  return name ? readPageFile(name, MAX_FILE) : Promise.resolve({ error: 'No data file' });
}

function lines(text) {
  const all = text.split(/\r\n|\r|\n/);
  while (all.length && all[all.length - 1].trim() === '') all.pop();
  return all.slice(0, MAX_ROWS);
}

// A frame of `size` pixels around the applet.
function drawBorder(g, ctx, size, color) {
  if (size <= 0) return;
  g.fillStyle = color;
  g.fillRect(0, 0, ctx.width, size);
  g.fillRect(0, ctx.height - size, ctx.width, size);
  g.fillRect(0, 0, size, ctx.height);
  g.fillRect(ctx.width - size, 0, size, ctx.height);
}

// --- Graph

// Rows of numbers from a file of space-separated columns: [x, y1, y2, ...]; a cell that is not
// a number is NaN, which breaks its curve there. Rows without a number for X are left out.
function graphData(text) {
  const rows = [];
  for (const line of lines(text)) {
    const cells = line.trim().split(/\s+/);
    if (cells[0] === '' || cells[0].startsWith('#')) continue;
    const row = cells.map((cell) => (/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(cell) ? Number(cell) : NaN));
    if (Number.isFinite(row[0])) rows.push(row);
  }
  return rows;
}

// Round steps (1, 2 or 5 times a power of ten) giving about `count` ticks over the range.
function ticks(lo, hi, count = 5) {
  const raw = (hi - lo) / count;
  const power = 10 ** Math.floor(Math.log10(raw));
  const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw) ?? 10 * power;
  const out = [];
  for (let v = Math.ceil(lo / step - 1e-9) * step; v <= hi + step * 1e-9 && out.length < 50; v += step) out.push(Number(v.toPrecision(12)));
  return out;
}

function numberOr(value, fallback) {
  const n = typeof value === 'string' ? Number(value.trim()) : value;
  return typeof n === 'number' && Number.isFinite(n) && String(value).trim() !== '' ? n : fallback;
}

// The range an axis shows: from its minimum boundary to the largest value.
function axisRange(min, values) {
  let hi = -Infinity;
  for (const v of values) if (Number.isFinite(v) && v > hi) hi = v;
  return [min, hi > min ? hi : min + 1];
}

const CURVE_COLORS = ['#0000FF', '#FF0000', '#008000', '#FF00FF', '#FF8000', '#008080', '#808000', '#800080'];

// Minimum boundaries are free text on the page; a number with decimals is kept.
const numberText = (def) => ({ ...P.text(), def });

registerKind('Graph', {
  params: {
    title: P.text(),
    xlabel_title: P.text(),
    ylabel_title: P.text(),
    xmin: numberText(0),
    ymin: numberText(0),
    border: P.int(0, { min: 0, max: 1000 }),
    data_file: P.text(),
    linked: P.choice(['yes', 'no'], 'yes'),
    border_color: P.color('#FFFFFF'),
  },
  async create(ctx) {
    const p = ctx.params;
    const ink = inkOn(backgroundOf(ctx));
    const file = await readDataFile(p.data_file);
    const rows = file.text === undefined ? [] : graphData(file.text);
    const message = file.error ?? (rows.length === 0 ? `No data in ${p.data_file}` : null);
    if (message) ctx.log(message);
    const columns = rows.reduce((n, row) => Math.max(n, row.length), 0);
    const [x0, x1] = axisRange(numberOr(p.xmin, 0), rows.map((r) => r[0]));
    const [y0, y1] = axisRange(numberOr(p.ymin, 0), rows.flatMap((r) => r.slice(1)));
    const xTicks = ticks(x0, x1);
    const yTicks = ticks(y0, y1);
    const label = (v) => String(Math.abs(v) >= 1e6 || (v !== 0 && Math.abs(v) < 1e-3) ? v.toExponential(1) : v);

    return {
      draw(g) {
        const b = p.border;
        drawBorder(g, ctx, b, p.border_color);
        if (message) {
          drawMessage(g, ctx, message, ink);
          return;
        }
        const small = Math.max(8, Math.min(11, Math.floor(ctx.height / 22)));
        const big = Math.max(9, Math.min(15, Math.floor(ctx.height / 16)));
        g.fillStyle = ink;
        g.textBaseline = 'top';
        g.textAlign = 'center';
        g.font = `bold ${big}${FONT}`;
        g.fillText(p.title, ctx.width / 2, b + 4, Math.max(1, ctx.width - 2 * b - 8));
        g.font = `${small}${FONT}`;
        const tickWidth = Math.max(...yTicks.map((v) => g.measureText(label(v)).width));
        const area = {
          left: b + 6 + small + 4 + tickWidth + 4,
          right: ctx.width - b - 12,
          top: b + 4 + big + 8,
          bottom: ctx.height - b - 6 - small - 4 - small - 4,
        };
        if (area.right - area.left < 10 || area.bottom - area.top < 10) return;
        const px = (v) => area.left + ((v - x0) / (x1 - x0)) * (area.right - area.left);
        const py = (v) => area.bottom - ((v - y0) / (y1 - y0)) * (area.bottom - area.top);

        g.fillText(p.xlabel_title, (area.left + area.right) / 2, ctx.height - b - 4 - small, Math.max(1, area.right - area.left));
        g.save();
        g.translate(b + 4, (area.top + area.bottom) / 2);
        g.rotate(-Math.PI / 2);
        g.fillText(p.ylabel_title, 0, 0, Math.max(1, area.bottom - area.top));
        g.restore();

        g.strokeStyle = ink;
        g.lineWidth = 1;
        g.beginPath();
        for (const v of xTicks) {
          const x = Math.round(px(v)) + 0.5;
          g.moveTo(x, area.bottom);
          g.lineTo(x, area.bottom + 4);
          g.fillText(label(v), x, area.bottom + 5);
        }
        g.textAlign = 'right';
        g.textBaseline = 'middle';
        for (const v of yTicks) {
          const y = Math.round(py(v)) + 0.5;
          g.moveTo(area.left - 4, y);
          g.lineTo(area.left, y);
          g.fillText(label(v), area.left - 6, y);
        }
        g.moveTo(area.left + 0.5, area.top);
        g.lineTo(area.left + 0.5, area.bottom + 0.5);
        g.lineTo(area.right, area.bottom + 0.5);
        g.stroke();

        g.save();
        g.beginPath();
        g.rect(area.left - 3, area.top - 3, area.right - area.left + 6, area.bottom - area.top + 6);
        g.clip();
        for (let c = 1; c < columns; c++) {
          const color = CURVE_COLORS[(c - 1) % CURVE_COLORS.length];
          g.strokeStyle = color;
          g.fillStyle = color;
          g.lineWidth = 1.5;
          g.beginPath();
          let drawing = false;
          for (const row of rows) {
            const v = row[c];
            if (!Number.isFinite(v)) {
              drawing = false;
              continue;
            }
            const x = px(row[0]);
            const y = py(v);
            g.fillRect(x - 2, y - 2, 4, 4);
            if (p.linked === 'yes') {
              if (drawing) g.lineTo(x, y);
              else g.moveTo(x, y);
              drawing = true;
            }
          }
          g.stroke();
        }
        g.restore();
      },
    };
  },
});

// --- Table

const ROW = 18;
const PAD = 6;
const TITLE_MODES = ['0', '1', '2'];

// The title row and the data rows the page asks for, from the file's lines. The first line as
// title takes that line only: asking also to skip the first row does not drop a data row.
function tableRows(fileLines, { titleMode, titleRow, skipFirst }) {
  const cells = (line) => line.split(',').map((cell) => cell.trim());
  let data = fileLines;
  let title = null;
  if (titleMode === '1') {
    title = data.length ? cells(data[0]) : null;
    data = data.slice(1);
  } else {
    if (skipFirst) data = data.slice(1);
    if (titleMode === '2' && titleRow) title = cells(titleRow);
  }
  return { title, rows: data.map(cells) };
}

registerKind('Table', {
  params: {
    title_row: P.text(),
    border: P.int(0, { min: 0, max: 100 }),
    data_file: P.text(),
    skip_first_row: P.choice(['1', '0'], '0'),
    title_mode: P.choice(TITLE_MODES, '0'),
    border_color: P.color('#FFFFFF'),
    background_color2: P.color(null),
    columns_color: P.color('#FFFFFF'),
  },
  async create(ctx) {
    const p = ctx.params;
    const raw = ctx.rawParams;
    const ink = inkOn(backgroundOf(ctx));
    const file = await readDataFile(p.data_file);
    if (file.error) ctx.log(file.error);
    const { title, rows } = file.text === undefined
      ? { title: null, rows: [] }
      : tableRows(lines(file.text), { titleMode: p.title_mode, titleRow: p.title_row, skipFirst: p.skip_first_row === '1' });
    const all = title ? [title, ...rows] : rows;
    const count = all.reduce((n, row) => Math.max(n, row.length), 0);
    const colors = Array.from({ length: count }, (_, i) => parseColor(raw.get(`columns_color${i + 1}`)) ?? p.columns_color);
    const b = p.border;

    // Column widths from the widest cell, spread over the applet's width.
    const g0 = ctx.g;
    const widths = new Array(count).fill(PAD * 2);
    g0.font = `bold 12${FONT}`;
    for (const row of all) row.forEach((cell, i) => (widths[i] = Math.max(widths[i], g0.measureText(cell).width + PAD * 2)));
    const room = ctx.width - b * (count + 1);
    const total = widths.reduce((s, w) => s + w, 0) || 1;
    const xs = [b];
    for (let i = 0; i < count; i++) xs.push(xs[i] + Math.max(1, Math.floor((widths[i] * room) / total)) + b);

    const head = title ? 2 * (ROW + b) : 0; // the title row, then a blank row
    const shown = Math.max(1, Math.floor((ctx.height - b - head) / (ROW + b)));
    let first = 0;
    const scroll = (by) => {
      const next = Math.max(0, Math.min(rows.length - shown, first + by));
      if (next === first) return false;
      first = next;
      ctx.invalidate();
      return true;
    };
    const stop = listenKeys(ctx, (key) => {
      const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: shown, PageUp: -shown, Home: -rows.length, End: rows.length };
      return key in moves && (scroll(moves[key]), true);
    });
    const wheel = (event) => {
      if (scroll(Math.sign(event.deltaY) * 3)) event.preventDefault();
    };
    ctx.canvas.addEventListener('wheel', wheel, { passive: false });

    const drawRow = (g, row, y, bold) => {
      g.font = `${bold ? 'bold ' : ''}12${FONT}`;
      for (let i = 0; i < row.length; i++) {
        g.fillStyle = bold ? ink : colors[i];
        g.fillText(row[i], xs[i] + PAD, y + ROW / 2, Math.max(1, xs[i + 1] - xs[i] - b - PAD * 2));
      }
    };
    return {
      draw(g) {
        if (file.error) {
          drawMessage(g, ctx, file.error, ink);
          return;
        }
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        // Top edges of the grid's horizontal lines, the blank row under the title included.
        const edges = [0];
        let y = b;
        if (title) {
          drawRow(g, title, y, true);
          edges.push(y + ROW, y + 2 * ROW + b);
          y += head;
        }
        const end = Math.min(rows.length, first + shown);
        for (let r = first; r < end; r++, y += ROW + b) {
          if (p.background_color2 && r % 2 === 1) {
            g.fillStyle = p.background_color2;
            g.fillRect(xs[0], y, xs[count] - xs[0] - b, ROW);
          }
          drawRow(g, rows[r], y, false);
          edges.push(y + ROW);
        }
        if (b > 0 && count > 0) {
          g.fillStyle = p.border_color;
          for (const edge of edges) g.fillRect(0, edge, xs[count], b);
          for (const x of xs) g.fillRect(x - b, 0, b, edges[edges.length - 1] + b);
        }
      },
      dispose() {
        stop();
        ctx.canvas.removeEventListener('wheel', wheel);
      },
    };
  },
});

// --- HexColor: a palette of hues and shades; the color under the mouse, or the one clicked, is
// shown beside its HTML code.

function hslToRgb(h, s, l) {
  const k = (n) => (n + h / 30) % 12;
  const a = s * Math.min(l, 1 - l);
  const f = (n) => l - a * Math.max(-1, Math.min(k(n) - 3, Math.min(9 - k(n), 1)));
  return [Math.round(f(0) * 255), Math.round(f(8) * 255), Math.round(f(4) * 255)];
}

function hexOf(r, g, b) {
  return `#${((1 << 24) | (r << 16) | (g << 8) | b).toString(16).slice(1).toUpperCase()}`;
}

// Hues across, from white at the top to black at the bottom; the right-hand strip holds greys.
function palette(width, height) {
  const image = new ImageData(width, height);
  const grey = Math.max(6, Math.round(width / 12));
  const hues = Math.max(1, width - grey);
  for (let y = 0; y < height; y++) {
    const l = 1 - (y + 0.5) / height;
    for (let x = 0; x < width; x++) {
      const [r, g, b] = x < hues ? hslToRgb((x * 360) / hues, 1, l) : [l * 255, l * 255, l * 255].map(Math.round);
      const i = (y * width + x) * 4;
      image.data[i] = r;
      image.data[i + 1] = g;
      image.data[i + 2] = b;
      image.data[i + 3] = 255;
    }
  }
  return image;
}

registerKind('HexColor', {
  create(ctx) {
    const bar = Math.max(12, Math.min(24, Math.round(ctx.height / 5)));
    const h = Math.max(1, ctx.height - bar);
    const image = palette(ctx.width, h);
    const surface = document.createElement('canvas');
    surface.width = ctx.width;
    surface.height = h;
    surface.getContext('2d').putImageData(image, 0, 0);
    const colorAt = ({ x, y }) => {
      const i = (y * ctx.width + x) * 4;
      return hexOf(image.data[i], image.data[i + 1], image.data[i + 2]);
    };
    const clamp = (x, y) => ({ x: Math.max(0, Math.min(ctx.width - 1, Math.floor(x))), y: Math.max(0, Math.min(h - 1, Math.floor(y))) });
    let picked = clamp(ctx.width / 3, h / 2);
    let over = null;
    ctx.canvas.style.cursor = 'crosshair';
    const stop = listenKeys(ctx, (key, event) => {
      const by = event.shiftKey ? 10 : 1;
      const moves = { ArrowLeft: [-by, 0], ArrowRight: [by, 0], ArrowUp: [0, -by], ArrowDown: [0, by] };
      if (!(key in moves)) return false;
      picked = clamp(picked.x + moves[key][0], picked.y + moves[key][1]);
      over = null;
      ctx.invalidate();
      return true;
    });
    return {
      pointer(type, x, y) {
        const inPalette = type !== 'leave' && y < h;
        if (type === 'click' && inPalette) picked = clamp(x, y);
        over = inPalette ? clamp(x, y) : null;
        ctx.invalidate();
      },
      draw(g) {
        g.drawImage(surface, 0, 0);
        g.strokeStyle = '#000000';
        g.lineWidth = 1;
        g.strokeRect(picked.x - 3.5, picked.y - 3.5, 7, 7);
        g.strokeStyle = '#FFFFFF';
        g.strokeRect(picked.x - 2.5, picked.y - 2.5, 5, 5);
        const color = colorAt(over ?? picked);
        g.fillStyle = '#E0E0E0';
        g.fillRect(0, h, ctx.width, bar);
        g.fillStyle = color;
        g.fillRect(2, h + 2, Math.max(4, bar * 2), bar - 4);
        g.strokeStyle = '#000000';
        g.strokeRect(2.5, h + 2.5, Math.max(4, bar * 2) - 1, bar - 5);
        g.fillStyle = '#000000';
        g.font = `${Math.max(8, bar - 8)}px monospace`;
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        g.fillText(color, bar * 2 + 8, h + bar / 2, Math.max(1, ctx.width - bar * 2 - 10));
      },
      dispose: stop,
    };
  },
});

// --- IPViewer: a browser does not tell a page the visitor's address; only a server sees it.

const IP_NOTE = '(known only to the web server)';

registerKind('IPViewer', {
  params: { text: P.text('Your IP is:') },
  create(ctx) {
    const ink = inkOn(backgroundOf(ctx));
    const twoLines = ctx.height >= 24;
    const size = Math.max(8, Math.min(16, Math.floor((twoLines ? ctx.height / 2 : ctx.height) - 4)));
    return {
      draw(g) {
        g.font = `${size}${FONT}`;
        g.textAlign = 'center';
        g.textBaseline = 'middle';
        g.fillStyle = ink;
        const w = Math.max(1, ctx.width - 8);
        if (twoLines) {
          g.fillText(ctx.params.text, ctx.width / 2, ctx.height / 2 - size * 0.6, w);
          g.fillText(IP_NOTE, ctx.width / 2, ctx.height / 2 + size * 0.6, w);
        } else g.fillText(`${ctx.params.text} ${IP_NOTE}`, ctx.width / 2, ctx.height / 2, w);
      },
    };
  },
});
}
// --- kinds/fade.js
{
// Images that fade into one another, each held a while at full strength.


// Position in the cycle: which image shows, and how far the next one has faded in (0..1).
function fadeState(stepIndex, imageCount, frames, holdSteps) {
  const period = holdSteps + frames;
  const image = Math.floor(stepIndex / period) % imageCount;
  const inPeriod = stepIndex % period;
  return { image, next: (image + 1) % imageCount, amount: inPeriod < holdSteps ? 0 : (inPeriod - holdSteps + 1) / frames };
}

function drawCentred(g, image, width, height, alpha) {
  g.globalAlpha = alpha;
  g.drawImage(image, Math.round((width - image.naturalWidth) / 2), Math.round((height - image.naturalHeight) / 2));
  g.globalAlpha = 1;
}

registerKind('Fade', {
  params: {
    pause: P.int(20),
    pause2: P.int(300),
    frame_number: P.int(50, { max: 10000 }),
    image: P.list('image_number'),
  },
  async create(ctx) {
    const { pause, pause2, frame_number: frames, image: names } = ctx.params;
    const images = await ctx.loadImages(names);
    const holdSteps = Math.max(1, Math.round(pause2 / pause));
    let index = 0;
    return {
      pause: images.length > 1 ? pause : 0,
      step(n) {
        index += n;
      },
      draw(g) {
        if (images.length === 0) return;
        const { image, next, amount } = fadeState(index, images.length, frames, holdSteps);
        drawCentred(g, images[image], ctx.width, ctx.height, 1);
        if (amount > 0) drawCentred(g, images[next], ctx.width, ctx.height, amount);
      },
    };
  },
});
}
// --- kinds/forms.js
{
// Forms: a guest book that shows the messages of its file and mails the visitor's own, and a
// login window that leads each member to his page. The login list is a plain file beside the
// page that anyone can read: it keeps casual visitors out and protects nothing.


const FONT = 'px sans-serif';
const MAX_FILE = 1024 * 1024;
const MAX_FIELD = 4000;

// --- GuestBook

// Messages of the guest-book file: blocks of "Name:", "E-mail:" and "Date:" lines, then the
// text, each block ended by a line holding only "%%" (the last one may lack it).
function guestBookMessages(text) {
  const messages = [];
  let current = null;
  const flush = () => {
    if (current && (current.name || current.email || current.lines.some((l) => l.trim()))) {
      while (current.lines.length && !current.lines[current.lines.length - 1].trim()) current.lines.pop();
      messages.push(current);
    }
    current = null;
  };
  for (const line of text.split(/\r\n|\r|\n/)) {
    if (line.trim() === '%%') {
      flush();
      continue;
    }
    current ??= { name: '', email: '', date: '', lines: [] };
    const field = current.lines.length === 0 ? /^(Name|E-mail|Date):\s?(.*)$/i.exec(line) : null;
    if (field) current[{ name: 'name', 'e-mail': 'email', date: 'date' }[field[1].toLowerCase()]] = field[2].trim();
    else if (current.lines.length || line.trim()) current.lines.push(line);
  }
  flush();
  return messages;
}

// Words onto lines no wider than `width`; a word longer than a line is cut.
function wrap(g, text, width) {
  const out = [];
  let line = '';
  for (const word of text.split(/\s+/).filter(Boolean)) {
    const next = line ? `${line} ${word}` : word;
    if (g.measureText(next).width <= width || !line) line = next;
    else {
      out.push(line);
      line = word;
    }
    while (g.measureText(line).width > width && line.length > 1) {
      let cut = line.length - 1;
      while (cut > 1 && g.measureText(line.slice(0, cut)).width > width) cut--;
      out.push(line.slice(0, cut));
      line = line.slice(cut);
    }
  }
  if (line) out.push(line);
  return out.length ? out : [''];
}

// A mailto: address for the recipient, or null when the parameter is no plain address.
function mailtoLink(recipient, subject, body) {
  const address = (recipient ?? '').trim();
  if (!/^[^\s@?&#<>"/\\:]+@[^\s@?&#<>"/\\:]+$/.test(address)) return null;
  return `mailto:${address}?subject=${encodeURIComponent(subject)}&body=${encodeURIComponent(body)}`;
}

const today = () => {
  const d = new Date();
  return `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}`;
};

const ROW = 20;
const BOX_LINES = 3;

registerKind('GuestBook', {
  params: {
    email: P.text(),
    text1: P.text('Name :'),
    text2: P.text('E-mail :'),
    text3: P.text('your message...'),
    text4: P.text('Send message'),
    text5: P.text('message sent !!'),
    none: P.text('no message'),
  },
  async create(ctx) {
    const p = ctx.params;
    const ink = inkOn(backgroundOf(ctx));
    const file = await readPageFile('guestbook.txt', MAX_FILE);
    if (file.error) ctx.log(file.error);
    const messages = file.text === undefined ? [] : guestBookMessages(file.text);
    const g0 = ctx.g;
    const W = ctx.width;

    // The form at the bottom: two one-line fields, the message box and the send button.
    g0.font = `12${FONT}`;
    const labelWidth = Math.min(W / 3, 8 + Math.max(g0.measureText(p.text1).width, g0.measureText(p.text2).width));
    const boxH = BOX_LINES * 15 + 6;
    const formH = 2 * (ROW + 4) + boxH + 4 + ROW + 6;
    const top = Math.max(0, ctx.height - formH);
    const fields = [
      { label: p.text1, value: '', rect: { x: labelWidth + 4, y: top + 2, w: W - labelWidth - 8, h: ROW } },
      { label: p.text2, value: '', rect: { x: labelWidth + 4, y: top + ROW + 6, w: W - labelWidth - 8, h: ROW } },
      { label: '', value: '', rect: { x: 4, y: top + 2 * ROW + 10, w: W - 8, h: boxH }, multiline: true },
    ];
    const send = { x: Math.round(W / 2 - Math.min(140, W - 8) / 2), y: top + 2 * ROW + 14 + boxH, w: Math.min(140, W - 8), h: ROW };
    let active = -1;
    let sent = false;
    let notice = '';
    let pressed = false;

    // The messages above the form, laid out once as styled lines, scrolled a line at a time.
    const listH = top - 4;
    const lineH = 15;
    const lines = [];
    for (const m of messages) {
      lines.push({ text: [m.name || '?', m.date && `(${m.date})`].filter(Boolean).join(' '), font: `bold 12${FONT}` });
      if (m.email) lines.push({ text: m.email, font: `italic 11${FONT}` });
      g0.font = `12${FONT}`;
      for (const text of m.lines) for (const piece of wrap(g0, text, W - 16)) lines.push({ text: piece, font: `12${FONT}` });
      lines.push({ rule: true });
    }
    const shown = Math.max(1, Math.floor(listH / lineH));
    let first = 0;
    const scroll = (by) => {
      const next = Math.max(0, Math.min(lines.length - shown, first + by));
      if (next === first) return false;
      first = next;
      ctx.invalidate();
      return true;
    };

    const submit = () => {
      const [name, email, message] = fields.map((f) => f.value.trim());
      if (!message) {
        notice = p.text3;
        active = 2;
      } else {
        const body = `Name: ${name}\nE-mail: ${email}\nDate: ${today()}\n${message}\n%%\n`;
        const link = mailtoLink(p.email, `Guest book: ${name || 'a visitor'}`, body);
        if (!link || !ctx.openLink(link, '_self')) {
          notice = 'No valid address to send to';
          ctx.log(`email ${JSON.stringify(p.email)} is no address to send to`);
        } else {
          sent = true;
          notice = '';
          fields[2].value = '';
          active = -1;
        }
      }
      ctx.invalidate();
    };

    const canvas = ctx.canvas;
    canvas.tabIndex = 0;
    const onKey = (event) => {
      const key = event.key;
      if (key === 'Tab') {
        const next = active + (event.shiftKey ? -1 : 1);
        if (next < -1 || next > 2) return false; // leave the applet: no keyboard trap
        active = next;
      } else if (key === 'Escape' && active >= 0) active = -1;
      else if (key === 'Enter' && (event.ctrlKey || active === -1)) submit();
      else if (active < 0) {
        const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: shown, PageUp: -shown };
        if (!(key in moves)) return false;
        scroll(moves[key]);
      } else {
        const field = fields[active];
        if (key === 'Backspace') field.value = [...field.value].slice(0, -1).join('');
        else if (key === 'Enter') {
          if (field.multiline) field.value += '\n';
          else active++;
        } else if ([...key].length === 1 && !event.ctrlKey && !event.metaKey && field.value.length < MAX_FIELD) field.value += key;
        else return false;
        sent = false;
        notice = '';
      }
      ctx.invalidate();
      return true;
    };
    const keydown = (event) => {
      if (onKey(event)) event.preventDefault();
    };
    const paste = (event) => {
      if (active < 0) return;
      event.preventDefault();
      const text = event.clipboardData?.getData('text') ?? '';
      fields[active].value = (fields[active].value + (fields[active].multiline ? text : text.replace(/\s+/g, ' '))).slice(0, MAX_FIELD);
      ctx.invalidate();
    };
    const wheel = (event) => {
      if (scroll(Math.sign(event.deltaY) * 3)) event.preventDefault();
    };
    const blur = () => ctx.invalidate();
    canvas.addEventListener('keydown', keydown);
    canvas.addEventListener('paste', paste);
    canvas.addEventListener('wheel', wheel, { passive: false });
    canvas.addEventListener('blur', blur);

    const drawField = (g, field, focused) => {
      const r = field.rect;
      g.fillStyle = '#FFFFFF';
      g.fillRect(r.x, r.y, r.w, r.h);
      g.strokeStyle = focused ? '#000080' : '#808080';
      g.lineWidth = 1;
      g.strokeRect(r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1);
      g.font = `12${FONT}`;
      g.textAlign = 'left';
      g.textBaseline = 'middle';
      g.save();
      g.beginPath();
      g.rect(r.x + 2, r.y + 1, r.w - 4, r.h - 2);
      g.clip();
      const caret = focused && document.activeElement === canvas ? '|' : '';
      if (field.multiline) {
        let rows = field.value.split('\n').flatMap((t) => wrap(g, t, r.w - 10));
        if (!field.value && !caret) {
          g.fillStyle = '#808080';
          rows = [sent ? p.text5 : p.text3];
        } else g.fillStyle = '#000000';
        rows = rows.slice(-BOX_LINES);
        rows[rows.length - 1] += caret;
        rows.forEach((t, i) => g.fillText(t, r.x + 4, r.y + 3 + lineH * (i + 0.5)));
      } else {
        g.fillStyle = '#000000';
        const text = field.value + caret;
        const over = g.measureText(text).width - (r.w - 8);
        g.fillText(text, r.x + 4 - Math.max(0, over), r.y + r.h / 2 + 1);
      }
      g.restore();
    };

    return {
      pointer(type, x, y) {
        if (type === 'down') pressed = inside(x, y, send);
        else if (type === 'up' || type === 'leave') pressed = false;
        else if (type === 'click') {
          if (inside(x, y, send)) submit();
          else active = fields.findIndex((f) => inside(x, y, f.rect));
        }
        ctx.invalidate();
      },
      draw(g) {
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        if (file.error || messages.length === 0) {
          g.font = `12${FONT}`;
          g.fillStyle = ink;
          g.textAlign = 'center';
          g.fillText(file.error ?? p.none, W / 2, listH / 2, Math.max(1, W - 8));
        }
        const end = Math.min(lines.length, first + shown);
        for (let i = first; i < end; i++) {
          const line = lines[i];
          const y = 2 + (i - first) * lineH;
          if (line.rule) {
            g.fillStyle = ink;
            g.globalAlpha = 0.4;
            g.fillRect(8, y + lineH / 2, W - 16, 1);
            g.globalAlpha = 1;
            continue;
          }
          g.font = line.font;
          g.fillStyle = ink;
          g.fillText(line.text, 8, y + lineH / 2, Math.max(1, W - 16));
        }
        if (lines.length > shown && listH > 10) {
          g.fillStyle = ink;
          g.globalAlpha = 0.5;
          g.fillRect(W - 4, (first / lines.length) * listH, 3, Math.max(6, (shown / lines.length) * listH));
          g.globalAlpha = 1;
        }
        g.font = `12${FONT}`;
        g.fillStyle = ink;
        g.textAlign = 'left';
        for (const field of fields.slice(0, 2)) g.fillText(field.label, 4, field.rect.y + ROW / 2 + 1, Math.max(1, labelWidth - 4));
        fields.forEach((field, i) => drawField(g, field, i === active));
        drawButton(g, send, p.text4, pressed);
        if (notice) {
          g.font = `11${FONT}`;
          g.fillStyle = '#C00000';
          g.textAlign = 'right';
          g.fillText(notice, W - 4, send.y + ROW / 2, Math.max(1, send.x - 8));
        }
      },
      dispose() {
        canvas.removeEventListener('keydown', keydown);
        canvas.removeEventListener('paste', paste);
        canvas.removeEventListener('wheel', wheel);
        canvas.removeEventListener('blur', blur);
      },
    };
  },
});

// --- LoginBox

// Lines of the password file: login, one blank, password, one blank, link.
function passwordEntries(text) {
  return text
    .split(/\r\n|\r|\n/)
    .map((line) => /^(\S+) (\S+) (.+)$/.exec(line.trim()))
    .filter(Boolean)
    .map(([, login, password, link]) => ({ login, password, link: link.trim() }));
}

const PASSWORD_FILE = 'pass.txt';

// An element of the window with its text, never markup.
function element(tag, style, text) {
  const node = document.createElement(tag);
  Object.assign(node.style, style);
  if (text !== undefined) node.textContent = text;
  return node;
}

registerKind('LoginBox', {
  params: {
    frame_width: P.int(250, { max: 4000 }),
    frame_height: P.int(150, { max: 4000 }),
    title: P.text('Login...'),
    login_text: P.text('Login'),
    password_text: P.text('Password'),
    target: P.text('_self'),
  },
  create(ctx) {
    const p = ctx.params;
    let panel = null;
    let pressed = false;

    const close = () => {
      panel?.remove();
      panel = null;
      ctx.canvas.focus();
    };

    // The login window, above the page in the middle of the view.
    const openWindow = () => {
      if (panel) return;
      const width = Math.min(p.frame_width, innerWidth);
      const height = Math.min(p.frame_height, innerHeight);
      panel = element('div', {
        position: 'fixed', left: `${Math.max(0, (innerWidth - width) / 2)}px`, top: `${Math.max(0, (innerHeight - height) / 2)}px`,
        width: `${width}px`, height: `${height}px`, boxSizing: 'border-box', zIndex: '2147483000', display: 'flex', flexDirection: 'column',
        background: '#D4D0C8', border: '2px outset #FFFFFF', font: `12${FONT}`, color: '#000000', boxShadow: '2px 2px 8px rgba(0,0,0,0.5)',
      });
      panel.setAttribute('role', 'dialog');
      panel.setAttribute('aria-label', p.title);
      const bar = element('div', { display: 'flex', background: '#000080', color: '#FFFFFF', padding: '2px 4px', fontWeight: 'bold' });
      const caption = element('span', { flex: '1', overflow: 'hidden', whiteSpace: 'nowrap' }, p.title);
      const cross = element('button', { padding: '0 4px', font: 'inherit', lineHeight: '1' }, '\u00D7');
      cross.type = 'button';
      cross.setAttribute('aria-label', 'Close');
      bar.append(caption, cross);

      const form = element('form', { flex: '1', display: 'grid', gridTemplateColumns: 'auto 1fr', gap: '4px 6px', alignContent: 'center', padding: '6px 8px', overflow: 'hidden' });
      const row = (text, type, autocomplete) => {
        const label = element('label', { alignSelf: 'center' }, text);
        const input = element('input', { minWidth: '0', font: 'inherit' });
        input.type = type;
        input.autocomplete = autocomplete;
        input.maxLength = 200;
        input.id = `morvane-login-${type}-${Math.random().toString(36).slice(2)}`;
        label.htmlFor = input.id;
        form.append(label, input);
        return input;
      };
      const login = row(p.login_text, 'text', 'username');
      const password = row(p.password_text, 'password', 'current-password');
      const message = element('div', { gridColumn: '1 / 3', color: '#C00000', minHeight: '1em', textAlign: 'center' });
      message.setAttribute('role', 'alert');
      const buttons = element('div', { gridColumn: '1 / 3', display: 'flex', justifyContent: 'center', gap: '8px' });
      const ok = element('button', { minWidth: '64px', font: 'inherit' }, 'OK');
      ok.type = 'submit';
      const cancel = element('button', { minWidth: '64px', font: 'inherit' }, 'Cancel');
      cancel.type = 'button';
      buttons.append(ok, cancel);
      form.append(message, buttons);
      panel.append(bar, form);

      cross.addEventListener('click', close);
      cancel.addEventListener('click', close);
      panel.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') close();
      });
      form.addEventListener('submit', async (event) => {
        event.preventDefault();
        ok.disabled = true;
        const file = await readPageFile(PASSWORD_FILE, MAX_FILE);
        ok.disabled = false;
        if (!panel) return;
        if (file.error) {
          message.textContent = file.error;
          ctx.log(file.error);
          login.focus(); // the disabled button lost the focus
          return;
        }
        const entry = passwordEntries(file.text).find((e) => e.login === login.value && e.password === password.value);
        if (!entry) {
          message.textContent = 'Wrong login or password';
          password.value = '';
          password.focus();
          return;
        }
        if (!ctx.openLink(entry.link, p.target)) {
          message.textContent = 'This page cannot be opened';
          ctx.log(`link ${JSON.stringify(entry.link)} not followed`);
          login.focus();
          return;
        }
        close();
      });
      document.body.append(panel);
      login.focus();
    };

    ctx.canvas.tabIndex = 0;
    ctx.canvas.setAttribute('role', 'button');
    ctx.canvas.setAttribute('aria-label', p.title);
    ctx.canvas.setAttribute('aria-haspopup', 'dialog');
    const keydown = (event) => {
      if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        openWindow();
      }
    };
    ctx.canvas.addEventListener('keydown', keydown);
    const face = { x: 0, y: 0, w: ctx.width, h: ctx.height };

    return {
      pointer(type) {
        if (type === 'down') pressed = true;
        else if (type === 'up' || type === 'leave') pressed = false;
        else if (type === 'click') openWindow();
        ctx.invalidate();
      },
      draw(g) {
        const inset = Math.min(4, Math.floor(Math.min(ctx.width, ctx.height) / 8));
        drawButton(g, { x: face.x + inset, y: face.y + inset, w: face.w - 2 * inset, h: face.h - 2 * inset }, p.title, pressed);
      },
      dispose() {
        ctx.canvas.removeEventListener('keydown', keydown);
        panel?.remove();
      },
    };
  },
});
}
// --- kinds/games.js
{
// Players and games: a picture viewer with its slide show, a player for sound clips, and the
// tic-tac-toe, memory, sliding squares and lights games, played with the mouse or the keys.
// Each game tells its state in the canvas's accessible name, so it can be followed without sight.


const FONT = 'px sans-serif';
const MAX_ITEMS = 256;

// `labels.length` buttons side by side across a strip.
function buttonRow(count, x, y, w, h) {
  const gap = 3;
  const each = Math.max(1, Math.floor((w - gap * (count + 1)) / count));
  return Array.from({ length: count }, (_, i) => ({ x: x + gap + i * (each + gap), y, w: each, h }));
}

// A keyboard cursor over a grid of `count` cells: the arrows move it, Enter and Space act on
// its cell; `on(i)` tells whether to outline cell i.
function gridCursor(ctx, columns, count, act) {
  const cursor = { at: 0, on: (i) => i === cursor.at && document.activeElement === ctx.canvas };
  cursor.stop = listenKeys(ctx, (key) => {
    const moves = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -columns, ArrowDown: columns };
    if (key === 'Enter' || key === ' ') act(cursor.at);
    else if (!(key in moves)) return false;
    else if (cursor.at + moves[key] >= 0 && cursor.at + moves[key] < count) cursor.at += moves[key];
    ctx.invalidate();
    return true;
  });
  return cursor;
}

function describe(ctx, text) {
  ctx.canvas.setAttribute('aria-label', text);
}

// A centred banner over a game: its end, or what to do next.
function banner(g, ctx, lines) {
  const size = Math.max(9, Math.min(16, Math.floor(ctx.height / 10)));
  const h = size * 1.4 * lines.length + 8;
  const y = Math.round((ctx.height - h) / 2);
  g.fillStyle = 'rgba(0,0,0,0.7)';
  g.fillRect(0, y, ctx.width, h);
  g.font = `bold ${size}${FONT}`;
  g.textAlign = 'center';
  g.textBaseline = 'middle';
  g.fillStyle = '#FFFFFF';
  lines.forEach((line, i) => g.fillText(line, ctx.width / 2, y + 4 + size * 1.4 * (i + 0.5), Math.max(1, ctx.width - 8)));
}

// The largest size of the image that fits the box, centred in it.
function fitted(image, box) {
  const scale = Math.min(box.w / image.naturalWidth, box.h / image.naturalHeight);
  const w = image.naturalWidth * scale;
  const h = image.naturalHeight * scale;
  return { x: box.x + (box.w - w) / 2, y: box.y + (box.h - h) / 2, w, h };
}

// Fisher-Yates, in place.
function shuffle(items, random = Math.random) {
  for (let i = items.length - 1; i > 0; i--) {
    const j = Math.floor(random() * (i + 1));
    [items[i], items[j]] = [items[j], items[i]];
  }
  return items;
}

// Buttons below a picture or a title: their rectangles, the pressed one, and clicks. `held()`
// names the button that stays sunk while its action lasts (a slide show, a clip playing).
function buttonBar(ctx, labels, actions, top, held) {
  const rects = buttonRow(labels.length, 0, top + 2, ctx.width, ctx.height - top - 4);
  let pressed = -1;
  return {
    rects,
    pointer(type, x, y) {
      const hit = rects.findIndex((r) => inside(x, y, r));
      if (type === 'down') pressed = hit;
      else if (type === 'up' || type === 'leave') pressed = -1;
      else if (type === 'click' && hit >= 0) actions[hit]();
      ctx.invalidate();
    },
    draw(g) {
      const sunk = held();
      rects.forEach((r, i) => drawButton(g, r, labels[i], i === pressed || i === sunk));
    },
  };
}

// --- ImageViewer: one picture at a time with its name; Prev, Slide on, Slide off and Next.

registerKind('ImageViewer', {
  params: {
    pause2: P.int(2000, { min: 500 }),
    next_label: P.text('Next'),
    prev_label: P.text('Prev'),
    play_label: P.text('Slide on'),
    stop_label: P.text('Slide off'),
    auto_slide: P.choice(['1', '0'], '1'),
  },
  async create(ctx) {
    const p = ctx.params;
    const raw = ctx.rawParams;
    const files = alignedList(raw, 'image');
    const names = alignedList(raw, 'image_name');
    const images = await Promise.all(files.map((file) => (file ? ctx.loadImage(file) : null)));
    const count = files.length;
    const ink = inkOn(backgroundOf(ctx));
    const bar = Math.max(16, Math.min(26, Math.round(ctx.height / 9)));
    const caption = Math.max(12, Math.min(18, Math.round(ctx.height / 14)));
    const picture = { x: 4, y: 4, w: ctx.width - 8, h: ctx.height - bar - caption - 8 };
    let index = 0;
    let sliding = p.auto_slide === '1' && count > 1;
    let shownAt = ctx.now();

    const show = (i) => {
      if (count === 0) return;
      index = (i + count) % count;
      shownAt = ctx.now();
      describe(ctx, `${names[index] || files[index]} (${index + 1} of ${count})${sliding ? ', slide show' : ''}`);
      ctx.invalidate();
    };
    const slide = (on) => {
      sliding = on && count > 1;
      instance.pause = sliding ? Math.min(250, p.pause2) : 0;
      show(index);
    };
    const buttons = buttonBar(ctx, [p.prev_label, p.play_label, p.stop_label, p.next_label], [
      () => show(index - 1), () => slide(true), () => slide(false), () => show(index + 1),
    ], ctx.height - bar, () => (sliding ? 1 : -1));
    const stop = listenKeys(ctx, (key) => {
      const keys = { ArrowLeft: () => show(index - 1), ArrowRight: () => show(index + 1), ' ': () => slide(!sliding) };
      return key in keys && (keys[key](), true);
    });

    const instance = {
      pause: 0,
      // Checked at a fraction of the delay, so a picture chosen by hand also stays its full time.
      step() {
        if (sliding && ctx.now() - shownAt >= p.pause2 - 10) show(index + 1);
      },
      pointer: buttons.pointer,
      draw(g) {
        buttons.draw(g);
        if (count === 0) {
          drawMessage(g, ctx, 'No image', ink);
          return;
        }
        const image = images[index];
        if (image && picture.w > 0 && picture.h > 0) {
          const r = fitted(image, picture);
          g.drawImage(image, r.x, r.y, r.w, r.h);
        } else {
          g.strokeStyle = ink;
          g.strokeRect(picture.x + 0.5, picture.y + 0.5, picture.w - 1, picture.h - 1);
        }
        g.font = `${caption - 3}${FONT}`;
        g.textAlign = 'center';
        g.textBaseline = 'middle';
        g.fillStyle = ink;
        const name = names[index] || (image ? '' : `${files[index]} (missing)`);
        g.fillText(name, ctx.width / 2, ctx.height - bar - caption / 2, Math.max(1, ctx.width - 8));
      },
      dispose: stop,
    };
    slide(sliding);
    return instance;
  },
});

// --- SoundPlayer: the clip's title scrolls between its prefix and suffix; Prev, Play, Stop, Next.

registerKind('SoundPlayer', {
  params: {
    pause: P.int(200),
    next_label: P.text('Next'),
    prev_label: P.text('Prev'),
    play_label: P.text('Play'),
    stop_label: P.text('Stop'),
    prefix: P.text('***'),
    auto_play: P.choice(['1', '0'], '1'),
  },
  create(ctx) {
    const p = ctx.params;
    const raw = ctx.rawParams;
    const files = alignedList(raw, 'clip');
    const names = alignedList(raw, 'clip_name');
    const count = files.length;
    const sounds = new Array(count).fill(null);
    const ink = inkOn(backgroundOf(ctx));
    const bar = Math.max(16, Math.min(26, Math.round(ctx.height / 3)));
    const size = Math.max(9, Math.min(24, Math.round((ctx.height - bar) * 0.45)));
    const font = `bold ${size}${FONT}`;
    let index = 0;
    let playing = -1;
    let offset = 0;
    let title = '';
    let titleWidth = 0;
    let ending = 0;
    let plays = 0;

    const retitle = () => {
      const name = count ? names[index] || files[index] : 'No clip';
      title = `${p.prefix} ${name} ${p.prefix}`;
      ctx.g.font = font;
      titleWidth = ctx.g.measureText(title).width;
      offset = Math.max(0, ctx.width - 8); // starts in view, then comes round from the right
      describe(ctx, `${name}${count ? ` (${index + 1} of ${count})` : ''}${playing === index ? ', playing' : ''}`);
      ctx.invalidate();
    };
    const stopClip = () => {
      clearTimeout(ending);
      const sound = sounds[playing];
      if (sound) {
        sound.pending = null; // still loading: it must not start once loaded
        sound.stopSource();
      }
      playing = -1;
    };
    // Clips load the first time they are played; a browser that waits for a gesture plays then.
    const play = () => {
      if (count === 0 || !files[index]) return;
      stopClip();
      sounds[index] ??= ctx.loadSound(files[index]);
      const sound = sounds[index];
      sound.play({ waitForGesture: true });
      playing = index;
      // Once loaded, the clip's length tells when it is over, unless another play came since.
      const token = ++plays;
      sound.ready.then((buffer) => {
        if (buffer && token === plays && playing >= 0) ending = setTimeout(stopped, buffer.duration * 1000 + 100);
      });
      retitle();
    };
    const move = (by) => {
      const wasPlaying = playing >= 0;
      stopClip();
      index = count ? (index + by + count) % count : 0;
      if (wasPlaying) play();
      else retitle();
    };
    const stopped = () => {
      stopClip();
      retitle();
    };
    const buttons = buttonBar(ctx, [p.prev_label, p.play_label, p.stop_label, p.next_label], [() => move(-1), play, stopped, () => move(1)], ctx.height - bar, () => (playing >= 0 ? 1 : -1));
    const stopKeys = listenKeys(ctx, (key) => {
      const keys = { ArrowLeft: () => move(-1), ArrowRight: () => move(1), ' ': () => (playing >= 0 ? stopped() : play()) };
      return key in keys && (keys[key](), true);
    });
    retitle();
    if (p.auto_play === '1') play();

    return {
      pause: p.pause,
      step(n) {
        const span = titleWidth + ctx.width;
        offset = (offset + 2 * n) % Math.max(1, span);
      },
      pointer: buttons.pointer,
      draw(g) {
        buttons.draw(g);
        g.save();
        g.beginPath();
        g.rect(0, 0, ctx.width, ctx.height - bar);
        g.clip();
        g.font = font;
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        g.fillStyle = ink;
        g.fillText(title, ctx.width - offset, (ctx.height - bar) / 2);
        g.restore();
      },
      dispose() {
        stopKeys();
        clearTimeout(ending);
        for (const sound of sounds) sound?.stop();
      },
    };
  },
});

// --- TicTacToe

const LINES = [[0, 1, 2], [3, 4, 5], [6, 7, 8], [0, 3, 6], [1, 4, 7], [2, 5, 8], [0, 4, 8], [2, 4, 6]];
const PLAYER = 1;
const COMPUTER = 2;

// { who, line } of a finished board, { who: 0 } for a draw, null while it goes on.
function outcome(board) {
  for (const line of LINES) {
    const who = board[line[0]];
    if (who && who === board[line[1]] && who === board[line[2]]) return { who, line };
  }
  return board.includes(0) ? null : { who: 0 };
}

// Score of the board for `who` to move, by full search; `seen` holds the boards already scored
// in this search (a few thousand), where the depth is fixed by the board itself.
function search(board, who, depth, seen) {
  const key = board.join('');
  if (seen.has(key)) return seen.get(key);
  const done = outcome(board);
  let best = who === COMPUTER ? -Infinity : Infinity;
  if (done) best = done.who === 0 ? 0 : done.who === COMPUTER ? 10 - depth : depth - 10;
  else {
    for (let i = 0; i < 9; i++) {
      if (board[i]) continue;
      board[i] = who;
      const score = search(board, who === COMPUTER ? PLAYER : COMPUTER, depth + 1, seen);
      board[i] = 0;
      best = who === COMPUTER ? Math.max(best, score) : Math.min(best, score);
    }
  }
  seen.set(key, best);
  return best;
}

// The computer's cell: the best one when hard (never loses), else a winning cell when it sees one
// and a random free cell otherwise, so the visitor can win.
function computerMove(board, hard, random = Math.random) {
  const free = board.flatMap((v, i) => (v ? [] : [i]));
  if (free.length === 0) return -1;
  if (hard) {
    const seen = new Map();
    let best = -Infinity;
    let moves = [];
    for (const i of free) {
      board[i] = COMPUTER;
      const score = search(board, PLAYER, 1, seen);
      board[i] = 0;
      if (score > best) [best, moves] = [score, [i]];
      else if (score === best) moves.push(i);
    }
    return moves[Math.floor(random() * moves.length)];
  }
  for (const i of free) {
    board[i] = COMPUTER;
    const wins = outcome(board)?.who === COMPUTER;
    board[i] = 0;
    if (wins) return i;
  }
  return free[Math.floor(random() * free.length)];
}

const FIRST_CHOICE = ['You', 'Computer'];

registerKind('TicTacToe', {
  params: {
    cross: P.text(),
    circle: P.text(),
    player_sound_name: P.text(),
    computer_sound_name: P.text(),
    draw_sound_name: P.text(),
    border_color: P.color('#000000'),
    first: P.choice(['0', '1', '2'], '0'),
    mode: P.choice(['0', '1'], '1'),
  },
  async create(ctx) {
    const p = ctx.params;
    const [cross, circle] = await Promise.all([p.cross ? ctx.loadImage(p.cross) : null, p.circle ? ctx.loadImage(p.circle) : null]);
    const sound = (name) => (name ? ctx.loadSound(name) : null);
    const endSounds = { [PLAYER]: sound(p.player_sound_name), [COMPUTER]: sound(p.computer_sound_name), 0: sound(p.draw_sound_name) };
    const hard = p.mode === '1';
    // A grid in the background's own color would not show: it takes the ink that reads there.
    const background = backgroundOf(ctx);
    const grid = p.border_color === background ? inkOn(background) : p.border_color;
    const cellW = ctx.width / 3;
    const cellH = ctx.height / 3;
    const board = new Array(9).fill(0);
    const choice = buttonRow(2, ctx.width * 0.1, ctx.height * 0.55, ctx.width * 0.8, Math.max(16, Math.min(28, ctx.height / 6)));
    let asking = false;
    let result = null;
    let cursor = 4;

    const tell = () => {
      const cells = board.map((v) => ['-', 'X', 'O'][v]).join('');
      const state = asking ? 'who plays first?' : !result ? 'your move' : result.who === PLAYER ? 'you win' : result.who === COMPUTER ? 'the computer wins' : 'draw';
      describe(ctx, `Tic-tac-toe, ${state}: ${cells}`);
      ctx.invalidate();
    };
    const finish = () => {
      result = outcome(board);
      if (result) endSounds[result.who]?.play();
    };
    const computerTurn = () => {
      board[computerMove(board, hard)] = COMPUTER;
      finish();
    };
    const start = (first) => {
      board.fill(0);
      result = null;
      asking = first === '0';
      if (first === '2') computerTurn();
      tell();
    };
    const playAt = (cell) => {
      if (result) start(p.first);
      else if (!asking && cell >= 0 && !board[cell]) {
        board[cell] = PLAYER;
        finish();
        if (!result) computerTurn();
        tell();
      }
    };
    const answer = (computerFirst) => {
      asking = false;
      if (computerFirst) computerTurn();
      tell();
    };
    const stop = listenKeys(ctx, (key) => {
      if (asking && (key === 'ArrowLeft' || key === 'ArrowRight' || key === 'Enter' || key === ' ')) {
        if (key === 'Enter' || key === ' ') answer(cursor % 3 === 2);
        else cursor = key === 'ArrowLeft' ? 3 : 5;
      } else if (/^[1-9]$/.test(key)) playAt(Number(key) - 1);
      else if (key === 'Enter' || key === ' ') playAt(cursor);
      else {
        const moves = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -3, ArrowDown: 3 };
        if (!(key in moves)) return false;
        const next = cursor + moves[key];
        if (next >= 0 && next < 9 && (Math.abs(moves[key]) === 3 || Math.floor(next / 3) === Math.floor(cursor / 3))) cursor = next;
      }
      ctx.invalidate();
      return true;
    });
    ctx.canvas.addEventListener('focus', tell);
    ctx.canvas.addEventListener('blur', tell);

    const mark = (g, who, x, y) => {
      const image = who === PLAYER ? cross : circle;
      const box = { x: x + cellW * 0.1, y: y + cellH * 0.1, w: cellW * 0.8, h: cellH * 0.8 };
      if (image) {
        const r = fitted(image, box);
        g.drawImage(image, r.x, r.y, r.w, r.h);
        return;
      }
      g.lineWidth = Math.max(2, Math.min(cellW, cellH) / 10);
      g.strokeStyle = who === PLAYER ? '#D00000' : '#0000D0';
      g.beginPath();
      if (who === PLAYER) {
        g.moveTo(box.x, box.y);
        g.lineTo(box.x + box.w, box.y + box.h);
        g.moveTo(box.x + box.w, box.y);
        g.lineTo(box.x, box.y + box.h);
      } else g.ellipse(box.x + box.w / 2, box.y + box.h / 2, box.w / 2, box.h / 2, 0, 0, Math.PI * 2);
      g.stroke();
    };

    start(p.first);
    return {
      pointer(type, x, y) {
        if (type !== 'click') return;
        if (asking) {
          const hit = choice.findIndex((r) => inside(x, y, r));
          if (hit >= 0) answer(hit === 1);
          return;
        }
        playAt(Math.min(2, Math.floor(y / cellH)) * 3 + Math.min(2, Math.floor(x / cellW)));
      },
      draw(g) {
        for (let i = 0; i < 9; i++) if (board[i]) mark(g, board[i], (i % 3) * cellW, Math.floor(i / 3) * cellH);
        g.fillStyle = grid;
        const line = Math.max(1, Math.round(Math.min(ctx.width, ctx.height) / 60));
        for (let k = 1; k < 3; k++) {
          g.fillRect(Math.round(k * cellW - line / 2), 0, line, ctx.height);
          g.fillRect(0, Math.round(k * cellH - line / 2), ctx.width, line);
        }
        if (document.activeElement === ctx.canvas && !result && !asking) {
          g.strokeStyle = grid;
          g.setLineDash([2, 2]);
          g.strokeRect((cursor % 3) * cellW + 3.5, Math.floor(cursor / 3) * cellH + 3.5, cellW - 7, cellH - 7);
          g.setLineDash([]);
        }
        if (result?.line) {
          const centre = (i) => [((i % 3) + 0.5) * cellW, (Math.floor(i / 3) + 0.5) * cellH];
          g.strokeStyle = result.who === PLAYER ? '#00A000' : '#D00000';
          g.lineWidth = Math.max(3, line * 2);
          g.beginPath();
          g.moveTo(...centre(result.line[0]));
          g.lineTo(...centre(result.line[2]));
          g.stroke();
        }
        if (result) banner(g, ctx, [result.who === PLAYER ? 'You win!' : result.who === COMPUTER ? 'I win!' : 'Draw!', 'Click to play again']);
        if (asking) {
          banner(g, ctx, ['Who plays first?', '', '']);
          choice.forEach((r, i) => drawButton(g, r, FIRST_CHOICE[i], document.activeElement === ctx.canvas && cursor % 3 === (i ? 2 : 0)));
        }
      },
      dispose() {
        stop();
        ctx.canvas.removeEventListener('focus', tell);
        ctx.canvas.removeEventListener('blur', tell);
        for (const s of Object.values(endSounds)) s?.stop();
      },
    };
  },
});

// --- Memory: every picture twice, face down; two turned pictures that match stay turned.

const SHOW_MISMATCH = 900;

registerKind('Memory', {
  params: {
    columns_number: P.int(0, { min: 1, max: 64 }),
    image: P.list(),
    turned_color: P.color('#FFFFFF'),
    turned_image: P.text(),
  },
  async create(ctx) {
    const p = ctx.params;
    const [loaded, back] = await Promise.all([ctx.loadImages(p.image), p.turned_image ? ctx.loadImage(p.turned_image) : null]);
    const pictures = loaded.slice(0, MAX_ITEMS / 2);
    const n = pictures.length * 2;
    const ink = inkOn(backgroundOf(ctx));
    const columns = Math.min(n || 1, p.columns_number || Math.ceil(Math.sqrt(n)));
    const rows = Math.max(1, Math.ceil(n / columns));
    const cw = ctx.width / columns;
    const ch = ctx.height / rows;
    let cards = [];
    let found = [];
    let open = [];
    let tries = 0;
    let timer = 0;

    // The cards in order: the picture number of each turned one, "?" for the others.
    const tell = () => {
      const pairs = found.filter(Boolean).length / 2;
      const state = pairs === pictures.length ? `all ${pairs} pairs found in ${tries} tries` : `${pairs} of ${pictures.length} pairs found, ${tries} tries`;
      describe(ctx, `Memory, ${state}: ${cards.map((c, i) => (found[i] || open.includes(i) ? c + 1 : '?')).join(' ')}`);
      ctx.invalidate();
    };
    const deal = () => {
      cards = shuffle(pictures.flatMap((_, i) => [i, i]));
      found = cards.map(() => false);
      open = [];
      tries = 0;
      tell();
    };
    const coverMismatch = () => {
      clearTimeout(timer);
      if (open.length === 2) open = [];
      tell();
    };
    const turn = (i) => {
      if (n === 0) return;
      if (found.every(Boolean)) return deal();
      if (i < 0 || i >= n || found[i] || open.includes(i)) return;
      if (open.length === 2) coverMismatch();
      open.push(i);
      if (open.length === 2) {
        tries++;
        const [a, b] = open;
        if (cards[a] === cards[b]) {
          found[a] = found[b] = true;
          open = [];
        } else timer = setTimeout(coverMismatch, SHOW_MISMATCH);
      }
      tell();
    };
    const cursor = gridCursor(ctx, columns, n, turn);
    deal();

    return {
      pointer(type, x, y) {
        if (type === 'click') turn(Math.min(rows - 1, Math.floor(y / ch)) * columns + Math.min(columns - 1, Math.floor(x / cw)));
      },
      draw(g) {
        if (n === 0) {
          drawMessage(g, ctx, 'No image', ink);
          return;
        }
        for (let i = 0; i < n; i++) {
          const r = { x: (i % columns) * cw + 2, y: Math.floor(i / columns) * ch + 2, w: cw - 4, h: ch - 4 };
          if (found[i] || open.includes(i)) {
            g.fillStyle = '#FFFFFF';
            g.fillRect(r.x, r.y, r.w, r.h);
            const f = fitted(pictures[cards[i]], r);
            g.drawImage(pictures[cards[i]], f.x, f.y, f.w, f.h);
          } else if (back) g.drawImage(back, r.x, r.y, r.w, r.h);
          else {
            g.fillStyle = p.turned_color;
            g.fillRect(r.x, r.y, r.w, r.h);
          }
          if (cursor.on(i)) {
            g.strokeStyle = ink;
            g.strokeRect(r.x - 1.5, r.y - 1.5, r.w + 3, r.h + 3);
          }
        }
        if (found.every(Boolean)) banner(g, ctx, [`All pairs in ${tries} tries`, 'Click to play again']);
      },
      dispose() {
        cursor.stop();
        clearTimeout(timer);
      },
    };
  },
});

// --- Puzzle: the picture cut into length x length squares, the last one left empty.

// The square that moves into the hole when an arrow key is pressed: the one on the key's far side.
const SLIDE_FROM = { ArrowLeft: [1, 0], ArrowRight: [-1, 0], ArrowUp: [0, 1], ArrowDown: [0, -1] };

// Slides the squares between `cell` and the hole (same row or column) one place towards the hole.
function slide(tiles, size, cell) {
  const hole = tiles.indexOf(size * size - 1);
  const [hx, hy, cx, cy] = [hole % size, Math.floor(hole / size), cell % size, Math.floor(cell / size)];
  if (cell === hole || (hx !== cx && hy !== cy)) return false;
  const step = hx === cx ? (cy > hy ? size : -size) : cx > hx ? 1 : -1;
  for (let i = hole; i !== cell; i += step) tiles[i] = tiles[i + step];
  tiles[cell] = size * size - 1;
  return true;
}

// A shuffle by random moves from the solved order, so every deal can be solved.
function shuffledTiles(size, random = Math.random) {
  const tiles = Array.from({ length: size * size }, (_, i) => i);
  if (size < 2) return tiles;
  let previous = -1;
  for (let k = 0; k < 40 * size * size || tiles.every((t, i) => t === i); k++) {
    const hole = tiles.indexOf(size * size - 1);
    const near = [hole - size, hole + size, hole % size ? hole - 1 : -1, (hole + 1) % size ? hole + 1 : -1].filter((c) => c >= 0 && c < tiles.length && c !== previous);
    const cell = near[Math.floor(random() * near.length)];
    slide(tiles, size, cell);
    previous = hole;
  }
  return tiles;
}

registerKind('Puzzle', {
  params: {
    image_name: P.text(),
    length: P.int(4, { min: 2, max: 32 }),
    empty_color: P.color('#000000'),
    link: P.text(),
    target: P.text('_self'),
  },
  async create(ctx) {
    const p = ctx.params;
    const image = p.image_name ? await ctx.loadImage(p.image_name) : null;
    const ink = inkOn(backgroundOf(ctx));
    const size = p.length;
    const hole = size * size - 1;
    const sw = ctx.width / size;
    const sh = ctx.height / size;
    let tiles = shuffledTiles(size);
    let solved = false;

    const tell = () => {
      describe(ctx, `Sliding puzzle, ${size} by ${size}, ${solved ? 'solved' : 'squares'}: ${tiles.map((t) => (t === hole ? '_' : t + 1)).join(' ')}`);
      ctx.invalidate();
    };
    const move = (cell) => {
      if (solved) {
        tiles = shuffledTiles(size);
        solved = false;
      } else if (slide(tiles, size, cell) && tiles.every((t, i) => t === i)) {
        solved = true;
        if (p.link && !ctx.openLink(p.link, p.target)) ctx.log(`link ${JSON.stringify(p.link)} not followed`);
      }
      tell();
    };
    const stop = listenKeys(ctx, (key) => {
      if (!(key in SLIDE_FROM) || !image) return false;
      const at = tiles.indexOf(hole);
      const [dx, dy] = SLIDE_FROM[key];
      const x = (at % size) + dx;
      const y = Math.floor(at / size) + dy;
      if (x >= 0 && x < size && y >= 0 && y < size) move(y * size + x);
      return true;
    });
    tell();

    return {
      pointer(type, x, y) {
        if (type === 'click' && image) move(Math.min(size - 1, Math.floor(y / sh)) * size + Math.min(size - 1, Math.floor(x / sw)));
      },
      draw(g) {
        if (!image) {
          drawMessage(g, ctx, `Cannot show ${p.image_name || 'the picture'}`, ink);
          return;
        }
        if (solved) {
          g.drawImage(image, 0, 0, ctx.width, ctx.height);
          return;
        }
        const iw = image.naturalWidth / size;
        const ih = image.naturalHeight / size;
        for (let i = 0; i < tiles.length; i++) {
          const t = tiles[i];
          const x = Math.round((i % size) * sw);
          const y = Math.round(Math.floor(i / size) * sh);
          const w = Math.round(((i % size) + 1) * sw) - x;
          const h = Math.round((Math.floor(i / size) + 1) * sh) - y;
          if (t === hole) {
            g.fillStyle = p.empty_color;
            g.fillRect(x, y, w, h);
          } else g.drawImage(image, (t % size) * iw, Math.floor(t / size) * ih, iw, ih, x, y, w, h);
          g.strokeStyle = 'rgba(0,0,0,0.5)';
          g.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
        }
      },
      dispose: stop,
    };
  },
});

// --- LightOn: a click switches a square and its four neighbours; the game ends when all are on.

function press(lights, size, cell) {
  const x = cell % size;
  for (const c of [cell, cell - size, cell + size, x > 0 ? cell - 1 : -1, x < size - 1 ? cell + 1 : -1]) {
    if (c >= 0 && c < lights.length) lights[c] = !lights[c];
  }
}

// Random presses from the finished board, so the game can always be won.
function scrambled(size, random = Math.random) {
  const lights = new Array(size * size).fill(true);
  while (lights.every(Boolean)) for (let i = 0; i < lights.length; i++) if (random() < 0.5) press(lights, size, i);
  return lights;
}

registerKind('LightOn', {
  params: {
    square_width: P.int(5, { min: 1, max: 40 }),
    off_color: P.color('#FFFFFF'),
    on_color: P.color('#FFFF00'),
  },
  create(ctx) {
    const p = ctx.params;
    const size = p.square_width;
    const sw = ctx.width / size;
    const sh = ctx.height / size;
    let lights = scrambled(size);
    let moves = 0;
    const won = () => lights.every(Boolean);

    const tell = () => {
      describe(ctx, `Lights, ${size} by ${size}, ${won() ? `all on in ${moves} moves` : `${moves} moves`}: ${lights.map((on) => (on ? '1' : '0')).join('')}`);
      ctx.invalidate();
    };
    const act = (cell) => {
      if (won()) {
        lights = scrambled(size);
        moves = 0;
      } else {
        press(lights, size, cell);
        moves++;
      }
      tell();
    };
    const cursor = gridCursor(ctx, size, lights.length, act);
    tell();

    return {
      pointer(type, x, y) {
        if (type === 'click') act(Math.min(size - 1, Math.floor(y / sh)) * size + Math.min(size - 1, Math.floor(x / sw)));
      },
      draw(g) {
        for (let i = 0; i < lights.length; i++) {
          const x = Math.round((i % size) * sw);
          const y = Math.round(Math.floor(i / size) * sh);
          g.fillStyle = lights[i] ? p.on_color : p.off_color;
          g.fillRect(x + 1, y + 1, Math.round(((i % size) + 1) * sw) - x - 2, Math.round((Math.floor(i / size) + 1) * sh) - y - 2);
          if (cursor.on(i)) {
            g.strokeStyle = inkOn(lights[i] ? p.on_color : p.off_color);
            g.strokeRect(x + 3.5, y + 3.5, sw - 7, sh - 7);
          }
        }
        if (won()) banner(g, ctx, [`All on in ${moves} moves`, 'Click to play again']);
      },
      dispose: cursor.stop,
    };
  },
});
}
// --- kinds/images.js
{
// Image effects: slide shows whose images arrive one over the other, and effects on the pixels
// of one picture (lens, light, turning, stretching, waving, scanning) or a sprite.


// An image at its own size, centred, made smaller (never larger) when it exceeds the applet.
function placeImage(image, width, height) {
  const scale = Math.min(1, width / image.naturalWidth, height / image.naturalHeight);
  const w = Math.max(1, Math.round(image.naturalWidth * scale));
  const h = Math.max(1, Math.round(image.naturalHeight * scale));
  return { image, x: Math.round((width - w) / 2), y: Math.round((height - h) / 2), w, h };
}

// Part of a placed image: the applet rectangle (x, y, w, h) clipped to the picture.
function drawPart(g, p, x, y, w, h) {
  const x0 = Math.max(x, p.x);
  const y0 = Math.max(y, p.y);
  const x1 = Math.min(x + w, p.x + p.w);
  const y1 = Math.min(y + h, p.y + p.h);
  if (x1 <= x0 || y1 <= y0) return;
  const sx = p.image.naturalWidth / p.w;
  const sy = p.image.naturalHeight / p.h;
  g.drawImage(p.image, (x0 - p.x) * sx, (y0 - p.y) * sy, (x1 - x0) * sx, (y1 - y0) * sy, x0, y0, x1 - x0, y1 - y0);
}

function drawWhole(g, p) {
  g.drawImage(p.image, p.x, p.y, p.w, p.h);
}

// --- Slide shows: each image arrives over the one before it, stays in full view for the second
// pause, then the next one comes.

// Each show's transition: how many pixels of progress it takes on an applet of this size, and
// how the arriving image `next` is drawn over the leaving one (already drawn) at `done` pixels.
const TRANSITIONS = {
  // Vertical strips that all widen from their left edge until they meet.
  CropImages: {
    length: (size, p) => p.strip,
    draw(g, next, done, size, p) {
      const open = Math.min(done, p.strip);
      for (let x = 0; x < size.width; x += p.strip) drawPart(g, next, x, 0, open, size.height);
    },
  },
  // A window on the arriving image that grows from the centre.
  CropImages2: {
    length: (size) => Math.ceil(Math.max(size.width, size.height) / 2),
    draw(g, next, done, size) {
      const fx = Math.min(1, done / (size.width / 2));
      const fy = Math.min(1, done / (size.height / 2));
      const w = size.width * fx;
      const h = size.height * fy;
      drawPart(g, next, (size.width - w) / 2, (size.height - h) / 2, w, h);
    },
  },
  // The arriving image slides in from the right and covers the other one.
  ImageStream: {
    length: (size) => size.width,
    draw(g, next, done, size) {
      const shift = size.width - Math.min(done, size.width);
      g.drawImage(next.image, next.x + shift, next.y, next.w, next.h);
    },
  },
  // The arriving image grows from a point in the centre to its full size.
  Zoom: {
    length: (size) => Math.ceil(size.width / 2),
    draw(g, next, done, size) {
      const f = Math.min(1, done / (size.width / 2));
      const w = next.w * f;
      const h = next.h * f;
      if (w >= 1 && h >= 1) g.drawImage(next.image, next.x + (next.w - w) / 2, next.y + (next.h - h) / 2, w, h);
    },
  },
};

// The state of a show, apart from drawing: which image leaves, which arrives, how far it is.
function createShow(count, length) {
  return {
    from: -1, // nothing before the first image: it arrives over the background
    to: 0,
    done: 0,
    holding: false,
    // Advances n steps of `step` pixels; `holding` once the arriving image is in full view.
    step(n, step) {
      if (count === 0) return;
      if (this.holding) {
        this.holding = false;
        this.from = this.to;
        this.to = (this.to + 1) % count;
        this.done = 0;
      }
      this.done = Math.min(length, this.done + n * step);
      if (this.done >= length) this.holding = true;
    },
  };
}

// The definition of a slide show kind with the given transition and parameters of its own.
function slideShow(transition, ownParams = {}) {
  return {
    params: { pause: P.int(50), pause2: P.int(1000), step: P.int(2), image: P.list('image_number'), ...ownParams },
    async create(ctx) {
      const size = { width: ctx.width, height: ctx.height };
      const { pause, pause2, step, image: names } = ctx.params;
      const placed = (await ctx.loadImages(names)).map((image) => placeImage(image, size.width, size.height));
      const options = { strip: ctx.params.strip_width ?? 10 };
      const show = createShow(placed.length, Math.max(1, transition.length(size, options)));
      if (placed.length === 0) return { draw() {} };
      return {
        // Nothing moves while an image is held in full view: step again only after the long pause.
        get pause() {
          return show.holding ? pause2 : pause;
        },
        step: (n) => show.step(n, step),
        draw(g) {
          if (show.from >= 0) drawWhole(g, placed[show.from]);
          if (show.holding) drawWhole(g, placed[show.to]);
          else transition.draw(g, placed[show.to], show.done, size, options);
        },
      };
    },
  };
}

registerKind('CropImages', slideShow(TRANSITIONS.CropImages, { strip_width: P.int(10) }));
registerKind('CropImages2', slideShow(TRANSITIONS.CropImages2));
registerKind('ImageStream', slideShow(TRANSITIONS.ImageStream));
registerKind('Zoom', slideShow(TRANSITIONS.Zoom));

// --- Effects on the pixels of one picture.

// How dark the unlit parts of a picture are, and how bright the centre of a light makes it.
const AMBIENT = 0.2;
const LIFT = 1.3;
const TURN_PER_STEP = Math.PI / 60;
const WAVE_PER_STEP = 0.3;
// ImageConvex: the convexity c goes up to the maximum and back; the lens's strength is
// c / (c + CONVEXITY_HALF), so a small step still shows while the lens never turns inside out.
const CONVEXITY_MAX = 1000;
const CONVEXITY_HALF = 250;

// A value that moves by `speed` each step and turns back at `lo` and `hi`.
class Bouncer {
  constructor(value, speed, lo, hi) {
    this.lo = lo;
    this.hi = Math.max(lo, hi);
    this.value = Math.min(this.hi, Math.max(lo, value));
    this.speed = speed;
  }

  step(n = 1) {
    for (let i = 0; i < n; i++) {
      this.value += this.speed;
      if (this.value > this.hi || this.value < this.lo) {
        this.speed = -this.speed;
        const mirrored = this.value > this.hi ? 2 * this.hi - this.value : 2 * this.lo - this.value;
        this.value = Math.min(this.hi, Math.max(this.lo, mirrored));
      }
    }
    return this.value;
  }
}

// Where a light or a lens goes while the pointer is away: a slow loop over the picture.
function wander(t, width, height, out) {
  out.x = width / 2 + width * 0.32 * Math.sin(t * 0.031);
  out.y = height / 2 + height * 0.3 * Math.sin(t * 0.047 + 1);
}

// Moves `pos` towards `target` by `share` of the distance per step.
function follow(pos, target, share, n) {
  const k = 1 - (1 - share) ** n;
  pos.x += (target.x - pos.x) * k;
  pos.y += (target.y - pos.y) * k;
}

// A buffer of pixels drawn over the background through a canvas of its own, so that transparent
// pixels let the background (and its mouse-over color) show.
class Surface {
  constructor(width, height) {
    this.canvas = document.createElement('canvas');
    this.canvas.width = width;
    this.canvas.height = height;
    this.g = this.canvas.getContext('2d');
    this.image = this.g.createImageData(width, height);
    this.data = this.image.data;
  }

  present(g, x = 0, y = 0) {
    this.g.putImageData(this.image, 0, 0);
    g.drawImage(this.canvas, x, y);
  }
}

// The picture placed on the applet, with its pixels at the applet's size (transparent around
// it), or without pixels when the browser forbids reading them.
async function loadPicture(ctx, name) {
  const image = name ? await ctx.loadImage(name) : null;
  if (!image) return null;
  const place = placeImage(image, ctx.width, ctx.height);
  const part = ctx.imagePixels(image, place.w, place.h);
  if (!part) return { place, pixels: null };
  const pixels = new Uint8ClampedArray(ctx.width * ctx.height * 4);
  for (let y = 0; y < place.h; y++) {
    pixels.set(part.data.subarray(y * place.w * 4, (y + 1) * place.w * 4), ((place.y + y) * ctx.width + place.x) * 4);
  }
  return { place, pixels };
}

// A sprite keeps its own size; only Deformation reads its pixels.
async function loadSprite(ctx, name) {
  const image = name ? await ctx.loadImage(name) : null;
  return image ? { image, w: image.naturalWidth, h: image.naturalHeight } : null;
}

function copyPixel(out, o, src, s) {
  out[o] = src[s];
  out[o + 1] = src[s + 1];
  out[o + 2] = src[s + 2];
  out[o + 3] = src[s + 3];
}

// A magnifying lens of radius r at (cx, cy): strength 0 changes nothing, towards 1 the centre
// grows without bound; the rim always meets the picture around it.
function lens(out, src, width, height, cx, cy, r, strength) {
  out.set(src);
  if (r < 1) return;
  const r2 = r * r;
  const y0 = Math.max(0, Math.floor(cy - r));
  const y1 = Math.min(height - 1, Math.ceil(cy + r));
  const x0 = Math.max(0, Math.floor(cx - r));
  const x1 = Math.min(width - 1, Math.ceil(cx + r));
  for (let y = y0; y <= y1; y++) {
    const dy = y + 0.5 - cy;
    for (let x = x0; x <= x1; x++) {
      const dx = x + 0.5 - cx;
      const d2 = dx * dx + dy * dy;
      if (d2 >= r2) continue;
      const f = 1 - strength * (1 - d2 / r2);
      const sx = Math.min(width - 1, Math.max(0, Math.floor(cx + dx * f)));
      const sy = Math.min(height - 1, Math.max(0, Math.floor(cy + dy * f)));
      copyPixel(out, (y * width + x) * 4, src, (sy * width + sx) * 4);
    }
  }
}

// A light of radius r at (cx, cy) over the darkened picture already in `out`: full light inside
// r - edge, fading to the dark picture at r; `tint` is the light's color as three shares of 1.
function light(out, src, width, height, cx, cy, r, edge, tint) {
  if (r < 1) return;
  const y0 = Math.max(0, Math.floor(cy - r));
  const y1 = Math.min(height - 1, Math.ceil(cy + r));
  const x0 = Math.max(0, Math.floor(cx - r));
  const x1 = Math.min(width - 1, Math.ceil(cx + r));
  const [tr, tg, tb] = tint;
  for (let y = y0; y <= y1; y++) {
    const dy = y + 0.5 - cy;
    for (let x = x0; x <= x1; x++) {
      const dx = x + 0.5 - cx;
      const d = Math.sqrt(dx * dx + dy * dy);
      if (d >= r) continue;
      const k = (LIFT - AMBIENT) * Math.min(1, (r - d) / edge);
      const i = (y * width + x) * 4;
      out[i] = src[i] * (AMBIENT + k * tr);
      out[i + 1] = src[i + 1] * (AMBIENT + k * tg);
      out[i + 2] = src[i + 2] * (AMBIENT + k * tb);
    }
  }
}

function darkened(src) {
  const dark = new Uint8ClampedArray(src.length);
  for (let i = 0; i < src.length; i += 4) {
    dark[i] = src[i] * AMBIENT;
    dark[i + 1] = src[i + 1] * AMBIENT;
    dark[i + 2] = src[i + 2] * AMBIENT;
    dark[i + 3] = src[i + 3];
  }
  return dark;
}

function tintOf(color) {
  return rgbOf(color).map((c) => c / 255);
}

// Where the lights and lenses are: under the pointer (eased by `share`), else wandering.
function tracker(ctx, mouse, share) {
  const pos = { x: ctx.width / 2, y: ctx.height / 2 };
  const target = { x: pos.x, y: pos.y };
  let t = 0;
  return {
    pos,
    step(n) {
      t += n;
      if (mouse.inside) follow(pos, mouse, share, n);
      else {
        wander(t, ctx.width, ctx.height, target);
        follow(pos, target, share, n);
      }
    },
  };
}

// Inverse of the bilinear map of the unit square onto the quad a b c d (clockwise from the top
// left): sets uv.u and uv.v for the point (px, py) and says whether the point is inside.
function unmapQuad(q, px, py, uv) {
  const ex = q[2] - q[0];
  const ey = q[3] - q[1];
  const fx = q[6] - q[0];
  const fy = q[7] - q[1];
  const gx = q[0] - q[2] + q[4] - q[6];
  const gy = q[1] - q[3] + q[5] - q[7];
  const hx = px - q[0];
  const hy = py - q[1];
  const k2 = gx * fy - gy * fx;
  const k1 = ex * fy - ey * fx + hx * gy - hy * gx;
  const k0 = hx * ey - hy * ex;
  if (Math.abs(k2) < 1e-9) {
    return Math.abs(k1) >= 1e-9 && solvedAt(-k0 / k1, ex, ey, fx, fy, gx, gy, hx, hy, uv);
  }
  const w = k1 * k1 - 4 * k0 * k2;
  if (w < 0) return false;
  const root = Math.sqrt(w);
  return (
    solvedAt((-k1 - root) / (2 * k2), ex, ey, fx, fy, gx, gy, hx, hy, uv) ||
    solvedAt((-k1 + root) / (2 * k2), ex, ey, fx, fy, gx, gy, hx, hy, uv)
  );
}

// The u that goes with v, through the better conditioned of the two coordinates.
function solvedAt(v, ex, ey, fx, fy, gx, gy, hx, hy, uv) {
  if (!(v >= 0 && v <= 1)) return false;
  const dx = ex + gx * v;
  const dy = ey + gy * v;
  const u = Math.abs(dx) > Math.abs(dy) ? (hx - fx * v) / dx : (hy - fy * v) / dy;
  if (!(u >= 0 && u <= 1)) return false;
  uv.u = u;
  uv.v = v;
  return true;
}

// Each effect: its parameters, the parameter naming its picture, and
// `start(ctx, picture, mouse, out)` returning { step(n), render(out, src), overlay?(g) } over
// applet-sized pixels (`out` is the buffer drawn each frame, kept between frames).
const EFFECTS = {
  // The picture turns around its vertical axis, in perspective; its back shows mirrored.
  ImageAxisRotation: {
    params: { pause: P.int(20), image_name: P.text() },
    image: 'image_name',
    start(ctx) {
      const { width, height } = ctx;
      const cx = width / 2;
      const cy = height / 2;
      const eye = 3 * Math.max(width, height);
      // The near edge grows in perspective: the whole view is made smaller so that it still fits.
      const fit = (eye - cx) / eye;
      let angle = 0;
      return {
        step(n) {
          angle = (angle + n * TURN_PER_STEP) % (2 * Math.PI);
        },
        render(out, src) {
          out.fill(0);
          const cos = Math.cos(angle);
          const sin = Math.sin(angle);
          const shade = 0.55 + 0.45 * Math.abs(cos);
          for (let x = 0; x < width; x++) {
            const xr = (x + 0.5 - cx) / fit;
            const den = eye * cos - xr * sin;
            if (Math.abs(den) < 1e-6) continue;
            const u = (xr * eye) / den;
            if (Math.abs(u) >= cx) continue;
            const depth = eye + u * sin;
            if (depth <= 0) continue;
            const scale = (fit * eye) / depth;
            const sx = Math.floor(u + cx);
            const top = Math.max(0, Math.ceil(cy - cy * scale));
            const bottom = Math.min(height, Math.floor(cy + cy * scale));
            for (let y = top; y < bottom; y++) {
              const sy = Math.floor((y + 0.5 - cy) / scale + cy);
              if (sy < 0 || sy >= height) continue;
              const o = (y * width + x) * 4;
              const s = (sy * width + sx) * 4;
              out[o] = src[s] * shade;
              out[o + 1] = src[s + 1] * shade;
              out[o + 2] = src[s + 2] * shade;
              out[o + 3] = src[s + 3];
            }
          }
        },
      };
    },
  },

  // A lens in the middle whose radius and convexity grow and shrink, each at its own step.
  ImageConvex: {
    params: { pause: P.int(20), radiusstep: P.int(5), convexstep: P.int(50), image_name: P.text() },
    image: 'image_name',
    start(ctx) {
      const { width, height } = ctx;
      const p = ctx.params;
      const reach = Math.min(width, height) / 2;
      const radius = new Bouncer(0, Math.min(p.radiusstep, reach), 0, reach);
      const convexity = new Bouncer(0, Math.min(p.convexstep, CONVEXITY_MAX), 0, CONVEXITY_MAX);
      return {
        step(n) {
          radius.step(n);
          convexity.step(n);
        },
        render(out, src) {
          const c = convexity.value;
          lens(out, src, width, height, width / 2, height / 2, radius.value, c / (c + CONVEXITY_HALF));
        },
      };
    },
  },

  // A lens of fixed radius and convexity that follows the pointer and wanders while it is away.
  ImageConvex2: {
    params: { pause: P.int(20), radius: P.int(30), convexity: P.int(40), image_name: P.text() },
    image: 'image_name',
    start(ctx, picture, mouse) {
      const { width, height } = ctx;
      const r = Math.min(ctx.params.radius, Math.hypot(width, height));
      const strength = ctx.params.convexity / (ctx.params.convexity + 10);
      const where = tracker(ctx, mouse, 0.5);
      return {
        step: (n) => where.step(n),
        render(out, src) {
          lens(out, src, width, height, where.pos.x, where.pos.y, r, strength);
        },
      };
    },
  },

  // The four corners move along the diagonals, each between the centre (1) and the applet's
  // corner (100), turning back at the ends; the picture is stretched over the four of them.
  ImageExtend: {
    params: {
      pause: P.int(20),
      topleftcorner: P.int(1, { max: 100 }),
      toprightcorner: P.int(100, { max: 100 }),
      bottomrightcorner: P.int(1, { max: 100 }),
      bottomleftcorner: P.int(100, { max: 100 }),
      topleftstep: P.int(5, { min: -50, max: 50 }),
      toprightstep: P.int(-10, { min: -50, max: 50 }),
      bottomrightstep: P.int(5, { min: -50, max: 50 }),
      bottomleftstep: P.int(-10, { min: -50, max: 50 }),
      image_name: P.text(),
    },
    image: 'image_name',
    start(ctx) {
      const { width, height } = ctx;
      const p = ctx.params;
      const names = ['topleft', 'topright', 'bottomright', 'bottomleft'];
      const ends = [[0, 0], [width, 0], [width, height], [0, height]];
      const corners = names.map((n) => new Bouncer(p[`${n}corner`], p[`${n}step`], 1, 100));
      const quad = new Float64Array(8);
      const uv = { u: 0, v: 0 };
      return {
        step(n) {
          for (const corner of corners) corner.step(n);
        },
        render(out, src) {
          out.fill(0);
          corners.forEach((corner, i) => {
            const t = corner.value / 100;
            quad[2 * i] = width / 2 + (ends[i][0] - width / 2) * t;
            quad[2 * i + 1] = height / 2 + (ends[i][1] - height / 2) * t;
          });
          const x0 = Math.max(0, Math.floor(Math.min(quad[0], quad[2], quad[4], quad[6])));
          const x1 = Math.min(width, Math.ceil(Math.max(quad[0], quad[2], quad[4], quad[6])));
          const y0 = Math.max(0, Math.floor(Math.min(quad[1], quad[3], quad[5], quad[7])));
          const y1 = Math.min(height, Math.ceil(Math.max(quad[1], quad[3], quad[5], quad[7])));
          for (let y = y0; y < y1; y++) {
            for (let x = x0; x < x1; x++) {
              if (!unmapQuad(quad, x + 0.5, y + 0.5, uv)) continue;
              const sx = Math.min(width - 1, Math.floor(uv.u * width));
              const sy = Math.min(height - 1, Math.floor(uv.v * height));
              copyPixel(out, (y * width + x) * 4, src, (sy * width + sx) * 4);
            }
          }
        },
      };
    },
  },

  // A soft spot of light that glides after the pointer; its radius breathes between half and
  // all of the light radius, by the radius step.
  ImageLight: {
    params: { pause: P.int(50), light_rad: P.int(50), light_step: P.int(10), image_name: P.text(), color: P.color('#FFFFFF') },
    image: 'image_name',
    start(ctx, picture, mouse) {
      const { width, height } = ctx;
      const full = Math.min(ctx.params.light_rad, Math.hypot(width, height));
      const radius = new Bouncer(full, -ctx.params.light_step, full / 2, full);
      const tint = tintOf(ctx.params.color);
      const dark = darkened(picture.pixels);
      const where = tracker(ctx, mouse, 0.3);
      return {
        step(n) {
          radius.step(n);
          where.step(n);
        },
        render(out, src) {
          out.set(dark);
          light(out, src, width, height, where.pos.x, where.pos.y, radius.value, 0.6 * radius.value, tint);
        },
      };
    },
  },

  // A round, sharp-edged light right under the pointer; away from it, the light bounces around.
  ImageLight2: {
    params: { pause: P.int(50), radius: P.int(50), image_name: P.text(), color: P.color('#FFFFFF') },
    image: 'image_name',
    start(ctx, picture, mouse) {
      const { width, height } = ctx;
      const r = Math.min(ctx.params.radius, Math.hypot(width, height));
      const tint = tintOf(ctx.params.color);
      const dark = darkened(picture.pixels);
      const bx = new Bouncer(width / 3, Math.max(1, width / 90), 0, width);
      const by = new Bouncer(height / 4, Math.max(1, height / 70), 0, height);
      return {
        step(n) {
          if (mouse.inside) {
            bx.value = mouse.x;
            by.value = mouse.y;
          } else {
            bx.step(n);
            by.step(n);
          }
        },
        render(out, src) {
          out.set(dark);
          const x = mouse.inside ? mouse.x : bx.value;
          const y = mouse.inside ? mouse.y : by.value;
          light(out, src, width, height, x, y, r, 2, tint);
        },
      };
    },
  },

  // A light scans the picture row after row and leaves it uncovered; the picture rests in full
  // view for as long as a row takes, then the next pass covers it again, and so on.
  ScanImage: {
    params: { pause: P.int(50), r_lim: P.int(100), r_step: P.int(10), image: P.text() },
    image: 'image',
    start(ctx, picture, mouse, out) {
      const { width, height } = ctx;
      const r = Math.max(2, Math.min(ctx.params.r_lim, Math.max(width, height)));
      const speed = Math.min(ctx.params.r_step, width + r);
      const gap = 1.5 * r;
      const rows = Math.max(1, Math.ceil((height + r / 2) / gap));
      const rowLength = width + r;
      const pass = rows * rowLength;
      const glow = glowSprite(r);
      const pos = { x: -r / 2, y: r / 2 };
      let travelled = 0;
      let uncovering = true;
      const advance = (d) => {
        travelled += d;
        if (travelled >= pass + (uncovering ? rowLength : 0)) {
          travelled = 0;
          uncovering = !uncovering;
        }
        if (travelled >= pass) {
          pos.x = -2 * r;
          return;
        }
        const row = Math.floor(travelled / rowLength);
        const along = travelled - row * rowLength;
        pos.y = r / 2 + row * gap;
        pos.x = row % 2 === 0 ? along - r / 2 : width + r / 2 - along;
        disc(out, uncovering ? picture.pixels : null, width, height, pos.x, pos.y, r);
      };
      return {
        // Steps longer than the light's radius would leave gaps: the light goes in shorter hops.
        step(n) {
          for (let left = n * speed; left > 0; left -= r) advance(Math.min(left, r));
        },
        render() {},
        overlay(g) {
          g.save();
          g.globalCompositeOperation = 'lighter';
          g.drawImage(glow, Math.round(pos.x - r), Math.round(pos.y - r));
          g.restore();
        },
      };
    },
  },
};

// Copies the disc of radius r at (cx, cy) from src, or clears it when src is null.
function disc(out, src, width, height, cx, cy, r) {
  const r2 = r * r;
  const y0 = Math.max(0, Math.floor(cy - r));
  const y1 = Math.min(height - 1, Math.ceil(cy + r));
  for (let y = y0; y <= y1; y++) {
    const dy = y + 0.5 - cy;
    const half = Math.sqrt(Math.max(0, r2 - dy * dy));
    const x0 = Math.max(0, Math.ceil(cx - half - 0.5));
    const x1 = Math.min(width, Math.floor(cx + half + 0.5));
    if (x1 <= x0) continue;
    const a = (y * width + x0) * 4;
    const b = (y * width + x1) * 4;
    if (src) out.set(src.subarray(a, b), a);
    else out.fill(0, a, b);
  }
}

function glowSprite(r) {
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = Math.ceil(2 * r);
  const g = canvas.getContext('2d');
  const gradient = g.createRadialGradient(r, r, 0, r, r, r);
  gradient.addColorStop(0, 'rgba(255,255,255,0.4)');
  gradient.addColorStop(1, 'rgba(255,255,255,0)');
  g.fillStyle = gradient;
  g.fillRect(0, 0, canvas.width, canvas.height);
  return canvas;
}

// The definition of a kind that runs one of the effects above on its picture.
function pixelEffect(effect) {
  return {
    params: effect.params,
    async create(ctx) {
      const picture = await loadPicture(ctx, ctx.params[effect.image]);
      if (!picture) return { draw() {} };
      const { image, x, y, w, h } = picture.place;
      // A page opened from the disk cannot read its own pictures: show the picture as it is.
      if (!picture.pixels) return { draw: (g) => g.drawImage(image, x, y, w, h) };
      const mouse = { inside: false, x: 0, y: 0 };
      const surface = new Surface(ctx.width, ctx.height);
      const run = effect.start(ctx, picture, mouse, surface.data);
      return {
        pause: ctx.params.pause,
        step: (n) => run.step(n),
        draw(g) {
          run.render(surface.data, picture.pixels);
          surface.present(g);
          run.overlay?.(g);
        },
        pointer: (type, px, py) => track(mouse, type, px, py),
      };
    },
  };
}

registerKind('ImageAxisRotation', pixelEffect(EFFECTS.ImageAxisRotation));
registerKind('ImageConvex', pixelEffect(EFFECTS.ImageConvex));
registerKind('ImageConvex2', pixelEffect(EFFECTS.ImageConvex2));
registerKind('ImageExtend', pixelEffect(EFFECTS.ImageExtend));
registerKind('ImageLight', pixelEffect(EFFECTS.ImageLight));
registerKind('ImageLight2', pixelEffect(EFFECTS.ImageLight2));
registerKind('ScanImage', pixelEffect(EFFECTS.ScanImage));

function track(mouse, type, x, y) {
  if (type === 'leave') mouse.inside = false;
  else if (type === 'enter' || type === 'move' || type === 'down') {
    mouse.inside = true;
    mouse.x = x;
    mouse.y = y;
  }
}

// --- Sprites: a picture at its own size over the background.

// The sprite waves in both directions; "ondulation" is the number of waves across it.
registerKind('Deformation', {
  params: { pause: P.int(20), amplitude: P.int(3, { max: 100 }), ondulation: P.int(2, { max: 100 }), sprite: P.text() },
  async create(ctx) {
    const sprite = await loadSprite(ctx, ctx.params.sprite);
    if (!sprite) return { draw() {} };
    const { image, w, h } = sprite;
    const x = Math.round((ctx.width - w) / 2);
    const y = Math.round((ctx.height - h) / 2);
    const src = ctx.imagePixels(image)?.data;
    if (!src) return { draw: (g) => g.drawImage(image, x, y) };
    const a = Math.min(ctx.params.amplitude, Math.max(w, h));
    const waves = 2 * Math.PI * ctx.params.ondulation;
    const surface = new Surface(w + 2 * a, h + 2 * a);
    const shiftX = new Int32Array(h + 2 * a);
    const shiftY = new Int32Array(w + 2 * a);
    let phase = 0;
    return {
      pause: ctx.params.pause,
      step(n) {
        phase = (phase + n * WAVE_PER_STEP) % (2 * Math.PI);
      },
      draw(g) {
        const W = w + 2 * a;
        const H = h + 2 * a;
        for (let j = 0; j < H; j++) shiftX[j] = Math.round(a * Math.sin((waves * j) / h + phase));
        for (let i = 0; i < W; i++) shiftY[i] = Math.round(a * Math.sin((waves * i) / w + 1.3 * phase));
        const out = surface.data;
        for (let j = 0; j < H; j++) {
          for (let i = 0; i < W; i++) {
            const sx = i - a - shiftX[j];
            const sy = j - a - shiftY[i];
            const o = (j * W + i) * 4;
            if (sx < 0 || sy < 0 || sx >= w || sy >= h) out[o + 3] = 0;
            else copyPixel(out, o, src, (sy * w + sx) * 4);
          }
        }
        surface.present(g, x - a, y - a);
      },
    };
  },
});

// The sprite glides after the pointer; away from the applet it stays where it is, or hides.
registerKind('ImagePointer', {
  params: { pause: P.int(50), image: P.text(), out_visible: P.choice(['yes', 'no'], 'yes') },
  async create(ctx) {
    const sprite = await loadSprite(ctx, ctx.params.image);
    if (!sprite) return { draw() {} };
    const mouse = { inside: false, x: 0, y: 0 };
    const pos = { x: ctx.width / 2, y: ctx.height / 2 };
    const outVisible = ctx.params.out_visible === 'yes';
    return {
      pause: ctx.params.pause,
      step(n) {
        if (mouse.inside) follow(pos, mouse, 0.2, n);
      },
      draw(g) {
        if (!mouse.inside && !outVisible) return;
        g.drawImage(sprite.image, Math.round(pos.x - sprite.w / 2), Math.round(pos.y - sprite.h / 2));
      },
      pointer(type, px, py) {
        track(mouse, type, px, py);
        if (type === 'leave') ctx.invalidate();
      },
    };
  },
});
}
// --- kinds/links.js
{
// Links and pictures: a push button, check boxes and a list of titles that open pages, a row of
// image buttons, a picture leading to a random link, a random picture and protected pictures.


const FONT = 'px sans-serif';

function shade(color, factor) {
  const n = Number.parseInt(color.slice(1), 16);
  const c = (v) => Math.max(0, Math.min(255, Math.round(factor > 1 ? v + (255 - v) * (factor - 1) : v * factor)));
  return `rgb(${c((n >> 16) & 255)},${c((n >> 8) & 255)},${c(n & 255)})`;
}

// A raised (or pressed) button face with its label.
function drawButton(g, x, y, w, h, color, label, pressed, focused) {
  g.fillStyle = color;
  g.fillRect(x, y, w, h);
  g.fillStyle = shade(color, pressed ? 0.55 : 1.6);
  g.fillRect(x, y, w, 2);
  g.fillRect(x, y, 2, h);
  g.fillStyle = shade(color, pressed ? 1.6 : 0.55);
  g.fillRect(x, y + h - 2, w, 2);
  g.fillRect(x + w - 2, y, 2, h);
  const size = Math.max(8, Math.min(16, Math.floor(h * 0.5)));
  g.font = `${size}${FONT}`;
  g.textAlign = 'center';
  g.textBaseline = 'middle';
  g.fillStyle = '#000000';
  const shift = pressed ? 1 : 0;
  g.fillText(label, x + w / 2 + shift, y + h / 2 + shift, Math.max(1, w - 6));
  if (focused) {
    g.strokeStyle = '#000000';
    g.setLineDash([1, 2]);
    g.strokeRect(x + 4.5, y + 4.5, w - 9, h - 9);
    g.setLineDash([]);
  }
}

function follow(ctx, link, target) {
  if (link && !ctx.openLink(link, target)) ctx.log(`link ${JSON.stringify(link)} not followed`);
}

const focused = (ctx) => document.activeElement === ctx.canvas;

// --- ButtonLink

registerKind('ButtonLink', {
  params: {
    text: P.text(),
    button_width: P.int(({ width }) => width),
    button_height: P.int(({ height }) => height),
    link: P.text(),
    button_color: P.color('#FFFFFF'),
    target: P.text('_self'),
  },
  create(ctx) {
    const p = ctx.params;
    const w = Math.min(ctx.width, p.button_width);
    const h = Math.min(ctx.height, p.button_height);
    const face = { x: Math.floor((ctx.width - w) / 2), y: Math.floor((ctx.height - h) / 2), w, h };
    let pressed = false;
    ctx.canvas.setAttribute('role', 'button');
    ctx.canvas.setAttribute('aria-label', p.text);
    const stop = listenKeys(ctx, (key) => {
      if (key !== 'Enter' && key !== ' ') return false;
      follow(ctx, p.link, p.target);
      return true;
    });
    const press = (value) => {
      if (pressed !== value) {
        pressed = value;
        ctx.invalidate();
      }
    };
    return {
      pointer(type, x, y) {
        const over = inside(x, y, face);
        ctx.canvas.style.cursor = over ? 'pointer' : '';
        if (type === 'down') press(over);
        else if (type === 'up' || type === 'leave') press(false);
        else if (type === 'click' && over) follow(ctx, p.link, p.target);
      },
      draw(g) {
        drawButton(g, face.x, face.y, face.w, face.h, p.button_color, p.text, pressed, focused(ctx));
      },
      dispose: stop,
    };
  },
});

// --- CheckBoxLink and ListLink: rows of texts, each with its link.

const GO_LABEL = 'Go';

// The texts and their links, and the ink that reads on the background.
function textsAndLinks(ctx) {
  const raw = ctx.rawParams;
  const n = listLength(raw, 'number', 'text');
  return { raw, n, texts: alignedList(raw, 'text', n), links: alignedList(raw, 'link', n), ink: inkOn(backgroundOf(ctx)) };
}

function rowHeight(height, rows) {
  return Math.max(10, Math.min(20, Math.floor(height / Math.max(1, rows))));
}

registerKind('CheckBoxLink', {
  params: { target: P.text('_blank') },
  create(ctx) {
    const { raw, n, texts, links, ink } = textsAndLinks(ctx);
    const ticked = texts.map((_, i) => (raw.get(`checked${i + 1}`) ?? '').trim().toLowerCase() !== 'no');
    const row = rowHeight(ctx.height, n + 1);
    const go = { x: ctx.width - 50, y: ctx.height - row, w: 46, h: row };
    // Rows that do not fit above the button scroll with the wheel and the keys.
    const shown = Math.max(1, Math.floor((ctx.height - row) / row));
    let first = 0;
    let current = 0; // the row the keyboard acts on; n is the Go button
    let pressed = false;
    const scrollTo = (top) => {
      first = Math.max(0, Math.min(n - shown, top));
    };
    const wheel = (event) => {
      if (n <= shown) return;
      event.preventDefault();
      scrollTo(first + Math.sign(event.deltaY));
      ctx.invalidate();
    };
    ctx.canvas.addEventListener('wheel', wheel, { passive: false });

    const open = () => {
      for (let i = 0; i < n; i++) if (ticked[i] && links[i]) follow(ctx, links[i], ctx.params.target);
    };
    const toggle = (i) => {
      ticked[i] = !ticked[i];
      ctx.invalidate();
    };
    const stop = listenKeys(ctx, (key) => {
      if (key === 'ArrowDown' || key === 'ArrowUp') current = (current + (key === 'ArrowDown' ? 1 : n)) % (n + 1);
      else if (key === ' ' && current < n) toggle(current);
      else if (key === 'Enter' || key === ' ') open();
      else return false;
      if (current < n && (current < first || current >= first + shown)) scrollTo(current < first ? current : current - shown + 1);
      ctx.invalidate();
      return true;
    });
    return {
      pointer(type, x, y) {
        const onGo = inside(x, y, go);
        if (type === 'down' && onGo) pressed = true;
        if (type === 'up' || type === 'leave') pressed = false;
        if (type === 'click') {
          const i = first + Math.floor(y / row);
          if (onGo) open();
          else if (y < shown * row && i < n) toggle(i);
        }
        ctx.invalidate();
      },
      draw(g) {
        const box = Math.max(6, row - 8);
        g.font = `${Math.max(8, row - 6)}${FONT}`;
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        for (let i = first; i < Math.min(n, first + shown); i++) {
          const y = (i - first) * row;
          const by = y + Math.floor((row - box) / 2);
          g.fillStyle = '#FFFFFF';
          g.fillRect(4, by, box, box);
          g.strokeStyle = '#808080';
          g.lineWidth = 1;
          g.strokeRect(4.5, by + 0.5, box - 1, box - 1);
          if (ticked[i]) {
            g.strokeStyle = '#000000';
            g.lineWidth = 2;
            g.beginPath();
            g.moveTo(6, by + box / 2);
            g.lineTo(4 + box * 0.4, by + box - 3);
            g.lineTo(2 + box, by + 2);
            g.stroke();
          }
          g.fillStyle = ink;
          g.fillText(texts[i], box + 10, y + row / 2, Math.max(1, ctx.width - box - 14));
          if (focused(ctx) && current === i) {
            g.strokeStyle = ink;
            g.lineWidth = 1;
            g.setLineDash([1, 2]);
            g.strokeRect(1.5, y + 0.5, ctx.width - 3, row - 1);
            g.setLineDash([]);
          }
        }
        drawButton(g, go.x, go.y, go.w, go.h, '#C0C0C0', GO_LABEL, pressed, focused(ctx) && current === n);
      },
      dispose() {
        stop();
        ctx.canvas.removeEventListener('wheel', wheel);
      },
    };
  },
});

registerKind('ListLink', {
  params: { target: P.text('_blank') },
  create(ctx) {
    const { n, texts, links, ink } = textsAndLinks(ctx);
    const row = 18;
    const visible = Math.max(1, Math.floor((ctx.height - 4) / row));
    let selected = n > 0 ? 0 : -1;
    let first = 0;

    const select = (i) => {
      selected = Math.max(0, Math.min(n - 1, i));
      if (selected < first) first = selected;
      if (selected >= first + visible) first = selected - visible + 1;
      ctx.invalidate();
    };
    const open = () => {
      if (selected >= 0 && links[selected]) follow(ctx, links[selected], ctx.params.target);
    };
    const stop = listenKeys(ctx, (key) => {
      if (n === 0) return false;
      const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: visible, PageUp: -visible, Home: -n, End: n };
      if (key in moves) select(selected + moves[key]);
      else if (key === 'Enter') open();
      else return false;
      return true;
    });
    const wheel = (event) => {
      if (n <= visible) return;
      event.preventDefault();
      first = Math.max(0, Math.min(n - visible, first + Math.sign(event.deltaY)));
      ctx.invalidate();
    };
    ctx.canvas.addEventListener('wheel', wheel, { passive: false });
    return {
      pointer(type, x, y, event) {
        if (type !== 'click' || n === 0) return;
        const i = first + Math.floor((y - 2) / row);
        if (i < 0 || i >= n) return;
        select(i);
        if (event.detail >= 2) open();
      },
      draw(g) {
        g.font = `12${FONT}`;
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        for (let k = 0; k < visible && first + k < n; k++) {
          const i = first + k;
          const y = 2 + k * row;
          if (i === selected) {
            g.fillStyle = '#000080';
            g.fillRect(2, y, ctx.width - 4, row);
          }
          g.fillStyle = i === selected ? '#FFFFFF' : ink;
          g.fillText(texts[i], 6, y + row / 2, Math.max(1, ctx.width - 12));
        }
        if (n > visible) {
          // Where the shown rows stand in the whole list.
          const h = Math.max(6, ((ctx.height - 4) * visible) / n);
          const top = 2 + ((ctx.height - 4 - h) * first) / (n - visible);
          g.fillStyle = '#808080';
          g.fillRect(ctx.width - 5, top, 3, h);
        }
        if (focused(ctx)) {
          g.strokeStyle = ink;
          g.lineWidth = 1;
          g.strokeRect(0.5, 0.5, ctx.width - 1, ctx.height - 1);
        }
      },
      dispose() {
        stop();
        ctx.canvas.removeEventListener('wheel', wheel);
      },
    };
  },
});

// --- Navigation: image buttons side by side (or one under the other) that light up under the mouse.

registerKind('Navigation', {
  params: { direction: P.choice(['horizontal', 'vertical'], 'horizontal'), target: P.text('_blank') },
  async create(ctx) {
    const raw = ctx.rawParams;
    const n = listLength(raw, 'number', 'link');
    const links = alignedList(raw, 'link', n);
    const load = (base) => Promise.all(alignedList(raw, base, n).map((name) => (name ? ctx.loadImage(name) : null)));
    const [images, lit] = await Promise.all([load('image'), load('image_focused')]);
    const vertical = ctx.params.direction === 'vertical';
    // A missing picture keeps its place, the size of the first one that loaded.
    const known = images.find(Boolean) ?? lit.find(Boolean);
    const fallback = { w: known?.naturalWidth ?? 60, h: known?.naturalHeight ?? 20 };
    const buttons = [];
    let at = 0;
    for (let i = 0; i < n; i++) {
      const image = images[i] ?? lit[i];
      const w = image?.naturalWidth ?? fallback.w;
      const h = image?.naturalHeight ?? fallback.h;
      buttons.push(vertical ? { x: 0, y: at, w, h } : { x: at, y: 0, w, h });
      at += vertical ? h : w;
    }
    let over = -1;
    let current = 0;
    const stop = listenKeys(ctx, (key) => {
      if (n === 0) return false;
      const next = vertical ? ['ArrowDown', 'ArrowUp'] : ['ArrowRight', 'ArrowLeft'];
      if (key === next[0]) current = (current + 1) % n;
      else if (key === next[1]) current = (current + n - 1) % n;
      else if (key === 'Enter' && links[current]) follow(ctx, links[current], ctx.params.target);
      else return false;
      ctx.invalidate();
      return true;
    });
    return {
      pointer(type, x, y) {
        const hit = type === 'leave' ? -1 : buttons.findIndex((b) => inside(x, y, b));
        if (hit !== over) {
          over = hit;
          ctx.canvas.style.cursor = hit >= 0 ? 'pointer' : '';
          ctx.invalidate();
        }
        if (type === 'click' && hit >= 0 && links[hit]) follow(ctx, links[hit], ctx.params.target);
      },
      draw(g) {
        const keyboard = focused(ctx) ? current : -1;
        buttons.forEach((b, i) => {
          const image = (i === over || i === keyboard) && lit[i] ? lit[i] : images[i];
          if (image) g.drawImage(image, b.x, b.y);
          else {
            g.strokeStyle = '#808080';
            g.strokeRect(b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1);
          }
        });
      },
      dispose: stop,
    };
  },
});

// --- Pictures

// An image at its own size, centred, made smaller (never larger) when it exceeds the applet.
function placed(image, width, height) {
  const scale = Math.min(1, width / image.naturalWidth, height / image.naturalHeight);
  const w = Math.max(1, Math.round(image.naturalWidth * scale));
  const h = Math.max(1, Math.round(image.naturalHeight * scale));
  return [image, Math.round((width - w) / 2), Math.round((height - h) / 2), w, h];
}

function pickAtRandom(list) {
  return list.length ? list[Math.floor(Math.random() * list.length)] : null;
}

registerKind('RandomLink', {
  params: { image: P.text(), target: P.text('_self') },
  async create(ctx) {
    const raw = ctx.rawParams;
    const links = alignedList(raw, 'link', listLength(raw, 'link_number', 'link')).filter(Boolean);
    const image = ctx.params.image ? await ctx.loadImage(ctx.params.image) : null;
    const picture = image && placed(image, ctx.width, ctx.height);
    if (links.length) {
      ctx.canvas.style.cursor = 'pointer';
      ctx.canvas.setAttribute('role', 'link');
    }
    const go = () => {
      const link = pickAtRandom(links);
      if (link) follow(ctx, link, ctx.params.target);
    };
    const stop = listenKeys(ctx, (key) => key === 'Enter' && (go(), true));
    return {
      pointer(type) {
        if (type === 'click') go();
      },
      draw(g) {
        if (picture) g.drawImage(...picture);
      },
      dispose: stop,
    };
  },
});

registerKind('RandomImage', {
  async create(ctx) {
    const raw = ctx.rawParams;
    const names = alignedList(raw, 'image', listLength(raw, 'images_number', 'image')).filter(Boolean);
    // Another picture when the chosen one is missing, so a broken entry does not leave it empty.
    const order = names.map((name) => [Math.random(), name]).sort((a, b) => a[0] - b[0]);
    let picture = null;
    for (const [, name] of order) {
      const image = await ctx.loadImage(name);
      if (image) {
        picture = placed(image, ctx.width, ctx.height);
        break;
      }
    }
    return {
      draw(g) {
        if (picture) g.drawImage(...picture);
      },
    };
  },
});

// Pictures drawn on the canvas, no image element to save: the context menu and dragging are
// turned off. Several pictures follow one another.
const PROTECT_HOLD = 3000;

registerKind('Protect', {
  async create(ctx) {
    const raw = ctx.rawParams;
    const names = alignedList(raw, 'image', listLength(raw, 'images_number', 'image')).filter(Boolean);
    const pictures = (await ctx.loadImages(names)).map((image) => placed(image, ctx.width, ctx.height));
    const canvas = ctx.canvas;
    const refuse = (event) => event.preventDefault();
    canvas.addEventListener('contextmenu', refuse);
    canvas.addEventListener('dragstart', refuse);
    canvas.style.userSelect = 'none';
    canvas.style.webkitUserSelect = 'none';
    let shown = 0;
    return {
      pause: pictures.length > 1 ? PROTECT_HOLD : 0,
      step(n) {
        shown = (shown + n) % pictures.length;
      },
      draw(g) {
        if (pictures.length) g.drawImage(...pictures[shown]);
      },
      dispose() {
        canvas.removeEventListener('contextmenu', refuse);
        canvas.removeEventListener('dragstart', refuse);
      },
    };
  },
});
}
// --- kinds/menus.js
{
// Menus of links: a pop-up menu with submenus opened by the mouse, and a button that opens a
// tree menu in a frame window of its own. Both are page elements of ours, built with DOM calls
// and textContent only: menu texts come from the page and are never read as HTML.


const MAX_NODES = 1000;
const MAX_DEPTH = 9;
const FONT = '12px sans-serif';

function itemOf(raw, path) {
  return { caption: raw.get(`text${path}`) ?? '', link: (raw.get(`link${path}`) ?? '').trim(), children: [] };
}

// Items are numbered by their path without separators ("text1", "text12", "text121"): once a
// level holds ten items the names are ambiguous, but the page lists them depth first, so the
// order of the parameters tells a first child from a later sibling.
function menuTree(raw) {
  const names = [...raw.keys()].filter((name) => /^text\d+$/.test(name)).slice(0, MAX_NODES);
  const root = [];
  const levels = [{ prefix: '', next: 1, items: root }];
  let last = null;
  for (const name of names) {
    const path = name.slice(4);
    if (last && path === `${last.path}1` && levels.length < MAX_DEPTH) {
      levels.push({ prefix: last.path, next: 1, items: last.node.children });
    } else {
      let depth = levels.length - 1;
      while (depth >= 0 && path !== levels[depth].prefix + levels[depth].next) depth--;
      // Written in another order (by hand): read the tree by its names instead.
      if (depth < 0) return menuTreeByNames(raw);
      levels.length = depth + 1;
    }
    const level = levels[levels.length - 1];
    const node = itemOf(raw, path);
    level.items.push(node);
    level.next++;
    last = { path, node };
  }
  return root;
}

function menuTreeByNames(raw, prefix = '', budget = { left: MAX_NODES }) {
  const items = [];
  for (let k = 1; budget.left > 0 && raw.has(`text${prefix}${k}`); k++) {
    budget.left--;
    const node = itemOf(raw, `${prefix}${k}`);
    if (prefix.length < MAX_DEPTH) node.children = menuTreeByNames(raw, `${prefix}${k}`, budget);
    items.push(node);
  }
  return items;
}

const isSeparator = (item) => /^\s*-+\s*$/.test(item.caption) && !item.link && item.children.length === 0;

function element(tag, style, text) {
  const node = document.createElement(tag);
  Object.assign(node.style, style);
  if (text !== undefined) node.textContent = text;
  return node;
}

const PANEL = {
  position: 'absolute',
  zIndex: '2147483000',
  font: FONT,
  color: '#000000',
  background: '#F0F0F0',
  border: '1px solid #808080',
  boxShadow: '2px 2px 4px rgba(0,0,0,0.35)',
  boxSizing: 'border-box',
  textAlign: 'left',
};

const ITEM = {
  display: 'flex',
  justifyContent: 'space-between',
  gap: '12px',
  width: '100%',
  padding: '3px 10px',
  border: '0',
  margin: '0',
  background: 'transparent',
  color: '#000000',
  font: FONT,
  textAlign: 'left',
  cursor: 'pointer',
  whiteSpace: 'nowrap',
};

function highlight(button, on) {
  button.style.background = on ? '#000080' : 'transparent';
  button.style.color = on ? '#FFFFFF' : '#000000';
}

function follow(ctx, link, target) {
  if (!ctx.openLink(link, target)) ctx.log(`link ${JSON.stringify(link)} not followed`);
}

function focusSibling(button, delta) {
  const buttons = [...button.parentElement.querySelectorAll(':scope > button')];
  const next = buttons[(buttons.indexOf(button) + delta + buttons.length) % buttons.length];
  next?.focus();
}

// --- MenuPopUp

// A menu panel and its open submenu, if any; `close` ends the whole menu.
class PopupMenu {
  constructor(ctx, items, target, owner, close) {
    this.ctx = ctx;
    this.target = target;
    this.owner = owner;
    this.close = close;
    this.child = null;
    this.panel = element('div', { ...PANEL, padding: '2px 0' });
    this.panel.setAttribute('role', 'menu');
    for (const item of items) this.panel.append(isSeparator(item) ? this.separator() : this.button(item));
  }

  separator() {
    const line = element('div', { height: '0', margin: '3px 4px', borderTop: '1px solid #A0A0A0', borderBottom: '1px solid #FFFFFF' });
    line.setAttribute('role', 'separator');
    return line;
  }

  button(item) {
    const button = element('button', ITEM);
    button.type = 'button';
    button.setAttribute('role', 'menuitem');
    button.append(element('span', {}, item.caption));
    const hasSubmenu = item.children.length > 0;
    if (hasSubmenu) {
      button.setAttribute('aria-haspopup', 'menu');
      button.append(element('span', {}, '\u25B8'));
    }
    const openSubmenu = () => {
      this.closeChild();
      highlight(button, true);
      if (hasSubmenu) {
        this.child = new PopupMenu(this.ctx, item.children, this.target, this.owner, this.close);
        this.child.parentButton = button;
        this.child.showBeside(button);
      }
    };
    button.addEventListener('pointerenter', openSubmenu);
    button.addEventListener('focus', () => {
      if (this.child?.parentButton !== button) this.closeChild();
      highlight(button, true);
    });
    button.addEventListener('blur', () => {
      if (this.child?.parentButton !== button) highlight(button, false);
    });
    button.addEventListener('pointerleave', () => {
      if (this.child?.parentButton !== button) highlight(button, false);
    });
    button.addEventListener('click', () => {
      if (item.link) {
        this.close(false);
        follow(this.ctx, item.link, this.target);
      } else if (hasSubmenu) {
        openSubmenu();
        this.child?.focusFirst();
      }
    });
    button.addEventListener('keydown', (event) => {
      const keys = {
        ArrowDown: () => focusSibling(button, 1),
        ArrowUp: () => focusSibling(button, -1),
        ArrowRight: () => hasSubmenu && (openSubmenu(), this.child.focusFirst()),
        ArrowLeft: () => this.parentButton && this.owner.closeAfter(this),
        Escape: () => this.close(true),
      };
      if (!keys[event.key]) return;
      event.preventDefault();
      event.stopPropagation();
      keys[event.key]();
    });
    return button;
  }

  // Shown with its top-left corner at page position (x, y), moved back inside the window.
  showAt(x, y) {
    document.body.append(this.panel);
    const right = window.scrollX + document.documentElement.clientWidth;
    const bottom = window.scrollY + document.documentElement.clientHeight;
    const left = Math.max(window.scrollX, Math.min(x, right - this.panel.offsetWidth));
    const top = Math.max(window.scrollY, Math.min(y, bottom - this.panel.offsetHeight));
    Object.assign(this.panel.style, { left: `${left}px`, top: `${top}px` });
  }

  showBeside(button) {
    const box = button.getBoundingClientRect();
    document.body.append(this.panel);
    const roomRight = box.right + this.panel.offsetWidth <= document.documentElement.clientWidth;
    const x = roomRight ? box.right - 2 : box.left - this.panel.offsetWidth + 2;
    this.showAt(x + window.scrollX, box.top + window.scrollY - 3);
  }

  focusFirst() {
    this.panel.querySelector('button')?.focus();
  }

  closeChild() {
    if (!this.child) return;
    const button = this.child.parentButton;
    this.child.remove();
    this.child = null;
    highlight(button, false);
  }

  closeAfter(menu) {
    for (let m = this; m; m = m.child) {
      if (m.child === menu) {
        const button = menu.parentButton;
        m.closeChild();
        button.focus();
        return;
      }
    }
  }

  contains(node) {
    for (let m = this; m; m = m.child) if (m.panel.contains(node)) return true;
    return false;
  }

  remove() {
    this.closeChild();
    this.panel.remove();
  }
}

// Time the pointer may spend outside the applet and the menu before a mouse-over menu closes.
const LEAVE_GRACE = 400;

registerKind('MenuPopUp', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    text: P.text(),
    text_color: P.color('#FFFFFF'),
    target: P.text('_self'),
    mode: P.choice(['enter', 'clic'], 'enter'),
    location: P.choice(['center', 'random', 'mouse'], 'center'),
  },
  create(ctx) {
    const p = ctx.params;
    const items = menuTree(ctx.rawParams);
    const canvas = ctx.canvas;
    if (canvas.tabIndex < 0) canvas.tabIndex = 0;
    canvas.setAttribute('aria-haspopup', 'menu');
    let menu = null;
    let leaveTimer = 0;
    const stay = () => {
      clearTimeout(leaveTimer);
      leaveTimer = 0;
    };
    const leaveSoon = () => {
      if (!leaveTimer) leaveTimer = setTimeout(() => close(false), LEAVE_GRACE);
    };

    const close = (refocus) => {
      stay();
      if (!menu) return;
      menu.remove();
      menu = null;
      canvas.setAttribute('aria-expanded', 'false');
      if (refocus) canvas.focus();
    };
    const open = (x, y) => {
      close(false);
      if (items.length === 0) return;
      menu = new PopupMenu(ctx, items, p.target, null, close);
      menu.owner = menu;
      const box = canvas.getBoundingClientRect();
      const scale = box.width / ctx.width || 1;
      const spot = {
        center: [ctx.width / 2, ctx.height / 2],
        random: [Math.random() * ctx.width, Math.random() * ctx.height],
        mouse: [x, y],
      }[p.location];
      document.body.append(menu.panel);
      const centre = p.location === 'center';
      const left = box.left + window.scrollX + spot[0] * scale - (centre ? menu.panel.offsetWidth / 2 : 0);
      const top = box.top + window.scrollY + spot[1] * scale - (centre ? menu.panel.offsetHeight / 2 : 0);
      menu.showAt(left, top);
      canvas.setAttribute('aria-expanded', 'true');
    };
    // A mouse-over menu closes once the pointer has left both the applet and every panel.
    const pointerAway = (event) => {
      if (!menu || p.mode !== 'enter') return;
      if (event.target === canvas || menu.contains(event.target)) stay();
      else leaveSoon();
    };
    const pressAway = (event) => {
      if (menu && event.target !== canvas && !menu.contains(event.target)) close(false);
    };
    const keys = (event) => {
      if (['Enter', ' ', 'ArrowDown'].includes(event.key) && !menu) {
        event.preventDefault();
        open(ctx.width / 2, ctx.height / 2);
        menu?.focusFirst();
      } else if (event.key === 'Escape') close(true);
    };
    document.addEventListener('pointerover', pointerAway);
    document.addEventListener('pointerdown', pressAway);
    canvas.addEventListener('keydown', keys);
    return {
      pointer(type, x, y) {
        if (type === 'enter' && p.mode === 'enter' && !menu) open(x, y);
        // The pointer may leave the window from the applet, where no other element hears it.
        else if (type === 'leave' && p.mode === 'enter' && menu) leaveSoon();
        else if (type === 'click' && p.mode === 'clic') {
          if (menu) close(false);
          else open(x, y);
        }
      },
      draw(g) {
        if (!p.text) return;
        g.font = `${p.text_height}px sans-serif`;
        g.textAlign = 'center';
        g.textBaseline = 'middle';
        g.fillStyle = p.text_color;
        g.fillText(p.text, ctx.width / 2, ctx.height / 2);
      },
      dispose() {
        close(false);
        document.removeEventListener('pointerover', pointerAway);
        document.removeEventListener('pointerdown', pressAway);
        canvas.removeEventListener('keydown', keys);
      },
    };
  },
});

// --- MenuFrame

const FRAME_TITLE = 'Menu';
const BUTTON_LABEL = 'Menu';

// One row of the tree: a node with children opens and closes its branch, a node with a link follows it.
function treeRows(ctx, items, target, depth, into) {
  for (const item of items) {
    const branch = item.children.length > 0;
    const row = element('button', { ...ITEM, justifyContent: 'flex-start', gap: '4px', padding: `2px 6px 2px ${6 + depth * 14}px` });
    row.type = 'button';
    row.setAttribute('role', 'treeitem');
    const mark = element('span', { display: 'inline-block', width: '10px' }, branch ? '\u25B8' : '');
    row.append(mark, element('span', { textDecoration: item.link ? 'underline' : 'none' }, item.caption));
    into.append(row);
    let children = null;
    if (branch) {
      row.setAttribute('aria-expanded', 'false');
      children = element('div', { display: 'none' });
      children.setAttribute('role', 'group');
      treeRows(ctx, item.children, target, depth + 1, children);
      into.append(children);
    }
    row.addEventListener('pointerenter', () => highlight(row, true));
    row.addEventListener('pointerleave', () => highlight(row, false));
    row.addEventListener('focus', () => highlight(row, true));
    row.addEventListener('blur', () => highlight(row, false));
    row.addEventListener('click', () => {
      if (item.link) follow(ctx, item.link, target);
      if (children) {
        const opening = children.style.display === 'none';
        children.style.display = opening ? 'block' : 'none';
        mark.textContent = opening ? '\u25BE' : '\u25B8';
        row.setAttribute('aria-expanded', String(opening));
      }
    });
  }
}

registerKind('MenuFrame', {
  params: {
    frame_width: P.int(300, { max: 4096 }),
    frame_height: P.int(67, { max: 4096 }),
    frame_X: P.int(350, { max: 100000 }),
    frame_Y: P.int(300, { max: 100000 }),
    target: P.text('_self'),
  },
  create(ctx) {
    const p = ctx.params;
    const raw = ctx.rawParams;
    const items = menuTree(raw);
    const ink = inkOn(backgroundOf(ctx));
    const canvas = ctx.canvas;
    canvas.style.cursor = 'pointer';
    canvas.setAttribute('aria-haspopup', 'tree');
    if (canvas.tabIndex < 0) canvas.tabIndex = 0;
    let frame = null;
    // Where the visitor last left the frame: it opens there again.
    let place = { x: p.frame_X, y: p.frame_Y };

    const close = (refocus) => {
      if (!frame) return;
      frame.remove();
      frame = null;
      canvas.setAttribute('aria-expanded', 'false');
      ctx.invalidate();
      if (refocus) canvas.focus();
    };
    const moveTo = (x, y) => {
      const width = document.documentElement.clientWidth;
      const height = document.documentElement.clientHeight;
      place = { x: Math.max(0, Math.min(x, width - frame.offsetWidth)), y: Math.max(0, Math.min(y, height - frame.offsetHeight)) };
      Object.assign(frame.style, { left: `${place.x}px`, top: `${place.y}px` });
    };
    const open = () => {
      frame = element('div', { ...PANEL, position: 'fixed', display: 'flex', flexDirection: 'column', width: `${p.frame_width}px`, height: `${p.frame_height}px` });
      frame.setAttribute('role', 'dialog');
      frame.setAttribute('aria-label', FRAME_TITLE);
      const bar = element('div', { display: 'flex', alignItems: 'center', justifyContent: 'space-between', background: '#000080', color: '#FFFFFF', padding: '2px 2px 2px 6px', cursor: 'move', userSelect: 'none', flex: 'none', touchAction: 'none' });
      const shut = element('button', { font: FONT, width: '18px', height: '16px', padding: '0', lineHeight: '14px', cursor: 'pointer' }, '\u00D7');
      shut.type = 'button';
      shut.setAttribute('aria-label', 'Close');
      shut.addEventListener('click', () => close(true));
      bar.append(element('span', { fontWeight: 'bold' }, FRAME_TITLE), shut);
      const tree = element('div', { overflow: 'auto', flex: '1', padding: '2px 0', background: '#FFFFFF' });
      tree.setAttribute('role', 'tree');
      treeRows(ctx, items, p.target, 0, tree);
      frame.append(bar, tree);
      frame.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') close(true);
        else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
          const rows = [...tree.querySelectorAll('button')].filter((b) => b.offsetParent !== null);
          const i = rows.indexOf(document.activeElement);
          rows[(i + (event.key === 'ArrowDown' ? 1 : rows.length - 1)) % rows.length]?.focus();
        } else return;
        event.preventDefault();
      });
      bar.addEventListener('pointerdown', (event) => {
        if (event.target === shut) return;
        const grab = { x: event.clientX - place.x, y: event.clientY - place.y };
        bar.setPointerCapture(event.pointerId);
        const drag = (e) => moveTo(e.clientX - grab.x, e.clientY - grab.y);
        const drop = () => {
          bar.removeEventListener('pointermove', drag);
          bar.removeEventListener('pointerup', drop);
        };
        bar.addEventListener('pointermove', drag);
        bar.addEventListener('pointerup', drop);
      });
      document.body.append(frame);
      moveTo(place.x, place.y);
      canvas.setAttribute('aria-expanded', 'true');
      ctx.invalidate();
    };
    const toggle = () => (frame ? close(false) : open());
    const keys = (event) => {
      if (event.key !== 'Enter' && event.key !== ' ') return;
      event.preventDefault();
      if (!frame) open();
      frame?.querySelector('[role=tree] button')?.focus();
    };
    canvas.addEventListener('keydown', keys);
    return {
      pointer(type) {
        if (type === 'click') toggle();
      },
      draw(g) {
        g.strokeStyle = ink;
        g.lineWidth = 1;
        g.strokeRect(1.5, 1.5, ctx.width - 3, ctx.height - 3);
        g.font = `${Math.max(8, Math.min(16, Math.floor(ctx.height * 0.5)))}px sans-serif`;
        g.textAlign = 'center';
        g.textBaseline = 'middle';
        g.fillStyle = ink;
        g.fillText(`${BUTTON_LABEL} ${frame ? '\u25BE' : '\u25B8'}`, ctx.width / 2, ctx.height / 2, ctx.width - 8);
      },
      dispose() {
        close(false);
        canvas.removeEventListener('keydown', keys);
      },
    };
  },
});
}
// --- kinds/polygons.js
{
// Line drawings built up frame by frame: a polygon turning and shrinking into a spiral, or a fan
// of triangles each filled with smaller and smaller turned copies of itself. A finished drawing
// stays for the pause between drawings, then the next one starts on a clean area.


const POLYGONS = '0';
const TRIANGLES = '1';
// A polygon's last outline is this fraction of its first.
const SPIRAL_END = 0.15;

const between = (low, high) => low + Math.floor(Math.random() * (high - low + 1));

// Frames of one drawing: each call of next() strokes one more outline on g; false when done.
function polygonDrawing(width, height, order, angleStep) {
  const sides = order;
  const frames = Math.min(360, Math.ceil(360 / angleStep));
  const shrink = SPIRAL_END ** (1 / frames);
  const cx = width * (0.35 + Math.random() * 0.3);
  const cy = height * (0.35 + Math.random() * 0.3);
  let radius = Math.min(width, height) * (0.3 + Math.random() * 0.15);
  let angle = Math.random() * 2 * Math.PI;
  let drawn = 0;
  return (g) => {
    g.beginPath();
    for (let k = 0; k <= sides; k++) {
      const a = angle + (k * 2 * Math.PI) / sides;
      const x = cx + radius * Math.cos(a);
      const y = cy + radius * Math.sin(a);
      if (k === 0) g.moveTo(x, y);
      else g.lineTo(x, y);
    }
    g.stroke();
    angle += (angleStep * Math.PI) / 180;
    radius *= shrink;
    return ++drawn < frames;
  };
}

// Triangles share the centre and fan out to a circle; each copy moves every corner 1/coefficient
// of the way along its side, neighbours turning opposite ways.
function triangleDrawing(width, height, count, coefficient, repetitions) {
  const cx = width / 2;
  const cy = height / 2;
  const radius = Math.min(width, height) * 0.47;
  const start = Math.random() * 2 * Math.PI;
  const corners = new Float64Array(count * 6);
  const moved = new Float64Array(6);
  for (let t = 0; t < count; t++) {
    const a = start + (t * 2 * Math.PI) / count;
    const b = start + ((t + 1) * 2 * Math.PI) / count;
    corners.set([cx, cy, cx + radius * Math.cos(a), cy + radius * Math.sin(a), cx + radius * Math.cos(b), cy + radius * Math.sin(b)], t * 6);
  }
  let drawn = 0;
  return (g) => {
    g.beginPath();
    for (let t = 0; t < count; t++) {
      const o = t * 6;
      g.moveTo(corners[o], corners[o + 1]);
      g.lineTo(corners[o + 2], corners[o + 3]);
      g.lineTo(corners[o + 4], corners[o + 5]);
      g.closePath();
      const turn = t % 2 === 0 ? 1 : 2;
      for (let k = 0; k < 3; k++) {
        const next = o + ((k + turn) % 3) * 2;
        moved[k * 2] = corners[o + k * 2] + (corners[next] - corners[o + k * 2]) / coefficient;
        moved[k * 2 + 1] = corners[o + k * 2 + 1] + (corners[next + 1] - corners[o + k * 2 + 1]) / coefficient;
      }
      corners.set(moved, o);
    }
    g.stroke();
    return ++drawn <= repetitions;
  };
}

registerKind('Polygons', {
  params: {
    pause: P.int(10),
    pause2: P.int(1000),
    mode: P.choice(['0', '1', '2'], POLYGONS),
    // 0 (or nothing) picks the order, or the number of triangles, at random for each drawing.
    order: P.int(0, { min: 0, max: 1000 }),
    order_max: P.int(10, { min: 2, max: 1000 }),
    step: P.int(4, { max: 360 }),
    triangles_number: P.int(0, { min: 0, max: 1000 }),
    triangles_number_max: P.int(10, { min: 4, max: 1000 }),
    coefficient: P.int(15, { max: 1000 }),
    repetitions_number: P.int(15, { max: 10000 }),
    color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const p = ctx.params;
    const layer = document.createElement('canvas');
    layer.width = ctx.width;
    layer.height = ctx.height;
    const lg = layer.getContext('2d');
    lg.strokeStyle = p.color;
    lg.lineWidth = 1;
    let next = null;
    let wait = 0;
    function newDrawing() {
      lg.clearRect(0, 0, ctx.width, ctx.height);
      const effect = p.mode === '2' ? (Math.random() < 0.5 ? POLYGONS : TRIANGLES) : p.mode;
      if (effect === POLYGONS) {
        const order = p.order >= 2 ? p.order : between(2, p.order_max);
        next = polygonDrawing(ctx.width, ctx.height, order, p.step);
      } else {
        const count = p.triangles_number >= 1 ? p.triangles_number : between(4, p.triangles_number_max);
        next = triangleDrawing(ctx.width, ctx.height, count, p.coefficient, p.repetitions_number);
      }
    }
    newDrawing();
    return {
      pause: p.pause,
      step(n) {
        for (let i = 0; i < n; i++) {
          if (next && !next(lg)) [next, wait] = [null, p.pause2];
          else if (!next && (wait -= p.pause) <= 0) newDrawing();
        }
      },
      draw(g) {
        g.drawImage(layer, 0, 0);
      },
    };
  },
});
}
// --- kinds/scrolling.js
{
// Texts that travel across the applet.


// Baseline that centres a line of the given height (the caps sit about 0.7 of it high).
function centredBaseline(height, textHeight) {
  return Math.round((height + textHeight * 0.7) / 2);
}

registerKind('Scrolling', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: -10000, max: 10000 }),
    pause: P.int(5),
    text: P.text(''),
    step: P.int(3, { max: 10000 }),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { text_height: size, height_shift: shift, pause, text, step, text_color: color } = ctx.params;
    const font = `${size}px sans-serif`;
    ctx.g.font = font;
    const width = ctx.g.measureText(text).width;
    const y = shift ?? centredBaseline(ctx.height, size);
    let x = ctx.width;
    return {
      pause,
      step(n) {
        x -= n * step;
        if (x + width < 0) x = ctx.width;
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.fillText(text, x, y);
      },
    };
  },
});
}
// --- kinds/stars.js
{
// A flight through a field of stars: stars leave the centre and speed up towards the edges.


// Stars starting closer than this to the centre would crawl for a long time before showing.
const MIN_START = 0.05;

function createStarField(width, height, count, meanStep, random = Math.random) {
  const reach = Math.hypot(width, height) / 2;
  const stars = Array.from({ length: count }, () => spawn({}, reach, random, true));

  function spawn(star, reach, random, anywhere) {
    const angle = random() * 2 * Math.PI;
    star.dx = Math.cos(angle);
    star.dy = Math.sin(angle);
    star.r = reach * (anywhere ? random() : MIN_START + random() * 0.1);
    // Step proportional to the distance: a star's mean step over its flight is `meanStep`.
    star.speed = (0.5 + random()) * meanStep;
    return star;
  }

  return {
    stars,
    step(n) {
      for (let i = 0; i < n; i++) {
        for (const star of stars) {
          star.r += star.speed * (0.25 + (1.5 * star.r) / reach);
          if (star.r > reach) spawn(star, reach, random, false);
        }
      }
    },
    draw(g, color) {
      const cx = width / 2;
      const cy = height / 2;
      g.fillStyle = color;
      for (const star of stars) {
        const near = star.r / reach;
        const size = near < 0.3 ? 1 : near < 0.7 ? 2 : 3;
        g.fillRect(Math.round(cx + star.dx * star.r), Math.round(cy + star.dy * star.r), size, size);
      }
    },
  };
}

registerKind('Stars', {
  params: {
    pause: P.int(50),
    number: P.int(100, { max: 20000 }),
    step_mean: P.int(({ width }) => Math.max(1, Math.round(width / 10))),
    star_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { pause, number, step_mean: meanStep, star_color: color } = ctx.params;
    const field = createStarField(ctx.width, ctx.height, number, meanStep);
    return {
      pause,
      step: (n) => field.step(n),
      draw: (g) => field.draw(g, color),
    };
  },
});
}
// --- kinds/starstext.js
{
// A flight through stars with a text in front: the text zooms in and out (StarsText), or its
// letters land one by one before the whole text goes away (StarsText2). Both may show a bar at
// the bottom that sets the animation speed.


const HOLD_MS = 1500;
const REST_MS = 400;
const BAR_HEIGHT = 10;
// The bar sets the speed from a quarter of the page's speed to four times it.
const SPEED_RANGE = 4;

// Stars leave the centre of the area and speed up towards its edges.
function starField(width, height, count, meanStep) {
  const reach = Math.hypot(width, height) / 2;
  const dx = new Float32Array(count);
  const dy = new Float32Array(count);
  const r = new Float32Array(count);
  const speed = new Float32Array(count);
  const launch = (i, anywhere) => {
    const angle = Math.random() * 2 * Math.PI;
    dx[i] = Math.cos(angle);
    dy[i] = Math.sin(angle);
    r[i] = reach * (anywhere ? Math.random() : 0.05 + Math.random() * 0.1);
    speed[i] = (0.5 + Math.random()) * meanStep;
  };
  for (let i = 0; i < count; i++) launch(i, true);
  return {
    step(n) {
      for (let k = 0; k < n; k++) {
        for (let i = 0; i < count; i++) {
          r[i] += speed[i] * (0.25 + (1.5 * r[i]) / reach);
          if (r[i] > reach) launch(i, false);
        }
      }
    },
    draw(g) {
      const cx = width / 2;
      const cy = height / 2;
      for (let i = 0; i < count; i++) {
        const near = r[i] / reach;
        const size = near < 0.3 ? 1 : near < 0.7 ? 2 : 3;
        g.fillRect(Math.round(cx + dx[i] * r[i]), Math.round(cy + dy[i] * r[i]), size, size);
      }
    },
  };
}

// The speed bar: pressing or dragging on it, or the left and right arrow keys, change the
// pause; a click on the bar is not a click on the applet's link.
function speedBar(ctx, basePause, enabled) {
  const top = ctx.height - BAR_HEIGHT;
  let position = 0.5;
  let dragging = false;
  const inside = (y) => enabled && y >= top;
  const yOf = (event) => {
    const box = ctx.canvas.getBoundingClientRect();
    return ((event.clientY - box.top) * ctx.height) / (box.height || 1);
  };
  const moveTo = (value) => {
    position = Math.min(1, Math.max(0, value));
    ctx.invalidate();
  };
  if (enabled) {
    const canvas = ctx.canvas;
    canvas.addEventListener('click', (event) => {
      if (inside(yOf(event))) event.stopImmediatePropagation();
    }, { capture: true });
    if (canvas.tabIndex < 0) canvas.tabIndex = 0;
    canvas.addEventListener('keydown', (event) => {
      const delta = { ArrowLeft: -0.1, ArrowRight: 0.1 }[event.key];
      if (delta === undefined) return;
      event.preventDefault();
      moveTo(position + delta);
    });
  }
  const bar = {
    areaHeight: enabled ? top : ctx.height,
    get pause() {
      return Math.max(1, Math.round(basePause / SPEED_RANGE ** (2 * position - 1)));
    },
    pointer(type, x, y, event) {
      if (!enabled) return;
      if (type === 'down' && inside(y)) {
        dragging = true;
        ctx.canvas.setPointerCapture?.(event.pointerId);
      } else if (type === 'up' || type === 'leave') {
        dragging = false;
        return;
      }
      if (dragging && (type === 'down' || type === 'move')) moveTo(x / ctx.width);
    },
    draw(g) {
      if (!enabled) return;
      g.fillStyle = '#404040';
      g.fillRect(0, top, ctx.width, BAR_HEIGHT);
      const knob = Math.max(6, Math.round(ctx.width / 12));
      g.fillStyle = '#C0C0C0';
      g.fillRect(Math.round(position * (ctx.width - knob)), top + 1, knob, BAR_HEIGHT - 2);
    },
  };
  return bar;
}

// Where each letter of the text lands: lines centred one under the other in the area. Letters
// that would land outside the area are left out, so a very long text costs no more than a full
// area.
function lettersLayout(g, lines, height, width, areaHeight) {
  const pitch = Math.round(height * 1.2);
  const top = (areaHeight - (lines.length - 1) * pitch) / 2;
  const widths = new Map();
  const widthOf = (ch) => {
    if (!widths.has(ch)) widths.set(ch, g.measureText(ch).width);
    return widths.get(ch);
  };
  const letters = [];
  lines.forEach((line, row) => {
    const y = top + row * pitch;
    if (y + height < 0 || y - height > areaHeight) return;
    const chars = Array.from(line);
    let x = (width - chars.reduce((sum, ch) => sum + widthOf(ch), 0)) / 2;
    for (const ch of chars) {
      const w = widthOf(ch);
      if (x + w >= 0 && x <= width) letters.push({ ch, x, y, w, blank: ch.trim() === '' });
      x += w;
    }
  });
  return letters;
}

// What is drawn next comes out scaled by `scale` about (cx, cy), until g.resetTransform().
function scaleAbout(g, scale, cx, cy) {
  g.setTransform(scale, 0, 0, scale, cx * (1 - scale), cy * (1 - scale));
}

const STAR_PARAMS = {
  pause: P.int(50),
  number: P.int(100, { max: 20000 }),
  step_mean: P.int(({ width }) => Math.max(1, Math.round(width / 10))),
  text_height: P.int(10, { max: 2000 }),
  height_step: P.int(2, { max: 4096 }),
  height_step2: P.int(2, { max: 4096 }),
  star_color: P.color('#FFFFFF'),
  scrollbar: P.choice(['true', 'false'], 'false'),
};

// What both kinds share: the stars, the speed bar, the font and the colour.
function starsStage(ctx) {
  const p = ctx.params;
  const bar = speedBar(ctx, p.pause, p.scrollbar === 'true');
  const stars = starField(ctx.width, bar.areaHeight, p.number, p.step_mean);
  const font = `bold ${p.text_height}px sans-serif`;
  ctx.g.font = font;
  const letters = lettersLayout(ctx.g, p.text.split('#'), p.text_height, ctx.width, bar.areaHeight);
  return {
    bar,
    stars,
    letters,
    centre: [ctx.width / 2, bar.areaHeight / 2],
    // The kind's applet: advance(pause) moves the text one step, paintText(g) draws it.
    applet(advance, paintText) {
      return {
        get pause() {
          return bar.pause;
        },
        step(n) {
          stars.step(n);
          for (let i = 0; i < n; i++) advance(bar.pause);
        },
        draw(g) {
          g.fillStyle = p.star_color;
          stars.draw(g);
          g.font = font;
          g.textBaseline = 'middle';
          paintText(g);
          g.resetTransform();
          bar.draw(g);
        },
        pointer: bar.pointer,
      };
    },
  };
}

registerKind('StarsText', {
  params: { ...STAR_PARAMS, text: P.text('StarsText') },
  create(ctx) {
    const { text_height: height, height_step: inStep, height_step2: outStep } = ctx.params;
    const stage = starsStage(ctx);
    const [cx, cy] = stage.centre;
    let phase = 'in';
    let size = 0;
    let wait = 0;
    function advance(pause) {
      if (phase === 'in') {
        size = Math.min(height, size + inStep);
        if (size === height) [phase, wait] = ['hold', HOLD_MS];
      } else if (phase === 'out') {
        size = Math.max(0, size - outStep);
        if (size === 0) [phase, wait] = ['rest', REST_MS];
      } else {
        wait -= pause;
        if (wait <= 0) phase = phase === 'hold' ? 'out' : 'in';
      }
    }
    return stage.applet(advance, (g) => {
      if (size === 0) return;
      scaleAbout(g, size / height, cx, cy);
      for (const letter of stage.letters) g.fillText(letter.ch, letter.x, letter.y);
    });
  },
});

registerKind('StarsText2', {
  params: {
    ...STAR_PARAMS,
    letters_height: P.int(({ height }) => height, { max: 4096 }),
    text: P.text('StarsText2'),
  },
  create(ctx) {
    const { text_height: height, height_step: landStep, height_step2: awayStep, letters_height: startHeight } = ctx.params;
    const stage = starsStage(ctx);
    const letters = stage.letters;
    const [cx, cy] = stage.centre;
    // Letters before `landed` are in place; the next one falls from its initial height.
    let phase = 'land';
    let landed = 0;
    let size = Math.max(height, startHeight);
    let wait = 0;
    const skipBlanks = () => {
      while (landed < letters.length && letters[landed].blank) landed++;
    };
    skipBlanks();
    function advance(pause) {
      if (phase === 'land') {
        if (landed === letters.length) {
          [phase, wait] = ['hold', HOLD_MS];
          return;
        }
        size = Math.max(height, size - landStep);
        if (size > height) return;
        landed++;
        skipBlanks();
        size = Math.max(height, startHeight);
      } else if (phase === 'away') {
        size = Math.max(0, size - awayStep);
        if (size === 0) [phase, wait] = ['rest', REST_MS];
      } else {
        wait -= pause;
        if (wait > 0) return;
        if (phase === 'hold') [phase, size] = ['away', height];
        else [phase, landed, size] = ['land', 0, Math.max(height, startHeight)];
        skipBlanks();
      }
    }
    return stage.applet(advance, (g) => {
      if (phase === 'rest') return;
      if (phase === 'away') scaleAbout(g, size / height, cx, cy);
      for (let i = 0; i < landed; i++) g.fillText(letters[i].ch, letters[i].x, letters[i].y);
      const falling = letters[landed];
      if (phase === 'land' && falling) {
        scaleAbout(g, size / height, falling.x + falling.w / 2, falling.y);
        g.fillText(falling.ch, falling.x, falling.y);
      }
    });
  },
});
}
// --- kinds/text.js
{
// Text effects: colors running through a text, the date, a flickering text, lines scrolling up or
// down, a text typed line by line, a waving text, a text of letters cut from an image, and a
// message scrolling in the tab's title.


// A text's box: its left and top from the offsets, centred where an offset is left out.
function textBox(ctx, boxWidth, boxHeight, left, top) {
  return {
    x: left ?? Math.round((ctx.width - boxWidth) / 2),
    y: top ?? Math.round((ctx.height - boxHeight) / 2),
  };
}

const MIN_FITTED_HEIGHT = 8;

function fontOf(height, bold = true) {
  return `${bold ? 'bold ' : ''}${height}px sans-serif`;
}

// A centred text too wide for the applet is made smaller until it fits, down to a height that
// is still legible; one placed by its offset keeps its height. Leaves the chosen font set on g
// and returns its height.
function fittedHeight(ctx, texts, height, placed) {
  const g = ctx.g;
  g.font = fontOf(height);
  if (placed) return height;
  const widest = Math.max(...texts.map((text) => g.measureText(text).width));
  const room = ctx.width - 4;
  if (widest <= room) return height;
  const smaller = Math.max(Math.min(height, MIN_FITTED_HEIGHT), Math.floor((height * room) / widest));
  g.font = fontOf(smaller);
  return smaller;
}

// Left edge of every letter and the whole width, with the font set on g. Each letter is measured
// once, so a very long text costs no more than its distinct letters.
function letterLayout(g, text) {
  const letters = Array.from(text);
  const lefts = new Float32Array(letters.length);
  const widths = new Map();
  let x = 0;
  for (let i = 0; i < letters.length; i++) {
    lefts[i] = x;
    if (!widths.has(letters[i])) widths.set(letters[i], g.measureText(letters[i]).width);
    x += widths.get(letters[i]);
  }
  return { letters, lefts, width: x };
}

// One step of a text moving across the applet: a text of `length` that has left the `span` by one
// side comes in again by the other.
function travel(position, delta, length, span) {
  const next = position + delta;
  if (delta < 0 && next + length < 0) return span;
  if (delta > 0 && next > span) return -length;
  return next;
}

// The start of a line that is enough to fill `width`: no letter is narrower than a sixth of the
// text height, so the rest would be drawn outside the applet.
function visiblePart(line, width, height) {
  const most = Math.ceil((width * 6) / Math.max(1, height)) + 2;
  return line.length > most ? line.slice(0, most) : line;
}

// Split at "#", the new-line mark of the text fields.
function linesOf(text) {
  return text.split('#');
}

// Hue wheel as ready color strings, so no color string is built per frame.
const HUES = Array.from({ length: 120 }, (_, i) => `hsl(${i * 3} 100% 55%)`);

registerKind('CyclingColorsText', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: 0, max: 4096 }),
    width_shift: P.int(null, { min: 0, max: 4096 }),
    pause: P.int(100),
    text: P.text('CyclingColorsText'),
  },
  create(ctx) {
    const { text } = ctx.params;
    const height = fittedHeight(ctx, [text], ctx.params.text_height, ctx.params.width_shift !== null);
    const font = fontOf(height);
    const layout = letterLayout(ctx.g, text);
    const box = textBox(ctx, layout.width, height, ctx.params.width_shift, ctx.params.height_shift);
    // Letters outside the applet are never drawn.
    let first = 0;
    while (first < layout.letters.length && box.x + layout.lefts[first] + 2 * height < 0) first++;
    let end = first;
    while (end < layout.letters.length && box.x + layout.lefts[end] <= ctx.width) end++;
    let phase = 0;
    return {
      pause: ctx.params.pause,
      step(n) {
        phase = (phase + n * 2) % HUES.length;
      },
      draw(g) {
        g.font = font;
        g.textBaseline = 'middle';
        const y = box.y + height / 2;
        for (let i = first; i < end; i++) {
          g.fillStyle = HUES[(phase + i * 6) % HUES.length];
          g.fillText(layout.letters[i], box.x + layout.lefts[i], y);
        }
      },
    };
  },
});

registerKind('DateText', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: 0, max: 4096 }),
    width_shift: P.int(null, { min: 0, max: 4096 }),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { text_height: wanted, text_color: color } = ctx.params;
    const dateFormat = new Intl.DateTimeFormat(undefined, { dateStyle: 'full' });
    const timeFormat = new Intl.DateTimeFormat(undefined, { timeStyle: 'medium' });
    let date = '';
    let time = '';
    let stamp = -1;
    const read = () => {
      const now = Date.now();
      const second = Math.floor(now / 1000);
      if (second === stamp) return false;
      stamp = second;
      date = dateFormat.format(now);
      time = timeFormat.format(now);
      return true;
    };
    read();
    // Measured on a long date so that the size does not change from day to day.
    const sample = new Date(2000, 8, 27, 22, 58, 58);
    const height = fittedHeight(ctx, [dateFormat.format(sample), timeFormat.format(sample)], wanted, ctx.params.width_shift !== null);
    const font = fontOf(height);
    const lineHeight = Math.round(height * 1.25);
    return {
      // The clock is read a few times a second so that seconds are not skipped.
      pause: 250,
      step: read,
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.textBaseline = 'middle';
        const width = Math.max(g.measureText(date).width, g.measureText(time).width);
        const box = textBox(ctx, width, height + lineHeight, ctx.params.width_shift, ctx.params.height_shift);
        const centred = ctx.params.width_shift === null;
        g.textAlign = centred ? 'center' : 'left';
        const x = centred ? box.x + width / 2 : box.x;
        g.fillText(date, x, box.y + height / 2);
        g.fillText(time, x, box.y + lineHeight + height / 2);
        g.textAlign = 'left';
      },
    };
  },
});

registerKind('Flickering', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: 0, max: 4096 }),
    width_shift: P.int(null, { min: 0, max: 4096 }),
    pause: P.int(500),
    text: P.text('Flickering'),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const random = Math.random;
    const { text, text_color: color } = ctx.params;
    const height = fittedHeight(ctx, [text], ctx.params.text_height, ctx.params.width_shift !== null);
    const font = fontOf(height);
    const width = ctx.g.measureText(text).width;
    const box = textBox(ctx, width, height, ctx.params.width_shift, ctx.params.height_shift);
    // The glowing text is drawn once, as much of it as the applet shows; the frames only change
    // how bright it is.
    const blur = Math.max(2, Math.round(height / 3));
    const pad = blur * 2;
    const flame = document.createElement('canvas');
    flame.width = ctx.width + 2 * pad;
    flame.height = ctx.height + 2 * pad;
    const fg = flame.getContext('2d');
    fg.font = font;
    fg.textBaseline = 'middle';
    fg.fillStyle = color;
    fg.shadowColor = color;
    fg.shadowBlur = blur;
    fg.fillText(text, box.x + pad, box.y + pad + height / 2);
    let light = 1;
    let sway = 0;
    return {
      pause: ctx.params.pause,
      step() {
        // A flame mostly burns bright, wavers a little and now and then nearly goes out.
        light = random() < 0.12 ? 0.15 + random() * 0.25 : 0.6 + random() * 0.4;
        sway = Math.round((random() - 0.5) * 2);
      },
      draw(g) {
        g.globalAlpha = light;
        g.drawImage(flame, sway - pad, -pad);
        g.globalAlpha = 1;
      },
    };
  },
});

registerKind('ScrollUpDown', {
  params: {
    text_height: P.int(20, { max: 2000 }),
    width_shift: P.int(10, { min: 0, max: 4096 }),
    pause: P.int(100),
    text: P.text('ScrollUpDown'),
    height_space: P.int(15, { min: 0, max: 4096 }),
    text_step: P.int(2, { max: 4096 }),
    text_color: P.color('#FFFFFF'),
    direction: P.choice(['up', 'down'], 'up'),
  },
  create(ctx) {
    const { text_height: height, height_space: space, text_step: step, text_color: color } = ctx.params;
    const lines = linesOf(ctx.params.text).map((line) => visiblePart(line, ctx.width, height));
    const pitch = height + space;
    const block = lines.length * pitch - space;
    const up = ctx.params.direction === 'up';
    const font = fontOf(height, false);
    // Top of the block: it comes in at one edge and leaves by the other, then comes in again.
    let top = up ? ctx.height : -block;
    return {
      pause: ctx.params.pause,
      step(n) {
        top = travel(top, up ? -n * step : n * step, block, ctx.height);
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.textBaseline = 'middle';
        for (let i = 0; i < lines.length; i++) {
          const y = top + i * pitch;
          if (y + height >= 0 && y <= ctx.height) g.fillText(lines[i], ctx.params.width_shift, y + height / 2);
        }
      },
    };
  },
});

registerKind('TextStream', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(0, { min: 0, max: 4096 }),
    pause: P.int(100),
    text: P.text('TextStream'),
    pause2: P.int(500),
    width_shift: P.int(0, { min: 0, max: 4096 }),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { text_height: height, height_shift: top, width_shift: left, pause, pause2, text_color: color } = ctx.params;
    const lines = linesOf(ctx.params.text).map((line) => Array.from(line));
    const pitch = Math.round(height * 1.25);
    const font = fontOf(height, false);
    let line = 0;
    let typed = 0;
    let waited = 0;
    const shown = lines.map(() => '');
    function advance() {
      const letters = lines[line];
      if (typed < letters.length) {
        typed++;
        shown[line] += letters[typed - 1];
        return;
      }
      // A finished line stays for the end-line pause; after the last one the page starts over.
      waited += pause;
      if (waited < pause2) return;
      waited = 0;
      typed = 0;
      line++;
      if (line === lines.length) {
        line = 0;
        shown.fill('');
      }
    }
    return {
      pause,
      step(n) {
        for (let i = 0; i < n; i++) advance();
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.textBaseline = 'middle';
        // Lines below the applet's bottom push the whole text up so the typed line shows.
        const scroll = Math.min(0, ctx.height - (top + line * pitch + height));
        for (let i = 0; i <= line; i++) {
          const y = top + scroll + i * pitch;
          if (y + height < 0) continue;
          const typing = i === line && typed < lines[line].length;
          const text = visiblePart(shown[i], ctx.width, height);
          g.fillText(typing && text === shown[i] ? `${text}_` : text, left, y + height / 2);
        }
      },
    };
  },
});

registerKind('WaveText', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: 0, max: 4096 }),
    pause: P.int(5),
    text: P.text('WaveText'),
    amplitude: P.int(40, { min: 0, max: 4096 }),
    angle_step: P.int(95, { min: 0, max: 3600 }),
    // The phase step's default depends on the text: about one turn of the wave over the text.
    phir_step: P.int(null, { min: 0, max: 3600 }),
    step: P.int(3, { max: 4096 }),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { text_height: height, text, amplitude, step, text_color: color } = ctx.params;
    const font = fontOf(height);
    ctx.g.font = font;
    const layout = letterLayout(ctx.g, text);
    const count = layout.letters.length;
    const letterAngle = (ctx.params.angle_step * Math.PI) / 180;
    const phaseDegrees = ctx.params.phir_step ?? Math.max(5, Math.min(30, Math.round(360 / Math.max(1, count))));
    const phaseStep = (phaseDegrees * Math.PI) / 180;
    const middle = (ctx.params.height_shift ?? Math.round((ctx.height - height) / 2)) + height / 2;
    let left = ctx.width;
    let phase = 0;
    // The first letter not yet gone past the left edge.
    let first = 0;
    return {
      pause: ctx.params.pause,
      step(n) {
        phase = (phase + n * phaseStep) % (2 * Math.PI);
        const was = left;
        left = travel(left, -n * step, layout.width, ctx.width);
        if (left > was) first = 0;
        while (first < count && left + layout.lefts[first] + height * 2 < 0) first++;
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.textBaseline = 'middle';
        for (let i = first; i < count; i++) {
          const x = left + layout.lefts[i];
          if (x > ctx.width) break;
          g.fillText(layout.letters[i], x, middle + amplitude * Math.sin(phase + i * letterAngle));
        }
      },
    };
  },
});

// The letters of the text as cells of the letters image: the letters stand side by side in
// the image, all of one width, in the order of the letters map.
function letterCells(text, map) {
  const index = new Map();
  Array.from(map).forEach((letter, i) => {
    if (!index.has(letter)) index.set(letter, i);
  });
  const find = (letter) => index.get(letter) ?? index.get(letter.toUpperCase()) ?? index.get(letter.toLowerCase()) ?? index.get(' ') ?? -1;
  return Int16Array.from(Array.from(text), find);
}

registerKind('FontImageScrolling', {
  params: {
    text_height: P.int(null, { max: 2000 }),
    text_step: P.int(2, { max: 4096 }),
    pause: P.int(100),
    text: P.text('FontImageScrolling'),
    letters_map: P.text('ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 !?.,-'),
    letters_image: P.text('letters.gif'),
    direction: P.choice(['left', 'right'], 'left'),
  },
  async create(ctx) {
    const { text, letters_map: map, text_step: step } = ctx.params;
    const image = await ctx.loadImage(ctx.params.letters_image);
    const mapLength = Array.from(map).length;
    const cellWidth = image ? Math.floor(image.naturalWidth / mapLength) : 0;
    const cellHeight = image ? image.naturalHeight : 0;
    // Without a usable image the text is still shown, in a plain font.
    const usable = cellWidth > 0 && cellHeight > 0;
    const height = ctx.params.text_height ?? (usable ? cellHeight : 20);
    const cells = letterCells(text, map);
    const font = fontOf(height);
    ctx.g.font = font;
    const letterWidth = usable ? Math.max(1, Math.round((cellWidth * height) / cellHeight)) : 0;
    const total = usable ? cells.length * letterWidth : ctx.g.measureText(text).width;
    const top = Math.round((ctx.height - height) / 2);
    const leftward = ctx.params.direction === 'left';
    let left = leftward ? ctx.width : -total;
    return {
      pause: ctx.params.pause,
      step(n) {
        left = travel(left, leftward ? -n * step : n * step, total, ctx.width);
      },
      draw(g) {
        if (!usable) {
          g.font = font;
          g.fillStyle = '#FFFFFF';
          g.textBaseline = 'middle';
          g.fillText(text, left, top + height / 2);
          return;
        }
        const first = Math.max(0, Math.floor(-left / letterWidth));
        const last = Math.min(cells.length, Math.ceil((ctx.width - left) / letterWidth));
        for (let i = first; i < last; i++) {
          if (cells[i] < 0) continue;
          g.drawImage(image, cells[i] * cellWidth, 0, cellWidth, cellHeight, left + i * letterWidth, top, letterWidth, height);
        }
      },
    };
  },
});

// The tab's title is the status bar of today's browsers. Of several scrollers on one page the
// oldest one drives it; the title the page had comes back when the last of them leaves.
const scrollers = [];
let originalTitle = '';

registerKind('StatusBarScroller', {
  params: {
    text: P.text('text to scroll'),
    pause: P.int(50),
  },
  create(ctx) {
    const self = {};
    if (scrollers.length === 0) originalTitle = document.title;
    scrollers.push(self);
    // The title collapses runs of blanks: no-break spaces keep the gaps as they scroll past.
    const loop = `${ctx.params.text}     `.replaceAll(' ', '\u00A0');
    let offset = 0;
    // The title shows whether or not the applet is in view, so it runs on a timer of its own.
    const timer = setInterval(() => {
      offset = (offset + 1) % loop.length;
      if (scrollers[0] === self) document.title = loop.slice(offset) + loop.slice(0, offset);
    }, Math.max(10, ctx.params.pause));
    return {
      draw() {},
      dispose() {
        const index = scrollers.indexOf(self);
        if (index < 0) return;
        scrollers.splice(index, 1);
        clearInterval(timer);
        if (scrollers.length === 0) document.title = originalTitle;
      },
    };
  },
});
}
// --- kinds/whirl.js
{
// An image that spins into a whirl and back: pixels turn about the centre, more near it.


const MAX_TWIST = 540; // degrees at the centre at the height of the whirl

// The twist (degrees) after `stepIndex` steps of `angleStep`: up to MAX_TWIST and back to 0.
function twistAt(stepIndex, angleStep) {
  const steps = Math.max(1, Math.round(MAX_TWIST / angleStep));
  const phase = stepIndex % (2 * steps);
  return (phase <= steps ? phase : 2 * steps - phase) * (MAX_TWIST / steps);
}

// A whirl over `source`: call it with an ImageData of the same size and a twist in degrees to
// get the source turned about its centre, most at the centre and not at all at the corners.
// The distance of every pixel to the centre is worked out once; a frame costs a table lookup,
// two multiplications and a copy per pixel.
function whirler(source) {
  const { width, height } = source;
  const cx = (width - 1) / 2;
  const cy = (height - 1) / 2;
  const radius = Math.hypot(cx, cy) || 1;
  const rings = Math.ceil(radius) + 1;
  const ringOf = new Uint16Array(width * height);
  for (let y = 0, i = 0; y < height; y++) for (let x = 0; x < width; x++, i++) ringOf[i] = Math.round(Math.hypot(x - cx, y - cy));
  const cos = new Float32Array(rings);
  const sin = new Float32Array(rings);
  const src = new Uint32Array(source.data.buffer, source.data.byteOffset, width * height);

  return (out, twist) => {
    for (let r = 0; r < rings; r++) {
      const fall = Math.max(0, 1 - r / radius);
      const angle = (twist * Math.PI * fall * fall) / 180;
      cos[r] = Math.cos(angle);
      sin[r] = Math.sin(angle);
    }
    const dst = new Uint32Array(out.data.buffer, out.data.byteOffset, width * height);
    for (let y = 0, i = 0; y < height; y++) {
      const dy = y - cy;
      for (let x = 0; x < width; x++, i++) {
        const dx = x - cx;
        const ring = ringOf[i];
        const sx = Math.round(cx + dx * cos[ring] - dy * sin[ring]);
        const sy = Math.round(cy + dx * sin[ring] + dy * cos[ring]);
        dst[i] = sx < 0 || sy < 0 || sx >= width || sy >= height ? 0 : src[sy * width + sx];
      }
    }
  };
}

registerKind('ImageWhirl', {
  params: {
    pause: P.int(10),
    angle_step: P.int(20, { max: 360 }),
    image_name: P.text(''),
  },
  async create(ctx) {
    const { pause, angle_step: angleStep, image_name: name } = ctx.params;
    const image = name ? await ctx.loadImage(name) : null;
    if (!image) return { draw() {} };
    const w = Math.min(image.naturalWidth, ctx.width);
    const h = Math.min(image.naturalHeight, ctx.height);
    const left = Math.round((ctx.width - w) / 2);
    const top = Math.round((ctx.height - h) / 2);
    const source = ctx.imagePixels(image, w, h);
    const buffer = document.createElement('canvas');
    buffer.width = w;
    buffer.height = h;
    const bg = buffer.getContext('2d');
    const out = source ? bg.createImageData(w, h) : null;
    const turn = source ? whirler(source) : null;
    let index = 0;
    return {
      pause,
      step(n) {
        index += n;
      },
      draw(g) {
        const twist = twistAt(index, angleStep);
        if (source) {
          turn(out, twist);
          bg.putImageData(out, 0, 0);
          g.drawImage(buffer, left, top);
        } else {
          // Pixels unreadable (a page opened from the disk): turn the whole image instead.
          g.save();
          g.translate(left + w / 2, top + h / 2);
          g.rotate((twist * Math.PI) / 180);
          g.drawImage(image, -w / 2, -h / 2, w, h);
          g.restore();
        }
      },
    };
  },
});
}
// --- core/main.js
// Starts the runtime once per page, however many times the page includes the script.


const STARTED = Symbol.for('morvane-applets');

function start() {
  startApplets(document);
  watchPage();
}

if (typeof document !== 'undefined' && !globalThis[STARTED]) {
  globalThis[STARTED] = true;
  if (typeof globalThis.morvaneAppletsClock === 'object' && globalThis.morvaneAppletsClock) useManualClock(globalThis.morvaneAppletsClock);
  // Applets further down the page are still being parsed: wait for the whole document.
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
}
})();
