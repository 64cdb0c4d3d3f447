// Images named by parameters, and their pixels where the browser lets the page read them; what
// the picture kinds share to place an image and to draw pixels of their own.

import { safeMediaUrl } from './links.js';
import { easeTowards, ownDrags, trackPointer } from './kit.js';
import { limitPixels } from './display.js';

// Resolves to the loaded image, or null (refused address, missing or broken file).
export function loadImage(name, base, log) {
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
export function imagePixels(image, width = image.naturalWidth, height = image.naturalHeight) {
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

// What a picture kind is without its picture: a blank applet, with one console line that says
// why, so that the page's author is not left guessing.
export function blankApplet(ctx, names) {
  const given = [names].flat().filter(Boolean);
  ctx.log(given.length ? `nothing to show: ${given.join(', ')} did not load` : 'nothing to show: no image is named');
  return { draw() {} };
}

// An image at its own size, centred, made smaller (never larger) when it exceeds the applet.
export function placeImage(image, width, height) {
  const scale = Math.min(1, width / image.naturalWidth, height / image.naturalHeight);
  const w = Math.max(1, Math.round(image.naturalWidth * scale));
  const h = Math.max(1, Math.round(image.naturalHeight * scale));
  return { image, x: Math.round((width - w) / 2), y: Math.round((height - h) / 2), w, h };
}

export function drawPlaced(g, placed) {
  g.drawImage(placed.image, placed.x, placed.y, placed.w, placed.h);
}

// A buffer of pixels drawn over the background through a canvas of its own, so that transparent
// pixels let the background (and its mouse-over color) show.
export class Surface {
  constructor(width, height) {
    this.canvas = document.createElement('canvas');
    this.canvas.width = width;
    this.canvas.height = height;
    this.g = this.canvas.getContext('2d');
    this.image = this.g.createImageData(width, height);
    this.data = this.image.data;
  }

  // At (x, y), at its own size unless given another.
  present(g, x = 0, y = 0, w = this.canvas.width, h = this.canvas.height) {
    this.g.putImageData(this.image, 0, 0);
    g.drawImage(this.canvas, x, y, w, h);
  }
}

// --- Effects on every pixel of a picture, for the kinds that run one each frame.

// Every frame works on each pixel: above this many the effect runs on fewer, larger pixels
// (a sharp picture at 1024 × 768, a softer one above it) so that its frame rate holds; the
// canvas has no more either (nor more than the applet's CSS pixels: a picture gains nothing
// from a denser screen), so that nothing stretches them but the browser.
const EFFECT_PIXELS = 1024 * 768;

// A value that moves by `speed` each step and turns back at `lo` and `hi`.
export class Bouncer {
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

// The picture placed on the applet, with its pixels at the effect's size (transparent around
// it), or without pixels when the browser forbids reading them.
async function loadPicture(ctx, name, view) {
  const image = name ? await ctx.loadImage(name) : null;
  if (!image) return null;
  const place = placeImage(image, ctx.width, ctx.height);
  const k = view.scale;
  const [x, y, w, h] = [place.x * k, place.y * k, place.w * k, place.h * k].map((v) => Math.max(0, Math.round(v)));
  const part = ctx.imagePixels(image, Math.max(1, Math.min(w, view.width - x)), Math.max(1, Math.min(h, view.height - y)));
  if (!part) return { place, pixels: null };
  const pixels = new Uint8ClampedArray(view.width * view.height * 4);
  for (let row = 0; row < part.height; row++) {
    pixels.set(part.data.subarray(row * part.width * 4, (row + 1) * part.width * 4), ((y + row) * view.width + x) * 4);
  }
  return { place, pixels };
}

// The size the effect works at, with its length parameters (`lengths`) in its own pixels.
function effectView(ctx, lengths = []) {
  const scale = limitPixels(ctx.canvas, Math.min(EFFECT_PIXELS, ctx.width * ctx.height));
  const params = { ...ctx.params };
  for (const name of lengths) params[name] *= scale;
  return {
    width: Math.max(1, Math.round(ctx.width * scale)),
    height: Math.max(1, Math.round(ctx.height * scale)),
    scale,
    params,
  };
}

// The pixels as one word each, so that a pixel is copied in one move.
export function words(bytes) {
  return new Uint32Array(bytes.buffer, bytes.byteOffset, bytes.length >> 2);
}

// Math.floor(v) kept within 0..size-1. The hot loops call this per pixel, and truncation, which
// rounds towards zero, gives the same answer here: anything below zero ends at 0 anyway.
export function clampedIndex(v, size) {
  const i = v | 0;
  return i < 0 ? 0 : i >= size ? size - 1 : i;
}

// Where the lights and lenses are: under the pointer (eased by `share`), else wandering.
export function tracker(ctx, mouse, share) {
  const pos = { x: ctx.width / 2, y: ctx.height / 2 };
  const target = { x: pos.x, y: pos.y };
  let t = 0;
  return {
    pos,
    step(n) {
      t += n;
      if (mouse.inside) easeTowards(pos, mouse, share, n);
      else {
        wander(t, ctx.width, ctx.height, target);
        easeTowards(pos, target, share, n);
      }
    },
  };
}

// The definition of a kind that runs an effect on its picture. An effect gives its parameters,
// the parameter naming its picture, the parameters that are lengths in pixels, whether a finger
// drag leads it (`followsPointer`), and `start(view, picture, mouse, out)` returning { step(n),
// render(out, src), overlay?(g), rest?() } over the pixels of the view (`out` is the buffer drawn
// each frame, kept between frames). The view has the applet's shape, the size the effect works
// at, and the parameters with their lengths at that size.
export function pixelEffect(effect) {
  return {
    params: effect.params,
    label: () => 'Animated picture',
    async create(ctx) {
      const view = effectView(ctx, effect.lengths);
      const picture = await loadPicture(ctx, ctx.params[effect.image], view);
      if (!picture) return blankApplet(ctx, ctx.params[effect.image]);
      const { image, x, y, w, h } = picture.place;
      // A page opened from the disk cannot read its own pictures: show the picture as it is.
      if (!picture.pixels) return { draw: (g) => g.drawImage(image, x, y, w, h) };
      const mouse = { inside: false, x: 0, y: 0 };
      if (effect.followsPointer) ownDrags(ctx);
      const surface = new Surface(view.width, view.height);
      const run = effect.start(view, picture, mouse, surface.data);
      return {
        pause: ctx.params.pause,
        step: (n) => run.step(n),
        rest: run.rest,
        draw(g) {
          run.render(surface.data, picture.pixels);
          surface.present(g, 0, 0, ctx.width, ctx.height);
          if (!run.overlay) return;
          g.save();
          g.scale(1 / view.scale, 1 / view.scale);
          run.overlay(g);
          g.restore();
        },
        pointer: (type, px, py) => trackPointer(mouse, type, px * view.scale, py * view.scale),
      };
    },
  };
}
