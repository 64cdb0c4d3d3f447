// Text effects: colors running through a text, the date, a flickering text, lines scrolling up or
// down, a text typed line by line, a waving text, a text of letters cut from an image, and a
// message scrolling in the tab's title.

import { P } from '../core/params.js';
import { motionReduced, pictureCanvas } from '../core/display.js';
import { registerKind } from '../core/applet.js';

// A text's box: its left and top from the offsets, centred where an offset is left out.
function textBox(ctx, boxWidth, boxHeight, left, top) {
  return {
    x: left ?? Math.round((ctx.width - boxWidth) / 2),
    y: top ?? Math.round((ctx.height - boxHeight) / 2),
  };
}

const MIN_FITTED_HEIGHT = 8;

function fontOf(height, bold = true) {
  return `${bold ? 'bold ' : ''}${height}px sans-serif`;
}

// A centred text too wide for the applet is made smaller until it fits, down to a height that
// is still legible; one placed by its offset keeps its height. Leaves the chosen font set on g
// and returns its height.
function fittedHeight(ctx, texts, height, placed) {
  const g = ctx.g;
  g.font = fontOf(height);
  if (placed) return height;
  const widest = Math.max(...texts.map((text) => g.measureText(text).width));
  const room = ctx.width - 4;
  if (widest <= room) return height;
  const smaller = Math.max(Math.min(height, MIN_FITTED_HEIGHT), Math.floor((height * room) / widest));
  g.font = fontOf(smaller);
  return smaller;
}

// Left edge of every letter and the whole width, with the font set on g. Each letter is measured
// once, so a very long text costs no more than its distinct letters.
function letterLayout(g, text) {
  const letters = Array.from(text);
  const lefts = new Float32Array(letters.length);
  const widths = new Map();
  let x = 0;
  for (let i = 0; i < letters.length; i++) {
    lefts[i] = x;
    if (!widths.has(letters[i])) widths.set(letters[i], g.measureText(letters[i]).width);
    x += widths.get(letters[i]);
  }
  return { letters, lefts, width: x };
}

// One step of a text moving across the applet: a text of `length` that has left the `span` by one
// side comes in again by the other.
function travel(position, delta, length, span) {
  const next = position + delta;
  if (delta < 0 && next + length < 0) return span;
  if (delta > 0 && next > span) return -length;
  return next;
}

// The start of a line that is enough to fill `width`: no letter is narrower than a sixth of the
// text height, so the rest would be drawn outside the applet.
function visiblePart(line, width, height) {
  const most = Math.ceil((width * 6) / Math.max(1, height)) + 2;
  return line.length > most ? line.slice(0, most) : line;
}

// Split at "#", the new-line mark of the text fields.
function linesOf(text) {
  return text.split('#');
}

// Hue wheel as ready color strings, so no color string is built per frame.
const HUES = Array.from({ length: 120 }, (_, i) => `hsl(${i * 3} 100% 55%)`);

registerKind('CyclingColorsText', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: 0, max: 4096 }),
    width_shift: P.int(null, { min: 0, max: 4096 }),
    pause: P.int(100),
    text: P.text('CyclingColorsText'),
  },
  create(ctx) {
    const { text } = ctx.params;
    const height = fittedHeight(ctx, [text], ctx.params.text_height, ctx.params.width_shift !== null);
    const font = fontOf(height);
    const layout = letterLayout(ctx.g, text);
    const box = textBox(ctx, layout.width, height, ctx.params.width_shift, ctx.params.height_shift);
    // Letters outside the applet are never drawn.
    let first = 0;
    while (first < layout.letters.length && box.x + layout.lefts[first] + 2 * height < 0) first++;
    let end = first;
    while (end < layout.letters.length && box.x + layout.lefts[end] <= ctx.width) end++;
    let phase = 0;
    return {
      pause: ctx.params.pause,
      step(n) {
        phase = (phase + n * 2) % HUES.length;
      },
      draw(g) {
        g.font = font;
        g.textBaseline = 'middle';
        const y = box.y + height / 2;
        for (let i = first; i < end; i++) {
          g.fillStyle = HUES[(phase + i * 6) % HUES.length];
          g.fillText(layout.letters[i], box.x + layout.lefts[i], y);
        }
      },
    };
  },
});

