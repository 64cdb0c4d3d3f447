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

function readOne(raw, name, decl, size) {
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
      return readList(raw, name, decl.count);
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
      if (options.loop) this.source = source;
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

function tick(now) {
  frame = 0;
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
// --- core/main.js
// Starts the runtime once per page, however many times the page includes the script.


const STARTED = Symbol.for('morvane-applets');

function start() {
  startApplets(document);
  watchPage();
}

if (typeof document !== 'undefined' && !globalThis[STARTED]) {
  globalThis[STARTED] = true;
  // Applets further down the page are still being parsed: wait for the whole document.
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
}
})();
