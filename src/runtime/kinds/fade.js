// Images that fade into one another, each held a while at full strength.

import { P } from '../core/params.js';
import { slideShowLabel } from '../core/kit.js';
import { blankApplet } from '../core/images.js';
import { pictureCanvas } from '../core/display.js';
import { registerKind } from '../core/applet.js';

// Position in the cycle: which image shows, and how far the next one has faded in (0..1).
export function fadeState(stepIndex, imageCount, frames, holdSteps) {
  const period = holdSteps + frames;
  const image = Math.floor(stepIndex / period) % imageCount;
  const inPeriod = stepIndex % period;
  return { image, next: (image + 1) % imageCount, amount: inPeriod < holdSteps ? 0 : (inPeriod - holdSteps + 1) / frames };
}

function drawCentred(g, image, width, height, alpha) {
  g.globalAlpha = alpha;
  g.drawImage(image, Math.round((width - image.naturalWidth) / 2), Math.round((height - image.naturalHeight) / 2));
  g.globalAlpha = 1;
}

registerKind('Fade', {
  label: (p) => slideShowLabel(p.image),
  params: {
    pause: P.int(20),
    pause2: P.int(300),
    frame_number: P.int(50, { max: 10000 }),
    image: P.list('image_number'),
  },
  async create(ctx) {
    pictureCanvas(ctx);
    const { pause, pause2, frame_number: frames, image: names } = ctx.params;
    const images = await ctx.loadImages(names);
    if (images.length === 0) return blankApplet(ctx, names);
    const holdSteps = Math.max(1, Math.round(pause2 / pause));
    let index = 0;
    return {
      pause: images.length > 1 ? pause : 0,
      step(n) {
        const before = fadeState(index, images.length, frames, holdSteps);
        index += n;
        const after = fadeState(index, images.length, frames, holdSteps);
        return after.image !== before.image || after.amount !== before.amount;
      },
      draw(g) {
        const { image, next, amount } = fadeState(index, images.length, frames, holdSteps);
        drawCentred(g, images[image], ctx.width, ctx.height, 1);
        if (amount > 0) drawCentred(g, images[next], ctx.width, ctx.height, amount);
      },
    };
  },
});