registerKind('DateText', {
  drawsSeldom: true,
  label: () => 'Date and time',
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: 0, max: 4096 }),
    width_shift: P.int(null, { min: 0, max: 4096 }),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { text_height: wanted, text_color: color } = ctx.params;
    const dateFormat = new Intl.DateTimeFormat(undefined, { dateStyle: 'full' });
    const timeFormat = new Intl.DateTimeFormat(undefined, { timeStyle: 'medium' });
    let date = '';
    let time = '';
    let stamp = -1;
    const read = () => {
      const now = Date.now();
      const second = Math.floor(now / 1000);
      if (second === stamp) return false;
      stamp = second;
      date = dateFormat.format(now);
      time = timeFormat.format(now);
      return true;
    };
    read();
    // Measured on a long date so that the size does not change from day to day.
    const sample = new Date(2000, 8, 27, 22, 58, 58);
    const height = fittedHeight(ctx, [dateFormat.format(sample), timeFormat.format(sample)], wanted, ctx.params.width_shift !== null);
    const font = fontOf(height);
    const lineHeight = Math.round(height * 1.25);
    return {
      // The clock is read a few times a second so that seconds are not skipped.
      pause: 250,
      step: read,
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.textBaseline = 'middle';
        const width = Math.max(g.measureText(date).width, g.measureText(time).width);
        const box = textBox(ctx, width, height + lineHeight, ctx.params.width_shift, ctx.params.height_shift);
        const centred = ctx.params.width_shift === null;
        g.textAlign = centred ? 'center' : 'left';
        const x = centred ? box.x + width / 2 : box.x;
        g.fillText(date, x, box.y + height / 2);
        g.fillText(time, x, box.y + lineHeight + height / 2);
        g.textAlign = 'left';
      },
    };
  },
});

registerKind('Flickering', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: 0, max: 4096 }),
    width_shift: P.int(null, { min: 0, max: 4096 }),
    pause: P.int(500),
    text: P.text('Flickering'),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const random = Math.random;
    const { text, text_color: color } = ctx.params;
    const height = fittedHeight(ctx, [text], ctx.params.text_height, ctx.params.width_shift !== null);
    const font = fontOf(height);
    const width = ctx.g.measureText(text).width;
    const box = textBox(ctx, width, height, ctx.params.width_shift, ctx.params.height_shift);
    // The glowing text is drawn once, as much of it as the applet shows; the frames only change
    // how bright it is. It has the canvas's backing pixels, so that it stays as crisp as other
    // text and each frame copies it pixel for pixel instead of stretching it.
    const blur = Math.max(2, Math.round(height / 3));
    const pad = blur * 2;
    const dense = ctx.g.getTransform().a;
    const flame = document.createElement('canvas');
    flame.width = Math.round((ctx.width + 2 * pad) * dense);
    flame.height = Math.round((ctx.height + 2 * pad) * dense);
    const fg = flame.getContext('2d');
    fg.scale(dense, dense);
    fg.font = font;
    fg.textBaseline = 'middle';
    fg.fillStyle = color;
    fg.shadowColor = color;
    // The blur is counted in backing pixels, whatever the transform.
    fg.shadowBlur = blur * dense;
    fg.fillText(text, box.x + pad, box.y + pad + height / 2);
    let light = 1;
    let sway = 0;
    return {
      pause: ctx.params.pause,
      step() {
        // A flame mostly burns bright, wavers a little and now and then nearly goes out.
        light = random() < 0.12 ? 0.15 + random() * 0.25 : 0.6 + random() * 0.4;
        sway = Math.round((random() - 0.5) * 2);
      },
      draw(g) {
        g.globalAlpha = light;
        g.drawImage(flame, sway - pad, -pad, flame.width / dense, flame.height / dense);
        g.globalAlpha = 1;
      },
    };
  },
});

registerKind('ScrollUpDown', {
  params: {
    text_height: P.int(20, { max: 2000 }),
    width_shift: P.int(10, { min: 0, max: 4096 }),
    pause: P.int(100),
    text: P.text('ScrollUpDown'),
    height_space: P.int(15, { min: 0, max: 4096 }),
    text_step: P.int(2, { max: 4096 }),
    text_color: P.color('#FFFFFF'),
    direction: P.choice(['up', 'down'], 'up'),
  },
  create(ctx) {
    const { text_height: height, height_space: space, text_step: step, text_color: color } = ctx.params;
    const lines = linesOf(ctx.params.text).map((line) => visiblePart(line, ctx.width, height));
    const pitch = height + space;
    const block = lines.length * pitch - space;
    const up = ctx.params.direction === 'up';
    const font = fontOf(height, false);
    // Top of the block: it comes in at one edge and leaves by the other, then comes in again.
    let top = up ? ctx.height : -block;
    return {
      pause: ctx.params.pause,
      step(n) {
        top = travel(top, up ? -n * step : n * step, block, ctx.height);
      },
      rest() {
        top = Math.max(0, Math.round((ctx.height - block) / 2));
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.textBaseline = 'middle';
        for (let i = 0; i < lines.length; i++) {
          const y = top + i * pitch;
          if (y + height >= 0 && y <= ctx.height) g.fillText(lines[i], ctx.params.width_shift, y + height / 2);
        }
      },
    };
  },
});

