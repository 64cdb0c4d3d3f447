// An image that spins into a whirl and back: pixels turn about the centre, more near it.

import { P } from '../core/params.js';
import { blankApplet } from '../core/images.js';
import { pictureCanvas } from '../core/display.js';
import { registerKind } from '../core/applet.js';

const MAX_TWIST = 540; // degrees at the centre at the height of the whirl

// The twist (degrees) after `stepIndex` steps of `angleStep`: up to MAX_TWIST and back to 0.
export function twistAt(stepIndex, angleStep) {
  const steps = Math.max(1, Math.round(MAX_TWIST / angleStep));
  const phase = stepIndex % (2 * steps);
  return (phase <= steps ? phase : 2 * steps - phase) * (MAX_TWIST / steps);
}

// A whirl over `source`: call it with an ImageData of the same size and a twist in degrees to
// get the source turned about its centre, most at the centre and not at all at the corners.
// The distance of every pixel to the centre is worked out once; a frame costs a table lookup,
// four multiplications and a copy per pixel.
export function whirler(source) {
  const { width, height } = source;
  const cx = (width - 1) / 2;
  const cy = (height - 1) / 2;
  const radius = Math.hypot(cx, cy) || 1;
  const rings = Math.ceil(radius) + 1;
  const ringOf = new Uint16Array(width * height);
  for (let y = 0, i = 0; y < height; y++) for (let x = 0; x < width; x++, i++) ringOf[i] = Math.round(Math.hypot(x - cx, y - cy));
  const cos = new Float32Array(rings);
  const sin = new Float32Array(rings);
  const src = new Uint32Array(source.data.buffer, source.data.byteOffset, width * height);

  return (out, twist) => {
    for (let r = 0; r < rings; r++) {
      const fall = Math.max(0, 1 - r / radius);
      const angle = (twist * Math.PI * fall * fall) / 180;
      cos[r] = Math.cos(angle);
      sin[r] = Math.sin(angle);
    }
    const dst = new Uint32Array(out.data.buffer, out.data.byteOffset, width * height);
    for (let y = 0, i = 0; y < height; y++) {
      const dy = y - cy;
      for (let x = 0; x < width; x++, i++) {
        const dx = x - cx;
        const ring = ringOf[i];
        // Rounded by truncating the value moved up by a half, once it is known to be positive:
        // Math.round in this loop costs more than all the rest of it.
        const fx = cx + dx * cos[ring] - dy * sin[ring] + 0.5;
        const fy = cy + dx * sin[ring] + dy * cos[ring] + 0.5;
        dst[i] = fx < 0 || fy < 0 || fx >= width || fy >= height ? 0 : src[(fy | 0) * width + (fx | 0)];
      }
    }
  };
}

registerKind('ImageWhirl', {
  label: () => 'Whirling picture',
  params: {
    pause: P.int(10),
    angle_step: P.int(20, { max: 360 }),
    image_name: P.text(''),
  },
  async create(ctx) {
    pictureCanvas(ctx);
    const { pause, angle_step: angleStep, image_name: name } = ctx.params;
    const image = name ? await ctx.loadImage(name) : null;
    if (!image) return blankApplet(ctx, name);
    const w = Math.min(image.naturalWidth, ctx.width);
    const h = Math.min(image.naturalHeight, ctx.height);
    const left = Math.round((ctx.width - w) / 2);
    const top = Math.round((ctx.height - h) / 2);
    const source = ctx.imagePixels(image, w, h);
    const buffer = document.createElement('canvas');
    buffer.width = w;
    buffer.height = h;
    const bg = buffer.getContext('2d');
    const out = source ? bg.createImageData(w, h) : null;
    const turn = source ? whirler(source) : null;
    let index = 0;
    return {
      pause,
      step(n) {
        index += n;
      },
      draw(g) {
        const twist = twistAt(index, angleStep);
        if (source) {
          turn(out, twist);
          bg.putImageData(out, 0, 0);
          g.drawImage(buffer, left, top);
        } else {
          // Pixels unreadable (a page opened from the disk): turn the whole image instead.
          g.save();
          g.translate(left + w / 2, top + h / 2);
          g.rotate((twist * Math.PI) / 180);
          g.drawImage(image, -w / 2, -h / 2, w, h);
          g.restore();
        }
      },
    };
  },
});
