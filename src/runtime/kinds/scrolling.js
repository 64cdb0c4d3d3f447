// Texts that travel across the applet.

import { P } from '../core/params.js';
import { registerKind } from '../core/applet.js';

// Baseline that centres a line of the given height (the caps sit about 0.7 of it high).
export function centredBaseline(height, textHeight) {
  return Math.round((height + textHeight * 0.7) / 2);
}

// A long text cut into runs that end after a blank (so words keep their shaping), each with its
// left edge: a frame draws only the runs in view, whatever the text's length.
const RUN_MIN = 16;
const RUN_MAX = 64;

function textRuns(g, text) {
  const runs = [];
  const lefts = [];
  let run = '';
  let length = 0;
  let x = 0;
  const close = () => {
    runs.push(run);
    lefts.push(x);
    x += g.measureText(run).width;
    run = '';
    length = 0;
  };
  for (const ch of text) {
    run += ch;
    length++;
    if (length >= RUN_MAX || (length >= RUN_MIN && ch.trim() === '')) close();
  }
  if (length > 0) close();
  return { runs, lefts: Float64Array.from(lefts), width: x };
}

// Index of the last run starting at or before `offset` (0 when none does).
function runAt(lefts, offset) {
  let lo = 0;
  let hi = lefts.length - 1;
  while (lo < hi) {
    const mid = (lo + hi + 1) >> 1;
    if (lefts[mid] <= offset) lo = mid;
    else hi = mid - 1;
  }
  return lo;
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
    const { runs, lefts, width } = textRuns(ctx.g, text);
    const y = shift ?? centredBaseline(ctx.height, size);
    let x = ctx.width;
    return {
      pause,
      step(n) {
        x -= n * step;
        if (x + width < 0) x = ctx.width;
      },
      // Held still, the text shows from its start: centred when it fits, else at the left edge.
      rest() {
        x = Math.max(0, (ctx.width - width) / 2);
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        for (let i = runAt(lefts, -x); i < runs.length && x + lefts[i] < ctx.width; i++) g.fillText(runs[i], x + lefts[i], y);
      },
    };
  },
});
