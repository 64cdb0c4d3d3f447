// Image effects: slide shows whose images arrive one over the other, and effects on the pixels
// of one picture (lens, light, turning, stretching, waving, scanning) or a sprite.

import { P, rgbOf } from '../core/params.js';
import { registerKind } from '../core/applet.js';

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
export function createShow(count, length) {
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
