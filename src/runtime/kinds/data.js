// Data and tools: a graph and a table drawn from a data file beside the page, a color picker
// that shows the HTML code of a color, and the visitor's address label.

import { P } from '../core/params.js';
import { drawMessage, fitText, hiddenPart, inkOn, listenKeys, readPageFile } from '../core/kit.js';
import { registerKind } from '../core/applet.js';

const MAX_FILE = 4 * 1024 * 1024;
const MAX_ROWS = 20000;
const FONT = 'px sans-serif';

// The data file's text, or { error } with the one line the applet shows.
function readDataFile(name) {
  return name ? readPageFile(name, MAX_FILE) : Promise.resolve({ error: 'No data file' });
}

function lines(text) {
  const all = text.split(/\r\n|\r|\n/);
  while (all.length && all[all.length - 1].trim() === '') all.pop();
  return all.slice(0, MAX_ROWS);
}

// A frame of `size` pixels around the applet.
function drawBorder(g, ctx, size, color) {
  if (size <= 0) return;
  g.fillStyle = color;
  g.fillRect(0, 0, ctx.width, size);
  g.fillRect(0, ctx.height - size, ctx.width, size);
  g.fillRect(0, 0, size, ctx.height);
  g.fillRect(ctx.width - size, 0, size, ctx.height);
}

// --- Graph

// Rows of numbers from a file of space-separated columns: [x, y1, y2, ...]; a cell that is not
// a number is NaN, which breaks its curve there. Rows without a number for X are left out.
export function graphData(text) {
  const rows = [];
  for (const line of lines(text)) {
    const cells = line.trim().split(/\s+/);
    if (cells[0] === '' || cells[0].startsWith('#')) continue;
    const row = cells.map((cell) => (/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(cell) ? Number(cell) : NaN));
    if (Number.isFinite(row[0])) rows.push(row);
  }
  return rows;
}

// Round steps (1, 2 or 5 times a power of ten) giving about `count` ticks over the range.
export function ticks(lo, hi, count = 5) {
  const raw = (hi - lo) / count;
  const power = 10 ** Math.floor(Math.log10(raw));
  const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw) ?? 10 * power;
  const out = [];
  for (let v = Math.ceil(lo / step - 1e-9) * step; v <= hi + step * 1e-9 && out.length < 50; v += step) out.push(Number(v.toPrecision(12)));
  return out;
}

function numberOr(value, fallback) {
  const n = typeof value === 'string' ? Number(value.trim()) : value;
  return typeof n === 'number' && Number.isFinite(n) && String(value).trim() !== '' ? n : fallback;
}

// The range an axis shows: from its minimum boundary to the largest value.
function axisRange(min, values) {
  let hi = -Infinity;
  for (const v of values) if (Number.isFinite(v) && v > hi) hi = v;
  return [min, hi > min ? hi : min + 1];
}

// What the graph shows, in a sentence: the numbers are read from the file by those who need them.
export function graphSummary({ title, xlabel, ylabel }, rows, [x0, x1], [y0, y1]) {
  const curves = rows.reduce((n, row) => Math.max(n, row.length), 0) - 1;
  const axis = (name, label, lo, hi) => `${name}${label ? ` (${label})` : ''} from ${lo} to ${hi}`;
  return [
    title || 'Graph',
    `${curves} ${curves === 1 ? 'curve' : 'curves'} of ${rows.length} points`,
    axis('X', xlabel, x0, x1),
    axis('Y', ylabel, y0, y1),
  ].join('; ');
}

const CURVE_COLORS = ['#0000FF', '#FF0000', '#008000', '#FF00FF', '#FF8000', '#008080', '#808000', '#800080'];

// Minimum boundaries are free text on the page; a number with decimals is kept.
const numberText = (def) => ({ ...P.text(), def });

