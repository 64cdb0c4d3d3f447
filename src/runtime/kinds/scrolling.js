// Texts that travel across the applet.

import { P } from '../core/params.js';
import { registerKind } from '../core/applet.js';

// Baseline that centres a line of the given height (the caps sit about 0.7 of it high).
export function centredBaseline(height, textHeight) {
  return Math.round((height + textHeight * 0.7) / 2);
}

registerKind('Scrolling', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: -10000, max: 10000 }),
    pause: P.int(5),
    text: P.text(''),
    step: P.int(3, { max: 10000 }),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { text_height: size, height_shift: shift, pause, text, step, text_color: color } = ctx.params;
    const font = `${size}px sans-serif`;
    ctx.g.font = font;
    const width = ctx.g.measureText(text).width;
    const y = shift ?? centredBaseline(ctx.height, size);
    let x = ctx.width;
    return {
      pause,
      step(n) {
        x -= n * step;
        if (x + width < 0) x = ctx.width;
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.fillText(text, x, y);
      },
    };
  },
});
