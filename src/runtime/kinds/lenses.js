// Lenses over the pixels of a picture: one that breathes in the middle, one that follows the
// pointer. Where the browser forbids reading the picture's pixels, it is shown as it is.

import { P } from '../core/params.js';
import { Bouncer, clampedIndex, pixelEffect, tracker, words } from '../core/images.js';
import { registerKind } from '../core/applet.js';

// ImageConvex: the convexity c goes up to the maximum and back; the lens's strength is
// c / (c + CONVEXITY_HALF), so a small step still shows while the lens never turns inside out.
const CONVEXITY_MAX = 1000;
const CONVEXITY_HALF = 250;

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

// The effects, in the shape pixelEffect (core/images.js) runs.
const EFFECTS = {
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
    followsPointer: true,
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
};

registerKind('ImageConvex', pixelEffect(EFFECTS.ImageConvex));
registerKind('ImageConvex2', pixelEffect(EFFECTS.ImageConvex2));