registerKind('Graph', {
  drawsSeldom: true,
  label: (p) => p.title || 'Graph',
  params: {
    title: P.text(),
    xlabel_title: P.text(),
    ylabel_title: P.text(),
    xmin: numberText(0),
    ymin: numberText(0),
    border: P.int(0, { min: 0, max: 1000 }),
    data_file: P.text(),
    linked: P.choice(['yes', 'no'], 'yes'),
    border_color: P.color('#FFFFFF'),
  },
  async create(ctx) {
    const p = ctx.params;
    const ink = inkOn(ctx.background);
    const file = await readDataFile(p.data_file);
    const rows = file.text === undefined ? [] : graphData(file.text);
    const message = file.error ?? (rows.length === 0 ? `No data in ${p.data_file}` : null);
    if (message) ctx.log(message);
    const columns = rows.reduce((n, row) => Math.max(n, row.length), 0);
    const [x0, x1] = axisRange(numberOr(p.xmin, 0), rows.map((r) => r[0]));
    const [y0, y1] = axisRange(numberOr(p.ymin, 0), rows.flatMap((r) => r.slice(1)));
    const xTicks = ticks(x0, x1);
    const yTicks = ticks(y0, y1);
    const label = (v) => String(Math.abs(v) >= 1e6 || (v !== 0 && Math.abs(v) < 1e-3) ? v.toExponential(1) : v);
    hiddenPart(ctx, 'p').textContent = message ?? graphSummary({ title: p.title, xlabel: p.xlabel_title, ylabel: p.ylabel_title }, rows, [x0, x1], [y0, y1]);

    return {
      draw(g) {
        const b = p.border;
        drawBorder(g, ctx, b, p.border_color);
        if (message) {
          drawMessage(g, ctx, message, ink);
          return;
        }
        const small = Math.max(8, Math.min(11, Math.floor(ctx.height / 22)));
        const big = Math.max(9, Math.min(15, Math.floor(ctx.height / 16)));
        g.fillStyle = ink;
        g.textBaseline = 'top';
        g.textAlign = 'center';
        g.font = `bold ${big}${FONT}`;
        g.fillText(fitText(g, p.title, Math.max(1, ctx.width - 2 * b - 8)), ctx.width / 2, b + 4);
        g.font = `${small}${FONT}`;
        const tickWidth = Math.max(...yTicks.map((v) => g.measureText(label(v)).width));
        const area = {
          left: b + 6 + small + 4 + tickWidth + 4,
          right: ctx.width - b - 12,
          top: b + 4 + big + 8,
          bottom: ctx.height - b - 6 - small - 4 - small - 4,
        };
        if (area.right - area.left < 10 || area.bottom - area.top < 10) return;
        const px = (v) => area.left + ((v - x0) / (x1 - x0)) * (area.right - area.left);
        const py = (v) => area.bottom - ((v - y0) / (y1 - y0)) * (area.bottom - area.top);

        g.fillText(fitText(g, p.xlabel_title, Math.max(1, area.right - area.left)), (area.left + area.right) / 2, ctx.height - b - 4 - small);
        g.save();
        g.translate(b + 4, (area.top + area.bottom) / 2);
        g.rotate(-Math.PI / 2);
        g.fillText(fitText(g, p.ylabel_title, Math.max(1, area.bottom - area.top)), 0, 0);
        g.restore();

        g.strokeStyle = ink;
        g.lineWidth = 1;
        g.beginPath();
        for (const v of xTicks) {
          const x = Math.round(px(v)) + 0.5;
          g.moveTo(x, area.bottom);
          g.lineTo(x, area.bottom + 4);
          g.fillText(label(v), x, area.bottom + 5);
        }
        g.textAlign = 'right';
        g.textBaseline = 'middle';
        for (const v of yTicks) {
          const y = Math.round(py(v)) + 0.5;
          g.moveTo(area.left - 4, y);
          g.lineTo(area.left, y);
          g.fillText(label(v), area.left - 6, y);
        }
        g.moveTo(area.left + 0.5, area.top);
        g.lineTo(area.left + 0.5, area.bottom + 0.5);
        g.lineTo(area.right, area.bottom + 0.5);
        g.stroke();

        g.save();
        g.beginPath();
        g.rect(area.left - 3, area.top - 3, area.right - area.left + 6, area.bottom - area.top + 6);
        g.clip();
        for (let c = 1; c < columns; c++) {
          const color = CURVE_COLORS[(c - 1) % CURVE_COLORS.length];
          g.strokeStyle = color;
          g.fillStyle = color;
          g.lineWidth = 1.5;
          g.beginPath();
          let drawing = false;
          for (const row of rows) {
            const v = row[c];
            if (!Number.isFinite(v)) {
              drawing = false;
              continue;
            }
            const x = px(row[0]);
            const y = py(v);
            g.fillRect(x - 2, y - 2, 4, 4);
            if (p.linked === 'yes') {
              if (drawing) g.lineTo(x, y);
              else g.moveTo(x, y);
              drawing = true;
            }
          }
          g.stroke();
        }
        g.restore();
      },
    };
  },
});

