// Line drawings built up frame by frame: a polygon turning and shrinking into a spiral, or a fan
// of triangles each filled with smaller and smaller turned copies of itself. A finished drawing
// stays for the pause between drawings, then the next one starts on a clean area.

import { P } from '../core/params.js';
import { registerKind } from '../core/applet.js';
import { pictureCanvas } from '../core/display.js';

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
  label: () => 'Moving shapes',
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
    // The drawing is built at one pixel per CSS pixel: a denser canvas would only stretch it on
    // every frame, as the screen already does.
    pictureCanvas(ctx);
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
      // The drawing finished at once; held a long time, a drawing ends within this many strokes.
      rest() {
        for (let i = 0; next && i < 1e6; i++) if (!next(lg)) [next, wait] = [null, p.pause2];
      },
      // While a finished drawing is held, nothing changes.
      step(n) {
        let changed = false;
        for (let i = 0; i < n; i++) {
          if (next) {
            changed = true;
            if (!next(lg)) [next, wait] = [null, p.pause2];
          } else if ((wait -= p.pause) <= 0) {
            newDrawing();
            changed = true;
          }
        }
        return changed;
      },
      draw(g) {
        g.drawImage(layer, 0, 0);
      },
    };
  },
});
