// The kinds registry and one running applet: its canvas in place of the element, its typed
// parameters, the common parameters around the kind's drawing, and its pointer events.

import { parseInteger, readRawParams, resolveParams } from './params.js';
import { COMMON_PARAMS, Common, openLink } from './common.js';
import { imagePixels, loadImage } from './images.js';
import { Sound } from './sound.js';
import { showOnScreen } from './display.js';
import { addToLoop, loopNow, removeFromLoop, stepsDue, wake } from './loop.js';
import { AppletBox } from './box.js';
import { drawingSurface } from './surface.js';

const kinds = new Map();
const MAX_SIDE = 4096;

export function log(message) {
  console.warn(`morvane-applets: ${message}`);
}

// definition: { params: {name: P.int(...), ...}, common: true, label(params) -> accessible name,
// create(ctx) -> kind object }
export function registerKind(name, definition) {
  if (typeof definition?.create !== 'function') throw new Error(`kind ${name} has no create()`);
  kinds.set(name, { params: {}, common: true, ...definition });
}

export function findKind(name) {
  return kinds.get(name) ?? null;
}

export function kindNames() {
  return [...kinds.keys()];
}

// What the applet shows, for those who cannot see it: the kind's own words, else the text it
// displays, else that it moves.
function labelOf(kind, params) {
  if (kind.label) return kind.label(params);
  if (typeof params.text === 'string' && params.text.trim()) return params.text.split('#').join(' ').trim();
  return 'Animation';
}

const POINTER_EVENTS = ['pointerenter', 'pointerleave', 'pointermove', 'pointerdown', 'pointerup', 'click'];

export class Applet {
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
    this.surface = drawingSurface(canvas, kind.drawsSeldom);
    this.g = this.surface.g;
    showOnScreen(this);

    const raw = readRawParams(element);
    const size = { width, height };
    this.params = resolveParams(kind.params, raw, size);
    this.savedDisplay = element.style.display;
    this.box = new AppletBox(element, canvas, labelOf(kind, this.params));
    element.style.display = 'none';
    element.morvaneApplet = this;

    // Read once: the core paints the background, and kinds choose the ink that reads on it.
    const common = resolveParams(COMMON_PARAMS, raw, size);
    this.background = common.background_color;
    this.common = kind.common ? new Common(this, common, kind.params) : null;
    for (const type of POINTER_EVENTS) canvas.addEventListener(type, (event) => this.pointer(type, event));
    // Kinds outline the part the keys act on.
    for (const type of ['focusin', 'focusout']) this.box.element.addEventListener(type, () => this.invalidate());
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
        this.box.settle();
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
      box: this.box.element,
      g: this.g,
      params: this.params,
      background: this.background,
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
      describe: (text) => this.box.describe(text),
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
      // A step that answers false left the picture as it was drawn: drawing it again would cost
      // the same as a change, for nothing.
      if (steps > 0) {
        this.guard(() => {
          if (this.instance.step?.(steps) !== false) this.dirty = true;
        });
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
    this.surface.present();
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
    this.element.style.display = this.savedDisplay;
  }

  // The page moved the element: its applet goes with it as it is.
  follow() {
    const box = this.box.element;
    if (!this.disposed && box.nextSibling !== this.element) this.element.before(box);
  }

  // The page took the element out or changed it: the element is as the page wrote it again.
  remove() {
    this.dispose();
    this.element.style.display = this.savedDisplay;
    if (this.element.morvaneApplet === this) this.element.morvaneApplet = null;
  }

  dispose() {
    if (this.disposed) return;
    this.disposed = true;
    removeFromLoop(this);
    this.box.remove();
    this.common?.dispose();
    try {
      this.instance?.dispose?.();
    } catch {
      // the applet is going away anyway
    }
  }
}