// --- Table

const ROW = 18;
const PAD = 6;
const TITLE_MODES = ['0', '1', '2'];

// The title row and the data rows the page asks for, from the file's lines. The first line as
// title takes that line only: asking also to skip the first row does not drop a data row.
export function tableRows(fileLines, { titleMode, titleRow, skipFirst }) {
  const cells = (line) => line.split(',').map((cell) => cell.trim());
  let data = fileLines;
  let title = null;
  if (titleMode === '1') {
    title = data.length ? cells(data[0]) : null;
    data = data.slice(1);
  } else {
    if (skipFirst) data = data.slice(1);
    if (titleMode === '2' && titleRow) title = cells(titleRow);
  }
  return { title, rows: data.map(cells) };
}

// The records as a table that screen readers walk cell by cell; the canvas shows it.
const MAX_READ_ROWS = 1000;

function readableTable(ctx, title, rows) {
  const table = hiddenPart(ctx, 'table');
  const line = (cells, tag) => {
    const tr = document.createElement('tr');
    for (const cell of cells) tr.appendChild(document.createElement(tag)).textContent = cell;
    return tr;
  };
  if (title) table.createTHead().append(line(title, 'th'));
  const body = table.createTBody();
  for (const row of rows.slice(0, MAX_READ_ROWS)) body.append(line(row, 'td'));
  if (rows.length > MAX_READ_ROWS) table.createCaption().textContent = `The first ${MAX_READ_ROWS} of ${rows.length} records`;
}

