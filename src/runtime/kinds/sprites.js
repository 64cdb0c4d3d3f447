// Sprites: a picture at its own size over the background, waving or gliding after the pointer.

import { P } from '../core/params.js';
import { Surface, blankApplet } from '../core/images.js';
import { easeTowards, ownDrags, trackPointer } from '../core/kit.js';
import { pictureCanvas } from '../core/display.js';
import { registerKind } from '../core/applet.js';

const WAVE_PER_STEP = 0.3;

// A sprite keeps its own size; only Deformation reads its pixels.
async function loadSprite(ctx, name) {
  const image = name ? await ctx.loadImage(name) : null;
  return image ? { image, w: image.naturalWidth, h: image.naturalHeight } : null;
}

// The sprite waves in both directions; "ondulation" is the number of waves across it.
registerKind('Deformation', {
  label: () => 'Waving picture',
  params: { pause: P.int(20), amplitude: P.int(3, { max: 100 }), ondulation: P.int(2, { max: 100 }), sprite: P.text() },
  async create(ctx) {
    pictureCanvas(ctx);
    const sprite = await loadSprite(ctx, ctx.params.sprite);
    if (!sprite) return blankApplet(ctx, ctx.params.sprite);
    const { image, w, h } = sprite;
    const x = Math.round((ctx.width - w) / 2);
    const y = Math.round((ctx.height - h) / 2);
    const src = ctx.imagePixels(image)?.data;
    if (!src) return { draw: (g) => g.drawImage(image, x, y) };
    // A pixel as one word, copied in one move.
    const pixels = new Uint32Array(src.buffer, src.byteOffset, w * h);
    const a = Math.min(ctx.params.amplitude, Math.max(w, h));
    const waves = 2 * Math.PI * ctx.params.ondulation;
    const surface = new Surface(w + 2 * a, h + 2 * a);
    const shiftX = new Int32Array(h + 2 * a);
    const shiftY = new Int32Array(w + 2 * a);
    const out = new Uint32Array(surface.data.buffer, surface.data.byteOffset, (w + 2 * a) * (h + 2 * a));
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
        for (let j = 0; j < H; j++) {
          for (let i = 0; i < W; i++) {
            const sx = i - a - shiftX[j];
            const sy = j - a - shiftY[i];
            out[j * W + i] = sx < 0 || sy < 0 || sx >= w || sy >= h ? 0 : pixels[sy * w + sx];
          }
        }
        surface.present(g, x - a, y - a);
      },
    };
  },
});

// The sprite glides after the pointer; away from the applet it stays where it is, or hides.
registerKind('ImagePointer', {
  label: () => 'Picture following the pointer',
  params: { pause: P.int(50), image: P.text(), out_visible: P.choice(['yes', 'no'], 'yes') },
  async create(ctx) {
    pictureCanvas(ctx);
    const sprite = await loadSprite(ctx, ctx.params.image);
    if (!sprite) return blankApplet(ctx, ctx.params.image);
    const mouse = { inside: false, x: 0, y: 0 };
    ownDrags(ctx);
    const pos = { x: ctx.width / 2, y: ctx.height / 2 };
    const outVisible = ctx.params.out_visible === 'yes';
    return {
      pause: ctx.params.pause,
      step(n) {
        if (!mouse.inside) return false;
        const [x, y] = [Math.round(pos.x), Math.round(pos.y)];
        easeTowards(pos, mouse, 0.2, n);
        return Math.round(pos.x) !== x || Math.round(pos.y) !== y;
      },
      draw(g) {
        if (!mouse.inside && !outVisible) return;
        g.drawImage(sprite.image, Math.round(pos.x - sprite.w / 2), Math.round(pos.y - sprite.h / 2));
      },
      pointer(type, px, py) {
        trackPointer(mouse, type, px, py);
        if (type === 'leave' || type === 'enter') ctx.invalidate();
      },
    };
  },
});