registerKind('TextStream', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(0, { min: 0, max: 4096 }),
    pause: P.int(100),
    text: P.text('TextStream'),
    pause2: P.int(500),
    width_shift: P.int(0, { min: 0, max: 4096 }),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { text_height: height, height_shift: top, width_shift: left, pause, pause2, text_color: color } = ctx.params;
    const lines = linesOf(ctx.params.text).map((line) => Array.from(line));
    const pitch = Math.round(height * 1.25);
    const font = fontOf(height, false);
    let line = 0;
    let typed = 0;
    let waited = 0;
    const shown = lines.map(() => '');
    // Whether the text shown changed.
    function advance() {
      const letters = lines[line];
      if (typed < letters.length) {
        typed++;
        shown[line] += letters[typed - 1];
        return true;
      }
      // A finished line stays for the end-line pause; after the last one the page starts over.
      waited += pause;
      if (waited < pause2) return false;
      waited = 0;
      typed = 0;
      line++;
      if (line === lines.length) {
        line = 0;
        shown.fill('');
      }
      return true;
    }
    return {
      pause,
      step(n) {
        let changed = false;
        for (let i = 0; i < n; i++) changed = advance() || changed;
        return changed;
      },
      // The whole text typed.
      rest() {
        lines.forEach((letters, i) => (shown[i] = letters.join('')));
        line = lines.length - 1;
        typed = lines[line].length;
        waited = 0;
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.textBaseline = 'middle';
        // Lines below the applet's bottom push the whole text up so the typed line shows.
        const scroll = Math.min(0, ctx.height - (top + line * pitch + height));
        for (let i = 0; i <= line; i++) {
          const y = top + scroll + i * pitch;
          if (y + height < 0) continue;
          const typing = i === line && typed < lines[line].length;
          const text = visiblePart(shown[i], ctx.width, height);
          g.fillText(typing && text === shown[i] ? `${text}_` : text, left, y + height / 2);
        }
      },
    };
  },
});

registerKind('WaveText', {
  params: {
    text_height: P.int(10, { max: 2000 }),
    height_shift: P.int(null, { min: 0, max: 4096 }),
    pause: P.int(5),
    text: P.text('WaveText'),
    amplitude: P.int(40, { min: 0, max: 4096 }),
    angle_step: P.int(95, { min: 0, max: 3600 }),
    // The phase step's default depends on the text: about one turn of the wave over the text.
    phir_step: P.int(null, { min: 0, max: 3600 }),
    step: P.int(3, { max: 4096 }),
    text_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { text_height: height, text, amplitude, step, text_color: color } = ctx.params;
    const font = fontOf(height);
    ctx.g.font = font;
    const layout = letterLayout(ctx.g, text);
    const count = layout.letters.length;
    const letterAngle = (ctx.params.angle_step * Math.PI) / 180;
    const phaseDegrees = ctx.params.phir_step ?? Math.max(5, Math.min(30, Math.round(360 / Math.max(1, count))));
    const phaseStep = (phaseDegrees * Math.PI) / 180;
    const middle = (ctx.params.height_shift ?? Math.round((ctx.height - height) / 2)) + height / 2;
    let left = ctx.width;
    let phase = 0;
    // The first letter not yet gone past the left edge.
    let first = 0;
    return {
      pause: ctx.params.pause,
      step(n) {
        phase = (phase + n * phaseStep) % (2 * Math.PI);
        const was = left;
        left = travel(left, -n * step, layout.width, ctx.width);
        if (left > was) first = 0;
        while (first < count && left + layout.lefts[first] + height * 2 < 0) first++;
      },
      rest() {
        left = Math.max(0, (ctx.width - layout.width) / 2);
        first = 0;
      },
      draw(g) {
        g.font = font;
        g.fillStyle = color;
        g.textBaseline = 'middle';
        for (let i = first; i < count; i++) {
          const x = left + layout.lefts[i];
          if (x > ctx.width) break;
          g.fillText(layout.letters[i], x, middle + amplitude * Math.sin(phase + i * letterAngle));
        }
      },
    };
  },
});