registerKind('Table', {
  drawsSeldom: true,
  label: () => 'Table',
  params: {
    title_row: P.text(),
    border: P.int(0, { min: 0, max: 100 }),
    data_file: P.text(),
    skip_first_row: P.choice(['1', '0'], '0'),
    title_mode: P.choice(TITLE_MODES, '0'),
    border_color: P.color('#FFFFFF'),
    background_color2: P.color(null),
    columns_color: P.color('#FFFFFF'),
    column_colors: P.numbered('columns_color', P.color(null)),
  },
  async create(ctx) {
    const p = ctx.params;
    const ink = inkOn(ctx.background);
    const file = await readDataFile(p.data_file);
    if (file.error) ctx.log(file.error);
    const { title, rows } = file.text === undefined
      ? { title: null, rows: [] }
      : tableRows(lines(file.text), { titleMode: p.title_mode, titleRow: p.title_row, skipFirst: p.skip_first_row === '1' });
    const all = title ? [title, ...rows] : rows;
    if (file.error) hiddenPart(ctx, 'p').textContent = file.error;
    else readableTable(ctx, title, rows);
    const count = all.reduce((n, row) => Math.max(n, row.length), 0);
    const colors = Array.from({ length: count }, (_, i) => p.column_colors.get(i + 1) ?? p.columns_color);
    const b = p.border;

    // Column widths from the widest cell, spread over the applet's width.
    const g0 = ctx.g;
    const widths = new Array(count).fill(PAD * 2);
    g0.font = `bold 12${FONT}`;
    for (const row of all) row.forEach((cell, i) => (widths[i] = Math.max(widths[i], g0.measureText(cell).width + PAD * 2)));
    const room = ctx.width - b * (count + 1);
    const total = widths.reduce((s, w) => s + w, 0) || 1;
    const xs = [b];
    for (let i = 0; i < count; i++) xs.push(xs[i] + Math.max(1, Math.floor((widths[i] * room) / total)) + b);

    const head = title ? 2 * (ROW + b) : 0; // the title row, then a blank row
    const shown = Math.max(1, Math.floor((ctx.height - b - head) / (ROW + b)));
    let first = 0;
    const scroll = (by) => {
      const next = Math.max(0, Math.min(rows.length - shown, first + by));
      if (next === first) return false;
      first = next;
      ctx.invalidate();
      return true;
    };
    const stop = listenKeys(ctx, (key) => {
      const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: shown, PageUp: -shown, Home: -rows.length, End: rows.length };
      return key in moves && (scroll(moves[key]), true);
    });
    const wheel = (event) => {
      if (scroll(Math.sign(event.deltaY) * 3)) event.preventDefault();
    };
    ctx.canvas.addEventListener('wheel', wheel, { passive: false });

    const drawRow = (g, row, y, bold) => {
      g.font = `${bold ? 'bold ' : ''}12${FONT}`;
      for (let i = 0; i < row.length; i++) {
        g.fillStyle = bold ? ink : colors[i];
        g.fillText(fitText(g, row[i], Math.max(1, xs[i + 1] - xs[i] - b - PAD * 2)), xs[i] + PAD, y + ROW / 2);
      }
    };
    return {
      draw(g) {
        if (file.error) {
          drawMessage(g, ctx, file.error, ink);
          return;
        }
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        // Top edges of the grid's horizontal lines, the blank row under the title included.
        const edges = [0];
        let y = b;
        if (title) {
          drawRow(g, title, y, true);
          edges.push(y + ROW, y + 2 * ROW + b);
          y += head;
        }
        const end = Math.min(rows.length, first + shown);
        for (let r = first; r < end; r++, y += ROW + b) {
          if (p.background_color2 && r % 2 === 1) {
            g.fillStyle = p.background_color2;
            g.fillRect(xs[0], y, xs[count] - xs[0] - b, ROW);
          }
          drawRow(g, rows[r], y, false);
          edges.push(y + ROW);
        }
        if (b > 0 && count > 0) {
          g.fillStyle = p.border_color;
          for (const edge of edges) g.fillRect(0, edge, xs[count], b);
          for (const x of xs) g.fillRect(x - b, 0, b, edges[edges.length - 1] + b);
        }
      },
      dispose() {
        stop();
        ctx.canvas.removeEventListener('wheel', wheel);
      },
    };
  },
});

// --- HexColor: a palette of hues and shades; the color under the mouse, or the one clicked, is
// shown beside its HTML code.

function hslToRgb(h, s, l) {
  const k = (n) => (n + h / 30) % 12;
  const a = s * Math.min(l, 1 - l);
  const f = (n) => l - a * Math.max(-1, Math.min(k(n) - 3, Math.min(9 - k(n), 1)));
  return [Math.round(f(0) * 255), Math.round(f(8) * 255), Math.round(f(4) * 255)];
}

export function hexOf(r, g, b) {
  return `#${((1 << 24) | (r << 16) | (g << 8) | b).toString(16).slice(1).toUpperCase()}`;
}

// Hues across, from white at the top to black at the bottom; the right-hand strip holds greys.
function palette(width, height) {
  const image = new ImageData(width, height);
  const grey = Math.max(6, Math.round(width / 12));
  const hues = Math.max(1, width - grey);
  for (let y = 0; y < height; y++) {
    const l = 1 - (y + 0.5) / height;
    for (let x = 0; x < width; x++) {
      const [r, g, b] = x < hues ? hslToRgb((x * 360) / hues, 1, l) : [l * 255, l * 255, l * 255].map(Math.round);
      const i = (y * width + x) * 4;
      image.data[i] = r;
      image.data[i + 1] = g;
      image.data[i + 2] = b;
      image.data[i + 3] = 255;
    }
  }
  return image;
}

