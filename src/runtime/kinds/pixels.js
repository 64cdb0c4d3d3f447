// Effects on the pixels of one picture: turning, lenses, stretching, lights and a scan. Where the
// browser forbids reading the picture's pixels, it is shown as it is.

import { P, rgbOf } from '../core/params.js';
import { Surface, blankApplet, placeImage } from '../core/images.js';
import { easeTowards, trackPointer } from '../core/kit.js';
import { limitPixels } from '../core/display.js';
import { registerKind } from '../core/applet.js';

// How dark the unlit parts of a picture are, and how bright the centre of a light makes it.
const AMBIENT = 0.2;
const LIFT = 1.3;
const TURN_PER_STEP = Math.PI / 60;
// ImageConvex: the convexity c goes up to the maximum and back; the lens's strength is
// c / (c + CONVEXITY_HALF), so a small step still shows while the lens never turns inside out.
const CONVEXITY_MAX = 1000;
const CONVEXITY_HALF = 250;
// Every frame works on each pixel: above this many the effect runs on fewer, larger pixels
// (a sharp picture at 1024 × 768, a softer one above it) so that its frame rate holds; the
// canvas has no more either (nor more than the applet's CSS pixels: a picture gains nothing
// from a denser screen), so that nothing stretches them but the browser.
const EFFECT_PIXELS = 1024 * 768;

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
function words(bytes) {
  return new Uint32Array(bytes.buffer, bytes.byteOffset, bytes.length >> 2);
}

// Math.floor(v) kept within 0..size-1. The hot loops call this per pixel, and truncation, which
// rounds towards zero, gives the same answer here: anything below zero ends at 0 anyway.
function clampedIndex(v, size) {
  const i = v | 0;
  return i < 0 ? 0 : i >= size ? size - 1 : i;
}

// A magnifying lens of radius r at (cx, cy): strength 0 changes nothing, towards 1 the centre
// grows without bound; the rim always meets the picture around it.
function lens(out, src, width, height, cx, cy, r, strength) {
  out.set(src);
  if (r < 1) return;
  const to = words(out);
  const from = words(src);
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
      to[y * width + x] = from[clampedIndex(cy + dy * f, height) * width + clampedIndex(cx + dx * f, width)];
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
      if (mouse.inside) easeTowards(pos, mouse, share, n);
      else {
        wander(t, ctx.width, ctx.height, target);
        easeTowards(pos, target, share, n);
      }
    },
  };
}

// Inverse of the bilinear map of the unit square onto the quad a b c d (clockwise from the top
// left): a function that sets uv.u and uv.v for the point (px, py) and says whether the point is
// inside. What depends on the quad alone is worked out once, not for every pixel.
function quadInverse(q) {
  const ex = q[2] - q[0];
  const ey = q[3] - q[1];
  const fx = q[6] - q[0];
  const fy = q[7] - q[1];
  const gx = q[0] - q[2] + q[4] - q[6];
  const gy = q[1] - q[3] + q[5] - q[7];
  const k2 = gx * fy - gy * fx;
  const cross = ex * fy - ey * fx;
  return (px, py, uv) => {
    const hx = px - q[0];
    const hy = py - q[1];
    return unmapped(cross + hx * gy - hy * gx, hx * ey - hy * ex, k2, ex, ey, fx, fy, gx, gy, hx, hy, uv);
  };
}

