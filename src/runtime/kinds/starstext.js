// A flight through stars with a text in front: the text zooms in and out (StarsText), or its
// letters land one by one before the whole text goes away (StarsText2). Both may show a bar at
// the bottom that sets the animation speed.

import { P } from '../core/params.js';
import { appletPoint, ownDrags } from '../core/kit.js';
import { registerKind } from '../core/applet.js';

const HOLD_MS = 1500;
const REST_MS = 400;
const BAR_HEIGHT = 10;
// The bar sets the speed from a quarter of the page's speed to four times it.
const SPEED_RANGE = 4;

// Stars leave the centre of the area and speed up towards its edges.
function starField(width, height, count, meanStep) {
  const reach = Math.hypot(width, height) / 2;
  const dx = new Float32Array(count);
  const dy = new Float32Array(count);
  const r = new Float32Array(count);
  const speed = new Float32Array(count);
  const launch = (i, anywhere) => {
    const angle = Math.random() * 2 * Math.PI;
    dx[i] = Math.cos(angle);
    dy[i] = Math.sin(angle);
    r[i] = reach * (anywhere ? Math.random() : 0.05 + Math.random() * 0.1);
    speed[i] = (0.5 + Math.random()) * meanStep;
  };
  for (let i = 0; i < count; i++) launch(i, true);
  return {
    step(n) {
      for (let k = 0; k < n; k++) {
        for (let i = 0; i < count; i++) {
          r[i] += speed[i] * (0.25 + (1.5 * r[i]) / reach);
          if (r[i] > reach) launch(i, false);
        }
      }
    },
    draw(g) {
      const cx = width / 2;
      const cy = height / 2;
      // One shape of all the stars, as in Stars.
      g.beginPath();
      for (let i = 0; i < count; i++) {
        const near = r[i] / reach;
        const size = near < 0.3 ? 1 : near < 0.7 ? 2 : 3;
        g.rect(Math.round(cx + dx[i] * r[i]), Math.round(cy + dy[i] * r[i]), size, size);
      }
      g.fill();
    },
  };
}

// The speed bar: pressing or dragging on it, or the left and right arrow keys, change the
// pause; a click on the bar is not a click on the applet's link.
function speedBar(ctx, basePause, enabled) {
  const top = ctx.height - BAR_HEIGHT;
  let position = 0.5;
  let dragging = false;
  const inside = (y) => enabled && y >= top;
  const yOf = (event) => appletPoint(ctx, event)[1];
  const moveTo = (value) => {
    position = Math.min(1, Math.max(0, value));
    ctx.invalidate();
  };
  if (enabled) {
    const canvas = ctx.canvas;
    // Nor is a press on the bar a click on the link the canvas may be in.
    canvas.addEventListener('click', (event) => {
      if (!inside(yOf(event))) return;
      event.stopImmediatePropagation();
      event.preventDefault();
    }, { capture: true });
    // The bar takes a finger's sideways drag; an upright one still scrolls the page.
    ownDrags(ctx, 'sideways');
    if (canvas.tabIndex < 0) canvas.tabIndex = 0;
    canvas.addEventListener('keydown', (event) => {
      const delta = { ArrowLeft: -0.1, ArrowRight: 0.1 }[event.key];
      if (delta === undefined) return;
      event.preventDefault();
      moveTo(position + delta);
    });
  }
  const bar = {
    areaHeight: enabled ? top : ctx.height,
    get pause() {
      return Math.max(1, Math.round(basePause / SPEED_RANGE ** (2 * position - 1)));
    },
    pointer(type, x, y, event) {
      if (!enabled) return;
      if (type === 'down' && inside(y)) {
        dragging = true;
        ctx.canvas.setPointerCapture?.(event.pointerId);
      } else if (type === 'up' || type === 'leave') {
        dragging = false;
        return;
      }
      if (dragging && (type === 'down' || type === 'move')) moveTo(x / ctx.width);
    },
    draw(g) {
      if (!enabled) return;
      g.fillStyle = '#404040';
      g.fillRect(0, top, ctx.width, BAR_HEIGHT);
      const knob = Math.max(6, Math.round(ctx.width / 12));
      g.fillStyle = '#C0C0C0';
      g.fillRect(Math.round(position * (ctx.width - knob)), top + 1, knob, BAR_HEIGHT - 2);
    },
  };
  return bar;
}

// Where each letter of the text lands: lines centred one under the other in the area. Letters
// that would land outside the area are left out, so a very long text costs no more than a full
// area.
function lettersLayout(g, lines, height, width, areaHeight) {
  const pitch = Math.round(height * 1.2);
  const top = (areaHeight - (lines.length - 1) * pitch) / 2;
  const widths = new Map();
  const widthOf = (ch) => {
    if (!widths.has(ch)) widths.set(ch, g.measureText(ch).width);
    return widths.get(ch);
  };
  const letters = [];
  lines.forEach((line, row) => {
    const y = top + row * pitch;
    if (y + height < 0 || y - height > areaHeight) return;
    const chars = Array.from(line);
    let x = (width - chars.reduce((sum, ch) => sum + widthOf(ch), 0)) / 2;
    for (const ch of chars) {
      const w = widthOf(ch);
      if (x + w >= 0 && x <= width) letters.push({ ch, x, y, w, blank: ch.trim() === '' });
      x += w;
    }
  });
  return letters;
}