registerKind('HexColor', {
  drawsSeldom: true,
  label: () => 'Color picker',
  create(ctx) {
    const bar = Math.max(12, Math.min(24, Math.round(ctx.height / 5)));
    const h = Math.max(1, ctx.height - bar);
    const image = palette(ctx.width, h);
    const surface = document.createElement('canvas');
    surface.width = ctx.width;
    surface.height = h;
    surface.getContext('2d').putImageData(image, 0, 0);
    const colorAt = ({ x, y }) => {
      const i = (y * ctx.width + x) * 4;
      return hexOf(image.data[i], image.data[i + 1], image.data[i + 2]);
    };
    const clamp = (x, y) => ({ x: Math.max(0, Math.min(ctx.width - 1, Math.floor(x))), y: Math.max(0, Math.min(h - 1, Math.floor(y))) });
    let picked = clamp(ctx.width / 3, h / 2);
    let over = null;
    // The code of the chosen color, told when the visitor picks another (not as the mouse passes).
    const code = hiddenPart(ctx, 'output');
    code.setAttribute('aria-live', 'polite');
    const pick = (at) => {
      picked = at;
      code.textContent = `HTML code ${colorAt(picked)}`;
    };
    pick(picked);
    ctx.canvas.style.cursor = 'crosshair';
    const stop = listenKeys(ctx, (key, event) => {
      const by = event.shiftKey ? 10 : 1;
      const moves = { ArrowLeft: [-by, 0], ArrowRight: [by, 0], ArrowUp: [0, -by], ArrowDown: [0, by] };
      if (!(key in moves)) return false;
      pick(clamp(picked.x + moves[key][0], picked.y + moves[key][1]));
      over = null;
      ctx.invalidate();
      return true;
    });
    return {
      pointer(type, x, y) {
        const inPalette = type !== 'leave' && y < h;
        if (type === 'click' && inPalette) pick(clamp(x, y));
        over = inPalette ? clamp(x, y) : null;
        ctx.invalidate();
      },
      draw(g) {
        g.drawImage(surface, 0, 0);
        g.strokeStyle = '#000000';
        g.lineWidth = 1;
        g.strokeRect(picked.x - 3.5, picked.y - 3.5, 7, 7);
        g.strokeStyle = '#FFFFFF';
        g.strokeRect(picked.x - 2.5, picked.y - 2.5, 5, 5);
        const color = colorAt(over ?? picked);
        g.fillStyle = '#E0E0E0';
        g.fillRect(0, h, ctx.width, bar);
        g.fillStyle = color;
        g.fillRect(2, h + 2, Math.max(4, bar * 2), bar - 4);
        g.strokeStyle = '#000000';
        g.strokeRect(2.5, h + 2.5, Math.max(4, bar * 2) - 1, bar - 5);
        g.fillStyle = '#000000';
        g.font = `${Math.max(8, bar - 8)}px monospace`;
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        g.fillText(fitText(g, color, Math.max(1, ctx.width - bar * 2 - 10)), bar * 2 + 8, h + bar / 2);
      },
      dispose: stop,
    };
  },
});

// --- IPViewer: a browser does not tell a page the visitor's address; only a server sees it.

const IP_NOTE = '(known only to the web server)';

registerKind('IPViewer', {
  drawsSeldom: true,
  params: { text: P.text('Your IP is:') },
  label: (p) => `${p.text} ${IP_NOTE}`,
  create(ctx) {
    const ink = inkOn(ctx.background);
    const twoLines = ctx.height >= 24;
    const size = Math.max(8, Math.min(16, Math.floor((twoLines ? ctx.height / 2 : ctx.height) - 4)));
    return {
      draw(g) {
        g.font = `${size}${FONT}`;
        g.textAlign = 'center';
        g.textBaseline = 'middle';
        g.fillStyle = ink;
        const w = Math.max(1, ctx.width - 8);
        if (twoLines) {
          g.fillText(fitText(g, ctx.params.text, w), ctx.width / 2, ctx.height / 2 - size * 0.6);
          g.fillText(fitText(g, IP_NOTE, w), ctx.width / 2, ctx.height / 2 + size * 0.6);
        } else g.fillText(fitText(g, `${ctx.params.text} ${IP_NOTE}`, w), ctx.width / 2, ctx.height / 2);
      },
    };
  },
});
