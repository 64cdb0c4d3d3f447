// Lights over a darkened picture: a soft one and a sharp one that follow the pointer, and one
// that scans the picture row after row. Where the browser forbids reading the picture's pixels,
// it is shown as it is.

import { P, rgbOf } from '../core/params.js';
import { Bouncer, pixelEffect, tracker } from '../core/images.js';
import { registerKind } from '../core/applet.js';

// How dark the unlit parts of a picture are, and how bright the centre of a light makes it.
const AMBIENT = 0.2;
const LIFT = 1.3;

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

// The effects, in the shape pixelEffect (core/images.js) runs.
const EFFECTS = {
  // A soft spot of light that glides after the pointer; its radius breathes between half and
  // all of the light radius, by the radius step.
  ImageLight: {
    followsPointer: true,
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
    followsPointer: true,
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


registerKind('ImageLight', pixelEffect(EFFECTS.ImageLight));
registerKind('ImageLight2', pixelEffect(EFFECTS.ImageLight2));
registerKind('ScanImage', pixelEffect(EFFECTS.ScanImage));