// What is drawn next comes out scaled by `scale` about (cx, cy), until the drawing state that
// was saved before is restored (the canvas may already be scaled to the screen's pixels).
function scaleAbout(g, scale, cx, cy) {
  g.transform(scale, 0, 0, scale, cx * (1 - scale), cy * (1 - scale));
}

const STAR_PARAMS = {
  pause: P.int(50),
  number: P.int(100, { max: 20000 }),
  step_mean: P.int(({ width }) => Math.max(1, Math.round(width / 10))),
  text_height: P.int(10, { max: 2000 }),
  height_step: P.int(2, { max: 4096 }),
  height_step2: P.int(2, { max: 4096 }),
  star_color: P.color('#FFFFFF'),
  scrollbar: P.choice(['true', 'false'], 'false'),
};

// What both kinds share: the stars, the speed bar, the font and the colour.
function starsStage(ctx) {
  const p = ctx.params;
  const bar = speedBar(ctx, p.pause, p.scrollbar === 'true');
  const stars = starField(ctx.width, bar.areaHeight, p.number, p.step_mean);
  const font = `bold ${p.text_height}px sans-serif`;
  ctx.g.font = font;
  const letters = lettersLayout(ctx.g, p.text.split('#'), p.text_height, ctx.width, bar.areaHeight);
  return {
    bar,
    stars,
    letters,
    centre: [ctx.width / 2, bar.areaHeight / 2],
    // The kind's applet: advance(pause) moves the text one step, paintText(g) draws it, rest()
    // shows the whole text still.
    applet(advance, paintText, rest) {
      return {
        rest,
        get pause() {
          return bar.pause;
        },
        step(n) {
          stars.step(n);
          for (let i = 0; i < n; i++) advance(bar.pause);
        },
        draw(g) {
          g.fillStyle = p.star_color;
          stars.draw(g);
          g.font = font;
          g.textBaseline = 'middle';
          g.save();
          paintText(g);
          g.restore();
          bar.draw(g);
        },
        pointer: bar.pointer,
      };
    },
  };
}

registerKind('StarsText', {
  params: { ...STAR_PARAMS, text: P.text('StarsText') },
  create(ctx) {
    const { text_height: height, height_step: inStep, height_step2: outStep } = ctx.params;
    const stage = starsStage(ctx);
    const [cx, cy] = stage.centre;
    let phase = 'in';
    let size = 0;
    let wait = 0;
    function advance(pause) {
      if (phase === 'in') {
        size = Math.min(height, size + inStep);
        if (size === height) [phase, wait] = ['hold', HOLD_MS];
      } else if (phase === 'out') {
        size = Math.max(0, size - outStep);
        if (size === 0) [phase, wait] = ['rest', REST_MS];
      } else {
        wait -= pause;
        if (wait <= 0) phase = phase === 'hold' ? 'out' : 'in';
      }
    }
    const rest = () => {
      [phase, size, wait] = ['hold', height, HOLD_MS];
    };
    return stage.applet(advance, (g) => {
      if (size === 0) return;
      scaleAbout(g, size / height, cx, cy);
      for (const letter of stage.letters) g.fillText(letter.ch, letter.x, letter.y);
    }, rest);
  },
});

registerKind('StarsText2', {
  params: {
    ...STAR_PARAMS,
    letters_height: P.int(({ height }) => height, { max: 4096 }),
    text: P.text('StarsText2'),
  },
  create(ctx) {
    const { text_height: height, height_step: landStep, height_step2: awayStep, letters_height: startHeight } = ctx.params;
    const stage = starsStage(ctx);
    const letters = stage.letters;
    const [cx, cy] = stage.centre;
    // Letters before `landed` are in place; the next one falls from its initial height.
    let phase = 'land';
    let landed = 0;
    let size = Math.max(height, startHeight);
    let wait = 0;
    const skipBlanks = () => {
      while (landed < letters.length && letters[landed].blank) landed++;
    };
    skipBlanks();
    function advance(pause) {
      if (phase === 'land') {
        if (landed === letters.length) {
          [phase, wait] = ['hold', HOLD_MS];
          return;
        }
        size = Math.max(height, size - landStep);
        if (size > height) return;
        landed++;
        skipBlanks();
        size = Math.max(height, startHeight);
      } else if (phase === 'away') {
        size = Math.max(0, size - awayStep);
        if (size === 0) [phase, wait] = ['rest', REST_MS];
      } else {
        wait -= pause;
        if (wait > 0) return;
        if (phase === 'hold') [phase, size] = ['away', height];
        else [phase, landed, size] = ['land', 0, Math.max(height, startHeight)];
        skipBlanks();
      }
    }
    return stage.applet(advance, (g) => {
      if (phase === 'rest') return;
      if (phase === 'away') scaleAbout(g, size / height, cx, cy);
      for (let i = 0; i < landed; i++) g.fillText(letters[i].ch, letters[i].x, letters[i].y);
      const falling = letters[landed];
      if (phase === 'land' && falling) {
        scaleAbout(g, size / height, falling.x + falling.w / 2, falling.y);
        g.fillText(falling.ch, falling.x, falling.y);
      }
    }, () => {
      [phase, landed, wait] = ['hold', letters.length, HOLD_MS];
    });
  },
});
