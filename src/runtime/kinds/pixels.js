// Pictures turned and stretched on their pixels: a turn around the vertical axis, and a picture
// pulled by its four corners. Where the browser forbids reading the picture's pixels, it is shown
// as it is.

import { P } from '../core/params.js';
import { Bouncer, clampedIndex, pixelEffect, words } from '../core/images.js';
import { registerKind } from '../core/applet.js';

const TURN_PER_STEP = Math.PI / 60;

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

// The effects, in the shape pixelEffect (core/images.js) runs.
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
};

registerKind('ImageAxisRotation', pixelEffect(EFFECTS.ImageAxisRotation));
registerKind('ImageExtend', pixelEffect(EFFECTS.ImageExtend));