// The letters of the text as cells of the letters image: the letters stand side by side in
// the image, all of one width, in the order of the letters map.
function letterCells(text, map) {
  const index = new Map();
  Array.from(map).forEach((letter, i) => {
    if (!index.has(letter)) index.set(letter, i);
  });
  const find = (letter) => index.get(letter) ?? index.get(letter.toUpperCase()) ?? index.get(letter.toLowerCase()) ?? index.get(' ') ?? -1;
  return Int16Array.from(Array.from(text), find);
}

registerKind('FontImageScrolling', {
  params: {
    text_height: P.int(null, { max: 2000 }),
    text_step: P.int(2, { max: 4096 }),
    pause: P.int(100),
    text: P.text('FontImageScrolling'),
    letters_map: P.text('ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 !?.,-'),
    letters_image: P.text('letters.gif'),
    direction: P.choice(['left', 'right'], 'left'),
  },
  async create(ctx) {
    const { text, letters_map: map, text_step: step } = ctx.params;
    const image = await ctx.loadImage(ctx.params.letters_image);
    const mapLength = Array.from(map).length;
    const cellWidth = image ? Math.floor(image.naturalWidth / mapLength) : 0;
    const cellHeight = image ? image.naturalHeight : 0;
    // Without a usable image the text is still shown, in a plain font.
    const usable = cellWidth > 0 && cellHeight > 0;
    // Letters cut from a picture have no more pixels than that picture.
    if (usable) pictureCanvas(ctx);
    const height = ctx.params.text_height ?? (usable ? cellHeight : 20);
    const cells = letterCells(text, map);
    const font = fontOf(height);
    ctx.g.font = font;
    const letterWidth = usable ? Math.max(1, Math.round((cellWidth * height) / cellHeight)) : 0;
    const total = usable ? cells.length * letterWidth : ctx.g.measureText(text).width;
    const top = Math.round((ctx.height - height) / 2);
    const leftward = ctx.params.direction === 'left';
    let left = leftward ? ctx.width : -total;
    return {
      pause: ctx.params.pause,
      step(n) {
        left = travel(left, leftward ? -n * step : n * step, total, ctx.width);
      },
      rest() {
        left = Math.max(0, (ctx.width - total) / 2);
      },
      draw(g) {
        if (!usable) {
          g.font = font;
          g.fillStyle = '#FFFFFF';
          g.textBaseline = 'middle';
          g.fillText(text, left, top + height / 2);
          return;
        }
        const first = Math.max(0, Math.floor(-left / letterWidth));
        const last = Math.min(cells.length, Math.ceil((ctx.width - left) / letterWidth));
        for (let i = first; i < last; i++) {
          if (cells[i] < 0) continue;
          g.drawImage(image, cells[i] * cellWidth, 0, cellWidth, cellHeight, left + i * letterWidth, top, letterWidth, height);
        }
      },
    };
  },
});

// The tab's title is the status bar of today's browsers. Of several scrollers on one page the
// oldest one drives it; the title the page had comes back when the last of them leaves.
const scrollers = [];
let originalTitle = '';
// No tab shows a longer title: a longer text costs no more per step.
const TITLE_LETTERS = 160;

function titleAt(loop, offset) {
  let title = '';
  for (let i = 0; i < Math.min(TITLE_LETTERS, loop.length); i++) title += loop[(offset + i) % loop.length];
  return title;
}

registerKind('StatusBarScroller', {
  params: {
    text: P.text('text to scroll'),
    pause: P.int(50),
  },
  create(ctx) {
    const self = {};
    if (scrollers.length === 0) originalTitle = document.title;
    scrollers.push(self);
    // The title collapses runs of blanks: no-break spaces keep the gaps as they scroll past.
    // Letters, not UTF-16 units, so that no scrolled title starts with half a letter.
    const loop = Array.from(`${ctx.params.text}     `.replaceAll(' ', '\u00A0'));
    let offset = 0;
    // The title shows whether or not the applet is in view, so it runs on a timer of its own;
    // for a visitor who wants less motion it keeps still unless the applet is pointed at.
    const timer = setInterval(() => {
      if (motionReduced() && !ctx.hovered) return;
      offset = (offset + 1) % loop.length;
      if (scrollers[0] === self) document.title = titleAt(loop, offset);
    }, Math.max(10, ctx.params.pause));
    if (scrollers[0] === self) document.title = titleAt(loop, 0);
    return {
      draw() {},
      dispose() {
        const index = scrollers.indexOf(self);
        if (index < 0) return;
        scrollers.splice(index, 1);
        clearInterval(timer);
        if (scrollers.length === 0) document.title = originalTitle;
      },
    };
  },
});