function unmapped(k1, k0, k2, ex, ey, fx, fy, gx, gy, hx, hy, uv) {
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

// Where the row at height py crosses the convex hull of the quad's corners, into span (from, to);
// false when it misses it. The stretched picture lies within that hull, so a row is worked out
// only there rather than across the whole box around the quad.
function hullSpan(q, py, span) {
  let from = Infinity;
  let to = -Infinity;
  for (let a = 0; a < 8; a += 2) {
    for (let b = a + 2; b < 8; b += 2) {
      const [ax, ay, bx, by] = [q[a], q[a + 1], q[b], q[b + 1]];
      if ((ay - py) * (by - py) > 0) continue;
      const x = ay === by ? ax : ax + ((py - ay) * (bx - ax)) / (by - ay);
      const far = ay === by ? bx : x;
      from = Math.min(from, x, far);
      to = Math.max(to, x, far);
    }
  }
  span[0] = from;
  span[1] = to;
  return from <= to;
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

// Each effect: its parameters, the parameter naming its picture, the parameters that are
// lengths in pixels, and `start(view, picture, mouse, out)` returning { step(n), render(out,
// src), overlay?(g), rest?() } over the pixels of the view (`out` is the buffer drawn each frame,
// kept between frames). The view has the applet's shape, the size the effect works at, and the
// parameters with their lengths at that size.
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
      const shaded = new Uint8ClampedArray(256);
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
          // Every shaded value of a byte, looked up rather than multiplied for each pixel.
          for (let v = 0; v < 256; v++) shaded[v] = v * shade;
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
              const v = (y + 0.5 - cy) / scale + cy;
              if (v < 0 || v >= height) continue;
              const sy = v | 0;
              const o = (y * width + x) * 4;
              const s = (sy * width + sx) * 4;
              out[o] = shaded[src[s]];
              out[o + 1] = shaded[src[s + 1]];
              out[o + 2] = shaded[src[s + 2]];
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
    lengths: ['radiusstep'],
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
    lengths: ['radius'],
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
      const span = new Float64Array(2);
      return {
        step(n) {
          for (const corner of corners) corner.step(n);
        },
        render(out, src) {
          out.fill(0);
          const to = words(out);
          const from = words(src);
          corners.forEach((corner, i) => {
            const t = corner.value / 100;
            quad[2 * i] = width / 2 + (ends[i][0] - width / 2) * t;
            quad[2 * i + 1] = height / 2 + (ends[i][1] - height / 2) * t;
          });
          const x0 = Math.max(0, Math.floor(Math.min(quad[0], quad[2], quad[4], quad[6])));
          const x1 = Math.min(width, Math.ceil(Math.max(quad[0], quad[2], quad[4], quad[6])));
          const y0 = Math.max(0, Math.floor(Math.min(quad[1], quad[3], quad[5], quad[7])));
          const y1 = Math.min(height, Math.ceil(Math.max(quad[1], quad[3], quad[5], quad[7])));
          const unmap = quadInverse(quad);
          for (let y = y0; y < y1; y++) {
            if (!hullSpan(quad, y + 0.5, span)) continue;
            const first = Math.max(x0, Math.floor(span[0]) - 1);
            const last = Math.min(x1, Math.ceil(span[1]) + 1);
            for (let x = first; x < last; x++) {
              if (!unmap(x + 0.5, y + 0.5, uv)) continue;
              to[y * width + x] = from[clampedIndex(uv.v * height, height) * width + clampedIndex(uv.u * width, width)];
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
    lengths: ['light_rad', 'light_step'],
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
    lengths: ['radius'],
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
    lengths: ['r_lim', 'r_step'],
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
        // The picture uncovered, resting in full view.
        rest() {
          out.set(picture.pixels);
          [travelled, uncovering, pos.x] = [pass, true, -2 * r];
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
    label: () => 'Animated picture',
    async create(ctx) {
      const view = effectView(ctx, effect.lengths);
      const picture = await loadPicture(ctx, ctx.params[effect.image], view);
      if (!picture) return blankApplet(ctx, ctx.params[effect.image]);
      const { image, x, y, w, h } = picture.place;
      // A page opened from the disk cannot read its own pictures: show the picture as it is.
      if (!picture.pixels) return { draw: (g) => g.drawImage(image, x, y, w, h) };
      const mouse = { inside: false, x: 0, y: 0 };
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

registerKind('ImageAxisRotation', pixelEffect(EFFECTS.ImageAxisRotation));
registerKind('ImageConvex', pixelEffect(EFFECTS.ImageConvex));
registerKind('ImageConvex2', pixelEffect(EFFECTS.ImageConvex2));
registerKind('ImageExtend', pixelEffect(EFFECTS.ImageExtend));
registerKind('ImageLight', pixelEffect(EFFECTS.ImageLight));
registerKind('ImageLight2', pixelEffect(EFFECTS.ImageLight2));
registerKind('ScanImage', pixelEffect(EFFECTS.ScanImage));
